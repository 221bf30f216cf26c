#pragma once

#include <optional>
#include <string>

#include "mapfile/PngChunks.h"

namespace brambex {

// A map file's size, palette, marker and private chunks in plain words, one fact per line;
// absent chunks are said to be absent. None when the bytes are not a picture the program reads.
std::optional<std::string> describeMapFile(const Bytes& file);

}  // namespace brambex
