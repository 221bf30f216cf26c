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
#include "map/Translate.h"
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
            loadTypeSettings(row->type, panel_.parameters());
            loadSettingsIntoControls();
        }
    });
}

const TypeRow* MainWindowModel::selectedRow() const {
    const std::optional<MapType> type = typeAtListPosition(mapState.currentTypeIndex);
    return type ? &typeRow(*type) : nullptr;
}

void MainWindowModel::gameTypeChanged() {
    control(C::Modify).enabled = false;
    control(C::Grass).enabled = false;
    const int selected = control(C::GameType).value;
    if (selected == mapState.currentTypeIndex) return;
    mapState.currentTypeIndex = selected;
    showTypeLayout(selected);
    if (const TypeRow* row = selectedRow()) {
        loadTypeSettings(row->type, panel_.parameters());
        loadSettingsIntoControls();
    }
}

void MainWindowModel::showLoadedMapOnControls() {
    // The map's code puts every value it was made from back on the controls, so Modify makes it
    // again; a map without one gets its type's settings file and its own size, and says what
    // could not be known.
    Map& shown = *session_.map();
    const ParsedCode parsed = shown.hasIdentity && !shown.code.empty() ? parseMapCode(shown.code) : ParsedCode{};
    std::optional<MapRecipe> recipe = parsed.recipe ? parsed.recipe : parsed.todaysRecipe;
    // A code that names another seed or type than the file's own record is not this map's: it is
    // not believed (nor kept, so it is not saved with the map again).
    if (recipe && (recipe->seed != shown.seed || recipe->type != shown.mapType())) {
        shown.code.clear();
        setStatus(formatText(translate("Window", "%s carries a map code of another map (seed %u): its controls are not restored from it.").c_str(),
                             paths.currentMapPath.filename().c_str(), recipe->seed));
        return;
    }
    if (recipe && installedTypes.installed(recipe->type)) {
        showRecipe(*recipe);
        if (!parsed.recipe)
            setStatus(formatText(translate("Window", "%s: %s Generate with Modify makes this version's map of its settings.").c_str(),
                                 paths.currentMapPath.filename().c_str(), parsed.error.c_str()));
        return;
    }
    const TypeRow* row = selectedRow();
    if (!row) return;
    loadTypeSettings(row->type, panel_.parameters());
    loadSettingsIntoControls();
    if (shown.hasIdentity && !row->windowFixedSize && control(C::Width).shown) {
        ControlState& w = control(C::Width);
        ControlState& h = control(C::Height);
        w.max = std::max(w.max, shown.width);
        h.max = std::max(h.max, shown.height);
        w.value = std::clamp(shown.width, w.min, w.max);
        h.value = std::clamp(shown.height, h.min, h.max);
        refreshParameters();
    }
    if (shown.hasIdentity && row->type == shown.mapType()) {
        std::string unknown;
        for (const RecipeField& f : recipeFields(row->type))
            unknown += (unknown.empty() ? "" : ", ") + translated("Recipe", std::string(f.name).c_str());
        const std::string restored =
            unknown.empty() ? translate("Window", "%s has no map code: its seed, type, theme and size are restored.")
                            : formatText(translate("Window", "%s has no map code: its seed, type, theme and size are restored, its "
                                                             "%s are not known (the controls keep theirs).").c_str(),
                                         "%s", unknown.c_str());
        setStatus(formatText(restored.c_str(), paths.currentMapPath.filename().c_str()));
    }
}

void MainWindowModel::showRecipe(const MapRecipe& recipe) {
    const int position = installedTypes.listIndex(recipe.type);
    showTypeInList(position);
    if (position != mapState.currentTypeIndex) {
        mapState.currentTypeIndex = position;
        showTypeLayout(position);
        // What the recipe does not set comes from the type's settings file, as on choosing it.
        loadTypeSettings(recipe.type, panel_.parameters());
        loadSettingsIntoControls();
    }
    readAllControls();
    applyRecipe(recipe, panel_.parameters());
    panel_.showParameters();
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

void MainWindowModel::typeValue(Control slider, int value) {
    moveSlider(slider, value);
    const ControlState& s = control(slider);
    if (!s.shown || !s.enabled || s.value == value) return;
    static const std::map<Control, const char*> names{
        {C::Width, QT_TRANSLATE_NOOP("Window", "Width")},
        {C::Height, QT_TRANSLATE_NOOP("Window", "Height")},
        {C::PathSize, QT_TRANSLATE_NOOP("Window", "Path size")},
        {C::Islands, QT_TRANSLATE_NOOP("Window", "Islands")},
        {C::Complexity, QT_TRANSLATE_NOOP("Window", "Complexity")},
        {C::Objects, QT_TRANSLATE_NOOP("Window", "Objects")},
        {C::BnaObjects, QT_TRANSLATE_NOOP("Window", "Objects")},
        {C::Pads, QT_TRANSLATE_NOOP("Window", "Pads")},
        {C::Padding, QT_TRANSLATE_NOOP("Window", "Padding")},
    };
    const auto name = names.find(slider);
    const bool outside = value < s.min || value > s.max;
    const std::string why = outside ? formatText(translate("Window", "it goes from %d to %d").c_str(), s.min, s.max)
                                    : translate("Window", "sizes go in steps of 8");
    setStatus(formatText(translate("Window", "%s %d is made as %d: %s").c_str(),
                         name == names.end() ? translate("Window", "The value").c_str() : translated("Window", name->second).c_str(), value,
                         s.value, why.c_str()));
}

}  // namespace brambex
