#include "map/PngReader.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "map/Files.h"

namespace brambex {

namespace {


// Deflate stores at most 258 bytes in two bits: no stream inflates more than 1032-fold.
constexpr std::uint64_t ZLIB_MAX_RATIO = 1032;
// Slack for the zlib header, the last block and tiny pictures.
constexpr std::uint64_t RATIO_SLACK = 65536;
// No ancillary chunk we or the game use needs more; text and profile chunks beyond it are not kept.
constexpr png_alloc_size_t CHUNK_MEMORY_LIMIT = 8 * 1024 * 1024;
// Far beyond any real file (a 1 GB map written in 8 KB IDAT chunks has 131,072 of them).
constexpr std::uint64_t MAX_CHUNKS = 4 * 1024 * 1024;

std::uint32_t be32(const unsigned char* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | std::uint32_t(p[3]);
}

bool letters(const unsigned char* type) {
    for (int i = 0; i < 4; ++i) {
        const unsigned char c = type[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    }
    return true;
}

// One chunk header at a time, from memory or from a file; the walk is the same.
class ChunkWalk {
public:
    // `header` holds the 8 bytes of the chunk's length and type at `offset`; `total` is the
    // size of the whole input. Returns false when the walk must stop with an error.
    bool step(const unsigned char header[8], std::uint64_t total, const unsigned char* ihdrData) {
        const std::uint32_t length = be32(header);
        const unsigned char* type = header + 4;
        if (length > 0x7FFFFFFFu || !letters(type)) return false;
        if (offset + 12 + std::uint64_t(length) > total) return false;
        if (++chunks > MAX_CHUNKS) return false;
        if (chunks == 1) {
            if (std::memcmp(type, "IHDR", 4) != 0 || length != 13 || !ihdrData) return false;
            const std::uint32_t w = be32(ihdrData), h = be32(ihdrData + 4);
            if (w == 0 || h == 0 || w > 0x7FFFFFFFu || h > 0x7FFFFFFFu) return false;
            layout.width = static_cast<int>(w);
            layout.height = static_cast<int>(h);
            layout.bitDepth = ihdrData[8];
            layout.colourType = ihdrData[9];
            layout.interlaced = ihdrData[12] != 0;
        }
        if (std::memcmp(type, "IDAT", 4) == 0) layout.imageDataBytes += length;
        offset += 12 + std::uint64_t(length);
        if (std::memcmp(type, "IEND", 4) == 0) {
            layout.fileBytes = offset;
            done = true;
        }
        return true;
    }

    std::uint64_t offset = 8;
    std::uint64_t chunks = 0;
    bool done = false;
    PngLayout layout;
};

// libpng reads from memory; running short is an error like any other.
struct MemorySource {
    const unsigned char* data;
    std::size_t size, at;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (source->size - source->at < count) png_error(png, "truncated");
    std::memcpy(out, source->data + source->at, count);
    source->at += count;
}

[[noreturn]] void failQuietly(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignoreWarning(png_structp, png_const_charp) {}

unsigned dotsPerInch(png_uint_32 perMetre) { return static_cast<unsigned>(perMetre * 0.0254 + 0.5); }

// The picture libgd's reader makes, field by field. Only plain locals here: libpng's errors
// jump back into this frame.
gdImagePtr decodeWith(png_structp png, png_infop info) {
    gdImagePtr volatile im = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        if (im) gdImageDestroy(im);
        return nullptr;
    }
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, &interlace, nullptr, nullptr);
    const bool trueColour = colourType == PNG_COLOR_TYPE_RGB || colourType == PNG_COLOR_TYPE_RGB_ALPHA ||
                            colourType == PNG_COLOR_TYPE_GRAY_ALPHA;
    im = trueColour ? gdImageCreateTrueColor(static_cast<int>(width), static_cast<int>(height))
                    : gdImageCreate(static_cast<int>(width), static_cast<int>(height));
    if (!im) return nullptr;
    gdImagePtr picture = im;

    if (bitDepth == 16) png_set_strip_16(png);
    else if (bitDepth < 8) png_set_packing(png);

    png_uint_32 resX = 0, resY = 0;
    int unit = 0;
    if (png_get_valid(png, info, PNG_INFO_pHYs) && png_get_pHYs(png, info, &resX, &resY, &unit) &&
        unit == PNG_RESOLUTION_METER) {
        picture->res_x = dotsPerInch(resX);
        picture->res_y = dotsPerInch(resY);
    }

    int transparent = -1;
    int paletteSize = 0;
    switch (colourType) {
    case PNG_COLOR_TYPE_PALETTE: {
        png_colorp palette = nullptr;
        png_get_PLTE(png, info, &palette, &paletteSize);
        for (int i = 0; i < paletteSize; ++i) {
            picture->red[i] = palette[i].red;
            picture->green[i] = palette[i].green;
            picture->blue[i] = palette[i].blue;
        }
        if (png_get_valid(png, info, PNG_INFO_tRNS)) {
            // The first fully transparent entry is the picture's transparent colour.
            png_bytep trans = nullptr;
            int count = 0;
            png_get_tRNS(png, info, &trans, &count, nullptr);
            for (int i = 0; i < count; ++i) {
                picture->alpha[i] = gdAlphaMax - (trans[i] >> 1);
                if (trans[i] == 0 && transparent < 0) transparent = i;
            }
        }
        break;
    }
    case PNG_COLOR_TYPE_GRAY: {
        // A grey ramp as the palette; a grey tRNS names the transparent entry.
        paletteSize = bitDepth < 8 ? 1 << bitDepth : 256;
        for (int i = 0; i < paletteSize; ++i) {
            const int shade = bitDepth < 8 ? 255 * i / (paletteSize - 1) : i;
            picture->red[i] = picture->green[i] = picture->blue[i] = shade;
        }
        if (png_get_valid(png, info, PNG_INFO_tRNS)) {
            png_color_16p grey = nullptr;
            png_get_tRNS(png, info, nullptr, nullptr, &grey);
            transparent = bitDepth == 16 ? grey->gray >> 8 : grey->gray;
        }
        break;
    }
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        png_set_gray_to_rgb(png);
        break;
    case PNG_COLOR_TYPE_RGB:
    case PNG_COLOR_TYPE_RGB_ALPHA:
        if (png_get_valid(png, info, PNG_INFO_tRNS)) {
            png_color_16p colour = nullptr;
            png_get_tRNS(png, info, nullptr, nullptr, &colour);
            transparent = bitDepth == 16 ? gdTrueColor(colour->red >> 8, colour->green >> 8, colour->blue >> 8)
                                         : gdTrueColor(colour->red, colour->green, colour->blue);
        }
        break;
    default:
        gdImageDestroy(picture);
        im = nullptr;
        return nullptr;
    }
    // True-colour rows arrive as four bytes a pixel, in the picture's own rows, and are packed in
    // place afterwards (interlaced pictures fill each row over several passes).
    if (colourType == PNG_COLOR_TYPE_RGB) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_size_t rowBytes = png_get_rowbytes(png, info);
    const png_size_t expected = static_cast<png_size_t>(width) * (trueColour ? 4 : 1);
    if (rowBytes != expected) {
        gdImageDestroy(picture);
        im = nullptr;
        return nullptr;
    }
    png_bytepp rows = trueColour ? reinterpret_cast<png_bytepp>(picture->tpixels) : picture->pixels;
    png_read_image(png, rows);
    png_read_end(png, nullptr);

    if (trueColour) {
        const bool alpha = colourType != PNG_COLOR_TYPE_RGB;
        for (png_uint_32 y = 0; y < height; ++y) {
            int* row = picture->tpixels[y];
            const unsigned char* bytes = reinterpret_cast<const unsigned char*>(row);
            for (png_uint_32 x = 0; x < width; ++x) {
                const unsigned char* p = bytes + 4 * x;
                const int r = p[0], g = p[1], b = p[2];
                row[x] = alpha ? gdTrueColorAlpha(r, g, b, gdAlphaMax - (p[3] >> 1)) : gdTrueColor(r, g, b);
            }
        }
    } else {
        picture->colorsTotal = paletteSize;
        for (int i = 0; i < gdMaxColors; ++i) picture->open[i] = 1;
        for (png_uint_32 y = 0; y < height; ++y) {
            const unsigned char* row = picture->pixels[y];
            for (png_uint_32 x = 0; x < width; ++x) picture->open[row[x]] = 0;
        }
    }
    picture->transparent = transparent;
    picture->interlace = interlace == PNG_INTERLACE_ADAM7;
    return picture;
}

}  // namespace

std::uint64_t rawImageBytes(const PngLayout& layout) {
    int channels = 1;
    switch (layout.colourType) {
    case 2: channels = 3; break;
    case 4: channels = 2; break;
    case 6: channels = 4; break;
    default: channels = 1;
    }
    const std::uint64_t bits = std::uint64_t(layout.width) * std::uint64_t(channels) * std::uint64_t(layout.bitDepth);
    return std::uint64_t(layout.height) * ((bits + 7) / 8 + 1);
}

std::optional<PngLayout> scanPng(const unsigned char* data, std::size_t size) {
    if (size < 8 || std::memcmp(data, PNG_SIGNATURE, 8) != 0) return std::nullopt;
    ChunkWalk walk;
    while (!walk.done) {
        if (walk.offset + 8 > size) return std::nullopt;
        const unsigned char* header = data + walk.offset;
        const unsigned char* ihdr = walk.offset + 8 + 13 <= size ? header + 8 : nullptr;
        if (!walk.step(header, size, ihdr)) return std::nullopt;
    }
    return walk.layout;
}

bool plausiblePng(const PngLayout& layout, int maxWidth, int maxHeight) {
    if (layout.width > maxWidth || layout.height > maxHeight) return false;
    return layout.imageDataBytes * ZLIB_MAX_RATIO + RATIO_SLACK >= rawImageBytes(layout);
}

namespace {

// The chunk list of an open PNG file, walked by seeking over the chunk data.
std::optional<PngLayout> walkFile(std::FILE* f, std::uintmax_t total) {
    unsigned char start[8 + 8 + 13];
    if (std::fread(start, 1, sizeof start, f) != sizeof start || std::memcmp(start, PNG_SIGNATURE, 8) != 0) return std::nullopt;
    ChunkWalk walk;
    if (!walk.step(start + 8, total, start + 16)) return std::nullopt;
    while (!walk.done) {
        unsigned char header[8];
        if (fseeko(f, static_cast<off_t>(walk.offset), SEEK_SET) != 0 || std::fread(header, 1, 8, f) != 8) return std::nullopt;
        if (!walk.step(header, total, nullptr)) return std::nullopt;
    }
    return walk.layout;
}

}  // namespace

std::optional<PngLayout> scanPngFile(const std::filesystem::path& path) {
    std::FILE* f = openForReading(path);
    if (!f) return std::nullopt;
    std::error_code ec;
    const std::uintmax_t total = std::filesystem::file_size(path, ec);
    std::optional<PngLayout> layout = ec ? std::nullopt : walkFile(f, total);
    std::fclose(f);
    return layout;
}

bool readPngFile(const std::filesystem::path& path, std::vector<unsigned char>& bytes, int maxWidth, int maxHeight) {
    bytes.clear();
    std::FILE* f = openForReading(path);
    if (!f) return false;
    struct Closer {
        std::FILE* f;
        ~Closer() { std::fclose(f); }
    } closer{f};
    std::error_code ec;
    const std::uintmax_t total = std::filesystem::file_size(path, ec);
    if (ec) return false;
    const std::optional<PngLayout> layout = walkFile(f, total);
    if (!layout || !plausiblePng(*layout, maxWidth, maxHeight)) return false;

    bytes.resize(layout->fileBytes);
    if (fseeko(f, 0, SEEK_SET) != 0 || std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        bytes.clear();
        return false;
    }
    return true;
}

ImagePtr decodePngPicture(const unsigned char* data, std::size_t size, int maxWidth, int maxHeight) {
    prepareLibraries();
    const std::optional<PngLayout> layout = scanPng(data, size);
    if (!layout || !plausiblePng(*layout, maxWidth, maxHeight)) return nullptr;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failQuietly, ignoreWarning);
    if (!png) return nullptr;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return nullptr;
    }
    png_set_user_limits(png, static_cast<png_uint_32>(maxWidth), static_cast<png_uint_32>(maxHeight));
    png_set_chunk_malloc_max(png, CHUNK_MEMORY_LIMIT);
    MemorySource source{data, static_cast<std::size_t>(layout->fileBytes), 0};
    png_set_read_fn(png, &source, readFromMemory);
    gdImagePtr im = decodeWith(png, info);
    png_destroy_read_struct(&png, &info, nullptr);
    return ImagePtr(im);
}

}  // namespace brambex
