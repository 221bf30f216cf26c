#include "map/Themes.h"

#include "map/RowBands.h"
#include "map/Translate.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "map/Files.h"
#include "map/ProcessState.h"
#include "map/RowScan.h"

namespace brambex {

UserError missingThemesWarning() {
    return {translate("Messages", "Missing files"),
            translate("Messages", "There are no themes installed!\nSome map types require the theme pack, this can be found at "
                                  "the \"Theme folders\" section of README.md (the build writes the themes into "
                                  "data/generic/themes/)")};
}

int countThemes() {
    // An upper bound so a folder full of numbered themes cannot keep start-up busy for ever.
    constexpr int MAX_THEMES = 100000;
    int n = 0;
    while (n < MAX_THEMES && fileOpens(themeFile(n, "soil.png"))) ++n;
    mapState.themeCount = n;
    return n;
}

int readThemeId(const DataFolders& folders, int theme, int current) {
    int themeId = current;
    // Only the start of the file is read: a theme's settings are a few lines, and a huge file
    // (a downloaded theme may hold anything) must not keep a run busy.
    const std::optional<std::string> text = readTextStart(folders.themeFile(theme, "settings.txt"));
    if (!text) return themeId;
    // Read in pieces of at most 31 characters (to the end of a line), each parsed as "word number".
    std::size_t at = 0;
    while (at < text->size()) {
        std::size_t end = std::min(text->find('\n', at), text->size());
        if (end != text->size()) ++end;  // the line's end belongs to its piece
        end = std::min(end, at + 31);
        const std::string piece = text->substr(at, end - at);
        at = end;
        char word[32] = {0};
        int number = 0;
        if (std::sscanf(piece.c_str(), "%31s %d", word, &number) >= 1 && std::strcmp(word, "themeid:") == 0)
            themeId = number;
    }
    return themeId;
}

bool textureWithSoil(gdImagePtr map, const std::filesystem::path& soilPath, int land) {
    if (!map || !map->trueColor) return false;
    ImagePtr soil = loadArt(soilPath);
    if (!soil) return false;
    const int tw = soil->sx, th = soil->sy;
    // One tile of soil as it lies on a fresh black picture; the map is covered with it
    // edge to edge from the top-left corner.
    ImagePtr tile = createTrueColour(tw, th);
    copyPicture(tile.get(), soil.get(), 0, 0);
    // The map goes over the soil: its white (land) lets the soil show; a translucent pixel is
    // blended onto it. One pass, in place: the picture ends as a fresh picture would (no
    // transparent colour).
    inRowBands(map->sy, static_cast<long long>(map->sx) * map->sy, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            int* row = map->tpixels[y];
            const int* soilRow = tile->tpixels[y % th];
            for (int x0 = 0; x0 < map->sx; x0 += tw) {
                const int n = std::min(tw, map->sx - x0);
                int* out = row + x0;
                int alphaSeen = 0;
                for (int x = 0; x < n; ++x) alphaSeen |= out[x] & 0x7F000000;
                if (alphaSeen == 0) {
                    for (int x = 0; x < n; ++x) out[x] = out[x] == land ? soilRow[x] : out[x];
                    continue;
                }
                for (int x = 0; x < n; ++x) {
                    const int c = out[x];
                    if (c == land) out[x] = soilRow[x];
                    else if (gdTrueColorGetAlpha(c) != gdAlphaOpaque) out[x] = gdAlphaBlend(soilRow[x], c);
                }
            }
        }
    });
    map->transparent = -1;
    return true;
}

namespace {

// A texture cut into one-pixel columns: the colour each pixel is drawn with, or SKIP where the
// texture is transparent (its transparent colour, or a pixel with no opacity at all).
struct TextureColumns {
    static constexpr int SKIP = -1;
    int width = 0, height = 0;
    std::vector<int> pixels;  // column-major: column c starts at c * height

    explicit TextureColumns(gdImagePtr texture) : width(texture->sx), height(texture->sy) {
        pixels.resize(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool transparent = texture->trueColor
                                             ? texture->tpixels[y][x] == texture->transparent
                                             : texture->pixels[y][x] == texture->transparent;
                const int c = trueColourAt(texture, x, y);
                int value = SKIP;
                if (!transparent && gdTrueColorGetAlpha(c) != gdAlphaTransparent)
                    // A partly transparent pixel is seen over black; strips are drawn opaque.
                    value = gdAlphaBlend(0, c) & 0xFFFFFF;
                pixels[static_cast<std::size_t>(x) * height + y] = value;
            }
    }
    const int* column(int x) const { return pixels.data() + static_cast<std::size_t>(x % width) * height; }
};

void drawStrip(gdImagePtr picture, const int* column, int n, int x, int startRow) {
    for (int k = 0; k < n; ++k) {
        const int row = startRow + k;
        if (row < 0 || row >= picture->sy) continue;
        if (column[k] != TextureColumns::SKIP) picture->tpixels[row][x] = column[k];
    }
}

}  // namespace

void applyGrassAndRoots(gdImagePtr picture, gdImagePtr edges, int topColour, int bottomColour, int mode,
                        const DataFolders& folders, int theme) {
    const int black = 0;
    ImagePtr grassPicture = loadArt(folders.themeFile(theme, "grass.png"));
    ImagePtr rootsPicture = loadArt(folders.themeFile(theme, "roots.png"));
    if (!grassPicture || !rootsPicture || !picture->trueColor) return;

    double grassFactor = 0.0, rootsFactor = 1.0;
    if (mode == 0) {
        grassFactor = 1.0;
        rootsFactor = 0.0;
    } else if (mode == 1) {
        grassFactor = 0.5;
        rootsFactor = 0.5;
    }

    const TextureColumns grass(grassPicture.get()), roots(rootsPicture.get());
    const int gh = grass.height, rh = roots.height;
    const int w = picture->sx, h = picture->sy;
    int** pic = picture->tpixels;
    int** edge = edges->tpixels;

    // A strip is drawn in its own column and the walks that size it read only that column, so
    // columns do not depend on each other: a large map's are done in two bands at once, each
    // column's surfaces still bottom to top.
    inRowBands(w, static_cast<long long>(w) * h, [&](int x0, int x1) {
        for (int y = h - 1; y >= 0; --y) {
            const int* edgeRow = edge[y];
            // The band's own columns only: x0 - 1 when none is left.
            auto previousInBand = [&](int x) { return x0 + previousNonZero(edgeRow + x0, x - x0); };
            for (int x = previousInBand(x1 - 1); x >= x0; x = previousInBand(x - 1)) {
                const int cls = edgeRow[x];
                if (cls == topColour) {
                    // Down through the land below the surface, at most twice the texture's height.
                    int l = y + 1;
                    while (l < y + 2 * gh && l < h && edge[l][x] != bottomColour && pic[l][x] != black) ++l;
                    const int n = std::min(gh, (l - y) / 2);
                    drawStrip(picture, grass.column(x), n, x, y - static_cast<int>(n * grassFactor));
                } else if (cls == bottomColour) {
                    // Up through the land above the hollow.
                    int r = y - 1;
                    while (r > y - 2 * rh && r > 0 && edge[r][x] != topColour && pic[r][x] != black) --r;
                    const int n = std::min(rh, (y - r) / 2);
                    drawStrip(picture, roots.column(x), n, x, static_cast<int>((rh - n) * rootsFactor) + y - rh + 1);
                }
            }
        }
    });
}

}  // namespace brambex
