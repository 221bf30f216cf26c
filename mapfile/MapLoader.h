#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <gd.h>

#include "mapfile/PngChunks.h"

namespace brambex {

struct Map;
struct DataFolders;
struct InstalledTypes;

// Chunk readers over a file's bytes. readSmallChunk compares the type without regard to case
// (so "bXRK" finds "bxRk"); readLevelChunk wants exactly "waLV". Out-parameters are written only
// on a match and may be null.
bool readSmallChunk(const Bytes& file, std::string_view type, std::uint32_t* seed, int* byte1, int* byte2);
bool readLevelChunk(const Bytes& file, std::int32_t* water);

// The first pixel, row by row from the top and left to right in a row, whose colour is a marker
// colour, (242,24,204) or (240,24,204); gives its position and red value. False when there is none.
bool findMarkerPixel(gdImagePtr picture, int& column, int& row, int& red);

// The marker search of a loaded map: true when the marker is the IndiMask colour (240,24,204),
// false when it is (242,24,204) or absent (then the out-parameters are left alone).
bool findMarker(gdImagePtr picture, int& column, int& row);

// The map code a file keeps in its text chunk; empty when it has none.
std::string readMapCode(const Bytes& file);

// Restores a map from a file's bytes into `map`: the picture, its size, the marker and IndiMask,
// the seed, type, theme and water colour its chunks record (a picture without them has no
// identity: hasIdentity false, seed 0) and its code; with `makePreviewPictures` the previews in
// memory. The type is the installed one at the list position the file records (`map.type` is
// kept when none is); the theme's id is read from `folders`. False, and nothing restored but the
// picture's absence, when the bytes are not a picture that can be read.
bool loadMapFromBytes(Map& map, const Bytes& file, bool makePreviewPictures, const InstalledTypes& installed,
                      const DataFolders& folders);

// The map a file holds (a Bow and Arrow map when its type is none installed here); none when it
// cannot be read.
std::unique_ptr<Map> loadMapFile(const Bytes& file, const InstalledTypes& installed, const DataFolders& folders);

}  // namespace brambex
