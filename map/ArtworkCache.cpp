#include "map/ArtworkCache.h"
#include "map/Translate.h"

#include <algorithm>

#include "map/Files.h"
#include "map/PngReader.h"

namespace brambex {

namespace {

thread_local ArtworkCache* installed = nullptr;
thread_local std::vector<std::string>* refusedNotes = nullptr;

// gdImageClone drops a true-colour picture's transparent colour (a decoded grass or roots
// texture has one), so it is put back.
ImagePtr copyOf(gdImagePtr picture) {
    if (!picture) return nullptr;
    ImagePtr copy(gdImageClone(picture));
    if (copy) copy->transparent = picture->transparent;
    return copy;
}

}  // namespace

ImagePtr ArtworkCache::load(const std::filesystem::path& path, int maxWidth, int maxHeight) {
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    if (error) return nullptr;  // missing: nothing to keep
    const std::filesystem::file_time_type time = std::filesystem::last_write_time(path, error);
    if (error) return nullptr;
    const Key key{path, maxWidth, maxHeight};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = entries_.find(key);
        if (it != entries_.end() && it->second.bytes == bytes && it->second.time == time) {
            ++hits_;
            return copyOf(it->second.picture.get());
        }
    }
    // Decoded outside the lock: another run may read other pictures meanwhile.
    ImagePtr picture = loadPngFile(path, maxWidth, maxHeight);
    ImagePtr copy = copyOf(picture.get());
    std::lock_guard<std::mutex> lock(mutex_);
    entries_[key] = Entry{bytes, time, std::move(picture)};
    return copy;
}

std::size_t ArtworkCache::pictures() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return entries_.size();
}

std::size_t ArtworkCache::hits() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return hits_;
}

UseArtworkCache::UseArtworkCache(ArtworkCache* cache) : previous_(installed) { installed = cache; }

UseArtworkCache::~UseArtworkCache() { installed = previous_; }

ArtworkCache* currentArtworkCache() { return installed; }

CollectRefusedArtwork::CollectRefusedArtwork(std::vector<std::string>* notes) : previous_(refusedNotes) {
    refusedNotes = notes;
}

CollectRefusedArtwork::~CollectRefusedArtwork() { refusedNotes = previous_; }

void noteIfRefusedForSize(const std::filesystem::path& path, int maxWidth, int maxHeight) {
    if (!refusedNotes) return;
    const std::optional<PngLayout> layout = scanPngFile(path);
    if (!layout || (layout->width <= maxWidth && layout->height <= maxHeight)) return;
    const std::string note = formatText(translate("Messages", "%s is %d x %d, over the %d x %d limit for this artwork: left out.").c_str(), path.c_str(),
                                        layout->width, layout->height, maxWidth, maxHeight);
    if (std::find(refusedNotes->begin(), refusedNotes->end(), note) == refusedNotes->end()) refusedNotes->push_back(note);
}

}  // namespace brambex
