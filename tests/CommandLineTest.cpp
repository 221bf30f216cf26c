#include <gtest/gtest.h>
#include <QSettings>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "generators/TypeTable.h"
#include "map/Files.h"
#include "map/GdImage.h"
#include "mapfile/MapLoader.h"
#include "shell/ContactSheet.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

// The program run as a user runs it, in a folder of its own with the build's themes.
namespace {

using test::Outcome;
using test::slurp;

class CommandLineTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        fs::create_directories(root / "data" / "temp");
        fs::create_directory_symlink(fs::path(BRAMBEX_BUILD_DIR) / "data" / "generic", root / "data" / "generic");
        for (const char* type : {"cavern", "island"}) {
            fs::create_directories(root / "data" / type);
            std::ofstream(root / "data" / type / "filecheck.dat");
        }
    }
    Outcome run(const std::string& args, const std::string& before = "") { return test::runProgram(BRAMBEX_EXE, root, args, before); }
    fs::path temp() const { return root / "data" / "temp" / "temp.png"; }
    // Installs a type with the build's art: its parts linked one by one, so that the settings file
    // the test writes lands in this folder and not in the build's data.
    void installFromBuild(const char* type, std::initializer_list<const char*> parts) {
        fs::create_directories(root / "data" / type);
        for (const char* part : parts)
            fs::create_directory_symlink(fs::path(BRAMBEX_BUILD_DIR) / "data" / type / part, root / "data" / type / part);
        std::ofstream(root / "data" / type / "filecheck.dat");
    }
    // Runs the command and checks that it wrote a temp.png map of the given size; its output.
    Outcome expectMap(const std::string& args, int width, int height) {
        Outcome r = run(args);
        EXPECT_EQ(r.code, 0) << args << ": " << r.err;
        ImagePtr map = loadPng(temp());
        EXPECT_TRUE(map) << args;
        if (map) {
            EXPECT_EQ(map->sx, width) << args;
            EXPECT_EQ(map->sy, height) << args;
        }
        fs::remove(temp());
        return r;
    }
    static Bytes bytes(const fs::path& p) {
        Bytes b;
        readWholeFile(p, b);
        return b;
    }
};

}  // namespace

TEST_F(CommandLineTest, CavernAndIslandWriteValidMaps) {
    Outcome r = run("-T cavern");  // the switch letter is compared lower-cased
    ASSERT_EQ(r.code, 0) << r.err;
    ImagePtr map = loadPng(temp());
    ASSERT_TRUE(map);
    EXPECT_FALSE(map->trueColor);
    EXPECT_EQ(map->sx, 1920);
    EXPECT_EQ(map->sy, 696);
    int type = -1, theme = -1;
    ASSERT_TRUE(readSmallChunk(bytes(temp()), "bxRk", nullptr, &type, &theme));
    EXPECT_EQ(type, 0) << "Cavern is list position 0 when Bow and Arrow is missing";
    EXPECT_NE(r.out.find("temp.png"), std::string::npos) << "it says where the map is";
    EXPECT_TRUE(fs::exists(root / "data" / "temp" / "preview.png"));

    fs::remove(temp());
    r = run("-t island");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_TRUE(readSmallChunk(bytes(temp()), "bxRk", nullptr, &type, nullptr));
    EXPECT_EQ(type, 1);
}

TEST_F(CommandLineTest, OtherSpellingsAndSwitchesMakeNothing) {
    for (const char* args : {"-x cavern", "-t"}) {
        Outcome r = run(args);
        EXPECT_EQ(r.code, 0) << args;
        EXPECT_FALSE(fs::exists(temp())) << args;
    }
    // A type name that makes no map fails and names what is installed.
    for (const char* args : {"-t Cavern", "-t fort", "-t bna"}) {
        Outcome r = run(args);
        EXPECT_EQ(r.code, 1) << args;
        EXPECT_NE(r.err.find("installed: cavern island"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(temp())) << args;
    }
    // Without arguments the window opens; with no display to open it on, it says what to do.
    Outcome none = run("", "unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM;");
    EXPECT_EQ(none.code, 1);
    EXPECT_NE(none.err.find("brambex -t cavern"), std::string::npos) << none.err;
}

TEST_F(CommandLineTest, SeedMakesTheSameMapAgainAndOptionsApply) {
    ASSERT_EQ(run("-t island --seed 4242 --out first").code, 0);
    ASSERT_EQ(run("-t island --seed 4242 --out second.png").code, 0);
    EXPECT_EQ(bytes(root / "first.png"), bytes(root / "second.png"));
    ASSERT_EQ(run("-t island --seed 4243 --out third.png").code, 0);
    EXPECT_NE(bytes(root / "first.png"), bytes(root / "third.png"));
    std::uint32_t seed = 0;
    ASSERT_TRUE(readSmallChunk(bytes(root / "first.png"), "bxRk", &seed, nullptr, nullptr));
    EXPECT_EQ(seed, 4242u);

    ASSERT_EQ(run("-t cavern --theme 2 --full-colour --out full.png").code, 0);
    ImagePtr full = loadPng(root / "full.png");
    ASSERT_TRUE(full);
    EXPECT_TRUE(full->trueColor);
    int theme = -1;
    ASSERT_TRUE(readSmallChunk(bytes(root / "full.png"), "bxRk", nullptr, nullptr, &theme));
    EXPECT_EQ(theme, 2);
}

TEST_F(CommandLineTest, BadOptionsAreRefusedBeforeAnythingIsMade) {
    for (const char* args : {"-t cavern --bogus", "-t cavern --seed", "-t cavern --seed abc", "-t cavern --seed 99999999999",
                             "-t cavern --theme 99", "-t cavern --out"}) {
        Outcome r = run(args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_NE(r.err.find("brambex: "), std::string::npos) << args;
        EXPECT_FALSE(fs::exists(temp())) << args;
    }
}

TEST_F(CommandLineTest, SettingsFileOverridesThePresets) {
    std::ofstream(root / "data" / "cavern" / "settings.dat") << "width 800\nheight 400\n";
    expectMap("-t cavern", 800, 400);
}

TEST_F(CommandLineTest, UnwritableOutputFailsWithTheMessage) {
    std::ofstream(temp()) << "keep me";
    chmod(temp().c_str(), 0444);
    Outcome r = run("-t cavern");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("File write error: Unable to open"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(temp()), "keep me");
}

TEST_F(CommandLineTest, AMapTooLargeForMemoryEndsWithOutOfMemory) {
    std::ofstream(root / "data" / "cavern" / "settings.dat") << "width 32760\nheight 32600\n";
    Outcome r = run("-t cavern --full-colour", "ulimit -v 600000 &&");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("brambex: Out of memory"), std::string::npos) << r.err;
}

TEST_F(CommandLineTest, AMapTooLargeFor64ColoursIsRefusedBeforeTheRun) {
    std::ofstream(root / "data" / "cavern" / "settings.dat") << "width 32760\nheight 32600\n";
    Outcome r = run("-t cavern");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("too large to be reduced to 64 colours. Use \"--full-colour\""), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(temp()));
    EXPECT_FALSE(fs::exists(root / "data" / "temp" / "preview.png")) << "no run was made";
}

TEST_F(CommandLineTest, RegistryValuesNameTheTypesAndTheProgram) {
    ASSERT_EQ(run("-x").code, 0);
    const QSettings conf(QString::fromStdString((root / "config" / "Halvane" / "Brambex.conf").string()), QSettings::IniFormat);
    EXPECT_EQ(conf.value("Types").toString().toStdString(), "cavern=Cavern;island=Island;");
    EXPECT_EQ(conf.value("Path").toString().toStdString(), fs::canonical(BRAMBEX_EXE).string());
}

TEST_F(CommandLineTest, HelpAndInfo) {
    Outcome help = run("--help");
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--seed N"), std::string::npos);
    EXPECT_NE(help.out.find("TYPE (as installed): cavern island\n"), std::string::npos) << help.out;
    ASSERT_EQ(run("-t cavern --seed 77").code, 0);
    Outcome info = run("--info data/temp/temp.png");
    EXPECT_EQ(info.code, 0);
    EXPECT_NE(info.out.find("Size: 1920 x 696"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("bxRk: seed 77, list position 0"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("inDI: absent"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Marker: column 959, row 695"), std::string::npos) << info.out;
    std::ofstream(root / "junk.png") << "junk";
    EXPECT_EQ(run("--info junk.png").code, 1);
    // A picture too large to decode for a description: its header and chunks still are.
    {
        ImagePtr big(gdImageCreate(6000, 6000));
        gdImageColorAllocate(big.get(), 0, 0, 0);
        Bytes png = encodePng(big.get());
        insertBeforeIend(png, makeChunk("bxRk", Bytes{9, 0, 0, 0, 1, 2, 0, 0}));
        std::FILE* f = std::fopen((root / "big.png").c_str(), "wb");
        std::fwrite(png.data(), 1, png.size(), f);
        std::fclose(f);
    }
    Outcome large = run("--info big.png");
    EXPECT_EQ(large.code, 0) << large.err;
    EXPECT_NE(large.out.find("Size: 6000 x 6000"), std::string::npos) << large.out;
    EXPECT_NE(large.out.find("Marker: not looked for"), std::string::npos) << large.out;
    EXPECT_NE(large.out.find("bxRk: seed 9, list position 1, theme 2"), std::string::npos) << large.out;
}

TEST_F(CommandLineTest, MazeTypesUseTheirPresets) {
    for (const char* type : {"rr", "supersheeper"}) installFromBuild(type, {"tile"});
    EXPECT_NE(expectMap("-t ss --seed 3", 1920, 2880).out.find("SuperSheeper"), std::string::npos);
    // Rope Race: 232-pixel cells and No Top Soil, unless its settings file says otherwise.
    std::ofstream(root / "data" / "rr" / "settings.dat") << "width 2400\nsoil 0\n";
    expectMap("-t rr --seed 3", 2400, 696);
}

TEST_F(CommandLineTest, SuperSheepRaceAndRoperUseTheirPresets) {
    for (const char* type : {"ssrace", "roper"}) {
        fs::create_directories(root / "data" / type);
        std::ofstream(root / "data" / type / "filecheck.dat");
    }
    fs::create_directory_symlink(fs::path(BRAMBEX_BUILD_DIR) / "data" / "ssrace" / "0.png", root / "data" / "ssrace" / "0.png");
    expectMap("-t ssrace --seed 2", 1920, 2880);
    expectMap("-t roper --seed 2", 1920, 696);
}

TEST_F(CommandLineTest, ManyMapsAtOnceWithTheirSeedsInTheirNamesAndASheet) {
    fs::create_directories(root / "batch" / "brambex_cavern_502.png");  // this one cannot be written
    Outcome r = run("-t cavern --count 4 --seed 500 --out batch --sheet batch/sheet.png");
    EXPECT_EQ(r.code, 1) << "one map failed";
    EXPECT_NE(r.err.find("seed 502: FAILED"), std::string::npos) << r.err;
    for (unsigned seed : {500u, 501u, 503u}) {
        const fs::path file = root / "batch" / ("brambex_cavern_" + std::to_string(seed) + ".png");
        ImagePtr map = loadPng(file);
        ASSERT_TRUE(map) << file;
        int type = -1;
        std::uint32_t stored = 0;
        ASSERT_TRUE(readSmallChunk(bytes(file), "bxRk", &stored, &type, nullptr));
        EXPECT_EQ(stored, seed);
    }
    // Each map is the map of its seed made alone.
    ASSERT_EQ(run("-t cavern --seed 501 --out alone.png").code, 0);
    EXPECT_EQ(bytes(root / "alone.png"), bytes(root / "batch" / "brambex_cavern_501.png"));
    // The sheet: three tiles in one row (the failed map has none).
    ImagePtr sheet = loadPng(root / "batch" / "sheet.png");
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->sx, 10 + 3 * 330);
    EXPECT_EQ(run("-t cavern --count 2").code, 2) << "--count needs --out";
    EXPECT_EQ(run("-t cavern --sheet s.png").code, 2) << "--sheet needs --count";
}

// An installed program: data read beside the program, everything written in the user's folders;
// a start folder with its own data still comes first.
TEST_F(CommandLineTest, AnInstalledProgramReadsItsDataAndWritesIntoTheUsersFolders) {
    const fs::path prefix = root / "prefix";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "brambex");
    fs::copy_file(BRAMBEX_EXE, prefix / "bin" / "brambex");
    fs::create_directory_symlink(fs::path(BRAMBEX_BUILD_DIR) / "data", prefix / "share" / "brambex" / "data");
    fs::create_directories(root / "home" / "work");
    auto runInstalled = [&](const std::string& home, const std::string& args) {
        const std::string cmd = "cd '" + (root / "home" / "work").string() + "' && HOME='" + home +
                                "' XDG_CONFIG_HOME= XDG_CACHE_HOME= XDG_DATA_HOME= '" + (prefix / "bin" / "brambex").string() + "' " +
                                args + " > '" + (root / "out.txt").string() + "' 2>&1";
        return std::system(cmd.c_str());
    };
    const std::string alice = (root / "home").string();
    // The installed data is the build's data folder here: note what its scratch folder holds.
    const fs::path installedTemp = fs::path(BRAMBEX_BUILD_DIR) / "data" / "temp" / "temp.png";
    std::error_code ec;
    const auto before = fs::last_write_time(installedTemp, ec);
    ASSERT_EQ(runInstalled(alice, "-t cavern --seed 5"), 0) << slurp(root / "out.txt");
    EXPECT_TRUE(fs::exists(root / "home" / ".cache" / "brambex" / "temp.png"));
    EXPECT_TRUE(fs::exists(root / "home" / ".cache" / "brambex" / "preview.png"));
    std::error_code ec2;
    EXPECT_EQ(fs::last_write_time(installedTemp, ec2), before) << "nothing written into the installed data";
    ASSERT_EQ(runInstalled(alice, "--help"), 0);
    const std::string help = slurp(root / "out.txt");
    EXPECT_NE(help.find((prefix / "share" / "brambex" / "data").string()), std::string::npos) << help;
    EXPECT_NE(help.find((root / "home" / ".config" / "brambex" / "data").string()), std::string::npos) << help;
    // A theme the user adds to their own data folder is found after the installed ones.
    const int installedThemes = 6;
    const fs::path own = root / "home" / ".local" / "share" / "brambex" / "data" / "generic" / "themes" / std::to_string(installedThemes);
    fs::create_directories(own);
    fs::copy_file(fs::path(BRAMBEX_BUILD_DIR) / "data" / "generic" / "themes" / "0" / "soil.png", own / "soil.png");
    ASSERT_EQ(runInstalled(alice, "-t cavern --seed 5 --theme " + std::to_string(installedThemes)), 0) << slurp(root / "out.txt");
    EXPECT_NE(slurp(root / "out.txt").find("theme 6"), std::string::npos) << slurp(root / "out.txt");
    // A second user has folders of their own.
    fs::create_directories(root / "bob");
    ASSERT_EQ(runInstalled((root / "bob").string(), "-t island --seed 5"), 0);
    EXPECT_TRUE(fs::exists(root / "bob" / ".cache" / "brambex" / "temp.png"));
    // A start folder with its own data is used first.
    fs::create_directories(root / "home" / "work" / "data" / "temp");
    fs::create_directory_symlink(fs::path(BRAMBEX_BUILD_DIR) / "data" / "generic", root / "home" / "work" / "data" / "generic");
    fs::create_directories(root / "home" / "work" / "data" / "cavern");
    std::ofstream(root / "home" / "work" / "data" / "cavern" / "filecheck.dat");
    // ...but only a complete one: themes alone (no map type's marker) leave the installed data in use.
    fs::remove_all(root / "home" / "work" / "data" / "cavern");
    ASSERT_EQ(runInstalled(alice, "-t cavern --seed 6"), 0) << slurp(root / "out.txt");
    EXPECT_FALSE(fs::exists(root / "home" / "work" / "data" / "temp" / "temp.png"));
    fs::create_directories(root / "home" / "work" / "data" / "cavern");
    std::ofstream(root / "home" / "work" / "data" / "cavern" / "filecheck.dat");
    ASSERT_EQ(runInstalled(alice, "-t cavern --seed 6"), 0) << slurp(root / "out.txt");
    EXPECT_TRUE(fs::exists(root / "home" / "work" / "data" / "temp" / "temp.png"));
    fs::remove_all(root / "home" / "work" / "data");

    // Without HOME and any XDG folder there is no folder of the user's: refused, and nothing is
    // written to a shared folder instead.
    const std::string noHome = "cd '" + (root / "home" / "work").string() +
                               "' && env -u HOME XDG_CONFIG_HOME= XDG_CACHE_HOME= XDG_DATA_HOME= '" +
                               (prefix / "bin" / "brambex").string() + "' -t cavern --seed 5 > '" + (root / "out.txt").string() + "' 2>&1";
    const int refused = std::system(noHome.c_str());
    EXPECT_TRUE(WIFEXITED(refused) && WEXITSTATUS(refused) == 1) << slurp(root / "out.txt");
    EXPECT_NE(slurp(root / "out.txt").find("HOME"), std::string::npos) << slurp(root / "out.txt");
    // A cache folder someone replaced by a link is not written through.
    fs::create_directories(root / "carol" / ".cache");
    fs::create_directories(root / "elsewhere");
    fs::create_directory_symlink(root / "elsewhere", root / "carol" / ".cache" / "brambex");
    const int linked = runInstalled((root / "carol").string(), "-t cavern --seed 5");
    EXPECT_TRUE(WIFEXITED(linked) && WEXITSTATUS(linked) == 1) << slurp(root / "out.txt");
    EXPECT_TRUE(fs::is_empty(root / "elsewhere"));
}

TEST_F(CommandLineTest, WalkForWeaponsReadsItsPadsSetting) {
    installFromBuild("wfw", {"tiles", "nodes", "blocks", "pads"});
    std::ofstream(root / "data" / "wfw" / "settings.dat") << "pads 60\n";
    expectMap("-t wfw --seed 8", 1920, 696);
}

TEST_F(CommandLineTest, ShopperMakesItsFixedSizeMapWithTheMarkerPixel) {
    installFromBuild("shopper", {"objects", "tile"});
    std::ofstream(root / "data" / "shopper" / "settings.dat") << "width 3000\nobjects 70\n";
    Outcome r = run("-t shopper --seed 4 --out a.png");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Shopper, 1920 x 696, seed 4"), std::string::npos) << r.out;
    Outcome info = run("--info a.png");
    EXPECT_NE(info.out.find("Marker: column 959, row 695"), std::string::npos) << info.out;
    int type = -1;
    ASSERT_TRUE(readSmallChunk(bytes(root / "a.png"), "bxRk", nullptr, &type, nullptr));
    EXPECT_EQ(type, 2) << "after Cavern and Island in the list";
    ASSERT_EQ(run("-t shopper --seed 4 --out b.png").code, 0);
    ImagePtr a = loadPng(root / "a.png"), b = loadPng(root / "b.png");
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(test::samePixels(a.get(), b.get()));
}

// A type whose whole tile set is gone makes no map: a message naming the folder, exit 1, and
// the map file already there stays as it was.
TEST_F(CommandLineTest, MissingTilesAreAnErrorAndTheOldMapStays) {
    fs::create_directories(root / "data" / "rr" / "tile");
    std::ofstream(root / "data" / "rr" / "filecheck.dat");
    std::ofstream(temp()) << "the old map";
    const Outcome r = run("-t rr --seed 3");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("brambex: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find((root / "data" / "rr" / "tile").string()), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("Wrote"), std::string::npos) << r.out;
    EXPECT_EQ(slurp(temp()), "the old map");
}

// Ctrl+C during a long run stops it at its next step: exit 130, nothing written.
TEST_F(CommandLineTest, AnInterruptedRunWritesNothing) {
    installFromBuild("ssrace", {"0.png", "s.png", "e.png", "start.png"});
    std::ofstream(root / "data" / "ssrace" / "settings.dat") << "width 12000\nheight 12000\ncomplexity 50\n";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (chdir(root.c_str()) != 0) _exit(99);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        if (!freopen("/dev/null", "w", stdout) || !freopen((root / "err.txt").c_str(), "w", stderr)) _exit(99);
        execl(BRAMBEX_EXE, BRAMBEX_EXE, "-t", "ssrace", "--seed", "5", "--out", "long.png", static_cast<char*>(nullptr));
        _exit(98);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    kill(child, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the program handles the interrupt itself";
    EXPECT_EQ(WEXITSTATUS(status), 130);
    EXPECT_FALSE(fs::exists(root / "long.png"));
    EXPECT_NE(slurp(root / "err.txt").find("no map was written"), std::string::npos) << slurp(root / "err.txt");
}

TEST(ContactSheetLayout, ManyMapsMakeASheetOfSmallTilesThatCanBeOpened) {
    EXPECT_EQ(ContactSheet(3).columns(), 3);
    EXPECT_EQ(ContactSheet(12).tileWidth(), 320);
    const ContactSheet many(10000);
    EXPECT_GT(many.columns(), 50);
    EXPECT_LE(many.columns() * (many.tileWidth() + 10), 6500) << "the sheet stays a picture that opens";
    EXPECT_GE(many.tileWidth(), 64);
}

// A batch with a type that is not installed says so once, before any folder or map is made.
TEST_F(CommandLineTest, ABatchOfAnUnknownTypeIsRefusedBeforeAnythingIsMade) {
    const Outcome r = run("-t nosuchtype --count 5 --out made");
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(fs::exists(root / "made"));
    std::size_t said = 0;
    for (std::size_t at = r.err.find("nosuchtype"); at != std::string::npos; at = r.err.find("nosuchtype", at + 1)) ++said;
    EXPECT_EQ(said, 1u) << r.err;
}

// A batch stopped by SIGTERM stops its running maps too and says what it wrote; a batch killed
// outright takes its running maps with it.
TEST_F(CommandLineTest, ABatchStopsWithItsMapsAndKillingItKillsThem) {
    installFromBuild("ssrace", {"0.png", "s.png", "e.png", "start.png"});
    std::ofstream(root / "data" / "ssrace" / "settings.dat") << "width 12000\nheight 12000\ncomplexity 50\n";
    auto start = [&](const char* folder) {
        const pid_t child = fork();
        if (child == 0) {
            if (chdir(root.c_str()) != 0) _exit(99);
            setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
            if (!freopen((root / (std::string(folder) + ".out")).c_str(), "w", stdout) ||
                !freopen((root / (std::string(folder) + ".err")).c_str(), "w", stderr))
                _exit(99);
            execl(BRAMBEX_EXE, BRAMBEX_EXE, "-t", "ssrace", "--count", "4", "--seed", "1", "--out", folder,
                  static_cast<char*>(nullptr));
            _exit(98);
        }
        return child;
    };
    // Any process still running the program with "--out gone" (the pattern's bracket keeps the
    // shell that runs pgrep from matching itself).
    auto survivors = [&] {
        const std::string cmd = "pgrep -f -- '[-]-out gone' > /dev/null 2>&1";
        return std::system(cmd.c_str()) == 0;
    };

    const pid_t stopped = start("stopped");
    ASSERT_GT(stopped, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    kill(stopped, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(stopped, &status, 0), stopped);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
    EXPECT_NE(slurp(root / "stopped.out").find("0 of 4 maps written"), std::string::npos) << slurp(root / "stopped.out");
    EXPECT_NE(slurp(root / "stopped.out").find("(stopped)"), std::string::npos);

    const pid_t killed = start("gone");
    ASSERT_GT(killed, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ASSERT_TRUE(survivors()) << "the batch and its maps are running";
    kill(killed, SIGKILL);
    ASSERT_EQ(waitpid(killed, &status, 0), killed);
    bool left = true;
    for (int waited = 0; waited < 50 && (left = survivors()); ++waited) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(left) << "a map of the killed batch runs on";
    EXPECT_FALSE(fs::exists(root / "gone" / "brambex_ssrace_1.png"));
}

// The command line of a Linux program: -h, -V, --opt=value, options in any order, and anything
// it does not understand refused with the usage and exit 2, never silently.
TEST_F(CommandLineTest, TheCommandLineFollowsThePlatformsConventions) {
    const Outcome version = run("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, std::string("brambex ") + BRAMBEX_VERSION + "\n");
    EXPECT_EQ(run("-V").out, version.out);
    EXPECT_EQ(run("-h").code, 0);
    for (const char* args : {"--bogus", "-t cavern --bogus", "-tree cavern", "cavern", "-t cavern stray", "--seed 5",
                             "-t cavern --seed=x", "--info"}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_EQ(r.err.rfind("brambex: ", 0), 0u) << args << ": " << r.err;
        EXPECT_NE(r.err.find("usage: brambex"), std::string::npos) << args;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_FALSE(fs::exists(temp())) << args;
    }
    // "--opt=value", and options before the type.
    ASSERT_EQ(run("-t cavern --seed=4242 --out=eq.png").code, 0);
    ASSERT_EQ(run("--seed 4242 --out before.png -t cavern").code, 0);
    EXPECT_EQ(bytes(root / "eq.png"), bytes(root / "before.png"));
    // A failed write of what the program prints is an error.
    const std::string cmd = "cd '" + root.string() + "' && '" + BRAMBEX_EXE + "' --version > /dev/full 2> err.txt";
    const int status = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(slurp(root / "err.txt").rfind("brambex: ", 0), 0u) << slurp(root / "err.txt");
    // The help names the folders really in use.
    EXPECT_NE(run("--help").out.find((root / "data" / "temp" / "temp.png").string()), std::string::npos);
}

// Every map says whether it can be played; --playable keeps drawing seeds until enough can.
TEST_F(CommandLineTest, MapsSayWhetherTheyCanBePlayedAndBatchesKeepOnlyPlayableOnes) {
    const Outcome one = run("-t cavern --seed 1000");
    ASSERT_EQ(one.code, 0) << one.err;
    EXPECT_NE(one.out.find("Playability: "), std::string::npos) << one.out;
    EXPECT_NE(one.out.find("standing places"), std::string::npos) << one.out;
    const Outcome info = run("--info data/temp/temp.png");
    EXPECT_NE(info.out.find("Playability: "), std::string::npos) << info.out;
    // A threshold no map meets: no map is kept, and the batch says how many it found.
    std::ofstream(root / "data" / "cavern" / "settings.dat") << "width 640\nheight 96\n";
    const Outcome none = run("-t cavern --count 2 --seed 5 --out few --playable");
    EXPECT_EQ(none.code, 1);
    EXPECT_NE(none.err.find("only 0 playable maps in 8 tries"), std::string::npos) << none.err;
    EXPECT_TRUE(fs::is_empty(root / "few"));
    EXPECT_NE(none.out.find("8 seeds tried"), std::string::npos) << none.out;
    // At the standard size they are found, each still made by its seed alone.
    std::ofstream(root / "data" / "cavern" / "settings.dat") << "width 1920\nheight 696\n";
    const Outcome some = run("-t cavern --count 2 --seed 1000 --out good --playable");
    EXPECT_EQ(some.code, 0) << some.err;
    int kept = 0;
    for (const auto& entry : fs::directory_iterator(root / "good")) {
        ++kept;
        std::uint32_t seed = 0;
        ASSERT_TRUE(readSmallChunk(bytes(entry.path()), "bxRk", &seed, nullptr, nullptr));
        ASSERT_EQ(run("-t cavern --seed " + std::to_string(seed) + " --out alone.png").code, 0);
        EXPECT_EQ(bytes(root / "alone.png"), bytes(entry.path()));
    }
    EXPECT_EQ(kept, 2);
    EXPECT_EQ(run("-t cavern --playable").code, 2) << "--playable goes with --count";
}

// A signal at any moment of a run ends it with one status and one line: before the new map has
// replaced the old file, nothing is written (the old file as it was) and the status is 128 + the
// signal; after, the map stays whole and says so.
TEST_F(CommandLineTest, ASignalAtAnyMomentWritesAWholeMapOrNothing) {
    const Bytes old{'o', 'l', 'd'};
    for (const char* point : {"startup", "run", "save", "renamed"}) {
        for (const auto& [name, status] : {std::pair{"INT", 130}, std::pair{"TERM", 143}}) {
            SCOPED_TRACE(std::string(point) + ":" + name);
            {
                std::ofstream out(root / "kept.png", std::ios::binary);
                out.write(reinterpret_cast<const char*>(old.data()), static_cast<std::streamsize>(old.size()));
            }
            const Outcome r = run("-t cavern --seed 3 --out kept.png",
                                  std::string("BRAMBEX_TEST_SIGNAL_AT=") + point + ":" + name);
            Bytes after;
            ASSERT_TRUE(readWholeFile(root / "kept.png", after));
            if (std::string(point) == "renamed") {
                EXPECT_EQ(r.code, 0) << r.err;
                EXPECT_NE(r.err.find("stopped after the map was written"), std::string::npos) << r.err;
                EXPECT_NE(r.out.find("Wrote"), std::string::npos);
                ImagePtr map = loadPng(root / "kept.png");
                ASSERT_TRUE(map) << "the new map, whole";
                EXPECT_EQ(map->sx, 1920);
            } else {
                EXPECT_EQ(r.code, status) << r.err;
                EXPECT_EQ(r.err, "brambex: stopped; no map was written.\n");
                EXPECT_EQ(r.out, "");
                EXPECT_EQ(after, old) << "the old file untouched";
            }
            for (const auto& entry : fs::directory_iterator(root))
                EXPECT_EQ(entry.path().filename().string().find(".kept.png"), std::string::npos)
                    << "no temporary file left: " << entry.path();
        }
    }
    // A batch stopped while it starts makes nothing, not even its folder.
    const Outcome batch = run("-t cavern --count 3 --out many", "BRAMBEX_TEST_SIGNAL_AT=startup:TERM");
    EXPECT_EQ(batch.code, 143);
    EXPECT_FALSE(fs::exists(root / "many"));
}

namespace {

// A copy of the build's artwork of `type`, with every PNG of `folder` (and its subfolders when
// `deep`) replaced by a picture over the tile limit.
void installOversize(const fs::path& root, const std::string& type, const std::string& folder, bool deep) {
    const fs::path own = root / "data" / type;
    fs::remove_all(own);
    fs::copy(fs::path(BRAMBEX_BUILD_DIR) / "data" / type, own, fs::copy_options::recursive);
    fs::remove(own / "settings.dat");
    ImagePtr big = test::solidPicture(MAX_TILE_SIZE + 76, 300, 0xFFFFFF);
    auto replace = [&](const fs::path& file) {
        if (file.extension() == ".png") test::writePng(big.get(), file);
    };
    if (deep) {
        for (const auto& entry : fs::recursive_directory_iterator(own / folder)) replace(entry.path());
    } else {
        for (const auto& entry : fs::directory_iterator(own / folder)) replace(entry.path());
    }
}

}  // namespace

// Artwork refused by its size limit is treated as missing artwork: a whole tile set, piece set or
// brush refused makes no map (the folder and the limit named, the old map file untouched), one
// refused picture among good ones is named and left out.
TEST_F(CommandLineTest, ArtworkOverItsSizeLimitIsNamedAndAWholeSetOfItMakesNoMap) {
    GenerationParameters maze;
    maze.manualMode = true;
    maze.shopperLayout = 1;
    maze.objects = 10;
    const std::string shopperMaze = mapCode(recipeFrom(MapType::Shopper, maze, 3, 0));
    struct Case {
        const char* type;
        const char* folder;
        bool deep;
        std::string args;
    };
    const Case cases[] = {
        {"rr", "tile", false, "-t rr --seed 3"},
        {"supersheeper", "tile", false, "-t ss --seed 3"},
        {"shopper", "tile", false, "--code " + shopperMaze},
        {"fort", "", true, "-t fort --seed 3"},
        {"wfw", "tiles", false, "-t wfw --seed 3"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.type);
        installOversize(root, k.type, k.folder, k.deep);
        std::ofstream(root / "old.png") << "old";
        const Outcome r = run(k.args + " --out old.png");
        EXPECT_EQ(r.code, 1) << r.out << r.err;
        EXPECT_NE(r.err.find((fs::path("data") / k.type / k.folder).string()), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(std::to_string(MAX_TILE_SIZE) + " x " + std::to_string(MAX_TILE_SIZE)), std::string::npos) << r.err;
        EXPECT_EQ(slurp(root / "old.png"), "old");
        fs::remove_all(root / "data" / k.type);
    }

    // One refused tile among good ones: named, left out, and the map is made.
    installOversize(root, "rr", "tile", false);
    fs::remove_all(root / "data" / "rr" / "tile");
    fs::copy(fs::path(BRAMBEX_BUILD_DIR) / "data" / "rr" / "tile", root / "data" / "rr" / "tile", fs::copy_options::recursive);
    test::writePng(test::solidPicture(1100, 1100, 0xFFFFFF).get(), root / "data" / "rr" / "tile" / "5.png");
    const Outcome one = run("-t rr --seed 3 --out one.png");
    EXPECT_EQ(one.code, 0) << one.err;
    EXPECT_NE(one.err.find("tile/5.png is 1100 x 1100, over the 1024 x 1024 limit"), std::string::npos) << one.err;
    EXPECT_TRUE(loadPng(root / "one.png"));
}

// --teams with --count keeps only maps with room for the teams and a balance at the type's
// threshold, each remade by its code; --mirror makes a map even for two teams, and is refused
// for a type it is not for.
TEST_F(CommandLineTest, TeamsKeepFairMapsAndMirrorMakesThemEven) {
    const Outcome batch = run("-t cavern --count 3 --teams 3 --seed 500 --out fair");
    ASSERT_EQ(batch.code, 0) << batch.err;
    EXPECT_NE(batch.out.find("Teams: room for 3 teams of 8"), std::string::npos) << batch.out;
    EXPECT_NE(batch.out.find("3 of 3 fair maps"), std::string::npos) << batch.out;
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(root / "fair")) {
        const Outcome info = run("--info " + entry.path().string());
        const std::size_t at = info.out.find("Teams: room for ");
        ASSERT_NE(at, std::string::npos) << info.out;
        EXPECT_GE(std::stoi(info.out.substr(at + 16)), 3) << info.out;
        const std::size_t three = info.out.find(" for 3,", at);
        ASSERT_NE(three, std::string::npos);
        EXPECT_GE(std::stod(info.out.substr(three - 4, 4)), typeRow(MapType::Cavern).playability.minTeamBalance) << info.out;
        EXPECT_EQ(run("--verify " + entry.path().string()).code, 0);
        ++checked;
    }
    EXPECT_EQ(checked, 3);

    const Outcome mirrored = run("-t cavern --seed 9 --mirror --teams 2");
    ASSERT_EQ(mirrored.code, 0) << mirrored.err;
    EXPECT_NE(mirrored.out.find("-mi-"), std::string::npos) << mirrored.out;
    EXPECT_NE(mirrored.out.find("balance 1.00 for 2 teams"), std::string::npos) << mirrored.out;
    EXPECT_EQ(run("-t cavern --teams 7").code, 2);
    EXPECT_EQ(run("--code BX1-cavern.1-1-t0-1920x696-c50-n1-o50-w0-EYA3 --mirror").code, 2);
}
