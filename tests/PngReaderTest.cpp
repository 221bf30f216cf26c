#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "map/Files.h"
#include "map/GdImage.h"
#include "map/PngReader.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapInfo.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

void appendToBytes(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}

// A PNG written by libpng itself, with every pixel byte drawn from a fixed sequence.
struct PngSpec {
    int width = 37, height = 23, colourType = PNG_COLOR_TYPE_RGB, bitDepth = 8;
    bool interlaced = false, transparency = false;
    int paletteSize = 16;
};

Bytes writeSpec(const PngSpec& s, unsigned seed) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, appendToBytes, nullptr);
    png_set_IHDR(png, info, s.width, s.height, s.bitDepth, s.colourType,
                 s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    unsigned state = seed * 2654435761u + 1;
    auto next = [&] { return (state = state * 1103515245u + 12345u) >> 16; };
    std::vector<png_color> palette(s.paletteSize);
    std::vector<png_byte> alpha(s.paletteSize);
    if (s.colourType == PNG_COLOR_TYPE_PALETTE) {
        for (auto& c : palette) c = {png_byte(next()), png_byte(next()), png_byte(next())};
        png_set_PLTE(png, info, palette.data(), s.paletteSize);
    }
    png_color_16 key{};
    if (s.transparency) {
        if (s.colourType == PNG_COLOR_TYPE_PALETTE) {
            for (int i = 0; i < s.paletteSize; ++i) alpha[i] = png_byte(i % 3 == 1 ? 0 : next());
            png_set_tRNS(png, info, alpha.data(), s.paletteSize / 2, nullptr);
        } else {
            const int max = (1 << s.bitDepth) - 1;
            key.gray = png_uint_16(next() & max);
            key.red = png_uint_16(next() & max);
            key.green = png_uint_16(next() & max);
            key.blue = png_uint_16(next() & max);
            png_set_tRNS(png, info, nullptr, 0, &key);
        }
    }
    png_write_info(png, info);
    const png_size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<png_byte> image(rowBytes * s.height);
    for (auto& b : image) b = png_byte(next());
    if (s.colourType == PNG_COLOR_TYPE_PALETTE && s.bitDepth == 8)
        for (auto& b : image) b = png_byte(b % s.paletteSize);
    std::vector<png_bytep> rows(s.height);
    for (int y = 0; y < s.height; ++y) rows[y] = image.data() + y * rowBytes;
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

ImagePtr libgdReads(const Bytes& bytes) {
    return ImagePtr(gdImageCreateFromPngPtr(static_cast<int>(bytes.size()), const_cast<unsigned char*>(bytes.data())));
}

// Everything of a picture a caller can see.
void expectSamePicture(gdImagePtr ours, gdImagePtr theirs, const std::string& what) {
    ASSERT_EQ(ours == nullptr, theirs == nullptr) << what;
    if (!ours) return;
    ASSERT_EQ(ours->trueColor, theirs->trueColor) << what;
    ASSERT_EQ(ours->sx, theirs->sx) << what;
    ASSERT_EQ(ours->sy, theirs->sy) << what;
    EXPECT_EQ(ours->transparent, theirs->transparent) << what;
    EXPECT_EQ(ours->interlace, theirs->interlace) << what;
    EXPECT_EQ(ours->res_x, theirs->res_x) << what;
    if (!ours->trueColor) {
        ASSERT_EQ(ours->colorsTotal, theirs->colorsTotal) << what;
        for (int i = 0; i < gdMaxColors; ++i) {
            ASSERT_EQ(ours->open[i], theirs->open[i]) << what << " entry " << i;
            if (i >= ours->colorsTotal) continue;
            ASSERT_EQ(ours->red[i], theirs->red[i]) << what << " entry " << i;
            ASSERT_EQ(ours->green[i], theirs->green[i]) << what << " entry " << i;
            ASSERT_EQ(ours->blue[i], theirs->blue[i]) << what << " entry " << i;
            ASSERT_EQ(ours->alpha[i], theirs->alpha[i]) << what << " entry " << i;
        }
    }
    for (int y = 0; y < ours->sy; ++y)
        for (int x = 0; x < ours->sx; ++x) {
            const int a = ours->trueColor ? ours->tpixels[y][x] : ours->pixels[y][x];
            const int b = theirs->trueColor ? theirs->tpixels[y][x] : theirs->pixels[y][x];
            ASSERT_EQ(a, b) << what << " at " << x << "," << y;
        }
}

TEST(PngReader, GivesExactlyWhatLibgdGivesForEveryKindOfPng) {
    prepareLibraries();
    const struct {
        int colourType;
        std::vector<int> depths;
    } kinds[] = {
        {PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}}, {PNG_COLOR_TYPE_RGB, {8, 16}},
        {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}},  {PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}},
        {PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}},
    };
    int checked = 0;
    for (const auto& kind : kinds)
        for (int depth : kind.depths)
            for (bool interlaced : {false, true})
                for (bool transparency : {false, true}) {
                    if (transparency && (kind.colourType & PNG_COLOR_MASK_ALPHA)) continue;
                    PngSpec s;
                    s.colourType = kind.colourType;
                    s.bitDepth = depth;
                    s.interlaced = interlaced;
                    s.transparency = transparency;
                    if (kind.colourType == PNG_COLOR_TYPE_PALETTE) s.paletteSize = std::min(1 << depth, 40);
                    const Bytes bytes = writeSpec(s, static_cast<unsigned>(checked));
                    ASSERT_FALSE(bytes.empty());
                    const std::string what = "type " + std::to_string(s.colourType) + " depth " + std::to_string(depth) +
                                             (interlaced ? " interlaced" : "") + (transparency ? " tRNS" : "");
                    expectSamePicture(decodePng(bytes).get(), libgdReads(bytes).get(), what);
                    ++checked;
                }
    EXPECT_EQ(checked, 52);
}

TEST(PngReader, AgreesWithLibgdOnDamagedFilesAndTheFuzzCorpus) {
    prepareLibraries();
    PngSpec s;
    s.colourType = PNG_COLOR_TYPE_PALETTE;
    const Bytes good = writeSpec(s, 7);
    // Every truncation, and a flipped byte at every place (a CRC error in an ancillary chunk is
    // only a warning, in a critical one an error: both readers must agree).
    for (std::size_t n = 0; n < good.size(); n += 3) {
        const Bytes cut(good.begin(), good.begin() + static_cast<long>(n));
        expectSamePicture(decodePng(cut).get(), libgdReads(cut).get(), "cut at " + std::to_string(n));
        Bytes flipped = good;
        flipped[n] ^= 0x20;
        expectSamePicture(decodePng(flipped).get(), libgdReads(flipped).get(), "flipped at " + std::to_string(n));
    }
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(BRAMBEX_SOURCE_DIR) / "fuzz" / "corpus")) {
        Bytes bytes;
        ASSERT_TRUE(readWholeFile(entry.path(), bytes));
        // libgd itself would take gigabytes on the hostile ones; compare only what is plausible.
        const auto layout = scanPng(bytes.data(), bytes.size());
        if (layout && plausiblePng(*layout, MAX_PICTURE_WIDTH, MAX_PICTURE_HEIGHT))
            expectSamePicture(decodePng(bytes).get(), libgdReads(bytes).get(), entry.path().filename().string());
        ++files;
    }
    EXPECT_GE(files, 3);
}

// Hostile files, each under a kilobyte.
Bytes chunk(const char* type, const Bytes& data, std::uint32_t claimedLength) {
    Bytes out{png_byte(claimedLength >> 24), png_byte(claimedLength >> 16), png_byte(claimedLength >> 8),
              png_byte(claimedLength)};
    for (int i = 0; i < 4; ++i) out.push_back(png_byte(type[i]));
    out.insert(out.end(), data.begin(), data.end());
    const std::uint32_t crc = png_uint_32(crc32(crc32(0, nullptr, 0), out.data() + 4, static_cast<unsigned>(out.size() - 4)));
    for (int i = 3; i >= 0; --i) out.push_back(png_byte(crc >> (8 * i)));
    return out;
}

Bytes header(std::uint32_t w, std::uint32_t h, int depth, int colourType) {
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const Bytes ihdr{png_byte(w >> 24), png_byte(w >> 16), png_byte(w >> 8), png_byte(w),
                     png_byte(h >> 24), png_byte(h >> 16), png_byte(h >> 8), png_byte(h),
                     png_byte(depth), png_byte(colourType), 0, 0, 0};
    const Bytes c = chunk("IHDR", ihdr, 13);
    out.insert(out.end(), c.begin(), c.end());
    return out;
}

Bytes hostile(const char* kind) {
    Bytes out = header(32760, 32600, 8, 2);
    auto add = [&](const Bytes& c) { out.insert(out.end(), c.begin(), c.end()); };
    if (std::string(kind) == "huge-picture-no-data") {
        add(chunk("IDAT", {0x78, 0x9c, 0x03, 0x00}, 4));
        add(chunk("IEND", {}, 0));
    } else {
        // A chunk that claims far more than the file holds.
        out = header(40, 20, 8, 2);
        add(chunk(kind, {'k', 'e', 'y', 0, 'x'}, 0x7FFFFFFF));
    }
    return out;
}

std::size_t statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stoul(line.substr(std::strlen(field)));
    return 0;
}

// Runs `body` in a child process; true when it finished in time and its address space never
// grew by more than `megabytes` (the peak counts memory asked for even if never touched). A
// hard limit well above that keeps a failing reader from taking the machine.
bool withinMemory(std::size_t megabytes, double seconds, const std::function<void()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        const std::size_t startKb = statusKb("VmSize:");
        const rlim_t limit = static_cast<rlim_t>((startKb + 4096 * 1024) * 1024);
        rlimit rl{limit, limit};
        setrlimit(RLIMIT_AS, &rl);
        alarm(static_cast<unsigned>(seconds + 1));
        body();
        _exit(statusKb("VmPeak:") - startKb > megabytes * 1024 ? 4 : 0);
    }
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    waitpid(pid, &status, 0);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && took <= seconds;
}

class HostileInput : public test::TempWorkspace {};

TEST_F(HostileInput, SmallFilesCannotAskForMemoryOrTime) {
    prepareLibraries();
    for (const char* kind : {"huge-picture-no-data", "tEXt", "zTXt", "iTXt", "sPLT", "iCCP"}) {
        const Bytes bytes = hostile(kind);
        ASSERT_LT(bytes.size(), 1024u);
        const fs::path path = root / (std::string(kind) + ".png");
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
        EXPECT_TRUE(withinMemory(256, 1.0, [&] {
            if (loadPng(path) || loadArt(path) || decodePng(bytes) || describeMapFile(bytes)) _exit(3);
        })) << kind;
    }
}

TEST_F(HostileInput, AHugeSparseFileIsRefusedWithoutReadingIt) {
    const fs::path path = root / "sparse.png";
    Bytes start = header(32760, 32600, 8, 6);
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(start.data()), static_cast<long>(start.size()));
    }
    fs::resize_file(path, 3ull << 30);  // holes read as zeros: no chunk name
    EXPECT_TRUE(withinMemory(256, 1.0, [&] {
        std::vector<unsigned char> bytes;
        if (readPngFile(path, bytes) || loadPng(path) || loadArt(path)) _exit(3);
    }));
}

TEST(PngReader, ScanFindsTheLayoutAndRefusesBrokenChunkLists) {
    PngSpec s;
    s.interlaced = true;
    Bytes bytes = writeSpec(s, 3);
    const auto layout = scanPng(bytes.data(), bytes.size());
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->width, 37);
    EXPECT_EQ(layout->height, 23);
    EXPECT_TRUE(layout->interlaced);
    EXPECT_EQ(layout->fileBytes, bytes.size());
    EXPECT_EQ(rawImageBytes(*layout), 23u * (37 * 3 + 1));
    // Bytes after IEND are not part of the picture.
    bytes.push_back(0);
    ASSERT_TRUE(scanPng(bytes.data(), bytes.size()));
    EXPECT_EQ(scanPng(bytes.data(), bytes.size())->fileBytes, bytes.size() - 1);
    EXPECT_TRUE(decodePng(bytes));
    // Without IEND, or with IHDR not first, nothing.
    EXPECT_FALSE(scanPng(bytes.data(), bytes.size() - 13));
    Bytes noHeader = bytes;
    std::memcpy(noHeader.data() + 12, "IHDX", 4);
    EXPECT_FALSE(scanPng(noHeader.data(), noHeader.size()));
    // Plausibility: the same layout with far too little image data.
    PngLayout big = *layout;
    big.width = big.height = 30000;
    EXPECT_FALSE(plausiblePng(big, MAX_PICTURE_WIDTH, MAX_PICTURE_HEIGHT));
    big.imageDataBytes = rawImageBytes(big) / 1000;
    EXPECT_TRUE(plausiblePng(big, MAX_PICTURE_WIDTH, MAX_PICTURE_HEIGHT));
    EXPECT_FALSE(plausiblePng(big, 8192, 8192));
}

}  // namespace

namespace {

// The largest map the program allows, saved in full colour, must read back: libgd's own reader
// refuses rows of that size. Minutes and about 10 GB, so only when asked for:
// BRAMBEX_SLOW_TESTS=1 build/tests/brambex_tests --gtest_filter='Slow*'
TEST(SlowPngReader, TheLargestFullColourMapReadsBackPixelForPixel) {
    if (!std::getenv("BRAMBEX_SLOW_TESTS")) GTEST_SKIP() << "set BRAMBEX_SLOW_TESTS=1 to run";
    ImagePtr map = createTrueColour(MAX_PICTURE_WIDTH, MAX_PICTURE_HEIGHT);
    for (int y = 0; y < map->sy; ++y)
        for (int x = 0; x < map->sx; ++x)
            map->tpixels[y][x] = (y * 7 + x / 64) % 5 == 0 ? packColour(x & 255, y & 255, 90) : 0;
    MapIdentity id;
    id.markerX = map->sx / 2 - 1;
    id.markerY = map->sy - 1;
    const EncodedMap file = encodeMap(map.get(), id, true);
    ASSERT_TRUE(file.error.empty()) << file.error;
    EXPECT_FALSE(libgdReads(file.bytes)) << "libgd cannot hold it; if it can now, the reader is still ours";
    ImagePtr back = decodePng(file.bytes);
    ASSERT_TRUE(back);
    ASSERT_TRUE(back->trueColor);
    ASSERT_EQ(back->sx, map->sx);
    ASSERT_EQ(back->sy, map->sy);
    for (int y = 0; y < map->sy; ++y)
        ASSERT_EQ(std::memcmp(back->tpixels[y], map->tpixels[y], sizeof(int) * map->sx), 0) << "row " << y;
}

}  // namespace
