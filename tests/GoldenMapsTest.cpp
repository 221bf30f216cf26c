// A stored seed is a map's identity: the same seed, theme and parameters must keep giving the same
// pixels. Each row below is a finished map reduced to a 64-bit hash. When a recipe change is meant
// to alter old maps, run with BRAMBEX_GOLDEN_PRINT=1 to get the new rows, change the table in the
// same commit and say why in its message.
//
// On a mismatch the new map and a difference picture against the last map that passed (kept in
// the build folder) are written to <build>/golden/, so a person can see what changed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "generators/TypeTable.h"
#include "map/Generator.h"
#include "generators/Fort.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "generators/Run.h"
#include "map/Themes.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

struct GoldenRow {
    MapType type;
    std::uint32_t seed;
    int theme;
    const char* parameters;  // "key=value ..." over GenerationParameters
    std::uint64_t hash;
};

// clang-format off
const GoldenRow goldenRows[] = {
    {MapType::Cavern, 1, 0, "width=1920 height=696 complexity=50 numIslands=1 objects=50", 0xb63ef497d918b085ull},
    {MapType::Cavern, 2, 3, "width=1920 height=696 complexity=100 numIslands=3 objects=100", 0x931b2662b0579405ull},
    {MapType::Cavern, 3, 5, "width=2400 height=1200 complexity=20 numIslands=2 objects=80", 0x519a6421b55df437ull},
    {MapType::Island, 1, 1, "width=1920 height=696 complexity=150 numIslands=1 objects=80", 0x66f9494404098c52ull},
    {MapType::Island, 4, 4, "width=1920 height=696 complexity=50 numIslands=3 objects=100", 0xc74e73d0171a1a5dull},
    {MapType::Island, 6, 2, "width=3000 height=1000 complexity=90 numIslands=2 objects=60", 0x17b0c4eb581372ebull},
    {MapType::BnA, 1, 0, "width=1920 height=696 bnaObjects=25 bnaStyle=0 bnaAlgorithm=0", 0x7ab7f79eefbd9c1full},
    {MapType::BnA, 2, 0, "width=3840 height=1392 bnaObjects=50 bnaStyle=5 bnaAlgorithm=1", 0xdf58407d51238e7aull},
    {MapType::Fort, 1, 0, "fortBrick=0", 0x95653591622ae209ull},
    {MapType::Fort, 2, 0, "fortBrick=2", 0x7fc178b6472a6eedull},
    {MapType::Roper, 1, 0, "", 0xfd680693ffa7e7caull},
    {MapType::Roper, 2, 4, "", 0xbca0dfb2b188d9abull},
    {MapType::SuperSheepRace, 1, 1, "width=1920 height=696 pathSize=70 complexity=20 smoothing=0", 0xd56385175b2d58daull},
    {MapType::SuperSheepRace, 2, 2, "width=1920 height=2880 pathSize=90 complexity=35 smoothing=0", 0x0f5863d2d8c1a8e5ull},
    {MapType::SuperSheepRace, 3, 5, "width=1920 height=1392 pathSize=70 complexity=20 smoothing=2", 0x78d435c9a4e526c9ull},
    {MapType::WforW, 1, 0, "pads=50", 0x468c13f1956800f3ull},
    {MapType::WforW, 2, 0, "pads=40", 0x45e7eefbda2170d9ull},
    {MapType::RR, 1, 0, "width=1920 height=696 pathSize=232 noTopSoil=0", 0x702662e8ab3007f6ull},
    {MapType::RR, 2, 4, "width=1920 height=696 pathSize=174 noTopSoil=1", 0x3364eb2682db5567ull},
    {MapType::RR, 3, 2, "width=3000 height=1400 pathSize=300 noTopSoil=0", 0x7d6a8bc4a4d332ecull},
    {MapType::SuperSheeper, 1, 1, "width=1920 height=696 pathSize=232 padding=1 objects=50", 0x00198035c1358d15ull},
    {MapType::SuperSheeper, 2, 3, "width=1920 height=2880 pathSize=300 padding=2 objects=100", 0x87c3fc8c8be4fe17ull},
    {MapType::Shopper, 1, 0, "shopperLayout=0 objects=50", 0x85a391b4cebb0ec1ull},
    {MapType::Shopper, 2, 3, "shopperLayout=0 objects=100", 0xa1477737596612ebull},
    {MapType::Shopper, 3, 5, "shopperLayout=1 objects=50", 0x460164f1557bba7full},
    {MapType::Shopper, 4, 1, "shopperLayout=1 objects=10", 0x03266497989306f8ull},
    // Random mode: the theme, Bow and Arrow's algorithm, Fort's brick and Shopper's layout drawn.
    {MapType::Cavern, 11, 0, "width=1920 height=696 complexity=50 numIslands=1 objects=50 manualMode=0", 0xa7e355d2265f0808ull},
    {MapType::Island, 12, 0, "width=1920 height=696 complexity=150 numIslands=1 objects=80 manualMode=0", 0x6dbf002a38da6440ull},
    {MapType::BnA, 13, 0, "width=1920 height=696 bnaObjects=25 bnaStyle=0 bnaAlgorithm=0 manualMode=0", 0x1f3d4287dcbdd2caull},
    {MapType::BnA, 14, 0, "width=1920 height=696 bnaObjects=25 bnaStyle=2 bnaAlgorithm=0 manualMode=0", 0xe3734c044ca31053ull},
    {MapType::Fort, 15, 0, "manualMode=0", 0xac4f02cfd1a3cc93ull},
    {MapType::Fort, 16, 0, "manualMode=0", 0xd9a20d60cf20461dull},
    {MapType::Roper, 17, 0, "manualMode=0", 0xc868676230639bf9ull},
    {MapType::RR, 18, 0, "width=1920 height=696 pathSize=232 noTopSoil=0 manualMode=0", 0x902bcd0ddec309afull},
    {MapType::Shopper, 19, 0, "objects=50 manualMode=0", 0x5bf1e65a96d4d57dull},
    {MapType::Shopper, 23, 0, "objects=50 manualMode=0", 0x47d66a27489fc00dull},
    {MapType::SuperSheepRace, 21, 0, "width=1920 height=696 pathSize=70 complexity=20 smoothing=0 manualMode=0", 0xa232960d434aaa7aull},
    {MapType::SuperSheeper, 22, 0, "width=1920 height=696 pathSize=232 padding=1 objects=50 manualMode=0", 0xaa2c80879846174cull},
    // Smoothing 1, between the two above.
    {MapType::SuperSheepRace, 4, 3, "width=1920 height=1392 pathSize=70 complexity=20 smoothing=1", 0x20ec4ed6a86a94a7ull},
};
// clang-format on

// The parameter names a row may set.
const std::map<std::string, int GenerationParameters::*>& intFields() {
    static const std::map<std::string, int GenerationParameters::*> fields{
        {"width", &GenerationParameters::width},           {"height", &GenerationParameters::height},
        {"objects", &GenerationParameters::objects},       {"bnaObjects", &GenerationParameters::bnaObjects},
        {"complexity", &GenerationParameters::complexity}, {"pathSize", &GenerationParameters::pathSize},
        {"padding", &GenerationParameters::padding},       {"pads", &GenerationParameters::pads},
        {"numIslands", &GenerationParameters::numIslands}, {"smoothing", &GenerationParameters::smoothing},
        {"bnaStyle", &GenerationParameters::bnaStyle},     {"bnaAlgorithm", &GenerationParameters::bnaAlgorithm},
        {"shopperLayout", &GenerationParameters::shopperLayout}, {"fortBrick", &GenerationParameters::fortBrick},
    };
    return fields;
}

// Rows are made in Manual mode unless they say "manualMode=0".
GenerationParameters parseParameters(const std::string& text) {
    GenerationParameters p;
    p.manualMode = true;
    std::istringstream in(text);
    std::string item;
    while (in >> item) {
        const auto eq = item.find('=');
        const std::string key = item.substr(0, eq);
        const int value = std::atoi(item.c_str() + eq + 1);
        if (key == "noTopSoil" || key == "manualMode" || key == "keepSeed" || key == "fortGrass") {
            (key == "noTopSoil" ? p.noTopSoil : key == "manualMode" ? p.manualMode : key == "keepSeed" ? p.keepSeed : p.fortGrass) =
                value != 0;
            continue;
        }
        const auto field = intFields().find(key);
        if (field == intFields().end()) {
            ADD_FAILURE() << "unknown golden parameter " << key;
            continue;
        }
        p.*(field->second) = value;
    }
    return p;
}

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

std::string rowName(const GoldenRow& row, const Generator& g) {
    return std::string(typeFolder(row.type)) + "_seed" + std::to_string(row.seed) + "_theme" +
           std::to_string(row.theme) + "_" + std::to_string(g.width) + "x" + std::to_string(g.height);
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
        test::makeTempFolder();
        // The build's own data: themes and every type's artwork.
        for (const auto& entry : fs::directory_iterator(fs::path(BRAMBEX_BUILD_DIR) / "data")) {
            const auto name = entry.path().filename();
            if (name != "temp") fs::create_directory_symlink(entry.path(), root / "data" / name);
        }
        countThemes();
    }

    // Makes the map of a row the way a run from the window or the command line does.
    std::unique_ptr<Generator> make(const GoldenRow& row, std::optional<FortMemory> memory = std::nullopt) {
        RunRequest request;
        request.type = row.type;
        request.parameters = parseParameters(row.parameters);
        request.parameters.themeChoice = row.theme;
        request.seed = row.seed;
        request.themeCount = mapState.themeCount;
        request.folders = currentFolders();
        request.fortMemory = std::move(memory);
        return runMap(request).map;
    }
};

}  // namespace

TEST_F(GoldenMapsTest, StoredSeedsStillMakeTheirMaps) {
    const fs::path out = fs::path(BRAMBEX_BUILD_DIR) / "golden";
    fs::create_directories(out / "passed");
    const bool print = std::getenv("BRAMBEX_GOLDEN_PRINT") != nullptr;
    for (const GoldenRow& row : goldenRows) {
        auto g = make(row);
        ASSERT_TRUE(g->image) << row.parameters;
        const std::uint64_t hash = pictureHash(g->image.get());
        const std::string name = rowName(row, *g);
        const fs::path passed = out / "passed" / (name + ".png");
        if (print) {
            std::printf("    {MapType::%s, %u, %d, \"%s\", 0x%016llxull},\n", std::string(typeRow(row.type).className).c_str(),
                        row.seed, row.theme, row.parameters, static_cast<unsigned long long>(hash));
        }
        if (hash == row.hash) {
            if (!fs::exists(passed)) test::writePng(g->image.get(), passed);
            continue;
        }
        ADD_FAILURE() << name << ": the map of this seed changed (hash 0x" << std::hex << hash << ", table 0x" << row.hash
                      << "); new map and difference picture in " << out.string();
        test::writePng(g->image.get(), out / (name + "-new.png"));
        if (ImagePtr before = loadPng(passed)) {
            if (!before->trueColor) gdImagePaletteToTrueColor(before.get());
            test::writePng(differencePicture(before.get(), g->image.get()).get(), out / (name + "-difference.png"));
        }
    }
}

// Modify keeps a map's seed, so it remakes the golden map of that seed: with Fort's memory of
// that map, with and without Grass, and in Random mode, where the brick is drawn after the pieces.
TEST_F(GoldenMapsTest, FortModifyOfAGoldenMapMakesThatMapAgain) {
    for (const GoldenRow& row : goldenRows) {
        if (row.type != MapType::Fort) continue;
        auto fresh = make(row);
        ASSERT_TRUE(fresh);
        const FortMemory memory = dynamic_cast<Fort&>(*fresh).memory;
        ASSERT_TRUE(memory.valid);
        for (const char* modify : {" keepSeed=1", " keepSeed=1 fortGrass=1"}) {
            const std::string parameters = std::string(row.parameters) + modify;
            const GoldenRow modified{row.type, row.seed, row.theme, parameters.c_str(), row.hash};
            auto again = make(modified, memory);
            ASSERT_TRUE(again);
            EXPECT_EQ(pictureHash(again->image.get()), row.hash) << row.seed << modify;
        }
    }
}

TEST(GoldenTable, EveryMapTypeHasRowsAtTheStandardSizeAndAnother) {
    std::map<MapType, std::set<std::pair<int, int>>> sizes;
    for (const GoldenRow& row : goldenRows) {
        const GenerationParameters p = parseParameters(row.parameters);
        sizes[row.type].insert({p.width, p.height});
    }
    for (const TypeRow& type : typeTable()) {
        ASSERT_TRUE(sizes.count(type.type)) << type.className << " has no golden rows";
        EXPECT_TRUE(sizes[type.type].count({1920, 696})) << type.className;
        if (!type.windowFixedSize) {
            EXPECT_GE(sizes[type.type].size(), 2u) << type.className << " needs another size";
        }
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
