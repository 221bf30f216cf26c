#include "mapfile/PalettePng.h"

#include <zlib.h>

#include <algorithm>
#include <future>
#include <memory>
#include <new>
#include <system_error>

#include "map/PngReader.h"
#include "mapfile/PngChunks.h"

namespace brambex {

namespace {

// libpng's compression buffer: each full one becomes an IDAT chunk of its size.
constexpr std::size_t IDAT_SIZE = 8192;
// Up to this many bytes of rows libpng narrows zlib's window (and the stream's header says so).
constexpr std::size_t NARROWED_WINDOW_UP_TO = 16384;

// The checksum a zlib stream ends with, of the rows as libpng hands them to zlib: each row's
// filter byte (0: none, as libpng has it for palette pictures), then its pixels.
uLong rowsChecksum(gdImagePtr im) {
    const unsigned char none = 0;
    uLong sum = adler32(0L, Z_NULL, 0);
    for (int y = 0; y < im->sy; ++y) {
        sum = adler32(sum, &none, 1);
        sum = adler32(sum, im->pixels[y], static_cast<uInt>(im->sx));
    }
    return sum;
}

// The zlib stream of the rows as libpng makes it: header, the deflate data, checksum. The data
// is made by raw deflate with the same settings (zlib's default level, a 32 KB window, memory
// level 8, the default strategy), fed a row at a time as libpng feeds it; the wrapper adds
// nothing but the header before it and the checksum after it.
bool compressRows(gdImagePtr im, Bytes& stream) {
    std::future<uLong> checksum;
    try {
        checksum = std::async(std::launch::async, rowsChecksum, im);
    } catch (const std::system_error&) {
        checksum = std::async(std::launch::deferred, rowsChecksum, im);
    }
    const std::size_t rowBytes = static_cast<std::size_t>(im->sx) + 1;
    // Room for the whole stream (zlib's bound for its wrapped stream covers the raw data, the
    // header and the checksum), taken before zlib is: nothing of it is left behind on failure.
    // Not cleared: only the few pages the compressed rows fill are ever touched.
    const std::size_t room = compressBound(static_cast<uLong>(rowBytes * static_cast<std::size_t>(im->sy))) + 6;
    const std::unique_ptr<unsigned char[]> out(new unsigned char[room]);
    Bytes row(rowBytes, 0);
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        checksum.wait();
        return false;
    }
    // Level 6 with a 32 KB window: CMF 0x78, FLG 0x9C (the default level's flags and check bits).
    out[0] = 0x78;
    out[1] = 0x9C;
    z.next_out = out.get() + 2;
    z.avail_out = static_cast<uInt>(room - 6);
    bool ok = true;
    for (int y = 0; y < im->sy && ok; ++y) {
        std::copy(im->pixels[y], im->pixels[y] + im->sx, row.begin() + 1);
        z.next_in = row.data();
        z.avail_in = static_cast<uInt>(rowBytes);
        ok = deflate(&z, Z_NO_FLUSH) == Z_OK && z.avail_in == 0;
    }
    if (ok) ok = deflate(&z, Z_FINISH) == Z_STREAM_END;
    const std::size_t written = 2 + z.total_out;
    deflateEnd(&z);
    const uLong sum = checksum.get();
    if (!ok) return false;
    stream.assign(out.get(), out.get() + written);
    appendBigEndian32(stream, static_cast<std::uint32_t>(sum));
    return true;
}

// libgd's resolution in dots per inch as PNG's pixels per metre.
std::uint32_t perMetre(unsigned dotsPerInch) { return static_cast<std::uint32_t>(dotsPerInch / 0.0254 + 0.5); }

}  // namespace

bool writesPalettePngItself(gdImagePtr im) {
    if (!im || im->trueColor || im->interlace || im->transparent >= 0) return false;
    if (im->sx <= 0 || im->sy <= 0 || im->colorsTotal <= 16 || im->colorsTotal > gdMaxColors) return false;
    for (int i = 0; i < im->colorsTotal; ++i)
        if (im->open[i] || im->alpha[i] != gdAlphaOpaque) return false;
    const unsigned long long rows = (static_cast<unsigned long long>(im->sx) + 1) * static_cast<unsigned long long>(im->sy);
    // Large rows or many of them: libpng's own limits and zlib's 32-bit counts are far off.
    return rows > NARROWED_WINDOW_UP_TO && rows < (1ULL << 31);
}

Bytes encodePalettePng(gdImagePtr im) {
    if (!writesPalettePngItself(im)) return encodePng(im);
    Bytes stream;
    try {
        // Should zlib or memory fail here, libgd is given its chance, as for any other picture.
        if (!compressRows(im, stream)) return encodePng(im);
    } catch (const std::bad_alloc&) {
        return encodePng(im);
    }
    Bytes png(std::begin(PNG_SIGNATURE), std::end(PNG_SIGNATURE));
    png.reserve(stream.size() + stream.size() / IDAT_SIZE * 12 + 1024);
    auto append = [&png](const Bytes& chunk) { png.insert(png.end(), chunk.begin(), chunk.end()); };
    Bytes header;
    appendBigEndian32(header, static_cast<std::uint32_t>(im->sx));
    appendBigEndian32(header, static_cast<std::uint32_t>(im->sy));
    header.insert(header.end(), {8, 3, 0, 0, 0});  // 8 bits, palette, deflate, no filter, no interlace
    append(makeChunk("IHDR", header));
    Bytes palette;
    for (int i = 0; i < im->colorsTotal; ++i)
        palette.insert(palette.end(), {static_cast<unsigned char>(im->red[i]), static_cast<unsigned char>(im->green[i]),
                                       static_cast<unsigned char>(im->blue[i])});
    append(makeChunk("PLTE", palette));
    Bytes resolution;
    appendBigEndian32(resolution, perMetre(im->res_x));
    appendBigEndian32(resolution, perMetre(im->res_y));
    resolution.push_back(1);  // per metre
    append(makeChunk("pHYs", resolution));
    for (std::size_t at = 0; at < stream.size(); at += IDAT_SIZE)
        append(makeChunk("IDAT", Bytes(stream.begin() + static_cast<std::ptrdiff_t>(at),
                                       stream.begin() + static_cast<std::ptrdiff_t>(std::min(stream.size(), at + IDAT_SIZE)))));
    append(makeChunk("IEND", {}));
    return png;
}

}  // namespace brambex
