#pragma once

#include "map/Generator.h"

namespace brambex {

// SuperSheeper: a maze of tiles with loops (a passage into an already visited cell opens one time
// in sixteen), empty rows left at the bottom by Padding and filled as land, then textured with
// grass, roots and theme objects.
class SuperSheeper : public Generator {
public:
    // What this type reads of the parameters, taken when it is made.
    struct Settings {
        int pathSize = 300;
        int padding = 1;
        int objects = 75;
    };

    // Made from its settings, the common choices and the size asked for.
    SuperSheeper(const Settings& settings, const CommonSettings& common, int width, int height);
    const Settings settings;
    void generate() override;

    // Rows of tiles after padding: lowered one at a time, at most `padding` times, never below 3.
    static int paddedRows(int rows, int padding);
};

}  // namespace brambex
