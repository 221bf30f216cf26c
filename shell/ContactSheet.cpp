#include "shell/ContactSheet.h"

#include <gdfontmb.h>

#include <algorithm>
#include <string>

#include "map/Files.h"
#include "map/GdImage.h"
#include "mapfile/MapFile.h"

namespace brambex {

Failure writeContactSheet(const std::vector<std::pair<std::uint32_t, std::filesystem::path>>& maps,
                          const std::filesystem::path& file) {
    constexpr int TILE_W = 320, MAX_TILE_H = 240, GAP = 10, LABEL = 18;
    const int n = static_cast<int>(maps.size());
    const int columns = std::max(1, std::min(n, 4)), rows = std::max(1, (n + columns - 1) / columns);
    // Every tile as high as the first map's shape asks (all maps of a batch have one size).
    int tileH = TILE_W * 696 / 1920;
    std::vector<ImagePtr> pictures;
    for (const auto& [seed, path] : maps) {
        pictures.push_back(loadPng(path));
        if (pictures.size() == 1 && pictures.back())
            tileH = std::clamp(TILE_W * pictures.back()->sy / std::max(1, pictures.back()->sx), 40, MAX_TILE_H);
    }
    const int w = GAP + columns * (TILE_W + GAP), h = GAP + rows * (tileH + LABEL + GAP);
    ImagePtr sheet = tryCreateTrueColour(w, h);
    if (!sheet) return UserError{"File write error", "The contact sheet is too large to be made."};
    const int back = packColour(48, 50, 56), text = packColour(232, 232, 226), frame = packColour(90, 92, 100);
    gdImageFilledRectangle(sheet.get(), 0, 0, w - 1, h - 1, back);
    for (int k = 0; k < n; ++k) {
        const int x = GAP + (k % columns) * (TILE_W + GAP), y = GAP + (k / columns) * (tileH + LABEL + GAP);
        gdImageRectangle(sheet.get(), x - 1, y - 1, x + TILE_W, y + tileH, frame);
        if (gdImagePtr map = pictures[static_cast<std::size_t>(k)].get())
            gdImageCopyResampled(sheet.get(), map, x, y, 0, 0, TILE_W, tileH, map->sx, map->sy);
        std::string label = "seed " + std::to_string(maps[static_cast<std::size_t>(k)].first);
        gdImageString(sheet.get(), gdFontGetMediumBold(), x, y + tileH + 3, reinterpret_cast<unsigned char*>(label.data()), text);
    }
    return replaceFileContents(withPngExtension(file), encodePng(sheet.get()));
}

}  // namespace brambex
