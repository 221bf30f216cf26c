#pragma once

#include <array>
#include <optional>
#include <vector>

#include "map/Map.h"
#include "mapfile/MapFile.h"

namespace brambex {

// What a made map leaves on disk, encoded in memory: the map file and its two preview files.
struct MapOutputs {
    std::optional<EncodedMap> map;  // none: not encoded yet (the caller decides first)
    std::array<std::vector<unsigned char>, 2> previews;
};

// The command line's finish of a map: its playability measured and its previews made and encoded
// on the second core while the map is quantised and encoded on this one (with `encodeMapNow`;
// otherwise the map is left to encode once its figures are known). The files are byte for byte
// what encoding them one after the other gives.
MapOutputs finishMap(Map& map, bool fullColour, bool encodeMapNow);

}  // namespace brambex
