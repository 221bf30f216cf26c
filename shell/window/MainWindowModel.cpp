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

// The lists Random mode disables and Manual mode enables.
constexpr Control CHOICE_LISTS[] = {C::Algorithm, C::Layout, C::Style, C::Smoothing, C::Theme, C::Brick};

// Everything showTypeLayout hides first.
constexpr Control TYPE_CONTROLS[] = {
    C::PadsLabel,   C::Pads,        C::Style,         C::Smoothing,     C::Algorithm, C::Layout,
    C::Brick,       C::NoTopSoil,   C::Objects,       C::ObjectsLabel,  C::Islands,   C::IslandsLabel,
    C::IslandsValue, C::CavesLabel, C::BnaObjectsLabel, C::BnaObjects,  C::PaddingLabel, C::Padding,
    C::ComplexityLabel, C::Complexity, C::PathSize,   C::PathSizeValue, C::PathSizeLabel, C::Theme,
    C::Grass,       C::WidthLabel,  C::HeightLabel,   C::WidthValue,    C::HeightValue, C::Width,
    C::Height,
};

// The controls showTypeLayout disables first and enables again at its end.
constexpr Control COMMON_CONTROLS[] = {C::GameType, C::ResetAll, C::ForceFullColour, C::ShowTransparency,
                                       C::LoadMap,  C::SaveMap};
constexpr Control ENABLED_AFTER_LAYOUT[] = {C::GameType, C::ResetAll, C::ForceFullColour, C::ShowTransparency,
                                            C::LoadMap,  C::SaveMap,  C::Manual,          C::Random,
                                            C::SaveSettings, C::Generate};
constexpr Control SIZE_CONTROLS[] = {C::WidthLabel, C::HeightLabel, C::WidthValue, C::HeightValue, C::Width, C::Height};

const char* const STYLE_FOLDERS[] = {"ball", "matrix", "pool", "rugby", "smilies", "space"};
const char* const STYLE_STATUS[] = {"Balls Selected",  "Matrix Selected",  "Pool Selected",
                                    "Rugby Selected",  "Smilies Selected", "Space Selected"};

// Which control shows a settings-file key's parameter.
std::optional<Control> controlOfKey(const TypeRow& row, const SettingKey& key) {
    using P = GenerationParameters;
    if (key.field == &P::noTopSoil) return C::NoTopSoil;
    if (key.field == &P::width) return C::Width;
    if (key.field == &P::height) return C::Height;
    if (key.field == &P::complexity) return C::Complexity;
    if (key.field == &P::objects) return C::Objects;
    if (key.field == &P::bnaObjects) return C::BnaObjects;
    if (key.field == &P::numIslands) return C::Islands;
    if (key.field == &P::pathSize) return C::PathSize;
    if (key.field == &P::padding) return C::Padding;
    if (key.field == &P::pads) return C::Pads;
    if (key.field == &P::smoothing) return C::Smoothing;
    (void)row;
    return std::nullopt;
}

// The first word of a theme's name.txt.
std::optional<std::string> themeName(int theme) {
    const std::optional<std::string> text = readTextStart(themeFile(theme, "name.txt"));
    if (!text) return std::nullopt;
    char word[256] = {0};
    const int got = std::sscanf(text->c_str(), "%255s", word);
    return got == 1 ? std::string(word) : std::string();
}

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

template <typename F>
void MainWindowModel::guarded(F&& f) {
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

void MainWindowModel::initialise() {
    guarded([&] {
        control(C::ResetAll).enabled = false;
        fillTypeList();
        fillLists();
        fillThemeList();
        mapState.currentTypeIndex = std::max(0, control(C::GameType).value);
        showTypeLayout(mapState.currentTypeIndex);
        setRandomMode();
        refreshParameters();
        rebuildThemePreview();
        if (const TypeRow* row = selectedRow()) {
            loadTypeSettings(row->type, parameters_);
            loadSettingsIntoControls();
        }
    });
}

void MainWindowModel::fillTypeList() {
    ControlState& list = control(C::GameType);
    list.items.clear();
    for (const TypeRow& row : typeTable())
        if (installedTypes.installed(row.type)) list.items.emplace_back(row.info().listText);
}

void MainWindowModel::fillLists() {
    auto fill = [&](Control c, std::vector<std::string> items, int selected, bool enabled = true) {
        ControlState& s = control(c);
        s.items = std::move(items);
        s.value = selected;
        s.enabled = enabled;
    };
    control(C::GameType).value = control(C::GameType).items.empty() ? -1 : 0;
    fill(C::Algorithm, {"Gradient", "Random Spread"}, 0);
    fill(C::Style, {"Balls", "Matrix", "Pool Balls", "Rugby", "Smilies", "Space"}, 0);
    // "Edges" first: a map made from the window has the smoothing the command line gives it.
    fill(C::Smoothing, {"Edges", "Smoothe", "Mixed"}, 0, false);
    fill(C::Brick, {"Brick", "Granite", "White Stone"}, 0);
    fill(C::Water, {"Blue", "Red", "Purple", "Yellow", "Green"}, 0, false);
    control(C::Water).shown = true;
    auto slider = [&](Control c, int min, int max, int value) {
        ControlState& s = control(c);
        s.min = min;
        s.max = max;
        s.value = value;
    };
    slider(C::BnaObjects, 0, 50, 25);
    slider(C::Pads, 40, 60, 50);
    slider(C::Padding, 0, 5, 1);
    slider(C::Complexity, 15, 50, 20);
    fill(C::Layout, {"City", "Maze"}, 0);
    slider(C::Width, 1920, 8000, 1920);
    slider(C::Height, 696, 8000, 696);
    slider(C::PathSize, 174, 522, 232);
    slider(C::Islands, 1, 20, 1);
    slider(C::Objects, 0, 100, 50);
    control(C::ResetAll).enabled = true;
    control(C::SaveMap).enabled = false;
    control(C::Modify).enabled = false;
    control(C::ForceFullColour).checked = false;
    control(C::NoTopSoil).checked = false;
    control(C::SaveSettings).enabled = false;
    control(C::Random).checked = true;
    control(C::Manual).checked = false;
}

void MainWindowModel::fillThemeList() {
    ControlState& list = control(C::Theme);
    list.enabled = true;
    list.items.clear();
    for (int n = 0; n <= 100000; ++n) {
        const std::optional<std::string> name = themeName(n);
        if (!name) break;
        list.items.push_back(std::to_string(n) + " - " + *name);
    }
    list.value = list.items.empty() ? -1 : 0;
}

void MainWindowModel::hideTypeControls() {
    for (Control c : TYPE_CONTROLS) control(c).shown = false;
    for (Control c : COMMON_CONTROLS) control(c).enabled = false;
}

void MainWindowModel::showTypeLayout(int position) {
    if (lastShownType_ < 0) lastShownType_ = position;
    const bool changed = position != lastShownType_;
    lastShownType_ = position;
    ControlState& typeList = control(C::GameType);
    if (position >= 0 && position < static_cast<int>(typeList.items.size())) typeList.value = position;
    hideTypeControls();

    const std::optional<MapType> type = typeAtListPosition(position);
    if (!type) {
        setStatus("Error in Game Type");
    } else {
        const WindowLayout& w = windowLayout(*type);
        setStatus(std::string(w.statusText));
        for (Control c : w.shown) {
            control(c).shown = true;
            control(c).enabled = true;
        }
        for (Control c : w.manualOnly) {
            control(c).shown = true;
            control(c).enabled = control(C::Manual).checked;
        }
        if (w.size)
            for (Control c : SIZE_CONTROLS) {
                control(c).shown = true;
                control(c).enabled = true;
            }
        if (w.theme) {
            control(C::Theme).shown = true;
            control(C::Theme).enabled = control(C::Manual).checked;
        }
        auto setRange = [&](const SliderRange& r) {
            ControlState& s = control(r.slider);
            s.min = r.min;
            s.max = r.max;
            s.value = std::clamp(s.value, r.min, r.max);
        };
        for (const SliderRange& r : w.ranges) setRange(r);
        if (changed) {
            for (const SliderRange& r : w.rangesOnChange) setRange(r);
            for (const SliderPosition& p : w.positionsOnChange) {
                ControlState& s = control(p.slider);
                s.value = std::clamp(p.value, s.min, s.max);
            }
            if (w.sizeResetHeight > 0) {
                setRange({C::Width, 1920, 8000});
                setRange({C::Height, 696, 8000});
                control(C::Width).value = 1920;
                control(C::Height).value = std::clamp(w.sizeResetHeight, 696, 8000);
            }
        }
    }
    for (Control c : ENABLED_AFTER_LAYOUT) control(c).enabled = true;
    // Saving and editing need a map.
    const bool haveMap = map_ && map_->image;
    control(C::SaveMap).enabled = haveMap;
    control(C::EditMap).enabled = haveMap;
    refreshParameters();
}

void MainWindowModel::disableAll() {
    for (auto& [c, s] : controls_)
        if (s.kind == K::Slider || s.kind == K::List || s.kind == K::Check || s.kind == K::Radio || s.kind == K::Button)
            s.enabled = false;
}

void MainWindowModel::setRandomMode() {
    for (Control c : CHOICE_LISTS) control(c).enabled = false;
}

void MainWindowModel::setManualMode() {
    for (Control c : CHOICE_LISTS) control(c).enabled = true;
}

void MainWindowModel::applyMode() {
    if (control(C::Manual).checked) setManualMode();
    else setRandomMode();
}

void MainWindowModel::refreshParameters() {
    parameters_.bnaObjects = control(C::BnaObjects).value;
    parameters_.pads = control(C::Pads).value;
    parameters_.padding = control(C::Padding).value;
    parameters_.complexity = control(C::Complexity).value;
    parameters_.width = control(C::Width).value;
    parameters_.height = control(C::Height).value;
    parameters_.pathSize = control(C::PathSize).value;
    parameters_.objects = control(C::Objects).value;
    parameters_.numIslands = control(C::Islands).value;
    // Cavern takes the largest maps.
    const bool cavern = typeAtListPosition(mapState.currentTypeIndex) == MapType::Cavern;
    parameters_.height = std::clamp(parameters_.height, 32, cavern ? 32600 : 30552) / 8 * 8;
    parameters_.width = std::clamp(parameters_.width, 640, cavern ? 32760 : 28664) / 8 * 8;
    parameters_.smoothing = std::max(0, control(C::Smoothing).value);
    parameters_.themeChoice = std::max(0, control(C::Theme).value);
    control(C::ThemePreview).shown = control(C::Theme).shown && control(C::Theme).enabled;
    control(C::WidthValue).text = std::to_string(parameters_.width);
    control(C::HeightValue).text = std::to_string(parameters_.height);
    control(C::PathSizeValue).text = std::to_string(parameters_.pathSize);
    control(C::IslandsValue).text = std::to_string(parameters_.numIslands);
}

void MainWindowModel::setStatus(const std::string& text) { control(C::Status).text = text; }

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

void MainWindowModel::typeValue(Control slider, int value) {
    moveSlider(slider, value);
    const ControlState& s = control(slider);
    if (!s.shown || !s.enabled || s.value == value) return;
    static const std::map<Control, const char*> names{
        {C::Width, "Width"},       {C::Height, "Height"},   {C::PathSize, "Path size"},
        {C::Islands, "Islands"},   {C::Complexity, "Complexity"}, {C::Objects, "Objects"},
        {C::BnaObjects, "Objects"}, {C::Pads, "Pads"},      {C::Padding, "Padding"},
    };
    const auto name = names.find(slider);
    const bool outside = value < s.min || value > s.max;
    setStatus(formatText("%s %d is made as %d: %s", name == names.end() ? "The value" : name->second, value, s.value,
                         outside ? formatText("it goes from %d to %d", s.min, s.max).c_str() : "sizes go in steps of 8"));
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

void MainWindowModel::undoEdit() { editStep(true); }

void MainWindowModel::redoEdit() { editStep(false); }

void MainWindowModel::editStep(bool back) {
    if (busy() || !map_ || !(back ? editor_.canUndo() : editor_.canRedo())) return;
    guarded([&] {
        if (back) editor_.undo();
        else editor_.redo();
        refreshPreviewFiles();
        setStatus(back ? "Undone: an editor change" : "Redone: an editor change");
        resumeLive();
    });
}

void MainWindowModel::resumeLive() {
    // Live waited while the map had unsaved edits: once they are saved (or undone), the controls'
    // values reach the map on screen again.
    if (!live_ || !map_ || !map_->hasIdentity || unsaved() || busy() || map_->code.empty()) return;
    const TypeRow* row = selectedRow();
    if (!row || row->type != map_->mapType()) return;
    readAllControls();
    if (brambex::mapCode(controlsRecipe(row->type, map_->seed)) != map_->code) liveUpdate();
}

void MainWindowModel::refreshPreviewFiles() {
    makePreviews(*map_);
    if (Failure failed = writePreviewFiles(*map_, mapState.showTransparency)) services_.showMessage(*failed);
    reloadPreviews();
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

const TypeRow* MainWindowModel::selectedRow() const {
    const std::optional<MapType> type = typeAtListPosition(mapState.currentTypeIndex);
    return type ? &typeRow(*type) : nullptr;
}

// The values a settings file set, shown on the controls; the sliders keep their own ranges, so
// refreshParameters then reads back what they can hold.
void MainWindowModel::loadSettingsIntoControls() {
    const TypeRow* row = selectedRow();
    if (!row) return;
    for (const SettingKey& key : row->readerKeys) {
        const std::optional<Control> c = controlOfKey(*row, key);
        if (!c) continue;
        ControlState& s = control(*c);
        if (*c == C::NoTopSoil) s.checked = parameters_.noTopSoil;
        else if (*c == C::Smoothing) s.value = std::clamp(parameters_.smoothing, 0, 2);
        else s.value = std::clamp(parameters_.*key.field, s.min, s.max);
    }
}

void MainWindowModel::gameTypeChanged() {
    control(C::Modify).enabled = false;
    control(C::Grass).enabled = false;
    const int selected = control(C::GameType).value;
    if (selected == mapState.currentTypeIndex) return;
    mapState.currentTypeIndex = selected;
    showTypeLayout(selected);
    if (const TypeRow* row = selectedRow()) {
        loadTypeSettings(row->type, parameters_);
        loadSettingsIntoControls();
    }
}

void MainWindowModel::readAllControls() {
    refreshParameters();
    parameters_.fortGrass = control(C::Grass).checked && control(C::Grass).enabled;
    parameters_.fortBrick = std::max(0, control(C::Brick).value);
    parameters_.manualMode = control(C::Manual).checked;
    parameters_.bnaAlgorithm = std::max(0, control(C::Algorithm).value);
    parameters_.shopperLayout = std::max(0, control(C::Layout).value);
    parameters_.bnaStyle = std::max(0, control(C::Style).value);
    parameters_.keepSeed = control(C::Modify).checked && control(C::Modify).enabled;
    parameters_.noTopSoil = control(C::NoTopSoil).checked;
}

bool MainWindowModel::busy() const { return worker_.busy(); }

void MainWindowModel::generate() {
    // Generate takes over from a live run still going.
    if (busy() && liveRun_) {
        worker_.requestStop();
        worker_.take();
        liveRun_ = false;
        pendingLive_.reset();
    }
    if (busy()) return;
    const TypeRow* row = selectedRow();
    if (!row) return;
    unsigned long long typedSeed = 0;
    const bool seedTyped = !seedText_.empty();
    if (seedTyped && !parseWholeNumber(seedText_.c_str(), 0xFFFFFFFFull, typedSeed)) {
        services_.showMessage({"Seed", "The seed must be a whole number from 0 to 4294967295."});
        return;
    }
    makeMapOfSeed(seedTyped ? std::optional(static_cast<std::uint32_t>(typedSeed)) : std::nullopt);
}

void MainWindowModel::makeMapOfSeed(std::optional<std::uint32_t> seed) {
    const TypeRow* row = selectedRow();
    if (busy() || !row || !mayReplaceMap()) return;
    recountThemes();
    readAllControls();
    // The seed is decided here, before the run: the one given (typed, a candidate's), the shown
    // map's (Modify), or a new one. The run is then the same as `brambex -t <type> --seed N`, so
    // the seed the map records always makes it again.
    const std::uint32_t chosen = seed ? *seed : parameters_.keepSeed && map_ && map_->hasIdentity ? map_->seed : freshSeed();
    startRun(requestFor(controlsRecipe(row->type, chosen)), false);
}

MapRecipe MainWindowModel::controlsRecipe(MapType type, std::uint32_t seed) {
    MapRecipe recipe = recipeFrom(type, parameters_, seed, mapState.themeCount);
    recipe.waterColour = std::clamp(control(C::Water).value, 0, 4);
    return recipe;
}

RunRequest MainWindowModel::liveRequest(MapType type, std::uint32_t seed) { return requestFor(controlsRecipe(type, seed)); }

void MainWindowModel::liveUpdate() {
    if (!live_ || !map_ || !map_->hasIdentity || (busy() && !liveRun_)) return;
    const TypeRow* row = selectedRow();
    if (!row || row->type != map_->mapType()) return;
    // A live frame would replace the map and its editor changes without a question: Live waits
    // until they are saved (or Generate asks and they are discarded).
    if (unsaved()) {
        setStatus("Live is paused: the map has editor changes that are not saved. Save them, or press Generate.");
        return;
    }
    readAllControls();
    const long long pixels = row->windowFixedSize ? 1920LL * 696 : static_cast<long long>(parameters_.width) * parameters_.height;
    if (pixels > MAX_LIVE_PIXELS) return;  // made again by Generate
    RunRequest request = liveRequest(row->type, map_->seed);
    if (busy()) {
        // The newest change waits; the run under way stops at its next step.
        pendingLive_ = std::move(request);
        worker_.requestStop();
        return;
    }
    startRun(std::move(request), true, true);
}

void MainWindowModel::startRun(RunRequest request, bool fromHistory, bool live) {
    mapState.mapSeed = request.recipe.seed;
    request.artwork = artwork_;
    liveRun_ = live;
    runStarted_ = std::chrono::steady_clock::now();
    runFromHistory_ = fromHistory;
    pendingRequest_ = request;
    pendingRequest_.stop.reset();
    if (live) {
        // A live run leaves the controls and the status as they are: the hand on the slider goes on.
        runText_.clear();
    } else {
        previewPicture_ = paths.busyPicturePath[mapShown_ ? 1 : 0];
        ++pictureVersion_;
        const MapRecipe& r = request.recipe;
        runText_ = formatText("Generating %s %d x %d", std::string(typeRow(r.type).info().listText).c_str(), r.width, r.height);
        setStatus(runText_ + "...");
        disableAll();
    }
    // The map on screen stays until the new one is there (a cancelled run leaves it).
    worker_.start(std::move(request), runEnded_, prepare_);
}

double MainWindowModel::runSeconds() const {
    if (!busy()) return 0;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - runStarted_).count();
}

void MainWindowModel::poll() {
    if (!busy() || !worker_.done()) return;
    RunResult result = worker_.take();
    guarded([&] { generationFinished(std::move(result)); });
}

void MainWindowModel::waitForWorker() {
    if (!busy()) return;
    RunResult result = worker_.take();
    guarded([&] { generationFinished(std::move(result)); });
}

void MainWindowModel::cancelRun() { worker_.requestStop(); }

void MainWindowModel::generateCandidates(int count, bool playableOnly, std::optional<std::uint32_t> firstSeed) {
    if (busy() || count <= 0) return;
    guarded([&] {
        candidates_.clear();
        candidatesWanted_ = count;
        candidatesPlayableOnly_ = playableOnly;
        candidateTries_ = 0;
        candidateBase_ = firstSeed ? *firstSeed : freshSeed();
        nextCandidate();
    });
}

void MainWindowModel::nextCandidate() {
    // A candidate is made beside the map on screen, which it does not replace: nothing to ask.
    const TypeRow* row = selectedRow();
    if (row) {
        recountThemes();
        readAllControls();
        startRun(requestFor(controlsRecipe(row->type, candidateBase_ + static_cast<std::uint32_t>(candidateTries_++))), false);
        candidateRun_ = busy();
    }
    if (!busy()) candidatesWanted_ = 0;  // nothing could be started
}

void MainWindowModel::stopCandidates() {
    candidatesWanted_ = 0;
    if (candidateRun_) worker_.requestStop();
}

void MainWindowModel::candidateFinished(RunResult result) {
    candidateRun_ = false;
    if (result.map && candidatesWanted_ > 0) {
        // Keep this candidate's preview under a name of its own, then make the next one.
        const Map& made = *result.map;
        const std::vector<std::string> misses =
            made.playability ? brambex::playabilityMisses(*made.playability, typeRow(made.mapType()).playability)
                             : std::vector<std::string>{};
        if (!candidatesPlayableOnly_ || misses.empty()) {
            const fs::path kept = paths.tempDirectory / formatText("candidate-%zu.png", candidates_.size());
            if (Failure failed = writePreviewFile(made.preview.get(), kept, mapState.showTransparency)) services_.showMessage(*failed);
            candidates_.push_back({made.seed, kept, made.playability ? playabilitySummary(*made.playability) : std::string(),
                                   misses.empty()});
        }
        if (static_cast<int>(candidates_.size()) < candidatesWanted_ && candidateTries_ < 4 * candidatesWanted_) {
            nextCandidate();
            if (busy()) return;
        }
    }
    candidatesWanted_ = 0;
    // The map on screen is as it was before the candidates.
    restoreAfterRun();
    if (!result.map && !result.cancelled) {
        if (result.missingArtwork) services_.showMessage({"Missing files", result.failure});
        else services_.showMessage({"Exception", result.failure.empty() ? "The map could not be made." : result.failure});
    }
    setStatus(candidates_.empty() ? std::string("No candidates") : formatText("%zu candidates: pick one", candidates_.size()));
}

void MainWindowModel::restoreAfterRun() {
    if (map_) previewPicture_ = paths.previewPath;
    else previewPicture_.clear();
    mapShown_ = map_ != nullptr;
    ++pictureVersion_;
    showTypeLayout(mapState.currentTypeIndex);
    applyMode();
    if (map_) {
        control(C::Modify).enabled = true;
        control(C::SaveMap).enabled = true;
        control(C::Grass).enabled = control(C::Modify).checked;
    }
}

void MainWindowModel::pickCandidate(int index) {
    if (busy() || index < 0 || index >= static_cast<int>(candidates_.size())) return;
    guarded([&] { makeMapOfSeed(candidates_[static_cast<std::size_t>(index)].seed); });
}

void MainWindowModel::setMap(std::unique_ptr<Map> map, bool writePreviews) {
    editor_ = MapEditorModel(map.get());
    // A large picture is freed off this thread: that takes longer than the window may stand still.
    if (map_ && static_cast<long long>(map_->width) * map_->height > 4'000'000)
        std::thread([old = std::move(map_)]() mutable { old.reset(); }).detach();
    map_ = std::move(map);
    mapFile_.reset();
    if (!map_) return;
    if (!writePreviews) return;
    if (Failure failed = writePreviewFiles(*map_, mapState.showTransparency)) services_.showMessage(*failed);
}

void MainWindowModel::generationFinished(RunResult result) {
    if (liveRun_) {
        liveRun_ = false;
        // A newer change is waiting: it is made now, and what this run made is not shown.
        if (pendingLive_) {
            RunRequest next = std::move(*pendingLive_);
            pendingLive_.reset();
            startRun(std::move(next), true, true);
            return;
        }
        if (!result.map) return;  // stopped, or failed: the map on screen stays
        // A live frame writes no files: the preview files follow the next Generate or Load.
        setMap(std::move(result.map), false);
        // The history entry of the map on screen is this map now (Back and Forward come back to it).
        if (historyAt_ >= 0 && historyAt_ < static_cast<int>(history_.size()))
            history_[static_cast<std::size_t>(historyAt_)].request = pendingRequest_;
        mapShown_ = true;
        reloadPreviews();
        setStatus(formatText("%s map, seed %u", std::string(typeRow(map_->mapType()).info().listText).c_str(), map_->seed));
        return;
    }
    runText_.clear();
    if (candidateRun_) {
        candidateFinished(std::move(result));
        return;
    }
    const bool failed = !result.map;
    if (!failed) {
        setMap(std::move(result.map));
        // This session's history: a new map goes after the one shown (what was ahead of it goes).
        if (!runFromHistory_) {
            if (historyAt_ + 1 < static_cast<int>(history_.size())) history_.resize(static_cast<std::size_t>(historyAt_ + 1));
            HistoryEntry entry{pendingRequest_, map_->mapType(), map_->seed, nullptr};
            if (map_->preview) entry.thumbnail = trueColourCopy(map_->preview.get());
            history_.push_back(std::move(entry));
            if (history_.size() > HISTORY_SIZE) history_.erase(history_.begin());
            historyAt_ = static_cast<int>(history_.size()) - 1;
        }
    }
    if (failed) {
        // The map shown before the run stays.
        restoreAfterRun();
        if (result.cancelled) setStatus("Generation cancelled");
        else if (result.missingArtwork) services_.showMessage({"Missing files", result.failure});
        else services_.showMessage({"Exception", result.failure.empty() ? "The map could not be made." : result.failure});
        return;
    }
    // A map brought back from the history puts its own values on the controls, so they describe
    // the map on screen (and Live goes on from it).
    if (runFromHistory_) showRecipe(pendingRequest_.recipe);
    // The theme the run chose is shown in the list (Manual mode shows the one picked already).
    if (map_->themeChosen) showThemeInList(map_->chosenTheme);
    parameters_.manualMode = control(C::Manual).checked;
    mapShown_ = true;
    reloadPreviews();
    showTypeLayout(mapState.currentTypeIndex);
    setStatus(formatText("%s map, seed %u", std::string(typeRow(map_->mapType()).info().listText).c_str(), map_->seed));
    control(C::ForceFullColour).enabled = true;
    control(C::Modify).enabled = true;
    control(C::SaveMap).enabled = true;
    control(C::Grass).enabled = control(C::Modify).checked;
    applyMode();
    // Artwork over its size limit was left out: said, not hidden.
    if (!result.refusedArtwork.empty())
        setStatus(control(C::Status).text + formatText(" (%zu picture%s left out, over the size limit: %s)", result.refusedArtwork.size(),
                                                       result.refusedArtwork.size() == 1 ? "" : "s",
                                                       result.refusedArtwork.front().c_str()));
}

void MainWindowModel::reloadPreviews() {
    previewPicture_ = paths.previewPath;
    ++pictureVersion_;
}

fs::path MainWindowModel::proposedMapName(const fs::path& folder) const {
    const MapType type = map_ ? map_->mapType() : MapType::Cavern;
    for (int n = 1;; ++n) {
        const fs::path candidate = folder / formatText("Brambex_%s_%d.png", std::string(typeFolder(type)).c_str(), n);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec)) && !fileOpens(candidate)) return candidate;
    }
}

void MainWindowModel::saveMap() {
    if (!map_ || !map_->image) return;
    const std::optional<fs::path> chosen = services_.askSavePath(proposedMapName(lastFolder_));
    if (!chosen) return;
    lastFolder_ = chosen->parent_path();
    saveTo(*chosen);
}

void MainWindowModel::refreshMapCode() {
    if (!map_ || map_->code.empty()) return;
    ParsedCode parsed = parseMapCode(map_->code);
    if (!parsed.recipe) return;
    parsed.recipe->waterColour = std::clamp(map_->waterColour, 0, 4);
    parsed.recipe->fullColour = control(C::ForceFullColour).checked && control(C::ForceFullColour).enabled;
    map_->code = brambex::mapCode(*parsed.recipe);
}

bool MainWindowModel::saveTo(const fs::path& chosen) {
    // The file's code says how it is saved: with its water colour, in full colour or not.
    refreshMapCode();
    if (Failure failed = brambex::saveMap(*map_, chosen, control(C::ForceFullColour).checked)) {
        services_.showMessage(*failed);
        return false;
    }
    const fs::path file = withPngExtension(chosen);
    mapFile_ = file;
    editor_.markSaved();
    rememberFile(file);
    setStatus("Saved " + file.filename().string());
    return true;
}

void MainWindowModel::saveToOwnFile() {
    if (!map_ || !map_->image) return;
    if (mapFile_) saveTo(*mapFile_);
    else saveMap();
}

void MainWindowModel::rememberFile(const fs::path& file) {
    recent_.erase(std::remove(recent_.begin(), recent_.end(), file), recent_.end());
    recent_.insert(recent_.begin(), file);
    if (recent_.size() > 8) recent_.resize(8);
}

void MainWindowModel::openRecent(int index) {
    if (busy() || index < 0 || index >= static_cast<int>(recent_.size())) return;
    const fs::path file = recent_[static_cast<std::size_t>(index)];
    guarded([&] { loadMap(file); });
}

std::string MainWindowModel::title() const {
    const std::string name = map_ && mapFile_ ? mapFile_->filename().string() : "Untitled";
    return (unsaved() ? "*" : "") + name + " - Brambex";
}

bool MainWindowModel::mayReplaceMap() {
    if (!unsaved()) return true;
    const std::string name = mapFile_ ? mapFile_->filename().string() : "Untitled";
    switch (services_.askSaveChanges(name)) {
    case SaveChoice::Save:
        if (mapFile_) return saveTo(*mapFile_);
        saveMap();
        return !unsaved();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    }
    return false;
}

std::string MainWindowModel::playabilityText() const {
    return map_ && map_->playability ? playabilitySummary(*map_->playability) : std::string();
}

std::vector<std::string> MainWindowModel::playabilityMisses() const {
    if (!map_ || !map_->playability) return {};
    return brambex::playabilityMisses(*map_->playability, typeRow(map_->mapType()).playability);
}

std::string MainWindowModel::mapCaption() const {
    if (!map_ || busy()) return {};
    const std::optional<MapType> shown = typeAtListPosition(mapState.currentTypeIndex);
    if (shown && *shown == map_->mapType() && map_->hasIdentity) return {};
    // A picture without our chunks is of no type at all: it is not called one.
    if (!map_->hasIdentity) return "A picture, not a map of ours (no seed, no code)";
    const std::string type(typeRow(map_->mapType()).info().listText);
    return formatText("%s map, seed %u", type.c_str(), map_->seed);
}

void MainWindowModel::goToHistory(int index) {
    if (busy() || index < 0 || index >= static_cast<int>(history_.size()) || index == historyAt_) return;
    if (!mayReplaceMap()) return;
    historyAt_ = index;
    RunRequest request = history_[static_cast<std::size_t>(index)].request;
    request.folders = currentFolders();
    guarded([&] { startRun(std::move(request), true); });
}

void MainWindowModel::loadMap(std::optional<fs::path> chosen) {
    if (!mayReplaceMap()) return;
    if (!chosen) chosen = services_.askLoadPath(lastFolder_);
    if (!chosen) return;
    lastFolder_ = chosen->parent_path();
    // The file as named; ".png" is added only to a name that is no file (the rule of the dialog).
    std::error_code ec;
    paths.currentMapPath = fs::exists(*chosen, ec) ? *chosen : withPngExtension(*chosen);
    Bytes file;
    if (!readPngFile(paths.currentMapPath, file)) {
        services_.showMessage({"Load Map", formatText("%s is not a map the program can read.", paths.currentMapPath.c_str())});
        return;
    }
    // A picture of hundreds of millions of pixels takes gigabytes once decoded: asked first.
    if (const std::optional<PngLayout> layout = scanPng(file.data(), file.size())) {
        const long long pixels = static_cast<long long>(layout->width) * layout->height;
        if (pixels > LARGE_PICTURE_PIXELS &&
            !services_.confirm({"Load Map", formatText("%s is %d x %d, %lld million pixels: showing it needs about %lld GB "
                                                       "of memory and may take a while. Load it?",
                                                       paths.currentMapPath.filename().c_str(), layout->width,
                                                       layout->height, pixels / 1'000'000, (pixels * 4 * 3 >> 30) + 1)}))
            return;
    }
    std::unique_ptr<Map> loaded = loadMapFile(file, installedTypes, currentFolders());
    if (!loaded) {
        services_.showMessage({"Load Map", formatText("%s is not a map the program can read.", paths.currentMapPath.c_str())});
        return;
    }
    // A loaded map is measured as a made one is (pictures of a size --info reads).
    if (measurable(loaded->image.get()))
        loaded->playability = measurePlayability(loaded->image.get(), courseKind(loaded->mapType()));
    setMap(std::move(loaded));
    mapFile_ = paths.currentMapPath;
    rememberFile(paths.currentMapPath);
    mapShown_ = true;
    reloadPreviews();
    // The type, theme and size the file records go onto the controls, so Modify and Generate
    // go on from this map. A picture without our chunks keeps the controls as they are.
    if (map_->hasIdentity) {
        if (installedTypes.installed(map_->mapType())) mapState.currentTypeIndex = installedTypes.listIndex(map_->mapType());
        showTypeInList(mapState.currentTypeIndex);
        showThemeInList(map_->themeNumber);
    }
    if (mapState.currentTypeIndex >= static_cast<int>(control(C::GameType).items.size())) mapState.currentTypeIndex = 0;
    showTypeLayout(mapState.currentTypeIndex);
    // The map's code puts every value it was made from back on the controls, so Modify makes it
    // again; a map without one gets its type's settings file and its own size, and says what
    // could not be known.
    const ParsedCode parsed = map_->hasIdentity && !map_->code.empty() ? parseMapCode(map_->code) : ParsedCode{};
    const std::optional<MapRecipe> recipe = parsed.recipe ? parsed.recipe : parsed.todaysRecipe;
    if (recipe && installedTypes.installed(recipe->type)) {
        showRecipe(*recipe);
        if (!parsed.recipe)
            setStatus(formatText("%s: %s Generate with Modify makes this version's map of its settings.",
                                 paths.currentMapPath.filename().c_str(), parsed.error.c_str()));
    } else if (const TypeRow* row = selectedRow()) {
        loadTypeSettings(row->type, parameters_);
        loadSettingsIntoControls();
        if (map_->hasIdentity && !row->windowFixedSize && control(C::Width).shown) {
            ControlState& w = control(C::Width);
            ControlState& h = control(C::Height);
            w.max = std::max(w.max, map_->width);
            h.max = std::max(h.max, map_->height);
            w.value = std::clamp(map_->width, w.min, w.max);
            h.value = std::clamp(map_->height, h.min, h.max);
            refreshParameters();
        }
        if (map_->hasIdentity && row->type == map_->mapType()) {
            std::string unknown;
            for (const RecipeField& f : recipeFields(row->type)) unknown += (unknown.empty() ? "" : ", ") + std::string(f.name);
            setStatus(formatText("%s has no map code: its seed, type, theme and size are restored%s.",
                                 paths.currentMapPath.filename().c_str(),
                                 unknown.empty() ? "" : (", its " + unknown + " are not known (the controls keep theirs)").c_str()));
        }
    }
    if (!map_->hasIdentity)
        setStatus(formatText("%s has no map record: it carries no seed, type or theme.",
                             paths.currentMapPath.filename().c_str()));
    // Full colour is offered only for a map that is full colour already.
    const bool trueColour = map_->image->trueColor != 0;
    control(C::ForceFullColour).enabled = trueColour;
    control(C::Modify).enabled = true;
    control(C::SaveMap).enabled = true;
    control(C::Water).value = std::clamp(map_->waterColour, 0, 4);
    applyMode();
    rebuildThemePreview();
}

void MainWindowModel::showParametersOnControls() {
    const GenerationParameters& p = parameters_;
    auto slider = [&](Control c, int value) {
        ControlState& s = control(c);
        s.min = std::min(s.min, value);
        s.max = std::max(s.max, value);
        s.value = value;
    };
    slider(C::Width, p.width);
    slider(C::Height, p.height);
    slider(C::Complexity, p.complexity);
    slider(C::Objects, p.objects);
    slider(C::BnaObjects, p.bnaObjects);
    slider(C::Islands, p.numIslands);
    slider(C::PathSize, p.pathSize);
    slider(C::Padding, p.padding);
    slider(C::Pads, p.pads);
    auto list = [&](Control c, int value) {
        ControlState& s = control(c);
        if (value >= 0 && value < static_cast<int>(s.items.size())) s.value = value;
    };
    list(C::Smoothing, p.smoothing);
    list(C::Style, p.bnaStyle);
    list(C::Algorithm, p.bnaAlgorithm);
    list(C::Layout, p.shopperLayout);
    list(C::Brick, p.fortBrick);
    list(C::Theme, p.themeChoice);
    control(C::NoTopSoil).checked = p.noTopSoil != 0;
    control(C::Manual).checked = p.manualMode;
    control(C::Random).checked = !p.manualMode;
}

void MainWindowModel::showRecipe(const MapRecipe& recipe) {
    const int position = installedTypes.listIndex(recipe.type);
    showTypeInList(position);
    if (position != mapState.currentTypeIndex) {
        mapState.currentTypeIndex = position;
        showTypeLayout(position);
        // What the recipe does not set comes from the type's settings file, as on choosing it.
        loadTypeSettings(recipe.type, parameters_);
        loadSettingsIntoControls();
    }
    readAllControls();
    applyRecipe(recipe, parameters_);
    showParametersOnControls();
    control(C::Water).value = std::clamp(recipe.waterColour, 0, 4);
    showTypeLayout(position);
    applyMode();
    refreshParameters();
    // The style's preview follows the list; the status keeps saying which type is shown.
    const std::string status = control(C::Status).text;
    styleChanged();
    setStatus(status);
    rebuildThemePreview();
}

void MainWindowModel::makeFromCode(const std::string& text) {
    if (busy()) return;
    guarded([&] {
        const ParsedCode parsed = parseMapCode(text);
        std::optional<MapRecipe> recipe = parsed.recipe;
        if (!recipe && parsed.todaysRecipe &&
            services_.confirm({"Map Code", parsed.error + " Make this version's map of the same settings instead? It is "
                                                          "not the map of the code."}))
            recipe = parsed.todaysRecipe;
        if (!recipe) {
            if (!parsed.todaysRecipe) services_.showMessage({"Map Code", parsed.error});
            return;
        }
        const std::string typeName(typeRow(recipe->type).info().listText);
        if (!installedTypes.installed(recipe->type)) {
            services_.showMessage({"Map Code", "The code is for a " + typeName + " map, and " + typeName + " is not installed."});
            return;
        }
        recountThemes();
        if ((recipe->theme.manual && recipe->theme.theme >= std::max(mapState.themeCount, 1)) ||
            (!recipe->theme.manual && recipe->theme.count > mapState.themeCount)) {
            services_.showMessage({"Map Code", formatText("The code's theme is not installed here (%d themes are), so its "
                                                          "map cannot be made.", mapState.themeCount)});
            return;
        }
        if (!mayReplaceMap()) return;
        showRecipe(*recipe);
        startRun(requestFor(*recipe), false);
    });
}

void MainWindowModel::resetAll() {
    if (!mayReplaceMap()) return;
    setStatus("State Reset");
    control(C::SaveMap).enabled = false;
    control(C::EditMap).enabled = false;
    control(C::Water).enabled = false;
    control(C::SaveSettings).enabled = true;
    control(C::NoTopSoil).enabled = false;
    control(C::NoTopSoil).checked = false;
    control(C::Objects).value = std::clamp(50, control(C::Objects).min, control(C::Objects).max);
    control(C::Manual).checked = false;
    control(C::Random).checked = true;
    control(C::Modify).enabled = false;
    control(C::Modify).checked = false;
    control(C::Grass).enabled = false;
    control(C::Grass).checked = false;
    for (Control c : {C::Algorithm, C::Layout, C::Style, C::Theme, C::Brick})
        control(c).value = control(c).items.empty() ? -1 : 0;
    control(C::Smoothing).value = 0;
    control(C::PathSize).value = std::clamp(232, control(C::PathSize).min, control(C::PathSize).max);
    control(C::Width).value = std::clamp(1920, control(C::Width).min, control(C::Width).max);
    control(C::Height).value = std::clamp(696, control(C::Height).min, control(C::Height).max);
    refreshParameters();
    if (const TypeRow* row = selectedRow()) {
        loadTypeSettings(row->type, parameters_);
        loadSettingsIntoControls();
    }
    mapShown_ = false;
    previewPicture_.clear();
    ++pictureVersion_;
    setMap(nullptr);
    setRandomMode();
    rebuildThemePreview();
}

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

void MainWindowModel::showTransparencyChanged() {
    mapState.showTransparency = control(C::ShowTransparency).checked;
    if (!map_ || !map_->image) return;
    if (Failure failed = writePreviewFiles(*map_, mapState.showTransparency)) services_.showMessage(*failed);
    reloadPreviews();
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

void MainWindowModel::showThemeInList(int theme) {
    ControlState& list = control(C::Theme);
    if (theme >= 0 && theme < static_cast<int>(list.items.size())) list.value = theme;
}

void MainWindowModel::showTypeInList(int position) {
    ControlState& list = control(C::GameType);
    if (position >= 0 && position < static_cast<int>(list.items.size())) list.value = position;
}

fs::path MainWindowModel::backgroundPicture() const { return paths.workingDirectory / "data" / "interface" / "main.bmp"; }

bool MainWindowModel::stylePreviewShown() const {
    return typeAtListPosition(mapState.currentTypeIndex) == MapType::BnA && !stylePreview_.empty();
}

bool MainWindowModel::themePreviewShown() const { return control(C::ThemePreview).shown && !themePreview_.empty(); }

}  // namespace brambex
