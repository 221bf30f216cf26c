#include "map/Pyramid.h"

#include <algorithm>

namespace brambex {

PictureLevel levelOfPicture(gdImagePtr im) {
    PictureLevel level;
    if (!im || im->sx <= 0 || im->sy <= 0) return level;
    level.width = im->sx;
    level.height = im->sy;
    level.pixels.resize(static_cast<std::size_t>(im->sx) * im->sy);
    std::uint32_t palette[gdMaxColors] = {};
    if (!im->trueColor)
        for (int i = 0; i < gdMaxColors; ++i)
            palette[i] = 0xFF000000u | (static_cast<std::uint32_t>(im->red[i]) << 16) |
                         (static_cast<std::uint32_t>(im->green[i]) << 8) | static_cast<std::uint32_t>(im->blue[i]);
    for (int y = 0; y < im->sy; ++y) {
        std::uint32_t* out = level.row(y);
        if (im->trueColor) {
            const int* row = im->tpixels[y];
            for (int x = 0; x < im->sx; ++x) out[x] = 0xFF000000u | (static_cast<std::uint32_t>(row[x]) & 0xFFFFFFu);
        } else {
            const unsigned char* row = im->pixels[y];
            for (int x = 0; x < im->sx; ++x) out[x] = palette[row[x]];
        }
    }
    return level;
}

namespace {

// The mean of four pixels, each channel rounded as (sum + 2) / 4. The red and blue channels are
// summed together in one word (each sum fits its 10 bits), green alone: a loop the compiler
// vectorises.
inline std::uint32_t meanOfFour(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    const std::uint32_t rb = (a & 0xFF00FFu) + (b & 0xFF00FFu) + (c & 0xFF00FFu) + (d & 0xFF00FFu) + 0x020002u;
    const std::uint32_t g = (a & 0x00FF00u) + (b & 0x00FF00u) + (c & 0x00FF00u) + (d & 0x00FF00u) + 0x000200u;
    return 0xFF000000u | ((rb >> 2) & 0xFF00FFu) | ((g >> 2) & 0x00FF00u);
}

}  // namespace

PictureLevel halved(const PictureLevel& from) {
    PictureLevel to;
    to.width = std::max(1, from.width / 2);
    to.height = std::max(1, from.height / 2);
    to.pixels.resize(static_cast<std::size_t>(to.width) * to.height);
    // An odd last column or row, or a side of 1, takes the last one twice.
    const int pairs = std::min(to.width, from.width / 2);
    for (int y = 0; y < to.height; ++y) {
        const std::uint32_t* a = from.row(std::min(2 * y, from.height - 1));
        const std::uint32_t* b = from.row(std::min(2 * y + 1, from.height - 1));
        std::uint32_t* out = to.row(y);
        for (int x = 0; x < pairs; ++x) out[x] = meanOfFour(a[2 * x], a[2 * x + 1], b[2 * x], b[2 * x + 1]);
        for (int x = pairs; x < to.width; ++x) {
            const int x0 = std::min(2 * x, from.width - 1), x1 = std::min(2 * x + 1, from.width - 1);
            out[x] = meanOfFour(a[x0], a[x1], b[x0], b[x1]);
        }
    }
    return to;
}

std::shared_ptr<const Pyramid> pyramidOf(PictureLevel full) {
    auto pyramid = std::make_shared<Pyramid>();
    if (full.pixels.empty()) return pyramid;
    pyramid->levels.push_back(std::move(full));
    while (pyramid->levels.back().width > 256 || pyramid->levels.back().height > 256) {
        PictureLevel next = halved(pyramid->levels.back());
        if (next.width == pyramid->levels.back().width && next.height == pyramid->levels.back().height) break;
        pyramid->levels.push_back(std::move(next));
    }
    return pyramid;
}

std::shared_ptr<const Pyramid> pyramidOf(gdImagePtr picture) { return pyramidOf(levelOfPicture(picture)); }

}  // namespace brambex
