// Shopper artwork (data/shopper/): whole shop buildings, the pieces generated buildings are put
// together from, signs and awnings for the walls, lamps and banners for the ceiling, and the maze
// tiles of a shopping arcade.
//
// White is land (the theme's soil textures it), black is air, and every other colour stays as
// drawn. Pieces of a generated building are drawn into it as they are: their black cuts air out
// of the building. Signs and lamps are keyed on black. Buildings, signs and lamps can be mirrored
// by the map, so nothing on them is lettering; the tiles are never mirrored.
//
// What the map does with them: a roof-line piece (city/top) is 130 high and stands on row 130 of
// a building; city/top/blank.png is stretched between pieces. A wall piece (city/side) is drawn at
// a building's left edge (mirrored on the right); side/blank.png is stretched down between them.
// An extra (city/side/extras) hangs from whatever is to its right: unmirrored it is drawn left of
// a building or mirrored from the map's left wall. A ceiling object (roof) hangs with its top 15
// rows inside the ceiling. A large building stands on the map's bottom row, its lowest 22 rows
// in the floor strip.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gdfontmb.h>

#include "Noise.h"
#include "Raster.h"
#include "TypeArtwork.h"

namespace artwork {

namespace {

constexpr int WHITE = 0xFFFFFF, AIR = 0;

int C(int r, int g, int b) { return safeColour(Colour{static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)}); }
int C(Colour c) { return safeColour(c); }
Colour unpack(int c) { return rgb(static_cast<std::uint32_t>(c)); }
int darker(int c, float k) { return C(shade(unpack(c), k)); }
int lighter(int c, float k) { return C(lift(unpack(c), k)); }

// Colours shared by several pictures.
const int IRON = C(58, 62, 70), IRON_LIGHT = C(112, 118, 128), BRASS = C(206, 164, 74), WOOD = C(128, 86, 52);
const int INTERIOR = C(44, 34, 30);  // the dark inside of a building seen through an opening
const int CREAM = C(244, 236, 214), WARM_LIGHT = C(255, 222, 140), LEAF = C(66, 140, 62), POT = C(176, 92, 58);

struct Pic {
    brambex::ImagePtr im;
    Pic(int w, int h, int background = AIR) : im(brambex::createTrueColour(w, h)) { fill(0, 0, w, h, background); }
    int w() const { return im->sx; }
    int h() const { return im->sy; }
    void set(int x, int y, int c) {
        if (x >= 0 && y >= 0 && x < w() && y < h()) im->tpixels[y][x] = c;
    }
    int at(int x, int y) const { return im->tpixels[y][x]; }
    void fill(int x0, int y0, int x1, int y1, int c) {
        for (int y = std::max(0, y0); y < std::min(h(), y1); ++y)
            for (int x = std::max(0, x0); x < std::min(w(), x1); ++x) im->tpixels[y][x] = c;
    }
    // A box with a lighter top-left and darker bottom-right edge, so it reads as raised.
    void box(int x0, int y0, int x1, int y1, int c) {
        fill(x0, y0, x1, y1, c);
        fill(x0, y0, x1, y0 + 1, lighter(c, 0.3f));
        fill(x0, y0, x0 + 1, y1, lighter(c, 0.2f));
        fill(x0, y1 - 1, x1, y1, darker(c, 0.6f));
        fill(x1 - 1, y0, x1, y1, darker(c, 0.7f));
    }
    void poly(std::vector<gdPoint> points, int c) { gdImageFilledPolygon(im.get(), points.data(), static_cast<int>(points.size()), c); }
    void ellipse(int cx, int cy, int rx, int ry, int c) {
        for (int y = cy - ry; y <= cy + ry; ++y)
            for (int x = cx - rx; x <= cx + rx; ++x) {
                const float dx = (static_cast<float>(x - cx) + 0.5f) / (static_cast<float>(rx) + 0.5f);
                const float dy = (static_cast<float>(y - cy) + 0.5f) / (static_cast<float>(ry) + 0.5f);
                if (dx * dx + dy * dy <= 1.0f) set(x, y, c);
            }
    }
    void line(int x0, int y0, int x1, int y1, int c, int thick = 1) {
        gdImageSetThickness(im.get(), thick);
        gdImageLine(im.get(), x0, y0, x1, y1, c);
        gdImageSetThickness(im.get(), 1);
    }
    // Vertical gradient from `top` to `bottom`.
    void gradient(int x0, int y0, int x1, int y1, int top, int bottom) {
        for (int y = y0; y < y1; ++y) {
            const float t = y1 - y0 > 1 ? static_cast<float>(y - y0) / static_cast<float>(y1 - y0 - 1) : 0.0f;
            fill(x0, y, x1, y + 1, C(mix(unpack(top), unpack(bottom), t)));
        }
    }
    // A pane of shop glass: sky-tinted, darker low down, with two light streaks.
    void glass(int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const float t = static_cast<float>(y - y0) / static_cast<float>(std::max(1, y1 - y0));
                Colour c = mix(Colour{132, 184, 206}, Colour{52, 86, 118}, t);
                const int d = (x - x0) + (y - y0);
                if (d % 46 < 5 || (d + 17) % 46 < 2) c = lift(c, 0.35f);
                set(x, y, C(c));
            }
    }
    // A window lit from inside, warm at the top.
    void litWindow(int x0, int y0, int x1, int y1) { gradient(x0, y0, x1, y1, C(255, 226, 150), C(214, 150, 74)); }
    // A frame of width `t` around a rectangle (inside it).
    void frame(int x0, int y0, int x1, int y1, int t, int c) {
        fill(x0, y0, x1, y0 + t, c);
        fill(x0, y1 - t, x1, y1, c);
        fill(x0, y0, x0 + t, y1, c);
        fill(x1 - t, y0, x1, y1, c);
    }
};

// A shop's emblem centred at (cx, cy), about 2s wide: what the shop sells, instead of words.
enum class Emblem { Cup, Bread, Boot, Book, Balloon, Flower, Gem, Bag };

void emblem(Pic& p, Emblem kind, int cx, int cy, int s, int c) {
    const int dark = darker(c, 0.55f);
    switch (kind) {
    case Emblem::Cup:
        p.fill(cx - s * 2 / 3, cy - s / 3, cx + s / 3, cy + s * 2 / 3, c);
        p.ellipse(cx + s / 2, cy + s / 6, s / 4, s / 4, c);
        p.ellipse(cx + s / 2, cy + s / 6, s / 8, s / 8, dark);
        p.fill(cx - s, cy + s * 2 / 3, cx + s * 2 / 3, cy + s * 2 / 3 + std::max(2, s / 6), c);
        for (int k = -1; k <= 1; ++k) p.line(cx - s / 6 + k * s / 4, cy - s / 2, cx - s / 6 + k * s / 4 + s / 8, cy - s, c, 2);
        break;
    case Emblem::Bread:
        p.ellipse(cx, cy, s, s * 3 / 5, c);
        for (int k = -1; k <= 1; ++k) p.line(cx + k * s / 2 - s / 6, cy + s / 4, cx + k * s / 2 + s / 6, cy - s / 4, dark, 2);
        break;
    case Emblem::Boot:
        p.poly({{cx - s / 2, cy - s}, {cx + s / 6, cy - s}, {cx + s / 6, cy + s / 6}, {cx + s, cy + s / 3}, {cx + s, cy + s * 2 / 3},
                {cx - s / 2, cy + s * 2 / 3}},
               c);
        p.fill(cx - s / 2, cy + s / 2, cx + s + 1, cy + s * 2 / 3 + 1, dark);
        break;
    case Emblem::Book:
        p.fill(cx - s, cy - s * 2 / 3, cx - 1, cy + s * 2 / 3, c);
        p.fill(cx + 1, cy - s * 2 / 3, cx + s, cy + s * 2 / 3, c);
        p.fill(cx - 1, cy - s * 2 / 3, cx + 1, cy + s * 2 / 3, dark);
        for (int k = 1; k <= 3; ++k) {
            const int y = cy - s * 2 / 3 + k * s / 3;
            p.fill(cx - s + s / 5, y, cx - s / 5, y + 1, dark);
            p.fill(cx + s / 5, y, cx + s - s / 5, y + 1, dark);
        }
        break;
    case Emblem::Balloon:
        p.ellipse(cx, cy - s / 4, s * 2 / 3, s * 4 / 5, c);
        p.ellipse(cx - s / 4, cy - s / 2, s / 6, s / 5, lighter(c, 0.5f));
        p.line(cx, cy + s / 2, cx + s / 6, cy + s, dark, 1);
        break;
    case Emblem::Flower:
        for (int k = 0; k < 5; ++k) {
            const float a = static_cast<float>(k) * 1.2566f - 1.5708f;
            p.ellipse(cx + static_cast<int>(std::cos(a) * static_cast<float>(s) * 0.55f),
                      cy + static_cast<int>(std::sin(a) * static_cast<float>(s) * 0.55f), s * 2 / 5, s * 2 / 5, c);
        }
        p.ellipse(cx, cy, s / 3, s / 3, C(250, 210, 70));
        break;
    case Emblem::Gem:
        p.poly({{cx - s, cy - s / 3}, {cx - s / 2, cy - s * 3 / 4}, {cx + s / 2, cy - s * 3 / 4}, {cx + s, cy - s / 3}, {cx, cy + s}}, c);
        p.line(cx - s, cy - s / 3, cx + s, cy - s / 3, lighter(c, 0.5f));
        p.line(cx - s / 3, cy - s / 3, cx, cy + s, dark);
        p.line(cx + s / 3, cy - s / 3, cx, cy + s, dark);
        break;
    case Emblem::Bag:
        p.fill(cx - s * 3 / 4, cy - s / 3, cx + s * 3 / 4, cy + s, c);
        for (int a = 0; a < 180; a += 3) {
            const float r = static_cast<float>(a) * 0.01745f;
            p.set(cx + static_cast<int>(std::cos(r) * static_cast<float>(s) * 0.4f),
                  cy - s / 3 - static_cast<int>(std::sin(r) * static_cast<float>(s) * 0.5f), dark);
        }
        p.fill(cx - s * 3 / 4, cy - s / 3, cx + s * 3 / 4, cy - s / 3 + 2, dark);
        break;
    }
}

// A striped awning from x0 to x1 whose top edge is at y0; `drop` rows of canvas slope forward and
// end in a scalloped hem.
void awning(Pic& p, int x0, int x1, int y0, int drop, int colour) {
    const int cream = CREAM, stripe = 12;
    for (int y = y0; y < y0 + drop; ++y) {
        const float shadeK = 1.0f - 0.25f * static_cast<float>(y - y0) / static_cast<float>(drop);
        for (int x = x0; x < x1; ++x) {
            const bool band = ((x - x0) / stripe) % 2 == 0;
            p.set(x, y, C(shade(unpack(band ? colour : cream), shadeK)));
        }
    }
    // The hem: a half-disc under every stripe.
    for (int x = x0; x + stripe <= x1; x += stripe) {
        const bool band = ((x - x0) / stripe) % 2 == 0;
        p.ellipse(x + stripe / 2, y0 + drop, stripe / 2, stripe / 3, darker(band ? colour : cream, 0.8f));
    }
    p.fill(x0, y0, x1, y0 + 2, darker(colour, 0.6f));
}

// A sign board with an emblem.
void signBoard(Pic& p, int x0, int y0, int x1, int y1, int colour, Emblem kind, int emblemColour) {
    p.box(x0, y0, x1, y1, colour);
    p.frame(x0 + 3, y0 + 3, x1 - 3, y1 - 3, 1, lighter(colour, 0.35f));
    const int s = std::max(4, std::min((x1 - x0) / 3, (y1 - y0) / 2) * 4 / 5);
    emblem(p, kind, (x0 + x1) / 2, (y0 + y1) / 2, s, emblemColour);
}

// Goods in a shop window, standing on its sill at y.
void displayGoods(Pic& p, int x0, int x1, int y, Emblem kind, int colour, std::uint32_t seed) {
    Rng r(seed);
    for (int x = x0 + 10; x + 14 < x1; x += 22 + r.below(10)) {
        const int s = 6 + r.below(4);
        p.fill(x - 2, y - 3, x + 2 * s, y, darker(WOOD, 0.9f));  // a little stand
        emblem(p, kind, x + s, y - s - 4, s, C(mix(unpack(colour), Colour{250, 250, 240}, r.range(0.0f, 0.3f))));
    }
}

// ---- Whole shop buildings -------------------------------------------------------------------

struct ShopStyle {
    int width, height;
    int storeys;       // floors above the shop
    int awningColour, signColour, emblemColour;
    Emblem goods;
    int crown;         // 0 flat cornice, 1 pediment, 2 stepped gable, 3 dome
    std::uint32_t seed;
};

brambex::ImagePtr shopBuilding(const ShopStyle& s) {
    Pic p(s.width, s.height);
    const int w = s.width, h = s.height;
    const int base = h - 22;           // foundation: the floor strip's rows
    const int shopTop = base - 132;    // the shop floor
    const int storey = 92;
    const int facadeTop = shopTop - s.storeys * storey - 16;
    const int inset = 10;
    // Facade, foundation and cornices.
    p.fill(inset, facadeTop, w - inset, h, WHITE);
    p.fill(0, base, w, h, WHITE);
    p.fill(0, facadeTop - 4, w, facadeTop + 12, WHITE);
    p.fill(0, shopTop - 8, w, shopTop + 4, WHITE);
    // The crown above the facade.
    const int cx = w / 2;
    switch (s.crown) {
    case 1: p.poly({{inset, facadeTop - 3}, {cx, facadeTop - 70}, {w - inset, facadeTop - 3}}, WHITE);
        p.ellipse(cx, facadeTop - 28, 14, 14, AIR);
        p.ellipse(cx, facadeTop - 28, 9, 9, C(mix(unpack(s.signColour), Colour{240, 230, 200}, 0.4f)));
        break;
    case 2:
        for (int k = 0; k < 4; ++k) {
            const int half = (w / 2 - inset) * (4 - k) / 4;
            p.fill(cx - half, facadeTop - 18 * (k + 1), cx + half, facadeTop, WHITE);
        }
        p.fill(cx - 12, facadeTop - 62, cx + 12, facadeTop - 40, AIR);
        p.litWindow(cx - 8, facadeTop - 58, cx + 8, facadeTop - 42);
        break;
    case 3:
        p.ellipse(cx, facadeTop, w / 4, 56, WHITE);
        p.fill(cx - 3, facadeTop - 84, cx + 3, facadeTop - 50, C(92, 150, 128));
        p.ellipse(cx, facadeTop - 86, 6, 6, BRASS);
        p.fill(cx - w / 4, facadeTop - 8, cx + w / 4, facadeTop, WHITE);
        break;
    default:
        for (int x = inset; x + 12 <= w - inset; x += 24) p.fill(x, facadeTop - 16, x + 12, facadeTop, WHITE);
        break;
    }
    // Upper storeys: windows in bays, some open (air with a sill to stand on), some lit.
    Rng r(s.seed);
    const int bays = std::max(2, (w - 2 * inset) / 70);
    const int bayW = (w - 2 * inset) / bays;
    for (int f = 0; f < s.storeys; ++f) {
        const int y0 = shopTop - (f + 1) * storey + 14, y1 = y0 + 54;
        for (int b = 0; b < bays; ++b) {
            const int x0 = inset + b * bayW + bayW / 2 - 20, x1 = x0 + 40;
            const bool open = r.below(3) == 0;
            if (open) {
                // An open window shows the dark room behind it; it is no hole in the wall (a hole
                // a character fits in would be a room closed off from the rest of the map).
                p.fill(x0, y0, x1, y1, INTERIOR);
                p.fill(x0 + 4, y0 + 30, x1 - 4, y1, darker(INTERIOR, 0.7f));
                p.fill(x0 - 4, y1, x1 + 4, y1 + 5, WHITE);
            } else {
                p.fill(x0 - 3, y0 - 3, x1 + 3, y1 + 3, C(88, 70, 58));
                if (r.below(2)) p.litWindow(x0, y0, x1, y1);
                else p.glass(x0, y0, x1, y1);
                p.fill(x0 + 19, y0, x0 + 21, y1, C(88, 70, 58));
                p.fill(x0, y0 + 24, x1, y0 + 26, C(88, 70, 58));
                p.fill(x0 - 4, y1 + 3, x1 + 4, y1 + 7, C(214, 206, 190));
            }
        }
        // A balcony across the middle storey's front on the taller buildings.
        if (s.storeys >= 3 && f == 1) {
            p.fill(inset + 8, y0 + 40, w - inset - 8, y0 + 43, IRON);
            for (int x = inset + 8; x < w - inset - 8; x += 7) p.fill(x, y0 + 40, x + 2, y0 + 60, IRON);
            p.fill(inset + 4, y0 + 60, w - inset - 4, y0 + 66, WHITE);
        }
    }
    // The shop: sign band, awning, window with goods, an open door into the shop.
    signBoard(p, inset + 14, shopTop - 4, w - inset - 14, shopTop + 30, s.signColour, s.goods, s.emblemColour);
    const int doorW = 44, doorX = r.below(2) ? inset + 24 : w - inset - 24 - doorW;
    const int winX0 = doorX == inset + 24 ? doorX + doorW + 16 : inset + 20;
    const int winX1 = doorX == inset + 24 ? w - inset - 20 : doorX - 16;
    p.fill(winX0 - 5, shopTop + 56, winX1 + 5, base, C(92, 58, 44));
    p.glass(winX0, shopTop + 62, winX1, base - 26);
    displayGoods(p, winX0, winX1, base - 26, s.goods, s.emblemColour, s.seed + 7u);
    p.fill(winX0 - 8, base - 26, winX1 + 8, base - 18, C(214, 206, 190));  // the sill
    awning(p, inset + 12, w - inset - 12, shopTop + 34, 20, s.awningColour);
    // The open door shows the shop's dark inside (a doorway a character could step into would be
    // a closed room).
    p.fill(doorX, shopTop + 58, doorX + doorW, base, INTERIOR);
    p.fill(doorX + 6, base - 40, doorX + doorW - 6, base, darker(INTERIOR, 0.7f));
    p.fill(doorX - 4, shopTop + 54, doorX + doorW + 4, shopTop + 58, C(92, 58, 44));
    // Lamps beside the door.
    for (int lx : {doorX - 10, doorX + doorW + 4}) {
        p.fill(lx, shopTop + 70, lx + 6, shopTop + 82, BRASS);
        p.fill(lx + 1, shopTop + 72, lx + 5, shopTop + 80, WARM_LIGHT);
    }
    return std::move(p.im);
}

// ---- Roof-line pieces (130 high, standing on the building's roof at row 130) ------------------

constexpr int TOP_H = 130, PARAPET = 116;

Pic topPiece(int w) {
    Pic p(w, TOP_H);
    p.fill(0, PARAPET, w, TOP_H, WHITE);
    return p;
}

brambex::ImagePtr gableRoof() {
    Pic p = topPiece(132);
    const int red = C(170, 72, 48);
    p.poly({{0, PARAPET + 2}, {66, 40}, {131, PARAPET + 2}}, red);
    p.poly({{10, PARAPET}, {66, 52}, {121, PARAPET}}, WHITE);
    for (int k = 0; k < 6; ++k) p.line(4 + k * 10, PARAPET - 6 - k * 12, 14 + k * 10, PARAPET - 6 - k * 12, darker(red, 0.75f));
    p.ellipse(66, 92, 11, 11, AIR);
    p.fill(64, 81, 68, 104, WOOD);
    p.fill(55, 90, 78, 94, WOOD);
    return std::move(p.im);
}

// Rooftop pieces stand on one post or keep the air under them open to the sides: two legs under
// a board or a tank would close a room between them and the roof.
brambex::ImagePtr billboard(Emblem kind, int colour) {
    Pic p = topPiece(150);
    p.fill(70, 78, 80, PARAPET, WHITE);
    p.line(80, 84, 96, 80, IRON_LIGHT, 2);
    p.line(70, 84, 54, 80, IRON_LIGHT, 2);
    signBoard(p, 4, 28, 146, 80, colour, kind, CREAM);
    for (int x = 14; x < 140; x += 32) {  // floodlights on the top edge
        p.fill(x, 22, x + 2, 28, IRON);
        p.fill(x - 3, 18, x + 6, 23, IRON_LIGHT);
    }
    return std::move(p.im);
}

brambex::ImagePtr waterTower() {
    Pic p = topPiece(96);
    p.fill(40, 82, 56, PARAPET, WHITE);
    for (int y = 88; y < PARAPET; y += 8) p.fill(40, y, 56, y + 1, IRON);
    // The wooden tank with iron hoops and a cone roof.
    for (int x = 12; x < 84; ++x) {
        const float u = (static_cast<float>(x) - 48.0f) / 36.0f;
        const Colour c = shade(Colour{150, 102, 64}, 0.7f + 0.45f * std::sqrt(std::max(0.0f, 1.0f - u * u)) - 0.15f * u);
        for (int y = 40; y < 84; ++y) p.set(x, y, C((x - 12) % 9 == 0 ? shade(c, 0.8f) : c));
    }
    for (int y : {48, 66, 80}) p.fill(11, y, 85, y + 2, IRON);
    p.poly({{6, 41}, {48, 10}, {90, 41}}, C(92, 84, 80));
    p.line(48, 10, 48, 4, IRON, 2);
    return std::move(p.im);
}

brambex::ImagePtr chimneys() {
    Pic p = topPiece(110);
    const int cap = C(150, 70, 52);
    for (const auto& [x, top] : {std::pair{14, 62}, std::pair{66, 78}}) {
        p.fill(x, top, x + 28, PARAPET, WHITE);
        p.box(x - 4, top - 8, x + 32, top, cap);
        for (int k = 0; k < 2; ++k) p.fill(x + 4 + k * 12, top - 16, x + 12 + k * 12, top - 8, darker(cap, 0.8f));
    }
    // A thin aerial on the first chimney (between them it would close the gap into a pocket).
    p.fill(27, 22, 29, 54, IRON_LIGHT);
    for (int k = 0; k < 3; ++k) p.fill(20 - k * 2, 26 + k * 8, 36 + k * 2, 28 + k * 8, IRON_LIGHT);
    return std::move(p.im);
}

brambex::ImagePtr steppedGable() {
    Pic p = topPiece(120);
    for (int k = 0; k < 5; ++k) p.fill(8 + k * 10, PARAPET - 16 * (k + 1), 112 - k * 10, PARAPET, WHITE);
    p.fill(52, 20, 68, 36, WHITE);
    p.ellipse(60, 20, 8, 8, WHITE);
    p.fill(48, 70, 72, 104, AIR);
    p.ellipse(60, 70, 12, 10, AIR);
    p.litWindow(52, 72, 68, 102);
    p.fill(59, 66, 61, 102, C(88, 70, 58));
    return std::move(p.im);
}

brambex::ImagePtr copperDome() {
    Pic p = topPiece(112);
    const int copper = C(96, 160, 136);
    for (int y = 40; y < PARAPET; ++y)
        for (int x = 0; x < 112; ++x) {
            const float u = (static_cast<float>(x) - 56.0f) / 50.0f, v = (static_cast<float>(y) - 104.0f) / 64.0f;
            if (u * u + v * v > 1.0f) continue;
            const float light = lambert(u, v, std::sqrt(std::max(0.0f, 1.0f - u * u - v * v)));
            p.set(x, y, C(shade(unpack(copper), 0.55f + 0.6f * light)));
        }
    p.fill(4, 100, 108, PARAPET, WHITE);
    p.fill(54, 18, 58, 42, BRASS);
    p.ellipse(56, 16, 4, 4, BRASS);
    return std::move(p.im);
}

// A star of neon tube on a scaffold: pink light with a dim halo.
brambex::ImagePtr neonStar() {
    Pic p = topPiece(104);
    p.fill(50, 72, 54, PARAPET, IRON_LIGHT);
    p.fill(30, 72, 74, 76, IRON_LIGHT);
    std::vector<gdPoint> star;
    for (int k = 0; k < 10; ++k) {
        const float a = static_cast<float>(k) * 0.6283f - 1.5708f, r = k % 2 ? 14.0f : 34.0f;
        star.push_back({52 + static_cast<int>(std::cos(a) * r), 38 + static_cast<int>(std::sin(a) * r)});
    }
    const int layers[3][2] = {{9, C(104, 30, 80)}, {5, C(255, 70, 180)}, {2, C(255, 214, 244)}};
    for (const auto& [thick, colour] : layers) {
        gdImageSetThickness(p.im.get(), thick);
        gdImagePolygon(p.im.get(), star.data(), static_cast<int>(star.size()), colour);
    }
    gdImageSetThickness(p.im.get(), 1);
    p.line(52, 70, 52, 72, IRON_LIGHT, 2);
    return std::move(p.im);
}

// Between the pieces: a plain parapet with a stone coping.
brambex::ImagePtr topBlank() {
    Pic p = topPiece(8);
    p.fill(0, PARAPET - 4, 8, PARAPET, C(196, 190, 178));
    p.fill(0, PARAPET - 4, 8, PARAPET - 3, C(226, 220, 208));
    return std::move(p.im);
}

// ---- Wall pieces, cut into a building's left side (the map mirrors them for the right) --------

brambex::ImagePtr balcony() {
    Pic p(96, 84, WHITE);
    p.fill(0, 0, 70, 64, AIR);
    p.fill(52, 10, 70, 64, C(110, 70, 50));  // a french door at the back
    p.glass(55, 14, 67, 60);
    for (int x = 0; x < 70; x += 8) p.fill(x, 42, x + 2, 64, IRON);
    p.fill(0, 40, 70, 43, IRON_LIGHT);
    p.fill(0, 64, 76, 70, C(210, 204, 192));  // slab edge
    // A potted plant on the slab.
    p.fill(30, 54, 42, 64, POT);
    p.ellipse(36, 48, 9, 8, LEAF);
    return std::move(p.im);
}

brambex::ImagePtr windowBay() {
    Pic p(70, 92, WHITE);
    p.fill(0, 8, 46, 70, AIR);
    p.fill(0, 4, 50, 8, C(210, 204, 192));
    p.fill(0, 70, 52, 76, C(210, 204, 192));
    // A flower box on the sill.
    p.box(0, 60, 40, 70, C(96, 64, 46));
    Rng r(71);
    for (int x = 3; x < 38; x += 5) {
        p.fill(x + 1, 54, x + 3, 60, LEAF);
        p.ellipse(x + 2, 53, 2, 2, r.below(2) ? C(230, 64, 80) : C(250, 200, 60));
    }
    return std::move(p.im);
}

brambex::ImagePtr fireEscape() {
    Pic p(84, 124, WHITE);
    p.fill(0, 0, 58, 108, AIR);
    for (int y : {50, 104}) {
        p.fill(0, y, 62, y + 4, IRON);
        for (int x = 0; x < 60; x += 6) p.fill(x, y - 14, x + 2, y, IRON);
        p.fill(0, y - 16, 60, y - 14, IRON_LIGHT);
    }
    // The ladder between the landings.
    for (int x : {40, 50}) p.fill(x, 54, x + 2, 104, IRON_LIGHT);
    for (int y = 60; y < 104; y += 8) p.fill(40, y, 52, y + 2, IRON_LIGHT);
    return std::move(p.im);
}

brambex::ImagePtr ledge() {
    Pic p(112, 52, WHITE);
    p.fill(0, 0, 64, 30, AIR);
    p.fill(0, 30, 70, 36, C(210, 204, 192));
    // A wall lamp over the ledge.
    p.fill(60, 6, 64, 10, IRON);
    p.ellipse(54, 12, 7, 5, BRASS);
    p.fill(50, 14, 58, 18, WARM_LIGHT);
    return std::move(p.im);
}

// A small shop at the building's corner: a recessed doorway at the outer edge, a display window
// with goods, an awning and a sign over both.
brambex::ImagePtr cornerShop(Emblem goods, int awningColour, int signColour) {
    Pic p(132, 118, WHITE);
    p.fill(0, 34, 30, 118, AIR);  // the doorway, deep enough to stand in
    p.fill(0, 30, 34, 34, C(92, 58, 44));
    p.fill(38, 52, 124, 108, C(92, 58, 44));
    p.glass(42, 56, 120, 100);
    displayGoods(p, 42, 120, 100, goods, signColour, static_cast<std::uint32_t>(awningColour));
    p.fill(36, 100, 126, 106, C(214, 206, 190));
    signBoard(p, 34, 2, 128, 24, signColour, goods, CREAM);
    awning(p, 34, 128, 26, 14, awningColour);
    return std::move(p.im);
}

// Two lit windows with shutters, flush with the wall.
brambex::ImagePtr shutteredWindows(int shutter) {
    Pic p(104, 76, WHITE);
    for (int k = 0; k < 2; ++k) {
        const int x0 = 14 + k * 48;
        p.fill(x0 - 2, 6, x0 + 26, 58, C(88, 70, 58));
        if (k == 0) p.litWindow(x0, 8, x0 + 24, 56);
        else p.glass(x0, 8, x0 + 24, 56);
        p.fill(x0 + 11, 8, x0 + 13, 56, C(88, 70, 58));
        p.fill(x0, 30, x0 + 24, 32, C(88, 70, 58));
        for (int side : {-1, 1}) {
            const int sx = side < 0 ? x0 - 12 : x0 + 26;
            p.box(sx, 6, sx + 10, 58, shutter);
            for (int y = 10; y < 56; y += 5) p.fill(sx + 2, y, sx + 8, y + 1, darker(shutter, 0.7f));
        }
        p.fill(x0 - 6, 58, x0 + 30, 63, C(214, 206, 190));
    }
    return std::move(p.im);
}

brambex::ImagePtr lanternNiche() {
    Pic p(64, 74, WHITE);
    p.fill(0, 0, 34, 56, AIR);
    p.ellipse(17, 0, 17, 12, AIR);
    p.fill(16, 0, 18, 14, IRON);
    p.box(10, 14, 24, 34, IRON);
    p.fill(12, 17, 22, 31, WARM_LIGHT);
    p.fill(0, 56, 40, 62, C(210, 204, 192));
    return std::move(p.im);
}

// Plain wall between the pieces.
brambex::ImagePtr sideBlank() { return std::move(Pic(16, 32, WHITE).im); }

// ---- Extras: hang from whatever is to their right ---------------------------------------------

// An iron bracket along the top, from the right edge to x0, with a diagonal brace.
void bracket(Pic& p, int x0, int y) {
    p.fill(x0, y, p.w(), y + 4, IRON);
    p.line(p.w() - 2, y + 26, p.w() - 30, y + 3, IRON, 3);
    p.ellipse(x0 + 3, y + 2, 4, 4, IRON);
}

brambex::ImagePtr hangingSign(Emblem kind, int colour) {
    Pic p(104, 96);
    bracket(p, 8, 4);
    for (int x : {22, 82}) p.fill(x, 8, x + 2, 26, IRON_LIGHT);  // 18 rows: no room between them
    signBoard(p, 10, 26, 96, 86, colour, kind, CREAM);
    return std::move(p.im);
}

brambex::ImagePtr wallAwning(int colour) {
    Pic p(112, 74);
    p.fill(108, 0, 112, 20, IRON);
    // The canvas slopes down and away from the wall.
    for (int x = 0; x < 108; ++x) {
        const int top = 4 + (108 - x) * 34 / 108;
        const bool band = (x / 12) % 2 == 0;
        for (int y = top; y < top + 18; ++y)
            p.set(x, y, C(shade(unpack(band ? colour : CREAM), 0.8f + 0.2f * static_cast<float>(x) / 108.0f)));
    }
    for (int x = 0; x < 108; x += 12) {
        const bool band = (x / 12) % 2 == 0;
        p.ellipse(x + 6, 4 + (108 - x - 6) * 34 / 108 + 18, 6, 4, darker(band ? colour : CREAM, 0.8f));
    }
    p.line(2, 60, 108, 20, IRON, 2);  // its arm
    return std::move(p.im);
}

// A neon shape on a dark plate: a tube of light with a dim halo.
brambex::ImagePtr neonSign(bool heart) {
    Pic p(96, 96);
    p.fill(88, 20, 96, 28, IRON);
    p.fill(88, 68, 96, 76, IRON);
    p.box(6, 6, 90, 90, C(34, 30, 44));
    const int tube = heart ? C(255, 84, 150) : C(80, 236, 255);
    const int halo = heart ? C(110, 40, 84) : C(36, 92, 112);
    for (int pass = 0; pass < 2; ++pass) {
        const int c = pass == 0 ? halo : tube;
        const int t = pass == 0 ? 7 : 3;
        gdImageSetThickness(p.im.get(), t);
        if (heart) {
            gdImageArc(p.im.get(), 35, 38, 28, 26, 160, 360, c);
            gdImageArc(p.im.get(), 61, 38, 28, 26, 180, 20, c);
            gdImageLine(p.im.get(), 22, 44, 48, 72, c);
            gdImageLine(p.im.get(), 74, 44, 48, 72, c);
        } else {
            // A cocktail glass.
            gdImageLine(p.im.get(), 24, 28, 72, 28, c);
            gdImageLine(p.im.get(), 24, 28, 48, 54, c);
            gdImageLine(p.im.get(), 72, 28, 48, 54, c);
            gdImageLine(p.im.get(), 48, 54, 48, 72, c);
            gdImageLine(p.im.get(), 36, 74, 60, 74, c);
            gdImageLine(p.im.get(), 58, 20, 66, 36, c);
        }
    }
    gdImageSetThickness(p.im.get(), 1);
    return std::move(p.im);
}

// The pipe runs 6 px off the wall: between two brackets no character fits behind it.
brambex::ImagePtr drainpipe() {
    Pic p(34, 184);
    const int pipe = C(96, 104, 112);
    for (int y = 14; y < 168; ++y)
        for (int x = 18; x < 28; ++x) p.set(x, y, C(shade(unpack(pipe), x < 21 ? 1.3f : (x > 25 ? 0.7f : 1.0f))));
    p.box(12, 0, 34, 16, pipe);  // the hopper head
    p.poly({{18, 166}, {28, 166}, {16, 184}, {6, 184}}, pipe);  // the shoe
    for (int y = 30; y < 168; y += 44) p.fill(18, y, 34, y + 4, IRON);
    return std::move(p.im);
}

brambex::ImagePtr airConditioner() {
    Pic p(78, 66);
    p.line(40, 54, 76, 64, IRON, 3);
    p.fill(10, 54, 78, 58, IRON);
    p.box(4, 6, 70, 54, C(196, 200, 204));
    p.ellipse(26, 30, 16, 16, C(120, 126, 134));
    for (int k = 0; k < 4; ++k) p.line(26, 30, 26 + (k % 2 ? 12 : -12), 30 + (k < 2 ? 10 : -10), C(80, 86, 94), 2);
    for (int y = 14; y < 48; y += 5) p.fill(48, y, 64, y + 2, C(150, 156, 162));
    p.fill(66, 52, 70, 66, C(110, 114, 120));
    return std::move(p.im);
}

// A green cross lightbox on a bracket: the chemist's sign.
brambex::ImagePtr chemistCross() {
    Pic p(84, 76);
    p.fill(66, 34, 84, 40, IRON);
    p.box(6, 6, 66, 66, C(40, 46, 52));
    const int green = C(60, 220, 110), glow = C(40, 120, 70);
    p.fill(24, 12, 48, 60, glow);
    p.fill(12, 24, 60, 48, glow);
    p.fill(27, 15, 45, 57, green);
    p.fill(15, 27, 57, 45, green);
    return std::move(p.im);
}

brambex::ImagePtr wallClock() {
    Pic p(88, 92);
    bracket(p, 40, 6);
    p.fill(40, 10, 44, 20, IRON);
    p.ellipse(42, 52, 32, 32, BRASS);
    p.ellipse(42, 52, 27, 27, CREAM);
    for (int k = 0; k < 12; ++k) {
        const float a = static_cast<float>(k) * 0.5236f;
        p.fill(42 + static_cast<int>(std::cos(a) * 22.0f) - 1, 52 + static_cast<int>(std::sin(a) * 22.0f) - 1,
               42 + static_cast<int>(std::cos(a) * 22.0f) + 1, 52 + static_cast<int>(std::sin(a) * 22.0f) + 1, IRON);
    }
    p.line(42, 52, 42, 34, IRON, 2);
    p.line(42, 52, 56, 58, IRON, 2);
    return std::move(p.im);
}

// ---- Ceiling objects: hang from the top edge --------------------------------------------------

brambex::ImagePtr pendantLamp(int shadeColour) {
    Pic p(64, 118);
    for (int y = 0; y < 64; y += 6) {
        p.fill(30, y, 34, y + 4, BRASS);
        p.fill(31, y + 4, 33, y + 6, darker(BRASS, 0.7f));
    }
    p.box(26, 62, 38, 70, BRASS);
    for (int y = 70; y < 98; ++y) {
        const int half = 6 + (y - 70) * 26 / 28;
        for (int x = 32 - half; x < 32 + half; ++x)
            p.set(x, y, C(shade(unpack(shadeColour), 0.75f + 0.5f * static_cast<float>(32 + half - x) / static_cast<float>(2 * half))));
    }
    p.ellipse(32, 99, 9, 6, WARM_LIGHT);
    p.ellipse(32, 98, 5, 3, C(255, 250, 220));
    return std::move(p.im);
}

brambex::ImagePtr ceilingFan() {
    Pic p(168, 74);
    p.fill(82, 0, 86, 36, IRON);
    p.box(72, 34, 96, 46, BRASS);
    for (int side : {-1, 1}) {
        const int x0 = side < 0 ? 4 : 96, x1 = side < 0 ? 72 : 164;
        p.box(x0, 40, x1, 47, WOOD);
    }
    p.ellipse(84, 54, 12, 8, C(236, 226, 196));
    p.ellipse(84, 52, 6, 3, C(255, 250, 226));
    return std::move(p.im);
}

// A pennant banner on two cords, with a star.
// The cords are shorter than a character is tall: the air between them is no room.
brambex::ImagePtr banner(int colour) {
    Pic p(96, 126);
    p.line(12, 0, 14, 16, IRON_LIGHT, 2);
    p.line(84, 0, 82, 16, IRON_LIGHT, 2);
    p.fill(8, 14, 88, 18, WOOD);
    p.poly({{10, 18}, {86, 18}, {86, 102}, {48, 122}, {10, 102}}, colour);
    p.fill(10, 18, 86, 26, darker(colour, 0.75f));
    p.fill(16, 30, 20, 98, lighter(colour, 0.3f));
    p.fill(76, 30, 80, 98, lighter(colour, 0.3f));
    std::vector<gdPoint> star;
    for (int k = 0; k < 10; ++k) {
        const float a = static_cast<float>(k) * 0.6283f - 1.5708f, r = k % 2 ? 9.0f : 22.0f;
        star.push_back({48 + static_cast<int>(std::cos(a) * r), 64 + static_cast<int>(std::sin(a) * r)});
    }
    p.poly(star, C(250, 214, 90));
    return std::move(p.im);
}

brambex::ImagePtr bunting() {
    Pic p(200, 64);
    const int flags[5] = {C(222, 60, 60), C(250, 196, 60), C(70, 150, 220), C(90, 184, 90), C(236, 120, 190)};
    // The cord sags less than a character is tall, so the air between it and the ceiling is no room.
    auto sag = [](int x) { return static_cast<int>(17.0f * std::sin(static_cast<float>(x) / 199.0f * 3.14159f)); };
    for (int x = 0; x < 200; ++x) p.fill(x, sag(x), x + 1, sag(x) + 2, IRON_LIGHT);
    int k = 0;
    for (int x = 10; x + 20 < 192; x += 26, ++k) {
        const int y = sag(x + 10) + 1;
        p.poly({{x, y}, {x + 20, y}, {x + 10, y + 24}}, flags[k % 5]);
    }
    return std::move(p.im);
}

brambex::ImagePtr discoBall() {
    Pic p(72, 118);
    p.fill(35, 0, 37, 44, IRON_LIGHT);
    for (int y = 44; y < 112; ++y)
        for (int x = 2; x < 70; ++x) {
            const float u = (static_cast<float>(x) - 36.0f) / 33.0f, v = (static_cast<float>(y) - 78.0f) / 33.0f;
            if (u * u + v * v > 1.0f) continue;
            const float l = lambert(u, v, std::sqrt(std::max(0.0f, 1.0f - u * u - v * v)));
            const bool seam = (x % 6 == 0) || (y % 6 == 0);
            const float sparkle = unit(hash(x / 6, y / 6, 91)) * 0.35f;
            p.set(x, y, C(shade(Colour{196, 204, 220}, seam ? 0.45f : 0.45f + 0.5f * l + sparkle)));
        }
    return std::move(p.im);
}

brambex::ImagePtr plantBasket() {
    Pic p(76, 108);
    // One chain, spreading to the rim just above it (two long chains would close a room).
    p.line(38, 0, 38, 46, IRON_LIGHT, 1);
    for (int x : {14, 62}) p.line(38, 46, x, 60, IRON_LIGHT, 1);
    p.poly({{10, 60}, {66, 60}, {58, 84}, {18, 84}}, C(168, 124, 72));
    for (int y = 64; y < 84; y += 5) p.fill(14, y, 62, y + 1, C(120, 86, 48));
    Rng r(33);
    for (int k = 0; k < 14; ++k) {
        const int x = 12 + r.below(52), len = 14 + r.below(24);
        for (int y = 56; y < 56 + len; ++y) p.set(x + (y - 56) / 8 * (x < 38 ? -1 : 1), y, LEAF);
        p.ellipse(x + len / 8 * (x < 38 ? -1 : 1), 56 + len, 3, 3, C(70, 160, 70));
    }
    for (int x = 12; x < 66; x += 6) p.ellipse(x, 58, 5, 5, LEAF);
    return std::move(p.im);
}

// ---- Maze tiles: a shopping arcade ----------------------------------------------------------

// Openings of tile k, in the maze's table order.
constexpr unsigned TILE_OPENINGS[16] = {0, 1, 3, 11, 7, 5, 13, 9, 2, 6, 14, 10, 4, 12, 8, 15};
constexpr int TILE_W = 320, TILE_H = 232;
// The shop room in the middle and the passages from it: every passage is centred on its side and
// as wide everywhere, so facing tiles join; side passages share the room's floor.
constexpr int ROOM_X0 = 48, ROOM_X1 = 272, ROOM_Y0 = 32, FLOOR_Y = 172;
constexpr int SIDE_Y0 = 60, SHAFT_X0 = 104, SHAFT_X1 = 216;

// A shelf unit of goods against a wall, standing on the floor.
void shelf(Pic& p, int x0, int x1, std::uint32_t seed) {
    const int frameColour = C(150, 104, 62);
    p.fill(x0, FLOOR_Y - 52, x1, FLOOR_Y, frameColour);
    p.fill(x0 + 3, FLOOR_Y - 49, x1 - 3, FLOOR_Y - 3, darker(frameColour, 0.55f));
    Rng r(seed);
    const int goods[6] = {C(220, 70, 60), C(250, 190, 70), C(80, 150, 220), C(110, 190, 100), C(236, 236, 220), C(190, 110, 200)};
    for (int row = 0; row < 3; ++row) {
        const int y = FLOOR_Y - 49 + row * 16 + 13;
        p.fill(x0 + 3, y, x1 - 3, y + 3, frameColour);
        for (int x = x0 + 5; x + 5 < x1 - 3;) {
            const int bw = 4 + r.below(4), bh = 5 + r.below(7);
            p.box(x, y - bh, x + bw, y, goods[r.below(6)]);
            x += bw + 1;
        }
    }
}

void arcadeLamp(Pic& p, int cx, int top) {
    p.fill(cx - 1, top, cx + 1, top + 18, IRON);
    p.poly({{cx - 14, top + 30}, {cx - 5, top + 18}, {cx + 5, top + 18}, {cx + 14, top + 30}}, C(54, 110, 86));
    p.ellipse(cx, top + 31, 6, 3, WARM_LIGHT);
}

brambex::ImagePtr arcadeTile(unsigned openings, bool start, std::uint32_t seed) {
    Pic p(TILE_W, TILE_H, WHITE);
    if (openings == 0) return std::move(p.im);
    const bool up = openings & 1, right = openings & 2, down = openings & 4, left = openings & 8;
    // The room, with bevelled upper corners.
    p.fill(ROOM_X0, ROOM_Y0, ROOM_X1, FLOOR_Y, AIR);
    for (int k = 0; k < 14; ++k) {
        p.fill(ROOM_X0, ROOM_Y0 + k, ROOM_X0 + 14 - k, ROOM_Y0 + k + 1, WHITE);
        p.fill(ROOM_X1 - 14 + k, ROOM_Y0 + k, ROOM_X1, ROOM_Y0 + k + 1, WHITE);
    }
    if (left) p.fill(0, SIDE_Y0, ROOM_X0, FLOOR_Y, AIR);
    if (right) p.fill(ROOM_X1, SIDE_Y0, TILE_W, FLOOR_Y, AIR);
    if (up) p.fill(SHAFT_X0, 0, SHAFT_X1, ROOM_Y0, AIR);
    if (down) p.fill(SHAFT_X0, FLOOR_Y, SHAFT_X1, TILE_H, AIR);
    // Shop fronts: a shelf and an awning against each closed side wall.
    const int awningColours[4] = {C(200, 60, 56), C(50, 130, 190), C(70, 150, 80), C(226, 140, 40)};
    Rng r(seed);
    if (!left) {
        shelf(p, ROOM_X0 + 4, SHAFT_X0 - 8, seed + 1u);
        awning(p, ROOM_X0, SHAFT_X0 - 4, FLOOR_Y - 78, 14, awningColours[r.below(4)]);
    }
    if (!right) {
        shelf(p, SHAFT_X1 + 8, ROOM_X1 - 4, seed + 2u);
        awning(p, SHAFT_X1 + 4, ROOM_X1, FLOOR_Y - 78, 14, awningColours[r.below(4)]);
    }
    // A rail along the edge of a shaft down, lamps from a closed ceiling.
    if (down) {
        for (int x : {SHAFT_X0 - 6, SHAFT_X1 + 2}) p.fill(x, FLOOR_Y - 22, x + 4, FLOOR_Y, IRON);
        p.fill(SHAFT_X0 - 8, FLOOR_Y - 24, SHAFT_X0 - 2, FLOOR_Y - 21, BRASS);
        p.fill(SHAFT_X1 + 2, FLOOR_Y - 24, SHAFT_X1 + 8, FLOOR_Y - 21, BRASS);
    }
    if (!up) arcadeLamp(p, TILE_W / 2, ROOM_Y0);
    // Coloured tiles along the floor's edge where it is walked on.
    for (int x = 0; x < TILE_W; x += 8) {
        const bool floorHere = p.at(x, FLOOR_Y - 1) == AIR && p.at(x, FLOOR_Y) == WHITE;
        if (floorHere) p.fill(x, FLOOR_Y, x + 8, FLOOR_Y + 4, (x / 8) % 2 ? C(196, 180, 150) : C(120, 100, 84));
    }
    if (start) {
        // The start: a board hanging from the ceiling in the room's upper left.
        p.fill(ROOM_X0 + 18, ROOM_Y0, ROOM_X0 + 20, ROOM_Y0 + 12, IRON);
        p.fill(ROOM_X0 + 40, ROOM_Y0, ROOM_X0 + 42, ROOM_Y0 + 12, IRON);
        p.box(ROOM_X0 + 6, ROOM_Y0 + 12, ROOM_X0 + 54, ROOM_Y0 + 34, C(196, 40, 60));
        std::string text = "START";
        gdImageString(p.im.get(), gdFontGetMediumBold(), ROOM_X0 + 13, ROOM_Y0 + 16,
                      reinterpret_cast<unsigned char*>(text.data()), C(255, 240, 200));
    }
    return std::move(p.im);
}

// ---- The whole set ---------------------------------------------------------------------------

std::vector<brambex::ImagePtr> largeBuildings() {
    std::vector<brambex::ImagePtr> v;
    v.push_back(shopBuilding({360, 470, 3, C(200, 56, 52), C(120, 36, 40), C(250, 214, 120), Emblem::Bread, 1, 11}));
    v.push_back(shopBuilding({420, 400, 2, C(40, 110, 170), C(30, 60, 96), C(240, 236, 220), Emblem::Book, 0, 12}));
    v.push_back(shopBuilding({300, 520, 3, C(230, 130, 170), C(140, 60, 110), C(255, 200, 220), Emblem::Balloon, 2, 13}));
    v.push_back(shopBuilding({480, 430, 2, C(60, 140, 80), C(36, 80, 52), C(255, 150, 180), Emblem::Flower, 3, 14}));
    v.push_back(shopBuilding({340, 380, 1, C(130, 70, 40), C(70, 40, 30), C(246, 220, 180), Emblem::Cup, 0, 15}));
    v.push_back(shopBuilding({390, 500, 3, C(40, 40, 50), C(24, 24, 36), C(140, 220, 250), Emblem::Gem, 1, 16}));
    return v;
}

std::vector<brambex::ImagePtr> roofLinePieces() {
    std::vector<brambex::ImagePtr> v;
    v.push_back(gableRoof());
    v.push_back(billboard(Emblem::Bag, C(200, 60, 50)));
    v.push_back(waterTower());
    v.push_back(chimneys());
    v.push_back(steppedGable());
    v.push_back(copperDome());
    v.push_back(neonStar());
    v.push_back(billboard(Emblem::Boot, C(40, 100, 160)));
    return v;
}

std::vector<brambex::ImagePtr> wallPieces() {
    std::vector<brambex::ImagePtr> v;
    v.push_back(balcony());
    v.push_back(windowBay());
    v.push_back(fireEscape());
    v.push_back(ledge());
    v.push_back(lanternNiche());
    v.push_back(cornerShop(Emblem::Bag, C(200, 60, 56), C(60, 40, 90)));
    v.push_back(shutteredWindows(C(70, 120, 90)));
    v.push_back(cornerShop(Emblem::Cup, C(50, 120, 170), C(110, 60, 40)));
    v.push_back(shutteredWindows(C(160, 70, 60)));
    return v;
}

std::vector<brambex::ImagePtr> extras() {
    std::vector<brambex::ImagePtr> v;
    v.push_back(hangingSign(Emblem::Cup, C(110, 60, 40)));
    v.push_back(wallAwning(C(200, 56, 52)));
    v.push_back(neonSign(true));
    v.push_back(drainpipe());
    v.push_back(airConditioner());
    v.push_back(chemistCross());
    v.push_back(wallClock());
    v.push_back(hangingSign(Emblem::Boot, C(40, 96, 140)));
    v.push_back(neonSign(false));
    v.push_back(wallAwning(C(60, 130, 80)));
    return v;
}

std::vector<brambex::ImagePtr> ceilingObjects() {
    std::vector<brambex::ImagePtr> v;
    v.push_back(pendantLamp(C(50, 110, 80)));
    v.push_back(ceilingFan());
    v.push_back(banner(C(190, 40, 60)));
    v.push_back(bunting());
    v.push_back(discoBall());
    v.push_back(plantBasket());
    v.push_back(pendantLamp(C(170, 60, 50)));
    v.push_back(banner(C(40, 90, 170)));
    return v;
}

void writeNumbered(const std::filesystem::path& folder, const std::vector<brambex::ImagePtr>& pictures) {
    for (std::size_t i = 0; i < pictures.size(); ++i) writeArtPng(folder / (std::to_string(i) + ".png"), pictures[i].get());
}

}  // namespace

void writeShopperArt(const std::filesystem::path& typeFolder) {
    const std::filesystem::path objects = typeFolder / "objects";
    writeNumbered(objects / "large", largeBuildings());
    writeNumbered(objects / "city" / "top", roofLinePieces());
    writeArtPng(objects / "city" / "top" / "blank.png", topBlank().get());
    writeNumbered(objects / "city" / "side", wallPieces());
    writeArtPng(objects / "city" / "side" / "blank.png", sideBlank().get());
    writeNumbered(objects / "city" / "side" / "extras", extras());
    writeNumbered(objects / "roof", ceilingObjects());
    for (int k = 0; k < 16; ++k) {
        const std::uint32_t seed = 6100u + static_cast<std::uint32_t>(k) * 131u;
        writeArtPng(typeFolder / "tile" / (std::to_string(k) + ".png"), arcadeTile(TILE_OPENINGS[k], false, seed).get());
        writeArtPng(typeFolder / "tile" / "start" / (std::to_string(k) + ".png"), arcadeTile(TILE_OPENINGS[k], true, seed).get());
    }
}

std::vector<brambex::ImagePtr> shopperSamples(bool buildings) {
    std::vector<brambex::ImagePtr> v = buildings ? largeBuildings() : extras();
    for (auto* set : buildings ? std::vector{&roofLinePieces, &wallPieces} : std::vector{&ceilingObjects})
        for (auto& picture : (*set)()) v.push_back(std::move(picture));
    if (!buildings) {
        v.push_back(arcadeTile(15, true, 1u));
        v.push_back(arcadeTile(TILE_OPENINGS[5], false, 2u));
    }
    return v;
}

}  // namespace artwork
