// The view's picture pyramid, the requests each purpose makes, and the command line's finish of a
// map: pictures with known answers.

#include <gtest/gtest.h>

#include "generators/Run.h"
#include "generators/TypeTable.h"
#include "map/Pyramid.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapOutputs.h"
#include "mapfile/Preview.h"
#include "tests/MadeFromParameters.h"
#include "tests/TestSupport.h"

namespace brambex {
namespace {

TEST(PyramidTest, EachLevelIsTheRoundedMeanOfTheBlocksBelow) {
    ImagePtr im(gdImageCreateTrueColor(5, 3));
    // Column x, row y: red 10x + y, green 255 - 3x, blue 7y; the last column and row are odd.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) gdImageSetPixel(im.get(), x, y, gdTrueColor(10 * x + y, 255 - 3 * x, 7 * y));
    const PictureLevel full = levelOfPicture(im.get());
    ASSERT_EQ(full.width, 5);
    EXPECT_EQ(full.row(2)[4], 0xFF000000u | (42u << 16) | (243u << 8) | 14u);
    const PictureLevel half = halved(full);
    ASSERT_EQ(half.width, 2);
    ASSERT_EQ(half.height, 1);
    // Block (2..3, 0..1): red (20+21+30+31+2)/4 = 26, green (249+249+246+246+2)/4 = 248, blue (0+7+0+7+2)/4 = 4.
    EXPECT_EQ(half.row(0)[1], 0xFF000000u | (26u << 16) | (248u << 8) | 4u);
    // Every channel at 255 stays 255 (no carry from one channel into the next).
    PictureLevel white{2, 2, std::vector<std::uint32_t>(4, 0xFFFFFFFFu)};
    EXPECT_EQ(halved(white).pixels[0], 0xFFFFFFFFu);
    PictureLevel mixed{2, 2, {0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u, 0xFF010101u}};
    EXPECT_EQ(halved(mixed).pixels[0], 0xFF000000u | (64u << 16) | (64u << 8) | 64u);
}

TEST(PyramidTest, LevelsGoDownTo256AndAPalettePictureShowsItsColours) {
    ImagePtr im(gdImageCreate(1000, 300));
    const int grey = gdImageColorAllocate(im.get(), 90, 80, 70);
    gdImageFilledRectangle(im.get(), 0, 0, 999, 299, grey);
    const std::shared_ptr<const Pyramid> pyramid = pyramidOf(im.get());
    ASSERT_EQ(pyramid->levels.size(), 3u);  // 1000 x 300, 500 x 150, 250 x 75
    EXPECT_EQ(pyramid->levels[2].width, 250);
    for (const PictureLevel& level : pyramid->levels) EXPECT_EQ(level.pixels[level.pixels.size() / 2], 0xFF5A5046u);
    EXPECT_TRUE(pyramidOf(nullptr)->levels.empty());
}

// Each purpose makes what it says; a run for the window comes with what the window shows and
// writes, made as the window made it on its own thread before.
class RunPurposeTest : public test::TempWorkspace {};

TEST_F(RunPurposeTest, EachRunMakesWhatItsPurposeNeeds) {
    test::useBuildArtwork(root, {"generic"}, {"cavern"});
    test::params.width = 640;
    test::params.height = 320;
    RunRequest request = test::requestFrom(MapType::Cavern, test::params, 5);
    shapeRequest(request, RunPurpose::LiveFrame);
    const RunResult live = runMap(request);
    ASSERT_TRUE(live.map);
    EXPECT_FALSE(live.map->preview);
    EXPECT_FALSE(live.map->playability);
    ASSERT_TRUE(live.map->pyramid);
    EXPECT_EQ(live.map->pyramid->levels[0].pixels, levelOfPicture(live.map->image.get()).pixels);
    ASSERT_TRUE(live.measureCopy) << "the measure that follows reads a copy made on the worker";
    EXPECT_NE(live.measureCopy.get(), live.map->image.get());
    EXPECT_TRUE(test::samePixels(live.measureCopy.get(), live.map->image.get()));

    shapeRequest(request, RunPurpose::Window, true);
    const RunResult window = runMap(request);
    ASSERT_TRUE(window.map && window.map->preview && window.map->playability && window.map->pyramid);
    EXPECT_EQ(window.previewFiles[0], encodePreviewFile(window.map->preview.get(), true));
    EXPECT_EQ(window.previewFiles[1], encodePreviewFile(window.map->preview2.get(), true));
    EXPECT_TRUE(test::samePixels(live.map->image.get(), window.map->image.get())) << "the same map either way";

    shapeRequest(request, RunPurpose::CommandLine);
    RunResult line = runMap(request);
    ASSERT_TRUE(line.map);
    EXPECT_FALSE(line.map->pyramid || line.map->preview || line.map->playability);
    // The command line's finish: the files are what encoding one after the other gives.
    const MapOutputs outputs = finishMap(*line.map, false, true);
    ASSERT_TRUE(outputs.map);
    EXPECT_EQ(outputs.map->bytes, encodeMap(line.map->image.get(), mapIdentity(*line.map), false).bytes);
    EXPECT_EQ(outputs.previews[0], encodePreviewFile(line.map->preview.get(), false));
    ASSERT_TRUE(line.map->playability);
    EXPECT_EQ(line.map->playability->standingPlaces, window.map->playability->standingPlaces);
    EXPECT_FALSE(finishMap(*line.map, false, false).map) << "left to encode when asked to wait";
}

}  // namespace
}  // namespace brambex

namespace brambex {
namespace {

class PreviewFromPyramidTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useAllBuildData(root);
    }
};

// The window's run makes its large preview from the view's half level where the scale is 1/2:
// pixel for pixel the preview the box filter makes, for every type (and at other sizes the box
// filter itself).
TEST_F(PreviewFromPyramidTest, TheHalfLevelGivesTheSamePreviewAsTheBoxFilter) {
    for (const TypeRow& row : typeTable())
        for (const auto& [w, h] : {std::pair{1920, 696}, std::pair{2000, 800}}) {
            test::params = GenerationParameters{};
            test::params.width = w;
            test::params.height = h;
            RunRequest request = test::requestFrom(row.type, test::params, 77);
            shapeRequest(request, RunPurpose::Window);
            const RunResult made = runMap(request);
            ASSERT_TRUE(made.map && made.map->preview2) << row.className;
            Map plain;
            plain.image.reset(gdImageClone(made.map->image.get()));
            plain.width = made.map->width;
            plain.height = made.map->height;
            makePreviews(plain);  // no pyramid: the box filter
            EXPECT_TRUE(test::samePixels(plain.preview2.get(), made.map->preview2.get())) << row.className << " " << w;
            EXPECT_TRUE(test::samePixels(plain.preview.get(), made.map->preview.get())) << row.className << " " << w;
        }
}

}  // namespace
}  // namespace brambex
