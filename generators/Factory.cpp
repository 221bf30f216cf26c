#include "generators/Factory.h"

#include "generators/Cavern.h"
#include "generators/Island.h"
#include "map/ProcessState.h"

namespace brambex {

bool generatorExists(MapType type) { return type == MapType::Cavern || type == MapType::Island; }

std::unique_ptr<Generator> makeGenerator(MapType type) {
    switch (type) {
        case MapType::Cavern: return std::make_unique<Cavern>();
        case MapType::Island: return std::make_unique<Island>();
        default: return nullptr;
    }
}

Generator* createGenerator(int listPosition) {
    static constexpr MapType factoryOrder[] = {
        MapType::BnA,    MapType::Cavern, MapType::Fort,         MapType::Roper,          MapType::Shopper,
        MapType::WforW,  MapType::Island, MapType::RR,           MapType::SuperSheeper,   MapType::SuperSheepRace,
    };
    MapType chosen = MapType::BnA;
    for (MapType type : factoryOrder) {
        if (installedTypes.installed(type) && installedTypes.listIndex(type) == listPosition) {
            chosen = type;
            break;
        }
    }
    currentGenerator = makeGenerator(chosen);
    return currentGenerator.get();
}

}  // namespace brambex
