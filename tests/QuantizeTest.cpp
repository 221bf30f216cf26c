// Our NeuQuant reduction against libgd's gdImageTrueColorToPalette, on pictures made here: map files
// are written from its result, so every entry and every index must come out the same.

#include <gtest/gtest.h>

#include <random>

#include "mapfile/Quantize.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

ImagePtr libgdPalette(gdImagePtr picture, int colours, int sampleFactor) {
    ImagePtr copy(gdImageClone(picture));
    copy->transparent = picture->transparent;
    gdImageTrueColorToPaletteSetMethod(copy.get(), GD_QUANT_NEUQUANT, sampleFactor);
    EXPECT_TRUE(gdImageTrueColorToPalette(copy.get(), 0, colours));
    return copy;
}

void expectSamePalettePicture(gdImagePtr ours, gdImagePtr theirs) {
    ASSERT_NE(ours, nullptr);
    ASSERT_FALSE(ours->trueColor);
    ASSERT_FALSE(theirs->trueColor);
    ASSERT_EQ(ours->sx, theirs->sx);
    ASSERT_EQ(ours->sy, theirs->sy);
    ASSERT_EQ(ours->colorsTotal, theirs->colorsTotal);
    for (int i = 0; i < gdMaxColors; ++i) {
        ASSERT_EQ(ours->open[i], theirs->open[i]) << "entry " << i;
        if (i >= ours->colorsTotal) continue;
        ASSERT_EQ(ours->red[i], theirs->red[i]) << "entry " << i;
        ASSERT_EQ(ours->green[i], theirs->green[i]) << "entry " << i;
        ASSERT_EQ(ours->blue[i], theirs->blue[i]) << "entry " << i;
        ASSERT_EQ(ours->alpha[i], theirs->alpha[i]) << "entry " << i;
    }
    EXPECT_EQ(ours->transparent, theirs->transparent);
    EXPECT_EQ(ours->alphaBlendingFlag, theirs->alphaBlendingFlag);
    EXPECT_EQ(ours->saveAlphaFlag, theirs->saveAlphaFlag);
    EXPECT_EQ(ours->interlace, theirs->interlace);
    for (int y = 0; y < ours->sy; ++y)
        for (int x = 0; x < ours->sx; ++x) ASSERT_EQ(ours->pixels[y][x], theirs->pixels[y][x]) << x << "," << y;
}

ImagePtr noise(int w, int h, unsigned seed, int alphaEvery = 0) {
    std::mt19937 random(seed);
    ImagePtr im = test::solidPicture(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int alpha = alphaEvery && (x * 7 + y) % alphaEvery == 0 ? static_cast<int>(random() % 128) : 0;
            im->tpixels[y][x] = gdTrueColorAlpha(random() % 256, random() % 256, random() % 256, alpha);
        }
    return im;
}

// Bands of a few flat colours with soft edges: far fewer colours than entries, so several learnt
// entries come out equal and must share one.
ImagePtr bands(int w, int h) {
    ImagePtr im = test::solidPicture(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int band = (x / 23 + y / 17) % 4;
            im->tpixels[y][x] = band == 0 ? 0x000000 : band == 1 ? 0x3060C0 : band == 2 ? 0x80A020 : 0xF0E0D0;
        }
    return im;
}

// A grey ramp: NeuQuant learns some entries twice over, and libgd's final copy gives equal entries
// one index.
ImagePtr greyRamp(int w, int h) {
    ImagePtr im = test::solidPicture(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) im->tpixels[y][x] = (x * 255 / w) * 0x010101;
    return im;
}

}  // namespace

TEST(Quantize, GivesLibgdsPaletteAndIndicesOnEveryKindOfPicture) {
    struct Case {
        const char* what;
        ImagePtr picture;
        int colours;
        int sampleFactor;
    };
    std::vector<Case> cases;
    cases.push_back({"noise, 64 entries, every 10th pixel learnt", noise(320, 200, 1), 64, 10});
    cases.push_back({"noise with translucent pixels", noise(211, 97, 2, 5), 64, 10});
    cases.push_back({"noise, 256 entries, every pixel learnt", noise(150, 120, 3), 256, 1});
    cases.push_back({"noise, 13 entries, every 7th pixel", noise(260, 140, 4), 13, 7});
    // The sample step depends on which of four primes divide the byte count: 499, then 491, 487.
    cases.push_back({"byte count divisible by 499", noise(499, 20, 5), 64, 10});
    cases.push_back({"byte count divisible by 499 and 491", noise(499, 491, 6), 64, 10});
    cases.push_back({"fewer pixels than the sample factor", noise(3, 3, 7), 64, 10});
    cases.push_back({"one pixel", noise(1, 1, 8), 64, 1});
    cases.push_back({"a few flat colours", bands(300, 180), 64, 10});
    cases.push_back({"one colour", test::solidPicture(90, 40, 0x336699), 64, 10});
    cases.push_back({"a grey ramp (entries learnt twice)", greyRamp(134, 75), 64, 5});
    cases.push_back({"a grey ramp with a transparent colour", greyRamp(134, 75), 64, 5});
    cases.back().picture->transparent = 61;  // the one entry that is not given out again
    cases.push_back({"a picture with a transparent colour", noise(120, 80, 9), 64, 10});
    cases.back().picture->transparent = 5;  // read by libgd's final copy as a palette entry
    cases.push_back({"256 entries and a transparent colour", noise(100, 100, 10), 256, 3});
    cases.back().picture->transparent = 0x123456;
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImagePtr theirs = libgdPalette(c.picture.get(), c.colours, c.sampleFactor);
        ImagePtr ours = neuQuantPalette(c.picture.get(), c.colours, c.sampleFactor);
        expectSamePalettePicture(ours.get(), theirs.get());
    }
}

// A picture the caller must not change is quantised as its copy onto black would be: transparent
// pixels black, translucent ones blended, the copy's own flags.
TEST(Quantize, OfACopyIsLibgdsPaletteOfTheCopyAndLeavesThePictureAlone) {
    // Variants: opaque; translucent pixels throughout; a transparent colour; one translucent
    // pixel, in the last row's last column (the check that decides on a copy must see every
    // pixel, not only those the learning samples).
    for (int variant = 0; variant < 4; ++variant) {
        SCOPED_TRACE(variant);
        ImagePtr picture = noise(180, 110, 20 + variant, variant == 1 ? 4 : 0);
        if (variant == 2) {
            picture->transparent = picture->tpixels[5][5];
            picture->tpixels[50][60] = picture->transparent;
        }
        if (variant == 3) picture->tpixels[109][179] = gdTrueColorAlpha(200, 10, 10, 90);
        gdImageSaveAlpha(picture.get(), 1);
        picture->interlace = 1;
        ImagePtr before(gdImageClone(picture.get()));
        ImagePtr fresh = createTrueColour(picture->sx, picture->sy);
        gdImageCopy(fresh.get(), picture.get(), 0, 0, 0, 0, picture->sx, picture->sy);
        ImagePtr theirs = libgdPalette(fresh.get(), 64, 10);
        expectSamePalettePicture(neuQuantPaletteOfCopy(picture.get(), 64, 10).get(), theirs.get());
        for (int y = 0; y < picture->sy; ++y)
            for (int x = 0; x < picture->sx; ++x) ASSERT_EQ(picture->tpixels[y][x], before->tpixels[y][x]);
    }
}

TEST(Quantize, RefusesWhatLibgdsNeuQuantCannotTake) {
    ImagePtr palette(gdImageCreate(10, 10));
    gdImageColorAllocate(palette.get(), 1, 2, 3);
    EXPECT_EQ(neuQuantPalette(palette.get(), 64, 10), nullptr);
    EXPECT_EQ(neuQuantPalette(nullptr, 64, 10), nullptr);
    ImagePtr small = noise(20, 20, 30);
    EXPECT_EQ(neuQuantPalette(small.get(), 1, 10), nullptr);
    EXPECT_EQ(neuQuantPalette(small.get(), 257, 10), nullptr);
}

// libgd takes a sample factor outside 1 to 10 as 2: so does ours.
TEST(Quantize, ASampleFactorOutsideOneToTenIsTakenAsLibgdTakesIt) {
    ImagePtr picture = noise(97, 61, 5);
    for (int factor : {-1, 0, 11, 12}) {
        SCOPED_TRACE(factor);
        ImagePtr theirs = libgdPalette(picture.get(), 64, factor);
        expectSamePalettePicture(neuQuantPalette(picture.get(), 64, factor).get(), theirs.get());
    }
}
