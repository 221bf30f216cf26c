#include "fuzz/MapFileFuzz.h"

#include <algorithm>
#include <string>

#include "generators/MapRecipe.h"
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
    // The map code a file carries, and the bytes themselves as a pasted code: a code that parses
    // must come back as the same text.
    for (const std::string& text : {loaded.code, std::string(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(size, 300)))}) {
        const ParsedCode parsed = parseMapCode(text);
        if (parsed.recipe && mapCode(*parsed.recipe).empty()) __builtin_trap();
        if (parsed.recipe) {
            std::string trimmed = text;
            trimmed.erase(0, trimmed.find_first_not_of(" \t\r\n"));
            trimmed.erase(trimmed.find_last_not_of(" \t\r\n") + 1);
            if (mapCode(*parsed.recipe) != trimmed) __builtin_trap();
        }
    }
    return 0;
}
