#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "map/GdImage.h"

namespace brambex {

// The eight bytes every PNG file starts with.
constexpr unsigned char PNG_SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// What a PNG's chunk list says, found without decoding anything.
struct PngLayout {
    int width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
    bool interlaced = false;
    std::uint64_t imageDataBytes = 0;  // sum of the IDAT lengths
    std::uint64_t fileBytes = 0;       // up to and with IEND; anything after it is ignored
};

// The bytes of the picture once inflated and unfiltered (without interlacing), a lower bound of
// what its image data must inflate to.
std::uint64_t rawImageBytes(const PngLayout& layout);

// Walks the chunks of a PNG held in memory: the signature, IHDR first, every chunk's length
// inside the bytes, chunk names made of letters, up to IEND. None when any of it fails.
std::optional<PngLayout> scanPng(const unsigned char* data, std::size_t size);

// Whether a picture of this layout can be decoded at all within the size limits: the image data
// cannot be smaller than the picture divided by zlib's largest ratio (1032 : 1), so a small file
// that claims a huge picture is refused before anything is allocated.
bool plausiblePng(const PngLayout& layout, int maxWidth, int maxHeight);

// The chunk list of a PNG file, read by seeking over the chunk data (the file is never read
// whole); none when it is no PNG or is damaged.
std::optional<PngLayout> scanPngFile(const std::filesystem::path& path);

// Reads a PNG file up to its IEND after checking its chunk list from the file (seeking over the
// chunk data) and its plausibility: a file that is not a PNG, is damaged, or claims more than
// the limits is never read whole.
bool readPngFile(const std::filesystem::path& path, std::vector<unsigned char>& bytes, int maxWidth = MAX_PICTURE_WIDTH,
                 int maxHeight = MAX_PICTURE_HEIGHT);

// Decodes with libpng straight into a libgd picture, giving exactly the picture libgd's own PNG
// reader gives (palette, transparency, alpha, interlacing, 16-bit and grey pictures), with no size
// limit of its own beyond the ones given: rows are decoded in place, so any picture libgd can
// hold can be read. Warnings are quiet; errors give none.
ImagePtr decodePngPicture(const unsigned char* data, std::size_t size, int maxWidth, int maxHeight);

}  // namespace brambex
