#pragma once

#include <vector>

#include "map/Generator.h"

namespace brambex {

// Walk for Weapons: a building of tiles that join at marked connection points, bricked with the
// stamps of one block set, with nodes and weapon pads. See WforW.cpp for the geometry.
class WforW : public Generator {
public:
    WforW();
    void generate() override;

    // A connection point of a placed tile, in map coordinates.
    struct Point {
        int x, y, type;
        bool taken;
    };
    // What the run placed (for tests): tiles by top-left corner and number, the pad and node spots.
    struct Placed {
        int x, y, tile;
        bool attached;
    };
    std::vector<Placed> placed;
    std::vector<Point> points;
    std::vector<std::pair<int, int>> padSpots, nodeSpots;
    int nodeSets = 0, setNumber = 0;

    static int complementOf(int type) { return type ^ 1; }
};

}  // namespace brambex
