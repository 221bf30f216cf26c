#pragma once

#include "map/GdImage.h"

namespace brambex {

// Classes of the edge map, stored as these colours in a true-colour picture.
enum class EdgeClass : int {
    None = 0x000000,    // everything else, and the whole bottom row
    Top = 0xFF0000,     // empty pixel with land below: the air just above a surface
    Bottom = 0x00FF00,  // land pixel with empty below: the lowest land above a hollow
    Left = 0x0000FF,    // empty pixel with land to its right
    Right = 0xFF00FF,   // land pixel with empty to its right
};

// Classifies every pixel of `picture` (exact colour tests against `empty` and `land`). Returns
// the edge picture, or none when it cannot be allocated; the four class colours come back
// through the out-parameters.
ImagePtr buildEdgeMap(gdImagePtr picture, int empty, int land, int& top, int& bottom, int& left,
                      int& right);

}  // namespace brambex
