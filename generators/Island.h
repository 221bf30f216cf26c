#pragma once

#include <vector>

#include "map/Generator.h"

namespace brambex {

// One or more islands standing on the bottom edge of an empty map, side by side. Each is the
// outline through a cloud of random points, ordered by a nearest-neighbour walk, roughened and
// filled.
class Island : public Generator {
public:
    // Made from `parameters` (by default this process's current ones).
    explicit Island(const GenerationParameters& parameters = params);
    void generate() override;

    // Steps of one island, public for tests (all draw from rand() in the order of the run).
    std::vector<Point> pointCloud(int left, int slotWidth, int centre, bool gaps) const;
    void placeFeet(std::vector<Point>& cloud, int left, int right, int slotWidth) const;
    static std::vector<Point> orderOutline(const std::vector<Point>& cloud);
    // The outline of island `i`: cloud, feet, ordering, untangling and roughening (not yet smoothed).
    void islandOutline(PointList& outline, int i, int slotWidth, bool gaps) const;
};

}  // namespace brambex
