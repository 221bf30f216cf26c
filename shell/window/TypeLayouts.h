#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "map/MapTypes.h"

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
    Mirror = 2001,     // the Mirror option of the types that allow it
    Teams = 2002,      // how many teams the playability figures are for
};

struct SliderRange {
    Control slider;
    int min, max;
};

struct SliderPosition {
    Control slider;
    int value;
};

// How the window shows a map type: its status text, controls and slider ranges.
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

// The layout of each map type, by type.
const WindowLayout& windowLayout(MapType type);

}  // namespace brambex
