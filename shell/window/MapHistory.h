#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "generators/Run.h"
#include "map/GdImage.h"
#include "map/Map.h"

namespace brambex {

// This session's maps, newest last: each is its recipe (made again from it), or the map as it was
// left when its editor changes had been saved.
class MapHistory {
public:
    struct Entry {
        RunRequest request;
        MapType type;
        std::uint32_t seed;
        ImagePtr thumbnail;  // the 400 x 145 preview
        // The map as it was left when its editor changes had been saved (Back shows it so), and
        // the file they went to; none: the entry's map is made again from its recipe.
        std::shared_ptr<const Map> edited;
        std::optional<std::filesystem::path> file;
    };
    static constexpr std::size_t SIZE = 30;

    const std::vector<Entry>& entries() const { return entries_; }
    const Entry& operator[](int index) const { return entries_[static_cast<std::size_t>(index)]; }
    bool contains(int index) const { return index >= 0 && index < static_cast<int>(entries_.size()); }
    // Where Back and Forward go from (-1: nowhere yet).
    int position() const { return position_; }
    // The entry of the map on screen (-1: the map on screen is none of them, a loaded one).
    int shown() const { return shown_; }

    // A new map after the one at the position (what was ahead of it goes); it is shown.
    void add(Entry entry);
    // Back or Forward has chosen `index`; it is shown once its map is there.
    void moveTo(int index) { position_ = index; }
    void show(int index) { shown_ = contains(index) ? index : -1; }
    // The map on screen is the entry's map no more (another one replaces it).
    void leave() { shown_ = -1; }
    // The entry shown keeps `map`, whose editor changes are saved in `file`.
    void keepEdited(std::unique_ptr<Map> map, std::optional<std::filesystem::path> file);
    // Live made the entry at the position again from `request`: it is that map now, shown.
    void followLive(const RunRequest& request);

private:
    std::vector<Entry> entries_;
    int position_ = -1;
    int shown_ = -1;
};

}  // namespace brambex
