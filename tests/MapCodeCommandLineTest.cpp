// Every map goes with its code: codes made into maps by the program as a user runs it, the code
// read back from the file, and the file's map made again from it, pixel for pixel.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "generators/MapRecipe.h"
#include "generators/TypeTable.h"
#include "map/Files.h"
#include "map/GdImage.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapLoader.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

using test::Outcome;
using test::slurp;

// A start folder with the build's themes and every type's artwork (linked piece by piece, so a
// settings file written here stays here).
class MapCodeRuns : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        fs::create_directories(root / "data" / "temp");
        const fs::path built = fs::path(BRAMBEX_BUILD_DIR) / "data";
        for (const char* shared : {"generic", "interface"}) fs::create_directory_symlink(built / shared, root / "data" / shared);
        for (const TypeRow& row : typeTable()) {
            const fs::path own = root / "data" / std::string(row.info().folder);
            fs::create_directories(own);
            for (const auto& entry : fs::directory_iterator(built / std::string(row.info().folder)))
                if (entry.path().filename() != "settings.dat")
                    fs::create_symlink(entry.path(), own / entry.path().filename());
        }
    }
    Outcome run(const std::string& args) { return test::runProgram(BRAMBEX_EXE, root, args); }
};

// A recipe of `type` with random values within their ranges; the size kept within what a test
// makes quickly (the code's full ranges are the unit tests'), the theme among the build's six.
MapRecipe randomRecipe(MapType type, std::mt19937& random) {
    auto between = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    MapRecipe r = recipeFrom(type, GenerationParameters{}, static_cast<std::uint32_t>(random()), 6);
    r.theme.manual = between(0, 1) == 1;
    r.theme.theme = between(0, 5);
    r.theme.count = between(0, 6);
    const SizeRange size = sizeRange(type);
    r.width = between(size.minWidth, std::min(size.maxWidth, 2000));
    r.height = between(size.minHeight, std::min(size.maxHeight, 1400));
    const std::vector<RecipeField> fields = recipeFields(type);
    for (std::size_t i = 0; i < fields.size(); ++i) setFieldValue(r, i, between(fields[i].min, fields[i].max));
    r.waterColour = between(0, 4);
    r.fullColour = between(0, 4) == 0;
    return canonical(r);
}

class EveryType : public MapCodeRuns, public ::testing::WithParamInterface<MapType> {};

std::string typeName(const ::testing::TestParamInfo<MapType>& info) {
    return std::string(typeRow(info.param).className);
}

}  // namespace

TEST_P(EveryType, TwentyRandomCodesMakeTheirMapsAndTheFilesGiveTheCodesBack) {
    std::mt19937 random(1000 + static_cast<unsigned>(GetParam()));
    for (int k = 0; k < 20; ++k) {
        const std::string code = mapCode(randomRecipe(GetParam(), random));
        SCOPED_TRACE(code);
        const fs::path file = root / ("map" + std::to_string(k) + ".png");
        const Outcome made = run("--code " + code + " --out '" + file.string() + "'");
        ASSERT_EQ(made.code, 0) << made.err;
        EXPECT_NE(made.out.find("Code: " + code + "\n"), std::string::npos) << made.out;
        const Outcome info = run("--info '" + file.string() + "'");
        ASSERT_EQ(info.code, 0) << info.err;
        EXPECT_NE(info.out.find("Code: " + code + "\n"), std::string::npos) << info.out;
        const Outcome verified = run("--verify '" + file.string() + "'");
        EXPECT_EQ(verified.code, 0) << verified.out << verified.err;
        EXPECT_NE(verified.out.find("the same"), std::string::npos) << verified.out;
    }
}

INSTANTIATE_TEST_SUITE_P(MapCode, EveryType,
                         ::testing::Values(MapType::BnA, MapType::Cavern, MapType::Fort, MapType::Island, MapType::Roper,
                                           MapType::RR, MapType::Shopper, MapType::SuperSheepRace, MapType::SuperSheeper,
                                           MapType::WforW),
                         typeName);

TEST_F(MapCodeRuns, ASettingsFileChangesNothingACodeMakes) {
    const std::string code = mapCode(recipeFrom(MapType::Cavern, GenerationParameters{}, 4242, 6));
    ASSERT_EQ(run("--code " + code + " --out plain.png").code, 0);
    std::ofstream(root / "data" / "cavern" / "settings.dat") << "width 2400\nheight 1000\ncomplexity 500\nobjects 5\n";
    ASSERT_EQ(run("-t cavern --seed 4242 --out settled.png").code, 0);
    const Outcome again = run("--code " + code + " --out again.png");
    ASSERT_EQ(again.code, 0) << again.err;
    Bytes plain, settled, coded;
    ASSERT_TRUE(readWholeFile(root / "plain.png", plain));
    ASSERT_TRUE(readWholeFile(root / "settled.png", settled));
    ASSERT_TRUE(readWholeFile(root / "again.png", coded));
    EXPECT_EQ(plain, coded) << "the same file, byte for byte";
    EXPECT_NE(plain, settled) << "the settings file does change what -t makes";
    EXPECT_NE(readMapCode(settled).find("2400x1000-c500"), std::string::npos) << readMapCode(settled);
}

TEST_F(MapCodeRuns, ACodeThatCannotBeMadeHereMakesNothing) {
    const int epoch = typeRow(MapType::Cavern).epoch;
    const std::string payload = "BX1-cavern." + std::to_string(epoch + 1) + "-5-t1-1920x696-c50-n1-o50-w0";
    Outcome r = run("--code " + payload + "-" + mapCodeCheck(payload) + " --out x.png");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("epoch " + std::to_string(epoch + 1)), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(root / "x.png"));

    std::string typo = mapCode(recipeFrom(MapType::Cavern, GenerationParameters{}, 5, 6));
    typo[12] = typo[12] == '7' ? '8' : '7';
    r = run("--code " + typo + " --out x.png");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("typing error"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(root / "x.png"));

    GenerationParameters manual;
    manual.manualMode = true;
    manual.themeChoice = 40;
    r = run("--code " + mapCode(recipeFrom(MapType::Cavern, manual, 5, 6)) + " --out x.png");
    EXPECT_EQ(r.code, 2) << "a theme that is not installed, as --theme says";
    EXPECT_NE(r.err.find("theme 40 is not installed"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(root / "x.png"));

    EXPECT_EQ(run("--code " + typo + " --seed 5").code, 2) << "the code says everything: no options beside it";
    EXPECT_EQ(run("-t cavern --code " + typo).code, 2);
}

TEST_F(MapCodeRuns, VerifyTellsAnEditedOrReplacedMapAndAFileWithoutACode) {
    const std::string code = mapCode(recipeFrom(MapType::Island, GenerationParameters{}, 77, 6));
    ASSERT_EQ(run("--code " + code + " --out map.png").code, 0);
    ASSERT_EQ(run("--verify map.png").code, 0);

    // One palette entry nudged, as the map editor does: the land is the same, the colours not.
    Bytes file;
    ASSERT_TRUE(readWholeFile(root / "map.png", file));
    ImagePtr picture = loadPng(root / "map.png");
    ASSERT_TRUE(picture && !picture->trueColor);
    picture->red[5] ^= 2;
    Map edited;
    edited.image = std::move(picture);
    edited.seed = 77;
    edited.code = code;
    edited.markerX = edited.image->sx / 2 - 1;
    edited.markerY = edited.image->sy - 1;
    ASSERT_EQ(saveMap(edited, root / "edited.png", false), std::nullopt);
    Outcome r = run("--verify edited.png");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("pixels differ"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("the land is the same, the palette differs"), std::string::npos) << r.out;

    // Another map's pixels under this code.
    const std::string other = mapCode(recipeFrom(MapType::Island, GenerationParameters{}, 78, 6));
    ASSERT_EQ(run("--code " + other + " --out other.png").code, 0);
    Bytes otherFile;
    ASSERT_TRUE(readWholeFile(root / "other.png", otherFile));
    ImagePtr otherPicture = decodePng(otherFile);
    Map swapped;
    swapped.image = std::move(otherPicture);
    swapped.code = code;
    swapped.seed = 77;
    ASSERT_EQ(saveMap(swapped, root / "swapped.png", true), std::nullopt);
    r = run("--verify swapped.png");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("the land differs"), std::string::npos) << r.out;

    test::writePng(test::solidPicture(64, 32, 0x336699).get(), root / "plain.png");
    r = run("--verify plain.png");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("has no map code"), std::string::npos) << r.err;
    EXPECT_EQ(run("--verify missing.png").code, 2);
}
