#pragma once

#include <cstdint>

#include "Raster.h"
#include "map/ThemeObjects.h"

namespace artwork {

// Rows and columns where the program probes an object picture: the last visible row of a floor
// object (rows below it sink into the ground), the first hidden row of a roof object, the
// column of a wall object that meets the wall.
int floorLine(int height);
int roofLine(int height);
int wallLine(int width);

// Surface grain: a brightness factor around 1 from fractal noise.
float grain(float x, float y, float scale, std::uint32_t seed, float amount = 0.3f);

// Shading helpers.
Canvas::StrokeShader tube(Colour base, std::uint32_t seed, float grainScale = 4.0f, float grainAmount = 0.25f);
Canvas::Shader ball(Colour base, float cx, float cy, float rx, float ry, std::uint32_t seed, float grainAmount = 0.15f);

// Colours of one object.
struct Tint {
    Colour main, dark, light, accent;
};

// Floor objects (standing on the ground, base at the bottom).
brambex::ImagePtr drawTree(int w, int h, const Tint& bark, const Tint& leaves, std::uint32_t seed);
brambex::ImagePtr drawPine(int w, int h, const Tint& bark, const Tint& needles, bool snow, std::uint32_t seed);
brambex::ImagePtr drawDeadTree(int w, int h, const Tint& bark, std::uint32_t seed);
brambex::ImagePtr drawBoulder(int w, int h, const Tint& stone, const Colour* cap, std::uint32_t seed);
brambex::ImagePtr drawBush(int w, int h, const Tint& leaves, const Colour* berries, std::uint32_t seed);
brambex::ImagePtr drawFlowers(int w, int h, const Tint& stems, const Tint& petals, std::uint32_t seed);
brambex::ImagePtr drawCrystals(int w, int h, const Tint& crystal, std::uint32_t seed);
brambex::ImagePtr drawMushroom(int w, int h, const Tint& cap, const Tint& stem, bool spots, std::uint32_t seed);
brambex::ImagePtr drawCactus(int w, int h, const Tint& body, const Colour& flower, std::uint32_t seed);
brambex::ImagePtr drawStalagmite(int w, int h, const Tint& stone, std::uint32_t seed);
brambex::ImagePtr drawSnowman(int w, int h, std::uint32_t seed);
brambex::ImagePtr drawBones(int w, int h, const Tint& bone, std::uint32_t seed);
brambex::ImagePtr drawVent(int w, int h, const Tint& rock, const Colour& glow, std::uint32_t seed);
brambex::ImagePtr drawBarrel(int w, int h, const Tint& body, std::uint32_t seed);
brambex::ImagePtr drawTyres(int w, int h, std::uint32_t seed);
brambex::ImagePtr drawCrate(int w, int h, const Tint& wood, std::uint32_t seed);
brambex::ImagePtr drawSignPost(int w, int h, const Tint& wood, const Tint& board, bool hazard, std::uint32_t seed);
brambex::ImagePtr drawScrapPile(int w, int h, std::uint32_t seed);

// Roof objects (hanging from a ceiling, attached along the top).
brambex::ImagePtr drawStalactite(int w, int h, const Tint& stone, const Colour* glowTip, std::uint32_t seed);
brambex::ImagePtr drawIcicles(int w, int h, const Tint& ice, std::uint32_t seed);
brambex::ImagePtr drawVines(int w, int h, const Tint& vine, const Tint& leaves, const Colour* bloom, std::uint32_t seed);
brambex::ImagePtr drawHangingRoots(int w, int h, const Tint& root, std::uint32_t seed);
brambex::ImagePtr drawChainLamp(int w, int h, const Tint& metal, const Colour& light, std::uint32_t seed);
brambex::ImagePtr drawGlowThreads(int w, int h, const Tint& thread, const Colour& glow, std::uint32_t seed);
brambex::ImagePtr drawCables(int w, int h, std::uint32_t seed);
brambex::ImagePtr drawBat(int w, int h, const Tint& body, std::uint32_t seed);
brambex::ImagePtr drawHangingMushrooms(int w, int h, const Tint& cap, const Tint& stem, std::uint32_t seed);

// Wall objects, drawn attached to a wall on their left and sticking out to the right.
brambex::ImagePtr drawShelfFungus(int w, int h, const Tint& fungus, std::uint32_t seed);
brambex::ImagePtr drawBranch(int w, int h, const Tint& bark, const Tint* leaves, std::uint32_t seed);
brambex::ImagePtr drawWallCrystals(int w, int h, const Tint& crystal, std::uint32_t seed);
brambex::ImagePtr drawPipe(int w, int h, const Tint& metal, const Colour* drip, std::uint32_t seed);
brambex::ImagePtr drawLantern(int w, int h, const Tint& metal, const Colour& flame, std::uint32_t seed);
brambex::ImagePtr drawWallRoots(int w, int h, const Tint& root, std::uint32_t seed);
brambex::ImagePtr drawLedge(int w, int h, const Tint& stone, const Colour* cap, std::uint32_t seed);

// The same picture mirrored left to right (wall objects for the other wall).
brambex::ImagePtr mirrored(gdImagePtr picture);

// A wall object with empty rows above and below it (about its own height each, at most 200 rows
// in all). The program keeps a wall object's whole picture clear of other objects, so the rows
// space objects along a wall instead of stacking them. The padding is chosen so that the probe
// column still finds a contact span.
brambex::ImagePtr withClearance(gdImagePtr picture, brambex::ObjectKind kind);

// A floor or roof object with empty columns on both sides (SIDE_CLEARANCE each, fewer when the
// probe row would find no contact span). Two objects never share columns, so the empty columns
// keep neighbours at least twice that far apart: no canopy or cap closes the gap between two
// objects into a pocket a character is caught in.
constexpr int SIDE_CLEARANCE = 21;
brambex::ImagePtr withSideClearance(gdImagePtr picture, brambex::ObjectKind kind);

}  // namespace artwork
