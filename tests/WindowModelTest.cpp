#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <thread>

#include <zlib.h>

#include "map/Files.h"
#include "map/GdImage.h"
#include "map/Generator.h"
#include "map/ProcessState.h"
#include "map/Themes.h"
#include "map/WinException.h"
#include "generators/Worker.h"
#include "generators/Shopper.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapLoader.h"
#include "mapfile/PngChunks.h"
#include "shell/Startup.h"
#include "shell/window/MainWindowModel.h"
#include "tests/FakeWindowServices.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;
using C = Control;

namespace {

// A start folder with the build's themes and interface pictures, and the types this build
// makes installed (Cavern is list position 0, Island 1: Bow and Arrow is not installed).
class WindowModelTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useBuildArtwork(root, {"generic", "interface"}, {"cavern", "island"});
        std::error_code ec;
        previousDirectory = fs::current_path(ec);
        fs::current_path(root);
        detectInstalledTypes();
        countThemes();
        model = std::make_unique<MainWindowModel>(services);
        model->initialise();
    }
    void TearDown() override {
        finish();
        model.reset();
        std::error_code ec;
        fs::current_path(previousDirectory, ec);
        TempWorkspace::TearDown();
    }
    // Waits for a run as the window's event loop does.
    void finish() {
        while (model && model->busy()) {
            model->poll();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    const ControlState& c(Control id) { return model->control(id); }

    test::FakeServices services;
    std::unique_ptr<MainWindowModel> model;
    fs::path previousDirectory;
};

TEST_F(WindowModelTest, StartsWithTheFirstTypeTheListsAndTheRanges) {
    EXPECT_EQ(c(C::GameType).items, (std::vector<std::string>{"Cavern", "Island"}));
    EXPECT_EQ(c(C::GameType).value, 0);
    EXPECT_EQ(c(C::Status).text, "Cavern");
    EXPECT_EQ(c(C::Style).items.size(), 6u);
    EXPECT_EQ(c(C::Brick).items, (std::vector<std::string>{"Brick", "Granite", "White Stone"}));
    EXPECT_EQ(c(C::Water).items, (std::vector<std::string>{"Blue", "Red", "Purple", "Yellow", "Green"}));
    EXPECT_FALSE(c(C::Water).enabled);
    ASSERT_FALSE(c(C::Theme).items.empty());
    EXPECT_EQ(c(C::Theme).items[0].rfind("0 - ", 0), 0u) << c(C::Theme).items[0];
    // Random mode: the six choice lists are disabled; Cavern shows its own controls only.
    for (Control list : {C::Algorithm, C::Layout, C::Style, C::Smoothing, C::Theme, C::Brick})
        EXPECT_FALSE(c(list).enabled) << static_cast<int>(list);
    EXPECT_TRUE(c(C::Islands).shown);
    EXPECT_TRUE(c(C::CavesLabel).shown);
    EXPECT_FALSE(c(C::IslandsLabel).shown);
    EXPECT_FALSE(c(C::PathSize).shown);
    EXPECT_FALSE(c(C::Modify).enabled);
    EXPECT_FALSE(c(C::SaveMap).enabled);
    EXPECT_TRUE(c(C::SaveSettings).enabled);
    // The first layout counts as no change: Complexity keeps the window's own range.
    EXPECT_EQ(c(C::Complexity).min, 15);
    EXPECT_EQ(c(C::Complexity).max, 50);
    EXPECT_EQ(c(C::Complexity).value, 20);
    EXPECT_EQ(c(C::WidthValue).text, "1920");
    EXPECT_EQ(model->parameters().width, 1920);
    EXPECT_EQ(model->parameters().height, 696);
    EXPECT_FALSE(model->themePreviewPicture().empty()) << "the theme preview is built at start";
}

TEST_F(WindowModelTest, SwitchingTypesSetsTheirRangesAndSelectingAgainChangesNothing) {
    model->select(C::GameType, 1);
    EXPECT_EQ(c(C::Status).text, "Island");
    EXPECT_EQ(c(C::Complexity).min, 10);
    EXPECT_EQ(c(C::Complexity).max, 150);
    EXPECT_EQ(c(C::Complexity).value, 150);
    EXPECT_TRUE(c(C::IslandsLabel).shown);
    EXPECT_FALSE(c(C::CavesLabel).shown);
    model->moveSlider(C::Complexity, 120);
    model->select(C::GameType, 1);
    EXPECT_EQ(c(C::Complexity).value, 120) << "the same entry again changes nothing";
    model->select(C::GameType, 0);
    EXPECT_EQ(c(C::Complexity).min, 1);
    EXPECT_EQ(c(C::Complexity).max, 100);
    EXPECT_EQ(c(C::Complexity).value, 50);
    EXPECT_EQ(model->parameters().complexity, 50);
}

TEST_F(WindowModelTest, SizesReachTheGeneratorsInStepsOfEight) {
    model->moveSlider(C::Width, 1925);
    model->moveSlider(C::Height, 700);
    EXPECT_EQ(model->parameters().width, 1920);
    EXPECT_EQ(model->parameters().height, 696);
    EXPECT_EQ(c(C::HeightValue).text, "696");
    model->moveSlider(C::Width, 9999);
    EXPECT_EQ(model->parameters().width, 8000) << "the slider keeps its range";
    // A type change resets the size.
    model->select(C::GameType, 1);
    EXPECT_EQ(model->parameters().width, 1920);
    EXPECT_EQ(model->parameters().height, 696);
}

TEST_F(WindowModelTest, ASettingsFileMovesTheSlidersWithinTheirRanges) {
    std::ofstream(root / "data" / "island" / "settings.dat") << "width 20000\nnumislands 7\nobjects 33\n";
    model->select(C::GameType, 1);
    EXPECT_EQ(c(C::Islands).value, 7);
    EXPECT_EQ(c(C::Objects).value, 33);
    EXPECT_EQ(c(C::Width).value, 8000);
    EXPECT_EQ(model->parameters().width, 8000) << "read back from the slider";
    // Save writes what the controls hold.
    model->moveSlider(C::Objects, 44);
    model->press(C::SaveSettings);
    std::ifstream in(root / "data" / "island" / "settings.dat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "width 8000\nheight 696\ncomplexity 150\nnumislands 7\nobjects 44\n");
}

TEST_F(WindowModelTest, ResetAllKeepsTheTypeAndTheOtherSliders) {
    model->select(C::GameType, 1);
    model->moveSlider(C::Complexity, 77);
    model->moveSlider(C::Islands, 5);
    model->moveSlider(C::Objects, 90);
    model->moveSlider(C::Width, 3000);
    model->setChecked(C::Manual, true);
    model->select(C::Theme, 2);
    model->setChecked(C::ShowTransparency, true);
    model->press(C::ResetAll);
    EXPECT_EQ(c(C::Status).text, "State Reset");
    EXPECT_EQ(c(C::GameType).value, 1);
    EXPECT_EQ(c(C::Complexity).value, 77);
    EXPECT_EQ(c(C::Islands).value, 5);
    EXPECT_EQ(c(C::Objects).value, 50);
    EXPECT_EQ(c(C::Width).value, 1920);
    EXPECT_EQ(c(C::Theme).value, 0);
    EXPECT_TRUE(c(C::Random).checked);
    EXPECT_FALSE(c(C::Manual).checked);
    EXPECT_FALSE(c(C::Theme).enabled);
    EXPECT_TRUE(c(C::ShowTransparency).checked);
    EXPECT_FALSE(model->mapShown());
    EXPECT_EQ(model->map(), nullptr);
}

TEST_F(WindowModelTest, ManualModeEnablesTheChoiceListsAndTheThemePreview) {
    model->setChecked(C::Manual, true);
    EXPECT_TRUE(c(C::Theme).enabled);
    EXPECT_TRUE(c(C::ThemePreview).shown);
    model->select(C::Theme, 1);
    EXPECT_EQ(model->parameters().themeChoice, 1);
    EXPECT_TRUE(fs::exists(root / "data" / "temp" / "themeprev.png"));
    ImagePtr swatch = loadPng(root / "data" / "temp" / "themeprev.png");
    ASSERT_TRUE(swatch);
    EXPECT_EQ(swatch->sx, 32);
    model->setChecked(C::Random, true);
    EXPECT_FALSE(c(C::Theme).enabled);
    EXPECT_FALSE(c(C::ThemePreview).shown);
}

TEST_F(WindowModelTest, AGenerationRunsOnTheWorkerAndShowsItsPreviews) {
    model->press(C::Generate);
    ASSERT_TRUE(model->busy());
    EXPECT_FALSE(c(C::Generate).enabled) << "everything is disabled while the map is made";
    EXPECT_FALSE(c(C::Width).enabled);
    EXPECT_EQ(model->previewPicture(), paths.busyPicturePath[0]);
    model->press(C::Generate);  // refused: the button is disabled and a worker exists
    EXPECT_TRUE(model->busy());
    finish();
    EXPECT_TRUE(model->mapShown());
    EXPECT_EQ(model->previewPicture(), paths.previewPath);
    EXPECT_TRUE(fs::exists(paths.previewPath));
    EXPECT_TRUE(fs::exists(paths.previewPath2));
    EXPECT_TRUE(c(C::Generate).enabled);
    EXPECT_TRUE(c(C::Modify).enabled);
    EXPECT_TRUE(c(C::SaveMap).enabled);
    EXPECT_TRUE(model->shownSeed().has_value());
    // The next run shows the other busy picture.
    model->press(C::Generate);
    EXPECT_EQ(model->previewPicture(), paths.busyPicturePath[1]);
    finish();
}

TEST_F(WindowModelTest, SaveMapProposesTheFirstFreeNameAndSavesThere) {
    model->press(C::Generate);
    finish();
    std::ofstream(root / "Brambex_cavern_1.png") << "x";
    std::ofstream(root / "Brambex_cavern_2.png") << "x";
    fs::path proposed;
    services.savePath = [&](const fs::path& p) -> std::optional<fs::path> {
        proposed = p;
        return p;
    };
    model->press(C::SaveMap);
    EXPECT_EQ(proposed.filename(), "Brambex_cavern_3.png");
    ImagePtr saved = loadPng(root / "Brambex_cavern_3.png");
    ASSERT_TRUE(saved);
    EXPECT_FALSE(saved->trueColor);
    // Force Full Colour is honoured.
    model->setChecked(C::ForceFullColour, true);
    services.savePath = [&](const fs::path&) -> std::optional<fs::path> { return root / "full.png"; };
    model->press(C::SaveMap);
    saved = loadPng(root / "full.png");
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->trueColor);
    EXPECT_TRUE(services.messages.empty());
}

// The save dialog may move the current directory; the data folder is found from the start folder.
TEST_F(WindowModelTest, ASaveElsewhereDoesNotBreakTheNextGeneration) {
    model->press(C::Generate);
    finish();
    const fs::path elsewhere = root / "elsewhere";
    fs::create_directories(elsewhere);
    services.savePath = [&](const fs::path&) -> std::optional<fs::path> {
        fs::current_path(elsewhere);
        return elsewhere / "map.png";
    };
    model->press(C::SaveMap);
    ASSERT_TRUE(fs::exists(elsewhere / "map.png"));
    fs::remove(paths.previewPath);
    model->press(C::Generate);
    finish();
    EXPECT_TRUE(fs::exists(root / "data" / "temp" / "preview.png"));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(model->lastFolder(), elsewhere) << "the next dialog starts where the last save went";
}

TEST_F(WindowModelTest, AFailedSaveSaysSoAndKeepsTheOldFile) {
    model->press(C::Generate);
    finish();
    const fs::path locked = root / "locked.png";
    std::ofstream(locked) << "old";
    fs::permissions(locked, fs::perms::owner_read);
    services.savePath = [&](const fs::path&) -> std::optional<fs::path> { return locked; };
    model->press(C::SaveMap);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].caption, "File write error");
    std::ifstream in(locked);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "old");
}

TEST_F(WindowModelTest, LoadMapShowsTheMapsTypeThemeAndWater) {
    // An Island map of theme 2 with red water (1), saved by the program itself.
    model->select(C::GameType, 1);
    model->setChecked(C::Manual, true);
    model->select(C::Theme, 2);
    model->press(C::Generate);
    finish();
    MapIdentity red = mapIdentity(*model->map());
    red.waterColour = 1;
    ASSERT_EQ(saveMap(model->map()->image.get(), red, root / "island.png", false), std::nullopt);
    model->press(C::ResetAll);
    model->select(C::GameType, 0);
    services.loadPath = [&](const fs::path&) -> std::optional<fs::path> { return root / "island.png"; };
    model->press(C::LoadMap);
    ASSERT_NE(model->map(), nullptr);
    EXPECT_EQ(model->map()->mapType(), MapType::Island);
    EXPECT_EQ(c(C::GameType).value, 1);
    EXPECT_EQ(c(C::Status).text, "Island");
    EXPECT_EQ(c(C::Theme).value, 2);
    EXPECT_EQ(c(C::Water).value, 1);
    EXPECT_TRUE(c(C::SaveMap).enabled);
    EXPECT_TRUE(c(C::Modify).enabled);
    EXPECT_FALSE(c(C::ForceFullColour).enabled) << "a 64-colour file";
    EXPECT_TRUE(model->mapShown());
    // A file that is no map: a message, and nothing else changes.
    std::ofstream(root / "junk.png") << "junk";
    services.loadPath = [&](const fs::path&) -> std::optional<fs::path> { return root / "junk.png"; };
    model->press(C::LoadMap);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(model->map()->mapType(), MapType::Island);
    // A dropped file loads like a chosen one.
    model->press(C::ResetAll);
    model->dropFile(root / "island.png");
    ASSERT_NE(model->map(), nullptr);
    EXPECT_EQ(c(C::GameType).value, 1);
}

TEST_F(WindowModelTest, SettingsDialogSetsRemoveBackgroundOnlyOnOk) {
    services.settings = [](bool& removeBackground, bool& module) {
        EXPECT_FALSE(module);
        removeBackground = true;
        return false;  // Cancel
    };
    model->menu(MenuCommand::Settings);
    EXPECT_FALSE(model->removeBackground());
    services.settings = [](bool& removeBackground, bool&) {
        removeBackground = true;
        return true;
    };
    model->menu(MenuCommand::Settings);
    EXPECT_TRUE(model->removeBackground());
}

TEST_F(WindowModelTest, AnExceptionInACommandIsShownAndTheWindowGoesOn) {
    model->press(C::Generate);
    finish();
    services.savePath = [](const fs::path&) -> std::optional<fs::path> { throw WinException(5, "Disk gone"); };
    model->press(C::SaveMap);
    services.savePath = [](const fs::path&) -> std::optional<fs::path> { throw 42; };
    model->menu(MenuCommand::SaveMap);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].caption, "Exception");
    EXPECT_EQ(services.messages[0].text, "Disk gone");
    EXPECT_EQ(services.messages[1].text, "Unknown");
    model->press(C::Generate);
    finish();
    EXPECT_TRUE(c(C::Generate).enabled);
}

TEST_F(WindowModelTest, TheEditorCommandDisablesForceFullColourUntilTheNextMap) {
    model->press(C::Generate);
    finish();
    model->press(C::EditMap);
    EXPECT_EQ(services.editorRuns, 1);
    EXPECT_FALSE(c(C::ForceFullColour).enabled);
    model->menu(MenuCommand::IndiMask);
    EXPECT_EQ(services.editorRuns, 2);
    model->press(C::Generate);
    finish();
    EXPECT_TRUE(c(C::ForceFullColour).enabled);
}

TEST_F(WindowModelTest, ExitWaitsForARunningWorker) {
    model->press(C::Generate);
    model->menu(MenuCommand::Exit);
    EXPECT_FALSE(model->busy());
    EXPECT_EQ(services.quits, 1);
}

// A seed typed into the window makes the map `brambex -t cavern --seed N` makes.
TEST_F(WindowModelTest, ATypedSeedMakesTheCommandLinesMap) {
    const std::string cmd = "cd '" + root.string() + "' && XDG_CONFIG_HOME='" + (root / "config").string() + "' '" +
                            BRAMBEX_EXE + "' -t cavern --seed 4243 --out cli.png > /dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    // The command line's Cavern parameters.
    model->select(C::GameType, 1);
    model->select(C::GameType, 0);
    ASSERT_EQ(model->parameters().complexity, 50);
    model->setSeedText("4243");  // a seed whose theme draw differs from the draw after it
    model->press(C::Generate);
    finish();
    ASSERT_EQ(model->shownSeed(), 4243u);
    ASSERT_EQ(saveMap(*model->map(), root / "window.png", false), std::nullopt);
    ImagePtr cli = loadPng(root / "cli.png"), window = loadPng(root / "window.png");
    ASSERT_TRUE(cli && window);
    EXPECT_TRUE(test::samePixels(cli.get(), window.get()));
    // A seed that is no number is refused with a message.
    model->setSeedText("12ab");
    model->press(C::Generate);
    EXPECT_FALSE(model->busy());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].caption, "Seed");
    // and the map on screen stays as it was.
    EXPECT_EQ(model->shownSeed(), 4243u);
    EXPECT_EQ(model->previewPicture(), paths.previewPath);
    for (const char* bad : {"-1", " 5", "4294967296"}) {
        model->setSeedText(bad);
        model->press(C::Generate);
        EXPECT_FALSE(model->busy()) << bad;
    }
}

}  // namespace

namespace {

TEST_F(WindowModelTest, SuperSheeperComesUpTallAndRopeRaceWide) {
    for (const char* type : {"rr", "supersheeper"}) {
        fs::create_directories(root / "data" / type);
        std::ofstream(root / "data" / type / "filecheck.dat");
    }
    detectInstalledTypes();
    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    ASSERT_EQ(c(C::GameType).items, (std::vector<std::string>{"Cavern", "Island", "RopeRace", "SuperSheeper"}));
    model->select(C::GameType, 3);
    EXPECT_EQ(c(C::Status).text, "SuperSheeper");
    EXPECT_EQ(model->parameters().width, 1920);
    EXPECT_EQ(model->parameters().height, 2880);
    EXPECT_TRUE(c(C::Padding).shown);
    EXPECT_EQ(c(C::PathSize).min, 174);
    model->select(C::GameType, 2);
    EXPECT_EQ(c(C::Status).text, "Rope Race");
    EXPECT_EQ(model->parameters().height, 696);
    EXPECT_TRUE(c(C::NoTopSoil).shown);
    EXPECT_FALSE(c(C::Padding).shown);
    EXPECT_FALSE(c(C::Objects).shown);
}

TEST_F(WindowModelTest, ShopperOffersItsLayoutsInManualModeAndMakesTheChosenOne) {
    fs::create_directory_symlink(fs::path(BRAMBEX_BUILD_DIR) / "data" / "shopper", root / "data" / "shopper");
    detectInstalledTypes();
    model = std::make_unique<MainWindowModel>(services);
    model->initialise();
    ASSERT_EQ(c(C::GameType).items, (std::vector<std::string>{"Cavern", "Island", "Shopper"}));
    model->select(C::GameType, 2);
    EXPECT_EQ(c(C::Status).text, "Shopper");
    EXPECT_TRUE(c(C::Layout).shown);
    EXPECT_FALSE(c(C::Layout).enabled) << "the layout is drawn in Random mode";
    EXPECT_EQ(c(C::Layout).items, (std::vector<std::string>{"City", "Maze"}));
    EXPECT_TRUE(c(C::Objects).shown);
    EXPECT_FALSE(c(C::Width).shown);
    model->setChecked(C::Manual, true);
    EXPECT_TRUE(c(C::Layout).enabled);
    for (const auto layout : {Shopper::Layout::Maze, Shopper::Layout::City}) {
        model->select(C::Layout, static_cast<int>(layout));
        model->press(C::Generate);
        finish();
        const std::optional<MapRecipe> made = parseMapCode(model->mapCode()).recipe;
        ASSERT_TRUE(made);
        EXPECT_EQ(std::get<Shopper::Settings>(made->settings).shopperLayout, static_cast<int>(layout));
        EXPECT_EQ(model->map()->image->sx, 1920);
        EXPECT_EQ(model->map()->image->sy, 696);
    }
}

}  // namespace

namespace {

TEST_F(WindowModelTest, CandidatesAreMadeOneAfterAnotherAndThePickedOneBecomesTheMap) {
    model->generateCandidates(3);
    ASSERT_TRUE(model->busy());
    finish();
    ASSERT_EQ(model->candidates().size(), 3u);
    EXPECT_EQ(model->candidatesWanted(), 0);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_TRUE(fs::exists(model->candidates()[k].preview));
        EXPECT_EQ(model->candidates()[k].seed, model->candidates()[0].seed + k);
    }
    EXPECT_TRUE(c(C::Generate).enabled);
    model->pickCandidate(1);
    finish();
    ASSERT_EQ(model->shownSeed(), model->candidates()[1].seed);
    // The picked map is the candidate's map: the same preview, pixel for pixel.
    ImagePtr picked = loadPng(paths.previewPath), shown = loadPng(model->candidates()[1].preview);
    ASSERT_TRUE(picked && shown);
    EXPECT_TRUE(test::samePixels(picked.get(), shown.get()));
    EXPECT_TRUE(c(C::SaveMap).enabled);
    EXPECT_TRUE(model->seedText().empty()) << "the seed field is the user's";
}

}  // namespace

namespace {

// A palette PNG of w x h black pixels, its image data deflated row by row (no picture in memory).
Bytes blackPalettePng(int w, int h) {
    Bytes ihdr;
    auto be32 = [](Bytes& b, std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<unsigned char>(v >> shift));
    };
    be32(ihdr, static_cast<std::uint32_t>(w));
    be32(ihdr, static_cast<std::uint32_t>(h));
    ihdr.insert(ihdr.end(), {8, 3, 0, 0, 0});
    Bytes idat;
    z_stream z{};
    deflateInit(&z, 1);
    std::vector<unsigned char> row(static_cast<std::size_t>(w) + 1, 0), out(1 << 16);
    for (int y = 0; y <= h; ++y) {
        z.next_in = row.data();
        z.avail_in = y < h ? static_cast<uInt>(row.size()) : 0;
        const int flush = y < h ? Z_NO_FLUSH : Z_FINISH;
        do {
            z.next_out = out.data();
            z.avail_out = static_cast<uInt>(out.size());
            deflate(&z, flush);
            idat.insert(idat.end(), out.data(), out.data() + (out.size() - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const Bytes& chunk : {makeChunk("IHDR", ihdr), makeChunk("PLTE", Bytes{0, 0, 0}), makeChunk("IDAT", idat),
                               makeChunk("IEND", Bytes{})})
        png.insert(png.end(), chunk.begin(), chunk.end());
    return png;
}

}  // namespace

// A picture of over a hundred million pixels is decoded only after the user says yes; no
// changes nothing.
TEST_F(WindowModelTest, LoadMapAsksBeforeDecodingAHugePicture) {
    model->press(C::Generate);
    finish();
    const std::optional<std::uint32_t> shown = model->shownSeed();
    ASSERT_TRUE(shown);
    const Bytes huge = blackPalettePng(10240, 10240);
    std::FILE* f = std::fopen((root / "huge.png").c_str(), "wb");
    std::fwrite(huge.data(), 1, huge.size(), f);
    std::fclose(f);
    services.answer = false;
    model->dropFile(root / "huge.png");
    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_NE(services.questions[0].text.find("10240 x 10240"), std::string::npos) << services.questions[0].text;
    EXPECT_EQ(model->shownSeed(), shown) << "the map on screen stays";
    // A map of an ordinary size is not asked about.
    ASSERT_EQ(saveMap(*model->map(), root / "small.png", false), std::nullopt);
    model->dropFile(root / "small.png");
    EXPECT_EQ(services.questions.size(), 1u);
}

// Nothing is lost: a map edited in the editor and not saved is never replaced without asking, on
// every path that replaces it; Cancel keeps it, Discard lets it go, Save saves it first.
TEST_F(WindowModelTest, AnEditedMapIsNeverReplacedWithoutAsking) {
    model->press(C::Generate);
    finish();
    EXPECT_EQ(model->title(), "Untitled - Brambex");
    EXPECT_FALSE(model->unsaved());
    MapEditorModel& editor = model->mapEditor();
    ASSERT_EQ(editor.open(), std::nullopt);
    ASSERT_FALSE(editor.groups()[0].empty());
    ASSERT_EQ(editor.selectEntry(editor.groups()[0].front().entry), std::nullopt);
    ASSERT_EQ(editor.down(), std::nullopt);
    editor.accept();
    ASSERT_TRUE(model->unsaved());
    EXPECT_EQ(model->title(), "*Untitled - Brambex");
    const std::uint32_t seed = *model->shownSeed();

    // Cancel: every command that would replace the map leaves it.
    services.saveChoice = SaveChoice::Cancel;
    services.loadPath = [&](const fs::path&) -> std::optional<fs::path> { return root / "never.png"; };
    model->press(C::Generate);
    model->press(C::LoadMap);
    model->press(C::ResetAll);
    model->menu(MenuCommand::Exit);
    model->dropFile(root / "never.png");
    EXPECT_FALSE(model->busy());
    EXPECT_EQ(services.saveQuestions, 5);
    EXPECT_EQ(services.quits, 0);
    EXPECT_EQ(model->shownSeed(), seed);
    EXPECT_TRUE(model->unsaved());

    // Save: the map goes to a file first, then the command goes on.
    services.saveChoice = SaveChoice::Save;
    services.savePath = [&](const fs::path&) -> std::optional<fs::path> { return root / "kept.png"; };
    model->press(C::Generate);
    finish();
    EXPECT_TRUE(fs::exists(root / "kept.png"));
    EXPECT_NE(model->shownSeed(), std::nullopt);
    EXPECT_FALSE(model->unsaved());
    EXPECT_NE(c(C::Status).text.find("seed"), std::string::npos) << c(C::Status).text;

    // Discard: the command goes on and the change is gone.
    ASSERT_EQ(model->mapEditor().open(), std::nullopt);
    ASSERT_EQ(model->mapEditor().selectEntry(model->mapEditor().groups()[0].front().entry), std::nullopt);
    ASSERT_EQ(model->mapEditor().down(), std::nullopt);
    services.saveChoice = SaveChoice::Discard;
    model->menu(MenuCommand::Exit);
    EXPECT_EQ(services.quits, 1);
}

// Save writes to the map's own file once it has one, and says so; Save As always asks.
TEST_F(WindowModelTest, SaveGoesToTheMapsOwnFileAndSaysSo) {
    model->press(C::Generate);
    finish();
    int asked = 0;
    services.savePath = [&](const fs::path&) -> std::optional<fs::path> {
        ++asked;
        return root / "mine.png";
    };
    model->menu(MenuCommand::Save);
    EXPECT_EQ(asked, 1) << "no file yet: asked where";
    EXPECT_EQ(c(C::Status).text, "Saved mine.png");
    EXPECT_EQ(model->title(), "mine.png - Brambex");
    model->menu(MenuCommand::Save);
    EXPECT_EQ(asked, 1) << "its own file from now on";
    model->menu(MenuCommand::SaveMap);
    EXPECT_EQ(asked, 2) << "Save As asks";
    ASSERT_FALSE(model->recentFiles().empty());
    EXPECT_EQ(model->recentFiles().front(), root / "mine.png");
    model->press(C::SaveSettings);
    EXPECT_EQ(c(C::Status).text, "Settings saved for Cavern");
}

// The session's maps can be brought back, each made again from its seed.
TEST_F(WindowModelTest, TheHistoryBringsBackEarlierMaps) {
    std::vector<std::uint32_t> seeds;
    for (const char* seed : {"101", "102", "103"}) {
        model->setSeedText(seed);
        model->press(C::Generate);
        finish();
        seeds.push_back(*model->shownSeed());
    }
    model->setSeedText("");
    ASSERT_EQ(model->history().size(), 3u);
    EXPECT_EQ(model->historyPosition(), 2);
    ASSERT_TRUE(model->history()[0].thumbnail);
    ImagePtr third = trueColourCopy(model->map()->image.get());
    model->historyBack();
    finish();
    EXPECT_EQ(model->shownSeed(), seeds[1]);
    model->historyBack();
    finish();
    EXPECT_EQ(model->shownSeed(), seeds[0]);
    EXPECT_EQ(model->history().size(), 3u) << "going back adds nothing";
    model->goToHistory(2);
    finish();
    EXPECT_EQ(model->shownSeed(), seeds[2]);
    EXPECT_TRUE(test::samePixels(third.get(), model->map()->image.get()));
    // A new map after going back drops what was ahead.
    model->historyBack();
    finish();
    model->press(C::Generate);
    finish();
    EXPECT_EQ(model->history().size(), 3u);
    EXPECT_EQ(model->historyPosition(), 2);
}

// A cancelled run leaves the map that was shown.
TEST_F(WindowModelTest, ACancelledRunLeavesTheMapShownBefore) {
    model->setSeedText("55");
    model->press(C::Generate);
    finish();
    ImagePtr before = trueColourCopy(model->map()->image.get());
    model->moveSlider(C::Width, 8000);
    model->moveSlider(C::Height, 8000);
    model->setSeedText("56");
    model->press(C::Generate);
    ASSERT_TRUE(model->busy());
    EXPECT_NE(model->runText().find("Generating Cavern 8000 x 8000"), std::string::npos) << model->runText();
    model->cancelRun();
    finish();
    EXPECT_EQ(c(C::Status).text, "Generation cancelled");
    ASSERT_NE(model->map(), nullptr);
    EXPECT_EQ(model->shownSeed(), 55u);
    EXPECT_TRUE(test::samePixels(before.get(), model->map()->image.get()));
    EXPECT_TRUE(c(C::Generate).enabled);
    EXPECT_TRUE(c(C::SaveMap).enabled);
}

// Back, cancelled while its map is made again, stays on the entry of the map on screen: Forward
// and Back then go from there.
TEST_F(WindowModelTest, ACancelledHistoryRunKeepsTheHistoryOnTheMapShown) {
    model->moveSlider(C::Width, 6000);
    model->moveSlider(C::Height, 6000);
    model->setSeedText("55");
    model->press(C::Generate);
    finish();
    model->moveSlider(C::Width, 640);
    model->moveSlider(C::Height, 320);
    model->setSeedText("56");
    model->press(C::Generate);
    finish();
    ASSERT_EQ(model->historyPosition(), 1);
    model->historyBack();
    ASSERT_TRUE(model->busy());
    model->cancelRun();
    finish();
    EXPECT_EQ(model->shownSeed(), 56u);
    EXPECT_EQ(model->historyPosition(), 1) << "the position names the map on screen";
    model->historyForward();
    EXPECT_FALSE(model->busy()) << "nothing ahead of the map on screen";
}

// Another type's map on screen is marked as such.
TEST_F(WindowModelTest, APreviewOfAnotherTypeIsMarked) {
    model->setSeedText("9");
    model->press(C::Generate);
    finish();
    EXPECT_EQ(model->mapCaption(), "");
    model->select(C::GameType, 1);
    EXPECT_EQ(model->mapCaption(), "Cavern map, seed 9");
}

// A message about a file names the file the user chose.
TEST_F(WindowModelTest, LoadMapNamesTheRealFile) {
    std::ofstream(root / "notes.txt") << "not a map";
    model->dropFile(root / "notes.txt");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].text.find("notes.txt is not"), std::string::npos) << services.messages[0].text;
}

// The map on screen says whether it can be played, and so does each candidate.
TEST_F(WindowModelTest, TheMapOnScreenAndEachCandidateSayWhetherTheyCanBePlayed) {
    EXPECT_EQ(model->playabilityText(), "");
    model->setSeedText("1000");
    model->press(C::Generate);
    finish();
    EXPECT_NE(model->playabilityText().find("standing places"), std::string::npos) << model->playabilityText();
    model->generateCandidates(2);
    finish();
    ASSERT_EQ(model->candidates().size(), 2u);
    EXPECT_NE(model->candidates()[0].playability.find("standing places"), std::string::npos);
    // A picked candidate is the map on screen: its line and mark are the window's.
    const auto picked = model->candidates()[1];
    model->pickCandidate(1);
    finish();
    EXPECT_EQ(picked.playability, model->playabilityText());
    EXPECT_EQ(picked.playable, model->playabilityMisses().empty());
}

// Live: a moved slider makes the map on screen again with its seed, and what it shows is the map
// Generate makes with that seed; a newer change stops an older run.
TEST_F(WindowModelTest, AMovedSliderRemakesTheMapLiveAsGenerateWould) {
    model->setSeedText("321");
    model->press(C::Generate);
    finish();
    model->setSeedText("");
    ASSERT_TRUE(model->live());
    Bytes previewOfGenerate;
    ASSERT_TRUE(readWholeFile(paths.previewPath, previewOfGenerate));
    model->moveSlider(C::Objects, 90);
    ASSERT_TRUE(model->liveRunning());
    EXPECT_TRUE(c(C::Objects).enabled) << "the controls stay in the hand";
    model->moveSlider(C::Objects, 10);  // a newer change while the first still runs
    model->moveSlider(C::Complexity, 70);
    finish();
    ASSERT_EQ(model->shownSeed(), 321u);
    ImagePtr live = trueColourCopy(model->map()->image.get());
    EXPECT_EQ(model->history().size(), 1u) << "live maps are no new entries";
    Bytes previewAfterLive;
    ASSERT_TRUE(readWholeFile(paths.previewPath, previewAfterLive));
    EXPECT_EQ(previewAfterLive, previewOfGenerate) << "a live frame writes no files";
    // Generate with the same seed and these values makes the same map.
    model->setSeedText("321");
    model->press(C::Generate);
    finish();
    EXPECT_TRUE(test::samePixels(live.get(), model->map()->image.get()));
    // Live off: a moved slider changes nothing until Generate.
    model->setLive(false);
    model->moveSlider(C::Objects, 55);
    EXPECT_FALSE(model->busy());
}

// Candidates can be asked to be playable: maps that miss their type's thresholds are not kept,
// further seeds are tried, and no more than four tries a candidate are made.
TEST_F(WindowModelTest, PlayableCandidatesKeepOnlyPlayableMaps) {
    // Sparse islands: of seeds 4, 5 and 6, seed 5 has too few standing places.
    model->select(C::GameType, 1);
    model->moveSlider(C::Objects, c(C::Objects).min);
    if (c(C::Complexity).shown) model->moveSlider(C::Complexity, c(C::Complexity).min);
    model->generateCandidates(2, false, 4);
    finish();
    ASSERT_EQ(model->candidates().size(), 2u);
    EXPECT_TRUE(model->candidates()[0].playable);
    EXPECT_FALSE(model->candidates()[1].playable) << "any map is kept when not asked otherwise";
    model->generateCandidates(2, true, 4);
    finish();
    ASSERT_EQ(model->candidates().size(), 2u);
    EXPECT_EQ(model->candidates()[0].seed, 4u);
    EXPECT_EQ(model->candidates()[1].seed, 6u) << "seed 5 missed and was not kept";
    EXPECT_EQ(model->candidateTries(), 3);
    // Drawn seeds: every kept map playable, within four tries a candidate.
    model->generateCandidates(2, true);
    finish();
    for (const auto& c : model->candidates()) EXPECT_TRUE(c.playable) << c.seed;
    EXPECT_LE(model->candidateTries(), 8);
}

namespace {

// One editor change on the map on screen (a colour made harder), kept with OK.
void editOnce(MainWindowModel& model) {
    MapEditorModel& editor = model.mapEditor();
    ASSERT_EQ(editor.open(), std::nullopt);
    ASSERT_FALSE(editor.groups()[0].empty());
    ASSERT_EQ(editor.selectEntry(editor.groups()[0].front().entry), std::nullopt);
    ASSERT_EQ(editor.down(), std::nullopt);
    editor.accept();
}

}  // namespace

// Live never replaces an edited map: it waits, and says so, until the change is saved.
TEST_F(WindowModelTest, LiveWaitsWhileTheMapHasEditsNotSaved) {
    model->press(C::Generate);
    finish();
    ASSERT_TRUE(model->live());
    editOnce(*model);
    ASSERT_TRUE(model->unsaved());
    const std::string code = model->mapCode();
    model->moveSlider(C::Objects, c(C::Objects).value == 10 ? 20 : 10);
    finish();
    EXPECT_TRUE(model->unsaved()) << "the edit is still there";
    EXPECT_EQ(model->mapCode(), code);
    EXPECT_EQ(services.saveQuestions, 0) << "nothing replaced, so nothing to ask";
    EXPECT_NE(c(C::Status).text.find("Live is paused"), std::string::npos) << c(C::Status).text;
    services.savePath = [&](const fs::path&) -> std::optional<fs::path> { return root / "edited.png"; };
    model->menu(MenuCommand::Save);
    model->moveSlider(C::Objects, 30);
    finish();
    EXPECT_NE(model->mapCode(), code) << "saved: Live goes on";
}

// A live frame is on screen before its playability is known: the figures follow from the other
// core, they are the figures of that very map, and the previews are made once something needs them.
TEST_F(WindowModelTest, ALiveFrameIsShownFirstAndItsFiguresFollow) {
    model->setSeedText("31");
    model->press(C::Generate);
    finish();
    ASSERT_TRUE(model->map()->playability);
    model->moveSlider(C::Objects, c(C::Objects).value == 10 ? 20 : 10);
    finish();
    ASSERT_NE(model->map(), nullptr);
    EXPECT_FALSE(model->map()->preview) << "a live frame makes no previews on the way";
    ASSERT_TRUE(model->map()->pyramid) << "the view's picture comes with the map";
    model->waitForMeasure();
    ASSERT_TRUE(model->map()->playability);
    const Playability expected = measurePlayability(model->map()->image.get(), courseKind(model->map()->mapType()),
                                                    model->map()->weaponPads);
    EXPECT_EQ(model->map()->playability->standingPlaces, expected.standingPlaces);
    EXPECT_EQ(model->map()->playability->reach, expected.reach);
    EXPECT_FALSE(model->playabilityText().empty());
    // Show Transparency writes the previews of the map on screen: made now, not left as they were.
    fs::remove(paths.previewPath);
    model->setChecked(C::ShowTransparency, true);
    EXPECT_TRUE(fs::exists(paths.previewPath));
    EXPECT_TRUE(model->map()->preview);
}

// Mirror is a check box of the types that allow it: with Live on it remakes the map mirrored, and
// the map's code says so. The number of teams only changes what the figures are for.
TEST_F(WindowModelTest, MirrorRemakesTheMapAndTheTeamsChangeOnlyTheFigures) {
    model->setSeedText("44");
    model->press(C::Generate);
    finish();
    ASSERT_TRUE(c(C::Mirror).shown && c(C::Mirror).enabled);
    EXPECT_EQ(model->mapCode().find("-mi-"), std::string::npos);
    model->setChecked(C::Mirror, true);
    finish();
    EXPECT_NE(model->mapCode().find("-mi-"), std::string::npos) << model->mapCode();
    model->waitForMeasure();
    ASSERT_TRUE(model->map()->playability);
    EXPECT_DOUBLE_EQ(teamBalance(*model->map()->playability, 2), 1.0);
    EXPECT_NE(model->playabilityText().find("balance 1.00 for 2 teams"), std::string::npos) << model->playabilityText();
    const std::string code = model->mapCode();
    model->select(C::Teams, 2);
    EXPECT_FALSE(model->busy()) << "no new map for another number of teams";
    EXPECT_EQ(model->teams(), 4);
    EXPECT_EQ(model->mapCode(), code);
    EXPECT_NE(model->playabilityText().find("for 4 teams"), std::string::npos) << model->playabilityText();
    // The controls show the mirror of a map brought back from its code.
    model->setChecked(C::Mirror, false);
    finish();
    model->makeFromCode(code);
    finish();
    EXPECT_TRUE(c(C::Mirror).checked);
    EXPECT_EQ(model->mapCode(), code);
}

// Back and Forward bring back the map that was on screen, and the controls describe it: its type,
// its size, and a size Live had changed.
TEST_F(WindowModelTest, TheControlsDescribeAMapBroughtBackFromTheHistory) {
    model->setSeedText("5");
    model->press(C::Generate);  // Cavern 1920 x 696
    finish();
    model->setLive(true);
    model->moveSlider(C::Width, 2400);  // Live: the same map at another width
    finish();
    ASSERT_EQ(model->map()->width, 2400);
    const std::string cavern = model->mapCode();
    model->select(C::GameType, 1);
    model->moveSlider(C::Width, 3000);
    model->press(C::Generate);  // Island
    finish();
    model->setSeedText("");
    ASSERT_EQ(model->map()->mapType(), MapType::Island);
    model->historyBack();
    finish();
    EXPECT_EQ(model->mapCode(), cavern) << "the map as Live left it";
    EXPECT_EQ(c(C::GameType).value, 0);
    EXPECT_EQ(c(C::Status).text.rfind("Cavern", 0), 0u) << c(C::Status).text;
    EXPECT_EQ(c(C::Width).value, 2400);
    EXPECT_EQ(mapCode(model->controlsRecipe(MapType::Cavern, 5)), cavern);
    model->historyForward();
    finish();
    EXPECT_EQ(c(C::GameType).value, 1);
    EXPECT_EQ(c(C::Width).value, 3000);
}

// Candidates are made beside the map on screen, by their seeds, never through the Seed field; a
// pick asks before it replaces an edited map, and stopping them changes nothing.
TEST_F(WindowModelTest, CandidatesLeaveTheMapAndTheSeedFieldAloneAndAskBeforeReplacingAnEdit) {
    model->setSeedText("77");
    model->press(C::Generate);
    finish();
    editOnce(*model);
    const std::string edited = model->mapCode();
    model->generateCandidates(2, false, 500);
    finish();
    ASSERT_EQ(model->candidates().size(), 2u);
    EXPECT_EQ(model->seedText(), "77");
    EXPECT_EQ(services.saveQuestions, 0) << "candidates are made beside the map on screen";
    EXPECT_EQ(model->mapCode(), edited);
    EXPECT_TRUE(model->unsaved());
    services.saveChoice = SaveChoice::Cancel;
    model->pickCandidate(0);
    finish();
    EXPECT_EQ(services.saveQuestions, 1);
    EXPECT_EQ(model->shownSeed(), 77u) << "the edited map stays";
    services.saveChoice = SaveChoice::Discard;
    model->pickCandidate(0);
    finish();
    EXPECT_EQ(model->shownSeed(), 500u);
    EXPECT_EQ(model->seedText(), "77");

    const std::string shown = model->mapCode();
    model->generateCandidates(3, false, 900);
    model->stopCandidates();  // the dialog closed with Esc
    finish();
    EXPECT_EQ(model->mapCode(), shown) << "the map on screen is as it was";
    EXPECT_LE(model->candidates().size(), 1u);
    EXPECT_TRUE(c(C::Generate).enabled);
}

// Exit asks once: the window's own close that follows does not ask again.
TEST_F(WindowModelTest, ExitAsksOnceAboutAnEditedMap) {
    model->press(C::Generate);
    finish();
    editOnce(*model);
    services.saveChoice = SaveChoice::Discard;
    model->menu(MenuCommand::Exit);
    EXPECT_EQ(services.saveQuestions, 1);
    EXPECT_EQ(services.quits, 1);
    EXPECT_TRUE(model->quitting()) << "the close that follows asks nothing";
}

namespace {

// Every pixel's colour and the size, as one number.
std::uint64_t pixelsHash(const Map* map) {
    if (!map || !map->image) return 0;
    gdImagePtr im = map->image.get();
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
    mix(static_cast<std::uint64_t>(im->sx));
    mix(static_cast<std::uint64_t>(im->sy));
    for (int y = 0; y < im->sy; ++y)
        for (int x = 0; x < im->sx; ++x) mix(static_cast<std::uint32_t>(trueColourAt(im, x, y)) & 0xFFFFFFu);
    return h;
}

// The map as its file would hold it, read back: what "saved" must equal.
std::uint64_t asWrittenHash(const Map& map) {
    const EncodedMap encoded = encodeMap(map.image.get(), mapIdentity(map), false);
    ImagePtr back = decodePng(encoded.bytes);
    Map read;
    read.image = std::move(back);
    return pixelsHash(&read);
}

std::uint64_t fileHash(const fs::path& file) {
    Map read;
    read.image = loadPng(file);
    return pixelsHash(&read);
}

}  // namespace

// Long random sequences of what a user does, checked after every step: an edited map is never
// replaced without a Save or Discard answer; "*" shows exactly when the map differs from its file;
// a map with no unsaved edits is described by the controls (they make its code); an undo followed
// by a redo gives the same pixels.
TEST_F(WindowModelTest, RandomCommandSequencesKeepTheWindowTruthful) {
    std::mt19937 random(20261209);
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::vector<fs::path> saved;
    int replaced = 0, asked = 0;
    for (int step = 0; step < 160; ++step) {
        const Map* before = model->map();
        const bool wasUnsaved = model->unsaved();
        const int questions = services.saveQuestions;
        const SaveChoice answer = std::array{SaveChoice::Save, SaveChoice::Discard, SaveChoice::Cancel}[pick(3)];
        services.saveChoice = answer;
        const bool dialogCancelled = pick(4) == 0;
        const fs::path target = root / formatText("map%d.png", step);
        services.savePath = [&, dialogCancelled, target](const fs::path&) -> std::optional<fs::path> {
            if (dialogCancelled) return std::nullopt;
            return target;
        };
        const int command = pick(12);
        std::string what;
        switch (command) {
        case 0:
            what = "generate";
            model->setSeedText(pick(2) ? std::to_string(100 + pick(5)) : "");
            model->press(C::Generate);
            break;
        case 1:
            what = "live";
            model->moveSlider(C::Objects, pick(101));
            break;
        case 2:
            what = "edit";
            if (model->map() && !model->busy()) {
                finish();
                MapEditorModel& editor = model->mapEditor();
                if (!editor.open() && !editor.groups()[0].empty()) {
                    (void)editor.selectEntry(editor.groups()[0][static_cast<std::size_t>(pick(static_cast<int>(editor.groups()[0].size())))].entry);
                    (void)(pick(2) ? editor.down() : editor.up());
                    editor.accept();
                }
            }
            break;
        case 3: {
            what = "undo, redo";
            finish();
            const std::uint64_t now = pixelsHash(model->map());
            if (model->mapEditor().canUndo()) {
                model->undoEdit();
                model->redoEdit();
                EXPECT_EQ(pixelsHash(model->map()), now) << "step " << step << ": undo then redo";
            }
            if (pick(2)) model->undoEdit();
            break;
        }
        case 4:
            what = "save";
            model->menu(MenuCommand::Save);
            if (!dialogCancelled && fs::exists(target)) saved.push_back(target);
            break;
        case 5:
            what = "save as";
            model->menu(MenuCommand::SaveMap);
            if (!dialogCancelled && fs::exists(target)) saved.push_back(target);
            break;
        case 6:
            what = "load";
            if (!saved.empty()) {
                const fs::path file = saved[static_cast<std::size_t>(pick(static_cast<int>(saved.size())))];
                services.loadPath = [file](const fs::path&) -> std::optional<fs::path> { return file; };
                model->press(C::LoadMap);
            }
            break;
        case 7:
            what = "back";
            model->historyBack();
            break;
        case 8:
            what = "forward";
            model->historyForward();
            break;
        case 9:
            what = "candidates";
            model->generateCandidates(2, false, static_cast<std::uint32_t>(200 + pick(50)));
            if (pick(2)) {
                model->stopCandidates();
                finish();
            } else {
                finish();
                if (!model->candidates().empty()) model->pickCandidate(pick(static_cast<int>(model->candidates().size())));
            }
            break;
        case 10:
            what = "type";
            model->select(C::GameType, pick(2));
            break;
        default:
            what = "exit";
            model->menu(MenuCommand::Exit);
            break;
        }
        finish();
        SCOPED_TRACE("step " + std::to_string(step) + ": " + what);
        // An edited map is replaced only after a question answered Save or Discard.
        if (wasUnsaved && model->map() != before) {
            ++replaced;
            EXPECT_GT(services.saveQuestions, questions) << "replaced without asking";
            EXPECT_NE(answer, SaveChoice::Cancel) << "replaced though the answer was Cancel";
        }
        asked += services.saveQuestions > questions;
        // The title's "*" is the truth about the map and its file.
        EXPECT_EQ(model->title().rfind("*", 0) == 0, model->unsaved()) << model->title();
        const Map* map = model->map();
        if (map && !model->unsaved() && model->mapFile()) {
            EXPECT_EQ(asWrittenHash(*map), fileHash(*model->mapFile())) << "shown as saved, but the file differs";
        }
        // With nothing unsaved, the controls describe the map on screen.
        if (map && !model->unsaved() && !map->code.empty() && typeAtListPosition(c(C::GameType).value) == map->mapType()) {
            EXPECT_EQ(mapCode(model->controlsRecipe(map->mapType(), map->seed)), map->code);
        }
    }
    EXPECT_GT(asked, 5) << "the sequence reached the questions";
    EXPECT_GT(replaced, 1) << "and edited maps were replaced after them";
}

// The editor's changes are one undo stack that knows the saved state: a change after a save is
// unsaved again, a new change cuts the redo steps, and Cancel takes back the dialog's steps too.
TEST_F(WindowModelTest, TheEditsAreOneUndoStackThatKnowsTheSavedState) {
    model->press(C::Generate);
    finish();
    MapEditorModel& editor = model->mapEditor();
    auto change = [&](bool harder) {
        ASSERT_FALSE(editor.groups()[0].empty());
        ASSERT_EQ(editor.selectEntry(editor.groups()[0].front().entry), std::nullopt);
        ASSERT_EQ(harder ? editor.down() : editor.up(), std::nullopt);
    };
    ASSERT_EQ(editor.open(), std::nullopt);
    change(true);
    editor.accept();
    services.savePath = [&](const fs::path&) -> std::optional<fs::path> { return root / "saved.png"; };
    model->menu(MenuCommand::Save);
    ASSERT_FALSE(model->unsaved());
    ASSERT_EQ(editor.open(), std::nullopt);
    change(true);
    editor.accept();
    EXPECT_TRUE(model->unsaved()) << "a change after the save is not saved";
    model->undoEdit();
    EXPECT_FALSE(model->unsaved()) << "undone back to the saved state";
    EXPECT_TRUE(editor.canRedo());
    ASSERT_EQ(editor.open(), std::nullopt);
    change(false);
    editor.accept();
    EXPECT_FALSE(editor.canRedo()) << "a new change cuts the redo steps";

    const bool couldUndo = editor.canUndo();
    const std::uint64_t opened = pixelsHash(model->map());
    const bool wasUnsaved = model->unsaved();
    ASSERT_EQ(editor.open(), std::nullopt);
    change(true);
    change(true);
    editor.cancel();
    EXPECT_EQ(pixelsHash(model->map()), opened);
    EXPECT_EQ(model->unsaved(), wasUnsaved);
    EXPECT_EQ(editor.canUndo(), couldUndo);
    EXPECT_FALSE(editor.canRedo()) << "Cancel leaves no steps of its own";
    ASSERT_TRUE(couldUndo);
    model->undoEdit();
    EXPECT_FALSE(model->unsaved()) << "the step before the dialog is still there, back to the save";
}

// Back to a map whose editor changes were saved shows it as it was left: the changes, its file.
TEST_F(WindowModelTest, BackBringsAnEditedMapBackWithItsSavedChanges) {
    model->setSeedText("101");
    model->press(C::Generate);
    finish();
    editOnce(*model);
    services.savePath = [&](const fs::path&) -> std::optional<fs::path> { return root / "edited.png"; };
    model->menu(MenuCommand::Save);
    ASSERT_FALSE(model->unsaved());
    const std::uint64_t edited = pixelsHash(model->map());
    const std::string code = model->mapCode();
    model->setSeedText("102");
    model->press(C::Generate);
    finish();
    model->setSeedText("");
    EXPECT_EQ(services.saveQuestions, 0) << "the changes were saved: nothing to ask";
    model->historyBack();
    finish();
    EXPECT_EQ(pixelsHash(model->map()), edited) << "the map with its changes, not made again without them";
    EXPECT_EQ(model->mapCode(), code);
    EXPECT_EQ(model->mapFile(), root / "edited.png");
    EXPECT_EQ(model->title(), "edited.png - Brambex");
    EXPECT_EQ(mapCode(model->controlsRecipe(MapType::Cavern, 101)), code);
    model->historyForward();
    finish();
    EXPECT_EQ(model->shownSeed(), 102u);
    model->historyBack();
    finish();
    EXPECT_EQ(pixelsHash(model->map()), edited) << "and again";
}
