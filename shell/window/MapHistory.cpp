#include "shell/window/MapHistory.h"

namespace brambex {

void MapHistory::add(Entry entry) {
    if (position_ + 1 < static_cast<int>(entries_.size())) entries_.resize(static_cast<std::size_t>(position_ + 1));
    entries_.push_back(std::move(entry));
    if (entries_.size() > SIZE) entries_.erase(entries_.begin());
    position_ = static_cast<int>(entries_.size()) - 1;
    shown_ = position_;
}

void MapHistory::keepEdited(std::unique_ptr<Map> map, std::optional<std::filesystem::path> file) {
    if (!contains(shown_)) return;
    Entry& entry = entries_[static_cast<std::size_t>(shown_)];
    entry.edited = std::move(map);
    entry.file = std::move(file);
}

void MapHistory::followLive(const RunRequest& request) {
    if (!contains(position_)) return;
    Entry& entry = entries_[static_cast<std::size_t>(position_)];
    entry.request = request;
    entry.edited.reset();
    entry.file.reset();
    shown_ = position_;
}

}  // namespace brambex
