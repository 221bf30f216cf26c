#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

#include "map/Map.h"
#include "shell/window/MapEditorModel.h"

namespace brambex {

// Pictures of more pixels than this leave the screen freed on another thread: giving their
// megabytes back to the system was measured at up to 20 ms even at 1920 x 696, longer than the
// window may stand still.
constexpr long long FREED_BESIDE_THE_WINDOW = 500'000;

// Lets go of `owner` (a pointer to a picture of `pixels` pixels): on another thread when the
// picture is that large, else here.
template <typename Owner>
void freeBesideTheWindow(Owner owner, long long pixels) {
    if (!owner || pixels <= FREED_BESIDE_THE_WINDOW) return;
    try {
        std::thread([owner = std::move(owner)]() mutable { owner.reset(); }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the picture went with the thread's work, freed here.
    }
}

// A deep copy of a map: its picture, identity and code (not its previews: made when it is shown).
std::unique_ptr<Map> copyOfMap(const Map& map);

// The document of the window: the map on screen, its editor changes as one undo stack with a
// saved point, and the file it was loaded from or last saved to. Whether it is saved, its name
// and the window's title are worked out from these, never kept beside them.
class MapSession {
public:
    MapSession() = default;
    MapSession(const MapSession&) = delete;
    MapSession& operator=(const MapSession&) = delete;

    const Map* map() const { return map_.get(); }
    Map* map() { return map_.get(); }
    bool hasPicture() const { return map_ && map_->image; }
    MapEditorModel& editor() { return editor_; }
    const MapEditorModel& editor() const { return editor_; }
    const std::optional<std::filesystem::path>& file() const { return file_; }

    // The map has editor changes that are not in its file.
    bool unsaved() const { return map_ && editor_.unsaved(); }
    // The map differs from how it was made or loaded, and all of that is in its file.
    bool savedEdits() const { return map_ && editor_.edited() && !editor_.unsaved(); }
    // The file's name, or "Untitled".
    std::string name() const;
    // "*name - Brambex" while unsaved.
    std::string title() const;

    // A new document: `map` on screen (none: an empty window) with no changes, from `file`
    // when it was read from one. The map it replaces is handed back (freed by the caller, which
    // may do it off the window's thread).
    std::unique_ptr<Map> replace(std::unique_ptr<Map> map, std::optional<std::filesystem::path> file = std::nullopt);
    // The map's changes are now in `file`.
    void saved(const std::filesystem::path& file);

private:
    std::unique_ptr<Map> map_;
    MapEditorModel editor_;  // edits map_
    std::optional<std::filesystem::path> file_;
};

}  // namespace brambex
