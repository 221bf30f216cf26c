// The window's controls and the values they stand for, both ways: the lists and the slider ranges,
// each map type's layout, the parameters read from the controls and put back on them, and the
// recipe they make. Nothing here knows the map on screen or the runs.

#include "shell/window/ControlPanel.h"

#include "map/Translate.h"

#include <algorithm>
#include <string>

#include "generators/TypeTable.h"
#include "map/Files.h"
#include "map/ProcessState.h"
#include "map/Themes.h"

namespace brambex {

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
    C::Height,      C::Mirror,
};

// The controls showTypeLayout disables first and enables again at its end.
constexpr Control COMMON_CONTROLS[] = {C::GameType, C::ResetAll, C::ForceFullColour, C::ShowTransparency,
                                       C::LoadMap,  C::SaveMap};
constexpr Control ENABLED_AFTER_LAYOUT[] = {C::GameType, C::ResetAll, C::ForceFullColour, C::ShowTransparency,
                                            C::LoadMap,  C::SaveMap,  C::Manual,          C::Random,
                                            C::SaveSettings, C::Generate,  C::Teams};
constexpr Control SIZE_CONTROLS[] = {C::WidthLabel, C::HeightLabel, C::WidthValue, C::HeightValue, C::Width, C::Height};

// Which control shows a settings-file key's parameter.
std::optional<Control> controlOfKey(const TypeRow& row, const SettingKey& key) {
    using P = GenerationParameters;
    if (key.field == &P::noTopSoil) return C::NoTopSoil;
    if (key.field == &P::mirror) return C::Mirror;
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

ControlPanel::ControlPanel() {
    // Every control of the window, by the numbers the program has always used, with its caption.
    static const struct {
        Control control;
        ControlState::Kind kind;
        const char* text;
    } all[] = {
        {C::Status, K::Status, ""},
        {C::Preview, K::Picture, ""},
        {C::ThemePreview, K::Picture, ""},
        {C::StylePreview, K::Picture, ""},
        {C::GameType, K::List, ""},
        {C::SaveSettings, K::Button, QT_TRANSLATE_NOOP("Window", "Save")},
        {C::Manual, K::Radio, QT_TRANSLATE_NOOP("Window", "&Manual")},
        {C::Random, K::Radio, QT_TRANSLATE_NOOP("Window", "&Random")},
        {C::Algorithm, K::List, ""},
        {C::Layout, K::List, ""},
        {C::Style, K::List, ""},
        {C::Brick, K::List, ""},
        {C::Theme, K::List, ""},
        {C::Water, K::List, ""},
        {C::WaterLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Water:")},
        {C::Smoothing, K::List, ""},
        {C::Modify, K::Check, QT_TRANSLATE_NOOP("Window", "Modify")},
        {C::Grass, K::Check, QT_TRANSLATE_NOOP("Window", "Grass")},
        {C::NoTopSoil, K::Check, QT_TRANSLATE_NOOP("Window", "No Top Soil")},
        {C::Mirror, K::Check, QT_TRANSLATE_NOOP("Window", "Mirror")},
        {C::Teams, K::List, ""},
        {C::ShowTransparency, K::Check, QT_TRANSLATE_NOOP("Window", "Show &Transparency")},
        {C::ForceFullColour, K::Check, QT_TRANSLATE_NOOP("Window", "Force Full Colour")},
        {C::BnaObjects, K::Slider, ""},
        {C::BnaObjectsLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Objects:")},
        {C::Pads, K::Slider, ""},
        {C::PadsLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Pads:")},
        {C::Padding, K::Slider, ""},
        {C::PaddingLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Padding:")},
        {C::Complexity, K::Slider, ""},
        {C::ComplexityLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Complexity:")},
        {C::Objects, K::Slider, ""},
        {C::ObjectsLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Objects:")},
        {C::Width, K::Slider, ""},
        {C::WidthLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Width:")},
        {C::WidthValue, K::Value, ""},
        {C::Height, K::Slider, ""},
        {C::HeightLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Height:")},
        {C::HeightValue, K::Value, ""},
        {C::PathSize, K::Slider, ""},
        {C::PathSizeLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Path Size:")},
        {C::PathSizeValue, K::Value, ""},
        {C::Islands, K::Slider, ""},
        {C::IslandsLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Num Islands:")},
        {C::CavesLabel, K::Label, QT_TRANSLATE_NOOP("Window", "Num Caves:")},
        {C::IslandsValue, K::Value, ""},
        {C::Generate, K::Button, QT_TRANSLATE_NOOP("Window", "&Generate")},
        {C::ResetAll, K::Button, QT_TRANSLATE_NOOP("Window", "&Reset All")},
        {C::SaveMap, K::Button, QT_TRANSLATE_NOOP("Window", "&Save Map")},
        {C::LoadMap, K::Button, QT_TRANSLATE_NOOP("Window", "&Load Map")},
        {C::EditMap, K::Button, ""},
    };
    for (const auto& c : all) addControl(c.control, c.kind, translated("Window", c.text));
}

void ControlPanel::addControl(Control c, ControlState::Kind kind, std::string text) {
    ControlState s;
    s.kind = kind;
    s.text = std::move(text);
    if (kind == K::List) s.value = -1;
    controls_[c] = s;
}

ControlState& ControlPanel::control(Control c) { return controls_.at(c); }
const ControlState& ControlPanel::control(Control c) const { return controls_.at(c); }

void ControlPanel::fillTypeList() {
    ControlState& list = control(C::GameType);
    list.items.clear();
    for (const TypeRow& row : typeTable())
        if (installedTypes.installed(row.type)) list.items.emplace_back(row.info().listText);
}

void ControlPanel::fillLists() {
    auto fill = [&](Control c, std::vector<std::string> items, int selected, bool enabled = true) {
        ControlState& s = control(c);
        s.items = std::move(items);
        s.value = selected;
        s.enabled = enabled;
    };
    control(C::GameType).value = control(C::GameType).items.empty() ? -1 : 0;
    fill(C::Algorithm, {translate("Window", "Gradient"), translate("Window", "Random Spread")}, 0);
    fill(C::Style, {translate("Window", "Balls"), translate("Window", "Matrix"), translate("Window", "Pool Balls"), translate("Window", "Rugby"), translate("Window", "Smilies"), translate("Window", "Space")}, 0);
    // translate("Window", "Edges") first: a map made from the window has the smoothing the command line gives it.
    fill(C::Smoothing, {translate("Window", "Edges"), translate("Window", "Smoothe"), translate("Window", "Mixed")}, 0, false);
    fill(C::Brick, {translate("Window", "Brick"), translate("Window", "Granite"), translate("Window", "White Stone")}, 0);
    fill(C::Water, {translate("Window", "Blue"), translate("Window", "Red"), translate("Window", "Purple"), translate("Window", "Yellow"), translate("Window", "Green")}, 0, false);
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
    fill(C::Layout, {translate("Window", "City"), translate("Window", "Maze")}, 0);
    std::vector<std::string> teams;
    for (int t = 2; t <= MAX_TEAMS; ++t) teams.push_back(translate("Window", "for %n teams", nullptr, t));
    fill(C::Teams, teams, 0);
    control(C::Teams).shown = control(C::Teams).enabled = true;
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

void ControlPanel::fillThemeList() {
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

void ControlPanel::hideTypeControls() {
    for (Control c : TYPE_CONTROLS) control(c).shown = false;
    for (Control c : COMMON_CONTROLS) control(c).enabled = false;
}

void ControlPanel::showTypeLayout(int position, bool haveMap) {
    if (lastShownType_ < 0) lastShownType_ = position;
    const bool changed = position != lastShownType_;
    lastShownType_ = position;
    ControlState& typeList = control(C::GameType);
    if (position >= 0 && position < static_cast<int>(typeList.items.size())) typeList.value = position;
    hideTypeControls();

    const std::optional<MapType> type = typeAtListPosition(position);
    if (!type) {
        setStatus(translate("Window", "Error in Game Type"));
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
        // Mirror: the types whose mirrored maps are still maps of theirs.
        control(C::Mirror).shown = control(C::Mirror).enabled = typeRow(*type).mirrorable;
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
    control(C::SaveMap).enabled = haveMap;
    control(C::EditMap).enabled = haveMap;
    refreshParameters();
}

void ControlPanel::disableAll() {
    for (auto& [c, s] : controls_)
        if (s.kind == K::Slider || s.kind == K::List || s.kind == K::Check || s.kind == K::Radio || s.kind == K::Button)
            s.enabled = false;
}

void ControlPanel::setRandomMode() {
    for (Control c : CHOICE_LISTS) control(c).enabled = false;
}

void ControlPanel::setManualMode() {
    for (Control c : CHOICE_LISTS) control(c).enabled = true;
}

void ControlPanel::applyMode() {
    if (control(C::Manual).checked) setManualMode();
    else setRandomMode();
}

void ControlPanel::refreshParameters() {
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

void ControlPanel::setStatus(const std::string& text) { control(C::Status).text = text; }

void ControlPanel::readAll() {
    refreshParameters();
    parameters_.fortGrass = control(C::Grass).checked && control(C::Grass).enabled;
    parameters_.fortBrick = std::max(0, control(C::Brick).value);
    parameters_.manualMode = control(C::Manual).checked;
    parameters_.bnaAlgorithm = std::max(0, control(C::Algorithm).value);
    parameters_.shopperLayout = std::max(0, control(C::Layout).value);
    parameters_.bnaStyle = std::max(0, control(C::Style).value);
    parameters_.keepSeed = control(C::Modify).checked && control(C::Modify).enabled;
    parameters_.noTopSoil = control(C::NoTopSoil).checked;
    parameters_.mirror = control(C::Mirror).checked && control(C::Mirror).shown ? 1 : 0;
}

void ControlPanel::showParameters() {
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
    control(C::Mirror).checked = p.mirror != 0;
    control(C::Manual).checked = p.manualMode;
    control(C::Random).checked = !p.manualMode;
}

void ControlPanel::showThemeInList(int theme) {
    ControlState& list = control(C::Theme);
    if (theme >= 0 && theme < static_cast<int>(list.items.size())) list.value = theme;
}

void ControlPanel::showTypeInList(int position) {
    ControlState& list = control(C::GameType);
    if (position >= 0 && position < static_cast<int>(list.items.size())) list.value = position;
}

MapRecipe ControlPanel::recipe(MapType type, std::uint32_t seed, int themeCount) const {
    MapRecipe recipe = recipeFrom(type, parameters_, seed, themeCount);
    recipe.waterColour = std::clamp(control(C::Water).value, 0, 4);
    return recipe;
}

// The values a settings file set, shown on the controls; the sliders keep their own ranges, so
// refreshParameters then reads back what they can hold.
void ControlPanel::showSettings(const TypeRow* row) {
    if (!row) return;
    for (const SettingKey& key : row->readerKeys) {
        const std::optional<Control> c = controlOfKey(*row, key);
        if (!c) continue;
        ControlState& s = control(*c);
        if (*c == C::NoTopSoil) s.checked = parameters_.noTopSoil;
        else if (*c == C::Mirror) s.checked = parameters_.mirror != 0;
        else if (*c == C::Smoothing) s.value = std::clamp(parameters_.smoothing, 0, 2);
        else s.value = std::clamp(parameters_.*key.field, s.min, s.max);
    }
}

}  // namespace brambex
