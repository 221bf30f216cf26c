#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "map/ProcessState.h"
#include "shell/Startup.h"
#include "shell/TypeSettings.h"
#include "generators/TypeTable.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

class SettingsTest : public test::TempWorkspace {
protected:
    fs::path file(MapType type) { return root / "data" / std::string(typeFolder(type)) / "settings.dat"; }
    void write(MapType type, const std::string& text) {
        fs::create_directories(file(type).parent_path());
        std::ofstream(file(type)) << text;
    }
    std::string read(MapType type) {
        std::ifstream in(file(type));
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
};

}  // namespace

TEST_F(SettingsTest, KeysMatchByContainingAndOnlyInRange) {
    write(MapType::Cavern, "maxwidth 1000\nheight 20\ncomplexity 50\nobjects -1\n");
    test::params.height = 696;
    test::params.complexity = 20;
    test::params.objects = 50;
    loadTypeSettings(MapType::Cavern, test::params);
    EXPECT_EQ(test::params.width, 1000) << "\"maxwidth\" contains \"width\"";
    EXPECT_EQ(test::params.height, 696) << "below 32";
    EXPECT_EQ(test::params.complexity, 20) << "Cavern takes 100 to 1000";
    EXPECT_EQ(test::params.objects, 50);
    write(MapType::Cavern, "complexity 100\n");
    loadTypeSettings(MapType::Cavern, test::params);
    EXPECT_EQ(test::params.complexity, 100);

    write(MapType::BnA, "objects 60\n");
    loadTypeSettings(MapType::BnA, test::params);
    EXPECT_EQ(test::params.bnaObjects, 25) << "Bow and Arrow takes 0 to 50";
    write(MapType::BnA, "objects 30\n");
    loadTypeSettings(MapType::BnA, test::params);
    EXPECT_EQ(test::params.bnaObjects, 30);
    EXPECT_EQ(test::params.objects, 50) << "the Bow and Arrow count is its own";
}

TEST_F(SettingsTest, TheFirstContainedKeyDecidesInReaderOrder) {
    // Both "width" and "height" are in the word; width comes first and 700 is a good width.
    write(MapType::Island, "widthheight 700\nislandsobjectsnumislands 7\n");
    test::params.height = 696;
    test::params.numIslands = 1;
    test::params.objects = 50;
    loadTypeSettings(MapType::Island, test::params);
    EXPECT_EQ(test::params.width, 700);
    EXPECT_EQ(test::params.height, 696);
    EXPECT_EQ(test::params.objects, 7) << "Island's reader tries objects before numislands";
    EXPECT_EQ(test::params.numIslands, 1);
    // A word matching the first key with a number out of its range is not tried on others.
    write(MapType::Island, "objectsnumislands 500\n");
    loadTypeSettings(MapType::Island, test::params);
    EXPECT_EQ(test::params.numIslands, 1);
    EXPECT_EQ(test::params.objects, 7);
}

TEST_F(SettingsTest, OnlyTheFirstFiftyOneLinesAreRead) {
    std::string text;
    for (int i = 0; i < 50; ++i) text += "junk 1\n";
    write(MapType::Cavern, text + "width 1000\nheight 800\n");
    loadTypeSettings(MapType::Cavern, test::params);
    EXPECT_EQ(test::params.width, 1000) << "line 51";
    EXPECT_EQ(test::params.height, 696) << "line 52 is ignored";
    // A line longer than 255 characters is read in pieces, each counting as a line.
    write(MapType::Cavern, std::string(300, 'x') + " 5\nheight 720\n");
    loadTypeSettings(MapType::Cavern, test::params);
    EXPECT_EQ(test::params.height, 720);
}

TEST_F(SettingsTest, WrittenInTheFixedOrderAndReadBack) {
    for (MapType type : {MapType::Island, MapType::Cavern, MapType::RR, MapType::WforW, MapType::SuperSheepRace,
                         MapType::SuperSheeper, MapType::Shopper})
        fs::create_directories(file(type).parent_path());
    test::params.width = 2400;
    test::params.height = 800;
    test::params.complexity = 120;
    test::params.numIslands = 3;
    test::params.objects = 66;
    ASSERT_EQ(saveTypeSettings(MapType::Island, test::params), std::nullopt);
    EXPECT_EQ(read(MapType::Island), "width 2400\nheight 800\ncomplexity 120\nnumislands 3\nobjects 66\n");
    ASSERT_EQ(saveTypeSettings(MapType::Cavern, test::params), std::nullopt);
    EXPECT_EQ(read(MapType::Cavern), "width 2400\nheight 800\ncomplexity 120\nobjects 66\n");
    test::params.noTopSoil = true;
    test::params.pathSize = 300;
    ASSERT_EQ(saveTypeSettings(MapType::RR, test::params), std::nullopt);
    EXPECT_EQ(read(MapType::RR), "width 2400\nheight 800\npath 300\nsoil 1\n");
    test::params.pads = 45;
    ASSERT_EQ(saveTypeSettings(MapType::WforW, test::params), std::nullopt);
    EXPECT_EQ(read(MapType::WforW), "pads 45\n");
    ASSERT_EQ(saveTypeSettings(MapType::SuperSheepRace, test::params), std::nullopt);
    EXPECT_EQ(read(MapType::SuperSheepRace), "width 2400\nheight 800\npath 300\ncomplexity 120\nsmoothing 0\n");
    ASSERT_EQ(saveTypeSettings(MapType::SuperSheeper, test::params), std::nullopt);
    EXPECT_EQ(read(MapType::SuperSheeper), "width 2400\nheight 800\npath 300\npadding 1\nobjects 66\n");
    ASSERT_EQ(saveTypeSettings(MapType::Shopper, test::params), std::nullopt);
    EXPECT_EQ(read(MapType::Shopper), "objects 66\n");

    test::params = GenerationParameters{};
    loadTypeSettings(MapType::RR, test::params);
    EXPECT_TRUE(test::params.noTopSoil);
    EXPECT_EQ(test::params.pathSize, 300);
    write(MapType::RR, "soil 0\n");
    loadTypeSettings(MapType::RR, test::params);
    EXPECT_FALSE(test::params.noTopSoil);
}

TEST_F(SettingsTest, FortAndRoperFilesHoldNoSizeAndRoperOnlyItsMirror) {
    for (MapType type : {MapType::Fort, MapType::Roper}) {
        write(type, "width 1000\n");
        loadTypeSettings(type, test::params);
        EXPECT_EQ(test::params.width, 1920);
        ASSERT_EQ(saveTypeSettings(type, test::params), std::nullopt);
        EXPECT_EQ(read(type), "") << "a map that is not mirrored writes nothing";
    }
    write(MapType::Roper, "mirror 1\n");
    loadTypeSettings(MapType::Roper, test::params);
    EXPECT_EQ(test::params.mirror, 1);
    ASSERT_EQ(saveTypeSettings(MapType::Roper, test::params), std::nullopt);
    EXPECT_EQ(read(MapType::Roper), "mirror 1\n");
    // Fort has no Mirror: a line of it is not read.
    test::params.mirror = 0;
    write(MapType::Fort, "mirror 1\n");
    loadTypeSettings(MapType::Fort, test::params);
    EXPECT_EQ(test::params.mirror, 0);
}

// Mirror is written only when on, so the files written before it are written the same; a file
// without its line is of a map that is not mirrored, whatever was chosen before it was read.
TEST_F(SettingsTest, MirrorIsWrittenWhenOnAndAFileWithoutItIsNotMirrored) {
    write(MapType::Cavern, "");
    test::params.mirror = 1;
    ASSERT_EQ(saveTypeSettings(MapType::Cavern, test::params), std::nullopt);
    EXPECT_NE(read(MapType::Cavern).find("mirror 1\n"), std::string::npos);
    test::params.mirror = 0;
    loadTypeSettings(MapType::Cavern, test::params);
    EXPECT_EQ(test::params.mirror, 1);
    write(MapType::Cavern, "width 2400\n");
    loadTypeSettings(MapType::Cavern, test::params);
    EXPECT_EQ(test::params.mirror, 0);
}

TEST_F(SettingsTest, ReadOnlyOrMissingFolderSaysSoAndKeepsTheFile) {
    write(MapType::Cavern, "width 1000\n");
    chmod(file(MapType::Cavern).c_str(), 0444);
    const Failure refused = saveTypeSettings(MapType::Cavern, test::params);
    EXPECT_EQ(read(MapType::Cavern), "width 1000\n");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->caption, "File write error");
    EXPECT_EQ(refused->text, "Unable to open " + file(MapType::Cavern).string() + " for writing, is file set as read only?");
    EXPECT_TRUE(saveTypeSettings(MapType::Shopper, test::params)) << "data/shopper does not exist";
    // Reading a missing file is silent and changes nothing.
    const GenerationParameters before = test::params;
    loadTypeSettings(MapType::Shopper, test::params);
    EXPECT_EQ(test::params.objects, before.objects);
}

TEST_F(SettingsTest, LaterLinesOverrideEarlierOnesOnlyWhenInRange) {
    write(MapType::SuperSheepRace, "smoothing 2\npath 80\npath 10\nsmoothing 3\n");
    loadTypeSettings(MapType::SuperSheepRace, test::params);
    EXPECT_EQ(test::params.pathSize, 80);
    EXPECT_EQ(test::params.smoothing, 2);
}

TEST_F(SettingsTest, InstalledTypesGetConsecutivePositions) {
    EXPECT_EQ(detectInstalledTypes(), "none");
    for (const char* folder : {"island", "cavern", "shopper"}) {
        fs::create_directories(root / "data" / folder);
        std::ofstream(root / "data" / folder / "filecheck.dat");
    }
    // A type is installed exactly when its marker file opens.
    EXPECT_EQ(detectInstalledTypes(), "cavern=Cavern;island=Island;shopper=Shopper;");
    EXPECT_TRUE(installedTypes.installed(MapType::Shopper));
    EXPECT_FALSE(installedTypes.installed(MapType::BnA));
    EXPECT_EQ(installedTypes.listIndex(MapType::Cavern), 0);
    EXPECT_EQ(installedTypes.listIndex(MapType::Island), 1);
    EXPECT_EQ(installedTypes.listIndex(MapType::Shopper), 2);
    fs::remove(root / "data" / "island" / "filecheck.dat");
    EXPECT_EQ(detectInstalledTypes(), "cavern=Cavern;shopper=Shopper;");
    EXPECT_EQ(installedTypes.listIndex(MapType::Shopper), 1);
}
