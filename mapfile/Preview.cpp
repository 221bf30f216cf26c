#include "mapfile/Preview.h"

#include "map/FloodFill.h"
#include "map/Files.h"
#include "map/Generator.h"
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

ImagePtr renderPreview(gdImagePtr picture, int mapWidth, int mapHeight, int canvasWidth, int canvasHeight,
                       bool emptyAsWhite) {
    ImagePtr canvas = tryCreateTrueColour(canvasWidth, canvasHeight);
    if (!canvas || mapWidth <= 0 || mapHeight <= 0) return nullptr;
    floodFill(canvas.get(), 0, 0, packColour(45, 45, 45));
    const PreviewGeometry g = previewGeometry(canvasWidth, canvasHeight, mapWidth, mapHeight);
    gdImageCopyResampled(canvas.get(), picture, g.x, g.y, 0, 0, g.width, g.height, mapWidth, mapHeight);
    if (emptyAsWhite) showEmptyAsWhite(canvas.get());
    return canvas;
}

Failure writePreviewFile(gdImagePtr picture, int mapWidth, int mapHeight, int canvasWidth, int canvasHeight,
                         const std::filesystem::path& path) {
    if (!picture) return {};
    ImagePtr canvas = renderPreview(picture, mapWidth, mapHeight, canvasWidth, canvasHeight);
    if (!canvas) return writeError(path);
    if (Failure failed = replaceFileContents(path, encodePng(canvas.get(), PREVIEW_ZLIB_LEVEL), false)) return failed;
    return {};
}

void makePreviews(Generator& g) {
    g.preview.reset();
    g.preview2.reset();
    if (!g.image) return;
    g.preview = renderPreview(g.image.get(), g.width, g.height, PREVIEW_WIDTH, PREVIEW_HEIGHT);
    g.preview2 = renderPreview(g.image.get(), g.width, g.height, PREVIEW2_WIDTH, PREVIEW2_HEIGHT);
}

Failure writePreviewFiles(const Generator& g, bool emptyAsWhite) {
    const std::pair<gdImagePtr, const std::filesystem::path*> files[2] = {{g.preview.get(), &paths.previewPath},
                                                                          {g.preview2.get(), &paths.previewPath2}};
    Failure first;
    for (const auto& [picture, path] : files) {
        if (!picture) continue;
        ImagePtr shown;
        gdImagePtr written = picture;
        if (emptyAsWhite) {
            shown = trueColourCopy(picture);
            if (!shown) {
                if (!first) first = writeError(*path);
                continue;
            }
            showEmptyAsWhite(shown.get());
            written = shown.get();
        }
        Failure failed = replaceFileContents(*path, encodePng(written, PREVIEW_ZLIB_LEVEL), false);
        if (failed && !first) first = failed;
    }
    return first;
}

Failure writePreviews(gdImagePtr picture, int mapWidth, int mapHeight) {
    Failure first = writePreviewFile(picture, mapWidth, mapHeight, PREVIEW_WIDTH, PREVIEW_HEIGHT, paths.previewPath);
    Failure second = writePreviewFile(picture, mapWidth, mapHeight, PREVIEW2_WIDTH, PREVIEW2_HEIGHT, paths.previewPath2);
    return first ? first : second;
}

Failure rewritePreview(const std::filesystem::path& path) {
    ImagePtr preview = loadPng(path);
    if (!preview) return {};
    if (!preview->trueColor) gdImagePaletteToTrueColor(preview.get());
    if (mapState.showTransparency) {
        showEmptyAsWhite(preview.get());
    } else {
        for (int y = 0; y < preview->sy; ++y) {
            int* row = preview->tpixels[y];
            for (int x = 0; x < preview->sx; ++x)
                if ((row[x] & 0xFFFFFF) == WHITE) row[x] = 0;
        }
    }
    if (Failure failed = replaceFileContents(path, encodePng(preview.get(), PREVIEW_ZLIB_LEVEL), false)) return failed;
    return {};
}

}  // namespace brambex
