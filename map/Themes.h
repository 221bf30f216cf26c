#pragma once

#include <gd.h>

#include <filesystem>
#include <string>

#include "map/GdImage.h"
#include "map/ProcessState.h"
#include "map/UserError.h"

namespace brambex {

// Counts the installed themes (theme folders 0, 1, 2, ... with a soil picture, stopping at the
// first gap) into themeCount.
int countThemes();

// The one-time "Missing files" warning the shell shows when countThemes finds none.
UserError missingThemesWarning();

// The "themeid:" value of a theme's settings.txt (the last such line wins; a number that does not
// parse gives 0), or `current` when the theme has no settings file.
int readThemeId(const DataFolders& folders, int theme, int current);

// Lays the soil picture, tiled from the top-left corner, under a true-colour map: the map's
// `land` colour shows the soil and translucent pixels are blended onto it. The map then has no
// transparent colour. False (the map unchanged) when the soil picture is missing or unreadable:
// the land then stays plain.
bool textureWithSoil(gdImagePtr map, const std::filesystem::path& soilPath, int land);

// Draws grass strips down from top edges and roots strips up from bottom edges of `picture`,
// using the textures of the chosen theme. `mode` 0, 1 or 2 sets where the strips sit
// (grass above the surface, half and half, or grass and roots inside the land).
void applyGrassAndRoots(gdImagePtr picture, gdImagePtr edges, int topColour, int bottomColour, int mode,
                        const DataFolders& folders, int theme);

}  // namespace brambex
