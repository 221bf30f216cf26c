#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace brambex {

// The ten map types in Game Type list order. The order is fixed: list positions, the data
// folders and the type byte of a saved map all follow it.
enum class MapType : int {
    BnA = 0,
    Cavern,
    Fort,
    Island,
    Roper,
    RR,
    Shopper,
    SuperSheepRace,
    SuperSheeper,
    WforW,
};

constexpr int MAP_TYPE_COUNT = 10;

struct MapTypeInfo {
    std::string_view folder;         // data/<folder>/
    std::string_view listText;       // Game Type list entry
    std::string_view registryEntry;  // piece of the "Types" registry value
    std::string_view commandName;    // name after -t
};

constexpr std::array<MapTypeInfo, MAP_TYPE_COUNT> mapTypeInfo{{
    {"bna", "Bow and Arrow", "bna=Bow and Arrow;", "bna"},
    {"cavern", "Cavern", "cavern=Cavern;", "cavern"},
    {"fort", "Fort", "fort=Fort;", "fort"},
    {"island", "Island", "island=Island;", "island"},
    {"roper", "Roper", "roper=Roper;", "roper"},
    {"rr", "RopeRace", "rr=RopeRace;", "rr"},
    {"shopper", "Shopper", "shopper=Shopper;", "shopper"},
    {"ssrace", "SuperSheep Race", "ssrace=SuperSheepRace;", "ssrace"},
    {"supersheeper", "SuperSheeper", "ss=SuperSheeper;", "ss"},
    {"wfw", "Walk for Weapons", "wfw=Walk for Weapons;", "wfw"},
}};

constexpr std::string_view typeFolder(MapType type) {
    return mapTypeInfo[static_cast<int>(type)].folder;
}

// Facts a loaded map needs of its type without the code that makes it: Cavern is the one type
// with a roof (the game reads it from the file); Roper's maps are of level kind 2.
constexpr bool typeHasRoof(MapType type) { return type == MapType::Cavern; }
constexpr int typeLevelKind(MapType type) { return type == MapType::Roper ? 2 : 0; }

// Which types are installed and where each sits in the Game Type list. Written once at
// start-up; installed types are numbered 0, 1, 2, ... in table order.
struct InstalledTypes {
    std::array<bool, MAP_TYPE_COUNT> typeInstalled{};
    std::array<int, MAP_TYPE_COUNT> typeListIndex{};

    bool installed(MapType type) const { return typeInstalled[static_cast<int>(type)]; }
    int listIndex(MapType type) const { return typeListIndex[static_cast<int>(type)]; }
    // The installed type at a Game Type list position; none when no installed type has it.
    std::optional<MapType> atListPosition(int listPosition) const {
        // Installed types have distinct positions: at most one matches.
        for (int t = 0; t < MAP_TYPE_COUNT; ++t)
            if (typeInstalled[static_cast<std::size_t>(t)] && typeListIndex[static_cast<std::size_t>(t)] == listPosition)
                return static_cast<MapType>(t);
        return std::nullopt;
    }
};

}  // namespace brambex
