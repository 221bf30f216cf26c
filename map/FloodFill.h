#pragma once

#include <gd.h>

namespace brambex {

// Fills the 4-connected region of pixels equal to the start pixel with `colour`, written as is
// (no blending). Same result as gdImageFill, but it works on pictures of any size (libgd's
// silently does nothing from 536,870,912 pixels on) and leaves the picture's flags alone.
void floodFill(gdImagePtr im, int x, int y, int colour);

}  // namespace brambex
