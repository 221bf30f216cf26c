#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "map/GdImage.h"

namespace brambex {

// A maze of cols x rows cells carved by a randomised depth-first walk; each cell is later drawn
// with the tile picture that matches its openings. Shared by Rope Race, SuperSheeper and
// Shopper's maze layout.
struct TileMaze {
    // Openings: a passage up (1), right (2), down (4), left (8).
    enum Opening : std::uint32_t { Up = 1, Right = 2, Down = 4, Left = 8 };
    enum State : std::uint32_t { Visited = 1, Start = 2 };

    struct Cell {
        std::uint32_t openings = 0;
        std::uint32_t state = 0;
    };

    int cols = 0, rows = 0;
    int startX = 0, startY = 0;
    std::vector<Cell> cells;  // column by column: cell (x, y) at x * rows + y

    Cell& at(int x, int y) { return cells[static_cast<std::size_t>(x) * rows + y]; }
    const Cell& at(int x, int y) const { return cells[static_cast<std::size_t>(x) * rows + y]; }
    // Passages between neighbouring cells (each counted once).
    int passages() const;
};

// Whether the walk, meeting a cell it already visited, sometimes opens a passage there too:
// SuperSheeper draws a number for each such neighbour and opens when it is 0 mod 16 (loops);
// Rope Race never does (a perfect maze).
enum class MazeLoops { Never, OneInSixteen };

// Draws the start cell (x, then y, until both are off the border) and carves the whole grid from
// it: on entering a cell one draw picks the first of the four directions (up, right, down, left,
// in turn from it); a neighbour is tested when its turn comes, after the walks from earlier
// directions have returned. Runs with a stack of its own, so any grid size is safe.
// The grid must be at least 3 x 3.
TileMaze carveMaze(int cols, int rows, MazeLoops loops);

// The tile number of an openings value (its position in the tile table).
int tileNumber(std::uint32_t openings);

// Draws every visited cell, column by column and top to bottom within a column, with
// <folder>/tile/<n>.png (<folder>/tile/start/<n>.png for the start cell when
// `startTiles`), stretched to tileWidth x tileHeight by nearest neighbour when its size differs,
// its transparent colour skipped. A missing tile leaves its cell as it was.
void drawTileMaze(gdImagePtr image, const TileMaze& maze, int tileWidth, int tileHeight, const std::filesystem::path& folder,
                  bool startTiles);

// The maze step of Rope Race (and of Shopper's maze layout, with its own folder): cols = width / a,
// rows = height / b, tiles width / cols x height / rows, then carveMaze and drawTileMaze.
void buildTileMaze(gdImagePtr image, int cellWidth, int cellHeight, const std::filesystem::path& folder);

}  // namespace brambex
