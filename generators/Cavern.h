#pragma once

#include "map/Generator.h"

namespace brambex {

// Solid rock with one or more horizontal caves stacked from top to bottom, each a roughened
// quadrilateral of air. The only map type with a roof.
class Cavern : public Generator {
public:
    // What this type reads of the parameters, taken when it is made.
    struct Settings {
        int complexity = 50;
        int numIslands = 1;  // caves, one above the other
        int objects = 50;    // theme objects per 1000 edge pixels
    };

    // Made from its settings, the common choices and the size asked for.
    Cavern(const Settings& settings, const CommonSettings& common, int width, int height);
    const Settings settings;
    void generate() override;

    // Outline point spacing for a complexity value (1 gives 250, 50 gives 78, 100 gives 76).
    static int spacingFor(int complexity);
    // Corner margin of a band: at least 10, else 5% of the band.
    static int marginFor(int bandHeight);

    // The outline of one cave, shaped and untangled (not yet smoothed); draws the corner margins.
    void caveOutline(PointList& outline, int bandTop, int bandHeight, int margin, int shift, int spacing);
};

}  // namespace brambex
