#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <system_error>
#include <thread>

#include "generators/TypeTable.h"
#include "map/Generator.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "generators/Run.h"
#include "generators/Worker.h"
#include "map/WinException.h"
#include "generators/RunSteps.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

// A map type for exercising the framework: random white dots drawn after beginRun.
class Dots : public Generator {
public:
    Dots() : Generator(MapType::Cavern, commonSettingsOf(test::params), test::params.width, test::params.height) {
        seed = test::params.keepSeed ? mapState.mapSeed : 1;
        folders = currentFolders();
    }
    void generate() override {
        beginRun();
        for (int i = 0; i < 200; ++i) gdImageSetPixel(image.get(), brambex::rand() % width, brambex::rand() % height, colourWhite);
        brambex::setReservedPixels(*this);
        ++runs;
    }
    int runs = 0;
};


class GeneratorTest : public test::TempWorkspace {};

}  // namespace

TEST_F(GeneratorTest, BeginRunMakesTheKeyColoursOnABlackPicture) {
    test::params.width = 64;
    test::params.height = 32;
    Dots g;
    g.beginRun();
    ASSERT_TRUE(g.image);
    EXPECT_TRUE(g.image->trueColor);
    EXPECT_EQ(g.image->sx, 64);
    EXPECT_EQ(g.image->sy, 32);
    EXPECT_EQ(g.colourBackground, 0xF218CC);
    EXPECT_EQ(g.colourBlack, 0x000000);
    EXPECT_EQ(g.colourWhite, 0xFFFFFF);
    EXPECT_EQ(g.image->tpixels[31][63], 0);
}

TEST_F(GeneratorTest, ReservedPixelsSitAtTopLeftAndBottomRowLeftOfCentre) {
    for (auto [w, expectedX] : {std::pair{1920, 959}, std::pair{641, 319}}) {
        test::params.width = w;
        test::params.height = 696;
        Dots g;
        g.generate();
        EXPECT_EQ(g.markerX, expectedX);
        EXPECT_EQ(g.markerY, 695);
        EXPECT_EQ(g.image->tpixels[695][expectedX], g.colourBackground);
        EXPECT_EQ(g.image->tpixels[0][0], g.colourBlack);
    }
}

TEST_F(GeneratorTest, SameSeedGivesTheSamePictureWhateverThemeWasDrawn) {
    test::params.width = 200;
    test::params.height = 100;
    test::params.keepSeed = true;
    mapState.mapSeed = 4242;
    mapState.themeCount = 7;  // the theme is drawn at random before the seed takes over
    brambex::srand(1);
    Dots a;
    a.generate();
    const int themeA = a.chosenTheme;
    brambex::srand(2);
    Dots b;
    b.generate();
    EXPECT_TRUE(test::samePixels(a.image.get(), b.image.get()));
    EXPECT_EQ(b.seed, 4242u);
    brambex::srand(1);
    Dots c;
    c.generate();
    EXPECT_EQ(c.chosenTheme, themeA);
}

TEST_F(GeneratorTest, ThemeChoiceWithoutThemesUsesTheListAndDrawsNothing) {
    test::params.width = 50;
    test::params.height = 50;
    test::params.themeChoice = 3;
    Dots g;
    g.themeCount = 0;
    brambex::srand(77);
    EXPECT_EQ(g.pickTheme(), 3);
    const int next = brambex::rand();
    brambex::srand(77);
    EXPECT_EQ(next, brambex::rand()) << "no draw was made";

    g.themeCount = 5;
    g.common.manualMode = true;
    EXPECT_EQ(g.pickTheme(), 3);
    g.common.manualMode = false;
    brambex::srand(9);
    const int expected = brambex::rand() % 5;
    brambex::srand(9);
    EXPECT_EQ(g.pickTheme(), expected);
    EXPECT_EQ(g.chosenTheme, expected);
    EXPECT_TRUE(g.themeChosen);
}

TEST_F(GeneratorTest, FillPointListFillsThePolygonInListOrder) {
    test::params.width = 40;
    test::params.height = 40;
    Dots g;
    g.beginRun();
    PointList square;
    for (Point p : {Point{10, 10}, Point{30, 10}, Point{30, 30}, Point{10, 30}}) appendPoint(square, p);
    g.fillPointList(square, g.colourWhite);
    EXPECT_EQ(g.image->tpixels[20][20], 0xFFFFFF);
    EXPECT_EQ(g.image->tpixels[10][10], 0xFFFFFF);
    EXPECT_EQ(g.image->tpixels[5][20], 0);
    EXPECT_EQ(g.image->tpixels[20][35], 0);
}

TEST_F(GeneratorTest, WorkerRunsOneRequestAtATimeAndSaysWhenItEnds) {
    test::params.width = 640;
    test::params.height = 200;
    const RunRequest request = test::requestFrom(MapType::Cavern, test::params, 77);
    Worker worker;
    std::atomic<int> ended{0};
    ASSERT_TRUE(worker.start(request, [&] { ++ended; }));
    EXPECT_TRUE(worker.busy());
    EXPECT_FALSE(worker.start(request)) << "a second start is refused until the result is taken";
    RunResult result = worker.take();
    EXPECT_EQ(ended.load(), 1) << "the end is told before the result is handed over";
    ASSERT_TRUE(result.map);
    EXPECT_EQ(result.map->seed, 77u);
    EXPECT_FALSE(worker.busy());
    EXPECT_FALSE(worker.take().map) << "nothing to take twice";
    ASSERT_TRUE(worker.start(request)) << "free again once the result is taken";
    EXPECT_TRUE(test::samePixels(worker.take().map->image.get(), result.map->image.get()));
}

TEST_F(GeneratorTest, AStoppedRunEndsAtItsNextStepWithoutAMap) {
    test::params.width = 640;
    test::params.height = 200;
    RunRequest request = test::requestFrom(MapType::Cavern, test::params);
    auto stop = std::make_shared<std::atomic<bool>>(true);
    request.stop = stop;
    const RunResult result = runMap(request);
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.map);
    EXPECT_TRUE(result.failure.empty());
}

TEST_F(GeneratorTest, APictureTooLargeForMemoryEndsTheRunWithOutOfMemory) {
    test::params.width = 46341;
    test::params.height = 46341;  // width x height overflows: libgd refuses to make the picture
    Dots g;
    try {
        g.generate();
        FAIL() << "no exception";
    } catch (const WinException& e) {
        EXPECT_STREQ(e.what(), "Out of memory");
    }
    // No code can ask for this size; the run refuses it all the same.
    RunRequest request = test::requestFrom(MapType::Cavern, test::params);
    request.recipe.width = 46341;
    request.recipe.height = 46341;
    const RunResult result = runMap(request);
    EXPECT_FALSE(result.map);
    EXPECT_EQ(result.failure, "Out of memory");
}

TEST_F(GeneratorTest, TheInstalledTypeAtAListPositionAndWhatItsRecipeMakes) {
    installedTypes.typeInstalled[static_cast<int>(MapType::Cavern)] = true;
    installedTypes.typeListIndex[static_cast<int>(MapType::Cavern)] = 0;
    installedTypes.typeInstalled[static_cast<int>(MapType::Island)] = true;
    installedTypes.typeListIndex[static_cast<int>(MapType::Island)] = 1;
    EXPECT_EQ(installedTypes.atListPosition(1), MapType::Island);
    EXPECT_EQ(installedTypes.atListPosition(0), MapType::Cavern);
    EXPECT_EQ(installedTypes.atListPosition(5), std::nullopt);
    test::params.width = 640;
    test::params.height = 480;
    for (MapType type : {MapType::Cavern, MapType::Island, MapType::Fort}) {
        const MapRecipe recipe = recipeFrom(type, test::params, 3, 0);
        const std::unique_ptr<Generator> g = typeRow(type).make(recipe);
        EXPECT_EQ(g->mapType(), type);
        EXPECT_EQ(g->hasRoof(), type == MapType::Cavern) << "only Cavern has a roof";
        EXPECT_EQ(g->width, type == MapType::Fort ? 1920 : 640) << "Fort is always 1920 x 696";
    }
}
