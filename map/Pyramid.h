#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "map/GdImage.h"

namespace brambex {

// One level of a picture pyramid: 0xFFRRGGBB pixels, row after row.
struct PictureLevel {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    const std::uint32_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
    std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
};

// A map picture at full resolution and halved again and again, down to a level no side of which
// is over 256 pixels: what a view of the map draws from at any zoom, each level read at most
// at twice its size.
struct Pyramid {
    std::vector<PictureLevel> levels;  // [0] full resolution
};

// The full-resolution level of a picture (palette pictures through their palette); empty for none.
PictureLevel levelOfPicture(gdImagePtr picture);
// Half the size (rounded down, at least 1), each pixel the rounded mean of the 2 x 2 block it covers.
PictureLevel halved(const PictureLevel& from);
// The pyramid of a picture's full-resolution level.
std::shared_ptr<const Pyramid> pyramidOf(PictureLevel full);
std::shared_ptr<const Pyramid> pyramidOf(gdImagePtr picture);

}  // namespace brambex
