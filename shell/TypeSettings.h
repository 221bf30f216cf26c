#pragma once

#include <functional>

#include "map/MapTypes.h"
#include "map/ProcessState.h"

namespace brambex {

// Control numbers the settings reader moves when the window exists.
namespace control {
constexpr int BNA_OBJECTS = 1036;
constexpr int PADS = 1039;
constexpr int PADDING = 1040;
constexpr int COMPLEXITY = 1041;
constexpr int OBJECTS = 1042;
constexpr int WIDTH = 1066;
constexpr int HEIGHT = 1067;
constexpr int PATH_SIZE = 1068;
constexpr int NO_TOP_SOIL = 1078;
constexpr int NUM_ISLANDS = 1080;
constexpr int SMOOTHING = 2000;  // the smoothing list the window adds of its own
}  // namespace control

// One key of a settings file: the word, the accepted range, the parameter and its control.
// `field` is none for "soil", the one on/off key (`noTopSoil`, written as 0 or 1).
struct SettingKey {
    const char* key;
    int min, max;
    int GenerationParameters::*field;
    int control;
};

// data/<folder>/settings.dat of the map type: read when the type becomes the selected one.
// Unknown words, out-of-range numbers and lines after the 51st are ignored; a key matches when
// the word contains it (so "maxwidth" counts as "width"), the type's keys tried in reader order.
void loadTypeSettings(MapType type);

// Writes the type's keys in their fixed order (Fort and Roper files are written empty). Reports
// a failure to the user itself; false when nothing was written.
bool saveTypeSettings(MapType type);

// Set by the window: moves a control to a value read from a settings file.
void setSettingsControlHook(std::function<void(int control, int value)> hook);

}  // namespace brambex
