#pragma once

#include "map/Generator.h"

namespace brambex {

// Rope Race: a perfect maze of tiles over the whole map, carved from a start cell off the
// border; grass and roots on its land unless "No Top Soil" is set.
class RR : public Generator {
public:
    // What this type reads of the parameters, taken when it is made.
    struct Settings {
        int pathSize = 232;
        int noTopSoil = 0;  // 1: soil only, no grass or roots
    };

    // Made from its settings, the common choices and the size asked for.
    RR(const Settings& settings, const CommonSettings& common, int width, int height);
    const Settings settings;
    void generate() override;

    // The cell size of a run: the path size, 174 when it is 0.
    static int cellSize(int pathSize) { return pathSize > 0 ? pathSize : 174; }
};

}  // namespace brambex
