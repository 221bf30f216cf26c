#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "map/GdImage.h"

namespace artwork {

struct Colour {
    float r = 0, g = 0, b = 0;
};

Colour rgb(std::uint32_t hex);
Colour mix(Colour a, Colour b, float t);
Colour shade(Colour c, float k);  // multiply every channel
Colour lift(Colour c, float k);   // towards white by k (0..1)

struct Vec {
    float x = 0, y = 0;
};

// Where a sub-pixel lies in a stroke: u across it from -1 to 1 (along the normal nx, ny),
// t along it from 0 to 1.
struct StrokePoint {
    float u = 0, t = 0, x = 0, y = 0, nx = 0, ny = 0;
    // The lit brightness of a round tube at this point.
    float light() const;
};

// Light from the upper left, slightly in front: what every shaded surface is lit by.
float lambert(float nx, float ny, float nz);

// A supersampled drawing surface. Shapes are filled with a shader evaluated per sub-pixel in
// picture coordinates; converting back averages the sub-pixels.
class Canvas {
public:
    using Shader = std::function<Colour(float x, float y)>;
    using StrokeShader = std::function<Colour(const StrokePoint&)>;

    Canvas(int width, int height, int supersample = 3);

    int width() const { return width_; }
    int height() const { return height_; }

    void ellipse(float cx, float cy, float rx, float ry, const Shader& shader);
    void polygon(const std::vector<Vec>& points, const Shader& shader);
    void rect(float x0, float y0, float x1, float y1, const Shader& shader);
    // A tapered stroke from (x0, y0) with radius r0 to (x1, y1) with radius r1, round ends.
    void stroke(float x0, float y0, float x1, float y1, float r0, float r1, const StrokeShader& shader);
    // A stroke along a polyline, radius interpolated from r0 to r1 over its length.
    void path(const std::vector<Vec>& points, float r0, float r1, const StrokeShader& shader);
    // Removes what was drawn inside the ellipse.
    void cutEllipse(float cx, float cy, float rx, float ry);

    // Object picture: pixels at least half covered get their average colour, the rest are the
    // key colour (0,0,0); the silhouette's rim is darkened by `outline` so it reads on any soil.
    brambex::ImagePtr toObject(float outline = 0.6f) const;
    // A texture: covered colour blended over `background(x, y)` by coverage.
    brambex::ImagePtr toTexture(const Shader& background) const;
    // Coverage of a pixel in [0, 1] and its average covered colour.
    float coverage(int x, int y) const;
    Colour colour(int x, int y) const;

private:
    template <typename Inside>
    void fill(float x0, float y0, float x1, float y1, Inside&& inside, const Shader& shader);

    int width_, height_, ss_;
    std::vector<Colour> colours_;
    std::vector<std::uint8_t> covered_;
};

// Colours that mean something to the program never appear in art: exact black (empty),
// white (land), the four edge-marker colours and the two marker-pixel colours are nudged.
int safeColour(Colour c);

}  // namespace artwork
