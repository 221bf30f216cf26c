#pragma once

#include <gd.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <vector>

namespace brambex {

struct ImageDeleter {
    void operator()(gdImagePtr im) const noexcept {
        if (im) gdImageDestroy(im);
    }
};
using ImagePtr = std::unique_ptr<gdImage, ImageDeleter>;

// The largest map the program can make; bigger pictures from files are refused before decoding.
constexpr int MAX_PICTURE_WIDTH = 32760;
constexpr int MAX_PICTURE_HEIGHT = 32600;

// Silences libgd's notices (NeuQuant prints two per call) and lets the allocator keep freed
// picture memory for the next picture instead of handing it back at once: a run makes and drops
// several map-sized pictures, and fresh memory costs a page fault per 4 KB. Idempotent and
// thread-safe; every entry point that touches libgd calls it, and main calls it before any
// thread starts.
void prepareLibraries();

// A new all-black true-colour picture; throws WinException "Out of memory" when it cannot be made.
ImagePtr createTrueColour(int width, int height);

// Same, but returns none instead of throwing (for steps the run may skip).
ImagePtr tryCreateTrueColour(int width, int height);

// Reads the width and height from a PNG header; false when the bytes are not a PNG.
bool pngHeaderSize(const unsigned char* data, std::size_t size, int& width, int& height);

// Artwork is read with a limit that fits what it is for, a few times its designed size: a file
// over its limit counts as missing, so a damaged or hostile file cannot ask for gigabytes.
// Theme textures (soil, grass, roots; designed 64 to 256 pixels).
constexpr int MAX_ART_SIZE = 2048;

// Decodes a PNG held in memory. None when it is not a PNG, is damaged, or is larger than the
// limits (checked from the header before decoding, so a small file cannot ask for gigabytes).
ImagePtr decodePng(const std::vector<unsigned char>& bytes, int maxWidth = MAX_PICTURE_WIDTH,
                   int maxHeight = MAX_PICTURE_HEIGHT);

// Reads and decodes a PNG file; none when it is missing or unreadable as above. On a thread
// running with an artwork cache (map/ArtworkCache.h) the cache answers.
ImagePtr loadPng(const std::filesystem::path& path, int maxWidth = MAX_PICTURE_WIDTH,
                 int maxHeight = MAX_PICTURE_HEIGHT);
// The same, always from the file.
ImagePtr loadPngFile(const std::filesystem::path& path, int maxWidth, int maxHeight);

// A theme texture (soil, grass, roots), at most MAX_ART_SIZE each way.
inline ImagePtr loadArt(const std::filesystem::path& path) { return loadPng(path, MAX_ART_SIZE, MAX_ART_SIZE); }

// Theme objects and shop pictures are many and each is held twice (with its mirror).
constexpr int MAX_OBJECT_SIZE = 1024;
inline ImagePtr loadObjectArt(const std::filesystem::path& path) {
    return loadPng(path, MAX_OBJECT_SIZE, MAX_OBJECT_SIZE);
}

// Tiles, fort pieces and bricks, brushes and banners (designed 140 to 320 pixels).
constexpr int MAX_TILE_SIZE = 1024;
inline ImagePtr loadTileArt(const std::filesystem::path& path) { return loadPng(path, MAX_TILE_SIZE, MAX_TILE_SIZE); }

// Stamps, nodes, pads, grass pieces and style pictures (designed 7 to 30 pixels).
constexpr int MAX_SMALL_ART_SIZE = 256;
inline ImagePtr loadSmallArt(const std::filesystem::path& path) {
    return loadPng(path, MAX_SMALL_ART_SIZE, MAX_SMALL_ART_SIZE);
}

// Encodes a picture as PNG bytes at the given zlib level (-1 = libgd's default).
std::vector<unsigned char> encodePng(gdImagePtr im, int level = -1);

// A true-colour picture as an 8-bit RGB PNG with no row filtering (libgd gives libpng no filter
// choice, and adaptive filtering costs several times the compression for pictures that are
// read back once): what the previews are written with. Empty when it cannot be encoded.
std::vector<unsigned char> encodePngUnfiltered(gdImagePtr trueColour, int level);

// gdImageCopy(dst, src, x, y, 0, 0, src width, src height) for a true-colour destination, done on
// rows: the source's transparent colour is skipped, and the destination's alpha blending flag
// decides between blending and replacing, exactly as libgd's per-pixel copy does.
void copyPicture(gdImagePtr dst, gdImagePtr src, int dstX, int dstY);
// The same for the top-left w x h of `src` (gdImageCopy(dst, src, x, y, 0, 0, w, h)).
void copyPicturePart(gdImagePtr dst, gdImagePtr src, int dstX, int dstY, int w, int h);

// gdImageFilledRectangle(im, x1, y1, x2, y2, colour), a row at a time where the result is a plain
// fill (a true-colour picture, and an opaque colour or no blending): libgd's goes pixel by pixel,
// column after column. Corners in any order; clipped to the picture and its clip rectangle.
void fillRectangle(gdImagePtr im, int x1, int y1, int x2, int y2, int colour);

// gdImageFilledPolygon(im, points, n, colour) for a true-colour picture and an opaque colour,
// done with row fills: the same scanlines, crossings and rounding as libgd's, without a call a
// pixel. Anything else is left to libgd.
void fillPolygon(gdImagePtr im, const gdPoint* points, int n, int colour);

// gdImageCopy of mirroredCopy(src) (its left-right mirror, with no transparent colour) at
// (dstX, dstY), without making the mirror.
void copyPictureMirrored(gdImagePtr dst, gdImagePtr src, int dstX, int dstY);

// A true-colour copy of a picture of either kind, pixel for pixel, without a transparent colour
// (palette artwork cannot safely take one); none when it cannot be made.
ImagePtr trueColourCopy(gdImagePtr picture);

// A true-colour copy stretched (or shrunk) to w x h by nearest neighbour; the source's transparent
// colour stays transparent. None when it cannot be made.
ImagePtr stretchedCopy(gdImagePtr src, int w, int h);

// A true-colour copy (as trueColourCopy) flipped left to right; none when it cannot be made.
ImagePtr mirroredCopy(gdImagePtr picture);

// The true-colour value libgd would read from a pixel of either kind of picture.
int trueColourAt(gdImagePtr im, int x, int y);

// Packs an opaque colour the way libgd stores true-colour pixels.
constexpr int packColour(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

}  // namespace brambex
