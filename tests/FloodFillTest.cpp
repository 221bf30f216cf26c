#include <gtest/gtest.h>

#include "map/FloodFill.h"
#include "map/Random.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

// Random blobs of two colours (neither 0, so libgd's edge handling cannot differ).
ImagePtr blobs(int w, int h, unsigned seed) {
    auto im = test::solidPicture(w, h, 0x101010);
    brambex::srand(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (brambex::rand() % 100 < 45) im->tpixels[y][x] = 0x202020;
    return im;
}

}  // namespace

TEST(FloodFill, MatchesLibgdOnRandomPictures) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        auto ours = blobs(97, 61, seed);
        auto theirs = blobs(97, 61, seed);
        const int x = static_cast<int>(seed * 7 % 97), y = static_cast<int>(seed * 13 % 61);
        floodFill(ours.get(), x, y, 0x303030);
        gdImageFill(theirs.get(), x, y, 0x303030);
        for (int r = 0; r < 61; ++r)
            for (int c = 0; c < 97; ++c)
                ASSERT_EQ(ours->tpixels[r][c], theirs->tpixels[r][c]) << "seed " << seed << " at " << c << "," << r;
    }
}

TEST(FloodFill, FillsAWholeUniformPictureAndLeavesFlagsAlone) {
    auto im = test::solidPicture(300, 200, 0);
    im->alphaBlendingFlag = 1;
    floodFill(im.get(), 0, 0, 0xFFFFFF);
    EXPECT_EQ(im->alphaBlendingFlag, 1);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) ASSERT_EQ(im->tpixels[y][x], 0xFFFFFF);
}

TEST(FloodFill, SpiralCorridorIsFollowedToTheEnd) {
    // A one-pixel corridor that turns back on itself in every direction.
    const int n = 41;
    auto im = test::solidPicture(n, n, 0xFFFFFF);
    int x0 = 0, y0 = 0, x1 = n - 1, y1 = n - 1;
    while (x0 <= x1 && y0 <= y1) {
        for (int x = x0; x <= x1; ++x) im->tpixels[y0][x] = 0;
        for (int y = y0; y <= y1; ++y) im->tpixels[y][x1] = 0;
        for (int x = x1; x >= x0; --x) im->tpixels[y1][x] = 0;
        for (int y = y1; y >= y0 + 2; --y) im->tpixels[y][x0] = 0;
        if (x0 + 1 <= x1) im->tpixels[y0 + 2][x0 + 1] = 0;
        x0 += 2, y0 += 2, x1 -= 2, y1 -= 2;
    }
    auto viaLibgd = test::solidPicture(n, n, 0);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) viaLibgd->tpixels[y][x] = im->tpixels[y][x] == 0 ? 0x445566 : 0xFFFFFF;
    floodFill(im.get(), 0, 0, 0x445566);
    gdImageFill(viaLibgd.get(), 0, 0, 0x778899);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            ASSERT_EQ(im->tpixels[y][x] == 0x445566, viaLibgd->tpixels[y][x] == 0x778899) << x << "," << y;
}

TEST(FloodFill, PalettePicturesAndOutOfRangeStartsAreHandled) {
    ImagePtr im(gdImageCreate(10, 10));
    const int black = gdImageColorAllocate(im.get(), 0, 0, 0);
    const int red = gdImageColorAllocate(im.get(), 255, 0, 0);
    gdImageLine(im.get(), 5, 0, 5, 9, red);
    floodFill(im.get(), 0, 0, red);
    EXPECT_EQ(gdImageGetPixel(im.get(), 4, 9), red);
    EXPECT_EQ(gdImageGetPixel(im.get(), 6, 0), black);
    floodFill(im.get(), -1, 3, red);   // nothing happens
    floodFill(im.get(), 10, 3, red);
    floodFill(im.get(), 6, 3, 200);    // not an allocated entry
    EXPECT_EQ(gdImageGetPixel(im.get(), 6, 3), black);
}
