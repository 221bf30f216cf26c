#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "generators/SuperSheepRace.h"
#include "generators/TypeTable.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

class SuperSheepRaceTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useBuildArtwork(root, {"generic", "ssrace"}, {});
        countThemes();
        test::params.keepSeed = true;
        test::params.manualMode = true;
        mapState.mapSeed = 3;
    }
    std::unique_ptr<SuperSheepRace> run(int w, int h, int complexity, int path = 70, int smoothing = 0) {
        test::params.width = w;
        test::params.height = h;
        test::params.complexity = complexity;
        test::params.pathSize = path;
        test::params.smoothing = smoothing;
        return test::runGenerator<SuperSheepRace>();
    }
    // Air reached from the course's start at the left edge (4-connected); whether it reaches the right edge.
    static bool airCrossesTheMap(const Generator& g, int startY) {
        std::vector<char> seen(static_cast<std::size_t>(g.width) * g.height, 0);
        std::deque<std::pair<int, int>> todo;
        for (int y = std::max(16, startY - 20); y < std::min(g.height, startY + 20); ++y)
            if (g.image->tpixels[y][0] == g.colourBlack) todo.push_back({0, y});
        while (!todo.empty()) {
            auto [x, y] = todo.front();
            todo.pop_front();
            if (x < 0 || y < 16 || x >= g.width || y >= g.height) continue;  // not through the top strip
            const std::size_t i = static_cast<std::size_t>(y) * g.width + x;
            if (seen[i] || g.image->tpixels[y][x] != g.colourBlack) continue;
            seen[i] = 1;
            if (x == g.width - 1) return true;
            todo.push_back({x + 1, y});
            todo.push_back({x - 1, y});
            todo.push_back({x, y + 1});
            todo.push_back({x, y - 1});
        }
        return false;
    }
};

}  // namespace

TEST_F(SuperSheepRaceTest, TheScatterFollowsComplexityAndArea) {
    test::params.width = 1920;
    test::params.height = 696;
    auto made = test::generatorFor<SuperSheepRace>();
    SuperSheepRace& g = *made;
    brambex::srand(4);
    auto points = g.scatter(20, 1.0);
    ASSERT_EQ(points.size(), 20u);
    EXPECT_EQ(points.front().x, 0);
    EXPECT_EQ(points.front().y, 120);
    EXPECT_EQ(points.back().x, 1920);
    test::params.width = 3840;
    test::params.height = 1392;
    auto bigMade = test::generatorFor<SuperSheepRace>();
    SuperSheepRace& big = *bigMade;
    EXPECT_EQ(big.scatter(static_cast<int>(20 * (1392.0 * 3840 / 1336320.0)), 4.0).size(), 80u);
}

TEST(SuperSheepRaceRules, TheCaptionNamesTheProgramAndTheMap) {
    EXPECT_EQ(SuperSheepRace::caption(1920, 696, 70), "Brambex v0.6.2 beta 1920x696x70");
}

TEST(SuperSheepRaceRules, OrderingKeepsTheEndsAndEveryPoint) {
    std::vector<Point> points{{0, 120, 0}, {500, 300, 0}, {100, 200, 0}, {900, 100, 0}, {300, 600, 0}, {1920, 400, 0}};
    const auto course = SuperSheepRace::order(points);
    ASSERT_EQ(course.size(), points.size());
    EXPECT_EQ(course.front().x, 0);
    EXPECT_EQ(course.back().x, 1920);
    EXPECT_EQ(course[1].x, 100) << "the nearest to the first point comes next";
}

TEST_F(SuperSheepRaceTest, TheCourseIsASimpleLineThatNeverComesCloseToItself) {
    for (int complexity : {20, 50}) {
        auto g = run(1920, 2880, complexity);
        ASSERT_GE(g->course.size(), 2u);
        EXPECT_EQ(g->course.front().x, 0);
        EXPECT_EQ(g->course.front().y, 120);
        EXPECT_EQ(g->course.back().x, 1920);
        EXPECT_EQ(test::crossingPairs(g->course, false), 0) << "complexity " << complexity;
        EXPECT_GE(closestApproach(g->course, 7), 0.75 * 70) << "complexity " << complexity;
    }
}

TEST_F(SuperSheepRaceTest, TheTunnelRunsFromTheLeftEdgeToTheRightUnderAnAirStrip) {
    auto g = run(1920, 2880, 20);
    EXPECT_TRUE(airCrossesTheMap(*g, 120));
    // The strip is cut before texturing; the grass along the land below may reach into its last row.
    for (int y = 1; y < 15; ++y)
        for (int x = 0; x < 1920; x += 7) ASSERT_EQ(g->image->tpixels[y][x], g->colourBlack) << x << "," << y;
    auto again = run(1920, 2880, 20);
    EXPECT_TRUE(test::samePixels(g->image.get(), again->image.get()));
}

TEST(SuperSheepRaceRules, FillingRowsOnceASegmentCarvesWhatEveryStampWould) {
    std::mt19937 random(5);
    for (int p : {50, 51, 70, 90, 200}) {
        // A disc on white, as the brush file is drawn.
        ImagePtr brush = test::solidPicture(p, p, 0xFFFFFF);
        const float c = static_cast<float>(p) * 0.5f, r = c - 1.0f;
        for (int y = 0; y < p; ++y)
            for (int x = 0; x < p; ++x) {
                const float dx = static_cast<float>(x) + 0.5f - c, dy = static_cast<float>(y) + 0.5f - c;
                if (dx * dx + dy * dy <= r * r) brush->tpixels[y][x] = 0;
            }
        for (int trial = 0; trial < 6; ++trial) {
            std::vector<Point> course;
            for (int k = 0; k < 12; ++k)
                course.push_back({static_cast<int>(random() % 700) - 50, static_cast<int>(random() % 400) - 50});
            ImagePtr fast = test::solidPicture(600, 300, 0xFFFFFF), slow = test::solidPicture(600, 300, 0xFFFFFF);
            SuperSheepRace::carveCourse(fast.get(), course, brush.get(), true);
            SuperSheepRace::carveCourse(slow.get(), course, brush.get(), false);
            ASSERT_TRUE(test::samePixels(fast.get(), slow.get())) << "brush " << p << " trial " << trial;
        }
    }
}

TEST(SuperSheepRaceRules, AMarkerShowsOnTheRockAndNeverInTheCourse) {
    // Land with a tunnel 40 rows high; a marker whose pole crosses it and whose flag lies in rock.
    ImagePtr map = test::solidPicture(200, 200, 0xFFFFFF);
    for (int y = 80; y < 120; ++y)
        for (int x = 0; x < 200; ++x) map->tpixels[y][x] = 0;
    ImagePtr marker = test::solidPicture(100, 100, 0xFFFFFF);
    const int pole = packColour(90, 70, 50), cloth = packColour(46, 154, 58);
    for (int y = 0; y < 100; ++y) marker->tpixels[y][10] = pole;
    for (int x = 11; x < 40; ++x) marker->tpixels[5][x] = cloth;
    SuperSheepRace::stampOnLand(map.get(), marker.get(), 50, 40);
    for (int y = 80; y < 120; ++y) EXPECT_EQ(map->tpixels[y][60], 0) << y;  // the course stays open
    EXPECT_EQ(map->tpixels[79][60], pole);
    EXPECT_EQ(map->tpixels[120][60], pole);
    EXPECT_EQ(map->tpixels[45][61], cloth);
    EXPECT_EQ(map->tpixels[45][41 + 50], 0xFFFFFF);  // white is see-through
    // Squares hanging over the map's edges are cut, not wrapped or refused.
    SuperSheepRace::stampOnLand(map.get(), marker.get(), 150, 150);
    SuperSheepRace::stampOnLand(map.get(), marker.get(), -60, -60);
    EXPECT_EQ(map->tpixels[199][160], pole);
    EXPECT_EQ(map->tpixels[39][0], 0xFFFFFF);
}

TEST_F(SuperSheepRaceTest, WithoutTheBrushThereIsNoCourseAndNoMap) {
    fs::remove(root / "data" / "ssrace");
    fs::create_directories(root / "data" / "ssrace");
    EXPECT_THROW(run(1920, 696, 20), MissingArtwork) << "a solid map is no race";
    // A brush far larger than any brush counts as missing too.
    test::writePng(test::solidPicture(MAX_TILE_SIZE + 1, 8, 0).get(), root / "data" / "ssrace" / "0.png");
    EXPECT_THROW(run(1920, 696, 20), MissingArtwork);
}

TEST_F(SuperSheepRaceTest, SmoothingModesRoundTheCorners) {
    auto sharp = run(1920, 1392, 20, 70, 0);
    auto round = run(1920, 1392, 20, 70, 2);
    EXPECT_EQ(round->course.size(), sharp->course.size() + 3 * (sharp->course.size() - 1));
    auto some = run(1920, 1392, 20, 70, 1);
    EXPECT_GT(some->course.size(), sharp->course.size());
    EXPECT_LT(some->course.size(), round->course.size());
    EXPECT_TRUE(airCrossesTheMap(*round, 120));
}

// Way points grow with complexity times area: no run takes more complexity than the window
// offers, and a settings file asking for more is not taken.
TEST(SuperSheepRaceRules, ComplexityStopsWhereTheWindowsSliderStops) {
    GenerationParameters p;
    p.complexity = 1000;
    auto complexity = [&p] { return std::get<SuperSheepRace::Settings>(recipeFrom(MapType::SuperSheepRace, p, 1, 0).settings).complexity; };
    EXPECT_EQ(complexity(), MAX_RACE_COMPLEXITY);
    p.complexity = 35;
    EXPECT_EQ(complexity(), 35);
    const SettingKey* key = nullptr;
    for (const SettingKey& k : typeRow(MapType::SuperSheepRace).readerKeys)
        if (k.key == "complexity") key = &k;
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->max, MAX_RACE_COMPLEXITY);
}
