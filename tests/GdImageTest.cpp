// Our row copies against libgd's own per-pixel gdImageCopy, on pictures made here.

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "map/GdImage.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

ImagePtr background() {
    ImagePtr im = test::solidPicture(40, 30, 0x204060);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) im->tpixels[y][x] = gdTrueColorAlpha(x * 6, y * 8, 90, (x + y) % 3 == 0 ? 60 : 0);
    return im;
}

// A 9 x 11 stamp: opaque colours, a transparent colour, and half-transparent pixels.
ImagePtr trueColourStamp() {
    ImagePtr im = test::solidPicture(9, 11, 0);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 9; ++x) im->tpixels[y][x] = gdTrueColorAlpha(200 - x * 10, 40 + y * 9, 30, y == 5 ? 64 : 0);
    im->tpixels[2][3] = 0x00FF00;
    im->transparent = 0x00FF00;
    return im;
}

ImagePtr paletteStamp() {
    ImagePtr im(gdImageCreate(9, 11));
    const int a = gdImageColorAllocate(im.get(), 10, 20, 30);
    const int b = gdImageColorAllocateAlpha(im.get(), 200, 100, 50, 70);
    const int key = gdImageColorAllocate(im.get(), 0, 0, 0);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 9; ++x) im->pixels[y][x] = static_cast<unsigned char>((x + y) % 4 == 0 ? key : (x % 2 ? a : b));
    gdImageColorTransparent(im.get(), key);
    return im;
}

}  // namespace

TEST(GdImage, CopyingAPicturePartEqualsLibgdsCopy) {
    for (bool palette : {false, true})
        for (bool blending : {true, false})
            for (const auto& [x, y, w, h] : {std::array{5, 4, 7, 9}, std::array{-3, -2, 7, 9}, std::array{36, 25, 9, 11},
                                             std::array{10, 10, 9, 11}, std::array{2, 3, 12, 9}}) {
                SCOPED_TRACE(testing::Message() << "palette " << palette << " blending " << blending << " at " << x << ","
                                                << y << " " << w << "x" << h);
                ImagePtr stamp = palette ? paletteStamp() : trueColourStamp();
                ImagePtr ours = background(), theirs = background();
                gdImageAlphaBlending(ours.get(), blending);
                gdImageAlphaBlending(theirs.get(), blending);
                copyPicturePart(ours.get(), stamp.get(), x, y, w, h);
                gdImageCopy(theirs.get(), stamp.get(), x, y, 0, 0, w, h);
                for (int py = 0; py < 30; ++py)
                    for (int px = 0; px < 40; ++px) ASSERT_EQ(ours->tpixels[py][px], theirs->tpixels[py][px]) << px << "," << py;
            }
}

TEST(GdImage, StretchingEqualsLibgdsResizedCopy) {
    for (bool palette : {false, true})
        for (bool keyed : {true, false})
            // Up, down, one way only (the stamp is 9 x 11), to a single pixel.
            for (const auto& [w, h] : {std::array{9, 11}, std::array{20, 31}, std::array{4, 5}, std::array{23, 7},
                                       std::array{9, 30}, std::array{9, 4}, std::array{25, 11}, std::array{1, 1}}) {
                SCOPED_TRACE(testing::Message() << "palette " << palette << " keyed " << keyed << " to " << w << "x" << h);
                ImagePtr stamp = palette ? paletteStamp() : trueColourStamp();
                if (!keyed) gdImageColorTransparent(stamp.get(), -1);
                ImagePtr ours = stretchedCopy(stamp.get(), w, h);
                ASSERT_TRUE(ours);
                // What libgd gives: a fresh picture, replacing, filled with the transparent colour.
                ImagePtr theirs = createTrueColour(w, h);
                gdImageAlphaBlending(theirs.get(), 0);
                const int t = stamp->transparent;
                const int key = t < 0 ? -1 : palette ? gdTrueColorAlpha(stamp->red[t], stamp->green[t], stamp->blue[t], stamp->alpha[t]) : t;
                if (keyed) gdImageFilledRectangle(theirs.get(), 0, 0, w - 1, h - 1, key);
                gdImageCopyResized(theirs.get(), stamp.get(), 0, 0, 0, 0, w, h, stamp->sx, stamp->sy);
                for (int py = 0; py < h; ++py)
                    for (int px = 0; px < w; ++px) ASSERT_EQ(ours->tpixels[py][px], theirs->tpixels[py][px]) << px << "," << py;
                EXPECT_EQ(ours->transparent, key);
            }
}

TEST(GdImage, CopyingAMirrorEqualsLibgdsCopyOfTheMirroredPicture) {
    for (bool palette : {false, true})
        for (bool blending : {true, false})
            for (const auto& [x, y] : {std::array{5, 4}, std::array{-3, -2}, std::array{36, 25}}) {
                SCOPED_TRACE(testing::Message() << "palette " << palette << " blending " << blending << " at " << x << "," << y);
                ImagePtr stamp = palette ? paletteStamp() : trueColourStamp();
                ImagePtr ours = background(), theirs = background();
                gdImageAlphaBlending(ours.get(), blending);
                gdImageAlphaBlending(theirs.get(), blending);
                copyPictureMirrored(ours.get(), stamp.get(), x, y);
                ImagePtr mirror = mirroredCopy(stamp.get());
                gdImageCopy(theirs.get(), mirror.get(), x, y, 0, 0, stamp->sx, stamp->sy);
                for (int py = 0; py < 30; ++py)
                    for (int px = 0; px < 40; ++px) ASSERT_EQ(ours->tpixels[py][px], theirs->tpixels[py][px]) << px << "," << py;
            }
}

TEST(GdImage, FillingARectangleByRowsEqualsLibgdsFill) {
    std::mt19937 random(11);
    for (int n = 0; n < 200; ++n) {
        const int x1 = static_cast<int>(random() % 60) - 10, y1 = static_cast<int>(random() % 50) - 10;
        const int x2 = static_cast<int>(random() % 60) - 10, y2 = static_cast<int>(random() % 50) - 10;
        const int alpha = n % 3 == 0 ? 70 : 0;
        const int colour = gdTrueColorAlpha(static_cast<int>(random() % 256), 90, 30, alpha);
        const int effect = n % 4 == 0 ? gdEffectReplace : n % 4 == 1 ? gdEffectAlphaBlend : n % 4 == 2 ? gdEffectNormal : gdEffectMultiply;
        SCOPED_TRACE(testing::Message() << "(" << x1 << "," << y1 << ") (" << x2 << "," << y2 << ") alpha " << alpha << " effect " << effect);
        ImagePtr ours = background(), theirs = background();
        for (gdImagePtr im : {ours.get(), theirs.get()}) {
            gdImageAlphaBlending(im, effect);
            if (n % 5 == 0) gdImageSetClip(im, 3, 4, 30, 20);
        }
        fillRectangle(ours.get(), x1, y1, x2, y2, colour);
        gdImageFilledRectangle(theirs.get(), x1, y1, x2, y2, colour);
        for (int py = 0; py < 30; ++py)
            for (int px = 0; px < 40; ++px) ASSERT_EQ(ours->tpixels[py][px], theirs->tpixels[py][px]) << px << "," << py;
    }
}

TEST(GdImage, FillingAPolygonByRowsEqualsLibgdsFill) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 1 + static_cast<int>(random() % (trial % 4 == 0 ? 4 : 40));
        std::vector<gdPoint> points;
        const bool flat = trial % 17 == 0;  // every point on one row
        for (int k = 0; k < n; ++k)
            points.push_back({static_cast<int>(random() % 260) - 30, flat ? 50 : static_cast<int>(random() % 200) - 30});
        const int colour = trial % 3 == 0 ? packColour(255, 255, 255) : packColour(0, 0, 0);
        ImagePtr ours = test::solidPicture(200, 160, 0x336699), theirs = test::solidPicture(200, 160, 0x336699);
        if (trial % 5 == 0) {  // a clipping rectangle, as libgd allows
            gdImageSetClip(ours.get(), 13, 14, 150, 125);
            gdImageSetClip(theirs.get(), 13, 14, 150, 125);
        }
        fillPolygon(ours.get(), points.data(), n, colour);
        gdImageFilledPolygon(theirs.get(), points.data(), n, colour);
        for (int py = 0; py < 160; ++py)
            for (int px = 0; px < 200; ++px) ASSERT_EQ(ours->tpixels[py][px], theirs->tpixels[py][px]) << "trial " << trial << " at " << px << "," << py;
    }
}
