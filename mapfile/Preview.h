#pragma once

#include <filesystem>
#include <vector>

#include "map/GdImage.h"
#include "map/Pyramid.h"
#include "map/UserError.h"

namespace brambex {

struct Map;

struct PreviewGeometry {
    int x = 0, y = 0, width = 0, height = 0;  // where the map lands on the canvas
};

// Fits a mapWidth x mapHeight map into a canvasWidth x canvasHeight preview, keeping its shape
// (single precision, as every preview has always been computed).
PreviewGeometry previewGeometry(int canvasWidth, int canvasHeight, int mapWidth, int mapHeight);

// The preview canvas: (45,45,45) with the map resampled into it; with `emptyAsWhite` the empty
// (black) pixels show white. None when it cannot be made.
// With `half` (the map's pyramid level of half its size), a preview at exactly that scale is
// copied from it: the same pixels, made once.
ImagePtr renderPreview(gdImagePtr picture, int mapWidth, int mapHeight, int canvasWidth, int canvasHeight,
                       bool emptyAsWhite = false, const PictureLevel* half = nullptr);

// The two previews every run and every load makes, in memory: 400 x 145 and 960 x 737, kept in
// the map (none when there is no picture or they cannot be made).
void makePreviews(Map& g);

// The shell's side: the map's two previews to previewPath and previewPath2, empty pixels
// white when `emptyAsWhite` (Show Transparency). The first failure, if any.
Failure writePreviewFiles(const Map& g, bool emptyAsWhite);
// A preview file's contents: the picture as PNG (empty pixels white with `emptyAsWhite`);
// empty for no picture or when it cannot be encoded.
std::vector<unsigned char> encodePreviewFile(gdImagePtr preview, bool emptyAsWhite);
// Encoded preview files to previewPath and previewPath2 (an empty one is left out).
Failure writeEncodedPreviewFiles(const std::vector<unsigned char>& first, const std::vector<unsigned char>& second);
// One preview picture to `path` as the preview files are written (nothing for none).
Failure writePreviewFile(gdImagePtr preview, const std::filesystem::path& path, bool emptyAsWhite);

constexpr int PREVIEW_WIDTH = 400, PREVIEW_HEIGHT = 145;
constexpr int PREVIEW2_WIDTH = 960, PREVIEW2_HEIGHT = 737;

}  // namespace brambex
