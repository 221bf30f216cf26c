#include "mapfile/Preview.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "map/Files.h"
#include "map/Map.h"
#include "map/ProcessState.h"
#include "mapfile/MapFile.h"

namespace brambex {

namespace {
constexpr int PREVIEW_ZLIB_LEVEL = 1;
constexpr int WHITE = 0xFFFFFF;
}  // namespace

PreviewGeometry previewGeometry(int canvasWidth, int canvasHeight, int mapWidth, int mapHeight) {
    const float canvasShape = static_cast<float>(canvasWidth) / static_cast<float>(canvasHeight);
    const float mapShape = static_cast<float>(mapWidth) / static_cast<float>(mapHeight);
    const float inverse = static_cast<float>(mapHeight) / static_cast<float>(mapWidth);
    PreviewGeometry g;
    if (canvasShape >= mapShape) {
        g.width = static_cast<int>(static_cast<float>(canvasHeight) * mapShape);
        g.height = static_cast<int>(static_cast<float>(g.width) * inverse);
    } else {
        g.height = static_cast<int>(static_cast<float>(canvasWidth) * inverse);
        g.width = static_cast<int>(static_cast<float>(g.height) * mapShape);
    }
    g.x = canvasWidth / 2 - g.width / 2;
    g.y = canvasHeight / 2 - g.height / 2;
    return g;
}

namespace {

void showEmptyAsWhite(gdImagePtr canvas) {
    for (int y = 0; y < canvas->sy; ++y) {
        int* row = canvas->tpixels[y];
        for (int x = 0; x < canvas->sx; ++x)
            if ((row[x] & 0xFFFFFF) == 0) row[x] = WHITE;
    }
}

}  // namespace

namespace {

// Each preview pixel the mean of the map pixels its box covers (a box filter: every map pixel
// read once, rows at a time). Palette pictures are read through their palette.
void boxDownscale(gdImagePtr canvas, gdImagePtr map, const PreviewGeometry& g, int mapWidth, int mapHeight, const PictureLevel* half) {
    mapWidth = std::min(mapWidth, map->sx);
    mapHeight = std::min(mapHeight, map->sy);
    if (g.width <= 0 || g.height <= 0 || mapWidth <= 0 || mapHeight <= 0) return;
    // A preview exactly half the map's size is the map's half level: each of its pixels is the
    // same rounded mean of the same 2 x 2 block, made once already for the view.
    if (half && g.width * 2 == mapWidth && g.height * 2 == mapHeight && half->width == g.width && half->height == g.height &&
        mapWidth == map->sx && mapHeight == map->sy) {
        for (int py = 0; py < g.height; ++py) {
            if (g.y + py < 0 || g.y + py >= canvas->sy) continue;
            const std::uint32_t* from = half->row(py);
            int* out = canvas->tpixels[g.y + py];
            for (int px = 0; px < g.width; ++px)
                if (g.x + px >= 0 && g.x + px < canvas->sx) out[g.x + px] = static_cast<int>(from[px] & 0xFFFFFFu);
        }
        return;
    }
    // The first map column and row of every preview column and row (and one past the last).
    std::vector<int> xs(static_cast<std::size_t>(g.width) + 1), ys(static_cast<std::size_t>(g.height) + 1);
    for (int i = 0; i <= g.width; ++i) xs[static_cast<std::size_t>(i)] = static_cast<int>(static_cast<long long>(i) * mapWidth / g.width);
    for (int i = 0; i <= g.height; ++i) ys[static_cast<std::size_t>(i)] = static_cast<int>(static_cast<long long>(i) * mapHeight / g.height);
    // Each preview column's map columns, clamped to the map (a map narrower than its preview
    // repeats columns).
    std::vector<int> colFrom(static_cast<std::size_t>(g.width)), colTo(static_cast<std::size_t>(g.width));
    for (int px = 0; px < g.width; ++px) {
        colFrom[static_cast<std::size_t>(px)] = std::min(xs[static_cast<std::size_t>(px)], mapWidth - 1);
        colTo[static_cast<std::size_t>(px)] = std::min(std::max(xs[static_cast<std::size_t>(px) + 1], colFrom[static_cast<std::size_t>(px)] + 1), mapWidth);
    }
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(g.width) * 3);
    auto colourAt = [map](int x, int y) {
        if (map->trueColor) return map->tpixels[y][x];
        const int i = map->pixels[y][x];
        return packColour(map->red[i], map->green[i], map->blue[i]);
    };
    for (int py = 0; py < g.height; ++py) {
        const int y0 = std::min(ys[static_cast<std::size_t>(py)], mapHeight - 1);
        const int y1 = std::min(std::max(ys[static_cast<std::size_t>(py) + 1], y0 + 1), mapHeight);
        std::fill(sums.begin(), sums.end(), 0u);
        for (int y = y0; y < y1; ++y)
            for (int px = 0; px < g.width; ++px) {
                const int x0 = colFrom[static_cast<std::size_t>(px)], x1 = colTo[static_cast<std::size_t>(px)];
                std::uint32_t* s = &sums[static_cast<std::size_t>(px) * 3];
                if (map->trueColor) {
                    const int* row = map->tpixels[y];
                    std::uint32_t r = 0, gr = 0, b = 0;
                    for (int x = x0; x < x1; ++x) {
                        r += static_cast<std::uint32_t>((row[x] >> 16) & 0xFF);
                        gr += static_cast<std::uint32_t>((row[x] >> 8) & 0xFF);
                        b += static_cast<std::uint32_t>(row[x] & 0xFF);
                    }
                    s[0] += r;
                    s[1] += gr;
                    s[2] += b;
                    continue;
                }
                for (int x = x0; x < x1; ++x) {
                    const int c = colourAt(x, y);
                    s[0] += static_cast<std::uint32_t>((c >> 16) & 0xFF);
                    s[1] += static_cast<std::uint32_t>((c >> 8) & 0xFF);
                    s[2] += static_cast<std::uint32_t>(c & 0xFF);
                }
            }
        if (g.y + py < 0 || g.y + py >= canvas->sy) continue;
        int* out = canvas->tpixels[g.y + py];
        for (int px = 0; px < g.width; ++px) {
            if (g.x + px < 0 || g.x + px >= canvas->sx) continue;
            const int x0 = colFrom[static_cast<std::size_t>(px)], x1 = colTo[static_cast<std::size_t>(px)];
            const std::uint32_t n = static_cast<std::uint32_t>((y1 - y0) * (x1 - x0));
            const std::uint32_t* s = &sums[static_cast<std::size_t>(px) * 3];
            out[g.x + px] = packColour(static_cast<int>((s[0] + n / 2) / n), static_cast<int>((s[1] + n / 2) / n),
                                       static_cast<int>((s[2] + n / 2) / n));
        }
    }
}

}  // namespace

ImagePtr renderPreview(gdImagePtr picture, int mapWidth, int mapHeight, int canvasWidth, int canvasHeight,
                       bool emptyAsWhite, const PictureLevel* half) {
    ImagePtr canvas = tryCreateTrueColour(canvasWidth, canvasHeight);
    if (!canvas || mapWidth <= 0 || mapHeight <= 0) return nullptr;
    // The background grey (a new canvas is all black, so this is what a flood fill from a corner
    // gives, without the flood).
    for (int y = 0; y < canvas->sy; ++y) std::fill(canvas->tpixels[y], canvas->tpixels[y] + canvas->sx, packColour(45, 45, 45));
    const PreviewGeometry g = previewGeometry(canvasWidth, canvasHeight, mapWidth, mapHeight);
    boxDownscale(canvas.get(), picture, g, mapWidth, mapHeight, half);
    if (emptyAsWhite) showEmptyAsWhite(canvas.get());
    return canvas;
}

void makePreviews(Map& g) {
    g.preview.reset();
    g.preview2.reset();
    if (!g.image) return;
    // Each preview reads the map on its own: making both in one pass down the map (each row read
    // once into the sums of both, the same pixels) was measured no faster, 9 ms either way at
    // 1920 x 696 (BM_MakePreviews): the sums cost, not the reading.
    g.preview = renderPreview(g.image.get(), g.width, g.height, PREVIEW_WIDTH, PREVIEW_HEIGHT);
    // The large preview reads the view's half level when the map has one and the scale is 1/2.
    const PictureLevel* half = g.pyramid && g.pyramid->levels.size() > 1 ? &g.pyramid->levels[1] : nullptr;
    g.preview2 = renderPreview(g.image.get(), g.width, g.height, PREVIEW2_WIDTH, PREVIEW2_HEIGHT, false, half);
}

std::vector<unsigned char> encodePreviewFile(gdImagePtr preview, bool emptyAsWhite) {
    if (!preview) return {};
    ImagePtr shown;
    gdImagePtr written = preview;
    if (emptyAsWhite) {
        shown = trueColourCopy(preview);
        if (!shown) return {};
        showEmptyAsWhite(shown.get());
        written = shown.get();
    }
    return encodePngUnfiltered(written, PREVIEW_ZLIB_LEVEL);
}

Failure writePreviewFile(gdImagePtr preview, const std::filesystem::path& path, bool emptyAsWhite) {
    if (!preview) return {};
    std::vector<unsigned char> bytes = encodePreviewFile(preview, emptyAsWhite);
    if (bytes.empty()) return writeError(path);
    return replaceFileContents(path, bytes, false);
}

Failure writeEncodedPreviewFiles(const std::vector<unsigned char>& first, const std::vector<unsigned char>& second) {
    Failure one = first.empty() ? Failure{} : replaceFileContents(paths.previewPath, first, false);
    Failure two = second.empty() ? Failure{} : replaceFileContents(paths.previewPath2, second, false);
    return one ? one : two;
}

Failure writePreviewFiles(const Map& g, bool emptyAsWhite) {
    Failure first = writePreviewFile(g.preview.get(), paths.previewPath, emptyAsWhite);
    Failure second = writePreviewFile(g.preview2.get(), paths.previewPath2, emptyAsWhite);
    return first ? first : second;
}

}  // namespace brambex
