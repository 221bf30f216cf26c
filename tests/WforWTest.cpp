#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "generators/WforW.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

class WforWTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useBuildArtwork(root, {"wfw"}, {});
    }
    std::unique_ptr<WforW> run(unsigned seed, int pads = 50) {
        test::params.pads = pads;
        return test::runGenerator<WforW>(seed);
    }
};

}  // namespace

TEST_F(WforWTest, TheBuildingIsTheStandardSizeWithItsNodesAndPads) {
    test::params.width = 4000;
    test::params.height = 3000;
    auto g = run(3);
    ASSERT_EQ(g->image->sx, 1920);
    ASSERT_EQ(g->image->sy, 696);
    EXPECT_EQ(g->nodeSets, 5) << "nodes 1..4 give five sets";
    EXPECT_GE(g->setNumber, 0);
    EXPECT_LE(g->setNumber, 4);
    EXPECT_LE(g->placed.size(), 55u) << "pads 50 aims at 55 pieces";
    EXPECT_GE(g->placed.size(), 40u);
    EXPECT_FALSE(g->padSpots.empty());
    // The clean-up colours never reach the map.
    for (int y = 0; y < 696; ++y)
        for (int x = 0; x < 1920; ++x) {
            const int c = g->image->tpixels[y][x] & 0xFFFFFF;
            ASSERT_NE(c, 0x00FFFF) << x << "," << y;
            ASSERT_NE(c, 0x008080) << x << "," << y;
        }
}

TEST_F(WforWTest, TilesStayInsideNeverOverlapLandAndAttachedOnesMeetTheirPoint) {
    for (unsigned seed : {1u, 2u, 7u}) {
        auto g = run(seed);
        std::vector<ImagePtr> tiles;
        for (int n = 0; fs::exists(root / "data" / "wfw" / "tiles" / (std::to_string(n) + ".png")); ++n)
            tiles.push_back(loadPng(root / "data" / "wfw" / "tiles" / (std::to_string(n) + ".png")));
        std::vector<unsigned char> land(1920 * 696, 0);
        int attached = 0;
        for (const auto& p : g->placed) {
            gdImagePtr t = tiles[static_cast<std::size_t>(p.tile)].get();
            ASSERT_GE(p.x, 0);
            ASSERT_GE(p.y, 0);
            ASSERT_LE(p.x + t->sx, 1920);
            ASSERT_LE(p.y + t->sy, 696);
            for (int y = 0; y < t->sy; ++y)
                for (int x = 0; x < t->sx; ++x) {
                    const int c = trueColourAt(t, x, y) & 0xFFFFFF;
                    if (c == 0 || c == 0x00FFFF || c == 0x008080) continue;
                    ASSERT_EQ(land[static_cast<std::size_t>(p.y + y) * 1920 + p.x + x], 0) << "seed " << seed;
                    land[static_cast<std::size_t>(p.y + y) * 1920 + p.x + x] = 1;
                }
            if (!p.attached) continue;
            ++attached;
            // One of its points sits next to a point of another tile, on that point's side.
            const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
            bool meets = false;
            for (const auto& q : g->points)
                if (q.x >= p.x && q.y >= p.y && q.x < p.x + t->sx && q.y < p.y + t->sy)
                    for (const auto& o : g->points)
                        meets = meets || (o.type == WforW::complementOf(q.type) && o.x + dx[o.type] == q.x && o.y + dy[o.type] == q.y);
            EXPECT_TRUE(meets) << "seed " << seed << " tile at " << p.x << "," << p.y;
        }
        EXPECT_GT(attached, 10) << "most of the building is joined";
    }
}

TEST_F(WforWTest, SameSeedSameMapAndMissingArtworkIsSkipped) {
    auto a = run(4), b = run(4);
    EXPECT_TRUE(test::samePixels(a->image.get(), b->image.get()));
    fs::remove(root / "data" / "wfw");
    EXPECT_THROW(run(4), MissingArtwork) << "no tiles: no building, and no map";
}

// Tiles larger than the map fail the bounds check on every try without meeting a cell: the
// placement must still end, and say why there is no map. Run in a child so a hang cannot stall
// the suite.
TEST_F(WforWTest, TilesLargerThanTheMapEndTheRunWithAMessage) {
    fs::remove(root / "data" / "wfw");
    for (int n = 0; n < 4; ++n)
        test::writePng(test::solidPicture(700, 700, 0xFFFFFF).get(), root / "data" / "wfw" / "tiles" / (std::to_string(n) + ".png"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            run(7);
        } catch (const MissingArtwork& e) {
            _exit(e.text.find("fits") != std::string::npos ? 0 : 2);
        }
        _exit(3);
    }
    int status = 0;
    pid_t done = 0;
    for (int waited = 0; waited < 600 && (done = waitpid(child, &status, WNOHANG)) == 0; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (done == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        FAIL() << "the placement did not end within a minute";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: another message, 3: a map was made";
}

// Tiles that soon fill the map: every further attempt meets land, the failures mount, the
// relaxed mode runs to its limit and the placement ends.
TEST_F(WforWTest, ACrowdedMapEndsThePlacement) {
    fs::remove(root / "data" / "wfw");
    test::writePng(test::solidPicture(1000, 400, 0xFFFFFF).get(), root / "data" / "wfw" / "tiles" / "0.png");
    auto g = run(1);
    EXPECT_GE(g->placed.size(), 1u);
    EXPECT_LT(g->placed.size(), 5u);
}
