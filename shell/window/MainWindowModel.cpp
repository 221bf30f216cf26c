#include "shell/window/MainWindowModel.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <fstream>
#include <new>
#include <thread>

#include "map/Files.h"
#include "map/GdImage.h"
#include "map/Map.h"
#include "map/PngReader.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/Themes.h"
#include "map/WinException.h"
#include "generators/Run.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapInfo.h"
#include "mapfile/MapLoader.h"
#include "mapfile/Preview.h"
#include "shell/Messages.h"
#include "shell/Startup.h"
#include "shell/TypeSettings.h"
#include "shell/window/MapEditorModel.h"

namespace brambex {

namespace fs = std::filesystem;
using K = ControlState::Kind;
using C = Control;

namespace {

const char* const STYLE_FOLDERS[] = {"ball", "matrix", "pool", "rugby", "smilies", "space"};
const char* const STYLE_STATUS[] = {"Balls Selected",  "Matrix Selected",  "Pool Selected",
                                    "Rugby Selected",  "Smilies Selected", "Space Selected"};

}  // namespace

MainWindowModel::MainWindowModel(WindowServices& services) : services_(services) {
    std::error_code ec;
    lastFolder_ = fs::current_path(ec);
    addControl(C::Status, K::Status);
    addControl(C::Preview, K::Picture);
    addControl(C::ThemePreview, K::Picture);
    addControl(C::StylePreview, K::Picture);
    addControl(C::GameType, K::List);
    addControl(C::SaveSettings, K::Button, "Save");
    addControl(C::Manual, K::Radio, "&Manual");
    addControl(C::Random, K::Radio, "&Random");
    addControl(C::Algorithm, K::List);
    addControl(C::Layout, K::List);
    addControl(C::Style, K::List);
    addControl(C::Brick, K::List);
    addControl(C::Theme, K::List);
    addControl(C::Water, K::List);
    addControl(C::WaterLabel, K::Label, "Water:");
    addControl(C::Smoothing, K::List);
    addControl(C::Modify, K::Check, "Modify");
    addControl(C::Grass, K::Check, "Grass");
    addControl(C::NoTopSoil, K::Check, "No Top Soil");
    addControl(C::ShowTransparency, K::Check, "Show &Transparency");
    addControl(C::ForceFullColour, K::Check, "Force Full Colour");
    addControl(C::BnaObjects, K::Slider);
    addControl(C::BnaObjectsLabel, K::Label, "Objects:");
    addControl(C::Pads, K::Slider);
    addControl(C::PadsLabel, K::Label, "Pads:");
    addControl(C::Padding, K::Slider);
    addControl(C::PaddingLabel, K::Label, "Padding:");
    addControl(C::Complexity, K::Slider);
    addControl(C::ComplexityLabel, K::Label, "Complexity:");
    addControl(C::Objects, K::Slider);
    addControl(C::ObjectsLabel, K::Label, "Objects:");
    addControl(C::Width, K::Slider);
    addControl(C::WidthLabel, K::Label, "Width:");
    addControl(C::WidthValue, K::Value);
    addControl(C::Height, K::Slider);
    addControl(C::HeightLabel, K::Label, "Height:");
    addControl(C::HeightValue, K::Value);
    addControl(C::PathSize, K::Slider);
    addControl(C::PathSizeLabel, K::Label, "Path Size:");
    addControl(C::PathSizeValue, K::Value);
    addControl(C::Islands, K::Slider);
    addControl(C::IslandsLabel, K::Label, "Num Islands:");
    addControl(C::CavesLabel, K::Label, "Num Caves:");
    addControl(C::IslandsValue, K::Value);
    addControl(C::Generate, K::Button, "&Generate");
    addControl(C::ResetAll, K::Button, "&Reset All");
    addControl(C::SaveMap, K::Button, "&Save Map");
    addControl(C::LoadMap, K::Button, "&Load Map");
    addControl(C::EditMap, K::Button);
    control(C::StylePreview).shown = false;
}

MainWindowModel::~MainWindowModel() = default;

void MainWindowModel::addControl(Control c, ControlState::Kind kind, std::string text) {
    ControlState s;
    s.kind = kind;
    s.text = std::move(text);
    if (kind == K::List) s.value = -1;
    controls_[c] = s;
}

ControlState& MainWindowModel::control(Control c) { return controls_.at(c); }
const ControlState& MainWindowModel::control(Control c) const { return controls_.at(c); }

void MainWindowModel::guarded(const std::function<void()>& f) {
    try {
        f();
    } catch (const WinException& e) {
        services_.showMessage({"Exception", e.what()});
    } catch (const std::bad_alloc&) {
        services_.showMessage({"Exception", "Out of memory"});
    } catch (...) {
        services_.showMessage({"Exception", "Unknown"});
    }
    // Every command ends with the controls read back, also after a failure.
    try {
        refreshParameters();
    } catch (...) {
    }
}

// ---------------------------------------------------------------- initialisation and layout

// ---------------------------------------------------------------- input

void MainWindowModel::moveSlider(Control slider, int position) {
    guarded([&] {
        ControlState& s = control(slider);
        if (!s.enabled || !s.shown) return;
        // Sizes are made in steps of 8: the slider stays on the size the map will have.
        if (slider == C::Width || slider == C::Height) position = std::clamp(position, s.min, s.max) / 8 * 8;
        const int before = s.value;
        s.value = std::clamp(position, s.min, s.max);
        if (s.value != before) liveUpdate();
    });
}

void MainWindowModel::select(Control list, int entry) {
    ControlState& s = control(list);
    if (!s.enabled) return;
    if (entry >= -1 && entry < static_cast<int>(s.items.size())) s.value = entry;
    guarded([&] {
        command(list);
        if (list != C::GameType && list != C::Water) liveUpdate();
    });
}

void MainWindowModel::setChecked(Control box, bool checked) {
    ControlState& s = control(box);
    if (!s.enabled) return;
    if (box == C::Random || box == C::Manual) {
        // Radio buttons: clicking one checks it and clears the other.
        if (!checked) return;
        control(C::Random).checked = box == C::Random;
        control(C::Manual).checked = box == C::Manual;
    } else {
        s.checked = checked;
    }
    guarded([&] {
        command(box);
        if (box != C::Modify && box != C::ShowTransparency && box != C::ForceFullColour) liveUpdate();
    });
}

void MainWindowModel::press(Control button) {
    if (!control(button).enabled) return;
    guarded([&] { command(button); });
}

void MainWindowModel::menu(MenuCommand m) {
    guarded([&] {
        switch (m) {
        case MenuCommand::Exit:
            if (!mayReplaceMap()) break;
            quitting_ = true;
            waitForWorker();
            services_.quit();
            break;
        case MenuCommand::Save:
            if (busy()) break;
            saveToOwnFile();
            resumeLive();
            break;
        case MenuCommand::About:
            services_.runAbout();
            break;
        case MenuCommand::Settings: {
            bool removeBackground = removeBackground_, module = useModule_;
            if (services_.runSettings(removeBackground, module)) removeBackground_ = removeBackground;
            break;
        }
        case MenuCommand::SaveMap:
            if (busy()) break;
            saveMap();
            resumeLive();
            break;
        case MenuCommand::LoadMap:
            if (!busy()) loadMap(std::nullopt);
            break;
        case MenuCommand::IndiMask:
            if (!busy() && map_ && map_->image) command(C::EditMap);
            break;
        case MenuCommand::MapFromCode:
            if (busy()) break;
            if (const std::optional<std::string> code = services_.askMapCode()) makeFromCode(*code);
            break;
        }
    });
}

void MainWindowModel::dropFile(const fs::path& path) {
    if (busy()) return;
    guarded([&] { loadMap(path); });
}

void MainWindowModel::setSeedText(const std::string& text) { seedText_ = text; }

std::optional<std::uint32_t> MainWindowModel::shownSeed() const {
    // A picture loaded without our chunks has no seed, and none is made up for it.
    if (busy() || !map_ || !map_->image || !map_->hasIdentity) return std::nullopt;
    return map_->seed;
}

void MainWindowModel::command(Control c) {
    switch (c) {
    case C::ResetAll: resetAll(); break;
    case C::GameType: gameTypeChanged(); break;
    case C::Water:
        if (map_) {
            map_->waterColour = std::max(0, control(C::Water).value);
            refreshMapCode();
        }
        break;
    case C::SaveMap:
        saveMap();
        resumeLive();
        break;
    case C::LoadMap: loadMap(std::nullopt); break;
    case C::Random: setRandomMode(); break;
    case C::Manual: setManualMode(); break;
    case C::Generate: generate(); break;
    case C::ShowTransparency: showTransparencyChanged(); break;
    case C::Style: styleChanged(); break;
    case C::Theme:
        refreshParameters();
        rebuildThemePreview();
        break;
    case C::Brick:
        parameters_.fortBrick = std::max(0, control(C::Brick).value);
        setStatus("Brick Changed");
        break;
    case C::Modify: control(C::Grass).enabled = control(C::Modify).checked; break;
    case C::EditMap:
        control(C::ForceFullColour).enabled = false;
        services_.runEditor(editor_);
        break;
    case C::SaveSettings:
        refreshParameters();
        if (const TypeRow* row = selectedRow()) {
            if (Failure failed = saveTypeSettings(row->type, parameters_)) services_.showMessage(*failed);
            else setStatus("Settings saved for " + std::string(row->info().listText));
        }
        break;
    default: break;
    }
}

// ---------------------------------------------------------------- commands

void MainWindowModel::styleChanged() {
    const int style = control(C::Style).value;
    if (style < 0 || style > 5) {
        stylePreview_.clear();
    } else {
        stylePreview_ = paths.workingDirectory / "data" / "bna" / STYLE_FOLDERS[style] / "pre.bmp";
        parameters_.bnaStyle = style;
        setStatus(STYLE_STATUS[style]);
    }
    ++pictureVersion_;
}

void MainWindowModel::rebuildThemePreview() {
    themePreview_.clear();
    ++pictureVersion_;
    ImagePtr soil = loadArt(themeFile(parameters_.themeChoice, "soil.png"));
    if (!soil) return;
    ImagePtr swatch = tryCreateTrueColour(32, 32);
    if (!swatch) return;
    gdImageCopyResampled(swatch.get(), soil.get(), 0, 0, 0, 0, 32, 32, soil->sx, soil->sy);
    const fs::path out = paths.tempDirectory / "themeprev.png";
    if (Failure failed = replaceFileContents(out, encodePng(swatch.get()), false)) {
        services_.showMessage(*failed);
        return;
    }
    themePreview_ = out;
}

fs::path MainWindowModel::backgroundPicture() const { return paths.workingDirectory / "data" / "interface" / "main.bmp"; }

bool MainWindowModel::stylePreviewShown() const {
    return typeAtListPosition(mapState.currentTypeIndex) == MapType::BnA && !stylePreview_.empty();
}

bool MainWindowModel::themePreviewShown() const { return control(C::ThemePreview).shown && !themePreview_.empty(); }

}  // namespace brambex
