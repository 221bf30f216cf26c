#include "map/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>

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

bool targetWritable(const fs::path& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;
        // Permission bits, not access(): root may write anything, but a file the user marked
        // read-only must still not be replaced.
        return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && access(path.c_str(), W_OK) == 0;
    }
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && access(folder.c_str(), W_OK) == 0;
}

bool replaceFileContents(const fs::path& path, const std::vector<unsigned char>& bytes, bool durable) {
    if (!targetWritable(path)) return false;
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    std::string name = ".";
    name += path.filename().string();
    name += ".XXXXXX";
    std::string pattern = (folder / name).string();
    int fd = mkstemp(pattern.data());
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) ok = false;
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
    if (ok && fchmod(fd, mode) != 0) ok = false;
    if (ok && durable && fsync(fd) != 0) ok = false;
    if (close(fd) != 0) ok = false;
    if (ok && std::rename(pattern.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) std::remove(pattern.c_str());
    return ok;
}

UserError writeError(const fs::path& path) {
    return {"File write error", formatText("Unable to open %s for writing, is file set as read only?", path.c_str())};
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
