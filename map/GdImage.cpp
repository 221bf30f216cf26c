#include "map/GdImage.h"

#include "map/ArtworkCache.h"

#include <png.h>
#include <csetjmp>

#include <malloc.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>

#include "map/Files.h"
#include "map/PngReader.h"
#include "map/WinException.h"

namespace brambex {

namespace {
void silentErrorMethod(int, const char*, va_list) {}
}  // namespace

void throwOutOfMemory() { throw WinException(ENOMEM, "Out of memory"); }

void prepareLibraries() {
    static const bool installed = [] {
        gdSetErrorMethod(silentErrorMethod);
        // Picture rows (up to 128 KB) come from the heap; keep up to 1 GB of it when freed.
        mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
        return true;
    }();
    (void)installed;
}

ImagePtr tryCreateTrueColour(int width, int height) {
    prepareLibraries();
    if (width <= 0 || height <= 0) return nullptr;
    return ImagePtr(gdImageCreateTrueColor(width, height));
}

ImagePtr createTrueColour(int width, int height) {
    ImagePtr im = tryCreateTrueColour(width, height);
    if (!im) throwOutOfMemory();
    return im;
}

bool pngHeaderSize(const unsigned char* data, std::size_t size, int& width, int& height) {
    // signature, IHDR length and type, then width and height
    if (size < 24) return false;
    for (int i = 0; i < 8; ++i)
        if (data[i] != PNG_SIGNATURE[i]) return false;
    if (data[12] != 'I' || data[13] != 'H' || data[14] != 'D' || data[15] != 'R') return false;
    auto be32 = [&](std::size_t at) {
        return (std::uint32_t(data[at]) << 24) | (std::uint32_t(data[at + 1]) << 16) |
               (std::uint32_t(data[at + 2]) << 8) | std::uint32_t(data[at + 3]);
    };
    const std::uint32_t w = be32(16), h = be32(20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

ImagePtr decodePng(const std::vector<unsigned char>& bytes, int maxWidth, int maxHeight) {
    return decodePngPicture(bytes.data(), bytes.size(), maxWidth, maxHeight);
}

ImagePtr loadPng(const std::filesystem::path& path, int maxWidth, int maxHeight) {
    ArtworkCache* cache = currentArtworkCache();
    ImagePtr picture = cache ? cache->load(path, maxWidth, maxHeight) : loadPngFile(path, maxWidth, maxHeight);
    if (!picture) noteIfRefusedForSize(path, maxWidth, maxHeight);
    return picture;
}

ImagePtr loadPngFile(const std::filesystem::path& path, int maxWidth, int maxHeight) {
    std::vector<unsigned char> bytes;
    if (!readPngFile(path, bytes, maxWidth, maxHeight)) return nullptr;
    return decodePng(bytes, maxWidth, maxHeight);
}

std::vector<unsigned char> encodePng(gdImagePtr im, int level) {
    prepareLibraries();
    int size = 0;
    void* data = gdImagePngPtrEx(im, &size, level);
    if (!data) return {};
    std::vector<unsigned char> bytes(static_cast<unsigned char*>(data),
                                     static_cast<unsigned char*>(data) + size);
    gdFree(data);
    return bytes;
}

namespace {

void appendToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

}  // namespace

std::vector<unsigned char> encodePngUnfiltered(gdImagePtr im, int level) {
    std::vector<unsigned char> out;
    if (!im || !im->trueColor || im->sx <= 0 || im->sy <= 0) return out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return out;
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> row(static_cast<std::size_t>(im->sx) * 3);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return {};
    }
    png_set_write_fn(png, &out, appendToVector, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(im->sx), static_cast<png_uint_32>(im->sy), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, level);
    png_write_info(png, info);
    for (int y = 0; y < im->sy; ++y) {
        const int* px = im->tpixels[y];
        for (int x = 0; x < im->sx; ++x) {
            row[static_cast<std::size_t>(x) * 3] = static_cast<png_byte>((px[x] >> 16) & 0xFF);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<png_byte>((px[x] >> 8) & 0xFF);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<png_byte>(px[x] & 0xFF);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

ImagePtr stretchedCopy(gdImagePtr src, int w, int h) {
    if (!src || w <= 0 || h <= 0) return nullptr;
    ImagePtr out = tryCreateTrueColour(w, h);
    if (!out) return nullptr;
    gdImageAlphaBlending(out.get(), 0);
    // gdImageCopyResized(out, src, 0, 0, 0, 0, w, h, sx, sy) onto a picture filled with the
    // source's transparent colour, a row at a time: source column x fills stx[x] destination
    // columns and source row y fills sty[y] destination rows (libgd's stretch vectors). libgd
    // skips the transparent pixels, which leaves each with the fill: the very colour copying it
    // gives. So every pixel is copied, and the fill is not needed.
    auto colourOf = [src](int index) {
        return gdTrueColorAlpha(src->red[index], src->green[index], src->blue[index], src->alpha[index]);
    };
    const int t = src->transparent;
    if (t >= 0) out->transparent = src->trueColor ? t : colourOf(t);
    auto stretch = [](int to, int from, int i) { return to * (i + 1) / from - to * i / from; };
    // Each destination column's source column.
    std::vector<int> fromColumn(static_cast<std::size_t>(w));
    for (int x = 0, tox = 0; x < src->sx && tox < w; ++x)
        for (int n = stretch(w, src->sx, x); n > 0 && tox < w; --n) fromColumn[static_cast<std::size_t>(tox++)] = x;
    int palette[gdMaxColors];
    if (!src->trueColor)
        for (int i = 0; i < gdMaxColors; ++i) palette[i] = colourOf(i);
    int toy = 0;
    for (int y = 0; y < src->sy && toy < h; ++y) {
        const int rows = stretch(h, src->sy, y);
        if (rows == 0) continue;
        int* row = out->tpixels[toy];
        if (src->trueColor) {
            const int* from = src->tpixels[y];
            if (w == src->sx) std::copy(from, from + w, row);
            else
                for (int x = 0; x < w; ++x) row[x] = from[fromColumn[static_cast<std::size_t>(x)]];
        } else {
            const unsigned char* from = src->pixels[y];
            for (int x = 0; x < w; ++x) row[x] = palette[from[fromColumn[static_cast<std::size_t>(x)]]];
        }
        // Every destination row a source row fills is the same.
        for (int k = 1; k < rows && toy + k < h; ++k) std::copy(row, row + w, out->tpixels[toy + k]);
        toy += rows;
    }
    return out;
}

ImagePtr mirroredCopy(gdImagePtr picture) {
    ImagePtr copy = trueColourCopy(picture);
    if (copy)
        for (int y = 0; y < copy->sy; ++y) std::reverse(copy->tpixels[y], copy->tpixels[y] + copy->sx);
    return copy;
}

ImagePtr trueColourCopy(gdImagePtr picture) {
    if (!picture) return nullptr;
    ImagePtr copy = tryCreateTrueColour(picture->sx, picture->sy);
    if (!copy) return nullptr;
    for (int y = 0; y < picture->sy; ++y) {
        int* out = copy->tpixels[y];
        for (int x = 0; x < picture->sx; ++x) out[x] = trueColourAt(picture, x, y);
    }
    return copy;
}

int trueColourAt(gdImagePtr im, int x, int y) {
    if (im->trueColor) return im->tpixels[y][x];
    const int c = im->pixels[y][x];
    return gdTrueColorAlpha(im->red[c], im->green[c], im->blue[c], im->alpha[c]);
}

void fillPolygon(gdImagePtr im, const gdPoint* p, int n, int colour) {
    if (n <= 0) return;
    if (!im->trueColor || colour < 0 || (im->alphaBlendingFlag && gdTrueColorGetAlpha(colour) != gdAlphaOpaque) || im->thick != 1) {
        gdImageFilledPolygon(im, const_cast<gdPoint*>(p), n, colour);
        return;
    }
    int miny = p[0].y, maxy = p[0].y;
    for (int i = 1; i < n; ++i) miny = std::min(miny, p[i].y), maxy = std::max(maxy, p[i].y);
    // A polygon of one row is drawn as one line from its leftmost to its rightmost point (the
    // scan below never meets it).
    auto span = [&](int y, int a, int b) {
        if (y < im->cy1 || y > im->cy2) return;
        if (a > b) std::swap(a, b);
        a = std::max(a, im->cx1);
        b = std::min(b, im->cx2);
        if (a <= b) std::fill(im->tpixels[y] + a, im->tpixels[y] + b + 1, colour);
    };
    if (n > 1 && miny == maxy) {
        int x1 = p[0].x, x2 = p[0].x;
        for (int i = 1; i < n; ++i) {
            if (p[i].x < x1) x1 = p[i].x;
            else if (p[i].x > x2) x2 = p[i].x;
        }
        span(miny, x1, x2);
        return;
    }
    const int pmaxy = maxy;
    miny = std::max(miny, im->cy1);
    maxy = std::min(maxy, im->cy2);
    std::vector<int> ints(static_cast<std::size_t>(n));
    for (int y = miny; y <= maxy; ++y) {
        int count = 0;
        for (int i = 0; i < n; ++i) {
            const int ind1 = i ? i - 1 : n - 1, ind2 = i;
            int y1 = p[ind1].y, y2 = p[ind2].y, x1, x2;
            if (y1 < y2) {
                x1 = p[ind1].x;
                x2 = p[ind2].x;
            } else if (y1 > y2) {
                y2 = p[ind1].y;
                y1 = p[ind2].y;
                x2 = p[ind1].x;
                x1 = p[ind2].x;
            } else {
                continue;
            }
            // The crossing as libgd computes it: a float quotient, then + 0.5 + x1 in double.
            if (y >= y1 && y < y2)
                ints[static_cast<std::size_t>(count++)] =
                    static_cast<int>(static_cast<float>((y - y1) * (x2 - x1)) / static_cast<float>(y2 - y1) + 0.5 + x1);
            else if (y == pmaxy && y == y2)
                ints[static_cast<std::size_t>(count++)] = x2;
        }
        std::sort(ints.begin(), ints.begin() + count);
        for (int i = 0; i + 1 < count; i += 2) span(y, ints[static_cast<std::size_t>(i)], ints[static_cast<std::size_t>(i) + 1]);
    }
}

void fillRectangle(gdImagePtr im, int x1, int y1, int x2, int y2, int colour) {
    // Replacing, or blending an opaque colour (which gives the colour), is a plain fill; other
    // effects are left to libgd.
    const bool blends = im->alphaBlendingFlag == gdEffectAlphaBlend || im->alphaBlendingFlag == gdEffectNormal;
    const bool plain = im->alphaBlendingFlag == gdEffectReplace || (blends && gdTrueColorGetAlpha(colour) == gdAlphaOpaque);
    if (!im->trueColor || colour < 0 || !plain) {
        gdImageFilledRectangle(im, x1, y1, x2, y2, colour);
        return;
    }
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    // Inside the picture, then inside the clip rectangle (where libgd sets a pixel at all).
    x1 = std::max({x1, 0, im->cx1});
    y1 = std::max({y1, 0, im->cy1});
    x2 = std::min({x2, im->sx - 1, im->cx2});
    y2 = std::min({y2, im->sy - 1, im->cy2});
    if (x1 > x2) return;  // wholly outside (no row is then touched either)
    for (int y = y1; y <= y2; ++y) std::fill(im->tpixels[y] + x1, im->tpixels[y] + x2 + 1, colour);
}

void copyPicture(gdImagePtr dst, gdImagePtr src, int dstX, int dstY) { copyPicturePart(dst, src, dstX, dstY, src->sx, src->sy); }

void copyPicturePart(gdImagePtr dst, gdImagePtr src, int dstX, int dstY, int w, int h) {
    // Past the source's edge libgd reads colour 0; that case (and a palette destination) is left
    // to libgd itself.
    if (!dst->trueColor || w > src->sx || h > src->sy) {
        gdImageCopy(dst, src, dstX, dstY, 0, 0, w, h);
        return;
    }
    const int x0 = std::max(0, -dstX), x1 = std::min(w, dst->sx - dstX);
    const int y0 = std::max(0, -dstY), y1 = std::min(h, dst->sy - dstY);
    const bool blend = dst->alphaBlendingFlag != 0;
    const int transparent = src->transparent;
    for (int y = y0; y < y1; ++y) {
        int* out = dst->tpixels[dstY + y] + dstX;
        if (src->trueColor) {
            const int* in = src->tpixels[y];
            // Most rows are opaque: they are copied with a select the compiler vectorises.
            int alphaSeen = 0;
            if (blend)
                for (int x = x0; x < x1; ++x) alphaSeen |= in[x] & 0x7F000000;
            if (alphaSeen == 0) {
                for (int x = x0; x < x1; ++x) out[x] = in[x] == transparent ? out[x] : in[x];
                continue;
            }
            for (int x = x0; x < x1; ++x) {
                const int c = in[x];
                if (c == transparent) continue;
                out[x] = (!blend || gdTrueColorGetAlpha(c) == gdAlphaOpaque) ? c : gdAlphaBlend(out[x], c);
            }
        } else {
            const unsigned char* in = src->pixels[y];
            for (int x = x0; x < x1; ++x) {
                const int index = in[x];
                if (index == transparent) continue;
                const int c = gdTrueColorAlpha(src->red[index], src->green[index], src->blue[index],
                                               src->alpha[index]);
                out[x] = (!blend || gdTrueColorGetAlpha(c) == gdAlphaOpaque) ? c : gdAlphaBlend(out[x], c);
            }
        }
    }
}

void copyPictureMirrored(gdImagePtr dst, gdImagePtr src, int dstX, int dstY) {
    if (!dst->trueColor || !src->trueColor) {
        if (ImagePtr mirror = mirroredCopy(src)) gdImageCopy(dst, mirror.get(), dstX, dstY, 0, 0, src->sx, src->sy);
        return;
    }
    const bool blend = dst->alphaBlendingFlag != 0;
    for (int y = std::max(0, -dstY); y < std::min(src->sy, dst->sy - dstY); ++y) {
        const int* in = src->tpixels[y];
        int* out = dst->tpixels[dstY + y] + dstX;
        // Destination column x shows source column sx - 1 - x.
        for (int x = std::max(0, -dstX); x < std::min(src->sx, dst->sx - dstX); ++x) {
            const int c = in[src->sx - 1 - x];
            out[x] = (!blend || gdTrueColorGetAlpha(c) == gdAlphaOpaque) ? c : gdAlphaBlend(out[x], c);
        }
    }
}

}  // namespace brambex
