#pragma once

#include <vector>

#include "map/Generator.h"
#include "map/PointList.h"

namespace brambex {

// Roper: open air with rocks to swing from on a rope. See Roper.cpp for the design.
class Roper : public Generator {
public:
    struct Settings {};  // Roper has no parameters of its own
    // Made from its settings and the common choices (always 1920 x 696, whatever size is asked).
    Roper(const Settings& settings, const CommonSettings& common, int width, int height);
    void generate() override;

    // One rock: where it is and how far it reaches (its outline stays inside this circle).
    struct Rock {
        int cx, cy, reach;
        bool ledge;
    };
    // The rocks of a run and their finished outlines (for tests).
    std::vector<Rock> rocks;
    std::vector<std::vector<Point>> outlines;

    // The air between two rocks' reach (negative when they could touch).
    static double clearance(const Rock& a, const Rock& b);

    // Space kept clear around the map's edges and between two rocks.
    static constexpr int EDGE = 70;
    static constexpr int GAP = 46;

private:
    void placeRocks();
    std::vector<Point> rockOutline(const Rock& rock) const;
};

}  // namespace brambex
