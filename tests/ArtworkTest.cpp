#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "map/Files.h"
#include "map/GdImage.h"
#include "map/ThemeObjects.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

// The data folder the build drew beside the executable, checked against what the program
// relies on.
namespace {

const fs::path data = fs::path(BRAMBEX_BUILD_DIR) / "data";

fs::path themeDir(int n) { return data / "generic" / "themes" / std::to_string(n); }

int themeCount() {
    int n = 0;
    while (fs::exists(themeDir(n) / "soil.png")) ++n;
    return n;
}

bool isReserved(int c) {
    c &= 0xFFFFFF;
    return c == 0xFFFFFF || c == 0xFF0000 || c == 0x00FF00 || c == 0x0000FF || c == 0xFF00FF ||
           c == packColour(242, 24, 204) || c == packColour(240, 24, 204);
}

// Mean difference of neighbouring columns inside the tile, and across the seam where the
// last column meets the first of the next copy.
void seams(gdImagePtr im, bool alongX, double& inside, double& seam) {
    const int n = alongX ? im->sx : im->sy, m = alongX ? im->sy : im->sx;
    auto at = [&](int i, int j) { return alongX ? im->tpixels[j][i] : im->tpixels[i][j]; };
    auto diff = [&](int a, int b) {
        double d = 0;
        for (int j = 0; j < m; ++j) {
            const int p = at(a, j), q = at(b, j);
            d += std::abs(gdTrueColorGetRed(p) - gdTrueColorGetRed(q)) + std::abs(gdTrueColorGetGreen(p) - gdTrueColorGetGreen(q)) +
                 std::abs(gdTrueColorGetBlue(p) - gdTrueColorGetBlue(q));
        }
        return d / m;
    };
    inside = 0;
    for (int i = 0; i + 1 < n; ++i) inside += diff(i, i + 1);
    inside /= (n - 1);
    seam = diff(n - 1, 0);
}

}  // namespace

TEST(Artwork, ThemesAreNumberedWithoutGapsAndComplete) {
    const int n = themeCount();
    ASSERT_GE(n, 6);
    std::set<std::string> names;
    for (int t = 0; t < n; ++t) {
        SCOPED_TRACE("theme " + std::to_string(t));
        for (const char* file : {"soil.png", "grass.png", "roots.png", "settings.txt", "name.txt"})
            EXPECT_TRUE(fs::exists(themeDir(t) / file)) << file;
        std::ifstream nameFile(themeDir(t) / "name.txt");
        std::string first;
        nameFile >> first;
        EXPECT_FALSE(first.empty());
        names.insert(first);
        std::ifstream settings(themeDir(t) / "settings.txt");
        std::string word;
        int id = 0;
        settings >> word >> id;
        EXPECT_EQ(word, "themeid:");
        EXPECT_GT(id, 0);
    }
    EXPECT_EQ(static_cast<int>(names.size()), n) << "every theme has its own name";
}

TEST(Artwork, SoilTilesWithoutSeamsAndTexturesUseNoReservedColour) {
    for (int t = 0; t < themeCount(); ++t) {
        SCOPED_TRACE("theme " + std::to_string(t));
        ImagePtr soil = loadPng(themeDir(t) / "soil.png");
        ASSERT_TRUE(soil);
        ASSERT_TRUE(soil->trueColor);
        EXPECT_GE(soil->sx, 64);
        EXPECT_LE(soil->sx, 256);
        EXPECT_GE(soil->sy, 64);
        EXPECT_LE(soil->sy, 256);
        for (bool alongX : {true, false}) {
            double inside = 0, seam = 0;
            seams(soil.get(), alongX, inside, seam);
            EXPECT_LE(seam, inside * 1.6 + 4.0) << (alongX ? "left-right seam" : "top-bottom seam");
        }
        for (int y = 0; y < soil->sy; ++y)
            for (int x = 0; x < soil->sx; ++x) {
                ASSERT_NE(soil->tpixels[y][x] & 0xFFFFFF, 0) << "empty colour in soil at " << x << "," << y;
                ASSERT_FALSE(isReserved(soil->tpixels[y][x])) << x << "," << y;
            }
        for (const char* strip : {"grass.png", "roots.png"}) {
            ImagePtr im = loadPng(themeDir(t) / strip);
            ASSERT_TRUE(im) << strip;
            ASSERT_GE(im->transparent, 0) << strip << " has a transparent colour";
            int clear = 0, drawn = 0;
            for (int y = 0; y < im->sy; ++y)
                for (int x = 0; x < im->sx; ++x) {
                    const int c = trueColourAt(im.get(), x, y);
                    if (c == im->transparent) {
                        ++clear;
                        continue;
                    }
                    ++drawn;
                    ASSERT_NE(c & 0xFFFFFF, 0) << strip;
                    ASSERT_FALSE(isReserved(c)) << strip;
                }
            EXPECT_GT(clear, 0) << strip;
            EXPECT_GT(drawn, im->sx) << strip;
        }
    }
}

TEST(Artwork, ObjectsStandOnTheirSurfaceOnAKeyBackground) {
    const std::pair<const char*, ObjectKind> folders[] = {
        {"floor", ObjectKind::Floor}, {"roof", ObjectKind::Roof}, {"left", ObjectKind::Left}, {"right", ObjectKind::Right}};
    for (int t = 0; t < themeCount(); ++t)
        for (const auto& [folder, kind] : folders) {
            SCOPED_TRACE("theme " + std::to_string(t) + " " + folder);
            const fs::path dir = themeDir(t) / "objects" / folder;
            int count = 0;
            while (fs::exists(dir / (std::to_string(count) + ".png"))) ++count;
            EXPECT_GE(count, 5);
            int files = 0;
            for (const auto& e : fs::directory_iterator(dir)) files += e.is_regular_file();
            EXPECT_EQ(files, count) << "numbered from 0 without gaps";
            for (int i = 0; i < count; ++i) {
                ImagePtr im = loadPng(dir / (std::to_string(i) + ".png"));
                ASSERT_TRUE(im) << i;
                EXPECT_GE(std::min(im->sx, im->sy), 24) << i;
                EXPECT_LE(std::max(im->sx, im->sy), 200) << i;
                int key = 0;
                for (int y = 0; y < im->sy; ++y)
                    for (int x = 0; x < im->sx; ++x) {
                        const int c = trueColourAt(im.get(), x, y);
                        if ((c & 0xFFFFFF) == 0) ++key;
                        else ASSERT_FALSE(isReserved(c)) << i << " at " << x << "," << y;
                        ASSERT_EQ(gdTrueColorGetAlpha(c), 0) << "opaque pixels only";
                    }
                EXPECT_GT(key, 0) << i;
                EXPECT_GT(probeObjectPicture(im.get(), kind).span, 0) << "object " << i << " can be placed";
            }
        }
}

TEST(Artwork, InterfacePicturesMarkersAndScratchFolder) {
    for (const char* name : {"main.bmp", "gen1.bmp", "gen2.bmp"}) {
        std::FILE* f = std::fopen((data / "interface" / name).c_str(), "rb");
        ASSERT_NE(f, nullptr) << name;
        ImagePtr im(gdImageCreateFromBmp(f));
        std::fclose(f);
        EXPECT_TRUE(im) << name;
    }
    EXPECT_TRUE(fs::is_directory(data / "temp"));
    for (const char* type : {"bna", "cavern", "fort", "island", "roper", "rr", "shopper", "ssrace", "supersheeper", "wfw"})
        EXPECT_TRUE(fs::exists(data / type / "filecheck.dat")) << type;
}

namespace {

std::vector<ImagePtr> numberedPictures(const fs::path& folder) {
    std::vector<ImagePtr> v;
    for (int n = 0; fs::exists(folder / (std::to_string(n) + ".png")); ++n) {
        v.push_back(loadPng(folder / (std::to_string(n) + ".png")));
        if (!v.back()) ADD_FAILURE() << folder << " " << n;
        else if (!v.back()->trueColor) gdImagePaletteToTrueColor(v.back().get());
    }
    return v;
}

int pixel(gdImagePtr im, int x, int y) { return im->tpixels[y][x] & 0xFFFFFF; }

}  // namespace

// Where the Shopper map puts each kind of picture, and what must hold for it to look right there.
TEST(Artwork, ShopperPiecesFitWhereTheMapPutsThem) {
    const fs::path objects = data / "shopper" / "objects";
    for (const char* folder : {"large", "city/top", "city/side", "city/side/extras", "roof"})
        EXPECT_GE(numberedPictures(objects / folder).size(), 4u) << folder;
    // Whole shops: at most 500 wide, standing on solid ground in their bottom row.
    for (const auto& im : numberedPictures(objects / "large")) {
        EXPECT_LE(im->sx, 500);
        EXPECT_EQ(pixel(im.get(), im->sx / 2, im->sy - 1), 0xFFFFFF);
    }
    // Roof-line pieces and the filler between them: 130 high, land along the whole bottom row.
    auto tops = numberedPictures(objects / "city/top");
    tops.push_back(loadPng(objects / "city/top/blank.png"));
    for (const auto& im : tops) {
        ASSERT_TRUE(im);
        EXPECT_EQ(im->sy, 130);
        for (int x = 0; x < im->sx; ++x) EXPECT_EQ(pixel(im.get(), x, 129), 0xFFFFFF) << x;
    }
    // Wall pieces end in plain wall on their inner side, so the building closes behind them.
    int cutting = 0;
    for (const auto& im : numberedPictures(objects / "city/side")) {
        bool cut = false;
        for (int y = 0; y < im->sy; ++y) {
            cut = cut || pixel(im.get(), 0, y) == 0;
            EXPECT_EQ(pixel(im.get(), im->sx - 1, y), 0xFFFFFF) << y;
        }
        cutting += cut;
    }
    EXPECT_GE(cutting, 4) << "balconies and bays give the sides places to stand";
    // Signs hang from their right edge, ceiling objects from their top row; they keep their
    // colours (no land white, nothing reserved).
    for (const auto& [folder, attached] : {std::pair{"city/side/extras", 'r'}, std::pair{"roof", 't'}}) {
        for (const auto& im : numberedPictures(objects / folder)) {
            bool touches = false;
            for (int y = 0; y < im->sy; ++y)
                for (int x = 0; x < im->sx; ++x) {
                    const int c = pixel(im.get(), x, y);
                    if (c == 0) continue;
                    ASSERT_FALSE(isReserved(c)) << folder << " " << x << "," << y;
                    touches = touches || (attached == 'r' ? x == im->sx - 1 : y == 0);
                }
            EXPECT_TRUE(touches) << folder;
        }
    }
    // Arcade tiles: 320 x 232; every border is solid or has the same opening, so any two
    // facing tiles join (start tiles too).
    const unsigned openings[16] = {0, 1, 3, 11, 7, 5, 13, 9, 2, 6, 14, 10, 4, 12, 8, 15};
    std::string edges[4];  // the air pattern of an open top, right, bottom and left border
    for (const char* folder : {"tile", "tile/start"}) {
        const auto tiles = numberedPictures(data / "shopper" / folder);
        ASSERT_EQ(tiles.size(), 16u) << folder;
        for (int k = 0; k < 16; ++k) {
            gdImagePtr t = tiles[static_cast<std::size_t>(k)].get();
            ASSERT_EQ(t->sx, 320);
            ASSERT_EQ(t->sy, 232);
            for (int side = 0; side < 4; ++side) {
                std::string pattern;
                const int n = side % 2 ? 232 : 320;
                for (int i = 0; i < n; ++i) {
                    const int x = side == 1 ? 319 : side == 3 ? 0 : i, y = side == 0 ? 0 : side == 2 ? 231 : i;
                    pattern += pixel(t, x, y) == 0 ? '.' : '#';
                }
                const bool open = openings[k] & (1u << side);
                EXPECT_EQ(pattern.find('.') != std::string::npos, open) << folder << " " << k << " side " << side;
                if (!open) continue;
                if (edges[side].empty()) edges[side] = pattern;
                EXPECT_EQ(pattern, edges[side]) << folder << " " << k << " side " << side;
            }
        }
    }
    EXPECT_EQ(edges[0], edges[2]);
    EXPECT_EQ(edges[1], edges[3]);
}

TEST(Artwork, DrawingTwiceGivesTheSameBytes) {
    const fs::path base = fs::temp_directory_path() / ("brambex-artwork-" + std::to_string(::getpid()));
    fs::remove_all(base);
    for (const char* run : {"a", "b"}) {
        const std::string cmd = std::string("\"") + BRAMBEX_ARTWORK_TOOL + "\" \"" + (base / run).string() + "\"";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    int files = 0;
    for (const auto& e : fs::recursive_directory_iterator(base / "a")) {
        if (!e.is_regular_file()) continue;
        const fs::path other = base / "b" / fs::relative(e.path(), base / "a");
        Bytes x, y;
        ASSERT_TRUE(readWholeFile(e.path(), x));
        ASSERT_TRUE(readWholeFile(other, y)) << other;
        EXPECT_EQ(x, y) << e.path();
        ++files;
    }
    EXPECT_GT(files, 6 * 25);
    fs::remove_all(base);
}
