#include "map/Files.h"
#include "map/Translate.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace brambex {

namespace fs = std::filesystem;

std::FILE* openForReading(const fs::path& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return nullptr;
    }
    std::FILE* f = fdopen(fd, "r");
    if (!f) close(fd);
    return f;
}

bool fileOpens(const fs::path& path) {
    std::FILE* f = openForReading(path);
    if (!f) return false;
    std::fclose(f);
    return true;
}

bool readWholeFile(const fs::path& path, std::vector<unsigned char>& bytes) {
    bytes.clear();
    std::FILE* f = openForReading(path);
    if (!f) return false;
    unsigned char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

std::optional<std::string> readTextStart(const fs::path& path, std::size_t maxBytes) {
    std::FILE* f = openForReading(path);
    if (!f) return std::nullopt;
    std::string text(maxBytes, '\0');
    const std::size_t got = std::fread(text.data(), 1, maxBytes, f);
    std::fclose(f);
    text.resize(got);
    return text;
}

int whyNotWritable(const fs::path& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return EISDIR;
        if (!S_ISREG(st.st_mode)) return EINVAL;
        // Permission bits, not access(): root may write anything, but a file the user marked
        // read-only must still not be replaced.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0) return EACCES;
        return 0;
    }
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    if (stat(folder.c_str(), &st) != 0) return ENOENT;
    if (!S_ISDIR(st.st_mode)) return ENOTDIR;
    return access(folder.c_str(), W_OK) == 0 ? 0 : errno;
}

bool targetWritable(const fs::path& path) { return whyNotWritable(path) == 0; }

fs::path followLinks(fs::path path) {
    std::error_code ec;
    // A bounded walk: a loop of links ends it like the system's own limit would.
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

namespace {

std::string tempPrefix(const fs::path& path) {
    std::string prefix(1, '.');
    prefix += path.filename().string();
    prefix += '.';
    return prefix;
}

// Temporary files of earlier saves of `path` that were killed half-way. A temporary file
// written to in the last minute may belong to a save still running in another process.
void removeStaleTempFiles(const fs::path& path, const fs::path& folder, const std::string& keep) {
    const std::string prefix = tempPrefix(path);
    const auto now = fs::file_time_type::clock::now();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
        if (it->path().string() == keep || !it->is_regular_file(ec) || it->is_symlink(ec)) continue;
        const auto written = fs::last_write_time(it->path(), ec);
        if (ec || now - written < std::chrono::minutes(1)) continue;
        fs::remove(it->path(), ec);
    }
}

}  // namespace

Failure replaceFileContents(const fs::path& requested, const std::vector<unsigned char>& bytes, bool durable,
                            const std::function<bool()>& mayReplace) {
    // Saving to a link writes the file it points to, and keeps the link.
    const fs::path path = followLinks(requested);
    if (const int reason = whyNotWritable(path)) return writeError(requested, reason);
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    std::string pattern = (folder / (tempPrefix(path) + "XXXXXX")).string();
    int fd = mkstemp(pattern.data());
    if (fd < 0) return writeError(requested, errno);
    int reason = 0;
    std::size_t done = 0;
    while (reason == 0 && done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) reason = n < 0 ? errno : ENOSPC;
        else done += static_cast<std::size_t>(n);
    }
    // Keep the mode an existing file had (mkstemp makes 0600); new files get the usual 0666 & ~umask.
    struct stat st {};
    mode_t mode;
    if (stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (reason == 0 && fchmod(fd, mode) != 0) reason = errno;
    if (reason == 0 && durable && fsync(fd) != 0) reason = errno;
    if (close(fd) != 0 && reason == 0) reason = errno;
    if (reason == 0 && mayReplace && !mayReplace()) {
        std::remove(pattern.c_str());
        return UserError{STOPPED_CAPTION, formatText(translate("Messages", "%s was not written.").c_str(), requested.c_str())};
    }
    if (reason == 0 && std::rename(pattern.c_str(), path.c_str()) != 0) reason = errno;
    if (reason != 0) {
        std::remove(pattern.c_str());
        return writeError(requested, reason);
    }
    removeStaleTempFiles(path, folder, pattern);
    return {};
}

UserError writeError(const fs::path& path, int reason) {
    // A file or folder that may not be written: the program's own question fits. Any other
    // reason (a full disk, a missing folder, a folder in the way) is the system's, said first.
    if (reason == 0 || reason == EACCES || reason == EPERM || reason == EROFS)
        return {translate("Messages", "File write error"),
                formatText(translate("Messages", "Unable to open %s for writing, is file set as read only?").c_str(), path.c_str())};
    return {translate("Messages", "File write error"),
            formatText(translate("Messages", "%s: %s was not written.").c_str(), std::strerror(reason), path.c_str())};
}

bool parseWholeNumber(const char* text, unsigned long long max, unsigned long long& value) {
    if (!*text || !std::isdigit(static_cast<unsigned char>(*text))) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && value <= max;
}

std::string formatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

}  // namespace brambex
