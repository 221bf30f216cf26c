#pragma once

#include "map/GdImage.h"
#include "map/ProcessState.h"

namespace brambex {

// Replaces the picture in the slot by a true-colour copy whose key colour (0,0,0) is
// transparent: fully transparent pixels become (0,0,0), partly transparent ones are blended
// over black. An empty slot stays empty; a copy that cannot be made empties the slot.
void normaliseObjectPicture(ImagePtr& slot);

enum class ObjectKind { Floor, Roof, Left, Right };

// What the probe line of an object picture tells: the line (row for floor and roof, column for
// the walls) that meets the surface, the anchor position along it, and half the width of the
// contact the object needs (0 means the object can never be placed).
struct ObjectProbe {
    int line = 0;
    int anchor = 0;
    int span = 0;
};
ObjectProbe probeObjectPicture(gdImagePtr picture, ObjectKind kind);

// Decorates the land of `picture` with the objects of theme `theme`: scans the edge map (whose
// marker colours are floor, ceiling, left and right), draws the objects that fit into the edge
// map and merges them behind the land. `objects` (0-100) is the chance in 1000 per considered
// marker pixel; `mapWidth` and `mapHeight` are the generator's size. Changes both pictures.
struct ObjectPlacement {
    DataFolders folders;
    int theme = 0;
    int objects = 0;
    int mapWidth = 0;
    int mapHeight = 0;
};
void placeThemeObjects(gdImagePtr picture, gdImagePtr edges, int floorColour, int ceilingColour, int leftColour,
                       int rightColour, int airColour, const ObjectPlacement& placement);

// A left-to-right mirror of a normalised picture (itself normalised); none if it cannot be made.
ImagePtr mirrorObjectPicture(gdImagePtr picture);

}  // namespace brambex
