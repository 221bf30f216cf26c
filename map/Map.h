#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "map/GdImage.h"
#include "map/MapTypes.h"
#include "map/Playability.h"
#include "map/Pyramid.h"

#include <memory>

namespace brambex {

// A finished map as a plain value: the picture and everything that travels with it (the identity
// its file records, its code, the previews, the playability). A run leaves one, a loaded file
// gives one; the window, the editor, the file writer and the command line work on it, and none
// of them needs the code that made it.
struct Map {
    MapType type = MapType::BnA;
    ImagePtr image;
    int width = 0;
    int height = 0;

    // The file identity.
    std::uint32_t seed = 12345;  // the random source was seeded with it
    bool hasIdentity = true;     // false for a loaded picture without our chunks: it has no seed
    int typeIndex = 0;           // Game Type list position
    int themeNumber = 0;
    int themeId = 0;
    int levelKind = 0;
    int waterColour = 0;
    int markerX = -1;            // the marker pixel; -1 when none is known
    int markerY = -1;
    bool indiMask = false;       // the marker carries the IndiMask colour

    // The map's code: the whole recipe it was made from as one line of text; empty when it is not
    // known (a plain picture, a file saved before maps carried their code).
    std::string code;

    int chosenTheme = 0;         // the theme this run chose (its theme list shows it afterwards)
    bool themeChosen = false;    // the recipe chose a theme (Fort and Walk for Weapons do not)
    ImagePtr preview, preview2;  // the two previews (400 x 145 and 960 x 737), made in memory
    std::optional<Playability> playability;  // measured on the finished map
    std::vector<PadSpot> weaponPads;         // pads the run drew (their reach is measured)
    // What a view of the map draws from, made beside the map by a run for the window (none: the
    // view makes it when it shows the map).
    std::shared_ptr<const Pyramid> pyramid;

    MapType mapType() const { return type; }
    bool hasRoof() const { return typeHasRoof(type); }
};

}  // namespace brambex
