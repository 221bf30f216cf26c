#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "map/EdgeMap.h"
#include "map/Generator.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/ThemeObjects.h"
#include "map/Themes.h"
#include "shell/Messages.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

constexpr int WHITE = 0xFFFFFF;
constexpr int GRASS = 0x22AA22, ROOTS = 0x885522;

class Canvas : public Generator {
public:
    Canvas(int w, int h, MapType type = MapType::Cavern) : Generator(type, commonSettingsOf(test::params), w, h) {
        themeCount = mapState.themeCount;
        folders = currentFolders();
        image = createTrueColour(w, h);
        allocateKeyColours();
    }
    void land(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) image->tpixels[y][x] = WHITE;
    }
    int at(int x, int y) const { return image->tpixels[y][x]; }
};

class ThemesTest : public test::TempWorkspace {
protected:
    fs::path theme(int n) { return root / "data" / "generic" / "themes" / std::to_string(n); }

    void writeText(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << text;
    }
    // A texture strip: `rows` coloured rows over transparent (0,0,0) rows, `width` wide.
    void writeStrip(const fs::path& p, int width, int height, int rows, int colour, bool transparentBelow) {
        auto im = test::solidPicture(width, height, 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (transparentBelow ? y < rows : y >= height - rows) im->tpixels[y][x] = colour + y;
        gdImageColorTransparent(im.get(), 0);
        test::writePng(im.get(), p);
    }
    // Grass rows 0..gh-1 all opaque (colour GRASS + row), roots likewise.
    void makeTextures(int n, int gh, int rh) {
        writeStrip(theme(n) / "grass.png", 8, gh, gh, GRASS, true);
        writeStrip(theme(n) / "roots.png", 8, rh, rh, ROOTS, false);
    }
    void makeSoil(int n, int size = 16) {
        auto soil = test::solidPicture(size, size, 0);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) soil->tpixels[y][x] = packColour(100 + x, 50 + y, 7);
        test::writePng(soil.get(), theme(n) / "soil.png");
    }
};

}  // namespace

TEST_F(ThemesTest, CountStopsAtTheFirstGapAndWarnsOnceWhenThereAreNone) {
    std::vector<std::string> shown;
    setWarningSink([&](const UserError& e) { shown.push_back(e.caption + "|" + e.text); });
    EXPECT_EQ(recountThemes(), 0);
    EXPECT_EQ(recountThemes(), 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("Missing files|There are no themes installed!\nSome map types require the theme pack, "
                             "this can be found at ", 0),
              0u);
    EXPECT_NE(shown[0].find("README"), std::string::npos);

    for (int n : {0, 1, 3}) makeSoil(n);
    EXPECT_EQ(countThemes(), 2);
    fs::create_directories(theme(2) / "soil.png");  // a folder is not a soil picture
    EXPECT_EQ(countThemes(), 2);
    EXPECT_EQ(mapState.themeCount, 2);
    Canvas g(10, 10);
    for (unsigned seed = 0; seed < 200; ++seed) {
        brambex::srand(seed);
        EXPECT_LT(g.pickTheme(), 2);
    }
}

TEST_F(ThemesTest, ThemeIdComesFromTheLastWellFormedLine) {
    Canvas g(10, 10);
    g.themeNumber = 2;
    writeText(theme(2) / "settings.txt", "name: rocks\nthemeid: 12\n");
    g.loadThemeSettings();
    EXPECT_EQ(g.themeId, 12);
    writeText(theme(2) / "settings.txt", "themeid:12\n");
    g.themeId = 5;
    g.loadThemeSettings();
    EXPECT_EQ(g.themeId, 5) << "without the blank the word is not \"themeid:\"";
    writeText(theme(2) / "settings.txt", "themeid: 3\nthemeid: 9\n");
    g.loadThemeSettings();
    EXPECT_EQ(g.themeId, 9);
    writeText(theme(2) / "settings.txt", "themeid: many\n");
    g.loadThemeSettings();
    EXPECT_EQ(g.themeId, 0) << "a number that does not parse gives 0";
    // Long lines are read in pieces of 31 characters; a piece can start with the key.
    writeText(theme(2) / "settings.txt", std::string(31, 'x') + "themeid: 44\n");
    g.loadThemeSettings();
    EXPECT_EQ(g.themeId, 44);
}

TEST_F(ThemesTest, LevelKindTwoForRoperWhateverItsListPositionEvenWithoutSettings) {
    Canvas roper(10, 10, MapType::Roper), other(10, 10, MapType::Island);
    roper.typeIndex = 3;  // a partial install lists Roper earlier
    other.typeIndex = 4;
    roper.themeNumber = other.themeNumber = 7;  // no such theme
    roper.loadThemeSettings();
    other.loadThemeSettings();
    EXPECT_EQ(roper.levelKind, 2);
    EXPECT_EQ(other.levelKind, 0);
}

TEST_F(ThemesTest, SoilTilesUnderLandAndKeepsEverythingElse) {
    makeSoil(0, 16);
    Canvas g(250, 130);
    g.land(0, 60, 249, 129);
    g.image->tpixels[70][70] = 0x123456;  // decoration stays
    g.applySoil(theme(0) / "soil.png");
    for (int y = 60; y < 130; ++y)
        for (int x = 0; x < 250; ++x) {
            if (x == 70 && y == 70) continue;
            ASSERT_EQ(g.at(x, y), packColour(100 + x % 16, 50 + y % 16, 7)) << x << "," << y;
        }
    EXPECT_EQ(g.at(70, 70), 0x123456);
    EXPECT_EQ(g.at(10, 10), 0);
    // A missing soil picture leaves the map as it was.
    Canvas h(20, 20);
    h.land(0, 10, 19, 19);
    h.applySoil(theme(5) / "soil.png");
    EXPECT_EQ(h.at(3, 15), WHITE);
}

TEST_F(ThemesTest, OversizedOrDamagedArtCountsAsMissing) {
    test::writePng(test::solidPicture(9000, 2, packColour(90, 90, 90)).get(), theme(0) / "soil.png");
    Canvas g(20, 20);
    g.land(0, 10, 19, 19);
    g.applySoil(theme(0) / "soil.png");
    EXPECT_EQ(g.at(3, 15), WHITE) << "wider than any theme art may be";
    writeText(theme(1) / "soil.png", "not a picture");
    g.applySoil(theme(1) / "soil.png");
    EXPECT_EQ(g.at(3, 15), WHITE);
}

TEST_F(ThemesTest, SoilOfSixtyFourCoversAWholeStandardMap) {
    makeSoil(0, 64);
    Canvas g(1920, 696);
    g.land(0, 0, 1919, 695);
    g.applySoil(theme(0) / "soil.png");
    // 31 x 11 copies: the last ones hang over the right and bottom edges.
    for (int y : {0, 63, 64, 640, 695})
        for (int x : {0, 63, 64, 1919, 1900}) EXPECT_EQ(g.at(x, y), packColour(100 + x % 64, 50 + y % 64, 7));
}

TEST_F(ThemesTest, SoilTransparentPixelsStayEmpty) {
    auto soil = test::solidPicture(8, 8, packColour(90, 90, 90));
    soil->tpixels[2][3] = packColour(1, 2, 3);
    gdImageColorTransparent(soil.get(), packColour(1, 2, 3));
    test::writePng(soil.get(), theme(0) / "soil.png");
    Canvas g(16, 16);
    g.land(0, 0, 15, 15);
    g.applySoil(theme(0) / "soil.png");
    EXPECT_EQ(g.at(3, 2), 0);
    EXPECT_EQ(g.at(11, 10), 0);
    EXPECT_EQ(g.at(4, 2), packColour(90, 90, 90));
}

// The soil is laid in one pass over the map itself; it must equal libgd's way of making it: the
// soil tiled over a fresh picture, the map copied over that with its land colour transparent.
TEST_F(ThemesTest, SoilUnderTheMapEqualsTilingWithTheMapCopiedOver) {
    auto soil = test::solidPicture(13, 7, 0);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x) soil->tpixels[y][x] = gdTrueColorAlpha(20 + x * 9, 30 + y * 20, 77, (x + y) % 4 == 0 ? 90 : 0);
    soil->tpixels[3][5] = packColour(1, 2, 3);
    gdImageColorTransparent(soil.get(), packColour(1, 2, 3));
    gdImageSaveAlpha(soil.get(), 1);
    test::writePng(soil.get(), theme(0) / "soil.png");

    Canvas g(50, 31);
    g.land(0, 10, 49, 30);
    g.image->tpixels[12][4] = gdTrueColorAlpha(200, 10, 10, 64);  // translucent over land
    g.image->tpixels[3][8] = gdTrueColorAlpha(10, 200, 10, 100);  // translucent over air
    g.image->tpixels[20][20] = 0x123456;
    gdImageColorTransparent(g.image.get(), 0);  // a step before may have left one

    ImagePtr loaded = loadPng(theme(0) / "soil.png");
    ASSERT_TRUE(loaded);
    ImagePtr expected = createTrueColour(50, 31);
    for (int i = 0; i <= 50 / 13; ++i)
        for (int j = 0; j <= 31 / 7; ++j) gdImageCopy(expected.get(), loaded.get(), i * 13, j * 7, 0, 0, 13, 7);
    ImagePtr map = createTrueColour(50, 31);
    gdImageCopy(map.get(), g.image.get(), 0, 0, 0, 0, 50, 31);
    gdImageAlphaBlending(map.get(), 0);
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 50; ++x) map->tpixels[y][x] = g.image->tpixels[y][x];
    gdImageColorTransparent(map.get(), WHITE);
    gdImageCopy(expected.get(), map.get(), 0, 0, 0, 0, 50, 31);

    g.applySoil(theme(0) / "soil.png");
    EXPECT_TRUE(test::samePixels(g.image.get(), expected.get()));
    EXPECT_EQ(g.image->transparent, -1) << "a soiled map has no transparent colour, as a fresh picture";
}

TEST_F(ThemesTest, GrassRunsHalfTheLayerDownFromTheAirPixel) {
    makeTextures(0, 20, 20);
    Canvas g(30, 40);
    g.land(0, 10, 29, 15);  // a layer 6 pixels thick, air above (row 9) and below
    int top, bottom, left, right;
    auto edges = buildEdgeMap(g.image.get(), 0, WHITE, top, bottom, left, right);
    applyGrassAndRoots(g.image.get(), edges.get(), top, bottom, 2, currentFolders(), 0);
    // Grass: 3 pixels from the air pixel at row 9; roots: 3 pixels ending at row 15.
    EXPECT_EQ(g.at(12, 9), GRASS + 0);
    EXPECT_EQ(g.at(12, 10), GRASS + 1);
    EXPECT_EQ(g.at(12, 11), GRASS + 2);
    EXPECT_EQ(g.at(12, 12), WHITE);
    EXPECT_EQ(g.at(12, 13), ROOTS + 0);
    EXPECT_EQ(g.at(12, 14), ROOTS + 1);
    EXPECT_EQ(g.at(12, 15), ROOTS + 2);
    EXPECT_EQ(g.at(12, 8), 0);
    EXPECT_EQ(g.at(12, 16), 0);
}

TEST_F(ThemesTest, ModesMoveTheStripsAndThickLandTakesWholeTextures) {
    makeTextures(0, 6, 4);
    for (int mode : {0, 1, 2}) {
        Canvas g(20, 80);
        g.land(0, 20, 19, 59);  // 40 thick: whole textures fit
        int top, bottom, left, right;
        auto edges = buildEdgeMap(g.image.get(), 0, WHITE, top, bottom, left, right);
        applyGrassAndRoots(g.image.get(), edges.get(), top, bottom, mode, currentFolders(), 0);
        // Grass above the surface (mode 0), half above (1), or from the air pixel down (2).
        const int grassStart = 19 - (mode == 0 ? 6 : mode == 1 ? 3 : 0);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(g.at(5, grassStart + k), GRASS + k) << "mode " << mode << " row " << k;
        EXPECT_EQ(g.at(5, grassStart - 1), 0) << "mode " << mode;
        // Roots: with n = rh the factor does not matter; they end at the lowest land row, 59.
        const int rootsStart = 59 - 4 + 1;
        for (int k = 0; k < 4; ++k) EXPECT_EQ(g.at(5, rootsStart + k), ROOTS + k) << "mode " << mode;
    }
}

TEST_F(ThemesTest, StripsAreClippedAtThePictureEdgeAndSkipTransparentPixels) {
    // Half of the grass rows transparent; a surface in row 1 with mode 0 draws above row 0.
    writeStrip(theme(0) / "grass.png", 4, 10, 5, GRASS, true);
    writeStrip(theme(0) / "roots.png", 4, 10, 10, ROOTS, false);
    Canvas g(12, 40);
    g.land(0, 2, 11, 39);  // land to the bottom edge
    int top, bottom, left, right;
    auto edges = buildEdgeMap(g.image.get(), 0, WHITE, top, bottom, left, right);
    applyGrassAndRoots(g.image.get(), edges.get(), top, bottom, 0, currentFolders(), 0);
    // n = 10; the strip would start at row 1 - 10: rows below 0 are dropped, rows 5..9 of the
    // texture are transparent and leave what was there.
    EXPECT_EQ(g.at(3, 0), 0);
    EXPECT_EQ(g.at(3, 1), 0);
    EXPECT_EQ(g.at(3, 5), WHITE);

    // Land running to the bottom edge: the strip ends inside the picture, half as deep as the
    // rows left below the surface.
    writeStrip(theme(0) / "grass.png", 4, 10, 10, GRASS, true);
    Canvas low(12, 20);
    low.land(0, 14, 11, 19);  // surface air at row 13, six land rows below
    edges = buildEdgeMap(low.image.get(), 0, WHITE, top, bottom, left, right);
    applyGrassAndRoots(low.image.get(), edges.get(), top, bottom, 2, currentFolders(), 0);
    EXPECT_EQ(low.at(3, 13), GRASS + 0);
    EXPECT_EQ(low.at(3, 15), GRASS + 2);
    EXPECT_EQ(low.at(3, 16), WHITE) << "(20 - 13) / 2 = 3 rows";
}

TEST_F(ThemesTest, MissingTexturesDrawNothing) {
    writeStrip(theme(0) / "grass.png", 4, 10, 10, GRASS, true);  // no roots.png
    Canvas g(12, 30);
    g.land(0, 10, 11, 20);
    int top, bottom, left, right;
    auto edges = buildEdgeMap(g.image.get(), 0, WHITE, top, bottom, left, right);
    applyGrassAndRoots(g.image.get(), edges.get(), top, bottom, 2, currentFolders(), 0);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 12; ++x) ASSERT_EQ(g.at(x, y), y >= 10 && y <= 20 ? WHITE : 0) << x << "," << y;
}

// ------------------------------------------------------------------ theme objects

namespace {

constexpr int TREE = 0x3366AA;

// An object picture: a trunk two pixels wide at the bottom centre and a box of crown above,
// all in `colour`, on the key colour.
ImagePtr floorObject(int w, int h, int colour) {
    auto im = test::solidPicture(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool trunk = x >= w / 2 - 1 && x <= w / 2;
            const bool crown = y < h / 2;
            if (trunk || crown) im->tpixels[y][x] = colour;
        }
    return im;
}

// A wall object sticking out to the right: a bar from the left edge, off the middle (a bar
// exactly as high as the gap above it would leave no contact span).
ImagePtr rightObject(int w, int h, int colour) {
    auto im = test::solidPicture(w, h, 0);
    for (int y = h / 4; y < 2 * h / 3; ++y)
        for (int x = 0; x < w; ++x) im->tpixels[y][x] = colour;
    return im;
}

}  // namespace

class ThemeObjectsTest : public ThemesTest {
protected:
    fs::path objects(const char* folder, int i) { return theme(0) / "objects" / folder / (std::to_string(i) + ".png"); }

    // A cave: land below row 150 and above row 20, walls at both sides, air between.
    std::unique_ptr<Canvas> cave(int w = 600, int h = 220) {
        auto g = std::make_unique<Canvas>(w, h);
        g->land(0, 150, w - 1, h - 1);
        g->land(0, 0, w - 1, 20);
        g->land(0, 0, 30, h - 1);
        g->land(w - 31, 0, w - 1, h - 1);
        return g;
    }
    void place(Canvas& g, unsigned seed) {
        int top, bottom, left, right;
        auto edges = buildEdgeMap(g.image.get(), 0, WHITE, top, bottom, left, right);
        brambex::srand(seed);
        placeThemeObjects(g.image.get(), edges.get(), top, bottom, left, right, 0,
                          {currentFolders(), 0, test::params.objects, g.width, g.height});
    }
    static int count(const Canvas& g, int colour) {
        int n = 0;
        for (int y = 0; y < g.image->sy; ++y)
            for (int x = 0; x < g.image->sx; ++x) n += g.at(x, y) == colour;
        return n;
    }
};

TEST_F(ThemeObjectsTest, NoObjectsStillDrawsTheThresholdsAndLeavesTheMapAlone) {
    test::writePng(floorObject(30, 40, TREE).get(), objects("floor", 0));
    test::params.objects = 0;
    auto g = cave();
    auto reference = cave();
    place(*g, 5);
    const int next = brambex::rand();
    brambex::srand(5);
    brambex::rand();  // the first threshold
    EXPECT_NE(next, brambex::rand()) << "thresholds and chances were drawn after the first one";
    for (int y = 0; y < 220; ++y)
        for (int x = 0; x < 600; ++x) ASSERT_EQ(g->at(x, y), reference->at(x, y));
}

TEST_F(ThemeObjectsTest, ObjectsStandOnTheFloorBehindTheLandWithoutOverlapping) {
    test::writePng(floorObject(30, 40, TREE).get(), objects("floor", 0));
    test::params.objects = 100;
    auto g = cave(1400, 220);
    place(*g, 11);
    const int pixels = count(*g, TREE);
    ASSERT_GT(pixels, 0) << "at 10% per considered pixel, a 1300-pixel floor gets objects";
    // Nothing drawn over land: the land rows are still white or the trunk is hidden.
    for (int x = 31; x < 1369; ++x) EXPECT_EQ(g->at(x, 150), WHITE);
    // Each object is one 30 x 40 shape (a box of crown with a trunk); two overlapping objects
    // would make a wider shape. Columns with object pixels come in runs of at most 30.
    int run = 0, longest = 0;
    for (int x = 0; x < 1400; ++x) {
        bool any = false;
        for (int y = 21; y < 150; ++y) any = any || g->at(x, y) == TREE;
        run = any ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    EXPECT_LE(longest, 30);
    // Every object stands on the floor: its trunk reaches the air row just above the land.
    for (int x = 0; x < 1400; ++x)
        if (g->at(x, 140) == TREE) {
            EXPECT_EQ(g->at(x, 149), TREE) << "trunk at column " << x;
        }
}

// A huge object picture (each is held twice, with its mirror) counts as missing: the others
// still stand, and the run's memory stays small.
TEST_F(ThemeObjectsTest, ObjectsOverTheSizeBoundCountAsMissing) {
    test::writePng(floorObject(30, 40, TREE).get(), objects("floor", 0));
    test::writePng(floorObject(MAX_OBJECT_SIZE + 1, 40, 0x55AA33).get(), objects("floor", 1));
    test::params.objects = 100;
    auto g = cave(1400, 220);
    place(*g, 11);
    EXPECT_GT(count(*g, TREE), 0);
    EXPECT_EQ(count(*g, 0x55AA33), 0);
    EXPECT_FALSE(loadObjectArt(objects("floor", 1)));
    EXPECT_TRUE(loadArt(objects("floor", 1))) << "textures keep the larger bound";
}

TEST_F(ThemeObjectsTest, KeyAndMarkerColouredArtPixelsNeverShow) {
    auto art = floorObject(30, 40, TREE);
    art->tpixels[5][5] = 0;           // key colour inside the crown: a hole
    art->tpixels[6][6] = 0xFF0000;    // a marker colour: turned into air at the merge
    art->tpixels[7][7] = 0x00FF00;
    test::writePng(art.get(), objects("floor", 0));
    test::params.objects = 100;
    auto g = cave(1400, 220);
    place(*g, 11);
    ASSERT_GT(count(*g, TREE), 0);
    EXPECT_EQ(count(*g, 0xFF0000), 0);
    EXPECT_EQ(count(*g, 0x00FF00), 0);
    EXPECT_EQ(count(*g, 0x0000FF), 0);
    EXPECT_EQ(count(*g, 0xFF00FF), 0);
}

TEST_F(ThemeObjectsTest, OnlyRightPicturesDecorateBothWalls) {
    test::writePng(rightObject(40, 30, TREE).get(), objects("right", 0));
    test::params.objects = 100;
    auto tall = std::make_unique<Canvas>(400, 900);
    tall->land(0, 0, 30, 899);
    tall->land(369, 0, 399, 899);
    place(*tall, 3);
    int leftWall = 0, rightWall = 0;
    for (int y = 0; y < 900; ++y) {
        leftWall += tall->at(31, y) == TREE;   // sticks out right of the left wall
        rightWall += tall->at(368, y) == TREE;  // sticks out left of the right wall
    }
    EXPECT_GT(leftWall, 0);
    EXPECT_GT(rightWall, 0);
}

TEST_F(ThemeObjectsTest, SameSeedSameObjects) {
    test::writePng(floorObject(30, 40, TREE).get(), objects("floor", 0));
    test::writePng(floorObject(24, 60, 0x884422).get(), objects("floor", 1));
    test::writePng(rightObject(40, 30, 0x448822).get(), objects("right", 0));
    test::params.objects = 80;
    auto a = cave(900, 300), b = cave(900, 300), c = cave(900, 300);
    place(*a, 21);
    place(*b, 21);
    place(*c, 22);
    bool differs = false;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 900; ++x) {
            ASSERT_EQ(a->at(x, y), b->at(x, y));
            differs = differs || a->at(x, y) != c->at(x, y);
        }
    EXPECT_TRUE(differs);
}

TEST(ObjectProbe, FindsTheBaseAndItsContactSpan) {
    auto tree = floorObject(30, 40, TREE);
    const ObjectProbe p = probeObjectPicture(tree.get(), ObjectKind::Floor);
    EXPECT_EQ(p.line, 40 - 2);  // min(40 / 20, 5)
    EXPECT_EQ(p.anchor, 14 + 1);  // 14 key pixels, then a run of 2: anchor at its middle
    EXPECT_EQ(p.span, (14 - 2) / 2);
    // Lead equal to run: span 0, never placed.
    auto even = test::solidPicture(30, 40, 0);
    for (int x = 10; x < 20; ++x) even->tpixels[38][x] = TREE;
    EXPECT_EQ(probeObjectPicture(even.get(), ObjectKind::Floor).span, 0);
    // A small picture's probe line lies outside it and reads as key colour.
    auto small = test::solidPicture(10, 10, TREE);
    const ObjectProbe s = probeObjectPicture(small.get(), ObjectKind::Floor);
    EXPECT_EQ(s.line, 10);
    EXPECT_EQ(s.anchor, 5);
    EXPECT_EQ(s.span, 5);
}

TEST(ObjectPictures, NormalisingBlendsOverBlackAndMirroringFlips) {
    ImagePtr im(gdImageCreateTrueColor(4, 1));
    gdImageAlphaBlending(im.get(), 0);
    im->tpixels[0][0] = gdTrueColorAlpha(200, 100, 50, 0);
    im->tpixels[0][1] = gdTrueColorAlpha(200, 100, 50, 127);  // fully transparent
    im->tpixels[0][2] = gdTrueColorAlpha(200, 100, 50, 64);   // half
    im->tpixels[0][3] = gdTrueColorAlpha(10, 20, 30, 0);
    normaliseObjectPicture(im);
    ASSERT_TRUE(im);
    EXPECT_EQ(im->tpixels[0][0], packColour(200, 100, 50));
    EXPECT_EQ(im->tpixels[0][1], 0);
    EXPECT_EQ(gdTrueColorGetAlpha(im->tpixels[0][2]), 0);
    EXPECT_LT(gdTrueColorGetRed(im->tpixels[0][2]), 200);
    EXPECT_GT(gdTrueColorGetRed(im->tpixels[0][2]), 0);
    EXPECT_EQ(im->transparent, 0);
    ImagePtr m = mirrorObjectPicture(im.get());
    EXPECT_EQ(m->tpixels[0][3], packColour(200, 100, 50));
    EXPECT_EQ(m->tpixels[0][0], packColour(10, 20, 30));
}

// Only the start of a theme's settings.txt is read: a huge file (a downloaded theme may hold
// anything) costs nothing, and a line far down is never seen.
TEST_F(ThemesTest, OnlyTheStartOfAThemesSettingsIsRead) {
    writeText(theme(2) / "settings.txt", "themeid: 7\n" + std::string(10000, ' ') + "\nthemeid: 9\n");
    Canvas g(10, 10);
    g.themeNumber = 2;
    g.loadThemeSettings();
    EXPECT_EQ(g.themeId, 7);
    // A sparse file of 2 GiB: read no further than its start.
    writeText(theme(3) / "settings.txt", "themeid: 5\n");
    fs::resize_file(theme(3) / "settings.txt", 2ull << 30);
    g.themeNumber = 3;
    g.loadThemeSettings();
    EXPECT_EQ(g.themeId, 5);
}

// A broken theme of the user's (its soil a pipe, a link to a device, a link in a loop) is
// skipped: the installed themes all stay, and the shell says which folder it skipped.
TEST_F(ThemesTest, ABrokenUserThemeNeverHidesTheInstalledOnes) {
    for (int n = 0; n < 3; ++n) makeSoil(n);
    paths.userDataDirectory = root / "user";
    const fs::path mine = root / "user" / "generic" / "themes";
    fs::create_directories(mine / "0");
    ASSERT_EQ(mkfifo((mine / "0" / "soil.png").c_str(), 0600), 0);
    fs::create_directories(mine / "1");
    fs::create_symlink("/dev/zero", mine / "1" / "soil.png");
    fs::create_directories(mine / "2");
    fs::create_symlink(mine / "2" / "soil.png", mine / "2" / "soil.png");
    EXPECT_EQ(countThemes(), 3);
    EXPECT_EQ(themeFile(0, "soil.png"), theme(0) / "soil.png");
    std::vector<UserError> told;
    setWarningSink([&](const UserError& e) { told.push_back(e); });
    EXPECT_EQ(recountThemes(), 3);
    ASSERT_EQ(told.size(), 3u);
    EXPECT_NE(told[0].text.find((mine / "0").string()), std::string::npos) << told[0].text;
    recountThemes();
    EXPECT_EQ(told.size(), 3u) << "said once";
    // A good user theme still replaces the installed one of its number.
    fs::remove(mine / "1" / "soil.png");
    test::writePng(test::solidPicture(8, 8, 0x445566).get(), mine / "1" / "soil.png");
    EXPECT_EQ(themeFile(1, "soil.png"), mine / "1" / "soil.png");
}
