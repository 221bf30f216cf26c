#include "Objects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"
#include "ObjectShapes.h"

namespace artwork {

// Wall objects: drawn at the size asked for, transparent around the shape; the side that meets
// the wall is on the left.

brambex::ImagePtr drawShelfFungus(int w, int h, const Tint& fungus, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const int n = 2 + r.below(3);
    for (int i = 0; i < n; ++i) {
        const float f = (static_cast<float>(i) + 0.5f) / static_cast<float>(n);
        const float cy = H * (0.12f + 0.76f * f), rx = W * r.range(0.7f, 0.95f), ry = H / static_cast<float>(n) * 0.42f;
        // The shelf seen from the side: a lens, lit on top, with growth rings.
        c.ellipse(-2.0f, cy, rx, ry, [=](float x, float y) {
            const float d = std::hypot((x + 2.0f) / rx, (y - cy) / ry);
            const float ring = 0.88f + 0.12f * std::sin(d * 22.0f);
            Colour col = y < cy ? mix(fungus.main, fungus.light, clamp01(1.0f - d)) : shade(fungus.dark, 0.9f);
            if (d > 0.88f && y < cy + 1.0f) col = fungus.accent;  // the pale rim
            return shade(col, ring * (y < cy ? 1.05f : 0.9f));
        });
    }
    return c.toObject();
}

brambex::ImagePtr drawBranch(int w, int h, const Tint& bark, const Tint* leaves, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float y0 = H * r.range(0.55f, 0.75f);
    const auto shader = barkShader(bark, seed);
    const float endX = W * 0.78f, endY = H * r.range(0.25f, 0.45f);
    c.path({{-3.0f, y0}, {W * 0.35f, y0 - H * 0.08f}, {endX, endY}}, std::max(2.5f, H * 0.08f), 1.5f, shader);
    c.stroke(W * 0.4f, y0 - H * 0.1f, W * 0.62f, y0 + H * 0.12f, 2.0f, 0.8f, shader);
    c.stroke(W * 0.55f, y0 - H * 0.18f, W * 0.7f, H * 0.1f, 1.8f, 0.7f, shader);
    if (leaves) {
        const Vec spots[] = {{endX, endY}, {W * 0.7f, H * 0.12f}, {W * 0.62f, y0 + H * 0.12f}, {W * 0.86f, endY + H * 0.05f}};
        int i = 0;
        for (const Vec& s : spots) {
            const float rx = std::min(W * 0.14f, H * 0.18f);
            leafBlob(c, std::min(s.x, W - rx - 1.0f), std::clamp(s.y, rx + 1.0f, H - rx - 1.0f), rx, rx * 0.85f,
                     mix(leaves->dark, leaves->main, 0.5f + 0.15f * static_cast<float>(i)), leaves->light,
                     seed + static_cast<std::uint32_t>(i));
            ++i;
        }
    }
    return c.toObject();
}

brambex::ImagePtr drawWallCrystals(int w, int h, const Tint& crystal, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    c.ellipse(0.0f, H * 0.5f, W * 0.22f, H * 0.3f, ball(mix(crystal.dark, Colour{70, 65, 70}, 0.7f), 0.0f, H * 0.5f, W * 0.22f, H * 0.3f, seed, 0.3f));
    const int n = 4 + r.below(3);
    for (int i = 0; i < n; ++i) {
        const float f = static_cast<float>(i) / static_cast<float>(n - 1);
        const float a = PI * 0.5f + (f - 0.5f) * 1.6f + r.range(-0.15f, 0.15f);  // around pointing right
        const float len = W * (0.55f + 0.4f * (1.0f - std::fabs(f - 0.5f) * 2.0f)) * r.range(0.85f, 1.0f);
        const Vec base{2.0f, H * (0.35f + 0.3f * f)};
        const float tipY = base.y - std::cos(a) * len;
        const float fit = tipY < 3.0f ? (base.y - 3.0f) / (base.y - tipY) : tipY > H - 3.0f ? (H - 3.0f - base.y) / (tipY - base.y) : 1.0f;
        prism(c, base, a, std::min(len * fit, W - 5.0f), H * 0.07f + 1.5f, crystal, seed + static_cast<std::uint32_t>(i));
    }
    return c.toObject(0.5f);
}

brambex::ImagePtr drawPipe(int w, int h, const Tint& metal, const Colour* drip, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float cy = H * 0.32f, rad = H * 0.2f, endX = W * 0.8f;
    c.stroke(-rad, cy, endX, cy, rad, rad, [=](const StrokePoint& p) {
        const float rust = fbm(p.x / 6.0f, p.y / 6.0f, 3, 0, seed);
        Colour col = rust > 0.64f ? mix(metal.main, metal.accent, 0.8f) : metal.main;
        return shade(col, p.light() * 1.1f);
    });
    // Flange and the dark opening.
    c.rect(endX - rad * 0.5f, cy - rad * 1.25f, endX + rad * 0.2f, cy + rad * 1.25f, [=](float x, float y) {
        return shade(metal.light, lambert(0.0f, (y - cy) / (rad * 1.25f), 0.8f) * (x > endX ? 0.8f : 1.0f));
    });
    c.ellipse(endX + rad * 0.2f, cy, rad * 0.35f, rad * 0.95f, [=](float, float) { return shade(metal.dark, 0.45f); });
    c.rect(rad * 1.2f, cy - rad, rad * 1.2f + 3.0f, cy + rad, [=](float, float) { return shade(metal.dark, 0.9f); });
    if (drip) {
        for (int i = 0; i < 4; ++i) {
            const float dy = cy + rad + 4.0f + static_cast<float>(i) * (H - cy - rad - 6.0f) / 3.5f;
            const float dr = 2.4f - static_cast<float>(i) * 0.3f;
            const float dx = endX + rad * 0.1f + r.range(-1.0f, 1.0f);
            c.ellipse(dx, dy, dr, dr * 1.4f, ball(*drip, dx, dy, dr, dr * 1.4f, seed, 0.0f));
        }
        c.stroke(endX + rad * 0.1f, cy + rad * 0.6f, endX + rad * 0.1f, cy + rad + 3.0f, 2.0f, 1.2f, tube(*drip, seed));
    }
    return c.toObject();
}

brambex::ImagePtr drawLantern(int w, int h, const Tint& metal, const Colour& flame, std::uint32_t seed) {
    Canvas c(w, h);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    // Bracket: a plate on the wall and an arm out to the right with a hook.
    c.rect(0.0f, H * 0.05f, static_cast<float>(wallLine(w)) + 4.0f, H * 0.5f, [=](float x, float y) {
        return shade(metal.main, grain(x, y, 2.0f, seed, 0.2f));
    });
    c.path({{2.0f, H * 0.2f}, {W * 0.6f, H * 0.2f}, {W * 0.62f, H * 0.3f}}, 2.4f, 1.8f, tube(metal.light, seed));
    const float lx = W * 0.62f, top = H * 0.34f, bottom = H * 0.92f, half = W * 0.2f;
    c.polygon({{lx - half * 0.5f, top}, {lx + half * 0.5f, top}, {lx + half, top + (bottom - top) * 0.18f}, {lx - half, top + (bottom - top) * 0.18f}},
              [=](float x, float) { return shade(metal.main, 1.15f - 0.3f * (x - lx + half) / (2.0f * half)); });
    c.rect(lx - half * 0.85f, top + (bottom - top) * 0.18f, lx + half * 0.85f, bottom - (bottom - top) * 0.1f, [=](float x, float y) {
        const float d = std::hypot((x - lx) / half, (y - (top + bottom) * 0.55f) / ((bottom - top) * 0.4f));
        Colour col = mix(Colour{255, 245, 200}, flame, clamp01(d));
        if (std::fabs(x - lx) < 1.0f) col = metal.dark;
        return col;
    });
    c.rect(lx - half, bottom - (bottom - top) * 0.1f, lx + half, bottom, [=](float x, float) {
        return shade(metal.main, 1.1f - 0.3f * (x - lx + half) / (2.0f * half));
    });
    return c.toObject();
}

brambex::ImagePtr drawWallRoots(int w, int h, const Tint& root, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const auto shader = tube(root.main, seed, 2.0f, 0.3f);
    for (int i = 0; i < 5; ++i) {
        float x = 0.0f, y = H * (0.2f + 0.6f * static_cast<float>(i) / 4.0f), a = r.range(0.8f, 1.6f);
        std::vector<Vec> pts{{-3.0f, y}};
        const float len = W * r.range(0.6f, 0.95f);
        for (int k = 0; k < 7; ++k) {
            a = std::clamp(a + r.range(-0.4f, 0.5f), 0.6f, 2.4f);
            x = std::min(x + std::sin(a) * len / 7.0f, W - 2.0f);
            y = std::clamp(y - std::cos(a) * len / 7.0f, 2.0f, H - 2.0f);
            pts.push_back({x, y});
        }
        c.path(pts, std::max(2.0f, H * 0.06f), 0.7f, shader);
    }
    c.rect(0.0f, H * 0.1f, static_cast<float>(wallLine(w)) + 3.0f, H * 0.9f, [=](float x, float y) {
        return shade(root.dark, grain(x, y, 2.0f, seed, 0.3f));
    });
    return c.toObject();
}

brambex::ImagePtr drawLedge(int w, int h, const Tint& stone, const Colour* cap, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float top = H * 0.35f;
    std::vector<Vec> pts{{-2.0f, top - H * 0.05f}};
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        const float f = static_cast<float>(i) / static_cast<float>(steps);
        pts.push_back({W * 0.95f * f, top + r.range(-2.0f, 2.0f) + f * H * 0.05f});
    }
    for (int i = steps; i >= 0; --i) {
        const float f = static_cast<float>(i) / static_cast<float>(steps);
        pts.push_back({W * 0.95f * f, top + (H * 0.62f) * (1.0f - f * f) * r.range(0.85f, 1.0f) + 4.0f});
    }
    const bool hasCap = cap != nullptr;
    const Colour capColour = hasCap ? *cap : Colour{};
    c.polygon(pts, [=](float x, float y) {
        Colour col = mix(stone.dark, stone.main, valueNoise(x / 5.0f, y / 5.0f, 0, seed));
        col = shade(col, (y < top + 3.0f ? 1.2f : 0.95f - 0.3f * (y - top) / H) * grain(x, y, 2.0f, seed + 1, 0.2f));
        if (hasCap && y < top + 2.5f + 2.0f * valueNoise(x / 3.0f, 0.0f, 0, seed + 2)) col = capColour;
        return col;
    });
    return c.toObject();
}

}  // namespace artwork
