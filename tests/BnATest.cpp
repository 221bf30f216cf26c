#include <gtest/gtest.h>

#include <cmath>

#include "generators/BnA.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

constexpr int PICTURE = 0x3080E0;

class BnATest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::makeTempFolder();
        auto square = test::solidPicture(40, 40, PICTURE);
        for (int i = 0; i < 3; ++i) test::writePng(square.get(), root / "data" / "bna" / "ball" / (std::to_string(i) + ".png"));
        test::params.keepSeed = true;
        test::params.manualMode = true;
        test::params.bnaStyle = 0;
    }
    std::unique_ptr<BnA> run(int w, int h, int objects, int algorithm, unsigned seed = 1) {
        test::params.width = w;
        test::params.height = h;
        test::params.bnaObjects = objects;
        test::params.bnaAlgorithm = algorithm;
        mapState.mapSeed = seed;
        return test::runGenerator<BnA>();
    }
};

}  // namespace

TEST(BnARules, ThePictureCountFollowsTheMapArea) {
    EXPECT_EQ(BnA::pictureCount(1920, 696, 0), 50);
    EXPECT_EQ(BnA::pictureCount(1920, 696, 50), 100);
    EXPECT_EQ(BnA::pictureCount(3840, 1392, 25), 300);
}

TEST_F(BnATest, PlacesTheCountAndLetsPicturesCrowdAfterTenRejections) {
    auto g = run(1920, 696, 50, 1);
    EXPECT_EQ(g->placed.size(), 100u);
    // A small map cannot keep 100 pictures 100 pixels apart: some end up closer.
    auto crowded = run(640, 480, 50, 1);
    ASSERT_EQ(crowded->placed.size(), static_cast<std::size_t>(BnA::pictureCount(640, 480, 50)));
    double closest = 1e9;
    for (std::size_t i = 0; i < crowded->placed.size(); ++i)
        for (std::size_t j = i + 1; j < crowded->placed.size(); ++j)
            closest = std::min(closest, std::hypot(crowded->placed[i].first - crowded->placed[j].first,
                                                   crowded->placed[i].second - crowded->placed[j].second));
    EXPECT_LT(closest, 90.0);
}

TEST_F(BnATest, TheGradientFillsTheBottomMoreThanTheTop) {
    int top = 0, bottom = 0, flatTop = 0, flatBottom = 0;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        // Thirds of the height: the top third against the bottom third.
        const auto gradient = run(1920, 696, 25, 0, seed);
        for (const auto& [x, y] : gradient->placed) {
            top += y < 232;
            bottom += y >= 464;
        }
        const auto spread = run(1920, 696, 25, 1, seed);
        for (const auto& [x, y] : spread->placed) {
            flatTop += y < 232;
            flatBottom += y >= 464;
        }
    }
    // The distance rule spreads them out again, so the gradient shows as about 2.5 to 1.
    EXPECT_GT(bottom, 2 * top) << top << " at the top, " << bottom << " at the bottom";
    EXPECT_LT(std::abs(flatBottom - flatTop), (flatBottom + flatTop) / 4) << "Random Spread is even";
}

TEST_F(BnATest, PicturesHangByTheirTopLeftCornerAndAreClipped) {
    auto g = run(640, 480, 50, 1);
    bool reachesRight = false;
    for (const auto& [x, y] : g->placed) reachesRight = reachesRight || x + 40 > 640;
    ASSERT_TRUE(reachesRight);
    int edge = 0;
    for (int y = 0; y < 480; ++y) edge += (g->image->tpixels[y][639] & 0xFFFFFF) == PICTURE;
    EXPECT_GT(edge, 0);
}

TEST_F(BnATest, AStyleWithoutPicturesGivesAnEmptyMap) {
    test::params.bnaStyle = 3;  // rugby: no folder
    auto g = run(1920, 696, 25, 0);
    EXPECT_TRUE(g->placed.empty());
    int drawn = 0;
    for (int y = 0; y < 695; ++y)
        for (int x = 0; x < 1920; ++x) drawn += g->image->tpixels[y][x] != g->colourBlack;
    EXPECT_EQ(drawn, 0);
}
