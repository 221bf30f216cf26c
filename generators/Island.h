#pragma once

#include <vector>

#include "map/Generator.h"

namespace brambex {

// One or more islands standing on the bottom edge of an empty map, side by side. Each is the
// outline through a cloud of random points, ordered by a nearest-neighbour walk, roughened and
// filled.
class Island : public Generator {
public:
    // What this type reads of the parameters, taken when it is made.
    struct Settings {
        int complexity = 150;
        int numIslands = 1;
        int objects = 80;
    };

    // Made from its settings, the common choices and the size asked for.
    Island(const Settings& settings, const CommonSettings& common, int width, int height);
    const Settings settings;
    void generate() override;

    // Steps of one island, public for tests (all draw from rand() in the order of the run).
    std::vector<Point> pointCloud(int left, int slotWidth, int centre, bool gaps) const;
    void placeFeet(std::vector<Point>& cloud, int left, int right, int slotWidth) const;
    static std::vector<Point> orderOutline(const std::vector<Point>& cloud);
    // The outline of island `i`: cloud, feet, ordering, untangling and roughening (not yet smoothed).
    void islandOutline(PointList& outline, int i, int slotWidth, bool gaps) const;
};

}  // namespace brambex
