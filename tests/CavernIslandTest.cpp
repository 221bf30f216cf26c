#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "generators/Cavern.h"
#include "generators/Run.h"
#include "generators/TypeTable.h"
#include "map/Files.h"
#include "generators/Island.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapLoader.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

constexpr int WHITE = 0xFFFFFF;



// Runs and themes: the build's own themes, so the maps are the real thing.
class GeneratorsTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::makeTempFolder();
        test::params.keepSeed = true;
        test::params.manualMode = true;
    }
    void useBuildThemes() {
        fs::create_directory_symlink(fs::path(BRAMBEX_BUILD_DIR) / "data" / "generic", root / "data" / "generic");
        test::params.themeChoice = 0;
    }
    template <typename T>
    std::unique_ptr<T> run(std::uint32_t seed, unsigned threadSeed = 1) {
        mapState.mapSeed = seed;
        return test::runGenerator<T>(threadSeed);
    }
};

}  // namespace

TEST(CavernRules, SpacingAndMarginFollowTheBand) {
    EXPECT_EQ(Cavern::spacingFor(1), 250);
    EXPECT_EQ(Cavern::spacingFor(50), 78);
    EXPECT_EQ(Cavern::spacingFor(100), 76);
    EXPECT_EQ(Cavern::spacingFor(0), 250) << "no division by zero";
    EXPECT_EQ(Cavern::marginFor(696), 34);
    EXPECT_EQ(Cavern::marginFor(219), 10);
    EXPECT_EQ(Cavern::marginFor(220), 11);
    EXPECT_EQ(Cavern::marginFor(30), 10);
}

TEST_F(GeneratorsTest, OneCaveSpansTheMapBetweenRowsTenAndTheBottomBand) {
    test::params.width = 1920;
    test::params.height = 696;
    test::params.numIslands = 1;
    test::params.complexity = 50;
    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        auto g = run<Cavern>(seed);  // no themes: white land, black air
        int topAir = 696, bottomAir = -1;
        for (int y = 0; y < 696; ++y)
            for (int x = 300; x < 1900; ++x)
                if (g->image->tpixels[y][x] == 0) {
                    topAir = std::min(topAir, y);
                    bottomAir = std::max(bottomAir, y);
                }
        // Corners 10 to 33 rows inside the band (10 .. 676); smoothing may bulge a little past.
        EXPECT_GE(topAir, 0) << "seed " << seed;
        EXPECT_LE(topAir, 45) << "seed " << seed;
        EXPECT_GE(bottomAir, 620) << "seed " << seed;
        EXPECT_LE(bottomAir, 690) << "seed " << seed;
        EXPECT_TRUE(g->hasRoof());
        EXPECT_EQ(g->image->tpixels[0][0], 0);
        EXPECT_EQ(g->image->tpixels[695][959], g->colourBackground);
    }
}

TEST_F(GeneratorsTest, CaveOutlinesStayInTheirBandWithoutCrossing) {
    test::params.width = 1920;
    test::params.height = 696;
    for (int caves : {1, 3, 7}) {
        auto made = test::generatorFor<Cavern>();
        Cavern& g = *made;
        const int band = 696 / caves, margin = Cavern::marginFor(band);
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            brambex::srand(seed);
            PointList outline;
            g.caveOutline(outline, 10 + band, band, margin, seed % 2 ? 100 : 0, 78);
            const auto pts = outline.points();
            EXPECT_GT(outline.count, 20);
            for (const Point& p : pts) {
                ASSERT_GE(p.y, 10 + band) << caves << " caves, seed " << seed;
                ASSERT_LE(p.y, 10 + 2 * band - 20) << caves << " caves, seed " << seed;
            }
            EXPECT_EQ(test::crossingPairs(pts, true), 0) << caves << " caves, seed " << seed;
        }
    }
}

TEST_F(GeneratorsTest, ThinBandsAndBandsPastTheBottomStillMakeMaps) {
    test::params.width = 640;
    test::params.height = 696;
    for (int caves : {7, 20}) {  // 99-row bands end below the picture; 34-row bands turn over
        test::params.numIslands = caves;
        auto g = run<Cavern>(5);
        ASSERT_TRUE(g->image);
        int air = 0;
        for (int y = 0; y < 696; ++y)
            for (int x = 0; x < 640; ++x) air += g->image->tpixels[y][x] == 0;
        EXPECT_GT(air, 0) << caves;
    }
}

TEST_F(GeneratorsTest, SameSeedSameMapDifferentSeedDifferentMap) {
    useBuildThemes();
    test::params.width = 960;
    test::params.height = 480;
    test::params.objects = 100;
    auto a = run<Cavern>(77), b = run<Cavern>(77), c = run<Cavern>(78);
    EXPECT_TRUE(test::samePixels(a->image.get(), b->image.get()));
    EXPECT_FALSE(test::samePixels(a->image.get(), c->image.get()));
    test::params.numIslands = 2;
    test::params.complexity = 60;
    auto d = run<Island>(77, 3), e = run<Island>(77, 3), f = run<Island>(78, 3);
    EXPECT_TRUE(test::samePixels(d->image.get(), e->image.get())) << "same seed and same gaps draw";
    EXPECT_FALSE(test::samePixels(d->image.get(), f->image.get()));
    EXPECT_FALSE(d->hasRoof());
}

TEST_F(GeneratorsTest, IslandPointsAndFeetKeepToTheirRanges) {
    test::params.width = 1920;
    test::params.height = 696;
    test::params.complexity = 150;
    auto made = test::generatorFor<Island>();
    Island& g = *made;
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        brambex::srand(seed);
        auto cloud = g.pointCloud(0, 1920, 960, seed % 2 == 0);
        ASSERT_EQ(cloud.size(), 150u);
        for (const Point& p : cloud) {
            ASSERT_GE(p.x, 30);
            ASSERT_LE(p.x, 1889);
            ASSERT_GE(p.y, 150);
            ASSERT_LE(p.y, 645);
            if (seed % 2) {
                EXPECT_EQ(p.flag, 0) << "no gap points without gaps";
            }
        }
        g.placeFeet(cloud, 0, 1920, 1920);
        EXPECT_LE(cloud.front().x, 639);
        EXPECT_EQ(cloud.front().y, 696);
        EXPECT_GE(cloud.back().x, 1280);
        EXPECT_EQ(cloud.back().y, 696);
        const auto ordered = Island::orderOutline(cloud);
        ASSERT_EQ(ordered.size(), 150u);
        EXPECT_EQ(ordered.front().x, cloud.front().x);
        EXPECT_EQ(ordered.back().x, cloud.back().x);
    }
    // Twenty islands on a 1920 map: slots of 96, x within 36 columns of each slot.
    brambex::srand(9);
    auto narrow = g.pointCloud(96 * 5, 96, 96 * 5 + 48, true);
    for (const Point& p : narrow) {
        EXPECT_GE(p.x, 96 * 5 + 30);
        EXPECT_LT(p.x, 96 * 5 + 30 + 36);
    }
}

TEST_F(GeneratorsTest, IslandOutlinesAreSimpleAfterUntangling) {
    test::params.width = 1920;
    test::params.height = 696;
    int simple = 0, total = 0;
    for (int islands : {1, 3}) {
        test::params.numIslands = islands;
        test::params.complexity = islands == 1 ? 150 : 60;
        auto made = test::generatorFor<Island>();
        Island& g = *made;
        for (std::uint32_t seed = 1; seed <= 12; ++seed) {
            brambex::srand(seed);
            for (int i = 0; i < islands; ++i) {
                PointList outline;
                g.islandOutline(outline, i, 1920 / islands, seed % 2 == 0);
                simple += test::crossingPairs(outline.points(), false) == 0;
                ++total;
            }
        }
    }
    EXPECT_EQ(simple, total);
}

TEST_F(GeneratorsTest, ASavedMapLoadsBackAsTheSameType) {
    useBuildThemes();
    installedTypes.typeInstalled[static_cast<int>(MapType::Cavern)] = true;
    installedTypes.typeListIndex[static_cast<int>(MapType::Cavern)] = 0;
    installedTypes.typeInstalled[static_cast<int>(MapType::Island)] = true;
    installedTypes.typeListIndex[static_cast<int>(MapType::Island)] = 1;
    test::params.width = 800;
    test::params.height = 400;
    RunResult made = runMap(test::requestFrom(MapType::Island, test::params, 31));
    ASSERT_TRUE(made.map);
    ASSERT_EQ(saveMap(*made.map, root / "island.png", false), std::nullopt);

    Bytes file;
    ASSERT_TRUE(readWholeFile(root / "island.png", file));
    std::unique_ptr<Map> loaded = loadMapFile(file, installedTypes, currentFolders());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->mapType(), MapType::Island);
    EXPECT_EQ(loaded->seed, 31u);
    EXPECT_EQ(loaded->width, 800);
    EXPECT_EQ(loaded->markerX, 399);
}
