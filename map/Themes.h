#pragma once

#include <gd.h>

#include <string>

namespace brambex {

// Counts the installed themes (theme folders 0, 1, 2, ... with a soil picture, stopping at the
// first gap) into themeCount; warns once per process when there are none.
int countThemes();

// The text of the one-time "Missing files" warning.
std::string missingThemesText();

// Draws grass strips down from top edges and roots strips up from bottom edges of `picture`,
// using the textures of the chosen theme. `mode` 0, 1 or 2 sets where the strips sit
// (grass above the surface, half and half, or grass and roots inside the land).
void applyGrassAndRoots(gdImagePtr picture, gdImagePtr edges, int topColour, int bottomColour, int mode);

}  // namespace brambex
