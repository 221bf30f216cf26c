#pragma once

#include <functional>
#include <vector>

#include "map/Generator.h"

namespace brambex {

// Shopper: always 1920 x 696, in one of two layouts. City is a closed box (floor, two walls,
// ceiling) with a row of shop buildings on the floor, signs on the walls, lamps and banners under
// the ceiling, and openings cut through walls and ceiling. Maze is a grid of shop tiles laid out
// by the tile-maze builder from data/shopper/tile.
class Shopper : public Generator {
public:
    enum class Layout { City = 0, Maze = 1 };

    // How many pictures each artwork folder holds (counted at every run).
    struct Inventory {
        int large = 0;       // objects/large: whole shop buildings
        int cityTop = 0;     // objects/city/top: roof-line pieces
        int citySide = 0;    // objects/city/side: wall pieces cut into a building's sides
        int sideExtras = 0;  // objects/city/side/extras: signs, awnings, pipes beside buildings and on the walls
        int roof = 0;        // objects/roof: lamps, fans and banners under the ceiling
    };

    // One building of the shop row.
    struct ShopSlot {
        int x = 0, w = 0, h = 0;
        bool fromFile = false;  // a large picture (stands on the bottom row) or generated (on the floor)
        ImagePtr picture;
    };

    // The row being built: buildings wanted (2 to 4, growing to 5 while room remains), made so far,
    // the free width right of the last one, the map width, and the last one's right end.
    struct ShopRow {
        int wanted = 0, placed = 0, remaining = 0, total = 0, cursor = 0;
        ShopSlot shopSlots[5];
    };

    // Where a picture or an opening went, in map coordinates (for tests and the curious).
    struct Placement {
        int x = 0, y = 0, w = 0, h = 0;
    };
    struct CityRecord {
        int wanted = 0;               // buildings the row wanted in the end
        std::vector<ShopSlot> shops;  // pictures released; positions and sizes kept
        std::vector<Placement> wallObjects[2], roofObjects;
        std::vector<Placement> wallOpenings[2], ceilingOpenings;  // [0] left wall, [1] right wall
    };

    // What this type reads of the parameters, taken when it is made.
    struct Settings {
        int objects = 10;
        int shopperLayout = 0;  // Manual mode: 0 City, 1 Maze
    };

    // Made from its settings and the common choices (always 1920 x 696, whatever size is asked).
    Shopper(const Settings& settings, const CommonSettings& common, int width, int height);
    const Settings settings;
    void generate() override;

    bool largeUsed = false;
    Inventory inventory;
    Layout layout = Layout::City;
    CityRecord city;

private:
    void buildCity();
    void buildShopRow();
    void addBuilding(ShopRow& row);
    ImagePtr buildingPicture(int x, int w, int h);
    void buildWall(bool right);
    void buildCeiling();
};

// The opening walk along a wall or the ceiling: from `start` to `end`, calls `cut(first, last)`
// for every stretch of air longer than 20 pixels (last - first > 20) that land closes; after each
// piece of land the walk jumps ahead by rand() % `skip`. A stretch still open at the end is left.
void findOpenings(int start, int end, int skip, const std::function<bool(int)>& air,
                  const std::function<void(int, int)>& cut);

}  // namespace brambex
