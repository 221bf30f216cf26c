#pragma once

#include <array>
#include <filesystem>
#include <vector>

#include "map/Generator.h"

namespace brambex {

// What "Modify" keeps of a Fort: the hill and the fort's pieces of a run. A run given the memory of an
// earlier run reuses it (tests do; the window makes every map from its recipe).
struct FortMemory {
    bool valid = false;  // a run has stored something
    std::array<int, 768> heights{};
    int topLeft = 0, topRight = 0, middle1Left = 0, middle1Right = 0, middle2Left = 0, middle2Right = 0;
    int bottomSet = 0, bottomLeft = 0, bottomRight = 0;
    std::array<int, 8> colourSwaps{};  // each piece's, rows from the top, left piece first
};

// Fort: a 1920 x 696 duel map of two mirrored halves, each a rolling hill of land with grass and
// a fort stacked from 280 x 170 pieces in a brick. Its artwork is its own (data/fort), not a theme.
class Fort : public Generator {
public:
    // What this type reads of the parameters, taken when it is made.
    struct Settings {
        int fortBrick = 0;  // Manual mode: 0 "Brick", 1 "Granite", 2 "White Stone"
    };

    // Made from its settings and the common choices (always 1920 x 696, whatever size is asked).
    Fort(const Settings& settings, const CommonSettings& common, int width, int height);
    const Settings settings;
    void generate() override;

    // The hill's 129 points (x 1..769, 6 apart), by midpoint displacement; the draws as stated.
    static std::vector<std::pair<int, int>> hillProfile();
    // The 768 column heights between those points; the last is 696.
    static std::array<int, 768> hillHeights(const std::vector<std::pair<int, int>>& points);
    // Folder numbers above 3 count from 0 again ("mod 4" as the pieces use it).
    static int folderOf(int choice) { return choice > 3 ? choice - 4 : choice; }
    // Pure green and pure blue made black or white: swap 1 makes green air and blue brick.
    static void swapColours(gdImagePtr piece, int swap);

    // In: the memory a Modify run (keepSeed) reuses, when valid. Out: this run's hill and pieces.
    // Every value is drawn in every run, reused or not, so the draws after them (the brick) and
    // the map of a seed never depend on what was remembered.
    FortMemory memory;
    // With a remembered memory: a new hill under the remembered pieces.
    bool newHill = false;

    // Draws the fort's pieces into `drawn`, in the recipe's order.
    void drawPieces(FortMemory& drawn) const;

private:
    std::filesystem::path file(const std::filesystem::path& relative) const;
    void drawLand(gdImagePtr half, const std::array<int, 768>& heights) const;
    void drawGrass(gdImagePtr half, const std::array<int, 768>& heights) const;
    // False when the piece's picture could not be had (the piece is left empty).
    bool drawPiece(gdImagePtr half, const std::filesystem::path& piecePath, gdImagePtr brick, int x, int y,
                   bool mirror, int swap) const;
};

}  // namespace brambex
