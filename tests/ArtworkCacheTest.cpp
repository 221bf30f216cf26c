// The artwork kept between runs: answers like the file, hands out copies, notices a changed file.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <stdexcept>
#include <thread>

#include "map/ArtworkCache.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

class ArtworkCacheTest : public test::TempWorkspace {};

}  // namespace

TEST_F(ArtworkCacheTest, KeepsAPictureUntilItsFileChanges) {
    const fs::path file = root / "soil.png";
    test::writePng(test::solidPicture(8, 4, 0x336699).get(), file);
    ArtworkCache cache;
    ImagePtr first = cache.load(file, 64, 64);
    ASSERT_TRUE(first);
    EXPECT_EQ(cache.hits(), 0u);
    // A copy each time: what one run does to its picture the next run does not see.
    first->tpixels[0][0] = 0x112233;
    ImagePtr second = cache.load(file, 64, 64);
    ASSERT_TRUE(second);
    EXPECT_EQ(cache.hits(), 1u);
    EXPECT_EQ(second->tpixels[0][0] & 0xFFFFFF, 0x336699);
    // Another size or time: read again.
    test::writePng(test::solidPicture(10, 4, 0x996633).get(), file);
    ImagePtr changed = cache.load(file, 64, 64);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->sx, 10);
    EXPECT_EQ(changed->tpixels[0][0] & 0xFFFFFF, 0x996633);
    // The limits still hold: a picture over them is none, from the cache as from the file.
    EXPECT_FALSE(cache.load(file, 8, 8));
    EXPECT_FALSE(cache.load(file, 8, 8));
    // A texture's transparent colour comes with every copy.
    ImagePtr keyed = test::solidPicture(4, 4, 0);
    keyed->transparent = 0;
    test::writePng(keyed.get(), root / "grass.png");
    ImagePtr fresh = loadPngFile(root / "grass.png", 64, 64);
    ASSERT_TRUE(fresh);
    ASSERT_NE(fresh->transparent, -1);
    for (int k = 0; k < 2; ++k) EXPECT_EQ(cache.load(root / "grass.png", 64, 64)->transparent, fresh->transparent) << k;
    // A missing file is none and is looked for again.
    EXPECT_FALSE(cache.load(root / "gone.png", 64, 64));
    test::writePng(test::solidPicture(3, 3, 0x445566).get(), root / "gone.png");
    EXPECT_TRUE(cache.load(root / "gone.png", 64, 64));
}

TEST_F(ArtworkCacheTest, LoadsGoThroughTheCacheOnlyWhileItIsInUse) {
    const fs::path file = root / "tile.png";
    test::writePng(test::solidPicture(5, 5, 0x808080).get(), file);
    ArtworkCache cache;
    EXPECT_TRUE(loadTileArt(file));
    EXPECT_EQ(cache.pictures(), 0u);
    {
        const UseArtworkCache use(&cache);
        EXPECT_EQ(currentArtworkCache(), &cache);
        EXPECT_TRUE(loadTileArt(file));
        EXPECT_TRUE(loadTileArt(file));
        EXPECT_EQ(cache.pictures(), 1u);
        EXPECT_EQ(cache.hits(), 1u);
        {
            const UseArtworkCache none(nullptr);
            EXPECT_TRUE(loadTileArt(file));
        }
        EXPECT_EQ(currentArtworkCache(), &cache);
    }
    EXPECT_EQ(currentArtworkCache(), nullptr);
    EXPECT_TRUE(loadTileArt(file));
    EXPECT_EQ(cache.hits(), 1u);
}

// Loads shared out between two threads load as the calling thread does: through its cache, with
// pictures refused for their size noted in the order of the items, not of the threads, and an
// item's exception thrown back to the caller.
TEST_F(ArtworkCacheTest, LoadsOnBothCoresLoadAsTheCallingThreadDoes) {
    std::vector<fs::path> files;
    for (int i = 0; i < 12; ++i) {
        files.push_back(root / (std::to_string(i) + ".png"));
        // Every third picture is over the tile limit.
        const int side = i % 3 == 2 ? MAX_TILE_SIZE + 1 : 4 + i;
        test::writePng(test::solidPicture(side, 2, 0x010101 * i).get(), files.back());
    }
    ArtworkCache cache;
    std::vector<std::string> notes;
    std::vector<ImagePtr> pictures(files.size());
    std::vector<std::thread::id> threads(files.size());
    {
        const UseArtworkCache use(&cache);
        const CollectRefusedArtwork collect(&notes);
        loadOnBothCores(files.size(), [&](std::size_t i) {
            pictures[i] = loadTileArt(files[i]);
            threads[i] = std::this_thread::get_id();
            // Long enough for the second thread to take its share.
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        });
    }
    if (std::thread::hardware_concurrency() > 1) {
        EXPECT_EQ(std::set<std::thread::id>(threads.begin(), threads.end()).size(), 2u) << "both threads loaded";
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        if (i % 3 == 2) {
            EXPECT_FALSE(pictures[i]);
            continue;
        }
        ASSERT_TRUE(pictures[i]);
        EXPECT_EQ(pictures[i]->sx, static_cast<int>(4 + i));
    }
    // Every picture went through the cache (the refused ones are kept as none).
    EXPECT_EQ(cache.pictures(), files.size());
    ASSERT_EQ(notes.size(), 4u);
    for (std::size_t k = 0; k < notes.size(); ++k)
        EXPECT_NE(notes[k].find(files[3 * k + 2].string()), std::string::npos) << notes[k];

    std::vector<int> done(8, 0);
    EXPECT_THROW(loadOnBothCores(done.size(),
                                 [&](std::size_t i) {
                                     done[i] = 1;
                                     if (i == 5) throw std::runtime_error("item 5");
                                 }),
                 std::runtime_error);
    EXPECT_EQ(std::count(done.begin(), done.end(), 1), 8) << "the other items were still loaded";
}
