#include "generators/WforW.h"
#include "map/Translate.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "generators/RunSteps.h"
#include "map/Files.h"
#include "map/Playability.h"
#include "map/Random.h"

// The geometry (ours; the rules leave it open):
// - A tile is land, white (255,255,255) or yellow (255,255,0) for the two stamp kinds, on black air.
//   Its connection points are single pixels on its border, in the floor row: (0,128,0) on the left
//   edge (type 1, where a tile to the left joins), (0,255,0) on the right edge (type 0), (0,192,0) on
//   the top edge (type 3) and (129,0,128) on the bottom edge (type 2). Types 0 and 1 join each other,
//   as do 2 and 3.
// - Attaching a tile to an open point P: the new tile's point Q of the complementary type is placed
//   on the pixel next to P on P's side (right of a type 0 point, left of type 1, below type 2, above
//   type 3), so the two floors continue without a step and the tiles' land never overlaps.
// - The grid marks a placed tile's land pixels 255 (blocked: no later tile may cover them) and the
//   rest of its rectangle 1 (occupied: only attached tiles may reach into it).
// - A cyan pixel (0,255,255) in a tile marks where a weapon pad stands (the pad's top-left corner
//   is drawn at (x - 15, y - 4)), a teal pixel (0,128,128) where a node is drawn; both colours are
//   cleaned out of the map. Pad spot n (in placement order) takes its picture from folder F(n mod 9),
//   file (n / 9) modulo that folder's count.

namespace brambex {

namespace fs = std::filesystem;

namespace {

constexpr int MAP_W = 1920, MAP_H = 696;
constexpr int MARKERS[4] = {packColour(0, 255, 0), packColour(0, 128, 0), packColour(129, 0, 128), packColour(0, 192, 0)};
constexpr int CYAN = packColour(0, 255, 255), TEAL = packColour(0, 128, 128);
constexpr int WHITE = packColour(255, 255, 255), YELLOW = packColour(255, 255, 0);
constexpr int STEP_X[4] = {1, -1, 0, 0};
constexpr int STEP_Y[4] = {0, 0, 1, -1};

fs::path padFile(int folder, int n) {
    std::string name(1, 'F');
    name += std::to_string(folder);
    return fs::path("pads") / name / (std::to_string(n) + ".png");
}

int countFrom(int first, const std::function<fs::path(int)>& file) {
    int n = first;
    while (fileOpens(file(n))) ++n;
    return n;
}

// A tile as a true-colour picture whose black is transparent.
ImagePtr loadTile(const fs::path& path) {
    ImagePtr loaded = loadTileArt(path);
    ImagePtr tile = trueColourCopy(loaded.get());
    if (!tile) return nullptr;
    // Colours are compared as opaque values.
    for (int y = 0; y < tile->sy; ++y)
        for (int x = 0; x < tile->sx; ++x) tile->tpixels[y][x] &= 0xFFFFFF;
    tile->transparent = 0;
    return tile;
}

bool hasColour(gdImagePtr tile, int colour) {
    for (int y = 0; y < tile->sy; ++y)
        for (int x = 0; x < tile->sx; ++x)
            if (tile->tpixels[y][x] == colour) return true;
    return false;
}

bool isLand(int c) { return c != 0 && c != CYAN && c != TEAL; }

// A picture whose colour 0 is transparent (palette index 0, or black).
ImagePtr withBlackTransparent(ImagePtr picture) {
    ImagePtr copy = trueColourCopy(picture.get());
    if (!copy) return nullptr;
    copy->transparent = picture->trueColor ? 0 : gdTrueColorAlpha(picture->red[0], picture->green[0], picture->blue[0], picture->alpha[0]);
    return copy;
}

}  // namespace

WforW::WforW(const Settings& s, const CommonSettings& common, int, int)
    : Generator(MapType::WforW, common, MAP_W, MAP_H), settings(s) {}


fs::path WforW::file(const fs::path& relative) const { return folders.file("wfw") / relative; }

WforW::Artwork WforW::countAndLoadArtwork() {
    Artwork art;
    for (int f = 0; f < 9; ++f)
        art.padCounts[static_cast<std::size_t>(f)] = countFrom(0, [&](int n) { return file(padFile(f, n)); });
    nodeSets = countFrom(1, [&](int n) { return file(fs::path("nodes") / (std::to_string(n) + ".png")); });
    const int tileCount = countFrom(0, [&](int n) { return file(fs::path("tiles") / (std::to_string(n) + ".png")); });
    for (int n = 0; n < tileCount; ++n) {
        art.tiles.push_back(loadTile(file(fs::path("tiles") / (std::to_string(n) + ".png"))));
        std::array<bool, 4> has{};
        if (art.tiles.back())
            for (int type = 0; type < 4; ++type)
                has[static_cast<std::size_t>(type)] = hasColour(art.tiles.back().get(), MARKERS[type]);
        art.tileHas.push_back(has);
    }
    return art;
}

int WforW::chooseTile(const Artwork& art, int want) const {
    // From a random start, the next tile (cyclically) with a point of the wanted type; the start
    // when none has one.
    const int count = static_cast<int>(art.tiles.size());
    const int start = rand() % count;
    for (int k = 1; k <= count; ++k) {
        const int t = (start + k) % count;
        if (art.tileHas[static_cast<std::size_t>(t)][static_cast<std::size_t>(want)]) return t;
    }
    return start;
}

void WforW::placeTiles(const Artwork& art, gdImagePtr work) {
    const int tileCount = static_cast<int>(art.tiles.size());
    std::vector<unsigned char> grid(static_cast<std::size_t>(MAP_W) * MAP_H, 0);
    const int pieces = settings.pads + 5;
    placed.clear();
    points.clear();
    padSpots.clear();
    weaponPads.clear();
    nodeSpots.clear();
    long failures = 0, relaxedFailures = 0;
    bool relaxed = false;
    // Tries of every kind since the last accepted tile, whatever made them fail (a tile larger
    // than the map fails the bounds check every time without meeting a cell): the placement
    // ends when no tile has fitted for this many.
    constexpr long MAX_TRIES_WITHOUT_PROGRESS = 2000000;
    long triesWithoutProgress = 0;
    // Where each tile's first point of each type lies (row by row, left to right), found once.
    std::vector<std::array<std::pair<int, int>, 4>> firstPoint(static_cast<std::size_t>(tileCount));
    for (int n = 0; n < tileCount; ++n) {
        auto& first = firstPoint[static_cast<std::size_t>(n)];
        first.fill({-1, -1});
        const gdImagePtr t = art.tiles[static_cast<std::size_t>(n)].get();
        if (!t) continue;
        for (int ty = t->sy - 1; ty >= 0; --ty)
            for (int tx = t->sx - 1; tx >= 0; --tx)
                for (int type = 0; type < 4; ++type)
                    if (t->tpixels[ty][tx] == MARKERS[type]) first[static_cast<std::size_t>(type)] = {tx, ty};
    }
    while (static_cast<int>(placed.size()) < pieces && tileCount > 0) {
        if (++triesWithoutProgress > MAX_TRIES_WITHOUT_PROGRESS) break;
        if ((triesWithoutProgress & 0xFFFF) == 0) stopPoint();
        // a. Attach to an open point (three in four), or a random position.
        int open = -1;
        if (rand() % 4 != 0 && !points.empty() && !relaxed) {
            for (int tries = 0; tries <= 3000; ++tries) {
                const int i = rand() % static_cast<int>(points.size());
                if (!points[static_cast<std::size_t>(i)].taken) {
                    points[static_cast<std::size_t>(i)].taken = true;
                    open = i;
                    break;
                }
            }
        }
        int x = 0, y = 0, number;
        const bool attached = open >= 0;
        if (attached) {
            // b. A tile with a point of the complementary type.
            number = chooseTile(art, complementOf(points[static_cast<std::size_t>(open)].type));
        } else {
            x = rand() % MAP_W;
            y = rand() % MAP_H;
            number = rand() % tileCount;
        }
        gdImagePtr tile = art.tiles[static_cast<std::size_t>(number)].get();
        if (!tile) break;  // a tile that could not be read ends the placement
        if (attached) {
            const Point& p = points[static_cast<std::size_t>(open)];
            const auto [tx, ty] = firstPoint[static_cast<std::size_t>(number)][static_cast<std::size_t>(complementOf(p.type))];
            if (tx < 0) continue;  // the start tile had no such point
            x = p.x + STEP_X[p.type] - tx;
            y = p.y + STEP_Y[p.type] - ty;
        }
        // c. Bounds, then the grid.
        if (x < 0 || y < 0 || x + tile->sx > MAP_W || y + tile->sy > MAP_H) continue;
        // Every non-zero cell under an unattached tile counts as a failure, blocked ones included,
        // so a crowded map always ends in the relaxed mode and then stops.
        bool rejected = false;
        long met = 0;
        for (int ty = 0; ty < tile->sy; ++ty) {
            const unsigned char* row = &grid[static_cast<std::size_t>(y + ty) * MAP_W + x];
            int nonZero = 0, blocked = 0;  // two plain counts: the loop runs many lanes at once
            for (int tx = 0; tx < tile->sx; ++tx) {
                nonZero += row[tx] != 0;
                blocked += row[tx] == 255;
            }
            met += nonZero;
            rejected = rejected || blocked > 0;
            if (rejected && attached) break;  // an attached tile counts nothing
        }
        if (!attached && met > 0) rejected = true;
        if (!attached) {
            if (relaxed) relaxedFailures += met;
            else failures += met;
        }
        if (failures > 100000) relaxed = true;
        if (relaxedFailures >= 1000001) break;
        if (rejected) continue;
        // d. Accepted: drawn, marked, its points and spots recorded.
        copyPicture(work, tile, x, y);
        for (int ty = 0; ty < tile->sy; ++ty)
            for (int tx = 0; tx < tile->sx; ++tx) {
                const int c = tile->tpixels[ty][tx];
                unsigned char& cell = grid[static_cast<std::size_t>(y + ty) * MAP_W + x + tx];
                if (isLand(c)) cell = 255;
                else if (cell == 0) cell = 1;
                for (int type = 0; type < 4; ++type)
                    if (c == MARKERS[type]) points.push_back({x + tx, y + ty, type, false});
                if (c == CYAN) padSpots.emplace_back(x + tx, y + ty);
                if (c == TEAL) nodeSpots.emplace_back(x + tx, y + ty);
            }
        if (attached) {
            // The tile's own point that met the open one is taken too.
            const Point met = points[static_cast<std::size_t>(open)];
            for (Point& q : points)
                if (q.x == met.x + STEP_X[met.type] && q.y == met.y + STEP_Y[met.type]) q.taken = true;
        }
        placed.push_back({x, y, number, attached});
        failures = relaxedFailures = 0;
        triesWithoutProgress = 0;
    }
}

void WforW::copyWithoutMarkers(gdImagePtr work) {
    // The pad and node marker colours become air; everything else is taken as it is.
    for (int y = 0; y < MAP_H; ++y) {
        const int* from = work->tpixels[y];
        int* to = image->tpixels[y];
        for (int x = 0; x < MAP_W; ++x) to[x] = (from[x] == CYAN || from[x] == TEAL) ? 0 : from[x];
    }
}

void WforW::stampBlocks() {
    ImagePtr block = loadSmallArt(file(fs::path("blocks") / (std::to_string(setNumber) + ".png")));
    ImagePtr second = withBlackTransparent(loadSmallArt(file(fs::path("blocks") / (std::to_string(setNumber) + "d.png"))));
    gdImagePtr secondStamp = second ? second.get() : block.get();
    // The visit sees the stamps it has drawn already.
    for (int y = 0; y < MAP_H; ++y)
        for (int x = 0; x < MAP_W; ++x) {
            const int c = image->tpixels[y][x] & 0xFFFFFF;
            if (c == WHITE && block) copyPicturePart(image.get(), block.get(), x - 3, y - 4, 7, 9);
            else if (c == YELLOW && secondStamp) copyPicturePart(image.get(), secondStamp, x - 3, y - 4, 7, 9);
        }
    if (block)
        for (int y = 0; y < MAP_H; ++y)
            for (int x = 0; x < MAP_W; ++x)
                if ((image->tpixels[y][x] & 0xFFFFFF) == YELLOW) copyPicturePart(image.get(), block.get(), x - 3, y - 4, 7, 9);
}

void WforW::drawNodesAndPads(const Artwork& art) {
    if (ImagePtr node = withBlackTransparent(loadSmallArt(file(fs::path("nodes") / (std::to_string(setNumber) + ".png")))))
        for (const auto& [x, y] : nodeSpots) copyPicturePart(image.get(), node.get(), x - 8, y - 8, 17, 17);
    // Each pad picture is read once (the same file gives the same picture).
    std::map<std::pair<int, int>, ImagePtr> padPictures;
    for (std::size_t n = 0; n < padSpots.size(); ++n) {
        const int folder = static_cast<int>(n % 9);
        const int count = art.padCounts[static_cast<std::size_t>(folder)];
        if (count == 0) continue;
        const int number = static_cast<int>(n / 9) % count;
        auto [it, fresh] = padPictures.try_emplace({folder, number});
        if (fresh) it->second = withBlackTransparent(loadSmallArt(file(padFile(folder, number))));
        if (!it->second) continue;
        copyPicturePart(image.get(), it->second.get(), padSpots[n].first - 15, padSpots[n].second - 4, PAD_SIZE, PAD_SIZE);
        weaponPads.push_back({padSpots[n].first - 15, padSpots[n].second - 4});
    }
}

void WforW::openRoofAtSeam() {
    // A building mirrored about its middle can close a space across its middle on both sides at
    // once (the two halves' walls meet there). While the map has a room a character is shut in, or
    // pads no one reaches, the next slab down the seam gets a hatch: only air is made, only thin
    // slabs are cut (never the ground), and the map is measured after each cut.
    constexpr int HATCH = 24, SLAB = 30;
    gdImagePtr im = image.get();
    const int x0 = MAP_W / 2 - HATCH / 2, x1 = MAP_W / 2 + HATCH / 2;
    auto landInRow = [&](int y) {
        for (int x = x0; x < x1; ++x)
            if ((im->tpixels[y][x] & 0xFFFFFF) != 0) return true;
        return false;
    };
    int y = 0;
    while (true) {
        const Playability p = measurePlayability(im, CourseKind::None, weaponPads);
        if (p.sealedRooms == 0 && p.reachablePads == p.pads) return;
        while (y < MAP_H && !landInRow(y)) ++y;
        int bottom = y;
        while (bottom < MAP_H && landInRow(bottom)) ++bottom;
        if (y >= MAP_H || bottom >= MAP_H) return;  // the ground stays
        if (bottom - y <= SLAB)
            for (int row = y; row < bottom; ++row) std::fill(im->tpixels[row] + x0, im->tpixels[row] + x1, 0);
        y = bottom;
    }
}

void WforW::generate() {
    prepareObjects();
    image = tryCreateTrueColour(MAP_W, MAP_H);
    if (!image) return;
    colourBlack = gdImageColorAllocate(image.get(), 0, 0, 0);
    colourBackground = gdImageColorAllocate(image.get(), 242, 24, 204);
    colourWhite = WHITE;

    const Artwork art = countAndLoadArtwork();
    const bool anyTile = std::any_of(art.tiles.begin(), art.tiles.end(), [](const ImagePtr& t) { return t != nullptr; });
    if (!anyTile)
        throw MissingArtwork{formatText(translate("Messages", "No building tile could be read in %s (the files are missing, damaged or "
                                                              "larger than %d pixels).").c_str(),
                                        file("tiles").c_str(), MAX_TILE_SIZE)};
    setNumber = nodeSets > 0 ? rand() % nodeSets : 0;  // drawn before any placement
    ImagePtr work = createTrueColour(MAP_W, MAP_H);
    placeTiles(art, work.get());
    if (placed.empty())
        throw MissingArtwork{formatText(translate("Messages", "No building tile in %s fits a %d x %d map.").c_str(), file("tiles").c_str(),
                                        MAP_W, MAP_H)};
    stopPoint();
    copyWithoutMarkers(work.get());
    work.reset();
    stampBlocks();
    drawNodesAndPads(art);
    mirrorIfChosen(*this);
    if (mirror) openRoofAtSeam();
    setReservedPixels(*this);
    finishRun(*this);
}

}  // namespace brambex
