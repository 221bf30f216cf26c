// The palette PNG writer against libgd's: map files are written by it, so every byte must be the
// one libgd writes, for the pictures it writes itself and for those it hands to libgd.

#include <gtest/gtest.h>

#include <random>

#include "map/GdImage.h"
#include "mapfile/PalettePng.h"
#include "mapfile/Quantize.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

// A palette picture of `colours` entries, every one in use: flat runs, noise and repeats, so the
// compressor meets long matches, short ones and none.
ImagePtr palettePicture(int w, int h, int colours, unsigned seed) {
    std::mt19937 random(seed);
    ImagePtr im(gdImageCreate(w, h));
    for (int i = 0; i < colours; ++i)
        gdImageColorAllocate(im.get(), static_cast<int>(random() % 256), static_cast<int>(random() % 256),
                             static_cast<int>(random() % 256));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int band = (y / 7 + x / 13) % 3;
            int entry = band == 0 ? (x / 40) % colours : band == 1 ? static_cast<int>(random() % colours) : (x * 3 + y) % colours;
            if (x == 0 && y < colours) entry = y;  // every entry at least once
            im->pixels[y][x] = static_cast<unsigned char>(entry);
        }
    return im;
}

void expectLibgdsBytes(gdImagePtr im, bool writtenHere) {
    EXPECT_EQ(writesPalettePngItself(im), writtenHere);
    const Bytes ours = encodePalettePng(im);
    const Bytes theirs = encodePng(im);
    ASSERT_FALSE(theirs.empty());
    ASSERT_EQ(ours.size(), theirs.size());
    for (std::size_t i = 0; i < ours.size(); ++i) ASSERT_EQ(ours[i], theirs[i]) << "byte " << i << " of " << ours.size();
}

}  // namespace

TEST(PalettePng, WritesLibgdsBytesForTheMapsItWritesItself) {
    struct Case {
        const char* what;
        int w, h, colours;
    };
    const Case cases[] = {
        {"a map's size and colours", 1920, 696, 65},
        {"17 entries, the fewest written here", 300, 200, 17},
        {"256 entries", 257, 301, 256},
        {"just over 16 KB of rows", 127, 129, 40},
        {"one long row", 20000, 2, 30},
        {"one column", 1, 20000, 20},
        {"a few dozen 8 KB chunks", 640, 480, 64},
    };
    unsigned seed = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImagePtr im = palettePicture(c.w, c.h, c.colours, seed++);
        expectLibgdsBytes(im.get(), true);
    }
    // Another resolution is written into the pHYs chunk as libgd writes it.
    ImagePtr printed = palettePicture(400, 300, 50, 99);
    printed->res_x = 300;
    printed->res_y = 72;
    expectLibgdsBytes(printed.get(), true);
    // A map as the program makes it: quantised from a true-colour picture.
    ImagePtr trueColour = test::solidPicture(700, 400, 0x204060);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 700; ++x)
            if ((x * x + y * 3) % 17 < 9) trueColour->tpixels[y][x] = gdTrueColor(x % 256, y % 256, (x + y) % 256);
    ImagePtr quantised = neuQuantPalette(trueColour.get(), 64, 10);
    ASSERT_TRUE(quantised);
    expectLibgdsBytes(quantised.get(), quantised->colorsTotal > 16);
}

// What libgd would lay out differently goes to libgd.
TEST(PalettePng, HandsEveryOtherPictureToLibgd) {
    ImagePtr few = palettePicture(300, 200, 16, 5);  // packed into 4 bits a pixel
    expectLibgdsBytes(few.get(), false);
    ImagePtr small = palettePicture(100, 100, 40, 6);  // a narrowed zlib window
    expectLibgdsBytes(small.get(), false);
    ImagePtr unused = palettePicture(300, 200, 40, 7);
    gdImageColorAllocate(unused.get(), 1, 2, 3);  // an entry no pixel has
    unused->open[40] = 1;
    expectLibgdsBytes(unused.get(), false);
    ImagePtr translucent = palettePicture(300, 200, 40, 8);
    translucent->alpha[3] = 60;
    expectLibgdsBytes(translucent.get(), false);
    ImagePtr transparent = palettePicture(300, 200, 40, 9);
    transparent->transparent = 2;
    expectLibgdsBytes(transparent.get(), false);
    ImagePtr interlaced = palettePicture(300, 200, 40, 10);
    interlaced->interlace = 1;
    expectLibgdsBytes(interlaced.get(), false);
    ImagePtr trueColour = test::solidPicture(300, 200, 0x123456);
    expectLibgdsBytes(trueColour.get(), false);
}
