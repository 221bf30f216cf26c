#pragma once

#include "map/GdImage.h"

namespace brambex {

// Replaces the picture in the slot by a true-colour copy whose key colour (0,0,0) is
// transparent: fully transparent pixels become (0,0,0), partly transparent ones are blended
// over black. An empty slot stays empty; a copy that cannot be made empties the slot.
void normaliseObjectPicture(ImagePtr& slot);

// A left-to-right mirror of a normalised picture (itself normalised); none if it cannot be made.
ImagePtr mirrorObjectPicture(gdImagePtr picture);

}  // namespace brambex
