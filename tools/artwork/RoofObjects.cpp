#include "Objects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"
#include "ObjectShapes.h"

namespace artwork {

// Roof objects: drawn at the size asked for, transparent around the shape.

brambex::ImagePtr drawStalactite(int w, int h, const Tint& stone, const Colour* glowTip, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const Cone cone{W, H, W * 0.5f + r.range(-0.1f, 0.1f) * W, 0.49f, 1.1f, 0.8f, true};
    const bool glow = glowTip != nullptr;
    const Colour glowColour = glow ? *glowTip : Colour{};
    c.polygon(cone.outline(r, 16, 0.88f), [=](float x, float y) {
        const float f = cone.along(y), across = cone.across(x, y);
        const float nz = std::sqrt(std::max(0.0f, 1.0f - across * across));
        const float rings = 0.86f + 0.14f * std::sin(y * 0.8f + 4.0f * valueNoise(x / 4.0f, y / 6.0f, 0, seed));
        Colour col = shade(mix(stone.main, stone.dark, 0.3f + 0.5f * f), lambert(across, 0.2f, nz) * rings * 1.05f);
        if (glow && f > 0.55f) col = mix(col, glowColour, clamp01((f - 0.55f) * 3.0f));
        if (glow && f > 0.85f) col = mix(col, Colour{255, 220, 110}, clamp01((f - 0.85f) * 5.0f));
        return col;
    });
    return c.toObject();
}

brambex::ImagePtr drawIcicles(int w, int h, const Tint& ice, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float crust = static_cast<float>(roofLine(h)) + 3.0f;
    c.rect(0.0f, 0.0f, W, crust, [=](float x, float y) { return shade(ice.main, 0.95f * grain(x, y, 2.0f, seed, 0.15f)); });
    const int n = 5 + r.below(4);
    for (int i = 0; i < n; ++i) {
        const float x = W * (0.06f + 0.88f * (static_cast<float>(i) + r.range(0.2f, 0.8f)) / static_cast<float>(n));
        const float len = (H - crust) * (i % 2 ? r.range(0.35f, 0.65f) : r.range(0.7f, 1.0f)) + crust - 1.0f;
        const float half = W * r.range(0.035f, 0.06f) + 1.5f;
        const std::vector<Vec> cone{{x - half, crust - 2.0f}, {x + half, crust - 2.0f}, {x + 0.4f, len}, {x - 0.4f, len}};
        c.polygon(cone, [=](float px, float py) {
            const float across = std::clamp((px - x) / half, -1.0f, 1.0f);
            Colour col = mix(ice.main, ice.dark, clamp01((py - crust) / (len - crust)) * 0.5f);
            if (across < -0.2f && across > -0.55f) col = ice.light;
            return shade(col, 1.0f - 0.2f * across);
        });
    }
    return c.toObject(0.7f);
}

brambex::ImagePtr drawVines(int w, int h, const Tint& vine, const Tint& leaves, const Colour* bloom, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float clump = static_cast<float>(roofLine(h)) + 4.0f;
    const int strands = 3 + r.below(3);
    for (int s = 0; s < strands; ++s) {
        const float x0 = W * (0.15f + 0.7f * (static_cast<float>(s) + 0.5f) / static_cast<float>(strands)) + r.range(-3.0f, 3.0f);
        const float len = H * r.range(0.55f, 0.98f);
        const float amp = r.range(2.0f, 5.0f), freq = r.range(0.06f, 0.11f), phase = r.range(0.0f, 6.0f);
        std::vector<Vec> pts;
        for (float y = 0.0f; y <= len; y += 3.0f) pts.push_back({std::clamp(x0 + amp * std::sin(y * freq + phase), 2.0f, W - 2.0f), y});
        c.path(pts, 1.6f, 1.0f, tube(vine.main, seed));
        // Leaves in pairs along the strand.
        for (std::size_t k = 2; k < pts.size(); k += 2) {
            const float side = (k / 2) % 2 ? 1.0f : -1.0f;
            const float lx = pts[k].x, ly = pts[k].y;
            const float len2 = r.range(4.0f, 6.5f);
            const Colour col = mix(leaves.dark, leaves.main, r.next());
            c.stroke(lx, ly, std::clamp(lx + side * len2, 1.0f, W - 1.0f), ly + len2 * 0.6f, 2.2f, 0.6f,
                     [=](const StrokePoint& p) { return shade(col, p.light() * 1.05f); });
        }
        if (bloom && pts.size() > 4) {
            const Vec tip = pts.back();
            c.ellipse(tip.x, tip.y, 3.0f, 3.0f, ball(*bloom, tip.x, tip.y, 3.0f, 3.0f, seed, 0.0f));
        }
    }
    // The clump that holds them to the ceiling.
    for (int i = 0; i < 7; ++i) {
        const float x = W * (0.08f + 0.84f * static_cast<float>(i) / 6.0f);
        leafBlob(c, x, clump * 0.4f, W * 0.09f + 3.0f, clump * 0.9f, leaves.main, leaves.light, seed + static_cast<std::uint32_t>(i));
    }
    return c.toObject();
}

brambex::ImagePtr drawHangingRoots(int w, int h, const Tint& root, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const auto shader = tube(root.main, seed, 2.0f, 0.3f);
    std::function<void(float, float, float, float, int)> grow = [&](float x, float y, float len, float rad, int depth) {
        std::vector<Vec> pts{{x, y}};
        float cx = x, cy = y, a = r.range(-0.3f, 0.3f);
        const int steps = 6;
        for (int i = 0; i < steps; ++i) {
            a = std::clamp(a + r.range(-0.35f, 0.35f), -0.7f, 0.7f);
            cx = std::clamp(cx + std::sin(a) * len / steps, 2.0f, W - 2.0f);
            cy = std::min(cy + std::cos(a) * len / steps, H - 2.0f);
            pts.push_back({cx, cy});
        }
        c.path(pts, rad, std::max(0.6f, rad * 0.35f), shader);
        if (depth > 0)
            for (int k = 0; k < 2; ++k) {
                const Vec from = pts[static_cast<std::size_t>(2 + r.below(3))];
                grow(from.x, from.y, len * 0.55f, rad * 0.55f, depth - 1);
            }
    };
    const int n = 3 + r.below(3);
    for (int i = 0; i < n; ++i)
        grow(W * (0.12f + 0.76f * (static_cast<float>(i) + 0.5f) / static_cast<float>(n)), -2.0f, H * r.range(0.6f, 0.95f),
             std::max(2.0f, W * 0.045f), 2);
    c.rect(0.0f, 0.0f, W, static_cast<float>(roofLine(h)) + 3.0f,
           [=](float x, float y) { return shade(root.dark, grain(x, y, 2.0f, seed, 0.3f)); });
    return c.toObject();
}

brambex::ImagePtr drawChainLamp(int w, int h, const Tint& metal, const Colour& light, std::uint32_t seed) {
    Canvas c(w, h);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float cx = W * 0.5f;
    const float plate = static_cast<float>(roofLine(h)) + 3.0f;
    c.rect(cx - W * 0.3f, 0.0f, cx + W * 0.3f, plate, [=](float x, float y) { return shade(metal.main, 1.1f - 0.3f * (x - cx + W * 0.3f) / (W * 0.6f) + 0.0f * y); });
    const float lampTop = H * 0.62f;
    for (float y = plate; y < lampTop; y += 7.0f) {
        const bool face = static_cast<int>((y - plate) / 7.0f) % 2 == 0;
        if (face) {
            c.ellipse(cx, y + 3.5f, 3.0f, 4.5f, ball(metal.light, cx, y + 3.5f, 3.0f, 4.5f, seed, 0.1f));
            c.cutEllipse(cx, y + 3.5f, 1.3f, 2.6f);
        } else {
            c.rect(cx - 1.0f, y, cx + 1.0f, y + 7.0f, [=](float x, float) { return shade(metal.main, 1.2f - 0.3f * (x - cx)); });
        }
    }
    // The lamp: cap, glowing glass, bottom knob.
    const float capH = (H - lampTop) * 0.22f, glassH = (H - lampTop) * 0.62f, half = W * 0.3f;
    c.polygon({{cx - half * 0.4f, lampTop}, {cx + half * 0.4f, lampTop}, {cx + half * 1.1f, lampTop + capH}, {cx - half * 1.1f, lampTop + capH}},
              [=](float x, float) { return shade(metal.main, 1.15f - 0.35f * (x - cx + half) / (2.0f * half)); });
    c.ellipse(cx, lampTop + capH + glassH * 0.5f, half * 0.85f, glassH * 0.5f, [=](float x, float y) {
        const float d = std::hypot((x - cx) / (half * 0.85f), (y - lampTop - capH - glassH * 0.5f) / (glassH * 0.5f));
        return mix(Colour{255, 250, 215}, light, clamp01(d * 1.1f));
    });
    c.rect(cx - half * 0.08f, lampTop + capH, cx + half * 0.08f, lampTop + capH + glassH, [=](float, float) { return shade(metal.dark, 1.0f); });
    c.ellipse(cx, H - 3.0f, half * 0.35f, 2.5f, ball(metal.main, cx, H - 3.0f, half * 0.35f, 2.5f, seed, 0.0f));
    return c.toObject();
}

brambex::ImagePtr drawGlowThreads(int w, int h, const Tint& thread, const Colour& glow, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const int n = 5 + r.below(4);
    for (int i = 0; i < n; ++i) {
        const float x = W * (0.08f + 0.84f * (static_cast<float>(i) + r.range(0.2f, 0.8f)) / static_cast<float>(n));
        const float len = H * r.range(0.35f, 0.97f);
        c.stroke(x, 0.0f, x + r.range(-2.0f, 2.0f), len, 0.9f, 0.6f, [=](const StrokePoint&) { return thread.main; });
        for (float y = r.range(6.0f, 12.0f); y < len; y += r.range(7.0f, 13.0f)) {
            const float dr = r.range(1.6f, 2.6f);
            const float dx = x + (y / len) * 0.0f;
            c.ellipse(dx, y, dr, dr * 1.2f, [=](float px, float py) {
                const float d = std::hypot(px - dx, (py - y) / 1.2f) / dr;
                return mix(Colour{235, 255, 250}, glow, clamp01(d * 1.2f));
            });
        }
    }
    c.rect(0.0f, 0.0f, W, static_cast<float>(roofLine(h)) + 3.0f, [=](float x, float y) {
        return shade(thread.dark, grain(x, y, 2.0f, seed, 0.3f));
    });
    return c.toObject(0.8f);
}

brambex::ImagePtr drawCables(int w, int h, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const Colour colours[] = {{40, 40, 44}, {170, 40, 35}, {210, 170, 40}, {60, 90, 150}};
    const int n = 3;
    for (int i = 0; i < n; ++i) {
        const float xa = W * r.range(0.08f, 0.35f), xb = W * r.range(0.6f, 0.92f);
        const float depth = H * r.range(0.45f, 0.97f) - 3.0f;
        std::vector<Vec> pts;
        for (int k = 0; k <= 20; ++k) {
            const float f = static_cast<float>(k) / 20.0f;
            pts.push_back({xa + (xb - xa) * f, 2.0f + depth * std::sin(f * PI)});
        }
        const Colour col = colours[(static_cast<int>(seed) + i) % 4];
        c.path(pts, 2.2f, 2.2f, [=](const StrokePoint& p) { return shade(col, p.light() * 1.15f); });
    }
    const float plate = static_cast<float>(roofLine(h)) + 3.0f;
    c.rect(W * 0.05f, 0.0f, W * 0.95f, plate, [=](float x, float y) {
        return shade(Colour{110, 112, 118}, (std::fmod(x, 14.0f) < 2.0f ? 0.7f : 1.0f) * grain(x, y, 2.0f, seed, 0.15f));
    });
    return c.toObject();
}

brambex::ImagePtr drawBat(int w, int h, const Tint& body, std::uint32_t seed) {
    Canvas c(w, h);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float cx = W * 0.5f;
    // Hanging head down: feet gripping the ceiling, a furry body, wings wrapped round it with
    // scalloped edges between the finger bones, the head with its ears pointing at the ground.
    for (float fx : {-0.1f, 0.1f})
        c.stroke(cx + fx * W, -1.0f, cx + fx * W * 0.7f, H * 0.2f, 1.3f, 1.7f, tube(body.dark, seed));
    c.ellipse(cx, H * 0.47f, W * 0.2f, H * 0.3f, [=](float x, float y) {
        const float fur = 0.85f + 0.3f * valueNoise(x * 1.3f, y * 0.6f, 0, seed);
        return shade(body.light, fur * lambert((x - cx) / (W * 0.2f), (y - H * 0.47f) / (H * 0.3f), 0.7f));
    });
    for (float side : {-1.0f, 1.0f}) {
        const std::vector<Vec> wing{{cx + side * W * 0.08f, H * 0.14f}, {cx + side * W * 0.48f, H * 0.32f},
                                    {cx + side * W * 0.45f, H * 0.5f},  {cx + side * W * 0.34f, H * 0.52f},
                                    {cx + side * W * 0.38f, H * 0.64f}, {cx + side * W * 0.26f, H * 0.66f},
                                    {cx + side * W * 0.25f, H * 0.78f}, {cx + side * W * 0.1f, H * 0.76f}};
        c.polygon(wing, [=](float x, float y) {
            // Finger bones fan out from the shoulder; the membrane between them is thinner.
            const float angle = std::atan2(y - H * 0.14f, (x - cx) * side);
            const float bone = std::fabs(std::sin(angle * 5.0f));
            const float light = side < 0 ? 1.05f : 0.85f;
            return shade(bone < 0.18f ? body.dark : body.main, light * (0.85f + 0.15f * bone));
        });
    }
    const float headY = H * 0.83f, hr = W * 0.16f;
    for (float side : {-1.0f, 1.0f})
        c.polygon({{cx + side * hr * 0.2f, headY + hr * 0.3f}, {cx + side * hr * 0.95f, headY + hr * 0.2f}, {cx + side * hr * 0.8f, H - 0.5f}},
                  [=](float, float) { return body.dark; });
    c.ellipse(cx, headY, hr, hr * 0.9f, ball(body.light, cx, headY, hr, hr * 0.9f, seed, 0.1f));
    for (float ex : {-0.42f, 0.42f}) c.ellipse(cx + ex * hr, headY - hr * 0.15f, 1.2f, 1.2f, [=](float, float) { return Colour{255, 206, 70}; });
    return c.toObject();
}

brambex::ImagePtr drawHangingMushrooms(int w, int h, const Tint& cap, const Tint& stem, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const int n = 3;
    for (int i = 0; i < n; ++i) {
        const float x = W * (0.2f + 0.3f * static_cast<float>(i)) + r.range(-3.0f, 3.0f);
        const float len = H * (i == 1 ? r.range(0.7f, 0.85f) : r.range(0.4f, 0.6f));
        const float capR = W * (i == 1 ? 0.2f : 0.14f);
        c.path({{x, -2.0f}, {x + r.range(-4.0f, 4.0f), len * 0.5f}, {x, len}}, 2.2f, 1.8f, tube(stem.main, seed));
        c.polygon(halfEllipse(x, len, capR, capR * 0.7f, false), [=](float px, float py) {
            const float dx = (px - x) / capR, dy = (py - len) / (capR * 0.7f);
            const float glow = clamp01(1.0f - std::hypot(dx, dy));
            return mix(shade(cap.main, 0.85f + 0.3f * (1.0f - dy)), cap.light, glow * 0.6f);
        });
        c.ellipse(x, len, capR, 1.8f, [=](float, float) { return cap.dark; });
    }
    c.rect(0.0f, 0.0f, W, static_cast<float>(roofLine(h)) + 3.0f, [=](float x, float y) {
        return shade(stem.dark, grain(x, y, 2.0f, seed, 0.3f));
    });
    return c.toObject();
}


}  // namespace artwork
