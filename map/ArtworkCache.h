#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "map/GdImage.h"

namespace brambex {

// Decoded artwork kept between runs, so a run made again and again (the window's live preview,
// a batch of candidates) reads and decodes each picture once. A run asks for it in its request;
// while the run lasts, every artwork load on the run's thread goes through it (see
// UseArtworkCache). A file whose size or time changed since it was decoded is read again, so an
// edited theme shows in the next run; a missing file is looked for again every time.
class ArtworkCache {
public:
    // A copy of the picture in `path` (the caller may change it), decoded under the given limits.
    ImagePtr load(const std::filesystem::path& path, int maxWidth, int maxHeight);
    std::size_t pictures() const;
    std::size_t hits() const;

private:
    struct Key {
        std::filesystem::path path;
        int maxWidth, maxHeight;
        bool operator<(const Key& o) const {
            if (path != o.path) return path < o.path;
            if (maxWidth != o.maxWidth) return maxWidth < o.maxWidth;
            return maxHeight < o.maxHeight;
        }
    };
    struct Entry {
        std::uintmax_t bytes = 0;
        std::filesystem::file_time_type time;
        ImagePtr picture;  // none: the file does not decode (kept, so it is not read again)
    };
    mutable std::mutex mutex_;
    std::map<Key, Entry> entries_;
    std::size_t hits_ = 0;
};

// While it lives, artwork loads on this thread use `cache` (none: read the files as usual).
class UseArtworkCache {
public:
    explicit UseArtworkCache(ArtworkCache* cache);
    ~UseArtworkCache();
    UseArtworkCache(const UseArtworkCache&) = delete;
    UseArtworkCache& operator=(const UseArtworkCache&) = delete;

private:
    ArtworkCache* previous_;
};

// The cache installed on this thread, if any.
ArtworkCache* currentArtworkCache();

// While it lives, every picture on this thread that exists but is refused for its size (over
// the limit of what it is for) is named in `notes`, once per file, so a run can say which artwork
// it left out instead of leaving it out in silence.
class CollectRefusedArtwork {
public:
    explicit CollectRefusedArtwork(std::vector<std::string>* notes);
    ~CollectRefusedArtwork();
    CollectRefusedArtwork(const CollectRefusedArtwork&) = delete;
    CollectRefusedArtwork& operator=(const CollectRefusedArtwork&) = delete;

private:
    std::vector<std::string>* previous_;
};

// Runs `load(i)` for every i in [0, n), the items shared out between this thread and a second
// one when there are several and the machine has a second core: decoding artwork is most of
// what a run's loads cost. Each item loads as this thread would, through its artwork cache, and
// pictures refused for their size are noted here in the order of i. `load(i)` may only write
// what belongs to item i; an exception it throws is thrown here once both threads are done.
void loadOnBothCores(std::size_t n, const std::function<void(std::size_t)>& load);

// Called by the loaders when a picture could not be had: notes it when it is one refused for its
// size and a collector is listening on this thread.
void noteIfRefusedForSize(const std::filesystem::path& path, int maxWidth, int maxHeight);

}  // namespace brambex
