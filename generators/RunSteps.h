#pragma once

#include "map/Generator.h"

namespace brambex {

// The closing steps most map types share, in the order a recipe calls them.

// Edge map of the land; grass and roots in `grassMode` (0, 1 or 2); theme objects when
// `withObjects`, `objects` in 1000 per edge pixel. Sets themeNumber to the chosen theme. Nothing when the edge map cannot be made.
void textureLand(Generator& g, int grassMode, bool withObjects, int objects = 0);

// The soil of the chosen theme under all land.
void applyThemeSoil(Generator& g);

// (0,0) empty, and the marker pixel at the bottom row, left of centre (its position kept in the
// generator).
void setReservedPixels(Generator& g);

// With the Mirror option: the left half mirrored onto the right (a column in the middle of an odd
// width stays), weapon pads of the left half mirrored with it and those of the right dropped,
// then the waiting caption cut. Nothing without it.
void mirrorIfChosen(Generator& g);

// The theme's settings and the two previews, made in memory (the shell writes them).
void finishRun(Generator& g);

}  // namespace brambex
