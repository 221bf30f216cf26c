#include "shell/ContactSheet.h"

#include <gdfontmb.h>
#include <gdfontt.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "map/Files.h"
#include "mapfile/MapFile.h"

namespace brambex {

namespace {
constexpr int MAX_TILE_W = 320, MAX_TILE_H = 240, MIN_TILE_W = 64, GAP = 10, LABEL = 18;
// About this wide at most, whatever the number of maps.
constexpr int SHEET_WIDTH = 6400;
}  // namespace

ContactSheet::ContactSheet(int count) : count_(std::max(1, count)) {
    // Four to a row for a few maps; for many, a squarer sheet of smaller tiles.
    columns_ = std::min(count_, std::max(4, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count_))))));
    columns_ = std::max(1, std::min(columns_, SHEET_WIDTH / (MIN_TILE_W + GAP)));
    tileWidth_ = std::clamp(SHEET_WIDTH / columns_ - GAP, MIN_TILE_W, MAX_TILE_W);
    tiles_.resize(static_cast<std::size_t>(count_));
    added_.assign(static_cast<std::size_t>(count_), false);
}

void ContactSheet::add(int index, std::uint32_t seed, const std::filesystem::path& map) {
    if (index < 0 || index >= count_) return;
    auto& [tileSeed, tile] = tiles_[static_cast<std::size_t>(index)];
    tileSeed = seed;
    added_[static_cast<std::size_t>(index)] = true;
    ImagePtr picture = loadPng(map);
    if (!picture) return;
    // Every tile as high as the first readable map's shape asks (a batch's maps share one size).
    if (tileHeight_ == 0)
        tileHeight_ = std::clamp(tileWidth_ * picture->sy / std::max(1, picture->sx), 16, MAX_TILE_H * tileWidth_ / MAX_TILE_W);
    tile = tryCreateTrueColour(tileWidth_, tileHeight_);
    if (tile) gdImageCopyResampled(tile.get(), picture.get(), 0, 0, 0, 0, tileWidth_, tileHeight_, picture->sx, picture->sy);
}

Failure ContactSheet::write(const std::filesystem::path& file) const {
    const int tileH = tileHeight_ > 0 ? tileHeight_ : tileWidth_ * 696 / 1920;
    int shown = 0;
    for (bool a : added_) shown += a;
    const int n = std::max(1, shown);
    const int columns = std::min(columns_, n), rows = (n + columns - 1) / columns;
    const int w = GAP + columns * (tileWidth_ + GAP), h = GAP + rows * (tileH + LABEL + GAP);
    ImagePtr sheet = tryCreateTrueColour(w, h);
    if (!sheet) return UserError{"File write error", "The contact sheet is too large to be made."};
    const int back = packColour(48, 50, 56), text = packColour(232, 232, 226), frame = packColour(90, 92, 100);
    gdImageFilledRectangle(sheet.get(), 0, 0, w - 1, h - 1, back);
    // Narrow tiles take the small font, so a seed stays under its own map.
    gdFontPtr font = tileWidth_ >= 110 ? gdFontGetMediumBold() : gdFontGetTiny();
    int k = 0;
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        if (!added_[i]) continue;
        const int x = GAP + (k % columns) * (tileWidth_ + GAP), y = GAP + (k / columns) * (tileH + LABEL + GAP);
        ++k;
        gdImageRectangle(sheet.get(), x - 1, y - 1, x + tileWidth_, y + tileH, frame);
        if (gdImagePtr tile = tiles_[i].second.get()) gdImageCopy(sheet.get(), tile, x, y, 0, 0, tile->sx, tile->sy);
        std::string label = (tileWidth_ >= 110 ? "seed " : "") + std::to_string(tiles_[i].first);
        gdImageString(sheet.get(), font, x, y + tileH + 3, reinterpret_cast<unsigned char*>(label.data()), text);
    }
    return replaceFileContents(withPngExtension(file), encodePng(sheet.get()));
}

Failure writeContactSheet(const std::vector<std::pair<std::uint32_t, std::filesystem::path>>& maps,
                          const std::filesystem::path& file) {
    ContactSheet sheet(static_cast<int>(maps.size()));
    for (std::size_t k = 0; k < maps.size(); ++k) sheet.add(static_cast<int>(k), maps[k].first, maps[k].second);
    return sheet.write(file);
}

}  // namespace brambex
