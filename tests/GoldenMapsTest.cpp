// A map's code is its identity: every code of the table must keep making the same pixels in
// every version whose type has the code's recipe epoch. Each row is a code and its finished map
// reduced to a 64-bit hash. A change to a recipe or its artwork that alters any map of the
// current epoch fails here: then raise the type's epoch (generators/TypeTable.cpp), run with
// BRAMBEX_GOLDEN_PRINT=1 to get the rows of the new epoch, add them, and keep the old rows as the
// record of what their epoch made (they are no longer made). Say why in the commit message.
//
// On a mismatch the new map and a difference picture against the last map that passed (kept in
// the build folder) are written to <build>/golden/, so a person can see what changed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "generators/MapRecipe.h"
#include "generators/Run.h"
#include "generators/TypeTable.h"
#include "map/ProcessState.h"
#include "map/Files.h"
#include "map/Themes.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

struct GoldenRow {
    const char* code;
    std::uint64_t hash;
};

// Rows of Manual mode (the theme as given) first, then Random mode (the theme, Bow and Arrow's
// algorithm, Fort's brick and Shopper's layout drawn from the seed, out of the build's 6 themes).
// clang-format off
const GoldenRow goldenRows[] = {
    {"BX1-cavern.1-1-t0-1920x696-c50-n1-o50-w0-EYA3", 0xb63ef497d918b085ull},
    {"BX1-cavern.1-2-t3-1920x696-c100-n3-o100-w0-4QVY", 0x931b2662b0579405ull},
    {"BX1-cavern.1-3-t5-2400x1200-c20-n2-o80-w0-7ZCB", 0x519a6421b55df437ull},
    {"BX1-island.1-1-t1-1920x696-c150-n1-o80-w0-B4N1", 0x66f9494404098c52ull},
    {"BX1-island.1-4-t4-1920x696-c50-n3-o100-w0-372F", 0xc74e73d0171a1a5dull},
    {"BX1-island.1-6-t2-3000x1000-c90-n2-o60-w0-FVF1", 0x17b0c4eb581372ebull},
    {"BX1-bna.1-1-t0-1920x696-o25-s0-a0-w0-9S59", 0x7ab7f79eefbd9c1full},
    {"BX1-bna.1-2-t0-3840x1392-o50-s5-a1-w0-F4GK", 0xdf58407d51238e7aull},
    {"BX1-fort.1-1-t0-b0-w0-C01K", 0x95653591622ae209ull},
    {"BX1-fort.1-2-t0-b2-w0-206R", 0x7fc178b6472a6eedull},
    {"BX1-roper.1-1-t0-w0-KPDM", 0xfd680693ffa7e7caull},
    {"BX1-roper.1-2-t4-w0-9C0G", 0xbca0dfb2b188d9abull},
    {"BX1-ssrace.1-1-t1-1920x696-p70-c20-m0-w0-EN6T", 0xd56385175b2d58daull},
    {"BX1-ssrace.1-2-t2-1920x2880-p90-c35-m0-w0-TM66", 0x0f5863d2d8c1a8e5ull},
    {"BX1-ssrace.1-3-t5-1920x1392-p70-c20-m2-w0-V05F", 0x78d435c9a4e526c9ull},
    {"BX1-wfw.1-1-r0-p50-w0-K6RY", 0x468c13f1956800f3ull},
    {"BX1-wfw.1-2-r0-p40-w0-V7X6", 0x45e7eefbda2170d9ull},
    {"BX1-rr.1-1-t0-1920x696-p232-b0-w0-WKS4", 0x702662e8ab3007f6ull},
    {"BX1-rr.1-2-t4-1920x696-p174-b1-w0-ERMX", 0x3364eb2682db5567ull},
    {"BX1-rr.1-3-t2-3000x1400-p300-b0-w0-QG0Z", 0x7d6a8bc4a4d332ecull},
    {"BX1-ss.1-1-t1-1920x696-p232-d1-o50-w0-6WDW", 0x00198035c1358d15ull},
    {"BX1-ss.1-2-t3-1920x2880-p300-d2-o100-w0-CQX9", 0x87c3fc8c8be4fe17ull},
    {"BX1-shopper.1-1-t0-o50-l0-w0-Z0AH", 0x85a391b4cebb0ec1ull},
    {"BX1-shopper.1-2-t3-o100-l0-w0-3C5E", 0xa1477737596612ebull},
    {"BX1-shopper.1-3-t5-o50-l1-w0-JYYP", 0x460164f1557bba7full},
    {"BX1-shopper.1-4-t1-o10-l1-w0-A6GN", 0x03266497989306f8ull},
    {"BX1-cavern.1-11-r6-1920x696-c50-n1-o50-w0-88JX", 0xa7e355d2265f0808ull},
    {"BX1-island.1-12-r6-1920x696-c150-n1-o80-w0-CRPR", 0x6dbf002a38da6440ull},
    {"BX1-bna.1-13-r6-1920x696-o25-s0-w0-HKVX", 0x1f3d4287dcbdd2caull},
    {"BX1-bna.1-14-r6-1920x696-o25-s2-w0-MFVY", 0xe3734c044ca31053ull},
    {"BX1-fort.1-15-r0-w0-A6A3", 0xac4f02cfd1a3cc93ull},
    {"BX1-fort.1-16-r0-w0-RF2Z", 0xd9a20d60cf20461dull},
    {"BX1-roper.1-17-r6-w0-WS5D", 0xc868676230639bf9ull},
    {"BX1-rr.1-18-r6-1920x696-p232-b0-w0-3H71", 0x902bcd0ddec309afull},
    {"BX1-shopper.1-19-r6-o50-w0-3YEC", 0x5bf1e65a96d4d57dull},
    {"BX1-shopper.1-23-r6-o50-w0-MBE6", 0x47d66a27489fc00dull},
    {"BX1-ssrace.1-21-r6-1920x696-p70-c20-m0-w0-T2NB", 0xa232960d434aaa7aull},
    {"BX1-ss.1-22-r6-1920x696-p232-d1-o50-w0-W9G7", 0xaa2c80879846174cull},
    {"BX1-ssrace.1-4-t3-1920x1392-p70-c20-m1-w0-35AQ", 0x20ec4ed6a86a94a7ull},
    // Fort, epoch 2: pieces in four styles (keep, towers, town, ruin); its epoch 1 rows above are
    // the record of the earlier pieces.
    {"BX1-fort.2-1-t0-b0-w0-049S", 0x79e3ae5370b792d5ull},
    {"BX1-fort.2-2-t0-b2-w0-9VAW", 0x01137d7878973165ull},
    {"BX1-fort.2-15-r0-w0-FJF2", 0xf96b85c2eaf64fddull},
    {"BX1-fort.2-16-r0-w0-VRRP", 0x4c70f62394bc956full},
    // Mirror on: the left half made and mirrored onto the right.
    {"BX1-cavern.1-31-t2-1920x696-c50-n1-o50-w0-mi-4EC7", 0x831c564ce470e6eeull},
    {"BX1-island.1-32-t2-1920x696-c50-n1-o80-w0-mi-0ZBY", 0x03985ac61f016206ull},
    {"BX1-bna.1-33-t2-3840x1392-o25-s0-a0-w0-mi-DP1V", 0x96b8663508dea549ull},
    {"BX1-roper.1-34-t2-w0-mi-WZXT", 0x826ae069ff38646dull},
    {"BX1-shopper.1-35-t2-o10-l0-w0-mi-X4N9", 0xbeb5b695214dc685ull},
    {"BX1-wfw.1-36-r0-p20-w0-mi-TQS0", 0x162f923f7cba47ffull},
    {"BX1-island.1-37-r6-1920x696-c50-n1-o80-w0-mi-43XC", 0x7dbbfa7261c78fdeull},
};
// clang-format on

// FNV-1a over the size and every pixel value.
std::uint64_t pictureHash(gdImagePtr im) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    auto mix = [&h](std::uint32_t v) {
        h ^= v;
        h *= 0x100000001b3ull;
    };
    mix(static_cast<std::uint32_t>(im->sx));
    mix(static_cast<std::uint32_t>(im->sy));
    for (int y = 0; y < im->sy; ++y)
        for (int x = 0; x < im->sx; ++x) mix(static_cast<std::uint32_t>(trueColourAt(im, x, y)));
    return h;
}

// What the table says of a row whose map hashed to `hash`: empty when it still makes its map.
std::string verdict(const GoldenRow& row, const MapRecipe& recipe, std::uint64_t hash) {
    if (hash == row.hash) return {};
    const TypeRow& type = typeRow(recipe.type);
    return formatText("%s no longer makes its map (hash 0x%016llx, table 0x%016llx). Every code of epoch %d must keep "
                      "its map: if this change is meant, raise %s's epoch in generators/TypeTable.cpp to %d and add the "
                      "rows BRAMBEX_GOLDEN_PRINT=1 prints for it (keep these rows as the record of epoch %d).",
                      row.code, static_cast<unsigned long long>(hash), static_cast<unsigned long long>(row.hash),
                      recipe.epoch, std::string(type.info().listText).c_str(), type.epoch + 1, recipe.epoch);
}

// The changed pixels in magenta over a dimmed copy of the new map.
ImagePtr differencePicture(gdImagePtr before, gdImagePtr after) {
    ImagePtr diff = createTrueColour(after->sx, after->sy);
    for (int y = 0; y < after->sy; ++y)
        for (int x = 0; x < after->sx; ++x) {
            const int c = trueColourAt(after, x, y);
            const bool same = x < before->sx && y < before->sy && trueColourAt(before, x, y) == c;
            const int dim = packColour(gdTrueColorGetRed(c) / 4, gdTrueColorGetGreen(c) / 4, gdTrueColorGetBlue(c) / 4);
            diff->tpixels[y][x] = same ? dim : packColour(255, 0, 255);
        }
    return diff;
}

class GoldenMapsTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        // The build's own data: themes and every type's artwork.
        test::useAllBuildData(root);
        countThemes();
    }

    std::unique_ptr<Map> make(const MapRecipe& recipe) {
        RunRequest request;
        request.recipe = recipe;
        request.folders = currentFolders();
        return runMap(request).map;
    }
};

}  // namespace

TEST_F(GoldenMapsTest, EveryCodeOfTodaysEpochsStillMakesItsMap) {
    const fs::path out = fs::path(BRAMBEX_BUILD_DIR) / "golden";
    fs::create_directories(out / "passed");
    const bool print = std::getenv("BRAMBEX_GOLDEN_PRINT") != nullptr;
    for (const GoldenRow& row : goldenRows) {
        const ParsedCode parsed = parseMapCode(row.code);
        if (!parsed.recipe) {
            // A row of an earlier epoch is the record of what that epoch made: no longer made.
            ASSERT_TRUE(parsed.todaysRecipe) << row.code << ": " << parsed.error;
            ASSERT_LT(parsed.epoch, typeRow(parsed.todaysRecipe->type).epoch) << row.code << ": an epoch this build does not have";
            if (print) {
                auto g = make(*parsed.todaysRecipe);
                std::printf("    {\"%s\", 0x%016llxull},\n", mapCode(*parsed.todaysRecipe).c_str(),
                            static_cast<unsigned long long>(pictureHash(g->image.get())));
            }
            continue;
        }
        auto g = make(*parsed.recipe);
        ASSERT_TRUE(g && g->image) << row.code;
        EXPECT_EQ(g->code, row.code) << "the map carries the code it was made from";
        const std::uint64_t hash = pictureHash(g->image.get());
        const std::string name = std::string(row.code);
        const fs::path passed = out / "passed" / (name + ".png");
        if (print) std::printf("    {\"%s\", 0x%016llxull},\n", row.code, static_cast<unsigned long long>(hash));
        const std::string problem = verdict(row, *parsed.recipe, hash);
        if (problem.empty()) {
            if (!fs::exists(passed)) test::writePng(g->image.get(), passed);
            continue;
        }
        ADD_FAILURE() << problem << " New map and difference picture in " << out.string();
        test::writePng(g->image.get(), out / (name + "-new.png"));
        if (ImagePtr before = loadPng(passed)) {
            if (!before->trueColor) gdImagePaletteToTrueColor(before.get());
            test::writePng(differencePicture(before.get(), g->image.get()).get(), out / (name + "-difference.png"));
        }
    }
}

TEST(GoldenTable, EveryTypeHasRowsOfItsEpochInBothModesAtTheStandardSizeAndAnother) {
    std::map<MapType, std::set<std::pair<int, int>>> sizes;
    std::map<MapType, std::set<bool>> modes;
    for (const GoldenRow& row : goldenRows) {
        const ParsedCode parsed = parseMapCode(row.code);
        if (!parsed.recipe) continue;
        EXPECT_EQ(mapCode(*parsed.recipe), row.code) << "a row's code is written as the program writes it";
        sizes[parsed.recipe->type].insert({parsed.recipe->width, parsed.recipe->height});
        modes[parsed.recipe->type].insert(parsed.recipe->theme.manual);
    }
    for (const TypeRow& type : typeTable()) {
        ASSERT_TRUE(sizes.count(type.type)) << type.className << " has no golden rows of epoch " << type.epoch;
        EXPECT_TRUE(sizes[type.type].count({1920, 696})) << type.className;
        if (type.type != MapType::WforW) {  // its maps do not depend on the mode
            EXPECT_EQ(modes[type.type].size(), 2u) << type.className << " needs rows in Manual and in Random mode";
        }
        if (!type.windowFixedSize) {
            EXPECT_GE(sizes[type.type].size(), 2u) << type.className << " needs another size";
        }
    }
}

TEST(GoldenTable, AChangedMapIsToldToRaiseItsTypesEpoch) {
    for (const GoldenRow& row : goldenRows) {
        const std::optional<MapRecipe> recipe = parseMapCode(row.code).recipe;
        if (!recipe) continue;
        EXPECT_EQ(verdict(row, *recipe, row.hash), "");
        const std::string told = verdict(row, *recipe, row.hash ^ 1);
        const TypeRow& type = typeRow(recipe->type);
        EXPECT_NE(told.find("raise " + std::string(type.info().listText) + "'s epoch"), std::string::npos) << told;
        EXPECT_NE(told.find(formatText("to %d", type.epoch + 1)), std::string::npos) << told;
        EXPECT_NE(told.find(row.code), std::string::npos) << told;
    }
}

TEST(GoldenTable, TheHashSeesEveryPixel) {
    ImagePtr a = test::solidPicture(40, 30, 0x123456);
    const std::uint64_t before = pictureHash(a.get());
    a->tpixels[29][39] = 0x123457;
    EXPECT_NE(pictureHash(a.get()), before);
    ImagePtr b = test::solidPicture(30, 40, 0x123456);
    EXPECT_NE(pictureHash(b.get()), before) << "the size counts";
}
