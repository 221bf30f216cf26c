#include <gtest/gtest.h>

#include <fstream>

#include "generators/Fort.h"
#include "generators/Run.h"
#include "generators/TypeTable.h"
#include "map/Playability.h"
#include "tests/MadeFromParameters.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

constexpr int BRICK[3] = {0x802010, 0x606070, 0xD0C8B0};
constexpr int LAND = 0x6A4A2A;

// Fort artwork made by the test: solid land, solid bricks, pieces all white (the brick shows
// everywhere) unless a test draws on them.
class FortTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::makeTempFolder();
        const fs::path fort = root / "data" / "fort";
        test::writePng(test::solidPicture(4, 256, LAND).get(), fort / "grass" / "land.png");
        for (int n = 1; n <= 4; ++n) test::writePng(test::solidPicture(9, 8, n == 2 || n == 3 ? 3 : 0).get(), fort / "grass" / ("grass" + std::to_string(n) + ".png"));
        for (int k = 0; k < 3; ++k) test::writePng(test::solidPicture(280, 170, BRICK[k]).get(), fort / "brick" / (std::to_string(k) + ".png"));
        auto white = test::solidPicture(280, 170, 0xFFFFFF);
        for (int t = 0; t < 8; ++t) test::writePng(white.get(), fort / "top" / std::to_string(t) / "0.png");
        for (int f = 0; f < 4; ++f)
            for (int m = 0; m < 8; ++m) test::writePng(white.get(), fort / "middle" / std::to_string(f) / std::to_string(m) / "0.png");
        for (int f = 0; f < 8; ++f) test::writePng(white.get(), fort / "bottom" / std::to_string(f) / "0.png");
        test::params.manualMode = true;
        test::params.fortBrick = 1;
    }
    // A run of `seed`; a Modify run (`keep`) is handed the memory of an earlier one.
    std::unique_ptr<Fort> run(unsigned seed, bool keep = false, bool grass = false, const FortMemory* memory = nullptr) {
        test::params.keepSeed = keep;
        auto g = test::generatorFor<Fort>();
        g->newHill = grass;
        if (memory) g->memory = *memory;
        brambex::srand(seed);
        g->generate();
        return g;
    }
    static int at(const Fort& g, int x, int y) { return g.image->tpixels[y][x] & 0xFFFFFF; }
};

}  // namespace

TEST(FortRules, TheHillHas129PointsSixApartAndEndsAtTheBottom) {
    brambex::srand(11);
    const auto points = Fort::hillProfile();
    ASSERT_EQ(points.size(), 129u);
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].first, 1 + 6 * static_cast<int>(i));
        EXPECT_GE(points[i].second, 0);
        EXPECT_LE(points[i].second, 696);
    }
    const auto heights = Fort::hillHeights(points);
    EXPECT_EQ(heights[767], 696);
    EXPECT_EQ(heights[0], points[0].second);
    EXPECT_EQ(heights[6], points[1].second);
    EXPECT_EQ(heights[3], points[0].second + (points[1].second - points[0].second) * 3 / 6);
}

TEST(FortRules, ColourSwapTurnsGreenAndBlueIntoAirOrBrick) {
    for (int swap : {0, 1}) {
        auto piece = test::solidPicture(2, 1, 0x00FF00);
        piece->tpixels[0][1] = 0x0000FF;
        Fort::swapColours(piece.get(), swap);
        EXPECT_EQ(piece->tpixels[0][0], swap ? 0 : 0xFFFFFF);
        EXPECT_EQ(piece->tpixels[0][1], swap ? 0xFFFFFF : 0);
    }
    EXPECT_EQ(Fort::folderOf(6), 2);
    EXPECT_EQ(Fort::folderOf(3), 3);
}

TEST_F(FortTest, AlwaysTheStandardSizeAndSymmetricWithTheFortInPlace) {
    test::params.width = 4000;
    test::params.height = 3000;
    auto g = run(3);
    ASSERT_EQ(g->image->sx, 1920);
    ASSERT_EQ(g->image->sy, 696);
    for (int y = 0; y < 696; ++y)
        for (int x = 0; x < 960; ++x) {
            if ((x == 0 && y == 0) || (x == 959 && y == 695)) continue;  // the reserved pixels
            ASSERT_EQ(at(*g, x, y), at(*g, 1919 - x, y)) << x << "," << y;
        }
    // The fort: x 100..659 of each half, rows 2..681, all brick with these pieces.
    for (int y = 2; y <= 681; ++y)
        for (int x = 100; x <= 659; ++x) ASSERT_EQ(at(*g, x, y), BRICK[1]) << x << "," << y;
    EXPECT_NE(at(*g, 99, 400), BRICK[1]);
    EXPECT_NE(at(*g, 300, 1), BRICK[1]);
    EXPECT_EQ(at(*g, 300, 690), LAND) << "the hill below the fort";
    for (int y = 0; y < 696; ++y)
        for (int x = 875; x < 1045; ++x)
            ASSERT_TRUE((x == 959 && y == 695) || at(*g, x, y) == 0) << "the gap between the halves at " << x << "," << y;
}

TEST_F(FortTest, ModifyRebuildsTheSameFortAndGrassMakesANewHill) {
    auto first = run(5);
    auto again = run(77, true, false, &first->memory);
    EXPECT_TRUE(test::samePixels(first->image.get(), again->image.get()));
    auto grassy = run(78, true, true, &first->memory);
    EXPECT_FALSE(test::samePixels(first->image.get(), grassy->image.get())) << "a new hill";
    EXPECT_EQ(grassy->memory.topLeft, first->memory.topLeft);
    EXPECT_EQ(grassy->memory.bottomRight, first->memory.bottomRight);
    EXPECT_EQ(grassy->memory.colourSwaps, first->memory.colourSwaps);
    EXPECT_NE(grassy->memory.heights, first->memory.heights) << "Grass keeps the new hill";
    auto fresh = run(79);
    EXPECT_FALSE(test::samePixels(first->image.get(), fresh->image.get()));
    auto forgetful = run(79, true);
    EXPECT_TRUE(test::samePixels(fresh->image.get(), forgetful->image.get())) << "Modify without a memory is a fresh run";
}

TEST_F(FortTest, AModifyRunOfTheSameSeedDrawsAsAFreshRunSoItsSeedStillMakesIt) {
    // Random brick: the brick is drawn after the pieces, so a Modify run that skipped the piece
    // draws would pick another brick than the fresh run of its seed.
    test::params.manualMode = false;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        auto fresh = run(seed);
        auto modified = run(seed, true, false, &fresh->memory);
        EXPECT_TRUE(test::samePixels(fresh->image.get(), modified->image.get())) << "seed " << seed;
        auto grassy = run(seed, true, true, &fresh->memory);
        EXPECT_TRUE(test::samePixels(fresh->image.get(), grassy->image.get())) << "seed " << seed << " with Grass";
    }
}

TEST(FortRules, RightPiecesComeFromTheLeftPiecesFamily) {
    // Choices 0-3 and 4-7 are two families of pieces; the right piece of a row always comes
    // from its left piece's family.
    int secondFamily = 0;
    for (unsigned seed = 0; seed < 300; ++seed) {
        const auto made = test::generatorFor<Fort>();
        const Fort& g = *made;
        FortMemory m;
        brambex::srand(seed);
        g.drawPieces(m);
        for (auto [left, right] : {std::pair{m.topLeft, m.topRight}, std::pair{m.middle1Left, m.middle1Right},
                                   std::pair{m.middle2Left, m.middle2Right}}) {
            ASSERT_EQ(left > 3, right > 3) << "seed " << seed << ": left " << left << ", right " << right;
            secondFamily += left == 4;
        }
    }
    EXPECT_GT(secondFamily, 0) << "the boundary choice 4 was drawn";
}

TEST_F(FortTest, PiecesShowBrickWhereWhiteAndAirWhereBlackAndMissingOnesStayEmpty) {
    // Every top piece: its upper half black (sky), a green window that swap 0 turns into brick.
    auto top = test::solidPicture(280, 170, 0xFFFFFF);
    for (int y = 0; y < 85; ++y)
        for (int x = 0; x < 280; ++x) top->tpixels[y][x] = 0;
    for (int y = 100; y < 120; ++y)
        for (int x = 10; x < 20; ++x) top->tpixels[y][x] = 0x00FF00;
    for (int t = 0; t < 8; ++t) test::writePng(top.get(), root / "data" / "fort" / "top" / std::to_string(t) / "0.png");
    for (int f = 0; f < 8; ++f) fs::remove_all(root / "data" / "fort" / "bottom" / std::to_string(f));
    auto g = run(9);
    EXPECT_EQ(at(*g, 300, 40), 0) << "sky above the battlements";
    EXPECT_EQ(at(*g, 300, 150), BRICK[1]);
    const int window = at(*g, 115, 110);
    EXPECT_TRUE(window == 0 || window == BRICK[1]);
    EXPECT_EQ(at(*g, 300, 600), 0) << "no bottom pictures: the piece stays empty";
}

// Pieces are 280 x 170 by design: one far larger counts as missing and costs nothing to read.
TEST_F(FortTest, APieceFarLargerThanDesignedCountsAsMissing) {
    auto huge = test::solidPicture(MAX_TILE_SIZE + 1, 170, 0xFFFFFF);
    for (int t = 0; t < 8; ++t) test::writePng(huge.get(), root / "data" / "fort" / "top" / std::to_string(t) / "0.png");
    auto g = run(9);
    // A missing piece leaves its 280 x 170 picture black, which is air over the brick.
    EXPECT_EQ(at(*g, 300, 100), 0) << "the top row is air";
    EXPECT_EQ(at(*g, 300, 250), BRICK[1]) << "the middle rows are built";
}

// With the build's own pieces: forts of different seeds differ (the share of land pixels that
// differ between two maps, XOR over union, at least 0.30 on average over twenty seeds), and in
// every one each standing place reaches every other.
TEST(FortPieces, FortsDifferAndEveryStandingPlaceReachesEveryOther) {
    const fs::path previous = fs::current_path();
    setWorkingDirectory(BRAMBEX_BUILD_DIR);
    test::params = GenerationParameters{};
    std::vector<std::vector<std::uint8_t>> lands;
    for (std::uint32_t seed = 1000; seed < 1020; ++seed) {
        const RunResult made = runMap(test::requestFrom(MapType::Fort, test::params, seed));
        ASSERT_TRUE(made.map) << made.failure;
        ASSERT_TRUE(made.map->playability);
        const Playability& p = *made.map->playability;
        EXPECT_DOUBLE_EQ(p.reach, 1.0) << "seed " << seed << ": " << playabilitySummary(p);
        EXPECT_TRUE(playabilityMisses(p, typeRow(MapType::Fort).playability).empty()) << "seed " << seed;
        gdImagePtr im = made.map->image.get();
        std::vector<std::uint8_t> land(static_cast<std::size_t>(im->sx) * im->sy);
        for (int y = 0; y < im->sy; ++y)
            for (int x = 0; x < im->sx; ++x) land[static_cast<std::size_t>(y) * im->sx + x] = (trueColourAt(im, x, y) & 0xFFFFFF) != 0;
        lands.push_back(std::move(land));
    }
    double sum = 0;
    int pairs = 0;
    for (std::size_t i = 0; i < lands.size(); ++i)
        for (std::size_t j = i + 1; j < lands.size(); ++j) {
            long long differ = 0, either = 0;
            for (std::size_t k = 0; k < lands[i].size(); ++k) {
                differ += lands[i][k] != lands[j][k];
                either += lands[i][k] | lands[j][k];
            }
            const double share = static_cast<double>(differ) / static_cast<double>(either);
            EXPECT_GT(share, 0.05) << "seeds " << 1000 + i << " and " << 1000 + j << " look alike";
            sum += share;
            ++pairs;
        }
    EXPECT_GE(sum / pairs, 0.30) << "the mean share of differing land";
    setWorkingDirectory(previous);
}
