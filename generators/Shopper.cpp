#include "generators/Shopper.h"

#include <algorithm>
#include <functional>
#include <string>

#include "generators/RunSteps.h"
#include "generators/TileMaze.h"
#include "map/Files.h"
#include "map/ProcessState.h"
#include "map/Random.h"
#include "map/ThemeObjects.h"

// The City box: a floor strip 20 high whose top is row 674, walls 20 wide at columns 2 and 1898,
// a ceiling strip at row 2; each 2 pixels in from the map's border. Pictures are white land
// (textured later) on black air; any other colour is kept as drawn.

namespace brambex {

namespace fs = std::filesystem;

namespace {

constexpr int MAP_W = 1920, MAP_H = 696;
constexpr int STRIP = 20;         // thickness of floor, walls and ceiling
constexpr int FLOOR_TOP = 674;
constexpr int RIGHT_WALL = 1898;  // left column of the right wall
constexpr int ROOF_BAND = 130;    // air above a generated building's roof line
constexpr int SIDE_START = 220;   // where a generated building's side pieces begin
constexpr int MAX_SHOPS = 5;
constexpr int ROW_STOP = 410;     // no building is added once this little room remains

fs::path objectsFolder(const DataFolders& folders, const char* relative) {
    return folders.file(typeFolder(MapType::Shopper)) / "objects" / relative;
}
fs::path numbered(const fs::path& folder, int n) { return folder / (std::to_string(n) + ".png"); }

// Consecutively numbered pictures 0.png, 1.png, ... that open.
int countPictures(const fs::path& folder) {
    int n = 0;
    while (fileOpens(numbered(folder, n))) ++n;
    return n;
}

// A random picture of a counted folder (one draw, only when the folder has any); none when the
// folder is empty or the file no longer loads (removed or damaged since the count).
ImagePtr randomPicture(const fs::path& folder, int count) {
    if (count <= 0) return nullptr;
    return loadObjectArt(numbered(folder, rand() % count));
}

void fillRect(gdImagePtr im, int x, int y, int w, int h, int colour) {
    if (w > 0 && h > 0) fillRectangle(im, x, y, x + w - 1, y + h - 1, colour);
}

// Samples outside the map count as occupied.
bool isAir(gdImagePtr map, int x, int y, int air) {
    return x >= 0 && y >= 0 && x < map->sx && y < map->sy && map->tpixels[y][x] == air;
}

// Every tenth pixel along a line from `from`, `steps` + 1 samples, is air.
bool lineFree(gdImagePtr map, int air, bool alongRow, int line, int from, int steps) {
    for (int k = 0; k <= steps; ++k) {
        const int along = from + 10 * k;
        if (!(alongRow ? isAir(map, along, line, air) : isAir(map, line, along, air))) return false;
    }
    return true;
}

// A filler: the blank picture stretched along one direction (keeping its size across it).
void drawFiller(gdImagePtr target, gdImagePtr blank, int x, int y, int w, int h) {
    if (ImagePtr piece = stretchedCopy(blank, w, h)) copyPicture(target, piece.get(), x, y);
}

}  // namespace

void findOpenings(int start, int end, int skip, const std::function<bool(int)>& air,
                  const std::function<void(int, int)>& cut) {
    int first = -1, last = -1;
    for (int r = start; r < end; ++r) {
        if (air(r)) {
            if (first < 0) first = r;
            last = r;
            continue;
        }
        if (first >= 0 && last - first > 20) cut(first, last);
        first = last = -1;
        r += rand() % skip;
    }
}

Shopper::Shopper(const Settings& s, const CommonSettings& common, int, int)
    : Generator(MapType::Shopper, common, MAP_W, MAP_H), settings(s) {}


void Shopper::generate() {
    beginRun();
    pickTheme();  // chosen once more, as the recipe always has
    inventory.large = countPictures(objectsFolder(folders, "large"));
    inventory.cityTop = countPictures(objectsFolder(folders, "city/top"));
    inventory.citySide = countPictures(objectsFolder(folders, "city/side"));
    inventory.sideExtras = countPictures(objectsFolder(folders, "city/side/extras"));
    inventory.roof = countPictures(objectsFolder(folders, "roof"));
    // Drawn in manual mode too, so a seed makes the same later draws in both modes.
    const int layoutDraw = rand();
    if (common.manualMode) layout = settings.shopperLayout == 1 ? Layout::Maze : Layout::City;
    else layout = layoutDraw % 2 == 0 ? Layout::Maze : Layout::City;
    // A mirrored maze would be two halves that need not meet, with its START sign backwards: the
    // Mirror option makes a city.
    if (mirror) layout = Layout::City;

    image = createTrueColour(MAP_W, MAP_H);
    allocateKeyColours();
    if (layout == Layout::City) buildCity();
    else buildTileMaze(image.get(), 300, 200, folders.file(typeFolder(MapType::Shopper)));  // 6 x 3 tiles of 320 x 232

    textureLand(*this, 2, true, settings.objects);
    applyThemeSoil(*this);
    mirrorIfChosen(*this);
    setReservedPixels(*this);
    finishRun(*this);
}

void Shopper::buildCity() {
    city = CityRecord{};
    fillRect(image.get(), 2, FLOOR_TOP, MAP_W - 4, STRIP, colourWhite);
    buildShopRow();
    buildWall(false);
    buildWall(true);
    buildCeiling();
}

void Shopper::buildShopRow() {
    largeUsed = false;
    ShopRow row;
    row.wanted = 2 + rand() % 3;
    row.remaining = row.total = MAP_W;
    while (row.placed < row.wanted && row.remaining > ROW_STOP) addBuilding(row);
    city.wanted = row.wanted;
    for (int i = 0; i < row.placed; ++i) {
        ShopSlot& slot = row.shopSlots[i];
        normaliseObjectPicture(slot.picture);
        // A building from file stands on the map's bottom row; a generated one on the floor strip.
        const int y = slot.fromFile ? MAP_H - slot.h : MAP_H - slot.h - STRIP;
        if (slot.picture) copyPicture(image.get(), slot.picture.get(), slot.x, y);
        slot.picture.reset();
        city.shops.push_back(std::move(slot));
    }
}

void Shopper::addBuilding(ShopRow& row) {
    ShopSlot& slot = row.shopSlots[row.placed];
    const bool tryLarge = rand() % 5 == 0 && !largeUsed && inventory.large > 0;
    int gap = 200 + rand() % (row.placed == 0 ? 50 : 100);
    int widest = std::min(row.remaining - gap - 100, 500);
    if (widest < 210) {
        widest = 210;
        gap = 200;
    }
    slot.x = row.cursor + gap;
    slot.fromFile = false;
    if (tryLarge) {
        ImagePtr large = randomPicture(objectsFolder(folders, "large"), inventory.large);
        if (large && large->sx <= widest) {
            slot.w = large->sx;
            slot.h = large->sy;
            if (rand() % 2 == 0) gdImageFlipHorizontal(large.get());
            slot.picture = trueColourCopy(large.get());
            slot.fromFile = true;
            largeUsed = true;
        }
    }
    if (!slot.fromFile) {
        rand();  // two draws the recipe makes and never uses
        rand();
        slot.w = widest == 210 ? 210 : 210 + rand() % (widest - 210);
        slot.h = 330 + rand() % 200;
        slot.picture = buildingPicture(slot.x, slot.w, slot.h);
    }
    row.cursor = slot.x + slot.w;
    ++row.placed;
    row.remaining = row.total - row.cursor;
    if (row.placed == row.wanted && row.wanted < MAX_SHOPS && row.remaining > 600) ++row.wanted;
}

// A w x h building whose left column will be map column x: white, with air above the roof line at
// row 130; roof pieces along the top, wall pieces cut into both sides, and signs and awnings
// drawn straight onto the map beside it.
ImagePtr Shopper::buildingPicture(int x, int w, int h) {
    ImagePtr building = createTrueColour(w, h);
    fillRect(building.get(), 0, ROOF_BAND, w, h - ROOF_BAND, colourWhite);
    const ImagePtr topBlank = loadObjectArt(objectsFolder(folders, "city/top/blank.png"));
    const ImagePtr sideBlank = loadObjectArt(objectsFolder(folders, "city/side/blank.png"));
    auto topFiller = [&](int start, int length) {
        if (topBlank && length > 0 && start + topBlank->sx < w)
            drawFiller(building.get(), topBlank.get(), start, 0, length, topBlank->sy);
    };
    auto sideFiller = [&](bool right, int start, int length) {
        if (sideBlank && length > 0 && start + sideBlank->sy < h)
            drawFiller(building.get(), sideBlank.get(), right ? w - sideBlank->sx : 0, start, sideBlank->sx, length);
    };

    // Roof line.
    int a = rand() % 75;
    topFiller(0, a);
    for (int t = 0; t < 11 && a <= w; ++t) {
        ImagePtr piece = randomPicture(objectsFolder(folders, "city/top"), inventory.cityTop);
        if (!piece || a + piece->sx >= w) continue;
        copyPicture(building.get(), piece.get(), a, 0);
        a += piece->sx;
        const int g = rand() % 75;
        topFiller(a, g);
        a += g;
    }
    topFiller(a, w - a);

    // Left side, then right side.
    for (const bool right : {false, true}) {
        int y = SIDE_START;
        sideFiller(right, y, rand() % 75);
        for (int t = 0; t < 11 && y <= h; ++t) {
            const int kind = (rand() % 10) / 5;
            ImagePtr piece;
            if (kind == 0) piece = randomPicture(objectsFolder(folders, "city/side"), inventory.citySide);
            else piece = randomPicture(objectsFolder(folders, "city/side/extras"), inventory.sideExtras);
            if (!piece || y + piece->sy >= h) continue;
            const int pw = piece->sx, ph = piece->sy;
            if (kind == 0) {
                // A wall piece, cut into the building's side.
                if (right) gdImageFlipHorizontal(piece.get());
                copyPicture(building.get(), piece.get(), right ? w - pw : 0, y);
            } else {
                // A sign or awning, on the map beside the building.
                normaliseObjectPicture(piece);
                if (piece) {
                    if (right) gdImageFlipHorizontal(piece.get());
                    copyPicture(image.get(), piece.get(), right ? x + w : x - pw, MAP_H - h + y);
                }
            }
            y += ph;
            const int g = rand() % 75;
            sideFiller(right, y, g);
            y += g;
        }
        sideFiller(right, y, h - y);
    }
    return building;
}

// The wall itself, signs on it where the room in front is free, and openings through it beside
// free stretches. Signs hang from the wall: unmirrored pictures attach with their right edge.
void Shopper::buildWall(bool right) {
    if (!right) fillRect(image.get(), 2, 2, STRIP, MAP_H - 4, colourWhite);
    fillRect(image.get(), RIGHT_WALL, 2, STRIP, MAP_H - 4, colourWhite);

    int y = 100 + rand() % 175;
    for (int t = 0; t < 11 && y <= MAP_H; ++t) {
        ImagePtr sign = randomPicture(objectsFolder(folders, "city/side/extras"), inventory.sideExtras);
        if (!sign || y + sign->sy >= MAP_H) continue;
        const int pw = sign->sx, ph = sign->sy;
        const int probe = right ? MAP_W - 1 - (pw + 80) : pw + 80;
        if (lineFree(image.get(), colourBlack, false, probe, y - 50, (ph + 99) / 10)) {
            normaliseObjectPicture(sign);
            if (sign) {
                if (!right) gdImageFlipHorizontal(sign.get());
                const int sx = right ? MAP_W - 7 - pw : 7;
                copyPicture(image.get(), sign.get(), sx, y);
                city.wallObjects[right].push_back({sx, y, pw, ph});
            }
        }
        y += ph + 100 + rand() % 175;
    }

    const int column = right ? RIGHT_WALL - 1 : 2 + STRIP + 1;
    const int barX = right ? RIGHT_WALL : 2;
    findOpenings(
        rand() % 200, MAP_H, 200, [&](int r) { return image->tpixels[r][column] == colourBlack; },
        [&](int first, int last) {
            const Placement bar{barX, first + 5, STRIP, std::min(last - first - 10, 100)};
            fillRect(image.get(), bar.x, bar.y, bar.w, bar.h, colourBlack);
            city.wallOpenings[right].push_back(bar);
        });
}

// The ceiling, lamps and banners hanging from it where the room below is free, and openings.
void Shopper::buildCeiling() {
    fillRect(image.get(), 2, 2, MAP_W - 4, STRIP, colourWhite);
    int x = 100 + rand() % 175;
    for (int t = 0; t < 11 && x <= MAP_W; ++t) {
        ImagePtr lamp = randomPicture(objectsFolder(folders, "roof"), inventory.roof);
        if (!lamp || x + lamp->sx >= MAP_W) continue;
        const int pw = lamp->sx, ph = lamp->sy;
        if (lineFree(image.get(), colourBlack, true, ph + 80, x - 50, (pw + 99) / 10)) {
            normaliseObjectPicture(lamp);
            if (lamp) {
                if (rand() % 2 == 0) gdImageFlipHorizontal(lamp.get());
                copyPicture(image.get(), lamp.get(), x, 7);
                city.roofObjects.push_back({x, 7, pw, ph});
            }
        }
        x += pw + 100 + rand() % 175;
    }

    const int row = 2 + STRIP + 3;
    findOpenings(
        rand() % 500, MAP_W, 500, [&](int c) { return image->tpixels[row][c] == colourBlack; },
        [&](int first, int last) {
            const Placement bar{first + 5, 2, std::min(last - first - 10, 200), STRIP};
            fillRect(image.get(), bar.x, bar.y, bar.w, bar.h, colourBlack);
            city.ceilingOpenings.push_back(bar);
        });
}

}  // namespace brambex
