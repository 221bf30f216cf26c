// Fort artwork (data/fort): the hill's land and grass tufts, the three bricks, and the 280 x 170
// pieces a fort is stacked from. In a piece, white is where the brick shows, black is air, pure
// green and pure blue are the two parts the run turns into air or brick (windows or shutters,
// a door or a wall), and every other colour is kept as drawn (wood, iron, roofs, flags).
//
// A column is top/<t>, then middle/<t mod 4>/<m1>, middle/<m1 mod 4>/<m2>, bottom/<m2 mod 4 (+4)>/<n>.
// The folder number is the piece's style: 0 a keep (tall vaulted halls, a spired tower, a great
// gate or cellars), 1 a castle of towers (two low floors, turrets with cones, twin gates or a rock
// base), 2 a walled town (courtyards with galleries and houses, an open bell platform, an arcade
// or a bridge over the moat), 3 a ruin (breached walls, broken merlons, rubble). Green and blue
// parts (alcoves, shutters, a second house) are walled up or open as the run decides.
//
// A team must be able to walk through its own fort from the battlements down and out of the gate:
// every piece has a stairwell at the same columns (STAIR_X0..STAIR_X1), so the wells of a column's
// pieces join into one shaft from the wall walk to the gate hall, whatever pieces are stacked. A
// storey opens onto its neighbour's storey through a doorway on the piece's inner side (the right
// piece is mirrored, so both inner sides meet), and the gate hall leads out through the outer wall.
// Windows are lancets too narrow for a character, so no window is a room a character is shut in.

#include <algorithm>
#include <cmath>
#include <string>

#include "Noise.h"
#include "Raster.h"
#include "TypeArtwork.h"

namespace artwork {

namespace {

constexpr int W = 280, H = 170;
constexpr int WHITE = 0xFFFFFF, BLACK = 0, GREEN = 0x00FF00, BLUE = 0x0000FF;
constexpr int STAIR_X0 = 148, STAIR_X1 = 176;  // inside every storey's hall
constexpr int LANCET = 4;                       // half a window's width

int packed(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

struct Piece {
    brambex::ImagePtr im = brambex::createTrueColour(W, H);
    Piece() { fill(0, 0, W, H, WHITE); }
    void fill(int x0, int y0, int x1, int y1, int c) {
        for (int y = std::max(0, y0); y < std::min(H, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(W, x1); ++x) im->tpixels[y][x] = c;
    }
    // A window or door with a round arch on top.
    void arch(int x0, int y0, int x1, int y1, int c) {
        const float cx = (static_cast<float>(x0) + static_cast<float>(x1)) * 0.5f, r = (static_cast<float>(x1) - static_cast<float>(x0)) * 0.5f;
        for (int y = std::max(0, y0); y < std::min(H, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(W, x1); ++x) {
                const float fy = static_cast<float>(y) + 0.5f - (static_cast<float>(y0) + r);
                const float fx = static_cast<float>(x) + 0.5f - cx;
                if (fy < 0 && fx * fx + fy * fy > r * r) continue;
                im->tpixels[y][x] = c;
            }
    }
    // A doorway or passage: a rectangle of air whose top corners are rounded off.
    void passage(int x0, int y0, int x1, int y1) {
        constexpr int r = 8;
        for (int y = std::max(0, y0); y < std::min(H, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(W, x1); ++x) {
                const int dy = y0 + r - y, dx = std::max(x0 + r - x, x - (x1 - 1 - r));
                if (dy > 0 && dx > 0 && dx * dx + dy * dy > r * r) continue;
                im->tpixels[y][x] = BLACK;
            }
    }
    // A stairwell from y0 to y1: air with a wooden ladder along its outer side down to ladderEnd
    // (a ladder hanging on into a hall would cut the hall in two).
    void stairwell(int y0, int y1, int ladderEnd) {
        fill(STAIR_X0, y0, STAIR_X1, y1, BLACK);
        const int wood = packed(120, 88, 56), dark = packed(82, 60, 38);
        fill(STAIR_X0 + 2, y0, STAIR_X0 + 4, ladderEnd, wood);
        fill(STAIR_X0 + 10, y0, STAIR_X0 + 12, ladderEnd, wood);
        for (int y = y0 + ((6 - y0) % 10 + 10) % 10; y + 2 <= ladderEnd; y += 10)  // rungs on rows 6, 16, ... of every piece
            fill(STAIR_X0 + 4, y, STAIR_X0 + 10, y + 2, dark);
    }
    void stairwell(int y0, int y1) { stairwell(y0, y1, y1); }
    void set(int x, int y, int c) {
        if (x >= 0 && y >= 0 && x < W && y < H) im->tpixels[y][x] = c;
    }
};

// Battlements along `y`: merlons `merlon` wide with gaps `gap`, air above.
void battlements(Piece& p, int y, int merlon, int gap, int height) {
    p.fill(0, 0, W, y, BLACK);
    for (int x = 0; x < W; x += merlon + gap) p.fill(x, y - height, std::min(W, x + merlon), y, WHITE);
}

void flag(Piece& p, int x, int baseY, int height, int cloth) {
    const int pole = packed(78, 62, 44);
    for (int y = baseY - height; y < baseY; ++y) p.set(x, y, pole), p.set(x + 1, y, pole);
    for (int y = 0; y < 18; ++y)
        for (int dx = 0; dx < 30 - std::abs(y - 9) * 2; ++dx) p.set(x + 2 + dx, baseY - height + y, y == 8 ? packed(238, 214, 120) : cloth);
}

// A pointed roof over a turret from x0 to x1 with its eaves at `eaves`.
void roof(Piece& p, int x0, int x1, int eaves, int peak, int tile) {
    const float cx = (static_cast<float>(x0) + static_cast<float>(x1)) * 0.5f;
    for (int y = peak; y < eaves; ++y) {
        const float f = static_cast<float>(y - peak) / static_cast<float>(eaves - peak);
        const float half = (static_cast<float>(x1 - x0) * 0.5f + 6.0f) * f;
        for (int x = static_cast<int>(cx - half); x < static_cast<int>(cx + half); ++x)
            p.set(x, y, ((y - peak) / 5 + (x / 6)) % 2 ? tile : packed(((tile >> 16) & 255) * 4 / 5, ((tile >> 8) & 255) * 4 / 5, (tile & 255) * 4 / 5));
    }
}

// The four styles a family of pieces is drawn in: the recipe chains a top's family to the middles
// below it and the middles to the bottom folder, so a fort reads as one of them, or a mix.
enum Style { Keep = 0, Towers = 1, Town = 2, Ruin = 3 };

const int WOOD = packed(120, 88, 56), DARK_WOOD = packed(82, 60, 38), IRON = packed(58, 58, 64);
const int SLATE = packed(70, 78, 96), TILE_RED = packed(132, 52, 44), ROCK = packed(104, 98, 90);

// A rectangle of air with a pointed vault on top: the vault rises `rise` above y0.
void vaultedHall(Piece& p, int x0, int y0, int x1, int y1, int rise) {
    p.fill(x0, y0, x1, y1, BLACK);
    const float cx = static_cast<float>(x0 + x1) * 0.5f, half = static_cast<float>(x1 - x0) * 0.5f;
    for (int y = y0 - rise; y < y0; ++y) {
        const float f = static_cast<float>(y0 - y) / static_cast<float>(rise);
        const float w = half * std::sqrt(std::max(0.0f, 1.0f - f * f));
        p.fill(static_cast<int>(cx - w), y, static_cast<int>(cx + w), y + 1, BLACK);
    }
}

// A timber floor with its joists.
void timberFloor(Piece& p, int x0, int x1, int y) {
    p.fill(x0, y, x1, y + 8, WOOD);
    for (int x = x0; x < x1; x += 30) p.fill(x, y + 2, x + 2, y + 7, DARK_WOOD);
}

// Broken air: a band from (x0, y0) to (x1, y1) whose top and bottom edges wander by up to
// `rough` pixels, a step of at most two pixels from one column to the next (a broken edge, and
// one band: no pocket is cut off from it).
void breach(Piece& p, Rng& r, int x0, int y0, int x1, int y1, int rough) {
    int top = r.below(rough + 1), bottom = r.below(rough + 1);
    for (int x = x0; x < x1; ++x) {
        top = std::clamp(top + r.below(5) - 2, 0, rough);
        bottom = std::clamp(bottom + r.below(5) - 2, 0, rough);
        p.fill(x, y0 + top, x + 1, y1 - bottom, BLACK);
    }
}

// A small house: a block of brick with a flat roof terrace edged in `tile`, standing on `floorY`.
void house(Piece& p, int x0, int x1, int floorY, int height, int tile) {
    p.fill(x0, floorY - height, x1, floorY, WHITE);
    p.fill(x0 - 3, floorY - height - 4, x1 + 3, floorY - height, tile);
    p.fill((x0 + x1) / 2 - 5, floorY - 18, (x0 + x1) / 2 + 5, floorY, DARK_WOOD);  // its door
}

// The way through every top piece: the stairwell from the wall walk down, with nothing over its
// mouth (no merlon, roof or flag above a way up).
void topStairs(Piece& p, int wall) {
    p.fill(STAIR_X0 - 4, 0, STAIR_X1 + 4, wall, BLACK);
    p.stairwell(wall, H);
}

brambex::ImagePtr topPiece(int t) {
    Piece p;
    Rng r(300u + static_cast<std::uint32_t>(t));
    const Style style = static_cast<Style>(t % 4);
    const bool second = t >= 4;
    int wall = 0;
    switch (style) {
    case Keep: {
        // A square keep: high walls, and a tall tower with a slate spire on the outer side.
        wall = 56 + r.below(12);
        battlements(p, wall, 24, 14, 18);
        // Tall work stays on the outer side: two high things meeting at the inner sides of
        // neighbouring pieces would make a cup of sky no one gets out of.
        const int x0 = 14, x1 = second ? 124 : 98;
        p.fill(x0, 22, x1, wall, WHITE);
        for (int x = x0; x < x1; x += 20) p.fill(x, 10, std::min(x1, x + 12), 22, WHITE);
        p.arch((x0 + x1) / 2 - LANCET, 34, (x0 + x1) / 2 + LANCET, wall - 6, GREEN);
        if (!second) roof(p, x0, x1, 10, 0, SLATE);
        else flag(p, x1 - 20, 10, 10, packed(188, 40, 36));
        break;
    }
    case Towers: {
        // Two round turrets with red cones, a low curtain wall between them.
        wall = 92 + r.below(10);
        battlements(p, wall, 18, 14, 14);
        // Both on the outer side of the stairwell's mouth (see the keep).
        for (int x0 : {6, 76}) {
            const int x1 = x0 + (x0 == 6 ? 62 : 56), eaves = (x0 == 6 ? 30 : 44) + r.below(10);
            p.fill(x0, eaves, x1, wall, WHITE);
            p.arch((x0 + x1) / 2 - LANCET, eaves + 12, (x0 + x1) / 2 + LANCET, eaves + 40, second ? BLUE : GREEN);
            roof(p, x0, x1, eaves, second ? 2 : eaves - 26, TILE_RED);
        }
        if (second) flag(p, 200, wall - 14, 40, packed(40, 84, 168));
        break;
    }
    case Town: {
        // An open platform: a timber railing instead of merlons, a bell frame, much sky.
        wall = 110 + r.below(8);
        p.fill(0, 0, W, wall, BLACK);
        for (int x = 4; x < W; x += 22) p.fill(x, wall - 16, x + 4, wall, WOOD);
        p.fill(0, wall - 16, W, wall - 12, WOOD);
        const int bx = second ? 40 : 206;
        p.fill(bx, wall - 56, bx + 4, wall, DARK_WOOD);
        p.fill(bx + 36, wall - 56, bx + 40, wall, DARK_WOOD);
        p.fill(bx - 4, wall - 60, bx + 44, wall - 54, DARK_WOOD);
        p.arch(bx + 12, wall - 50, bx + 28, wall - 34, packed(176, 136, 52));  // the bell
        break;
    }
    case Ruin: {
        // Broken merlons of any height (a character passes between them), and a stretch of wall
        // walk fallen in on the outer side, open to the sky.
        wall = 70 + r.below(16);
        p.fill(0, 0, W, wall, BLACK);
        for (int x = 0; x < W; x += 32) {
            const int height = r.below(30);
            p.fill(x, wall - height, std::min(W, x + 14 + r.below(6)), wall, WHITE);
        }
        const int fallen = second ? 120 : 90;
        p.fill(0, 0, fallen, wall, BLACK);
        breach(p, r, 0, wall - 10, fallen, wall + (second ? 46 : 30), 8);
        break;
    }
    }
    // Arrow slits in the wall below the walk, and two lancets; then the way down, over them.
    for (int i = 0; i < 4; ++i) p.fill(34 + i * 64, wall + 20, 40 + i * 64, std::min(H - 20, wall + 48), BLUE);
    if (wall + 30 < H - 14) {
        p.arch(112 - LANCET, wall + 24, 112 + LANCET, H - 14, GREEN);
        p.arch(214 - LANCET, wall + 24, 214 + LANCET, H - 14, t % 2 ? GREEN : BLUE);
    }
    topStairs(p, wall);
    return std::move(p.im);
}

// What every storey shares: the stairwell down from the storey above and on down through the
// floor, a doorway into the neighbouring storey on the inner side and a sally port out on the
// outer side, both at floor level, and the string course under it.
void storeyWays(Piece& p, int hallX0, int hallX1, int hallTop, int floorY) {
    p.fill(0, H - 12, W, H - 6, packed(170, 160, 142));
    p.stairwell(0, hallTop + 4, hallTop + 2);
    p.stairwell(floorY - 2, H);
    p.passage(hallX1 - 24, floorY - 40, W, floorY);
    p.passage(0, floorY - 40, hallX0 + 24, floorY);
}

brambex::ImagePtr middlePiece(int f, int m) {
    Piece p;
    Rng r(500u + static_cast<std::uint32_t>(f * 8 + m));
    const Style style = static_cast<Style>(f);
    // Every storey's floor lies within 12 rows of the others, so doorways of neighbours meet.
    const int floorY = 128 + (m % 3) * 6;
    switch (style) {
    case Keep: {
        // One tall hall under a pointed vault, alcoves either side that are open or walled up,
        // and on some storeys a mezzanine to stand on.
        const int hallW = 150 + r.below(30), hallX0 = (W - hallW) / 2 + (m % 2 ? 8 : -8), hallX1 = hallX0 + hallW;
        const int hallTop = 40 + r.below(10);
        vaultedHall(p, hallX0, hallTop, hallX1, floorY, 28);
        p.fill(hallX0 - 22, floorY - 64, hallX0, floorY, m % 2 ? GREEN : BLUE);
        p.fill(hallX1, floorY - 64, hallX1 + 22, floorY, m % 2 ? BLUE : GREEN);
        if (m >= 4) timberFloor(p, hallX0, hallX0 + hallW / 2 - 20, floorY - 52);
        p.arch(hallX0 / 2 - LANCET, 24, hallX0 / 2 + LANCET, 70, GREEN);
        timberFloor(p, hallX0 - 6, hallX1 + 6, floorY);
        storeyWays(p, hallX0, hallX1, hallTop - 28, floorY);
        break;
    }
    case Towers: {
        // Two low floors: a turret room over a guard hall, joined by the stairwell.
        const int upperTop = 10 + r.below(6), midFloor = 62 + r.below(6);
        const int upperX0 = 40 + r.below(20), upperX1 = W - 30 - r.below(20);
        p.fill(upperX0, upperTop, upperX1, midFloor, BLACK);
        timberFloor(p, upperX0 - 4, upperX1 + 4, midFloor);
        const int lowerX0 = 20 + r.below(16);
        p.fill(lowerX0, midFloor + 8, W - 16, floorY, BLACK);
        // Shutters on the outer wall of the turret room: open onto the field, or shut.
        p.fill(0, upperTop + 10, upperX0, upperTop + 40, m % 2 ? BLUE : GREEN);
        p.stairwell(midFloor, midFloor + 10);
        timberFloor(p, lowerX0 - 4, W, floorY);
        storeyWays(p, lowerX0, W - 16, upperTop, floorY);
        break;
    }
    case Town: {
        // A walled courtyard open to the inner side: a gallery along the top, a house in the yard.
        const int yardX0 = 18 + r.below(10), yardTop = 12 + r.below(8);
        p.fill(yardX0, yardTop, W, floorY, BLACK);
        // A gallery along the top; under it a house low enough to walk over.
        const int gallery = 50 + r.below(8);
        timberFloor(p, yardX0, STAIR_X0 - 4, gallery);
        timberFloor(p, STAIR_X1 + 4, W - 30, gallery);
        house(p, 44 + r.below(20), 100 + r.below(10), floorY, 26 + r.below(8), m % 2 ? TILE_RED : SLATE);
        // A second house, built or not, by the inner doorway.
        p.fill(200, floorY - 30, 240, floorY, m % 2 ? GREEN : BLUE);
        timberFloor(p, yardX0 - 4, W, floorY);
        storeyWays(p, yardX0, W, yardTop, floorY);
        break;
    }
    case Ruin: {
        // A hall with its outer wall broken open, the corner above fallen in, rubble on the floor.
        const int hallX0 = 70 + r.below(20), hallX1 = W - 20 - r.below(20), hallTop = 36 + r.below(12);
        vaultedHall(p, hallX0, hallTop, hallX1, floorY, 20);
        breach(p, r, 0, hallTop - 30 - r.below(10), hallX0 + 6, floorY - 20, 10);
        breach(p, r, 0, 0, 60 + r.below(30), hallTop - 10, 6);
        for (int k = 0; k < 3; ++k) {
            const int x = hallX0 + 20 + k * 50 + r.below(12);
            if (x + 26 > STAIR_X0 - 4 && x < STAIR_X1 + 4) continue;  // the way down stays clear
            const int height = 6 + r.below(10);
            for (int dx = 0; dx < 26; ++dx) p.fill(x + dx, floorY - height + std::abs(dx - 13) * height / 14, x + dx + 1, floorY, ROCK);
        }
        timberFloor(p, hallX0 - 6, hallX1 + 6, floorY);
        storeyWays(p, hallX0, hallX1, hallTop - 20, floorY);
        break;
    }
    }
    return std::move(p.im);
}

brambex::ImagePtr bottomPiece(int f, int n) {
    Piece p;
    Rng r(700u + static_cast<std::uint32_t>(f * 2 + n));
    const Style style = static_cast<Style>(f % 4);
    const bool secondSet = f >= 4;
    const int hallY0 = H - 22 - 44, hallY1 = H - 22;
    // The plinth, the stairwell down, and the hall along the plinth that runs out through the
    // outer wall: every base has them.
    auto plinth = [&](int colour) {
        const int joint = packed(72, 66, 60);
        p.fill(0, H - 22, W, H, colour);
        for (int x = (n % 2) * 20; x < W; x += 40) p.fill(x, H - 22, x + 2, H, joint);
        p.fill(0, H - 12, W, H - 10, joint);
    };
    if (!secondSet) {
        // Gatehouses: the gate's shape is the style's.
        switch (style) {
        case Keep: {
            const int gateX = 60 + r.below(30), gateW = 96;
            p.arch(gateX, 30, gateX + gateW, hallY1, BLACK);
            const int raised = 70 + (n % 2) * 8;
            for (int x = gateX + 6; x < gateX + gateW - 4; x += 12) p.fill(x, 30, x + 3, raised, IRON);
            for (int y = 44; y < raised; y += 14) p.fill(gateX, y, gateX + gateW, y + 3, IRON);
            break;
        }
        case Towers:
            for (int k = 0; k < 2; ++k) {
                const int gx = 20 + k * 150 + r.below(10);
                p.arch(gx, 60, gx + 56, hallY1, BLACK);
                p.fill(gx + 8, 60, gx + 48, 64, IRON);
            }
            break;
        case Town:
            // An arcade of the market hall.
            for (int k = 0; k < 4; ++k) p.arch(8 + k * 68, 50 + (k % 2) * 8, 8 + k * 68 + 52, hallY1, BLACK);
            break;
        case Ruin:
            breach(p, r, 20, 20 + r.below(20), 200 + r.below(40), hallY1, 14);
            break;
        }
    } else {
        switch (style) {
        case Keep:
            // Cellars: vaulted store rooms over the way out, full of barrels.
            for (int k = 0; k < 2; ++k) {
                const int x0 = 14 + k * 170;
                vaultedHall(p, x0, 40, x0 + 90, hallY0, 18);
                for (int b = 0; b < 3; ++b) p.arch(x0 + 42 + b * 16, hallY0 - 16, x0 + 56 + b * 16, hallY0, DARK_WOOD);
                p.fill(x0 + 4, hallY0 - 4, x0 + 36, hallY1, BLACK);  // the steps down to the way out
            }
            break;
        case Towers:
            // A rock the fort stands on, a tunnel through it.
            p.fill(0, 60 + r.below(20), W, H, ROCK);
            for (int k = 0; k < 40; ++k) {
                const int x = r.below(W), y = 70 + r.below(80);
                p.fill(x, y, x + 6 + r.below(10), y + 2, packed(84, 80, 74));
            }
            p.fill(0, 0, W, 60, WHITE);
            break;
        case Town:
            // A bridge over the moat: air under the deck, open to the field.
            p.fill(0, 40, W, hallY1 - 2, BLACK);
            p.fill(0, hallY0 - 10, W - 20, hallY0, WOOD);
            for (int x = 10; x < W - 20; x += 40) p.fill(x, hallY0, x + 6, hallY1, DARK_WOOD);
            p.fill(0, hallY1 - 2, W, hallY1, packed(60, 90, 120));  // water in the moat
            break;
        case Ruin:
            // A base fallen in: the way out runs through rubble.
            breach(p, r, 0, 10 + r.below(30), W - 40, hallY1, 18);
            for (int k = 0; k < 4; ++k) {
                const int x = 20 + k * 60 + r.below(20);
                if (x + 30 > STAIR_X0 - 4 && x < STAIR_X1 + 4) continue;
                for (int dx = 0; dx < 30; ++dx) p.fill(x + dx, hallY1 - 10 + std::abs(dx - 15) * 10 / 15, x + dx + 1, hallY1, ROCK);
            }
            break;
        }
    }
    // The way out runs under every opening of the base (an arcade's last arch too).
    const int hallEnd = secondSet || style == Town ? W - 12 : STAIR_X1 + 12;
    p.stairwell(0, hallY0);
    p.passage(0, hallY0, hallEnd, hallY1);
    // Loopholes in what wall is left.
    p.fill(24, 20, 30, 50, BLUE);
    plinth(style == Towers && secondSet ? ROCK : packed(120, 112, 102));
    return std::move(p.im);
}

brambex::ImagePtr brick(int kind) {
    brambex::ImagePtr im = brambex::createTrueColour(W, H);
    const Colour base[3] = {rgb(0xA0503A), rgb(0x7E8086), rgb(0xDAD2BE)};
    const Colour mortar[3] = {rgb(0xC8BCA8), rgb(0x55575C), rgb(0xA89E8A)};
    const int bw = kind == 0 ? 28 : 40, bh = kind == 0 ? 12 : 20;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int row = y / bh, off = (row % 2) * bw / 2;
            const int bx = (x + off) % bw, by = y % bh;
            const std::uint32_t cell = hash((x + off) / bw, row, 77u + static_cast<std::uint32_t>(kind));
            Colour c;
            if (bx < 2 || by < 2) {
                c = mortar[kind];
            } else {
                c = shade(base[kind], 0.86f + 0.22f * unit(cell));
                c = shade(c, 0.9f + 0.18f * fbm(static_cast<float>(x) / 5.0f, static_cast<float>(y) / 5.0f, 3, 0, 91u + static_cast<std::uint32_t>(kind)));
                if (kind == 1 && unit(hash(x, y, 5)) > 0.93f) c = lift(c, 0.4f);  // granite speckle
                if (by == 2 || bx == 2) c = lift(c, 0.12f);
            }
            im->tpixels[y][x] = safeColour(c);
        }
    return im;
}

brambex::ImagePtr landStrip() {
    brambex::ImagePtr im = brambex::createTrueColour(64, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 64; ++x) {
            const float fy = static_cast<float>(y);
            Colour c = mix(rgb(0x6E4A2C), rgb(0x4A3220), std::min(1.0f, fy / 200.0f));
            c = shade(c, 0.85f + 0.3f * fbm(static_cast<float>(x) / 9.0f, fy / 6.0f, 4, 0, 41u));
            if (unit(hash(x, y, 43u)) > 0.985f) c = rgb(0x8C8478);  // pebbles
            im->tpixels[y][x] = safeColour(c);
        }
    return im;
}

// The hill's surface pieces, 9 x 8 on their key colour (0 for 1 and 4, 3 for 2 and 3): a tuft of
// grass, two clods of earth with roots, and stones. They are strewn over the top 200 rows of the
// hill, so most of them must read as earth.
brambex::ImagePtr grassTuft(int n) {
    brambex::ImagePtr im = brambex::createTrueColour(9, 8);
    const int key = n == 2 || n == 3 ? 3 : 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x) im->tpixels[y][x] = key;
    Rng r(60u + static_cast<std::uint32_t>(n));
    if (n == 1) {
        const Colour greens[3] = {rgb(0x4E9A2E), rgb(0x5FAE36), rgb(0x3F8626)};
        for (int blade = 0; blade < 5; ++blade) {
            const int x0 = 1 + r.below(7), top = r.below(4);
            for (int y = top; y < 8; ++y) {
                const int x = std::clamp(x0 + (y < 3 ? (blade % 2 ? 1 : -1) : 0), 0, 8);
                im->tpixels[y][x] = safeColour(shade(greens[blade % 3], 0.8f + 0.05f * static_cast<float>(y)));
            }
        }
        return im;
    }
    // An irregular blob of earth (or stone for the fourth), lit from the upper left.
    const Colour base = n == 4 ? rgb(0x8A8276) : (n == 2 ? rgb(0x5E4028) : rgb(0x4A3220));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x) {
            const float dx = (static_cast<float>(x) - 4.0f) / 4.4f, dy = (static_cast<float>(y) - 3.6f) / 3.6f;
            if (dx * dx + dy * dy + 0.3f * unit(hash(x, y, 70u + static_cast<std::uint32_t>(n))) > 1.05f) continue;
            Colour c = shade(base, 1.1f - 0.1f * static_cast<float>(x + y) / 3.0f);
            if (n == 3 && (x + 2 * y) % 7 == 0) c = rgb(0x9A7A4A);  // a root
            im->tpixels[y][x] = safeColour(c);
        }
    return im;
}

}  // namespace

std::vector<brambex::ImagePtr> fortSamples() {
    std::vector<brambex::ImagePtr> out;
    for (int k = 0; k < 3; ++k) out.push_back(brick(k));
    out.push_back(topPiece(5));
    out.push_back(middlePiece(1, 2));
    out.push_back(bottomPiece(2, 0));
    return out;
}

void writeFortArt(const std::filesystem::path& folder) {
    writeArtPng(folder / "grass" / "land.png", landStrip().get());
    for (int n = 1; n <= 4; ++n) writeArtPng(folder / "grass" / ("grass" + std::to_string(n) + ".png"), grassTuft(n).get());
    for (int k = 0; k < 3; ++k) writeArtPng(folder / "brick" / (std::to_string(k) + ".png"), brick(k).get());
    for (int t = 0; t < 8; ++t) writeArtPng(folder / "top" / std::to_string(t) / "0.png", topPiece(t).get());
    for (int f = 0; f < 4; ++f)
        for (int m = 0; m < 8; ++m)
            writeArtPng(folder / "middle" / std::to_string(f) / std::to_string(m) / "0.png", middlePiece(f, m).get());
    for (int f = 0; f < 8; ++f)
        for (int n = 0; n < 2; ++n)
            writeArtPng(folder / "bottom" / std::to_string(f) / (std::to_string(n) + ".png"), bottomPiece(f, n).get());
}

}  // namespace artwork
