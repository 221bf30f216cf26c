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

struct MapRecipe;

// One key of a settings file: the word, the range it is accepted in, and the parameter it sets.
// "soil" is the one on/off key (`noTopSoil`: any number but 0 is on, written as 0 or 1).
struct SettingKey {
    std::string_view key;
    int min, max;
    int GenerationParameters::*field;
};

// Everything the program knows about one map type, in one place.
struct TypeRow {
    MapType type;
    std::string_view className;

    // The recipe epoch of the type's maps: raised whenever a change to the recipe or the artwork
    // changes the map of any recipe (the golden-maps test says when). A code names its epoch, and
    // a build makes only the epoch in this row, so one code is one map in every version.
    int epoch;

    // A new generator for `recipe` (of this type; the fixed-size types ignore its size).
    std::unique_ptr<Generator> (*make)(const MapRecipe& recipe);
    bool windowFixedSize;  // always 1920 x 696 whatever the sliders say
    bool usesTheme;        // the recipe chooses a theme (Fort and Walk for Weapons have their own art)

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

    // A mirrored map is still a map of this type (the Mirror option: the left half made and
    // mirrored onto the right).
    bool mirrorable = false;

    const MapTypeInfo& info() const { return mapTypeInfo[static_cast<int>(type)]; }
};

// The ten rows, in Game Type list order.
const std::array<TypeRow, MAP_TYPE_COUNT>& typeTable();
const TypeRow& typeRow(MapType type);

// The installed type at a Game Type list position; none when no installed type has it.
std::optional<MapType> typeAtListPosition(int listPosition);

}  // namespace brambex
