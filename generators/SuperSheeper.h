#pragma once

#include "map/Generator.h"

namespace brambex {

// SuperSheeper: a maze of tiles with loops (a passage into an already visited cell opens one time
// in sixteen), empty rows left at the bottom by Padding and filled as land, then textured with
// grass, roots and theme objects.
class SuperSheeper : public Generator {
public:
    // Made from `parameters` (by default this process's current ones).
    explicit SuperSheeper(const GenerationParameters& parameters = params);
    void generate() override;

    // Rows of tiles after padding: lowered one at a time, at most `padding` times, never below 3.
    static int paddedRows(int rows, int padding);
};

}  // namespace brambex
