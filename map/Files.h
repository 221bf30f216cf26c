#pragma once

#include <cstdio>
#include <filesystem>
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

// True when `path` may be replaced: it is absent (and its folder exists) or it is a regular
// file whose permission bits allow writing.
bool targetWritable(const std::filesystem::path& path);

// Writes `bytes` to a temporary file in the target's folder and renames it over `path`, so a
// failure half-way leaves whatever was there before. False when anything failed. `durable`
// flushes the data to disk before the rename (maps yes, scratch previews no).
bool replaceFileContents(const std::filesystem::path& path, const std::vector<unsigned char>& bytes,
                         bool durable = true);

// What every failed write of the program tells the user ("File write error").
UserError writeError(const std::filesystem::path& path);

// printf-style formatting into a std::string.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace brambex
