#include <gtest/gtest.h>

#include "generators/SuperSheeper.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

class SuperSheeperTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useBuildArtwork(root, {"generic", "supersheeper"}, {});
        countThemes();
        test::params.keepSeed = true;
        test::params.manualMode = true;
        test::params.objects = 0;
        mapState.mapSeed = 9;
    }
    std::unique_ptr<SuperSheeper> run(int w, int h, int path, int padding) {
        test::params.width = w;
        test::params.height = h;
        test::params.pathSize = path;
        test::params.padding = padding;
        return test::runGenerator<SuperSheeper>();
    }
    static int airIn(const Generator& g, int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 1; x < g.width; ++x) n += g.image->tpixels[y][x] == g.colourBlack;
        return n;
    }
};

}  // namespace

TEST(SuperSheeperRules, PaddingNeverLeavesFewerThanThreeRows) {
    EXPECT_EQ(SuperSheeper::paddedRows(3, 5), 3);
    EXPECT_EQ(SuperSheeper::paddedRows(6, 1), 5);
    EXPECT_EQ(SuperSheeper::paddedRows(6, 5), 3);
    EXPECT_EQ(SuperSheeper::paddedRows(12, 0), 12);
}

TEST_F(SuperSheeperTest, TheDefaultMapHasEightByThreeTilesAndNoPadding) {
    auto g = run(1920, 696, 232, 1);
    EXPECT_EQ(g->width, 1920);
    EXPECT_EQ(g->height, 696);
    // Three rows are never reduced: the maze's air reaches the bottom row of tiles.
    EXPECT_GT(airIn(*g, 464, 696), 0);
}

TEST_F(SuperSheeperTest, PaddingRowsBecomeLandThroughTheCornerFill) {
    auto g = run(1920, 1392, 232, 1);
    EXPECT_EQ(airIn(*g, 1160, 1391), 0) << "the sixth row is land";
    EXPECT_GT(airIn(*g, 928, 1160), 0) << "the fifth row is maze";
}

TEST_F(SuperSheeperTest, SmallMapsAreEnlargedToThreeCells) {
    auto g = run(640, 32, 300, 0);
    EXPECT_EQ(g->width, 900);
    EXPECT_EQ(g->height, 900);
}

TEST_F(SuperSheeperTest, SameSeedSameMap) {
    auto a = run(1920, 696, 232, 1);
    auto b = run(1920, 696, 232, 1);
    EXPECT_TRUE(test::samePixels(a->image.get(), b->image.get()));
    mapState.mapSeed = 10;
    auto c = run(1920, 696, 232, 1);
    EXPECT_FALSE(test::samePixels(a->image.get(), c->image.get()));
}
