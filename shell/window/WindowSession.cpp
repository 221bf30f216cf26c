// The map on screen as a document: its file, its edits and the questions before it is replaced;
// saving, loading, undo and redo of the editor's changes, Reset All.

#include "shell/window/MainWindowModel.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <fstream>
#include <new>

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

void MainWindowModel::undoEdit() { editStep(true); }

void MainWindowModel::redoEdit() { editStep(false); }

void MainWindowModel::editStep(bool back) {
    MapEditorModel& editor = session_.editor();
    if (busy() || !session_.map() || !(back ? editor.canUndo() : editor.canRedo())) return;
    guarded([&] {
        if (back) editor.undo();
        else editor.redo();
        pictureChanged();
        setStatus(back ? translate("Window", "Undone: an editor change") : translate("Window", "Redone: an editor change"));
        resumeLive();
    });
}

void MainWindowModel::pictureChanged() {
    // The map on screen was changed in place: its pyramid and previews are of the old picture.
    session_.map()->pyramid.reset();
    ++shownFrame_;
    refreshPreviewFiles();
}

void MainWindowModel::refreshPreviewFiles() {
    makePreviews(*session_.map());
    if (Failure failed = writePreviewFiles(*session_.map(), mapState.showTransparency)) services_.showMessage(*failed);
    reloadPreviews();
}

void MainWindowModel::setMap(std::unique_ptr<Map> map, bool writePreviews, std::optional<fs::path> file) {
    // A map leaving the screen with its editor changes saved stays in its history entry as it is.
    if (session_.hasPicture() && session_.savedEdits()) history_.keepEdited(copyOfMap(*session_.map()), session_.file());
    history_.leave();
    std::unique_ptr<Map> old = session_.replace(std::move(map), std::move(file));
    ++shownFrame_;
    if (old) {
        const long long pixels = static_cast<long long>(old->width) * old->height;
        freeBesideTheWindow(std::move(old), pixels);
    }
    if (!session_.map() || !writePreviews) return;
    ensurePreviews(*session_.map());
    if (Failure failed = writePreviewFiles(*session_.map(), mapState.showTransparency)) services_.showMessage(*failed);
}

void MainWindowModel::ensurePreviews(Map& map) {
    // A live frame comes without previews: they are made once something needs them.
    if (!map.preview) makePreviews(map);
}

void MainWindowModel::reloadPreviews() {
    previewPicture_ = paths.previewPath;
    ++pictureVersion_;
}

fs::path MainWindowModel::proposedMapName(const fs::path& folder) const {
    const MapType type = session_.map() ? session_.map()->mapType() : MapType::Cavern;
    for (int n = 1;; ++n) {
        const fs::path candidate = folder / formatText("Brambex_%s_%d.png", std::string(typeFolder(type)).c_str(), n);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec)) && !fileOpens(candidate)) return candidate;
    }
}

bool MainWindowModel::saveMap() {
    if (!session_.hasPicture()) return false;
    const std::optional<fs::path> chosen = services_.askSavePath(proposedMapName(lastFolder_));
    if (!chosen) return false;
    lastFolder_ = chosen->parent_path();
    return saveTo(*chosen);
}

void MainWindowModel::refreshMapCode() {
    Map* map = session_.map();
    if (!map || map->code.empty()) return;
    ParsedCode parsed = parseMapCode(map->code);
    if (!parsed.recipe) return;
    parsed.recipe->waterColour = std::clamp(map->waterColour, 0, 4);
    parsed.recipe->fullColour = control(C::ForceFullColour).checked && control(C::ForceFullColour).enabled;
    map->code = brambex::mapCode(*parsed.recipe);
}

bool MainWindowModel::saveTo(const fs::path& chosen) {
    // The file's code says how it is saved: with its water colour, in full colour or not.
    refreshMapCode();
    if (Failure failed = brambex::saveMap(*session_.map(), chosen, control(C::ForceFullColour).checked)) {
        services_.showMessage(*failed);
        return false;
    }
    const fs::path file = withPngExtension(chosen);
    session_.saved(file);
    rememberFile(file);
    setStatus(formatText(translate("Window", "Saved %s").c_str(), file.filename().c_str()));
    return true;
}

void MainWindowModel::saveToOwnFile() {
    if (!session_.hasPicture()) return;
    if (session_.file()) saveTo(*session_.file());
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

bool MainWindowModel::mayReplaceMap() {
    // The one gate before the map on screen is replaced or the window closes: only an answer of
    // Save (that did save) or Discard lets unsaved changes go.
    if (!session_.unsaved()) return true;
    switch (services_.askSaveChanges(session_.name())) {
    case SaveChoice::Save: return session_.file() ? saveTo(*session_.file()) : saveMap();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    }
    return false;
}

std::string MainWindowModel::playabilityText() const {
    const Map* map = session_.map();
    return map && map->playability ? playabilitySummary(*map->playability, teams()) : std::string();
}

std::vector<std::string> MainWindowModel::playabilityMisses() const {
    const Map* map = session_.map();
    if (!map || !map->playability) return {};
    return brambex::playabilityMisses(*map->playability, typeRow(map->mapType()).playability);
}

std::string MainWindowModel::mapCaption() const {
    const Map* map = session_.map();
    if (!map || busy()) return {};
    const std::optional<MapType> shown = typeAtListPosition(mapState.currentTypeIndex);
    if (shown && *shown == map->mapType() && map->hasIdentity) return {};
    // A picture without our chunks is of no type at all: it is not called one.
    if (!map->hasIdentity) return translate("Window", "A picture, not a map of ours (no seed, no code)");
    return mapSaid(*map);
}

void MainWindowModel::loadMap(std::optional<fs::path> chosen) {
    if (!mayReplaceMap()) return;
    if (!chosen) chosen = services_.askLoadPath(lastFolder_);
    if (!chosen) return;
    lastFolder_ = chosen->parent_path();
    // The file as named; ".png" is added only to a name that is no file (the rule of the dialog).
    std::error_code ec;
    paths.currentMapPath = fs::exists(*chosen, ec) ? *chosen : withPngExtension(*chosen);
    std::unique_ptr<Map> loaded = readMapToShow(paths.currentMapPath);
    if (!loaded) return;
    // A loaded map is measured as a made one is (pictures of a size --info reads).
    if (measurable(loaded->image.get()))
        loaded->playability = measurePlayability(loaded->image.get(), courseKind(loaded->mapType()));
    setMap(std::move(loaded), true, paths.currentMapPath);
    rememberFile(paths.currentMapPath);
    showLoadedMap();
}

void MainWindowModel::showLoadedMap() {
    const Map& map = *session_.map();
    mapShown_ = true;
    reloadPreviews();
    // The type and theme the file records go onto the controls, so Modify and Generate go on from
    // this map. A picture without our chunks keeps the controls as they are.
    if (map.hasIdentity) {
        if (installedTypes.installed(map.mapType())) mapState.currentTypeIndex = installedTypes.listIndex(map.mapType());
        showTypeInList(mapState.currentTypeIndex);
        showThemeInList(map.themeNumber);
    }
    if (mapState.currentTypeIndex >= static_cast<int>(control(C::GameType).items.size())) mapState.currentTypeIndex = 0;
    showTypeLayout(mapState.currentTypeIndex);
    showLoadedMapOnControls();
    if (!map.hasIdentity)
        setStatus(formatText(translate("Window", "%s has no map record: it carries no seed, type or theme.").c_str(),
                             paths.currentMapPath.filename().c_str()));
    // Full colour is offered only for a map that is full colour already.
    control(C::ForceFullColour).enabled = map.image->trueColor != 0;
    control(C::Modify).enabled = true;
    control(C::SaveMap).enabled = true;
    control(C::Water).value = std::clamp(map.waterColour, 0, 4);
    applyMode();
    rebuildThemePreview();
}

std::unique_ptr<Map> MainWindowModel::readMapToShow(const fs::path& path) {
    Bytes file;
    if (!readPngFile(path, file)) {
        services_.showMessage({translate("Window", "Load Map"), formatText(translate("Window", "%s is not a map the program can read.").c_str(), path.c_str())});
        return nullptr;
    }
    // A picture of hundreds of millions of pixels takes gigabytes once decoded: asked first.
    if (const std::optional<PngLayout> layout = scanPng(file.data(), file.size())) {
        const long long pixels = static_cast<long long>(layout->width) * layout->height;
        if (pixels > LARGE_PICTURE_PIXELS &&
            !services_.confirm({translate("Window", "Load Map"),
                                formatText(translate("Window", "%s is %d x %d, %lld million pixels: showing it needs about %lld GB of memory "
                                                       "and may take a while. Load it?").c_str(),
                                                       path.filename().c_str(), layout->width, layout->height,
                                                       pixels / 1'000'000, (pixels * 4 * 3 >> 30) + 1)}))
            return nullptr;
    }
    std::unique_ptr<Map> loaded = loadMapFile(file, installedTypes, currentFolders());
    if (!loaded)
        services_.showMessage({translate("Window", "Load Map"), formatText(translate("Window", "%s is not a map the program can read.").c_str(), path.c_str())});
    return loaded;
}

void MainWindowModel::resetAll() {
    if (!mayReplaceMap()) return;
    setStatus(translate("Window", "State Reset"));
    resetControls();
    refreshParameters();
    if (const TypeRow* row = selectedRow()) {
        loadTypeSettings(row->type, panel_.parameters());
        loadSettingsIntoControls();
    }
    mapShown_ = false;
    previewPicture_.clear();
    ++pictureVersion_;
    setMap(nullptr);
    setRandomMode();
    rebuildThemePreview();
}

void MainWindowModel::resetControls() {
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
}

void MainWindowModel::showTransparencyChanged() {
    mapState.showTransparency = control(C::ShowTransparency).checked;
    if (!session_.hasPicture()) return;
    ensurePreviews(*session_.map());
    if (Failure failed = writePreviewFiles(*session_.map(), mapState.showTransparency)) services_.showMessage(*failed);
    reloadPreviews();
}

}  // namespace brambex
