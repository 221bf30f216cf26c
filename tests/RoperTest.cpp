#include <gtest/gtest.h>

#include "generators/Roper.h"
#include "map/FloodFill.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

class RoperTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::makeTempFolder();
        test::params.keepSeed = true;
        mapState.mapSeed = 8;
    }
    std::unique_ptr<Roper> run(std::uint32_t seed) {
        mapState.mapSeed = seed;
        return test::runGenerator<Roper>();
    }
};

}  // namespace

TEST_F(RoperTest, RocksAreSeparateSimpleOutlinesSpreadOverTheMap) {
    for (std::uint32_t seed : {1u, 2u, 3u, 40u}) {
        auto g = run(seed);
        ASSERT_EQ(g->image->sx, 1920);
        ASSERT_EQ(g->image->sy, 696);
        ASSERT_GE(g->rocks.size(), 15u) << "seed " << seed;
        int ledges = 0;
        for (std::size_t i = 0; i < g->rocks.size(); ++i) {
            ledges += g->rocks[i].ledge;
            EXPECT_EQ(test::crossingPairs(g->outlines[i], true), 0) << "seed " << seed << " rock " << i;
            for (std::size_t j = i + 1; j < g->rocks.size(); ++j)
                EXPECT_GE(Roper::clearance(g->rocks[i], g->rocks[j]), Roper::GAP);
        }
        EXPECT_GE(ledges, 1) << "something long to land on";
        // Every rock is its own piece of land: count the pieces of the filled silhouettes.
        ImagePtr silhouette = test::solidPicture(1920, 696, 0);
        for (const auto& outline : g->outlines) {
            std::vector<gdPoint> corners;
            for (const Point& p : outline) corners.push_back({p.x, p.y});
            gdImageFilledPolygon(silhouette.get(), corners.data(), static_cast<int>(corners.size()), 0xFFFFFF);
        }
        int pieces = 0, land = 0;
        for (int y = 0; y < 696; ++y)
            for (int x = 0; x < 1920; ++x) land += silhouette->tpixels[y][x] == 0xFFFFFF;
        for (int y = 0; y < 696; ++y)
            for (int x = 0; x < 1920; ++x) {
                if (silhouette->tpixels[y][x] == 0xFFFFFF) {
                    ++pieces;
                    floodFill(silhouette.get(), x, y, 0x808080);
                }
            }
        EXPECT_EQ(pieces, static_cast<int>(g->rocks.size())) << "seed " << seed;
        // Land between 6% and 25% of the map, none of it in the clear band along the edges.
        const double coverage = static_cast<double>(land) / (1920.0 * 696.0);
        EXPECT_GT(coverage, 0.06) << "seed " << seed;
        EXPECT_LT(coverage, 0.25) << "seed " << seed;
        for (int x = 0; x < 1920; x += 3) {
            EXPECT_EQ(silhouette->tpixels[Roper::EDGE / 2][x], 0);
            EXPECT_EQ(silhouette->tpixels[695 - Roper::EDGE / 2][x], 0);
        }
    }
}

TEST_F(RoperTest, SameSeedSameMap) {
    auto a = run(5);
    auto b = run(5);
    EXPECT_TRUE(test::samePixels(a->image.get(), b->image.get()));
    auto c = run(6);
    EXPECT_FALSE(test::samePixels(a->image.get(), c->image.get()));
}
