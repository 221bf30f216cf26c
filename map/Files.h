#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "map/UserError.h"

namespace brambex {

using Bytes = std::vector<unsigned char>;

// Opens a regular file for reading, or gives none. Folders, pipes and devices are refused without
// waiting: a pipe where a map or a theme file should be must not hang the program.
std::FILE* openForReading(const std::filesystem::path& path);

// True when the file can be opened for reading (the presence test used for markers and artwork).
bool fileOpens(const std::filesystem::path& path);

// Reads a whole regular file; false when it cannot be read.
bool readWholeFile(const std::filesystem::path& path, std::vector<unsigned char>& bytes);

// The first `maxBytes` bytes of a small text file (a theme's settings or name); none when it is
// no regular file that opens. Whatever follows is never read, however large the file.
constexpr std::size_t MAX_TEXT_FILE = 4096;
std::optional<std::string> readTextStart(const std::filesystem::path& path, std::size_t maxBytes = MAX_TEXT_FILE);

// True when `path` may be replaced: it is absent (and its folder exists) or it is a regular
// file whose permission bits allow writing.
// 0 when a file may be written at `path` (replacing a regular file, or new in a folder that
// exists and may be written), else the reason as an errno value.
int whyNotWritable(const std::filesystem::path& path);
bool targetWritable(const std::filesystem::path& path);

// Writes `bytes` to a temporary file in the target's folder and renames it over `path`, so a
// failure half-way leaves whatever was there before; temporary files that killed saves of the
// same target left behind are removed after a successful save. A symbolic link is followed: the
// file it points to is replaced. `durable` flushes the data to disk before the rename (maps yes,
// scratch previews no). The error to show when nothing was written.
// `mayReplace`, when given, is asked last, just before the rename: when it says no, the
// temporary file goes and the old file stays (the result is a failure captioned "Stopped").
Failure replaceFileContents(const std::filesystem::path& path, const std::vector<unsigned char>& bytes,
                            bool durable = true, const std::function<bool()>& mayReplace = {});

// The caption of a write that was not made because `mayReplace` said no.
constexpr const char* STOPPED_CAPTION = "Stopped";

// The file a chain of symbolic links ends at (the path itself when it is no link).
std::filesystem::path followLinks(std::filesystem::path path);

// What every failed write of the program tells the user ("File write error"), with the system's
// reason (errno) after it when that says more than "read only".
UserError writeError(const std::filesystem::path& path, int reason = 0);

// A decimal whole number from 0 to `max` and nothing else (no sign, spaces or trailing text).
bool parseWholeNumber(const char* text, unsigned long long max, unsigned long long& value);

// printf-style formatting into a std::string.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace brambex
