// The window's controls and the recipe they stand for, both ways: the lists and ranges, each type's
// layout, the parameters read from the controls, and a map's recipe put back on them.

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

MapRecipe MainWindowModel::controlsRecipe(MapType type, std::uint32_t seed) {
    MapRecipe recipe = recipeFrom(type, parameters_, seed, mapState.themeCount);
    recipe.waterColour = std::clamp(control(C::Water).value, 0, 4);
    return recipe;
}

void MainWindowModel::showLoadedMapOnControls() {
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
        return;
    }
    const TypeRow* row = selectedRow();
    if (!row) return;
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

void MainWindowModel::showParametersOnControls() {
    const GenerationParameters& p = parameters_;
    auto slider = [&](Control c, int value) {
        ControlState& s = control(c);
        s.min = std::min(s.min, value);
        s.max = std::max(s.max, value);
        s.value = value;
    };
    using P = GenerationParameters;
    static const std::pair<Control, int P::*> sliders[] = {
        {C::Width, &P::width},     {C::Height, &P::height},         {C::Complexity, &P::complexity},
        {C::Objects, &P::objects}, {C::BnaObjects, &P::bnaObjects}, {C::Islands, &P::numIslands},
        {C::PathSize, &P::pathSize}, {C::Padding, &P::padding},     {C::Pads, &P::pads},
    };
    for (const auto& [c, field] : sliders) slider(c, p.*field);
    auto list = [&](Control c, int value) {
        ControlState& s = control(c);
        if (value >= 0 && value < static_cast<int>(s.items.size())) s.value = value;
    };
    static const std::pair<Control, int P::*> lists[] = {
        {C::Smoothing, &P::smoothing}, {C::Style, &P::bnaStyle}, {C::Algorithm, &P::bnaAlgorithm},
        {C::Layout, &P::shopperLayout}, {C::Brick, &P::fortBrick}, {C::Theme, &P::themeChoice},
    };
    for (const auto& [c, field] : lists) list(c, p.*field);
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

void MainWindowModel::showThemeInList(int theme) {
    ControlState& list = control(C::Theme);
    if (theme >= 0 && theme < static_cast<int>(list.items.size())) list.value = theme;
}

void MainWindowModel::showTypeInList(int position) {
    ControlState& list = control(C::GameType);
    if (position >= 0 && position < static_cast<int>(list.items.size())) list.value = position;
}

}  // namespace brambex
