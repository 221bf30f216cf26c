#include "ThemeArt.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "Noise.h"
#include "Objects.h"
#include "Raster.h"

namespace artwork {

namespace {

constexpr float T = static_cast<float>(SOIL_SIZE);

// Periodic fractal noise over the soil tile: `cells` noise cells across it.
float tileNoise(float x, float y, int cells, int octaves, std::uint32_t seed) {
    return fbm(x * static_cast<float>(cells) / T, y * static_cast<float>(cells) / T, octaves, cells, seed);
}

// Ramp through colours at evenly spaced stops.
Colour ramp(std::initializer_list<Colour> stops, float t) {
    const std::vector<Colour> s(stops);
    t = std::clamp(t, 0.0f, 1.0f) * static_cast<float>(s.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(t), s.size() - 2);
    return mix(s[i], s[i + 1], t - static_cast<float>(i));
}

// Scatters shaded pebbles over a tile, wrapping at the edges, over a background.
brambex::ImagePtr soilWithPebbles(const Canvas::Shader& background, int count, float minR, float maxR,
                                  std::initializer_list<Colour> pebbleColours, std::uint32_t seed) {
    Canvas c(SOIL_SIZE, SOIL_SIZE);
    Rng r(seed);
    const std::vector<Colour> colours(pebbleColours);
    for (int i = 0; i < count; ++i) {
        const float px = r.range(0, T), py = r.range(0, T), rx = r.range(minR, maxR), ry = rx * r.range(0.6f, 0.95f);
        const Colour col = colours[static_cast<std::size_t>(r.below(static_cast<int>(colours.size())))];
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const float cx = px + static_cast<float>(dx) * T, cy = py + static_cast<float>(dy) * T;
                if (cx + rx < 0 || cx - rx > T || cy + ry < 0 || cy - ry > T) continue;
                c.ellipse(cx, cy, rx, ry, ball(col, cx, cy, rx, ry, seed + static_cast<std::uint32_t>(i), 0.2f));
            }
    }
    return c.toTexture(background);
}

// A strip texture: `depth(x)` rows from the top are drawn with `colour(x, y)`, the rest is
// transparent (0,0,0). For roots, `fromBottom` measures the depth up from the bottom row.
brambex::ImagePtr strip(int height, const std::function<float(float)>& depth, const std::function<Colour(float, float, float)>& colour,
                        bool fromBottom) {
    brambex::ImagePtr im = brambex::createTrueColour(STRIP_WIDTH, height);
    for (int x = 0; x < STRIP_WIDTH; ++x) {
        const float d = std::clamp(depth(static_cast<float>(x)), 0.0f, static_cast<float>(height));
        for (int y = 0; y < height; ++y) {
            const float along = fromBottom ? static_cast<float>(height - 1 - y) : static_cast<float>(y);
            if (along >= d) continue;
            im->tpixels[y][x] = safeColour(colour(static_cast<float>(x), static_cast<float>(y), along / std::max(d, 1.0f)));
        }
    }
    gdImageColorTransparent(im.get(), 0);
    return im;
}

// Periodic noise along a strip of STRIP_WIDTH.
float stripNoise(float x, int cells, std::uint32_t seed) {
    return fbm(x * static_cast<float>(cells) / static_cast<float>(STRIP_WIDTH), 0.5f, 3, cells, seed);
}

// Spiky depth: blades or fibres, one per few columns.
float spikes(float x, float every, float length, std::uint32_t seed) {
    const int k = static_cast<int>(x / every);
    const float h = unit(hash(k, 0, seed));
    const float pos = std::fmod(x, every) / every;
    return length * h * std::max(0.0f, 1.0f - std::fabs(pos - 0.5f) * 2.6f);
}

// Strands reaching up a roots strip, one in every `every` columns, each with its own length and
// thickness: how far the strand at column x reaches, 0 to 1.
float strands(float x, float every, std::uint32_t seed) {
    const int k = static_cast<int>(x / every);
    const float centre = unit(hash(k, 1, seed)) * every;
    const float length = 0.25f + 0.75f * unit(hash(k, 2, seed));
    const float thickness = 0.8f + 1.2f * unit(hash(k, 3, seed));
    return length * std::max(0.0f, 1.0f - std::fabs(std::fmod(x, every) - centre) / thickness);
}

// ---------------------------------------------------------------- themes

ThemeArt meadow() {
    ThemeArt t;
    t.name = "Meadow";
    t.description = "green hills, loam and oak woods";
    t.themeId = 1;
    const std::uint32_t s = 1000;
    t.soil = soilWithPebbles(
        [s](float x, float y) {
            const float n = tileNoise(x, y, 4, 5, s);
            const float fine = tileNoise(x, y, 32, 2, s + 1);
            Colour c = ramp({{62, 38, 24}, {104, 68, 40}, {134, 92, 56}}, n * 1.2f - 0.1f);
            c = shade(c, 0.86f + 0.28f * fine);
            const float root = std::fabs(tileNoise(x, y, 6, 2, s + 2) - 0.5f);
            if (root < 0.01f) c = mix(c, Colour{150, 108, 66}, 0.35f);
            return c;
        },
        26, 1.5f, 4.5f, {{128, 118, 106}, {150, 138, 120}, {98, 90, 84}, {170, 150, 120}}, s + 3);
    t.grass = strip(
        22, [s](float x) { return 8.0f + 4.0f * stripNoise(x, 8, s) + spikes(x, 3.0f, 9.0f, s + 1); },
        [s](float x, float y, float f) {
            Colour c = ramp({{128, 196, 72}, {84, 158, 48}, {48, 112, 34}, {36, 84, 28}}, f);
            if (y < 1.0f) c = Colour{170, 220, 100};
            return shade(c, 0.85f + 0.3f * unit(hash(static_cast<int>(x), static_cast<int>(y / 3.0f), s + 2)));
        },
        false);
    t.roots = strip(
        28, [s](float x) { return 5.0f + 3.0f * stripNoise(x, 6, s + 3) + 20.0f * strands(x, 7.0f, s + 4); },
        [s](float x, float y, float f) {
            const Colour c = f < 0.18f ? Colour{52, 34, 22} : Colour{122, 84, 50};
            return shade(c, 0.8f + 0.35f * valueNoise(x / 2.0f, y / 5.0f, 0, s + 5));
        },
        true);
    const Tint bark{{108, 78, 52}, {62, 42, 28}, {150, 118, 84}, {}};
    const Tint oak{{78, 150, 52}, {34, 86, 30}, {156, 210, 90}, {}};
    const Tint apple{{86, 158, 58}, {36, 92, 34}, {160, 214, 98}, {212, 48, 40}};
    const Tint stone{{138, 134, 126}, {86, 82, 80}, {176, 170, 160}, {}};
    const Colour moss{96, 150, 56};
    const Tint flowerStems{{70, 140, 50}, {40, 90, 30}, {120, 190, 80}, {}};
    const Tint petals{{236, 214, 70}, {200, 150, 40}, {255, 246, 170}, {200, 110, 40}};
    const Tint petals2{{214, 96, 170}, {150, 50, 120}, {246, 170, 214}, {250, 220, 90}};
    const Tint wood{{146, 104, 62}, {92, 64, 40}, {182, 140, 92}, {}};
    const Colour berries{196, 40, 60};
    t.floor.push_back(drawTree(120, 160, bark, oak, s + 10));
    t.floor.push_back(drawTree(90, 118, bark, apple, s + 11));
    t.floor.push_back(drawBush(70, 46, oak, &berries, s + 12));
    t.floor.push_back(drawBoulder(64, 44, stone, &moss, s + 13));
    t.floor.push_back(drawFlowers(48, 54, flowerStems, petals, s + 14));
    t.floor.push_back(drawFlowers(44, 50, flowerStems, petals2, s + 15));
    t.floor.push_back(drawSignPost(54, 70, wood, wood, false, s + 16));
    const Tint vine{{70, 110, 44}, {40, 70, 30}, {110, 160, 70}, {}};
    const Tint root{{112, 80, 50}, {66, 46, 30}, {150, 114, 76}, {}};
    const Colour bloom{240, 140, 190};
    const Tint earth{{118, 84, 54}, {70, 48, 32}, {150, 110, 70}, {}};
    t.roof.push_back(drawVines(60, 110, vine, oak, &bloom, s + 20));
    t.roof.push_back(drawVines(48, 80, vine, oak, nullptr, s + 21));
    t.roof.push_back(drawHangingRoots(56, 90, root, s + 22));
    t.roof.push_back(drawHangingRoots(40, 60, root, s + 23));
    t.roof.push_back(drawStalactite(30, 64, earth, nullptr, s + 24));
    t.roof.push_back(drawBat(36, 46, {{78, 60, 58}, {40, 30, 32}, {128, 98, 82}, {}}, s + 25));
    const Tint bracket{{214, 170, 120}, {150, 110, 70}, {240, 214, 170}, {250, 236, 210}};
    t.right.push_back(drawBranch(90, 60, bark, &oak, s + 30));
    t.right.push_back(drawShelfFungus(44, 56, bracket, s + 31));
    t.right.push_back(drawWallRoots(60, 70, root, s + 32));
    t.right.push_back(drawLedge(70, 40, stone, &moss, s + 33));
    t.right.push_back(drawBranch(70, 44, bark, nullptr, s + 34));
    t.left.push_back(mirrored(drawBranch(80, 56, bark, &apple, s + 40).get()));
    t.left.push_back(mirrored(drawShelfFungus(40, 64, bracket, s + 41).get()));
    t.left.push_back(mirrored(drawWallRoots(56, 80, root, s + 42).get()));
    t.left.push_back(mirrored(drawLedge(60, 36, stone, &moss, s + 43).get()));
    t.left.push_back(mirrored(drawShelfFungus(34, 40, bracket, s + 44).get()));
    return t;
}

ThemeArt glacier() {
    ThemeArt t;
    t.name = "Glacier";
    t.description = "blue ice, snow and frozen pines";
    t.themeId = 2;
    const std::uint32_t s = 2000;
    t.soil = soilWithPebbles(
        [s](float x, float y) {
            const float n = tileNoise(x, y, 3, 5, s);
            Colour c = ramp({{86, 140, 190}, {128, 180, 222}, {176, 214, 240}}, n * 1.3f - 0.15f);
            float f1, f2;
            cellular(x * 5.0f / T, y * 5.0f / T, 5, s + 1, f1, f2);
            if (f2 - f1 < 0.045f) c = mix(c, Colour{226, 242, 252}, 0.7f);
            else if (f2 - f1 < 0.09f) c = mix(c, Colour{70, 120, 176}, 0.35f);
            return shade(c, 0.92f + 0.14f * tileNoise(x, y, 24, 2, s + 2));
        },
        16, 1.0f, 2.6f, {{214, 236, 250}, {190, 222, 246}}, s + 3);
    t.grass = strip(
        16, [s](float x) { return 7.0f + 5.0f * stripNoise(x, 6, s) + spikes(x, 5.0f, 3.0f, s + 1); },
        [s](float x, float y, float f) {
            Colour c = ramp({{246, 250, 254}, {226, 238, 250}, {196, 218, 240}}, f);
            if (unit(hash(static_cast<int>(x), static_cast<int>(y), s + 2)) > 0.93f) c = Colour{254, 254, 250};
            return c;
        },
        false);
    t.roots = strip(
        24, [s](float x) { return 4.0f + 2.0f * stripNoise(x, 8, s + 3) + 16.0f * strands(x, 6.0f, s + 4); },
        [](float, float, float f) { return ramp({{150, 200, 236}, {200, 230, 250}, {170, 210, 240}}, f); }, true);
    const Tint bark{{96, 72, 56}, {58, 42, 34}, {130, 104, 84}, {}};
    const Tint needles{{46, 104, 82}, {24, 62, 52}, {236, 244, 252}, {}};
    const Tint ice{{170, 214, 244}, {98, 150, 204}, {236, 248, 255}, {}};
    const Tint rock{{116, 124, 138}, {70, 76, 90}, {160, 168, 180}, {}};
    const Colour snow{236, 244, 252};
    t.floor.push_back(drawPine(70, 150, bark, needles, true, s + 10));
    t.floor.push_back(drawPine(52, 104, bark, needles, true, s + 11));
    t.floor.push_back(drawSnowman(48, 76, s + 12));
    t.floor.push_back(drawCrystals(56, 72, ice, s + 13));
    t.floor.push_back(drawBoulder(60, 42, rock, &snow, s + 14));
    t.floor.push_back(drawStalagmite(30, 58, ice, s + 15));
    t.roof.push_back(drawIcicles(64, 80, ice, s + 20));
    t.roof.push_back(drawIcicles(44, 56, ice, s + 21));
    t.roof.push_back(drawStalactite(34, 90, ice, nullptr, s + 22));
    t.roof.push_back(drawStalactite(26, 54, ice, nullptr, s + 23));
    t.roof.push_back(drawIcicles(90, 110, ice, s + 24));
    t.right.push_back(drawWallCrystals(60, 56, ice, s + 30));
    t.right.push_back(drawLedge(70, 40, rock, &snow, s + 31));
    t.right.push_back(drawBranch(80, 50, bark, nullptr, s + 32));
    t.right.push_back(drawWallCrystals(44, 40, ice, s + 33));
    t.right.push_back(drawLedge(50, 34, ice, &snow, s + 34));
    t.left.push_back(mirrored(drawWallCrystals(56, 60, ice, s + 40).get()));
    t.left.push_back(mirrored(drawLedge(64, 38, rock, &snow, s + 41).get()));
    t.left.push_back(mirrored(drawBranch(72, 48, bark, nullptr, s + 42).get()));
    t.left.push_back(mirrored(drawWallCrystals(40, 36, ice, s + 43).get()));
    t.left.push_back(mirrored(drawLedge(56, 30, ice, &snow, s + 44).get()));
    return t;
}

ThemeArt desert() {
    ThemeArt t;
    t.name = "Desert";
    t.description = "sandstone canyons, cacti and old bones";
    t.themeId = 3;
    const std::uint32_t s = 3000;
    t.soil = soilWithPebbles(
        [s](float x, float y) {
            // Strata: bands across the tile, bent by noise that repeats across it.
            const float warp = 10.0f * (tileNoise(x, y, 3, 3, s) - 0.5f);
            const float band = (y + warp) / T * 6.0f;
            const float layer = band - std::floor(band);
            const int index = static_cast<int>(std::floor(band)) % 6;
            static const Colour layers[6] = {{214, 160, 96}, {192, 126, 74}, {226, 180, 116},
                                             {176, 104, 64}, {206, 146, 86}, {186, 120, 76}};
            Colour c = layers[(index + 6) % 6];
            if (layer < 0.08f) c = shade(c, 0.82f);
            return shade(c, 0.88f + 0.24f * tileNoise(x, y, 32, 2, s + 1));
        },
        20, 1.0f, 3.0f, {{150, 96, 60}, {232, 200, 150}, {120, 80, 56}}, s + 2);
    t.grass = strip(
        14, [s](float x) { return 5.0f + 5.0f * stripNoise(x, 10, s) + spikes(x, 4.0f, 4.0f, s + 1); },
        [s](float x, float y, float f) {
            Colour c = ramp({{242, 214, 150}, {226, 190, 124}, {204, 160, 100}}, f);
            return shade(c, 0.9f + 0.2f * unit(hash(static_cast<int>(x), static_cast<int>(y), s + 2)));
        },
        false);
    t.roots = strip(
        24, [s](float x) { return 4.0f + 3.0f * stripNoise(x, 6, s + 3) + 14.0f * strands(x, 9.0f, s + 4); },
        [](float, float, float f) { return ramp({{110, 56, 38}, {146, 82, 52}, {168, 100, 62}}, f); }, true);
    const Tint cactus{{92, 150, 80}, {50, 98, 56}, {236, 232, 200}, {}};
    const Tint bone{{232, 222, 196}, {150, 132, 104}, {250, 244, 226}, {}};
    const Tint sandstone{{200, 140, 84}, {138, 86, 52}, {230, 184, 128}, {}};
    const Tint deadwood{{150, 130, 110}, {96, 80, 66}, {196, 180, 160}, {}};
    const Tint shrub{{146, 150, 76}, {96, 100, 50}, {196, 194, 120}, {}};
    const Tint quartz{{236, 200, 210}, {170, 120, 140}, {252, 236, 240}, {}};
    t.floor.push_back(drawCactus(56, 110, cactus, {240, 90, 120}, s + 10));
    t.floor.push_back(drawCactus(40, 76, cactus, {250, 200, 70}, s + 11));
    t.floor.push_back(drawBones(96, 50, bone, s + 12));
    t.floor.push_back(drawBoulder(70, 48, sandstone, nullptr, s + 13));
    t.floor.push_back(drawDeadTree(80, 120, deadwood, s + 14));
    t.floor.push_back(drawBush(56, 34, shrub, nullptr, s + 15));
    t.roof.push_back(drawStalactite(36, 96, sandstone, nullptr, s + 20));
    t.roof.push_back(drawStalactite(24, 58, sandstone, nullptr, s + 21));
    t.roof.push_back(drawHangingRoots(50, 70, deadwood, s + 22));
    t.roof.push_back(drawBat(36, 46, {{104, 80, 70}, {58, 44, 40}, {156, 124, 100}, {}}, s + 23));
    t.roof.push_back(drawStalactite(48, 70, sandstone, nullptr, s + 24));
    t.right.push_back(drawBranch(80, 50, deadwood, nullptr, s + 30));
    t.right.push_back(drawWallCrystals(50, 48, quartz, s + 31));
    t.right.push_back(drawLedge(66, 40, sandstone, nullptr, s + 32));
    t.right.push_back(drawWallRoots(56, 60, deadwood, s + 33));
    t.right.push_back(drawBranch(60, 40, deadwood, &shrub, s + 34));
    t.left.push_back(mirrored(drawBranch(76, 52, deadwood, nullptr, s + 40).get()));
    t.left.push_back(mirrored(drawWallCrystals(46, 44, quartz, s + 41).get()));
    t.left.push_back(mirrored(drawLedge(60, 38, sandstone, nullptr, s + 42).get()));
    t.left.push_back(mirrored(drawWallRoots(50, 56, deadwood, s + 43).get()));
    t.left.push_back(mirrored(drawBranch(56, 38, deadwood, &shrub, s + 44).get()));
    return t;
}

ThemeArt volcanic() {
    ThemeArt t;
    t.name = "Volcanic";
    t.description = "basalt, ash and rivers of lava";
    t.themeId = 4;
    const std::uint32_t s = 4000;
    t.soil = soilWithPebbles(
        [s](float x, float y) {
            const float n = tileNoise(x, y, 4, 5, s);
            Colour c = ramp({{38, 32, 38}, {64, 56, 62}, {92, 82, 86}}, n * 1.3f - 0.15f);
            float f1, f2;
            cellular(x * 4.0f / T, y * 4.0f / T, 4, s + 1, f1, f2);
            const float vein = f2 - f1;
            if (vein < 0.05f) c = mix(Colour{255, 214, 90}, Colour{240, 96, 24}, vein / 0.05f);
            else if (vein < 0.1f) c = mix(Colour{170, 50, 20}, c, (vein - 0.05f) / 0.05f);
            return shade(c, 0.9f + 0.2f * tileNoise(x, y, 32, 2, s + 2));
        },
        14, 1.0f, 2.4f, {{30, 26, 30}, {110, 98, 100}}, s + 3);
    t.grass = strip(
        14, [s](float x) { return 5.0f + 4.0f * stripNoise(x, 8, s) + spikes(x, 4.0f, 3.0f, s + 1); },
        [s](float x, float y, float f) {
            Colour c = ramp({{130, 124, 122}, {96, 90, 90}, {66, 60, 62}}, f);
            const float ember = unit(hash(static_cast<int>(x), static_cast<int>(y), s + 2));
            if (ember > 0.95f) c = Colour{255, 150, 40};
            else if (ember > 0.9f) c = Colour{200, 70, 30};
            return c;
        },
        false);
    t.roots = strip(
        26, [s](float x) { return 4.0f + 3.0f * stripNoise(x, 6, s + 3) + 18.0f * strands(x, 8.0f, s + 4); },
        [](float, float, float f) { return ramp({{255, 200, 80}, {240, 100, 30}, {150, 40, 24}, {70, 40, 40}}, f); }, true);
    const Tint obsidian{{70, 56, 86}, {30, 24, 40}, {170, 150, 200}, {}};
    const Tint basalt{{84, 74, 78}, {42, 36, 40}, {120, 108, 110}, {}};
    const Tint charred{{70, 58, 52}, {34, 28, 26}, {110, 90, 76}, {}};
    const Tint fire{{250, 120, 30}, {170, 40, 20}, {255, 220, 110}, {}};
    const Colour glow{250, 110, 30};
    t.floor.push_back(drawCrystals(60, 80, obsidian, s + 10));
    t.floor.push_back(drawVent(80, 96, basalt, glow, s + 11));
    t.floor.push_back(drawDeadTree(76, 118, charred, s + 12));
    t.floor.push_back(drawBoulder(64, 46, basalt, nullptr, s + 13));
    t.floor.push_back(drawCrystals(40, 54, fire, s + 14));
    t.floor.push_back(drawStalagmite(32, 66, basalt, s + 15));
    t.roof.push_back(drawStalactite(36, 100, basalt, &glow, s + 20));
    t.roof.push_back(drawStalactite(26, 60, basalt, &glow, s + 21));
    t.roof.push_back(drawStalactite(44, 76, basalt, nullptr, s + 22));
    t.roof.push_back(drawHangingRoots(48, 70, charred, s + 23));
    t.roof.push_back(drawStalactite(24, 48, obsidian, &glow, s + 24));
    t.right.push_back(drawWallCrystals(60, 56, obsidian, s + 30));
    t.right.push_back(drawWallCrystals(44, 40, fire, s + 31));
    t.right.push_back(drawBranch(76, 48, charred, nullptr, s + 32));
    t.right.push_back(drawLedge(64, 38, basalt, nullptr, s + 33));
    t.right.push_back(drawPipe(70, 44, basalt, &glow, s + 34));
    t.left.push_back(mirrored(drawWallCrystals(56, 60, obsidian, s + 40).get()));
    t.left.push_back(mirrored(drawWallCrystals(40, 36, fire, s + 41).get()));
    t.left.push_back(mirrored(drawBranch(70, 46, charred, nullptr, s + 42).get()));
    t.left.push_back(mirrored(drawLedge(58, 36, basalt, nullptr, s + 43).get()));
    t.left.push_back(mirrored(drawWallCrystals(36, 30, obsidian, s + 44).get()));
    return t;
}

ThemeArt fungal() {
    ThemeArt t;
    t.name = "Fungal";
    t.description = "a glowing cave of giant mushrooms";
    t.themeId = 5;
    const std::uint32_t s = 5000;
    t.soil = soilWithPebbles(
        [s](float x, float y) {
            const float n = tileNoise(x, y, 4, 5, s);
            Colour c = ramp({{44, 32, 66}, {74, 54, 102}, {106, 82, 136}}, n * 1.3f - 0.15f);
            const float lichen = tileNoise(x, y, 6, 3, s + 1);
            if (lichen > 0.66f) c = mix(c, Colour{56, 150, 140}, std::min(1.0f, (lichen - 0.66f) * 6.0f));
            return shade(c, 0.88f + 0.24f * tileNoise(x, y, 32, 2, s + 2));
        },
        22, 0.8f, 1.8f, {{170, 255, 220}, {120, 230, 250}, {220, 170, 255}}, s + 3);
    t.grass = strip(
        16, [s](float x) { return 6.0f + 5.0f * stripNoise(x, 8, s) + spikes(x, 3.0f, 4.0f, s + 1); },
        [s](float x, float y, float f) {
            Colour c = ramp({{120, 240, 200}, {60, 180, 160}, {40, 110, 120}}, f);
            if (unit(hash(static_cast<int>(x), static_cast<int>(y), s + 2)) > 0.92f) c = Colour{210, 255, 240};
            return c;
        },
        false);
    t.roots = strip(
        26, [s](float x) { return 3.0f + 2.0f * stripNoise(x, 8, s + 3) + 20.0f * strands(x, 6.0f, s + 4); },
        [](float, float, float f) { return ramp({{60, 120, 150}, {110, 220, 230}, {170, 250, 250}}, f); }, true);
    const Tint capRed{{200, 60, 70}, {120, 30, 50}, {250, 220, 200}, {}};
    const Tint capBlue{{70, 120, 220}, {40, 60, 140}, {190, 230, 255}, {}};
    const Tint capGold{{230, 170, 60}, {150, 100, 40}, {255, 240, 170}, {}};
    const Tint stem{{226, 214, 196}, {150, 130, 120}, {246, 240, 230}, {}};
    const Tint glowCrystal{{120, 240, 220}, {40, 120, 130}, {220, 255, 250}, {}};
    const Tint thread{{150, 200, 210}, {60, 50, 80}, {200, 240, 250}, {}};
    const Tint glowCap{{90, 220, 200}, {30, 110, 110}, {220, 255, 245}, {}};
    const Tint shelf{{170, 110, 200}, {100, 60, 130}, {220, 170, 240}, {240, 220, 250}};
    const Tint shelf2{{230, 150, 80}, {150, 90, 50}, {250, 200, 140}, {255, 236, 200}};
    t.floor.push_back(drawMushroom(90, 130, capRed, stem, true, s + 10));
    t.floor.push_back(drawMushroom(60, 84, capBlue, stem, true, s + 11));
    t.floor.push_back(drawMushroom(44, 56, capGold, stem, false, s + 12));
    t.floor.push_back(drawCrystals(50, 66, glowCrystal, s + 13));
    t.floor.push_back(drawMushroom(120, 170, capBlue, stem, false, s + 14));
    t.roof.push_back(drawGlowThreads(56, 110, thread, {80, 230, 220}, s + 20));
    t.roof.push_back(drawGlowThreads(40, 70, thread, {150, 220, 255}, s + 21));
    t.roof.push_back(drawHangingMushrooms(56, 70, glowCap, stem, s + 22));
    t.roof.push_back(drawHangingRoots(44, 70, {{110, 220, 230}, {60, 50, 90}, {170, 250, 250}, {}}, s + 23));
    t.roof.push_back(drawHangingMushrooms(44, 54, capGold, stem, s + 24));
    t.right.push_back(drawShelfFungus(50, 60, shelf, s + 30));
    t.right.push_back(drawShelfFungus(40, 44, shelf2, s + 31));
    t.right.push_back(drawWallCrystals(50, 48, glowCrystal, s + 32));
    t.right.push_back(drawShelfFungus(60, 80, shelf, s + 33));
    t.right.push_back(drawWallRoots(56, 60, {{110, 220, 230}, {60, 50, 90}, {170, 250, 250}, {}}, s + 34));
    t.left.push_back(mirrored(drawShelfFungus(46, 66, shelf2, s + 40).get()));
    t.left.push_back(mirrored(drawShelfFungus(36, 40, shelf, s + 41).get()));
    t.left.push_back(mirrored(drawWallCrystals(44, 44, glowCrystal, s + 42).get()));
    t.left.push_back(mirrored(drawShelfFungus(56, 70, shelf2, s + 43).get()));
    t.left.push_back(mirrored(drawWallCrystals(36, 32, glowCrystal, s + 44).get()));
    return t;
}

ThemeArt scrapyard() {
    ThemeArt t;
    t.name = "Scrapyard";
    t.description = "rusted plates, pipes and junk";
    t.themeId = 6;
    const std::uint32_t s = 6000;
    // Plates of 64 x 32 in a brick bond, rivets along every seam; the grid is shifted so that
    // no seam falls on the tile's own edge.
    constexpr float SHIFT_X = 20.0f, SHIFT_Y = 12.0f;
    Canvas rivets(SOIL_SIZE, SOIL_SIZE);
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 3; ++k) {
            const float offset = row % 2 ? 32.0f : 0.0f;
            for (float rx = 6.0f; rx < 64.0f; rx += 13.0f) {
                const float x = std::fmod(offset + 64.0f * static_cast<float>(k) + rx + SHIFT_X, T);
                const float y = std::fmod(static_cast<float>(row) * 32.0f + 4.0f + SHIFT_Y, T);
                rivets.ellipse(x, y, 1.8f, 1.8f, ball(Colour{170, 160, 150}, x, y, 1.8f, 1.8f, s, 0.0f));
                if (x < 2.0f) rivets.ellipse(x + T, y, 1.8f, 1.8f, ball(Colour{170, 160, 150}, x + T, y, 1.8f, 1.8f, s, 0.0f));
                if (x > T - 2.0f) rivets.ellipse(x - T, y, 1.8f, 1.8f, ball(Colour{170, 160, 150}, x - T, y, 1.8f, 1.8f, s, 0.0f));
            }
        }
    t.soil = rivets.toTexture([s](float x0, float y0) {
        const float x = std::fmod(x0 - SHIFT_X + T, T), y = std::fmod(y0 - SHIFT_Y + T, T);
        const int row = static_cast<int>(y / 32.0f);
        const float offset = row % 2 ? 32.0f : 0.0f;
        const int plate = static_cast<int>(std::fmod(x + offset, T) / 64.0f) + row * 2;
        const float px = std::fmod(x + offset, 64.0f), py = std::fmod(y, 32.0f);
        static const Colour plates[4] = {{112, 98, 88}, {126, 86, 62}, {98, 100, 104}, {140, 96, 64}};
        Colour c = plates[plate % 4];
        const float rust = tileNoise(x0, y0, 8, 4, s + 1);
        if (rust > 0.55f) c = mix(c, Colour{150, 72, 36}, std::min(1.0f, (rust - 0.55f) * 4.0f));
        if (rust < 0.3f) c = mix(c, Colour{160, 160, 160}, 0.3f);
        if (px < 1.5f || py < 1.5f) c = shade(c, 0.45f);
        else if (px < 3.0f || py < 3.0f) c = shade(c, 1.25f);
        return shade(c, 0.9f + 0.2f * tileNoise(x0, y0, 32, 2, s + 2));
    });
    t.grass = strip(
        12, [s](float x) { return 4.0f + 4.0f * stripNoise(x, 10, s) + spikes(x, 5.0f, 3.0f, s + 1); },
        [s](float x, float y, float f) {
            Colour c = ramp({{200, 120, 60}, {166, 84, 42}, {120, 62, 36}}, f);
            if (y < 1.0f) c = Colour{180, 176, 170};
            return shade(c, 0.85f + 0.3f * unit(hash(static_cast<int>(x), static_cast<int>(y), s + 2)));
        },
        false);
    t.roots = strip(
        24, [s](float x) { return 3.0f + 2.0f * stripNoise(x, 8, s + 3) + 18.0f * strands(x, 11.0f, s + 4); },
        [](float x, float, float f) {
            return f < 0.15f ? Colour{44, 40, 38} : (static_cast<int>(x / 11.0f) % 2 ? Colour{60, 58, 62} : Colour{150, 50, 40});
        },
        true);
    const Tint barrelBlue{{60, 100, 150}, {36, 56, 86}, {120, 160, 200}, {150, 80, 40}};
    const Tint barrelRed{{170, 50, 40}, {100, 30, 26}, {210, 110, 90}, {120, 70, 40}};
    const Tint wood{{170, 126, 76}, {110, 78, 46}, {206, 166, 110}, {}};
    const Tint steel{{130, 134, 140}, {70, 72, 78}, {190, 194, 200}, {150, 80, 40}};
    const Colour lamp{250, 200, 90};
    const Colour oil{60, 200, 90};
    t.floor.push_back(drawBarrel(40, 58, barrelBlue, s + 10));
    t.floor.push_back(drawBarrel(36, 52, barrelRed, s + 11));
    t.floor.push_back(drawTyres(60, 60, s + 12));
    t.floor.push_back(drawCrate(50, 50, wood, s + 13));
    t.floor.push_back(drawSignPost(56, 76, steel, steel, true, s + 14));
    t.floor.push_back(drawScrapPile(110, 70, s + 15));
    t.roof.push_back(drawChainLamp(34, 110, steel, lamp, s + 20));
    t.roof.push_back(drawCables(80, 70, s + 21));
    t.roof.push_back(drawChainLamp(28, 70, steel, lamp, s + 22));
    t.roof.push_back(drawCables(60, 50, s + 23));
    t.roof.push_back(drawStalactite(30, 56, {{150, 80, 44}, {90, 50, 30}, {190, 120, 70}, {}}, nullptr, s + 24));
    t.right.push_back(drawPipe(80, 50, steel, &oil, s + 30));
    t.right.push_back(drawLantern(50, 60, steel, lamp, s + 31));
    t.right.push_back(drawPipe(60, 36, barrelRed, nullptr, s + 32));
    t.right.push_back(drawLedge(70, 36, steel, nullptr, s + 33));
    t.right.push_back(drawPipe(100, 60, steel, nullptr, s + 34));
    t.left.push_back(mirrored(drawPipe(76, 48, steel, nullptr, s + 40).get()));
    t.left.push_back(mirrored(drawLantern(44, 56, steel, lamp, s + 41).get()));
    t.left.push_back(mirrored(drawPipe(56, 34, barrelBlue, &oil, s + 42).get()));
    t.left.push_back(mirrored(drawLedge(64, 34, steel, nullptr, s + 43).get()));
    t.left.push_back(mirrored(drawLantern(40, 50, steel, Colour{120, 220, 255}, s + 44).get()));
    return t;
}

}  // namespace

std::vector<ThemeArt> buildThemes() {
    std::vector<ThemeArt> themes;
    themes.push_back(meadow());
    themes.push_back(glacier());
    themes.push_back(desert());
    themes.push_back(volcanic());
    themes.push_back(fungal());
    themes.push_back(scrapyard());
    for (ThemeArt& t : themes) {
        for (auto& picture : t.left) picture = withClearance(picture.get(), brambex::ObjectKind::Left);
        for (auto& picture : t.right) picture = withClearance(picture.get(), brambex::ObjectKind::Right);
        for (auto& picture : t.floor) picture = withSideClearance(picture.get(), brambex::ObjectKind::Floor);
        for (auto& picture : t.roof) picture = withSideClearance(picture.get(), brambex::ObjectKind::Roof);
    }
    return themes;
}

}  // namespace artwork
