#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "map/Files.h"
#include "map/Generator.h"
#include "map/PngReader.h"
#include "map/ProcessState.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapInfo.h"
#include "mapfile/MapLoader.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

class Blank : public Generator {
public:
    Blank() : Generator(MapType::Cavern, commonSettingsOf(test::params), 8, 8) {}
};

Bytes seedData(std::uint32_t seed, int type, int theme) {
    Bytes d;
    appendLittleEndian32(d, seed);
    d.push_back(static_cast<unsigned char>(type));
    d.push_back(static_cast<unsigned char>(theme));
    d.push_back(0);
    d.push_back(0);
    return d;
}

Bytes levelData(std::int32_t water) {
    Bytes d(36, 0);
    appendLittleEndian32(d, static_cast<std::uint32_t>(water));
    return d;
}

// A small palette picture with optional marker pixels, as a PNG.
Bytes palettePng(int w, int h, std::vector<std::pair<int, int>> markers, int markerRed = 242) {
    ImagePtr im(gdImageCreate(w, h));
    gdImageColorAllocate(im.get(), 0, 0, 0);
    const int land = gdImageColorAllocate(im.get(), 90, 60, 30);
    const int marker = gdImageColorAllocate(im.get(), markerRed, 24, 204);
    gdImageFilledRectangle(im.get(), 0, h / 2, w - 1, h - 1, land);
    for (auto [x, y] : markers) gdImageSetPixel(im.get(), x, y, marker);
    return encodePng(im.get());
}

class MapLoaderTest : public test::TempWorkspace {
protected:
    fs::path write(const Bytes& bytes, const std::string& name = "map.png") {
        const fs::path p = root / name;
        std::FILE* f = std::fopen(p.c_str(), "wb");
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return p;
    }
    bool load(const fs::path& p) {
        Bytes file;
        map_ = readPngFile(p, file) ? loadMapFile(file, installedTypes, currentFolders()) : nullptr;
        return map_ != nullptr;
    }
    std::unique_ptr<Map> map_;
};

}  // namespace

TEST_F(MapLoaderTest, SeedChunkTypeIgnoresCaseLevelChunkTypeDoesNot) {
    Bytes png = palettePng(40, 20, {{19, 19}});
    insertBeforeIend(png, makeChunk("walv", levelData(3)));
    insertBeforeIend(png, makeChunk("BXRK", seedData(777, 2, 5)));
    ASSERT_TRUE(load(write(png)));
    EXPECT_EQ(map_->seed, 777u);
    EXPECT_EQ(map_->typeIndex, 2);
    EXPECT_EQ(map_->themeNumber, 5);
    EXPECT_EQ(map_->waterColour, 0) << "a level chunk spelt differently is not read";
}

TEST_F(MapLoaderTest, APictureWithoutOurChunksHasNoSeedAndIsSavedWithoutOne) {
    mapState.mapSeed = 4444;
    ASSERT_TRUE(load(write(palettePng(40, 20, {}))));
    EXPECT_FALSE(map_->hasIdentity);
    EXPECT_EQ(map_->seed, 0u) << "no seed is taken from elsewhere";
    EXPECT_EQ(map_->typeIndex, 0);
    EXPECT_EQ(map_->themeNumber, 0);
    EXPECT_EQ(map_->markerX, -1);
    EXPECT_EQ(map_->markerY, -1);
    EXPECT_FALSE(map_->indiMask);
    // Saved again, it still has no seed chunk: none is invented for it.
    ASSERT_EQ(saveMap(*map_, root / "again.png", false), std::nullopt);
    Bytes again;
    ASSERT_TRUE(readWholeFile(root / "again.png", again));
    EXPECT_FALSE(readSmallChunk(again, "bXRK", nullptr, nullptr, nullptr));
    EXPECT_TRUE(readLevelChunk(again, nullptr)) << "the water colour is still recorded";
    ASSERT_TRUE(load(root / "again.png"));
    EXPECT_FALSE(map_->hasIdentity);
}

TEST_F(MapLoaderTest, MarkerColourAndChunkBothSetTheIndiMask) {
    // The 240 marker alone (its chunk removed) still means an IndiMask.
    ASSERT_TRUE(load(write(palettePng(40, 20, {{5, 19}}, 240))));
    EXPECT_TRUE(map_->indiMask);
    // The chunk alone as well.
    Bytes png = palettePng(40, 20, {{5, 19}}, 242);
    insertBeforeIend(png, makeChunk("inDI", Bytes(8, 0)));
    ASSERT_TRUE(load(write(png)));
    EXPECT_TRUE(map_->indiMask);
    ASSERT_TRUE(load(write(palettePng(40, 20, {{5, 19}}, 242))));
    EXPECT_FALSE(map_->indiMask);
}

TEST_F(MapLoaderTest, TheUpperOfTwoMarkersWinsThenTheLeftOne) {
    ASSERT_TRUE(load(write(palettePng(40, 20, {{30, 12}, {7, 12}, {2, 15}}))));
    EXPECT_EQ(map_->markerX, 7);
    EXPECT_EQ(map_->markerY, 12);
}

TEST_F(MapLoaderTest, TrueColourMapsStayTrueColour) {
    auto im = test::solidPicture(30, 10, packColour(10, 20, 30));
    im->tpixels[9][14] = packColour(242, 24, 204);
    ASSERT_TRUE(load(test::writePng(im.get(), root / "tc.png")));
    EXPECT_TRUE(map_->image->trueColor);
    EXPECT_EQ(map_->markerX, 14);
    EXPECT_EQ(map_->markerY, 9);
}

TEST_F(MapLoaderTest, BadFilesLoadAsNoPictureAndRestoreNothing) {
    Bytes good = palettePng(40, 20, {{3, 3}});
    insertBeforeIend(good, makeChunk("bxRk", seedData(99, 1, 1)));
    Bytes truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    Bytes notPng(200, 'x');
    // A header asking for a picture far larger than any map.
    Bytes huge = good;
    huge[16] = 0x00, huge[17] = 0x01, huge[18] = 0x00, huge[19] = 0x00;  // width 65536
    const std::pair<const char*, Bytes> cases[] = {
        {"truncated", truncated}, {"not a png", notPng}, {"huge", huge}, {"empty", Bytes{}}};
    for (const auto& [name, bytes] : cases) {
        EXPECT_FALSE(load(write(bytes, "bad.png"))) << name;
        EXPECT_FALSE(map_) << name;
    }
    EXPECT_FALSE(load(root / "does-not-exist.png"));
    EXPECT_FALSE(load(root));  // a folder
    // A pipe nobody writes to is refused at once instead of waiting for data.
    ASSERT_EQ(mkfifo((root / "pipe.png").c_str(), 0600), 0);
    EXPECT_FALSE(load(root / "pipe.png"));
}

TEST(ChunkWalk, HostileLengthsEndTheWalkCleanly) {
    // A chunk whose length would wrap a 32-bit offset back to the start.
    Bytes file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    appendBigEndian32(file, 0xFFFFFFF4u);
    file.insert(file.end(), {'a', 'b', 'c', 'd'});
    file.resize(64, 0);
    EXPECT_FALSE(readSmallChunk(file, "bxRk", nullptr, nullptr, nullptr));
    // A matching chunk cut off before its values ends the walk without a match.
    Bytes cut{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    appendBigEndian32(cut, 8);
    cut.insert(cut.end(), {'b', 'x', 'R', 'k', 1, 2});
    std::uint32_t seed = 77;
    EXPECT_FALSE(readSmallChunk(cut, "bxRk", &seed, nullptr, nullptr));
    EXPECT_EQ(seed, 77u) << "out-parameters are written only on a match";
    // Zero-length chunks forever: the walk still moves on by 12 each time.
    Bytes zeros(8 + 12 * 1000, 0);
    EXPECT_FALSE(readLevelChunk(zeros, nullptr));
    // Chunks after IEND are not read.
    Bytes png = palettePng(10, 10, {});
    const Bytes tail = makeChunk("bxRk", seedData(1, 2, 3));
    png.insert(png.end(), tail.begin(), tail.end());
    EXPECT_FALSE(readSmallChunk(png, "bxRk", nullptr, nullptr, nullptr));
}

TEST(ChunkWalk, TypeAndThemeBytesAreSigned) {
    Bytes png = palettePng(10, 10, {});
    insertBeforeIend(png, makeChunk("bxRk", seedData(1, 0xFF, 0x80)));
    int type = 0, theme = 0;
    ASSERT_TRUE(readSmallChunk(png, "bXRK", nullptr, &type, &theme));
    EXPECT_EQ(type, -1);
    EXPECT_EQ(theme, -128);
}

TEST(MapInfo, SaysWhatIsThereAndWhatIsAbsent) {
    Bytes png = palettePng(40, 20, {{19, 19}}, 240);
    insertBeforeIend(png, makeChunk("bxRk", seedData(258, 3, 7)));
    const auto text = describeMapFile(png);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("Size: 40 x 20"), std::string::npos);
    EXPECT_NE(text->find("Colours: palette of 3 entries"), std::string::npos);
    EXPECT_NE(text->find("Marker: column 19, row 19, colour (240, 24, 204), IndiMask"), std::string::npos);
    EXPECT_NE(text->find("waLV: absent"), std::string::npos);
    EXPECT_NE(text->find("bxRk: seed 258, list position 3, theme 7"), std::string::npos);
    EXPECT_NE(text->find("inDI: absent"), std::string::npos);
    EXPECT_FALSE(describeMapFile(Bytes(100, 7)));
}
