#pragma once

#include <string>
#include <vector>

#include "map/Generator.h"
#include "map/PointList.h"

namespace brambex {

// SuperSheep Race: solid land with one winding tunnel from the left edge to the right edge, carved
// with a round brush along a course of way points that never comes close to itself.
// The most complexity a run takes (the window's slider stops there; a settings file may not
// ask for more).
constexpr int MAX_RACE_COMPLEXITY = 50;

class SuperSheepRace : public Generator {
public:
    // What this type reads of the parameters, taken when it is made.
    struct Settings {
        int pathSize = 70;
        int complexity = 20;
        int smoothing = 0;  // 0 none, 1 some corners, 2 every corner
    };

    // Made from its settings, the common choices and the size asked for.
    SuperSheepRace(const Settings& settings, const CommonSettings& common, int width, int height);
    const Settings settings;
    void generate() override;

    // Way points scattered over the map: n of them, kept apart by a distance that shrinks with
    // every rejection in a row (s: the map's area in 1920 x 696 maps). The first is moved to
    // (0, 120), the last to the right edge.
    std::vector<Point> scatter(int n, double s) const;
    // Chains the points into a course: the first half greedily from the first point, the second
    // from the last point backwards, joined.
    static std::vector<Point> order(std::vector<Point> points);
    // Shapes the course so it never touches itself (see the rule in the source); false when 10000
    // passes do not settle. `passes` reports how many were made.
    bool keepApart(std::vector<Point>& course, int pathSize, int& passes) const;
    // Smoothing modes 1 and 2: curve points at 0.25, 0.5 and 0.75 of each segment (mode 1: of the
    // segments a draw picks).
    static std::vector<Point> rounded(const std::vector<Point>& course, int mode);

    // "Brambex v0.6.2 beta <width>x<height>x<path size>", cut into the land at (370, 32).
    static std::string caption(int width, int height, int pathSize);

    // Copies the 100 x 100 of `marker` at (x, y) that is not white onto the land of `map` only: a
    // marker whose square the course crosses shows in the rock on both sides and never narrows
    // the course (a start marker across a steep start once left the sheep 9 px).
    static void stampOnLand(gdImagePtr map, gdImagePtr marker, int x, int y);
    // Drags `brush` (p x p, white see-through) along the course, a stamp at every pixel step of
    // each segment. With `rowUnions`, a disc-like brush fills each map row once a segment.
    static void carveCourse(gdImagePtr image, const std::vector<Point>& course, gdImagePtr brush, bool rowUnions);

    // The finished course (for tests).
    std::vector<Point> course;
    int shapingPasses = 0;
    int rebuilds = 0;

private:
    void carve(int pathSize);
    void stampMarkers(int pathSize);
};

// The smallest distance between a course point and a segment of the course whose ends are both
// more than `apart` places away from it (what the keep-apart rule guarantees).
double closestApproach(const std::vector<Point>& course, int apart);

}  // namespace brambex
