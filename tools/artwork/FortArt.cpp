// Fort artwork (data/fort): the hill's land and grass tufts, the three bricks, and the 280 x 170
// pieces a fort is stacked from. In a piece, white is where the brick shows, black is air, pure
// green and pure blue are the two parts the run turns into air or brick (windows or shutters,
// a door or a wall), and every other colour is kept as drawn (wood, iron, roofs, flags).
//
// A column is top/<t>, then middle/<t mod 4>/<m1>, middle/<m1 mod 4>/<m2>, bottom/<m2 mod 4 (+4)>/<n>:
// battlements and roofs on top, storeys with windows and doors in the middle, a solid base with a
// gate at the bottom. Every piece shares the same outer walls so any stack lines up.
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

brambex::ImagePtr topPiece(int t) {
    Piece p;
    Rng r(300u + static_cast<std::uint32_t>(t));
    const int wall = 78 + (t % 3) * 8;
    battlements(p, wall, 26 + (t % 2) * 8, 16 + (t % 3) * 2, 20);
    p.fill(STAIR_X0 - 4, 0, STAIR_X1 + 4, wall, BLACK);  // no merlon over the stairwell's mouth
    if (t >= 4) {
        // A turret on the outer side with a roof (or a flag on the even ones).
        const int x0 = 16, x1 = 96;
        p.fill(x0, wall - 52, x1, wall, WHITE);
        p.arch((x0 + x1) / 2 - LANCET, wall - 40, (x0 + x1) / 2 + LANCET, wall - 12, t % 2 ? GREEN : BLUE);
        if (t % 2) roof(p, x0, x1, wall - 52, wall - 78 - r.below(8), packed(132, 52, 44));
        else flag(p, (x0 + x1) / 2, wall - 52, 30, packed(40, 84, 168));
    } else if (t % 2) {
        flag(p, 200, wall - 20, 44, packed(188, 40, 36));
    }
    // The wall walk: a row of arrow slits and a pair of windows.
    for (int i = 0; i < 4; ++i) p.fill(34 + i * 64, wall + 26, 40 + i * 64, wall + 58, BLUE);
    p.arch(126 - LANCET, wall + 30, 126 + LANCET, H - 14, GREEN);
    p.arch(206 - LANCET, wall + 30, 206 + LANCET, H - 14, t % 2 ? GREEN : BLUE);
    // The stairwell down from the wall walk.
    p.stairwell(wall, H);
    return std::move(p.im);
}

brambex::ImagePtr middlePiece(int f, int m) {
    Piece p;
    Rng r(500u + static_cast<std::uint32_t>(f * 8 + m));
    // A storey: a hall of air with a timber floor to stand on, windows in the walls beside it
    // (green and blue: open or shut, as the run decides), arrow slits above.
    const int floorY = 128 + (m % 3) * 6;
    const int hallW = 110 + (f % 2) * 30 + r.below(10), hallX = (W - hallW) / 2 + (m % 2 ? 10 : -10);
    const int hallTop = 30 + r.below(12);
    p.arch(hallX, hallTop, hallX + hallW, floorY, BLACK);
    p.fill(hallX - 6, floorY, hallX + hallW + 6, floorY + 8, packed(112, 84, 56));
    for (int x = hallX; x < hallX + hallW; x += 30) p.fill(x, floorY + 2, x + 2, floorY + 7, packed(84, 62, 40));
    // Windows either side of the hall.
    const int leftCx = hallX / 2, rightCx = (hallX + hallW + W) / 2;
    const int winTop = 50 + (m % 2) * 12;
    p.arch(leftCx - LANCET, winTop, leftCx + LANCET, winTop + 50, m % 2 ? GREEN : BLUE);
    p.arch(rightCx - LANCET, winTop, rightCx + LANCET, winTop + 50, (m + f) % 2 ? BLUE : GREEN);
    for (int i = 0; i < 3; ++i) p.fill(hallX + hallW / 4 * (i + 1) - 2, 8, hallX + hallW / 4 * (i + 1) + 3, 24, BLUE);
    // A balcony beam out of the hall on some storeys.
    if (m >= 4) p.fill(hallX + hallW / 2 - 30, floorY - 2, hallX + hallW / 2 + 30, floorY + 2, packed(96, 70, 46));
    // String course: a band of dressed stone under the storey.
    p.fill(0, H - 12, W, H - 6, packed(170, 160, 142));
    // The stairwell: down from the storey above into the hall's vault, and on through a gap in the
    // timber floor; a doorway on the inner side into the neighbouring storey.
    {
        // The ladder ends where its columns reach the vault.
        const float cx = static_cast<float>(2 * hallX + hallW) * 0.5f, r = static_cast<float>(hallW) * 0.5f;
        float vault = 0.0f;
        for (int x = STAIR_X0 + 2; x < STAIR_X0 + 12; ++x) {
            const float fx = static_cast<float>(x) + 0.5f - cx;
            vault = std::max(vault, static_cast<float>(hallTop) + r - std::sqrt(std::max(0.0f, r * r - fx * fx)));
        }
        p.stairwell(0, hallTop + hallW / 2, static_cast<int>(vault) + 1);
    }
    p.stairwell(floorY - 2, H);
    p.passage(hallX + hallW - 24, floorY - 40, W, floorY);
    // A sally port on the outer side: the storeys open onto the field as well.
    p.passage(0, floorY - 40, hallX + 24, floorY);
    return std::move(p.im);
}

brambex::ImagePtr bottomPiece(int f, int n) {
    Piece p;
    // A base: a gate with a portcullis, a guard room, and a plinth of large blocks.
    const int gateX = 70 + (f % 4) * 18 + n * 10, gateW = 80;
    p.arch(gateX, 40, gateX + gateW, H - 22, BLACK);
    const int iron = packed(58, 58, 64);
    // The portcullis, raised: its lower edge hangs well above a character's head.
    const int raised = 76 + (f % 2) * 8;
    for (int x = gateX + 6; x < gateX + gateW - 4; x += 12) p.fill(x, 40, x + 3, raised, iron);
    for (int y = 52; y < raised; y += 14) p.fill(gateX, y, gateX + gateW, y + 3, iron);
    // The stairwell comes down into a hall along the plinth that runs out through the outer wall.
    const int hallEnd = std::max(STAIR_X1 + 12, gateX + gateW);
    p.stairwell(0, H - 22 - 44);
    p.passage(0, H - 22 - 44, hallEnd, H - 22);
    // A gate leaf folded back against the hall's inner wall (blue or green: the run decides
    // whether it shows), clear of the way out.
    p.fill(hallEnd - 6, raised + 10, hallEnd, H - 22, f >= 4 ? BLUE : GREEN);
    // A guard room window and loopholes.
    p.arch(gateX + gateW + 43 - LANCET, 50, gateX + gateW + 43 + LANCET, 96, f >= 4 ? GREEN : BLUE);
    p.fill(24, 60, 30, 100, BLUE);
    // The plinth.
    const int plinth = packed(120, 112, 102), joint = packed(72, 66, 60);
    p.fill(0, H - 22, W, H, plinth);
    for (int x = (n % 2) * 20; x < W; x += 40) p.fill(x, H - 22, x + 2, H, joint);
    p.fill(0, H - 12, W, H - 10, joint);
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
