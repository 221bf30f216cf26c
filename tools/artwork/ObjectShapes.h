#pragma once

// Shapes several kinds of theme object are drawn from.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "Objects.h"

namespace artwork {

constexpr float PI = 3.14159265f;

inline float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// A half-ellipse (the upper or lower half) as a polygon.
std::vector<Vec> halfEllipse(float cx, float cy, float rx, float ry, bool upper, int steps = 28);

// A rough cone: a base `width` x W wide at one end of the picture narrowing to a tip near the
// other (the bottom for a hanging one). f runs from 0 at the base to 1 at the tip.
struct Cone {
    float W, H, tipX, width, exponent, extra;
    bool hanging;

    float row(float f) const { return hanging ? -1.0f + (H - 1.0f) * f : H + 1.0f - (H - 2.0f) * f; }
    float along(float y) const { return hanging ? y / H : 1.0f - y / H; }
    float centre(float f) const { return W * 0.5f + (tipX - W * 0.5f) * f; }
    float half(float f) const { return W * width * std::pow(std::max(0.0f, 1.0f - f), exponent) + extra; }
    // -1 .. 1 across the cone at a point.
    float across(float x, float y) const {
        const float f = along(y);
        return std::clamp((x - centre(f)) / half(f), -1.0f, 1.0f);
    }
    // Left side from base to tip, then the right side back, each point pulled in a little.
    std::vector<Vec> outline(Rng& r, int steps, float jitter) const {
        std::vector<Vec> pts;
        for (int i = 0; i <= steps; ++i) {
            const float f = static_cast<float>(i) / static_cast<float>(steps);
            pts.push_back({centre(f) - half(f) * r.range(jitter, 1.0f), row(f)});
        }
        for (int i = steps; i >= 0; --i) {
            const float f = static_cast<float>(i) / static_cast<float>(steps);
            pts.push_back({centre(f) + half(f) * r.range(jitter, 1.0f), row(f)});
        }
        return pts;
    }
};

// A prism: a crystal from `base` along angle `a` (0 = straight up, positive leans right).
void prism(Canvas& c, Vec base, float a, float length, float half, const Tint& tint, std::uint32_t seed);

// A lit clump of leaves.
void leafBlob(Canvas& c, float x, float y, float rx, float ry, Colour base, Colour light, std::uint32_t seed);

// Bark: a lit tube with vertical streaks.
Canvas::StrokeShader barkShader(const Tint& bark, std::uint32_t seed);

}  // namespace artwork
