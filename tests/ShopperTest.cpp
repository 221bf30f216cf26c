#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <set>

#include "generators/Shopper.h"
#include "generators/TileMaze.h"
#include "map/Playability.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

using Layout = Shopper::Layout;
constexpr int WHITE = 0xFFFFFF, MARKER = 0xF218CC;

class ShopperTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::makeTempFolder();
    }
    fs::path shopperFolder() const { return root / "data" / "shopper"; }
    void useBuildArt() { test::useBuildArtwork(root, {"shopper"}, {}); }
    void useBuildThemes() {
        test::useBuildArtwork(root, {"generic"}, {});
        countThemes();
    }
    void art(const fs::path& relative, int w, int h, int colour) {
        test::writePng(test::solidPicture(w, h, colour).get(), shopperFolder() / relative);
    }
    // A run with the seed kept; `manual` picks the layout, otherwise it is drawn.
    std::unique_ptr<Shopper> run(unsigned seed, std::optional<Layout> manual = std::nullopt) {
        test::params.keepSeed = true;
        mapState.mapSeed = seed;
        test::params.manualMode = manual.has_value();
        test::params.shopperLayout = manual ? static_cast<int>(*manual) : 0;
        return test::runGenerator<Shopper>();
    }
};

int at(const Shopper& g, int x, int y) { return g.image->tpixels[y][x] & 0xFFFFFF; }

bool inside(const Shopper::Placement& p, int x, int y) { return x >= p.x && x < p.x + p.w && y >= p.y && y < p.y + p.h; }

bool inAny(const std::vector<Shopper::Placement>& bars, int x, int y) {
    for (const auto& b : bars)
        if (inside(b, x, y)) return true;
    return false;
}

// Only the key colours: air, land and the marker pixel.
void expectOnlyKeyColours(const Shopper& g) {
    for (int y = 0; y < 696; ++y)
        for (int x = 0; x < 1920; ++x) {
            const int c = at(g, x, y);
            ASSERT_TRUE(c == 0 || c == WHITE || (c == MARKER && x == 959 && y == 695)) << x << "," << y << " " << std::hex << c;
        }
}

}  // namespace

TEST_F(ShopperTest, TheLayoutDrawIsMadeInBothModesAndAnEvenDrawGivesTheMaze) {
    for (int n = 0; n < 16; ++n) art(fs::path("tile") / (std::to_string(n) + ".png"), 320, 232, WHITE);
    std::set<Layout> seen;
    unsigned citySeed = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        brambex::srand(seed);
        const int draw = brambex::rand();  // no themes: no theme draw before it
        const Layout expected = draw % 2 == 0 ? Layout::Maze : Layout::City;
        EXPECT_EQ(run(seed)->layout, expected) << seed;
        seen.insert(expected);
        if (expected == Layout::City && !citySeed) citySeed = seed;
    }
    EXPECT_EQ(seen.size(), 2u);
    ASSERT_NE(citySeed, 0u);
    // Manual City makes the same draws after the layout as the random run that drew City.
    auto drawn = run(citySeed);
    auto manual = run(citySeed, Layout::City);
    EXPECT_TRUE(test::samePixels(drawn->image.get(), manual->image.get()));
    ASSERT_EQ(drawn->city.shops.size(), manual->city.shops.size());
    for (std::size_t i = 0; i < drawn->city.shops.size(); ++i) {
        EXPECT_EQ(drawn->city.shops[i].x, manual->city.shops[i].x);
        EXPECT_EQ(drawn->city.shops[i].h, manual->city.shops[i].h);
    }
    EXPECT_EQ(run(citySeed, Layout::Maze)->layout, Layout::Maze) << "the list decides in manual mode";
}

TEST_F(ShopperTest, TheShopRowStopsAtFiveBuildingsOrWhen410ColumnsOrFewerRemain) {
    useBuildArt();
    int largeSeen = 0;
    for (unsigned seed = 1; seed <= 16; ++seed) {
        auto g = run(seed, Layout::City);
        const auto& shops = g->city.shops;
        SCOPED_TRACE(seed);
        ASSERT_FALSE(shops.empty());
        EXPECT_LE(g->city.wanted, 5);
        EXPECT_LE(static_cast<int>(shops.size()), g->city.wanted);
        int right = 0, fromFile = 0;
        for (std::size_t i = 0; i < shops.size(); ++i) {
            const int gap = shops[i].x - right;
            EXPECT_GE(gap, 200);
            EXPECT_LT(gap, i == 0 ? 250 : 300);
            EXPECT_LE(shops[i].w, 500);
            EXPECT_LE(shops[i].x + shops[i].w, 1920);
            if (shops[i].fromFile) {
                ++fromFile;
                EXPECT_LE(shops[i].w, 1920 - shops[i].x - 100) << "a large picture only where it fits";
            } else {
                EXPECT_GE(shops[i].w, 210);
                EXPECT_GE(shops[i].h, 330);
                EXPECT_LT(shops[i].h, 530);
            }
            right = shops[i].x + shops[i].w;
        }
        EXPECT_LE(fromFile, 1);
        largeSeen += fromFile;
        const int remaining = 1920 - right;
        if (static_cast<int>(shops.size()) < g->city.wanted) {
            EXPECT_LE(remaining, 410);
        } else if (g->city.wanted < 5) {
            EXPECT_LE(remaining, 600) << "room for another: the row should have grown";
        }
    }
    EXPECT_GT(largeSeen, 0);
}

TEST_F(ShopperTest, LargePicturesStandOnTheBottomRowAndGeneratedBuildingsOnTheFloor) {
    const int blue = 0x3080C0, green = 0x40A040;
    art("objects/large/0.png", 480, 400, blue);
    art("objects/large/1.png", 900, 300, 0x808080);  // never fits
    art("objects/large/2.png", 300, 450, green);
    int large = 0, generated = 0;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        auto g = run(seed, Layout::City);
        SCOPED_TRACE(seed);
        int fromFile = 0;
        for (const auto& s : g->city.shops) {
            const int x = s.x + s.w / 2;
            if (s.fromFile) {
                ++fromFile;
                ASSERT_TRUE(s.w == 480 || s.w == 300) << s.w;
                const int colour = s.w == 480 ? blue : green;
                EXPECT_EQ(at(*g, x, 695), colour);
                EXPECT_EQ(at(*g, x, 696 - s.h), colour);
                EXPECT_EQ(at(*g, x, 695 - s.h), 0);
            } else {
                ++generated;
                // White below the roof line at row 130 of the building, air above it.
                const int top = 696 - 20 - s.h;
                EXPECT_EQ(at(*g, x, top + 130), WHITE);
                EXPECT_EQ(at(*g, x, top + 129), 0);
                EXPECT_EQ(at(*g, x, top), 0);
            }
        }
        EXPECT_LE(fromFile, 1);
        large += fromFile;
    }
    EXPECT_GT(large, 0);
    EXPECT_GT(generated, 0);
}

TEST_F(ShopperTest, TheCityIsAClosedBoxOpenedOnlyBesideFreeStretches) {
    useBuildArt();
    int openings = 0, wallObjects = 0, roofObjects = 0;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        auto g = run(seed, Layout::City);
        SCOPED_TRACE(seed);
        const auto& c = g->city;
        for (int x = 2; x < 1918; ++x)
            for (int y = 674; y < 694; ++y) ASSERT_NE(at(*g, x, y), 0) << "floor " << x << "," << y;
        // Below the ceiling a wall pixel is air exactly where an opening was cut.
        for (int side = 0; side < 2; ++side) {
            const int x0 = side ? 1898 : 2, probe = side ? 1897 : 23;
            for (int y = 22; y < 694; ++y)
                for (int x = x0; x < x0 + 20; ++x)
                    ASSERT_EQ(at(*g, x, y) == 0, inAny(c.wallOpenings[side], x, y)) << x << "," << y;
            for (const auto& bar : c.wallOpenings[side]) {
                EXPECT_EQ(bar.w, 20);
                EXPECT_LE(bar.h, 100);
                EXPECT_GT(bar.h, 10);
                for (int y = std::max(22, bar.y); y < bar.y + bar.h; ++y) EXPECT_EQ(at(*g, probe, y), 0) << "beside land at row " << y;
            }
            openings += static_cast<int>(c.wallOpenings[side].size());
            wallObjects += static_cast<int>(c.wallObjects[side].size());
            for (const auto& o : c.wallObjects[side]) EXPECT_EQ(side ? o.x + o.w : o.x, side ? 1913 : 7);
        }
        for (int y = 2; y < 22; ++y)
            for (int x = 2; x < 1918; ++x) ASSERT_EQ(at(*g, x, y) == 0, inAny(c.ceilingOpenings, x, y)) << x << "," << y;
        for (const auto& bar : c.ceilingOpenings) {
            EXPECT_EQ(bar.h, 20);
            EXPECT_LE(bar.w, 200);
            for (int x = bar.x; x < bar.x + bar.w; ++x) EXPECT_EQ(at(*g, x, 25), 0) << "beside land at column " << x;
        }
        openings += static_cast<int>(c.ceilingOpenings.size());
        roofObjects += static_cast<int>(c.roofObjects.size());
        EXPECT_EQ(at(*g, 0, 0), 0);
        EXPECT_EQ(at(*g, 959, 695), MARKER);
    }
    EXPECT_GT(openings, 0);
    EXPECT_GT(wallObjects, 0);
    EXPECT_GT(roofObjects, 0);
}

TEST_F(ShopperTest, MissingOrBrokenArtworkGivesTheBareBox) {
    auto bareCity = [&](unsigned seed) {
        auto g = run(seed, Layout::City);
        expectOnlyKeyColours(*g);
        ASSERT_FALSE(g->city.shops.empty());
        for (const auto& s : g->city.shops) {
            EXPECT_FALSE(s.fromFile);
            const int x = s.x + s.w / 2, top = 696 - 20 - s.h;
            for (int y = top; y < top + 130; ++y) EXPECT_EQ(at(*g, x, y), 0);
            for (int y = top + 130; y < 676; ++y) EXPECT_EQ(at(*g, x, y), WHITE);
        }
        EXPECT_FALSE(g->city.wallOpenings[0].empty() && g->city.wallOpenings[1].empty() && g->city.ceilingOpenings.empty());
    };
    bareCity(3);
    // Without any maze tile there is no maze, and no map; a missing tile leaves its cell empty.
    EXPECT_THROW(run(3, Layout::Maze), MissingArtwork);
    for (int n = 0; n < 15; ++n) art(fs::path("tile") / (std::to_string(n) + ".png"), 320, 232, WHITE);
    expectOnlyKeyColours(*run(3, Layout::Maze));

    // Folders that exist but are empty, and files that are counted but do not load.
    for (const char* folder : {"large", "city/top", "city/side", "city/side/extras", "roof"})
        fs::create_directories(shopperFolder() / "objects" / folder);
    bareCity(4);
    for (const char* file : {"large/0.png", "city/top/0.png", "city/side/0.png", "city/side/extras/0.png", "roof/0.png",
                             "city/top/blank.png", "city/side/blank.png"})
        std::ofstream(shopperFolder() / "objects" / file) << "not a picture";
    auto g = run(5, Layout::City);
    EXPECT_EQ(g->inventory.large, 1);
    EXPECT_EQ(g->inventory.roof, 1);
    bareCity(5);
}

TEST_F(ShopperTest, TheMazeIsSixByThreeTilesFromShoppersOwnFolder) {
    // Tile n is one flat colour that names it; start tiles another set of colours.
    for (int n = 0; n < 16; ++n) {
        art(fs::path("tile") / (std::to_string(n) + ".png"), 320, 232, packColour(10, 10 * n + 5, 200));
        art(fs::path("tile/start") / (std::to_string(n) + ".png"), 320, 232, packColour(200, 10 * n + 5, 10));
    }
    const std::uint32_t table[16] = {0, 1, 3, 11, 7, 5, 13, 9, 2, 6, 14, 10, 4, 12, 8, 15};
    for (unsigned seed : {2u, 9u}) {
        auto g = run(seed, Layout::Maze);
        SCOPED_TRACE(seed);
        std::uint32_t open[6][3];
        int starts = 0;
        for (int cx = 0; cx < 6; ++cx)
            for (int cy = 0; cy < 3; ++cy) {
                const int c = at(*g, cx * 320 + 160, cy * 232 + 116);
                // The whole cell is one tile: 320 x 232, no stretching or gaps.
                for (const auto& [dx, dy] : {std::pair{1, 1}, std::pair{318, 1}, std::pair{1, 230}, std::pair{318, 230}})
                    ASSERT_EQ(at(*g, cx * 320 + dx, cy * 232 + dy), c) << cx << "," << cy;
                const int n = (((c >> 8) & 0xFF) - 5) / 10;
                ASSERT_TRUE(n >= 0 && n < 16) << std::hex << c;
                open[cx][cy] = table[n];
                if ((c >> 16) == 200) {
                    ++starts;
                    EXPECT_TRUE(cx >= 1 && cx <= 4 && cy == 1) << "the start cell is off the border";
                }
            }
        EXPECT_EQ(starts, 1);
        int passages = 0;
        for (int cx = 0; cx < 6; ++cx)
            for (int cy = 0; cy < 3; ++cy) {
                EXPECT_NE(open[cx][cy], 0u);
                EXPECT_EQ(bool(open[cx][cy] & TileMaze::Right), cx < 5 && (open[cx + 1][cy] & TileMaze::Left));
                EXPECT_EQ(bool(open[cx][cy] & TileMaze::Down), cy < 2 && (open[cx][cy + 1] & TileMaze::Up));
                EXPECT_FALSE(cx == 0 && (open[cx][cy] & TileMaze::Left));
                EXPECT_FALSE(cy == 0 && (open[cx][cy] & TileMaze::Up));
                passages += bool(open[cx][cy] & TileMaze::Right) + bool(open[cx][cy] & TileMaze::Down);
            }
        EXPECT_EQ(passages, 17) << "a perfect maze over 18 cells";
    }
}

TEST_F(ShopperTest, SameSeedSameMapInEveryThemeWithTheReservedPixels) {
    useBuildArt();
    useBuildThemes();
    for (const Layout layout : {Layout::City, Layout::Maze}) {
        for (int theme = 0; theme < mapState.themeCount; theme += 2) {
            test::params.themeChoice = theme;
            auto a = run(11, layout);
            auto b = run(11, layout);
            SCOPED_TRACE(theme);
            EXPECT_TRUE(test::samePixels(a->image.get(), b->image.get()));
            EXPECT_EQ(a->image->sx, 1920);
            EXPECT_EQ(a->image->sy, 696);
            EXPECT_EQ(at(*a, 0, 0), 0);
            EXPECT_EQ(at(*a, 959, 695), MARKER);
            EXPECT_EQ(a->markerX, 959);
            EXPECT_EQ(a->markerY, 695);
            // Land was textured: hardly any plain white is left.
            int white = 0;
            for (int y = 0; y < 696; y += 4)
                for (int x = 0; x < 1920; x += 4) white += at(*a, x, y) == WHITE;
            EXPECT_LT(white, 50);
        }
        EXPECT_FALSE(test::samePixels(run(11, layout)->image.get(), run(12, layout)->image.get()));
    }
}

TEST(ShopperOpenings, OnlyStretchesLongerThan20ClosedByLandAreCut) {
    // Air 10..30 (last - first = 20), land at 31, air 32..53 (21), land at 54, air to the end.
    auto air = [](int r) { return r != 31 && r != 54 && r >= 10; };
    std::vector<std::pair<int, int>> cuts;
    brambex::srand(1);
    findOpenings(0, 100, 1, air, [&](int first, int last) { cuts.emplace_back(first, last); });
    EXPECT_EQ(cuts, (std::vector<std::pair<int, int>>{{32, 53}})) << "55..99 is still open at the end";
}

// The shop buildings' openings (open windows, doors) show the dark inside: none is a hole a
// character fits in, which would be a room closed off from the rest of the map.
TEST_F(ShopperTest, NoShopBuildingHoldsAClosedRoom) {
    useBuildArt();
    int buildings = 0;
    for (int n = 0;; ++n) {
        ImagePtr large = loadPng(shopperFolder() / "objects" / "large" / (std::to_string(n) + ".png"));
        if (!large) break;
        ++buildings;
        // The building on a floor in open air, as a map shows it.
        ImagePtr map = test::solidPicture(large->sx + 100, large->sy + 60, 0);
        for (int y = large->sy + 40; y < map->sy; ++y)
            for (int x = 0; x < map->sx; ++x) map->tpixels[y][x] = WHITE;
        for (int y = 0; y < large->sy; ++y)
            for (int x = 0; x < large->sx; ++x) map->tpixels[y + 40][x + 50] = trueColourAt(large.get(), x, y) & 0xFFFFFF;
        EXPECT_EQ(measurePlayability(map.get(), CourseKind::None).sealedRooms, 0) << "building " << n;
    }
    EXPECT_GT(buildings, 0);
}
