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
    EXPECT_TRUE(fs::exists(data / "cavern" / "filecheck.dat"));
    EXPECT_TRUE(fs::exists(data / "island" / "filecheck.dat"));
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
