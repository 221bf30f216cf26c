#include <gtest/gtest.h>
#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "map/Files.h"
#include "map/Generator.h"
#include "map/ProcessState.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapLoader.h"
#include "mapfile/Preview.h"
#include "generators/RunSteps.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

// A map painted by the test: stripes of a few colours, reserved pixels set as a run sets them.
class Painted : public Generator {
public:
    // A roof is Cavern's: a map without one is of another type.
    Painted(int w, int h, bool roof = false)
        : Generator(roof ? MapType::Cavern : MapType::Island, commonSettingsOf(test::params), w, h) {
        image = createTrueColour(w, h);
        allocateKeyColours();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image->tpixels[y][x] = y < h / 3 ? 0 : (x / 7 % 3 == 0 ? packColour(120, 80, 40) : packColour(40, 160, 60 + y % 50));
        brambex::setReservedPixels(*this);
    }
    void generate() override {}
};

struct Chunk {
    std::string type;
    Bytes data;
    std::uint32_t crc = 0;
};

// An independent reading of a PNG's chunk list.
std::vector<Chunk> chunksOf(const Bytes& file) {
    std::vector<Chunk> out;
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const std::uint32_t len = (file[at] << 24) | (file[at + 1] << 16) | (file[at + 2] << 8) | file[at + 3];
        Chunk c;
        c.type.assign(reinterpret_cast<const char*>(&file[at + 4]), 4);
        c.data.assign(file.begin() + static_cast<long>(at + 8), file.begin() + static_cast<long>(at + 8 + len));
        const std::size_t crcAt = at + 8 + len;
        c.crc = (file[crcAt] << 24) | (file[crcAt + 1] << 16) | (file[crcAt + 2] << 8) | file[crcAt + 3];
        out.push_back(c);
        at = crcAt + 4;
    }
    return out;
}

std::uint32_t crcOf(const Chunk& c) {
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(c.type.data()), 4);
    if (!c.data.empty()) crc = crc32(crc, c.data.data(), static_cast<uInt>(c.data.size()));
    return static_cast<std::uint32_t>(crc);
}

std::uint32_t le32(const Bytes& d, std::size_t at) { return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (std::uint32_t(d[at + 3]) << 24); }

Bytes fileBytes(const fs::path& p) {
    Bytes b;
    readWholeFile(p, b);
    return b;
}

std::vector<std::string> typesOf(const std::vector<Chunk>& chunks) {
    std::vector<std::string> t;
    for (const auto& c : chunks) t.push_back(c.type);
    return t;
}

class MapFileTest : public test::TempWorkspace {
protected:
    Painted& makeMap(int w = 200, int h = 90, bool roof = false) {
        map_ = std::make_unique<Painted>(w, h, roof);
        return *map_;
    }
    std::unique_ptr<Painted> map_;
};

}  // namespace

TEST(MapChunks, SeedChunkBytesAreLittleEndianInsideAndBigEndianOutside) {
    const Bytes chunk = smallChunk("bxRk", 258, 3, 7);
    ASSERT_EQ(chunk.size(), 20u);
    const Bytes head{0, 0, 0, 8, 'b', 'x', 'R', 'k', 0x02, 0x01, 0x00, 0x00, 0x03, 0x07, 0x00, 0x00};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), chunk.begin()));
    const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, chunk.data() + 4, 12));
    EXPECT_EQ(chunk[16], crc >> 24);
    EXPECT_EQ(chunk[19], crc & 0xFF);
}

TEST(MapChunks, PngExtensionRule) {
    EXPECT_EQ(withPngExtension("maps/cave").string(), "maps/cave.png");
    EXPECT_EQ(withPngExtension("maps/cave.png.old").string(), "maps/cave.png.old");
    EXPECT_EQ(withPngExtension("maps/cave.PNG").string(), "maps/cave.PNG.png") << "the search is case-sensitive";
}

TEST_F(MapFileTest, SavedMapHasTheChunksInOrderWithValidCrcs) {
    Painted& g = makeMap(200, 90, true);
    map_->seed = 0xA1B2C3D4;
    g.typeIndex = 1;
    g.themeNumber = 5;
    g.themeId = 42;
    g.levelKind = 0;
    g.waterColour = 3;
    const fs::path path = root / "cave.png";
    ASSERT_EQ(saveMap(*map_, path, false), std::nullopt);
    const auto chunks = chunksOf(fileBytes(path));
    const auto types = typesOf(chunks);
    ASSERT_GE(types.size(), 5u);
    EXPECT_EQ(types.front(), "IHDR");
    EXPECT_EQ(types[types.size() - 4], "IDAT");
    EXPECT_EQ(types[types.size() - 3], "waLV");
    EXPECT_EQ(types[types.size() - 2], "bxRk");
    EXPECT_EQ(types.back(), "IEND");
    for (const auto& c : chunks) EXPECT_EQ(c.crc, crcOf(c)) << c.type;

    const Bytes& level = chunks[chunks.size() - 3].data;
    ASSERT_EQ(level.size(), 40u);
    EXPECT_EQ(le32(level, 0), 0xA1B2C3D4u);
    EXPECT_EQ(le32(level, 4), 0u);
    EXPECT_EQ(le32(level, 8), 1u) << "roof";
    EXPECT_EQ(le32(level, 16), 1u) << "type index is not 4";
    EXPECT_EQ(le32(level, 28), 0u);
    EXPECT_EQ(le32(level, 32), 42u);
    EXPECT_EQ(le32(level, 36), 3u);
    const Bytes& seed = chunks[chunks.size() - 2].data;
    EXPECT_EQ(le32(seed, 0), 0xA1B2C3D4u);
    EXPECT_EQ(seed[4], 1);
    EXPECT_EQ(seed[5], 5);

    g.typeIndex = 4;
    g.levelKind = 2;
    map_->indiMask = true;
    ASSERT_EQ(saveMap(*map_, path, false), std::nullopt);
    const auto withMask = chunksOf(fileBytes(path));
    const auto maskTypes = typesOf(withMask);
    EXPECT_EQ(maskTypes[maskTypes.size() - 4], "waLV");
    EXPECT_EQ(maskTypes[maskTypes.size() - 3], "bxRk");
    EXPECT_EQ(maskTypes[maskTypes.size() - 2], "inDI");
    EXPECT_EQ(withMask[withMask.size() - 2].data, Bytes(8, 0));
    const Bytes& level4 = withMask[withMask.size() - 4].data;
    EXPECT_EQ(le32(level4, 16), 0u) << "type index 4";
    EXPECT_EQ(le32(level4, 28), 2u);
}

TEST_F(MapFileTest, PaletteMapHasBlackAtIndexZeroAndOneMarkerEntry) {
    for (bool mask : {false, true}) {
        makeMap(321, 123);
        map_->indiMask = mask;
        const fs::path path = root / "palette.png";
        ASSERT_EQ(saveMap(*map_, path, false), std::nullopt);
        ImagePtr loaded = loadPng(path);
        ASSERT_TRUE(loaded);
        ASSERT_FALSE(loaded->trueColor);
        EXPECT_LE(loaded->colorsTotal, 65);
        EXPECT_EQ(gdImageGetPixel(loaded.get(), 0, 0), 0);
        EXPECT_EQ(loaded->red[0] + loaded->green[0] + loaded->blue[0], 0);
        int markerEntries = 0;
        for (int i = 0; i < loaded->colorsTotal; ++i)
            markerEntries += (loaded->red[i] == 240 || loaded->red[i] == 242) && loaded->green[i] == 24 && loaded->blue[i] == 204;
        EXPECT_EQ(markerEntries, 1);
        const int marker = gdImageGetPixel(loaded.get(), 321 / 2 - 1, 122);
        EXPECT_EQ(loaded->red[marker], mask ? 240 : 242);
        // Every empty pixel shares index 0.
        for (int x = 0; x < 321; x += 13) EXPECT_EQ(gdImageGetPixel(loaded.get(), x, 5), 0);
    }
}

// NeuQuant leaves translucent entries on very small many-colour pictures; the PNG writer would
// then reorder the palette for tRNS and entry 0 would no longer be the empty colour.
TEST_F(MapFileTest, SmallManyColourPicturesKeepBlackAtIndexZero) {
    for (auto [w, h] : {std::pair{40, 20}, {17, 9}, {64, 3}}) {
        Painted& g = makeMap(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 1; x < w; ++x) g.image->tpixels[y][x] = packColour(x * 6 % 256, y * 11 % 256, (x * y * 7) % 256);
        brambex::setReservedPixels(g);
        const fs::path path = root / "small.png";
        ASSERT_EQ(saveMap(*map_, path, false), std::nullopt);
        ImagePtr loaded = loadPng(path);
        ASSERT_TRUE(loaded);
        ASSERT_FALSE(loaded->trueColor);
        EXPECT_EQ(gdImageGetPixel(loaded.get(), 0, 0), 0) << w << "x" << h;
        EXPECT_EQ(loaded->red[0] + loaded->green[0] + loaded->blue[0], 0) << w << "x" << h;
        for (int i = 0; i < loaded->colorsTotal; ++i) EXPECT_EQ(loaded->alpha[i], gdAlphaOpaque) << "entry " << i;
        const auto types = typesOf(chunksOf(fileBytes(path)));
        EXPECT_EQ(std::count(types.begin(), types.end(), "tRNS"), 0);
    }
}

TEST_F(MapFileTest, ForceFullColourWritesTrueColourWithTheSameChunks) {
    Painted& g = makeMap();
    map_->indiMask = true;
    const fs::path path = root / "full";
    ASSERT_EQ(saveMap(*map_, path, true), std::nullopt);
    ASSERT_TRUE(fs::exists(root / "full.png"));
    ImagePtr loaded = loadPng(root / "full.png");
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->trueColor);
    for (int y = 0; y < g.height; y += 11)
        for (int x = 0; x < g.width; x += 7) ASSERT_EQ(loaded->tpixels[y][x], g.image->tpixels[y][x]);
    const auto types = typesOf(chunksOf(fileBytes(root / "full.png")));
    EXPECT_EQ(types[types.size() - 4], "waLV");
    EXPECT_EQ(types[types.size() - 3], "bxRk");
    EXPECT_EQ(types[types.size() - 2], "inDI");
}

TEST_F(MapFileTest, SavedMapLoadsBackWithEverythingRestored) {
    Painted& g = makeMap(256, 96, true);
    map_->seed = 987654;
    g.typeIndex = 2;
    g.themeNumber = 3;
    g.waterColour = 4;
    const fs::path path = root / "round.png";
    ASSERT_EQ(saveMap(*map_, path, false), std::nullopt);
    ImagePtr saved = loadPng(path);

    resetProcessState();
    setWorkingDirectory(root);
    std::unique_ptr<Map> loaded = loadMapFile(fileBytes(path), installedTypes, currentFolders());
    ASSERT_TRUE(loaded);
    Map& l = *loaded;
    EXPECT_EQ(l.width, 256);
    EXPECT_EQ(l.height, 96);
    EXPECT_TRUE(l.hasIdentity);
    EXPECT_EQ(l.seed, 987654u);
    EXPECT_EQ(l.typeIndex, 2);
    EXPECT_EQ(l.themeNumber, 3);
    EXPECT_EQ(l.waterColour, 4);
    EXPECT_EQ(l.markerX, 127);
    EXPECT_EQ(l.markerY, 95);
    EXPECT_FALSE(l.indiMask);
    ASSERT_FALSE(l.image->trueColor);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 256; ++x) ASSERT_EQ(gdImageGetPixel(l.image.get(), x, y), gdImageGetPixel(saved.get(), x, y));
    ASSERT_TRUE(l.preview && l.preview2) << "the previews are made in memory";
    EXPECT_EQ(l.preview->sx, PREVIEW_WIDTH);
    EXPECT_EQ(l.preview2->sy, PREVIEW2_HEIGHT);
}

TEST_F(MapFileTest, UnwritableTargetsKeepWhatWasThereAndSaySo) {
    makeMap();
    // A read-only file (refused by its permission bits, also for root).
    const fs::path locked = root / "locked.png";
    { std::ofstream(locked) << "old map"; }
    chmod(locked.c_str(), 0444);
    const Failure refused = saveMap(*map_, locked, false);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->caption, "File write error");
    EXPECT_EQ(refused->text, "Unable to open " + locked.string() + " for writing, is file set as read only?");
    std::ifstream in(locked);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "old map");
    // A folder that does not exist, and a path that is a folder.
    // They say why, the system's reason first.
    const Failure missing = saveMap(*map_, root / "missing" / "map.png", false);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->text.rfind("No such file or directory: ", 0), 0u) << missing->text;
    fs::create_directories(root / "folder.png");
    const Failure folder = saveMap(*map_, root / "folder.png", false);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->text.rfind("Is a directory: ", 0), 0u) << folder->text;
    EXPECT_FALSE(fs::exists(root / "missing"));
    // No temporary file is left behind.
    int files = 0;
    for (const auto& e : fs::directory_iterator(root)) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST_F(MapFileTest, ASaveRemovesWhatKilledSavesOfTheSameTargetLeftBehind) {
    makeMap();
    auto leave = [&](const std::string& name, bool old) {
        std::ofstream(root / name) << "half a map";
        if (old) fs::last_write_time(root / name, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    };
    leave(".map.png.a1B2c3", true);
    leave(".map.png.Zz9Yy8", false);      // another save may still be writing it
    leave(".other.png.a1B2c3", true);     // another target's
    leave(".map.png.toolong1", true);     // not a name the program makes
    ASSERT_EQ(saveMap(*map_, root / "map.png", false), std::nullopt);
    EXPECT_FALSE(fs::exists(root / ".map.png.a1B2c3"));
    EXPECT_TRUE(fs::exists(root / ".map.png.Zz9Yy8"));
    EXPECT_TRUE(fs::exists(root / ".other.png.a1B2c3"));
    EXPECT_TRUE(fs::exists(root / ".map.png.toolong1"));
}

TEST_F(MapFileTest, SavingToALinkWritesTheFileItPointsTo) {
    makeMap();
    fs::create_directories(root / "maps");
    std::ofstream(root / "maps" / "real.png") << "old";
    fs::create_symlink("maps/real.png", root / "link.png");
    fs::create_symlink(root / "maps" / "new.png", root / "dangling.png");
    ASSERT_EQ(saveMap(*map_, root / "link.png", false), std::nullopt);
    ASSERT_EQ(saveMap(*map_, root / "dangling.png", false), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(root / "link.png"));
    EXPECT_TRUE(fs::is_symlink(root / "dangling.png"));
    EXPECT_TRUE(loadPng(root / "maps" / "real.png"));
    EXPECT_TRUE(loadPng(root / "maps" / "new.png"));
    for (const auto& e : fs::directory_iterator(root)) EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
}

// A full disk is not a read-only file: the message gives the system's reason after the usual text.
TEST_F(MapFileTest, AWriteThatRunsOutOfSpaceSaysWhy) {
    makeMap(400, 300);
    const fs::path path = root / "full.png";
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &small);
        const Failure f = saveMap(*map_, path, true);
        // The system's reason comes first, and the read-only question is not asked.
        const bool said = f && f->text.rfind("File too large: ", 0) == 0 && f->text.find("read only") == std::string::npos;
        _exit(said && !fs::exists(path) ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const auto& e : fs::directory_iterator(root)) EXPECT_NE(e.path().filename().string()[0], '.') << "temp file left";
}

TEST_F(MapFileTest, TooLargeToQuantiseIsRefusedWithAMessage) {
    Painted& g = makeMap(8, 8);
    g.image = createTrueColour(23171, 23171);  // over 2^31 / 4 pixels: NeuQuant cannot take it
    g.width = g.height = 23171;
    const Failure refused = saveMap(*map_, root / "huge.png", false);
    EXPECT_FALSE(fs::exists(root / "huge.png"));
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->text.find("too large to be reduced to 64 colours"), std::string::npos);
}

TEST_F(MapFileTest, ChunksCanBeAppendedToAnExistingFile) {
    Painted& g = makeMap();
    const fs::path path = root / "plain.png";
    test::writePng(g.image.get(), path);
    ASSERT_EQ(appendLevelChunk(path, mapIdentity(g)), std::nullopt);
    ASSERT_EQ(appendSmallChunk(path, "bxRk", 5, 6, 7), std::nullopt);
    const auto types = typesOf(chunksOf(fileBytes(path)));
    EXPECT_EQ(types[types.size() - 3], "waLV");
    EXPECT_EQ(types[types.size() - 2], "bxRk");
    EXPECT_TRUE(loadPng(path)) << "still a valid PNG";
    // A file that does not end with IEND is left alone.
    const fs::path junk = root / "junk.png";
    { std::ofstream(junk) << "not a png at all, long enough"; }
    EXPECT_TRUE(appendSmallChunk(junk, "bxRk", 1, 2, 3)) << "refused";
    EXPECT_EQ(fs::file_size(junk), 29u);
}

TEST_F(MapFileTest, PngcheckAcceptsSavedMaps) {
    if (std::system("command -v pngcheck > /dev/null 2>&1") != 0) GTEST_SKIP() << "pngcheck is not installed";
    makeMap(300, 100, true);
    map_->indiMask = true;
    ASSERT_EQ(saveMap(*map_, root / "check.png", false), std::nullopt);
    ASSERT_EQ(saveMap(*map_, root / "checkfull.png", true), std::nullopt);
    for (const char* name : {"check.png", "checkfull.png"}) {
        const std::string cmd = "pngcheck -v '" + (root / name).string() + "' > /dev/null 2>&1";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << name;
    }
}

TEST(Preview, GeometryFitsTheMapIntoTheCanvas) {
    auto check = [](int cw, int ch, int mw, int mh, PreviewGeometry expected) {
        const PreviewGeometry g = previewGeometry(cw, ch, mw, mh);
        EXPECT_EQ(g.x, expected.x) << mw << "x" << mh << " in " << cw << "x" << ch;
        EXPECT_EQ(g.y, expected.y) << mw << "x" << mh << " in " << cw << "x" << ch;
        EXPECT_EQ(g.width, expected.width) << mw << "x" << mh << " in " << cw << "x" << ch;
        EXPECT_EQ(g.height, expected.height) << mw << "x" << mh << " in " << cw << "x" << ch;
    };
    check(400, 145, 1920, 696, {0, 0, 400, 145});
    check(400, 145, 3840, 1392, {0, 0, 400, 145});
    check(400, 145, 1920, 2880, {152, 0, 96, 144});
    check(960, 737, 1920, 696, {0, 194, 960, 348});
    check(960, 737, 640, 32, {0, 344, 960, 48});
}

// Each preview pixel is the rounded mean of its box of map pixels, for maps larger than the
// previews and smaller (whose rows and columns repeat), on a grey margin.
TEST_F(MapFileTest, PreviewPixelsAreTheMeansOfTheirBoxes) {
    for (const auto& [w, h] : {std::pair{1920, 696}, std::pair{1001, 999}, std::pair{700, 300}, std::pair{3000, 97}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        Painted& g = makeMap(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) g.image->tpixels[y][x] = packColour((x * 7 + y) % 256, (x * y) % 251, (x + y * 13) % 256);
        makePreviews(g);
        for (gdImagePtr preview : {g.preview.get(), g.preview2.get()}) {
            ASSERT_TRUE(preview);
            const PreviewGeometry at = previewGeometry(preview->sx, preview->sy, w, h);
            auto span = [](int i, int boxes, int length) {
                const int from = std::min(static_cast<int>(static_cast<long long>(i) * length / boxes), length - 1);
                const int to = static_cast<int>(static_cast<long long>(i + 1) * length / boxes);
                return std::pair{from, std::min(std::max(to, from + 1), length)};
            };
            for (int py = 0; py < at.height; ++py)
                for (int px = 0; px < at.width; ++px) {
                    const auto [x0, x1] = span(px, at.width, w);
                    const auto [y0, y1] = span(py, at.height, h);
                    int sum[3] = {0, 0, 0};
                    for (int y = y0; y < y1; ++y)
                        for (int x = x0; x < x1; ++x)
                            for (int k = 0; k < 3; ++k) sum[k] += g.image->tpixels[y][x] >> (16 - 8 * k) & 255;
                    const int n = (x1 - x0) * (y1 - y0);
                    ASSERT_EQ(preview->tpixels[at.y + py][at.x + px] & 0xFFFFFF,
                              packColour((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n))
                        << preview->sx << " wide preview, pixel " << px << "," << py;
                }
            if (at.x > 0 || at.y > 0) {
                EXPECT_EQ(preview->tpixels[0][0] & 0xFFFFFF, packColour(45, 45, 45)) << "the margin";
            }
        }
    }
}

TEST_F(MapFileTest, PreviewShowsTheMapOnGreyAndEmptyAsWhiteWhenAsked) {
    Painted& g = makeMap(1920, 696);
    test::makeTempFolder();
    makePreviews(g);
    ASSERT_EQ(writePreviewFiles(g, false), std::nullopt);
    ImagePtr small = loadPng(paths.previewPath), large = loadPng(paths.previewPath2);
    ASSERT_TRUE(small && large);
    EXPECT_EQ(small->sx, 400);
    EXPECT_EQ(small->sy, 145);
    EXPECT_EQ(large->sx, 960);
    EXPECT_EQ(large->sy, 737);
    EXPECT_EQ(large->tpixels[10][10] & 0xFFFFFF, packColour(45, 45, 45));
    EXPECT_EQ(large->tpixels[200][10] & 0xFFFFFF, 0) << "the map's empty top third";
    // Show Transparency: the same previews written with the empty space white, and back.
    ASSERT_EQ(writePreviewFiles(g, true), std::nullopt);
    large = loadPng(paths.previewPath2);
    EXPECT_EQ(large->tpixels[200][10] & 0xFFFFFF, 0xFFFFFF);
    EXPECT_EQ(large->tpixels[10][10] & 0xFFFFFF, packColour(45, 45, 45));
    ASSERT_EQ(writePreviewFiles(g, false), std::nullopt);
    large = loadPng(paths.previewPath2);
    EXPECT_EQ(large->tpixels[200][10] & 0xFFFFFF, 0);
    // A preview 960 x 737 of a 1920 x 696 map is exactly its 2 x 2 means.
    const int a = trueColourAt(g.image.get(), 700, 400), b = trueColourAt(g.image.get(), 701, 400);
    const int c = trueColourAt(g.image.get(), 700, 401), d = trueColourAt(g.image.get(), 701, 401);
    auto mean = [&](int shift) { return ((a >> shift & 255) + (b >> shift & 255) + (c >> shift & 255) + (d >> shift & 255) + 2) / 4; };
    EXPECT_EQ(large->tpixels[194 + 200][350] & 0xFFFFFF, packColour(mean(16), mean(8), mean(0)));
}
