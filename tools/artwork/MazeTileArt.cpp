// Maze tiles for Rope Race and SuperSheeper: land (255,255,255) with passages of air (0,0,0).
//
// Tile k is drawn for the openings value at position k of the maze's tile table. Every passage
// has the same width and is centred on its side, and within a band along the tile's border the
// walls are exactly straight, so any two tiles whose openings face each other join without a
// step. Inside, the passages meet in a chamber; the land's inner corners are rounded (a smooth
// union of the passages) and its walls wander a little, so the textured maze reads as rock.

#include <algorithm>
#include <cmath>
#include <string>

#include "Noise.h"
#include "TypeArtwork.h"

namespace artwork {

namespace {

// Openings of tile k, in the maze's table order.
constexpr unsigned TILE_OPENINGS[16] = {0, 1, 3, 11, 7, 5, 13, 9, 2, 6, 14, 10, 4, 12, 8, 15};

struct TileStyle {
    int width, height;
    float passage;      // passage width as a share of the smaller side
    float roughness;    // wall wander in pixels
    float fillet;       // rounding of inner corners in pixels
    std::uint32_t seed;
};

float segmentDistance(float px, float py, float ax, float ay, float bx, float by) {
    const float dx = bx - ax, dy = by - ay;
    const float len2 = dx * dx + dy * dy;
    const float t = len2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.0f, 1.0f) : 0.0f;
    const float ex = px - (ax + t * dx), ey = py - (ay + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

// Polynomial smooth minimum: unions with a rounded seam of about `k` pixels.
float smoothMin(float a, float b, float k) {
    const float h = std::clamp(0.5f + 0.5f * (b - a) / k, 0.0f, 1.0f);
    return b + (a - b) * h - k * h * (1.0f - h);
}

// Signed distance to the passages of `openings` (negative inside the air).
float passageDistance(float x, float y, unsigned openings, const TileStyle& s) {
    const float w = static_cast<float>(s.width), h = static_cast<float>(s.height);
    const float cx = w * 0.5f, cy = h * 0.5f;
    const float half = std::min(w, h) * s.passage * 0.5f;
    // A chamber where the passages meet: a dead end ends in a round room.
    float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - half * 1.12f;
    const float ends[4][2] = {{cx, -2.0f}, {w + 1.0f, cy}, {cx, h + 1.0f}, {-2.0f, cy}};
    for (int side = 0; side < 4; ++side) {
        if (!(openings & (1u << side))) continue;
        const float e = segmentDistance(x, y, cx, cy, ends[side][0], ends[side][1]) - half;
        d = smoothMin(d, e, s.fillet);
    }
    return d;
}

brambex::ImagePtr drawTile(unsigned openings, const TileStyle& s, std::uint32_t seed) {
    brambex::ImagePtr im = brambex::createTrueColour(s.width, s.height);
    const float w = static_cast<float>(s.width), h = static_cast<float>(s.height);
    const float band = std::min(w, h) * 0.16f;  // straight walls near the border
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            const float border = std::min(std::min(fx, w - fx), std::min(fy, h - fy));
            const float calm = std::clamp((border - band) / band, 0.0f, 1.0f);
            const float wander = (fbm(fx / 38.0f, fy / 38.0f, 3, 0, seed) - 0.5f) * 2.0f * s.roughness * calm;
            const bool air = openings != 0 && passageDistance(fx, fy, openings, s) + wander < 0.0f;
            im->tpixels[y][x] = air ? 0 : 0xFFFFFF;
        }
    return im;
}

// The start of the race: a stone ledge with a chequered line and a flag, in colours that are
// neither land nor air. It sits low in the chamber, short enough that the way round it on both
// sides stays wide (the air below it is no pocket: a character there walks out either side, even
// on the smallest path size).
void drawStartMarker(gdImagePtr im, const TileStyle& s) {
    const int w = s.width, h = s.height;
    const int half = static_cast<int>(static_cast<float>(std::min(w, h)) * s.passage * 0.5f);
    const int ledgeW = half * 3 / 5, ledgeH = std::max(8, half / 6);
    const int x0 = w / 2 - ledgeW / 2, y0 = h / 2 + half / 3;
    const int stone = (150 << 16) | (132 << 8) | 110, stoneDark = (96 << 16) | (84 << 8) | 70;
    const int chequerA = (236 << 16) | (232 << 8) | 222, chequerB = (40 << 16) | (40 << 8) | 44;
    for (int y = y0; y < y0 + ledgeH; ++y)
        for (int x = x0; x < x0 + ledgeW; ++x) {
            const bool edge = y == y0 + ledgeH - 1 || x == x0 || x == x0 + ledgeW - 1;
            const bool line = y - y0 < 6;
            im->tpixels[y][x] = line ? (((x - x0) / 6 + (y - y0) / 3) % 2 ? chequerA : chequerB) : (edge ? stoneDark : stone);
        }
    // The flag: a pole from the ledge and a red pennant with a light stripe.
    const int pole = (70 << 16) | (58 << 8) | 46, red = (214 << 16) | (58 << 8) | 40, light = (240 << 16) | (196 << 8) | 92;
    const int px = x0 + ledgeW - 8, top = y0 - half * 5 / 6;
    for (int y = top; y < y0; ++y) im->tpixels[y][px] = im->tpixels[y][px + 1] = im->tpixels[y][px + 2] = pole;
    const int flagH = half / 2, flagW = half * 3 / 4;
    for (int y = 0; y < flagH; ++y) {
        const int len = flagW * (flagH - std::abs(2 * y - flagH)) / flagH;
        for (int x = 0; x < len; ++x) im->tpixels[top + y][px - 1 - x] = (y == flagH / 2) ? light : red;
    }
}

// Drawn at the cell size of the default map (1920 x 696 at path size 232: 240 x 232), so the
// common case needs no resize.
constexpr TileStyle ROPE_RACE{240, 232, 0.50f, 7.0f, 26.0f, 4101u};
constexpr TileStyle SUPER_SHEEPER{240, 232, 0.56f, 10.0f, 34.0f, 5303u};

void writeTiles(const std::filesystem::path& folder, const TileStyle& style, bool startTiles) {
    for (int k = 0; k < 16; ++k) {
        brambex::ImagePtr tile = drawTile(TILE_OPENINGS[k], style, style.seed + static_cast<std::uint32_t>(k) * 7919u);
        writeArtPng(folder / "tile" / (std::to_string(k) + ".png"), tile.get());
        if (!startTiles) continue;
        brambex::ImagePtr start = drawTile(TILE_OPENINGS[k], style, style.seed + 500u + static_cast<std::uint32_t>(k) * 7919u);
        if (TILE_OPENINGS[k] != 0) drawStartMarker(start.get(), style);
        writeArtPng(folder / "tile" / "start" / (std::to_string(k) + ".png"), start.get());
    }
}

}  // namespace

void writeRopeRaceTiles(const std::filesystem::path& folder) { writeTiles(folder, ROPE_RACE, true); }

void writeSuperSheeperTiles(const std::filesystem::path& folder) { writeTiles(folder, SUPER_SHEEPER, false); }

std::vector<brambex::ImagePtr> mazeTileSamples(bool ropeRace) {
    const TileStyle style = ropeRace ? ROPE_RACE : SUPER_SHEEPER;
    std::vector<brambex::ImagePtr> tiles;
    for (int k = 0; k < 16; ++k)
        tiles.push_back(drawTile(TILE_OPENINGS[k], style, style.seed + static_cast<std::uint32_t>(k) * 7919u));
    return tiles;
}

}  // namespace artwork
