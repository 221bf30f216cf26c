#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <system_error>
#include <thread>

#include "generators/TypeTable.h"
#include "map/Generator.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/WindowHooks.h"
#include "map/Worker.h"
#include "generators/RunSteps.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

// A map type for exercising the framework: random white dots drawn after beginRun.
class Dots : public Generator {
public:
    Dots() : Generator(MapType::Cavern) {}
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
    params.width = 64;
    params.height = 32;
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
        params.width = w;
        params.height = 696;
        Dots g;
        g.generate();
        EXPECT_EQ(mapState.markerX, expectedX);
        EXPECT_EQ(mapState.markerY, 695);
        EXPECT_EQ(g.image->tpixels[695][expectedX], g.colourBackground);
        EXPECT_EQ(g.image->tpixels[0][0], g.colourBlack);
    }
}

TEST_F(GeneratorTest, KeepSeedUsesTheStoredSeedAndTimeOtherwise) {
    params.width = 100;
    params.height = 50;
    params.keepSeed = true;
    Dots first;
    first.generate();
    EXPECT_EQ(mapState.mapSeed, 12345u);

    params.keepSeed = false;
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    Dots second;
    second.generate();
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    EXPECT_GE(mapState.mapSeed, before);
    EXPECT_LE(mapState.mapSeed, after);
}

TEST_F(GeneratorTest, SameSeedGivesTheSamePictureWhateverThemeWasDrawn) {
    params.width = 200;
    params.height = 100;
    params.keepSeed = true;
    mapState.mapSeed = 4242;
    mapState.themeCount = 7;  // the theme is drawn at random before the seed takes over
    brambex::srand(1);
    Dots a;
    a.generate();
    const int themeA = mapState.chosenTheme;
    brambex::srand(2);
    Dots b;
    b.generate();
    EXPECT_TRUE(test::samePixels(a.image.get(), b.image.get()));
    EXPECT_EQ(mapState.mapSeed, 4242u);
    brambex::srand(1);
    Dots c;
    c.generate();
    EXPECT_EQ(mapState.chosenTheme, themeA);
}

TEST_F(GeneratorTest, ThemeChoiceWithoutThemesUsesTheListAndDrawsNothing) {
    params.width = 50;
    params.height = 50;
    params.themeChoice = 3;
    mapState.themeCount = 0;
    brambex::srand(77);
    EXPECT_EQ(pickTheme(params), 3);
    const int next = brambex::rand();
    brambex::srand(77);
    EXPECT_EQ(next, brambex::rand()) << "no draw was made";

    mapState.themeCount = 5;
    params.manualMode = true;
    EXPECT_EQ(pickTheme(params), 3);
    params.manualMode = false;
    brambex::srand(9);
    const int expected = brambex::rand() % 5;
    brambex::srand(9);
    EXPECT_EQ(pickTheme(params), expected);
    EXPECT_EQ(mapState.chosenTheme, expected);
}

TEST_F(GeneratorTest, ThemeListHookHearsTheChosenTheme) {
    int shown = -1;
    setThemeListHook([&](int theme) { shown = theme; });
    params.themeChoice = 2;
    pickTheme(params);
    EXPECT_EQ(shown, 2);
}

TEST_F(GeneratorTest, FillPointListFillsThePolygonInListOrder) {
    params.width = 40;
    params.height = 40;
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

TEST_F(GeneratorTest, WorkerRunsTheGeneratorAndIsJoinedOnce) {
    params.width = 120;
    params.height = 60;
    Dots g;
    ASSERT_TRUE(startWorker(&g));
    EXPECT_FALSE(startWorker(&g)) << "a second start is refused while the worker is joinable";
    while (worker.workerBusy) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    joinWorker();
    EXPECT_EQ(g.runs, 1);
    EXPECT_TRUE(g.image);
    EXPECT_FALSE(worker.failure);
    EXPECT_THROW(joinWorker(), std::system_error);
}

TEST_F(GeneratorTest, APictureTooLargeForMemoryEndsTheRunWithOutOfMemory) {
    params.width = 46341;
    params.height = 46341;  // width x height overflows: libgd refuses to make the picture
    Dots g;
    try {
        runGenerator(g);
        FAIL() << "no exception";
    } catch (const WinException& e) {
        EXPECT_STREQ(e.what(), "Out of memory");
    }
    ASSERT_TRUE(startWorker(&g));
    while (worker.workerBusy) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    joinWorker();
    ASSERT_TRUE(worker.failure);
    EXPECT_EQ(worker.failure->text(), "Out of memory");
}

TEST_F(GeneratorTest, FactoryPicksTheInstalledTypeAtTheListPosition) {
    installedTypes.typeInstalled[static_cast<int>(MapType::Cavern)] = true;
    installedTypes.typeListIndex[static_cast<int>(MapType::Cavern)] = 0;
    installedTypes.typeInstalled[static_cast<int>(MapType::Island)] = true;
    installedTypes.typeListIndex[static_cast<int>(MapType::Island)] = 1;
    params.width = 640;
    params.height = 480;
    Generator* g = createGenerator(1);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->mapType(), MapType::Island);
    EXPECT_EQ(g->typeIndex, 1);
    EXPECT_EQ(g->width, 640);
    EXPECT_EQ(currentGenerator.get(), g);
    g = createGenerator(0);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->mapType(), MapType::Cavern);
    EXPECT_TRUE(g->hasRoof());
    g = createGenerator(5);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->mapType(), MapType::BnA) << "no match means Bow and Arrow";
}
