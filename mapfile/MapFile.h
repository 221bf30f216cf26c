#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "map/Generator.h"
#include "mapfile/PngChunks.h"

namespace brambex {

// Writes the map of currentGenerator to `path` (".png" is appended when the path has none):
// a palette of at most 64 colours with the empty colour at index 0 and the marker entry, or a
// true-colour picture when `forceFullColour` is set; then the "waLV", "bxRk" and, with an
// IndiMask, "inDI" chunks before IEND. The whole file is assembled first and then replaces the
// target in one step. False (after a message to the user) when nothing was written.
bool saveMap(std::filesystem::path path, bool forceFullColour);

// The file bytes saveMap writes for `generator` (no disk access), or why there are none.
struct EncodedMap {
    Bytes bytes;
    std::string error;  // empty when `bytes` holds the file
};
EncodedMap encodeMap(Generator& generator, bool forceFullColour);

// Steps of saveMap, public for tests.
ImagePtr quantizeForSave(gdImagePtr trueColour);  // none when libgd refuses (very large pictures)
void moveToIndexZero(gdImagePtr palette, int index);
Bytes levelChunk(const Generator& generator);
Bytes smallChunk(std::string_view type, std::uint32_t seed, int byte1, int byte2);

// Insert one chunk directly before the final IEND of an existing PNG file (the file is rewritten
// in one step). False when the file cannot be read, does not end with IEND, or cannot be written.
bool appendLevelChunk(const std::filesystem::path& path, const Generator& generator);
bool appendSmallChunk(const std::filesystem::path& path, std::string_view type, std::uint32_t seed,
                      int byte1, int byte2);

// "name" -> "name.png"; a path that contains ".png" anywhere is kept.
std::filesystem::path withPngExtension(const std::filesystem::path& path);

// The message and caption every failed write of the program shows.
void reportWriteError(const std::filesystem::path& path);

}  // namespace brambex
