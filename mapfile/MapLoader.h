#pragma once

#include <cstdint>
#include <string_view>

#include <gd.h>

#include "mapfile/PngChunks.h"

namespace brambex {

class Generator;

// Chunk readers over a file's bytes. readSmallChunk compares the type without regard to case
// (so "bXRK" finds "bxRk"); readLevelChunk wants exactly "waLV". Out-parameters are written only
// on a match and may be null.
bool readSmallChunk(const Bytes& file, std::string_view type, std::uint32_t* seed, int* byte1, int* byte2);
bool readLevelChunk(const Bytes& file, std::int32_t* water);

// The same on the file at currentMapPath.
bool readSmallChunk(std::string_view type, std::uint32_t* seed, int* byte1, int* byte2);
bool readLevelChunk(std::int32_t* water);

// The first pixel, row by row from the top and left to right in a row, whose colour is a marker
// colour, (242,24,204) or (240,24,204); gives its position and red value. False when there is none.
bool findMarkerPixel(gdImagePtr picture, int& column, int& row, int& red);

// The marker search of a loaded map: true when the marker is the IndiMask colour (240,24,204),
// false when it is (242,24,204) or absent (then the out-parameters are left alone).
bool findMarker(gdImagePtr picture, int& column, int& row);

// Loads currentMapPath into currentGenerator (already created for the file's type by the
// caller, with the marker reset) and restores seed, type, theme, water colour and IndiMask
// state, then writes the previews. A missing, damaged or oversized file leaves the generator
// without a picture and restores nothing. True when a picture was loaded.
bool loadMap();

// The same from a file's bytes already read: restores the state into `generator` and, when
// `writePreviewFiles`, writes the previews.
bool loadMapFromBytes(Generator& generator, const Bytes& file, bool writePreviewFiles);

}  // namespace brambex
