#pragma once

#include <array>
#include <filesystem>
#include <vector>

#include "map/Generator.h"

namespace brambex {

// Walk for Weapons: a building of tiles that join at marked connection points, bricked with the
// stamps of one block set, with nodes and weapon pads. See WforW.cpp for the geometry.
class WforW : public Generator {
public:
    // What this type reads of the parameters, taken when it is made.
    struct Settings {
        int pads = 50;  // weapon pads wanted; the building aims at pads + 5 pieces
    };

    // Made from its settings and the common choices (always 1920 x 696, whatever size is asked).
    WforW(const Settings& settings, const CommonSettings& common, int width, int height);
    const Settings settings;
    void generate() override;

    // A connection point of a placed tile, in map coordinates.
    struct Point {
        int x, y, type;
        bool taken;
    };
    // What the run placed (for tests): tiles by top-left corner and number, the pad and node spots.
    struct Placed {
        int x, y, tile;
        bool attached;
    };
    std::vector<Placed> placed;
    std::vector<Point> points;
    std::vector<std::pair<int, int>> padSpots, nodeSpots;
    int nodeSets = 0, setNumber = 0;

    static int complementOf(int type) { return type ^ 1; }

private:
    // The artwork a run counts and reads before it draws anything.
    struct Artwork {
        std::array<int, 9> padCounts{};
        std::vector<ImagePtr> tiles;                 // none where a file could not be read
        std::vector<std::array<bool, 4>> tileHas;    // which connection types each tile has
    };
    std::filesystem::path file(const std::filesystem::path& relative) const;
    Artwork countAndLoadArtwork();
    int chooseTile(const Artwork& art, int want) const;
    void placeTiles(const Artwork& art, gdImagePtr work);
    void copyWithoutMarkers(gdImagePtr work);
    void stampBlocks();
    void drawNodesAndPads(const Artwork& art);
    // With Mirror: a hatch through the roof slab at the seam, so the middle is never shut.
    void openRoofAtSeam();
};

}  // namespace brambex
