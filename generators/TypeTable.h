#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "map/Generator.h"
#include "map/MapTypes.h"
#include "map/ProcessState.h"

namespace brambex {

// The main window's controls, by the numbers the program has always used for them. Only data
// here: the window (shell/) gives them their widgets.
enum class Control : int {
    Status = 1000,
    Preview = 1006,
    ThemePreview = 1007,
    ResetAll = 1011,
    GameType = 1018,
    Water = 1019,
    SaveMap = 1029,
    LoadMap = 1030,
    Algorithm = 1032,
    Layout = 1033,
    Random = 1034,
    Manual = 1035,
    BnaObjects = 1036,
    Generate = 1037,
    ShowTransparency = 1038,
    Pads = 1039,
    Padding = 1040,
    Complexity = 1041,
    Objects = 1042,
    StylePreview = 1043,
    Style = 1044,
    Theme = 1045,
    BnaObjectsLabel = 1046,
    PadsLabel = 1047,
    ForceFullColour = 1048,
    WidthLabel = 1049,
    HeightLabel = 1050,
    PathSizeLabel = 1051,
    PaddingLabel = 1052,
    Brick = 1053,
    Modify = 1054,
    ComplexityLabel = 1055,
    ObjectsLabel = 1056,
    Grass = 1065,
    Width = 1066,
    Height = 1067,
    PathSize = 1068,
    WidthValue = 1069,
    HeightValue = 1070,
    WaterLabel = 1071,
    PathSizeValue = 1072,
    EditMap = 1073,
    SaveSettings = 1077,
    NoTopSoil = 1078,
    IslandsLabel = 1079,
    Islands = 1080,
    IslandsValue = 1081,
    CavesLabel = 1082,
    Smoothing = 2000,  // the SuperSheep Race smoothing list, which the window adds of its own
};

// One key of a settings file: the word, the range it is accepted in, and the parameter it sets.
// `field` is none for "soil", the one on/off key (`noTopSoil`, written as 0 or 1).
struct SettingKey {
    std::string_view key;
    int min, max;
    int GenerationParameters::*field;
};

struct SliderRange {
    Control slider;
    int min, max;
};

struct SliderPosition {
    Control slider;
    int value;
};

// How the window shows a map type (the per-type table of the main window).
struct WindowLayout {
    std::string_view statusText;
    std::vector<Control> shown;          // shown and enabled
    std::vector<Control> manualOnly;     // shown, enabled only in Manual mode
    bool size = false;                   // the width and height sliders, labels and values
    bool theme = false;                  // the theme list (enabled in Manual mode)
    std::vector<SliderRange> ranges;     // set every time the type is shown
    std::vector<SliderRange> rangesOnChange;        // set when the type changes
    std::vector<SliderPosition> positionsOnChange;  // set when the type changes
    int sizeResetHeight = 0;             // when the type changes: sizes reset, height to this (0: no reset)
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

    WindowLayout window;

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
