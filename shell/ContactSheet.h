#pragma once

#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

#include "map/GdImage.h"
#include "map/UserError.h"

namespace brambex {

// One picture of many maps: each map scaled to a tile, its seed written under it. Each map is
// reduced to its tile as soon as it is added, so a batch of thousands of maps never holds more
// than one whole map at a time; tiles shrink as the sheet grows, so the sheet stays a picture
// that can be opened. Maps that cannot be read leave an empty tile with their seed.
class ContactSheet {
public:
    explicit ContactSheet(int count);
    // The map at position `index` (0 to count - 1) of the sheet.
    void add(int index, std::uint32_t seed, const std::filesystem::path& map);
    Failure write(const std::filesystem::path& file) const;

    int columns() const { return columns_; }
    int tileWidth() const { return tileWidth_; }

private:
    int count_, columns_, tileWidth_, tileHeight_ = 0;
    std::vector<std::pair<std::uint32_t, ImagePtr>> tiles_;
    std::vector<bool> added_;
};

// The whole sheet at once, for maps already written.
Failure writeContactSheet(const std::vector<std::pair<std::uint32_t, std::filesystem::path>>& maps,
                          const std::filesystem::path& file);

}  // namespace brambex
