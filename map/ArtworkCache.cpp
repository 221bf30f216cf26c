#include "map/ArtworkCache.h"
#include "map/Translate.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>

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

void loadOnBothCores(std::size_t n, const std::function<void(std::size_t)>& load) {
    ArtworkCache* const cache = installed;
    std::vector<std::string>* const notes = refusedNotes;
    std::vector<std::vector<std::string>> itemNotes(notes ? n : 0);
    std::vector<std::exception_ptr> failures(n);
    std::atomic<std::size_t> next{0};
    // Both threads take the next item not yet taken, so neither waits while the other has work.
    auto work = [&] {
        const UseArtworkCache useCache(cache);
        for (std::size_t i = next++; i < n; i = next++) {
            const CollectRefusedArtwork collect(notes ? &itemNotes[i] : nullptr);
            try {
                load(i);
            } catch (...) {
                failures[i] = std::current_exception();
            }
        }
    };
    std::thread second;
    if (n >= 2 && std::thread::hardware_concurrency() > 1) {
        try {
            second = std::thread(work);
        } catch (const std::system_error&) {
            // No second thread to be had: this one does all the items.
        }
    }
    work();
    if (second.joinable()) second.join();
    if (notes)
        for (const auto& item : itemNotes)
            for (const std::string& note : item)
                if (std::find(notes->begin(), notes->end(), note) == notes->end()) notes->push_back(note);
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

void noteIfRefusedForSize(const std::filesystem::path& path, int maxWidth, int maxHeight) {
    if (!refusedNotes) return;
    const std::optional<PngLayout> layout = scanPngFile(path);
    if (!layout || (layout->width <= maxWidth && layout->height <= maxHeight)) return;
    const std::string note = formatText(translate("Messages", "%s is %d x %d, over the %d x %d limit for this artwork: left out.").c_str(), path.c_str(),
                                        layout->width, layout->height, maxWidth, maxHeight);
    if (std::find(refusedNotes->begin(), refusedNotes->end(), note) == refusedNotes->end()) refusedNotes->push_back(note);
}

}  // namespace brambex
