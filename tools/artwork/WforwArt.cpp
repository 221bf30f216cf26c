// Walk for Weapons artwork (data/wfw/): building tiles with their connection points, pad and node
// spots (see generators/WforW.cpp for what the colours mean), block stamps, nodes and weapon pads.
//
// Every tile can be walked and climbed through: the run stamps a 7 x 9 block on every land pixel,
// so land grows by 3 px sideways and 4 px up and down, and a weapon pad (30 px high, standing on
// the floor) must still leave room above it for a character (20 px) to pass. Floors that a tile
// below or above joins through have a hatch over that tile's shaft, and no tile has a room closed
// off from its connection points.

#include <algorithm>
#include <cmath>
#include <string>

#include "Noise.h"
#include "Raster.h"
#include "TypeArtwork.h"

namespace artwork {

namespace {

constexpr int WHITE = 0xFFFFFF, YELLOW = 0xFFFF00, CYAN = 0x00FFFF, TEAL = 0x008080;
constexpr int RIGHT_EXIT = 0x00FF00, LEFT_ENTRY = 0x008000, BOTTOM_EXIT = 0x810080, TOP_ENTRY = 0x00C000;

struct Tile {
    brambex::ImagePtr im;
    Tile(int w, int h) : im(brambex::createTrueColour(w, h)) {}
    void fill(int x0, int y0, int x1, int y1, int c) {
        for (int y = std::max(0, y0); y < std::min(im->sy, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(im->sx, x1); ++x) im->tpixels[y][x] = c;
    }
    void set(int x, int y, int c) { im->tpixels[y][x] = c; }
    int w() const { return im->sx; }
    int h() const { return im->sy; }
    // The floor's top row `floorY`: the left and right points sit in it, a pad stands on it.
    void sides(int floorY) {
        set(0, floorY, LEFT_ENTRY);
        set(w() - 1, floorY, RIGHT_EXIT);
    }
    void pad(int x, int floorY) { set(x, floorY - 26, CYAN); }
};

// A corridor: ceiling, floor, a pad in the middle, girders (yellow) under the floor. Stamped, its
// air is 48 px high: 22 px above a pad.
brambex::ImagePtr corridor(int w, bool girders) {
    Tile t(w, 80);
    t.fill(0, 0, w, 8, WHITE);
    t.fill(0, 64, w, 80, girders ? YELLOW : WHITE);
    t.fill(0, 64, w, 70, WHITE);
    t.sides(64);
    t.pad(w / 2, 64);
    return std::move(t.im);
}

// A hall two storeys high with a lamp, a gallery and points on both sides and below.
brambex::ImagePtr hall() {
    Tile t(180, 120);
    t.fill(0, 0, 180, 10, WHITE);
    t.fill(0, 104, 180, 120, WHITE);
    t.fill(60, 56, 120, 64, YELLOW);  // a gallery to stand on
    t.set(90, 14, TEAL);
    t.fill(16, 104, 62, 120, 0);  // the hatch over a shaft joined below
    t.sides(104);
    t.pad(140, 104);
    t.pad(90, 56);
    t.set(8, 119, BOTTOM_EXIT);
    return std::move(t.im);
}

// A shaft: two walls, rungs, a top and a bottom point in the left wall.
brambex::ImagePtr shaft(int h) {
    Tile t(70, h);
    t.fill(0, 0, 12, h, WHITE);
    t.fill(58, 0, 70, h, WHITE);
    for (int y = 24; y < h - 10; y += 28) t.fill(12, y, 34, y + 5, YELLOW);  // rungs to hop up
    t.set(4, 0, TOP_ENTRY);
    t.set(4, h - 1, BOTTOM_EXIT);
    return std::move(t.im);
}

// Stairs: the floor climbs from the left point to the right one, under a ceiling high enough to
// pass the pad on the middle step and the top step.
brambex::ImagePtr stairs(bool up) {
    Tile t(150, 116);
    t.fill(0, 0, 150, 8, WHITE);
    const int steps = 5;
    for (int k = 0; k < steps; ++k) {
        const int x0 = k * 30, top = up ? 100 - k * 12 : 52 + k * 12;
        t.fill(x0, top, x0 + 30, 116, WHITE);
    }
    t.set(0, up ? 100 : 52, LEFT_ENTRY);
    t.set(149, up ? 52 : 100, RIGHT_EXIT);
    t.pad(75, 76);
    return std::move(t.im);
}

// A landing: a floor to stand on, open to both sides, with a shaft's mouth above (a point
// upwards) and a hatch into a shaft below (a point downwards).
brambex::ImagePtr landing() {
    Tile t(140, 80);
    t.fill(0, 64, 140, 80, WHITE);
    t.fill(12, 64, 58, 80, 0);  // the hatch
    t.fill(0, 0, 10, 12, WHITE);
    t.fill(130, 0, 140, 12, WHITE);
    t.set(4, 0, TOP_ENTRY);
    t.set(4, 79, BOTTOM_EXIT);
    t.sides(64);
    t.set(70, 20, TEAL);
    t.pad(100, 64);
    return std::move(t.im);
}

brambex::ImagePtr brick(int set, bool girder) {
    brambex::ImagePtr im = brambex::createTrueColour(7, 9);
    const Colour bases[5] = {rgb(0x9A4A36), rgb(0x7A7C84), rgb(0x8A6A48), rgb(0x5A6A7A), rgb(0xB0A080)};
    const Colour base = girder ? rgb(0xC89A2A) : bases[set % 5];
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 7; ++x) {
            Colour c = base;
            if (girder) {
                if (y == 0 || y == 8 || x == (y % 7)) c = shade(base, 0.6f);
            } else {
                if (y == 8 || x == 6) c = shade(base, 0.55f);     // mortar
                else if (y == 0 || x == 0) c = lift(base, 0.25f);  // lit edge
            }
            im->tpixels[y][x] = safeColour(c);
        }
    return im;
}

brambex::ImagePtr node(int n) {
    Canvas c(17, 17);
    const Colour colours[4] = {rgb(0xF2D04A), rgb(0x9AA0A8), rgb(0xD84A3A), rgb(0x4AC8E8)};
    const Colour base = colours[(n - 1) % 4];
    c.ellipse(8.5f, 8.5f, 7.5f, 7.5f, [=](float x, float y) {
        const float dx = (x - 8.5f) / 7.5f, dy = (y - 8.5f) / 7.5f;
        return shade(base, 0.5f + 0.8f * lambert(dx, dy, std::sqrt(std::max(0.0f, 1.0f - dx * dx - dy * dy))));
    });
    c.ellipse(8.5f, 8.5f, 2.5f, 2.5f, [](float, float) { return rgb(0x2A2A2E); });
    return c.toObject(0.4f);
}

// A weapon crate: wood or metal by folder, with the folder's mark on its side.
brambex::ImagePtr pad(int folder, int n) {
    brambex::ImagePtr im = brambex::createTrueColour(30, 30);
    const Colour body = folder % 3 == 0 ? rgb(0x9A6A3A) : folder % 3 == 1 ? rgb(0x5A6A4A) : rgb(0x6A6E78);
    const Colour marks[9] = {rgb(0xE8C84A), rgb(0xD84A3A), rgb(0x4AA8E8), rgb(0x8AD85A), rgb(0xE88A3A),
                             rgb(0xC85AD8), rgb(0xF0F0E8), rgb(0x3AD8B8), rgb(0xD8D84A)};
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            Colour c = shade(body, 0.85f + 0.2f * fbm(static_cast<float>(x) / 4.0f, static_cast<float>(y) / 2.0f, 2, 0, 90u + static_cast<std::uint32_t>(folder)));
            if (x < 2 || y < 2 || x > 27 || y > 27) c = shade(body, 0.5f);
            if ((x + y == 29 || x == y) && n % 2 == 0) c = shade(body, 0.65f);  // braces
            const float dx = static_cast<float>(x) - 14.5f, dy = static_cast<float>(y) - 14.5f;
            const bool mark = folder % 2 ? std::fabs(dx) + std::fabs(dy) < 7.0f : dx * dx + dy * dy < 36.0f;
            if (mark) c = marks[folder];
            im->tpixels[y][x] = safeColour(c);
        }
    return im;
}

}  // namespace

namespace {
std::vector<brambex::ImagePtr> wforwTiles() {
    std::vector<brambex::ImagePtr> tiles;
    tiles.push_back(corridor(140, false));
    tiles.push_back(corridor(220, true));
    tiles.push_back(hall());
    tiles.push_back(shaft(160));
    tiles.push_back(shaft(100));
    tiles.push_back(stairs(true));
    tiles.push_back(stairs(false));
    tiles.push_back(landing());
    return tiles;
}
}  // namespace

std::vector<brambex::ImagePtr> wforwSamples() {
    std::vector<brambex::ImagePtr> out = wforwTiles();
    for (int f = 0; f < 9; ++f) out.push_back(pad(f, 0));
    for (int n = 1; n <= 4; ++n) out.push_back(node(n));
    return out;
}

void writeWforwArt(const std::filesystem::path& folder) {
    const std::vector<brambex::ImagePtr> tiles = wforwTiles();
    for (std::size_t n = 0; n < tiles.size(); ++n) writeArtPng(folder / "tiles" / (std::to_string(n) + ".png"), tiles[n].get());
    for (int k = 0; k < 5; ++k) {
        writeArtPng(folder / "blocks" / (std::to_string(k) + ".png"), brick(k, false).get());
        writeArtPng(folder / "blocks" / (std::to_string(k) + "d.png"), brick(k, true).get());
    }
    for (int n = 1; n <= 4; ++n) writeArtPng(folder / "nodes" / (std::to_string(n) + ".png"), node(n).get());
    for (int f = 0; f < 9; ++f)
        for (int n = 0; n < 2; ++n) {
            std::string name(1, 'F');
            name += std::to_string(f);
            writeArtPng(folder / "pads" / name / (std::to_string(n) + ".png"), pad(f, n).get());
        }
}

}  // namespace artwork
