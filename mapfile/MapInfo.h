#pragma once

#include <optional>
#include <string>

#include "map/Playability.h"
#include "mapfile/PngChunks.h"

namespace brambex {

// Pictures up to this many pixels have their pixels read for --info (the palette, the marker):
// about 128 MB and half a second at most. Larger ones are described from their header and chunks.
constexpr long long MAX_INFO_PIXELS = 32'000'000;

// A map file's size, palette, marker and private chunks in plain words, one fact per line;
// absent chunks are said to be absent. None when the bytes are not a picture the program reads.
// With `course`, the playability figures too (for pictures whose pixels are read).
std::optional<std::string> describeMapFile(const Bytes& file, std::optional<CourseKind> course = std::nullopt);

// What a PNG's header says of its colours ("palette", "true colour with alpha", ...).
std::string colourTypeText(int colourType);

}  // namespace brambex
