#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "generators/RR.h"
#include "generators/TileMaze.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

// The walk as the rules state it, recursive: the reference for the explicit stack.
void carveRecursively(TileMaze& m, int x, int y, MazeLoops loops) {
    const int first = brambex::rand() % 4;
    const int dx[4] = {0, 1, 0, -1}, dy[4] = {-1, 0, 1, 0};
    const std::uint32_t here[4] = {1, 2, 4, 8}, there[4] = {4, 8, 1, 2};
    for (int t = 0; t < 4; ++t) {
        const int d = (first + t) % 4, nx = x + dx[d], ny = y + dy[d];
        if (nx < 0 || ny < 0 || nx >= m.cols || ny >= m.rows) continue;
        if (m.at(nx, ny).state & TileMaze::Visited) {
            if (loops == MazeLoops::OneInSixteen && brambex::rand() % 16 == 0) {
                m.at(x, y).openings |= here[d];
                m.at(nx, ny).openings |= there[d];
            }
            continue;
        }
        m.at(x, y).openings |= here[d];
        m.at(nx, ny).openings |= there[d];
        m.at(nx, ny).state |= TileMaze::Visited;
        carveRecursively(m, nx, ny, loops);
    }
}

TileMaze referenceMaze(int cols, int rows, MazeLoops loops) {
    TileMaze m;
    m.cols = cols;
    m.rows = rows;
    m.cells.assign(static_cast<std::size_t>(cols) * rows, {});
    int sx, sy;
    do {
        sx = brambex::rand() % cols - 1;
        sy = brambex::rand() % rows - 1;
    } while (sx < 1 || sx > cols - 2 || sy < 1 || sy > rows - 2);
    m.startX = sx;
    m.startY = sy;
    m.at(sx, sy).state = TileMaze::Visited | TileMaze::Start;
    carveRecursively(m, sx, sy, loops);
    return m;
}

// Every cell visited and open somewhere; openings agree between neighbours; no opening leads out.
void expectConsistent(const TileMaze& m) {
    for (int x = 0; x < m.cols; ++x)
        for (int y = 0; y < m.rows; ++y) {
            const auto& c = m.at(x, y);
            ASSERT_TRUE(c.state & TileMaze::Visited) << x << "," << y;
            EXPECT_NE(c.openings, 0u) << x << "," << y;
            EXPECT_EQ(bool(c.openings & 2), x + 1 < m.cols && (m.at(x + 1, y).openings & 8)) << x << "," << y;
            EXPECT_EQ(bool(c.openings & 4), y + 1 < m.rows && (m.at(x, y + 1).openings & 1)) << x << "," << y;
            EXPECT_FALSE(x == 0 && (c.openings & 8));
            EXPECT_FALSE(y == 0 && (c.openings & 1));
        }
}

}  // namespace

TEST(TileMaze, TileNumbersFollowTheTable) {
    const std::uint32_t table[16] = {0, 1, 3, 11, 7, 5, 13, 9, 2, 6, 14, 10, 4, 12, 8, 15};
    for (int k = 0; k < 16; ++k) EXPECT_EQ(tileNumber(table[k]), k);
}

TEST(TileMaze, RopeRaceCarvesAPerfectMazeFromACellOffTheBorder) {
    for (unsigned seed : {1u, 2u, 99u, 4242u}) {
        brambex::srand(seed);
        const TileMaze m = carveMaze(11, 4, MazeLoops::Never);
        EXPECT_GE(m.startX, 1);
        EXPECT_LE(m.startX, 9);
        EXPECT_GE(m.startY, 1);
        EXPECT_LE(m.startY, 2);
        EXPECT_TRUE(m.at(m.startX, m.startY).state & TileMaze::Start);
        expectConsistent(m);
        EXPECT_EQ(m.passages(), 11 * 4 - 1) << "a spanning tree";
    }
}

TEST(TileMaze, SuperSheeperOpensLoopsOnLargeGrids) {
    brambex::srand(7);
    const TileMaze m = carveMaze(40, 30, MazeLoops::OneInSixteen);
    expectConsistent(m);
    EXPECT_GT(m.passages(), 40 * 30 - 1);
}

TEST(TileMaze, TheExplicitStackWalksAndDrawsExactlyAsTheRecursiveRules) {
    for (MazeLoops loops : {MazeLoops::Never, MazeLoops::OneInSixteen})
        for (unsigned seed = 1; seed <= 20; ++seed)
            for (auto [cols, rows] : {std::pair{3, 3}, {5, 4}, {11, 4}, {17, 9}}) {
                brambex::srand(seed);
                const TileMaze ours = carveMaze(cols, rows, loops);
                const int nextOurs = brambex::rand();
                brambex::srand(seed);
                const TileMaze ref = referenceMaze(cols, rows, loops);
                const int nextRef = brambex::rand();
                ASSERT_EQ(ours.startX, ref.startX);
                ASSERT_EQ(ours.startY, ref.startY);
                for (std::size_t i = 0; i < ref.cells.size(); ++i) {
                    ASSERT_EQ(ours.cells[i].openings, ref.cells[i].openings) << "seed " << seed << " cell " << i;
                    ASSERT_EQ(ours.cells[i].state, ref.cells[i].state);
                }
                EXPECT_EQ(nextOurs, nextRef) << "the same number of draws";
            }
}

TEST(TileMaze, TheLargestGridsNeedNoDeepRecursion) {
    brambex::srand(3);
    // 28664 x 30552 at 174 px cells: 164 x 175 cells.
    const TileMaze m = carveMaze(28664 / 174, 30552 / 174, MazeLoops::Never);
    EXPECT_EQ(m.passages(), (28664 / 174) * (30552 / 174) - 1);
}

namespace {

class RRTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useBuildArtwork(root, {"generic", "rr"}, {});
        countThemes();
        test::params.keepSeed = true;
        test::params.manualMode = true;
        mapState.mapSeed = 5;
    }
    std::unique_ptr<RR> run(int w, int h, int path, bool noTopSoil = true) {
        test::params.width = w;
        test::params.height = h;
        test::params.pathSize = path;
        test::params.noTopSoil = noTopSoil;
        return test::runGenerator<RR>();
    }
};

}  // namespace

TEST_F(RRTest, At174TheMazeLeavesSixAirColumnsAtTheRight) {
    auto g = run(1920, 696, 174);
    ASSERT_EQ(g->image->sx, 1920);
    for (int y = 0; y < 695; ++y)
        for (int x = 1914; x < 1920; ++x) ASSERT_EQ(g->image->tpixels[y][x], g->colourBlack) << x << "," << y;
    // The maze reaches the last tile column: its corners are land.
    EXPECT_NE(g->image->tpixels[2][1913], g->colourBlack);
}

TEST_F(RRTest, APathSizeOverAThirdOfTheMapEnlargesItToThreeCells) {
    auto g = run(1920, 696, 522);
    EXPECT_EQ(g->width, 1920);
    EXPECT_EQ(g->height, 1566);
    EXPECT_EQ(g->image->sy, 1566);
    // 3 x 3 cells of 640 x 522: the start cell is the centre, drawn from the start folder (its
    // flag is neither land nor air).
    bool marker = false;
    for (int y = 522; y < 1044 && !marker; ++y)
        for (int x = 640; x < 1280 && !marker; ++x) {
            const int c = g->image->tpixels[y][x] & 0xFFFFFF;
            marker = c == ((214 << 16) | (58 << 8) | 40);
        }
    EXPECT_TRUE(marker) << "the start tile's flag in the centre cell";
    const auto again = run(1920, 696, 0);
    EXPECT_EQ(again->height, 696) << "path 0 means 174";
}

TEST_F(RRTest, AMissingTileLeavesItsCellsAirAndNoTilesAtAllMakeNoMap) {
    fs::remove(root / "data" / "rr");
    fs::create_directories(root / "data" / "rr" / "tile");
    EXPECT_THROW(run(1920, 696, 232), MissingArtwork) << "an all-air map is no maze";
    // Tiles over the size limit count as missing.
    for (int n = 0; n < 16; ++n)
        test::writePng(test::solidPicture(MAX_TILE_SIZE + 1, 4, 0xFFFFFF).get(), root / "data" / "rr" / "tile" / (std::to_string(n) + ".png"));
    EXPECT_THROW(run(1920, 696, 232), MissingArtwork);
    // One usable tile: its cells are drawn, the others stay air.
    for (int n = 0; n < 16; ++n)
        test::writePng(test::solidPicture(240, 232, 0xFFFFFF).get(), root / "data" / "rr" / "tile" / (std::to_string(n) + ".png"));
    auto full = run(1920, 696, 232);
    fs::remove(root / "data" / "rr" / "tile" / "5.png");
    auto partial = run(1920, 696, 232);
    int fullLand = 0, land = 0;
    for (int y = 1; y < 695; ++y)
        for (int x = 0; x < 1920; ++x) {
            fullLand += full->image->tpixels[y][x] != full->colourBlack;
            land += partial->image->tpixels[y][x] != partial->colourBlack;
        }
    EXPECT_GT(land, 0);
    EXPECT_LE(land, fullLand);
}

TEST_F(RRTest, GrassAndRootsOnlyWithoutNoTopSoil) {
    auto plain = run(1920, 696, 232, true);
    auto grassy = run(1920, 696, 232, false);
    EXPECT_FALSE(test::samePixels(plain->image.get(), grassy->image.get()));
    auto again = run(1920, 696, 232, false);
    EXPECT_TRUE(test::samePixels(grassy->image.get(), again->image.get())) << "same seed, same map";
}
