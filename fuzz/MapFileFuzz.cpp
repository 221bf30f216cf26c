#include "fuzz/MapFileFuzz.h"

#include "map/Generator.h"
#include "map/GdImage.h"
#include "map/ProcessState.h"
#include "mapfile/MapInfo.h"
#include "mapfile/MapLoader.h"

namespace {

class Loaded : public brambex::Generator {
public:
    Loaded() : Generator(brambex::MapType::Cavern, brambex::params, 8, 8) {}
    void refreshTypeIndex() override {}
};

}  // namespace

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
    Loaded generator;
    loadMapFromBytes(generator, file, false);
    return 0;
}
