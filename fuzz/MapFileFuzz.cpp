#include "fuzz/MapFileFuzz.h"

#include "map/Map.h"
#include "map/GdImage.h"
#include "map/ProcessState.h"
#include "mapfile/MapInfo.h"
#include "mapfile/MapLoader.h"

int fuzzMapFile(const std::uint8_t* data, std::size_t size) {
    using namespace brambex;
    prepareLibraries();
    const Bytes file(data, data + size);
    std::uint32_t seed = 0;
    int a = 0, b = 0;
    std::int32_t water = 0;
    readSmallChunk(file, "bXRK", &seed, &a, &b);
    readSmallChunk(file, "inDI", nullptr, nullptr, nullptr);
    readLevelChunk(file, &water);
    describeMapFile(file);
    Map loaded;
    loadMapFromBytes(loaded, file, false, installedTypes, currentFolders());
    return 0;
}
