#include "shell/window/MapSession.h"

#include "map/GdImage.h"
#include "map/Translate.h"

namespace brambex {

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

std::string MapSession::name() const { return map_ && file_ ? file_->filename().string() : translate("Window", "Untitled"); }

std::string MapSession::title() const { return (unsaved() ? "*" : "") + name() + " - Brambex"; }

std::unique_ptr<Map> MapSession::replace(std::unique_ptr<Map> map, std::optional<std::filesystem::path> file) {
    // The editor points into the map: it goes first, and a new one starts with no steps.
    editor_ = MapEditorModel(map.get());
    std::unique_ptr<Map> old = std::move(map_);
    map_ = std::move(map);
    file_ = map_ ? std::move(file) : std::nullopt;
    return old;
}

void MapSession::saved(const std::filesystem::path& file) {
    file_ = file;
    editor_.markSaved();
}

}  // namespace brambex
