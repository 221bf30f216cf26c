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

void MainWindowModel::refreshPreviewFiles() {
    makePreviews(*map_);
    if (Failure failed = writePreviewFiles(*map_, mapState.showTransparency)) services_.showMessage(*failed);
    reloadPreviews();
}

std::unique_ptr<Map> copyOfMap(const Map& map) {
    auto copy = std::make_unique<Map>();
    copy->type = map.type;
    copy->image.reset(map.image ? gdImageClone(map.image.get()) : nullptr);
    copy->width = map.width;
    copy->height = map.height;
    copy->seed = map.seed;
    copy->hasIdentity = map.hasIdentity;
    copy->typeIndex = map.typeIndex;
    copy->themeNumber = map.themeNumber;
    copy->themeId = map.themeId;
    copy->levelKind = map.levelKind;
    copy->waterColour = map.waterColour;
    copy->markerX = map.markerX;
    copy->markerY = map.markerY;
    copy->indiMask = map.indiMask;
    copy->code = map.code;
    copy->chosenTheme = map.chosenTheme;
    copy->themeChosen = map.themeChosen;
    copy->playability = map.playability;
    copy->weaponPads = map.weaponPads;
    return copy;
}

void MainWindowModel::setMap(std::unique_ptr<Map> map, bool writePreviews) {
    // A map leaving the screen with its editor changes saved stays in its history entry as it is.
    if (map_ && map_->image && shownEntry_ >= 0 && shownEntry_ < static_cast<int>(history_.size()) && editor_.edited() &&
        !editor_.unsaved()) {
        history_[static_cast<std::size_t>(shownEntry_)].edited = copyOfMap(*map_);
        history_[static_cast<std::size_t>(shownEntry_)].file = mapFile_;
    }
    shownEntry_ = -1;
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
    setMap(std::move(loaded));
    mapFile_ = paths.currentMapPath;
    rememberFile(paths.currentMapPath);
    mapShown_ = true;
    reloadPreviews();
    // The type and theme the file records go onto the controls, so Modify and Generate go on from
    // this map. A picture without our chunks keeps the controls as they are.
    if (map_->hasIdentity) {
        if (installedTypes.installed(map_->mapType())) mapState.currentTypeIndex = installedTypes.listIndex(map_->mapType());
        showTypeInList(mapState.currentTypeIndex);
        showThemeInList(map_->themeNumber);
    }
    if (mapState.currentTypeIndex >= static_cast<int>(control(C::GameType).items.size())) mapState.currentTypeIndex = 0;
    showTypeLayout(mapState.currentTypeIndex);
    showLoadedMapOnControls();
    if (!map_->hasIdentity)
        setStatus(formatText("%s has no map record: it carries no seed, type or theme.",
                             paths.currentMapPath.filename().c_str()));
    // Full colour is offered only for a map that is full colour already.
    control(C::ForceFullColour).enabled = map_->image->trueColor != 0;
    control(C::Modify).enabled = true;
    control(C::SaveMap).enabled = true;
    control(C::Water).value = std::clamp(map_->waterColour, 0, 4);
    applyMode();
    rebuildThemePreview();
}

std::unique_ptr<Map> MainWindowModel::readMapToShow(const fs::path& path) {
    Bytes file;
    if (!readPngFile(path, file)) {
        services_.showMessage({"Load Map", formatText("%s is not a map the program can read.", path.c_str())});
        return nullptr;
    }
    // A picture of hundreds of millions of pixels takes gigabytes once decoded: asked first.
    if (const std::optional<PngLayout> layout = scanPng(file.data(), file.size())) {
        const long long pixels = static_cast<long long>(layout->width) * layout->height;
        if (pixels > LARGE_PICTURE_PIXELS &&
            !services_.confirm({"Load Map", formatText("%s is %d x %d, %lld million pixels: showing it needs about %lld GB "
                                                       "of memory and may take a while. Load it?",
                                                       path.filename().c_str(), layout->width, layout->height,
                                                       pixels / 1'000'000, (pixels * 4 * 3 >> 30) + 1)}))
            return nullptr;
    }
    std::unique_ptr<Map> loaded = loadMapFile(file, installedTypes, currentFolders());
    if (!loaded) services_.showMessage({"Load Map", formatText("%s is not a map the program can read.", path.c_str())});
    return loaded;
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

void MainWindowModel::showTransparencyChanged() {
    mapState.showTransparency = control(C::ShowTransparency).checked;
    if (!map_ || !map_->image) return;
    if (Failure failed = writePreviewFiles(*map_, mapState.showTransparency)) services_.showMessage(*failed);
    reloadPreviews();
}

}  // namespace brambex
