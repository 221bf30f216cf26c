#pragma once

#include "map/MapTypes.h"
#include "map/ProcessState.h"
#include "map/UserError.h"

namespace brambex {

// data/<folder>/settings.dat of the map type, read into `parameters` (the window's, when the type
// becomes the selected one, or the command line's own). Unknown words,
// out-of-range numbers and lines after the 51st are ignored; a key matches when the word
// contains it (so "maxwidth" counts as "width"), the type's keys tried in reader order.
void loadTypeSettings(MapType type, GenerationParameters& parameters);

// Writes the type's keys in their fixed order (Fort and Roper files are written empty). The
// error to show when nothing was written.
Failure saveTypeSettings(MapType type, const GenerationParameters& parameters);

}  // namespace brambex
