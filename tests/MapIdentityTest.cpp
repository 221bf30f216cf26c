// A map's seed is its identity: whatever made a map (the command line with or without --seed,
// the window with or without a typed seed), the seed its file records makes the same map again,
// and a seed typed into the window makes the map the command line makes with it. Checked for
// every map type, with the build's artwork.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "generators/Run.h"
#include "generators/TypeTable.h"
#include "map/Files.h"
#include "map/GdImage.h"
#include "map/ProcessState.h"
#include "map/Themes.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapLoader.h"
#include "shell/Startup.h"
#include "shell/window/MainWindowModel.h"
#include "tests/FakeWindowServices.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;
using C = Control;

namespace {

// Settings both the command line and the window accept, so both start from the same values
// (the command line's presets are otherwise not all reachable with the window's sliders).
struct TypeCase {
    MapType type;
    const char* settings;
};
const TypeCase CASES[] = {
    {MapType::BnA, "width 1920\nheight 696\nobjects 25\n"},
    {MapType::Cavern, "width 1920\nheight 696\nobjects 50\n"},
    {MapType::Fort, ""},
    {MapType::Island, "width 1920\nheight 696\ncomplexity 50\nnumislands 1\nobjects 80\n"},
    {MapType::Roper, ""},
    {MapType::RR, "width 1920\nheight 696\npath 232\nsoil 1\n"},
    {MapType::Shopper, "objects 10\n"},
    {MapType::SuperSheepRace, "width 1920\nheight 1392\npath 70\ncomplexity 20\nsmoothing 0\n"},
    {MapType::SuperSheeper, "width 1920\nheight 1392\npath 300\npadding 1\nobjects 75\n"},
    {MapType::WforW, "pads 50\n"},
};

struct Recorded {
    std::uint32_t seed = 0;
    int theme = -1;
};

class MapIdentityTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useBuildArtwork(root, {"generic", "interface"}, {});
        // Every type installed with the build's art; the settings file is the test's own.
        for (const TypeCase& c : CASES) {
            const std::string folder(typeFolder(c.type));
            const fs::path built = fs::path(BRAMBEX_BUILD_DIR) / "data" / folder;
            fs::create_directories(root / "data" / folder);
            for (const auto& entry : fs::directory_iterator(built)) {
                const auto name = entry.path().filename();
                if (name != "settings.dat" && name != "filecheck.dat")
                    fs::create_symlink(entry.path(), root / "data" / folder / name);
            }
            std::ofstream(root / "data" / folder / "filecheck.dat");
            std::ofstream(root / "data" / folder / "settings.dat") << c.settings;
        }
        std::error_code ec;
        previousDirectory = fs::current_path(ec);
        fs::current_path(root);
        detectInstalledTypes();
        countThemes();
    }
    void TearDown() override {
        if (model) {
            finish();
            model.reset();
        }
        std::error_code ec;
        fs::current_path(previousDirectory, ec);
        TempWorkspace::TearDown();
    }
    int cli(const std::string& args) {
        const std::string cmd = "cd '" + root.string() + "' && XDG_CONFIG_HOME='" + (root / "config").string() + "' '" +
                                BRAMBEX_EXE + "' " + args + " > /dev/null 2> err.txt";
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static Recorded recorded(const fs::path& file) {
        Bytes bytes;
        Recorded r;
        int type = 0;
        if (readWholeFile(file, bytes)) readSmallChunk(bytes, "bxRk", &r.seed, &type, &r.theme);
        return r;
    }
    static bool samePicture(const fs::path& a, const fs::path& b) {
        ImagePtr x = loadPng(a), y = loadPng(b);
        return x && y && test::samePixels(x.get(), y.get());
    }
    void finish() {
        while (model->busy()) {
            model->poll();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    // The window with `type` freshly chosen (its positions set as a change of type sets them).
    void choose(MapType type) {
        const int position = installedTypes.listIndex(type);
        model->select(C::GameType, position == 0 ? 1 : 0);
        model->select(C::GameType, position);
        ASSERT_EQ(c(C::GameType).value, position);
    }
    // Generate in the window (with a typed seed, or none) and save the map to `file`.
    void generateInWindow(const std::string& seed, const fs::path& file) {
        model->setSeedText(seed);
        model->press(C::Generate);
        finish();
        ASSERT_NE(model->map(), nullptr) << (services.messages.empty() ? "" : services.messages.back().text);
        ASSERT_EQ(saveMap(*model->map(), file, false), std::nullopt);
    }
    const ControlState& c(Control id) { return model->control(id); }
    std::string name(MapType type) const { return std::string(typeRow(type).info().commandName); }

    test::FakeServices services;
    std::unique_ptr<MainWindowModel> model;
    fs::path previousDirectory;
};

}  // namespace

TEST_F(MapIdentityTest, TheSeedAFileRecordsMakesItsMapAgainOnTheCommandLine) {
    for (const TypeCase& k : CASES) {
        const std::string type = name(k.type);
        SCOPED_TRACE(type);
        ASSERT_EQ(cli("-t " + type + " --out unseeded.png"), 0);
        const Recorded first = recorded(root / "unseeded.png");
        ASSERT_NE(first.seed, 0u);
        ASSERT_EQ(cli("-t " + type + " --seed " + std::to_string(first.seed) + " --out again.png"), 0);
        EXPECT_TRUE(samePicture(root / "unseeded.png", root / "again.png")) << "seed " << first.seed;
        const Recorded again = recorded(root / "again.png");
        EXPECT_EQ(again.seed, first.seed);
        EXPECT_EQ(again.theme, first.theme) << "the random theme is drawn from the seed too";
        // The seed and the theme the file records, given both. A given theme is Manual mode, which
        // also fixes Bow and Arrow's algorithm, Fort's brick and Shopper's layout: those three are
        // made again by their seed alone (above).
        if (k.type == MapType::BnA || k.type == MapType::Fort || k.type == MapType::Shopper) continue;
        ASSERT_EQ(cli("-t " + type + " --seed " + std::to_string(first.seed) + " --theme " + std::to_string(first.theme) +
                      " --out themed.png"),
                  0);
        EXPECT_TRUE(samePicture(root / "unseeded.png", root / "themed.png")) << "seed " << first.seed;
    }
}

TEST_F(MapIdentityTest, TheWindowsMapsAreTheCommandLinesAndTheirRecordedSeedsMakeThemAgain) {
    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    std::uint32_t seed = 4243;
    for (const TypeCase& k : CASES) {
        const std::string type = name(k.type);
        SCOPED_TRACE(type);
        ASSERT_EQ(cli("-t " + type + " --seed " + std::to_string(seed) + " --out cli.png"), 0);
        choose(k.type);
        generateInWindow(std::to_string(seed), root / "typed.png");
        EXPECT_EQ(model->shownSeed(), seed);
        EXPECT_TRUE(samePicture(root / "cli.png", root / "typed.png")) << "seed " << seed;

        // A map made without a typed seed: the seed it shows and records makes it again.
        generateInWindow("", root / "untyped.png");
        const std::optional<std::uint32_t> shown = model->shownSeed();
        ASSERT_TRUE(shown);
        EXPECT_EQ(recorded(root / "untyped.png").seed, *shown);
        generateInWindow(std::to_string(*shown), root / "retyped.png");
        EXPECT_TRUE(samePicture(root / "untyped.png", root / "retyped.png")) << "seed " << *shown;
        ++seed;
    }
    EXPECT_TRUE(services.messages.empty()) << services.messages.front().text;
}

TEST_F(MapIdentityTest, AfterGenerateGrassFollowsModifyAndLoadMapRestoresTheSize) {
    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    choose(MapType::Fort);
    generateInWindow("5", root / "fort.png");
    EXPECT_TRUE(c(C::Modify).enabled);
    EXPECT_FALSE(c(C::Modify).checked);
    EXPECT_FALSE(c(C::Grass).enabled) << "Grass goes with Modify only";
    model->setChecked(C::Modify, true);
    EXPECT_TRUE(c(C::Grass).enabled);
    generateInWindow("", root / "modified.png");
    EXPECT_EQ(model->shownSeed(), 5u) << "Modify keeps the map's seed";
    EXPECT_TRUE(c(C::Grass).enabled);
    EXPECT_TRUE(samePicture(root / "fort.png", root / "modified.png"));
    model->setChecked(C::Modify, false);
    EXPECT_FALSE(c(C::Grass).enabled);

    // A Cavern of an unusual size: Load Map puts its size back on the sliders, so Modify and
    // Generate make the same map again.
    ASSERT_EQ(cli("-t cavern --seed 77 --out big.png"), 0);
    std::ofstream(root / "data" / "cavern" / "settings.dat") << "width 3032\nheight 1496\nobjects 50\n";
    ASSERT_EQ(cli("-t cavern --seed 77 --out big.png"), 0);
    std::ofstream(root / "data" / "cavern" / "settings.dat") << CASES[1].settings;
    choose(MapType::Island);
    services.loadPath = [&](const fs::path&) -> std::optional<fs::path> { return root / "big.png"; };
    model->press(C::LoadMap);
    ASSERT_NE(model->map(), nullptr);
    EXPECT_EQ(c(C::GameType).value, installedTypes.listIndex(MapType::Cavern));
    EXPECT_EQ(c(C::Width).value, 3032);
    EXPECT_EQ(c(C::Height).value, 1496);
    EXPECT_EQ(model->shownSeed(), 77u);
    model->setChecked(C::Modify, true);
    generateInWindow("", root / "rebuilt.png");
    EXPECT_EQ(model->map()->width, 3032);
    EXPECT_TRUE(samePicture(root / "big.png", root / "rebuilt.png"));
}

TEST_F(MapIdentityTest, APlainPictureLoadsWithoutASeedAndIsSavedWithoutOne) {
    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    generateInWindow("12", root / "first.png");
    ASSERT_EQ(model->shownSeed(), 12u);
    test::writePng(test::solidPicture(320, 200, packColour(30, 90, 140)).get(), root / "screenshot.png");
    services.loadPath = [&](const fs::path&) -> std::optional<fs::path> { return root / "screenshot.png"; };
    model->press(C::LoadMap);
    ASSERT_NE(model->map(), nullptr);
    EXPECT_EQ(model->shownSeed(), std::nullopt) << "the previous map's seed is not shown for it";
    EXPECT_NE(c(C::Status).text.find("no seed"), std::string::npos) << c(C::Status).text;
    EXPECT_EQ(model->mapCaption(), "A picture, not a map of ours (no seed, no code)") << "not called a map of any type";
    ASSERT_EQ(saveMap(*model->map(), root / "kept.png", false), std::nullopt);
    Bytes kept;
    ASSERT_TRUE(readWholeFile(root / "kept.png", kept));
    EXPECT_FALSE(readSmallChunk(kept, "bXRK", nullptr, nullptr, nullptr)) << "no seed is invented";
}

// A run reads only its request: with every process-wide value changed (the parameters, the map
// state, the folders, the installed types) the same request makes the same map.
TEST_F(MapIdentityTest, ARunReadsNothingButItsRequest) {
    for (const TypeCase& k : CASES) {
        SCOPED_TRACE(name(k.type));
        GenerationParameters p;
        p.width = 1280;
        p.height = 640;
        p.objects = 60;
        const RunRequest request = test::requestFrom(k.type, p, 99);
        const RunResult made = runMap(request);
        ASSERT_TRUE(made.map);

        const GenerationParameters saved = test::params;
        const MapState savedState = mapState;
        const InstalledTypes savedTypes = installedTypes;
        test::params = GenerationParameters{};
        test::params.width = 700;
        test::params.height = 900;
        test::params.manualMode = !p.manualMode;
        test::params.themeChoice = 3;
        test::params.keepSeed = true;
        mapState.mapSeed = 1;
        mapState.themeCount = 1;
        installedTypes = InstalledTypes{};
        setWorkingDirectory("/nonexistent-brambex-folder");
        const RunResult again = runMap(request);
        test::params = saved;
        mapState = savedState;
        installedTypes = savedTypes;
        setWorkingDirectory(root);
        ASSERT_TRUE(again.map);
        EXPECT_TRUE(test::samePixels(made.map->image.get(), again.map->image.get()));
        EXPECT_EQ(mapIdentity(*made.map).themeId, mapIdentity(*again.map).themeId);
        EXPECT_EQ(made.map->typeIndex, again.map->typeIndex);
    }
}

// Artwork kept decoded between runs (as the window keeps it) makes the same maps, and the second
// run of a type reads its pictures from the cache.
TEST_F(MapIdentityTest, KeptArtworkMakesTheSameMaps) {
    auto cache = std::make_shared<ArtworkCache>();
    for (const TypeCase& k : CASES) {
        SCOPED_TRACE(name(k.type));
        RunRequest request = test::requestFrom(k.type, GenerationParameters{}, 31);
        request.measure = false;
        const RunResult fromFiles = runMap(request);
        ASSERT_TRUE(fromFiles.map);
        request.artwork = cache;
        const RunResult first = runMap(request);
        const std::size_t hitsBefore = cache->hits();
        const RunResult second = runMap(request);
        ASSERT_TRUE(first.map && second.map);
        EXPECT_TRUE(test::samePixels(fromFiles.map->image.get(), first.map->image.get()));
        EXPECT_TRUE(test::samePixels(fromFiles.map->image.get(), second.map->image.get()));
        EXPECT_GT(cache->hits(), hitsBefore);
    }
}

// A map's code carries every value it was made from: Load Map puts them all on the controls (a
// Cavern of 9 caves under sliders that said otherwise), so Modify makes the map again; the
// controls then stand for the code itself.
TEST_F(MapIdentityTest, LoadMapPutsEveryValueOfTheCodeOnTheControls) {
    for (MapType type : {MapType::Cavern, MapType::BnA, MapType::SuperSheepRace, MapType::Shopper, MapType::Fort}) {
        SCOPED_TRACE(name(type));
        GenerationParameters p;
        p.width = 2000;
        p.height = 1000;
        p.numIslands = 9;
        p.complexity = 37;
        p.objects = 13;
        p.bnaObjects = 40;
        p.bnaStyle = 4;
        p.bnaAlgorithm = 1;
        p.pathSize = 120;
        p.smoothing = 2;
        p.shopperLayout = 1;
        p.fortBrick = 2;
        p.manualMode = true;
        p.themeChoice = 3;
        MapRecipe recipe = recipeFrom(type, p, 4321, mapState.themeCount);
        recipe.waterColour = 3;
        const std::string code = mapCode(recipe);
        ASSERT_EQ(cli("--code " + code + " --out coded.png"), 0);

        model = std::make_unique<MainWindowModel>(services);
        model->initialise();
        choose(type == MapType::Island ? MapType::Cavern : MapType::Island);
        services.loadPath = [&](const fs::path&) -> std::optional<fs::path> { return root / "coded.png"; };
        model->press(C::LoadMap);
        ASSERT_NE(model->map(), nullptr);
        EXPECT_EQ(model->mapCode(), code);
        EXPECT_EQ(mapCode(model->controlsRecipe(type, 4321)), code) << "the controls stand for the code";
        EXPECT_EQ(c(C::Water).value, 3);
        EXPECT_TRUE(c(C::Manual).checked);
        if (typeRow(type).usesTheme) {
            EXPECT_EQ(c(C::Theme).value, 3);
        }
        model->setChecked(C::Modify, true);
        generateInWindow("", root / "remade.png");
        EXPECT_EQ(model->mapCode(), code);
        EXPECT_TRUE(samePicture(root / "coded.png", root / "remade.png"));
        model.reset();
    }
}

// A pasted code makes the map the command line makes of it, whatever the controls said.
TEST_F(MapIdentityTest, APastedCodeMakesTheCommandLinesMap) {
    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    choose(MapType::Island);
    GenerationParameters p;
    p.width = 1600;
    p.height = 800;
    p.numIslands = 4;
    p.complexity = 300;
    p.objects = 90;
    const std::string code = mapCode(recipeFrom(MapType::Cavern, p, 99, mapState.themeCount));
    ASSERT_EQ(cli("--code " + code + " --out cli.png"), 0);
    services.mapCode = "  " + code + "\n";
    model->menu(MenuCommand::MapFromCode);
    finish();
    ASSERT_NE(model->map(), nullptr);
    EXPECT_EQ(model->mapCode(), code);
    EXPECT_EQ(c(C::GameType).value, installedTypes.listIndex(MapType::Cavern));
    EXPECT_EQ(c(C::Islands).value, 4);
    EXPECT_EQ(c(C::Complexity).value, 300) << "the slider's range grows to hold the code's value";
    EXPECT_EQ(model->shownSeed(), 99u);
    ASSERT_EQ(saveMap(*model->map(), root / "window.png", false), std::nullopt);
    EXPECT_TRUE(samePicture(root / "cli.png", root / "window.png"));
    Bytes saved;
    ASSERT_TRUE(readWholeFile(root / "window.png", saved));
    EXPECT_EQ(readMapCode(saved), code);
}

TEST_F(MapIdentityTest, ACodeTheWindowCannotMakeIsRefusedOrMadeAsTodaysRecipeWhenAsked) {
    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    services.mapCode = "BX1-cavern.1-5-t1-1920x696-c50-n1-o50-w0-0000";
    model->menu(MenuCommand::MapFromCode);
    finish();
    EXPECT_EQ(model->map(), nullptr);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].text.find("typing error"), std::string::npos) << services.messages[0].text;

    const int epoch = typeRow(MapType::Cavern).epoch;
    const std::string payload = "BX1-cavern." + std::to_string(epoch + 1) + "-5-t1-1920x696-c50-n3-o50-w0";
    services.mapCode = payload + "-" + mapCodeCheck(payload);
    services.answer = false;
    model->menu(MenuCommand::MapFromCode);
    finish();
    EXPECT_EQ(model->map(), nullptr) << "not made without the user's word";
    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_NE(services.questions[0].text.find("different map"), std::string::npos) << services.questions[0].text;
    EXPECT_NE(services.questions[0].text.find("not the map of the code"), std::string::npos);

    services.answer = true;
    model->menu(MenuCommand::MapFromCode);
    finish();
    ASSERT_NE(model->map(), nullptr);
    const std::optional<MapRecipe> made = parseMapCode(model->mapCode()).recipe;
    ASSERT_TRUE(made);
    EXPECT_EQ(made->epoch, epoch) << "this version's recipe, and its code says so";
    EXPECT_EQ(fieldValues(*made), (std::vector<int>{50, 3, 50}));
}

TEST_F(MapIdentityTest, AMapFileWithoutACodeSaysWhatCouldNotBeKnown) {
    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    choose(MapType::Cavern);
    generateInWindow("8", root / "made.png");
    Map old;
    old.image = loadPng(root / "made.png");
    old.type = MapType::Cavern;
    old.seed = 8;
    old.typeIndex = installedTypes.listIndex(MapType::Cavern);
    ASSERT_EQ(saveMap(old, root / "old.png", false), std::nullopt);  // no code: a map of an earlier version
    services.loadPath = [&](const fs::path&) -> std::optional<fs::path> { return root / "old.png"; };
    model->press(C::LoadMap);
    ASSERT_NE(model->map(), nullptr);
    EXPECT_EQ(model->shownSeed(), 8u);
    EXPECT_EQ(model->mapCode(), "");
    const std::string& status = c(C::Status).text;
    EXPECT_NE(status.find("no map code"), std::string::npos) << status;
    EXPECT_NE(status.find("complexity, caves, objects are not known"), std::string::npos) << status;
}

// A code may ask for a map far larger than the sliders offer: the window asks before it makes it.
TEST_F(MapIdentityTest, APastedCodeOfAHugeMapIsMadeOnlyWhenTheUserSaysSo) {
    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    GenerationParameters p;
    p.width = 20000;
    p.height = 20000;
    services.mapCode = mapCode(recipeFrom(MapType::Cavern, p, 5, mapState.themeCount));
    services.answer = false;
    model->menu(MenuCommand::MapFromCode);
    EXPECT_FALSE(model->busy());
    EXPECT_EQ(model->map(), nullptr);
    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_NE(services.questions[0].text.find("20000 x 20000"), std::string::npos) << services.questions[0].text;
}

// A file whose code names another map than its own record (edited by hand, pasted from elsewhere)
// does not put that other map's values on the controls, nor keeps the code.
TEST_F(MapIdentityTest, ACodeThatIsNotTheFilesOwnMapIsNotBelieved) {
    ASSERT_EQ(cli("-t cavern --seed 5 --out five.png"), 0);
    Bytes file;
    ASSERT_TRUE(readWholeFile(root / "five.png", file));
    ImagePtr picture = decodePng(file);
    Map other;
    other.image = std::move(picture);
    other.type = MapType::Cavern;
    other.seed = 5;
    other.typeIndex = installedTypes.listIndex(MapType::Cavern);
    GenerationParameters p;
    p.numIslands = 7;
    other.code = mapCode(recipeFrom(MapType::Cavern, p, 6, mapState.themeCount));
    ASSERT_EQ(saveMap(other, root / "mixed.png", false), std::nullopt);

    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    services.loadPath = [&](const fs::path&) -> std::optional<fs::path> { return root / "mixed.png"; };
    model->press(C::LoadMap);
    ASSERT_NE(model->map(), nullptr);
    EXPECT_EQ(model->shownSeed(), 5u);
    EXPECT_NE(c(C::Islands).value, 7) << "the other map's caves are not put on the controls";
    EXPECT_EQ(model->mapCode(), "");
    EXPECT_NE(c(C::Status).text.find("another map"), std::string::npos) << c(C::Status).text;
}
