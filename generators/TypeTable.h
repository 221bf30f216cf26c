#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "map/Generator.h"
#include "map/MapTypes.h"
#include "map/Playability.h"
#include "map/ProcessState.h"

namespace brambex {

// One key of a settings file: the word, the range it is accepted in, and the parameter it sets.
// `field` is none for "soil", the one on/off key (`noTopSoil`, written as 0 or 1).
struct SettingKey {
    std::string_view key;
    int min, max;
    int GenerationParameters::*field;
};

// Everything the program knows about one map type, in one place.
struct TypeRow {
    MapType type;
    std::string_view className;

    // A new generator made from `parameters` (the fixed-size types ignore the size in them).
    std::unique_ptr<Generator> (*make)(const GenerationParameters& parameters);
    bool windowFixedSize;  // always 1920 x 696 whatever the sliders say

    // The settings file: keys in the order the reader tries them, and the order they are written.
    // No keys: the file is written empty and never read.
    std::vector<SettingKey> readerKeys;
    std::vector<std::string_view> writerOrder;

    // Command line, "-t <commandName>": parameters set before the settings file is read (from the
    // map's seed where the type has always drawn one there), and parameters set after it.
    void (*commandLinePreset)(GenerationParameters&, std::uint32_t seed);
    void (*commandLineOverride)(GenerationParameters&);

    // Draws every run of this type makes after the source is seeded and before the type's own
    // recipe starts: the ones the command line has always made and discarded, and a theme
    // chosen once more before the run chooses it. They keep the maps old seeds stand for.
    int discardedDraws;
    bool themeDrawnBeforeRun;

    // What the type's maps must reach to count as playable (--playable, the window's marks):
    // standing places, how many reach each other, the narrowest course of a race or maze.
    PlayabilityThresholds playability;

    const MapTypeInfo& info() const { return mapTypeInfo[static_cast<int>(type)]; }
};

// The ten rows, in Game Type list order.
const std::array<TypeRow, MAP_TYPE_COUNT>& typeTable();
const TypeRow& typeRow(MapType type);

// The installed type at a Game Type list position; none when no installed type has it.
std::optional<MapType> typeAtListPosition(int listPosition);

// The factory of Load Map: a generator of the installed type at `listPosition` (Bow and Arrow
// when none has it), made from the current parameters.
std::unique_ptr<Generator> createGenerator(int listPosition);

}  // namespace brambex
