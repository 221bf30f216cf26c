#include "Objects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"
#include "ObjectShapes.h"

namespace artwork {

// Floor objects: drawn at the size asked for, transparent around the shape.

brambex::ImagePtr drawTree(int w, int h, const Tint& bark, const Tint& leaves, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float g = static_cast<float>(floorLine(h));
    const float cx = W * 0.5f + r.range(-0.04f, 0.04f) * W;
    const float rb = std::max(2.5f, W * 0.055f);
    const float canopyR = std::min(W * 0.45f, H * 0.36f);
    const float ccx = cx + r.range(-0.05f, 0.05f) * W, ccy = canopyR * 1.05f + 3.0f;
    const auto trunk = barkShader(bark, seed);
    c.stroke(cx, H + 2.0f, ccx, ccy + canopyR * 0.3f, rb, rb * 0.6f, trunk);
    // Root buttresses where the trunk meets the ground.
    c.stroke(cx - rb * 1.8f, g + 2.0f, cx, g - rb * 2.5f, rb * 0.55f, rb * 0.7f, trunk);
    c.stroke(cx + rb * 1.7f, g + 2.0f, cx, g - rb * 2.2f, rb * 0.5f, rb * 0.7f, trunk);
    // Branches into the crown.
    for (int i = 0; i < 3; ++i) {
        const float side = i % 2 ? 1.0f : -1.0f;
        const float y0 = ccy + canopyR * r.range(0.35f, 0.8f);
        c.stroke(cx + (ccx - cx) * 0.5f, y0, ccx + side * canopyR * r.range(0.45f, 0.75f), y0 - canopyR * r.range(0.35f, 0.6f),
                 rb * 0.45f, rb * 0.2f, trunk);
    }
    // The crown: blobs from the back (lower right, darker) to the front (upper left, lighter).
    struct Blob {
        float x, y, r;
    };
    std::vector<Blob> blobs;
    const int n = 11 + r.below(5);
    for (int i = 0; i < n; ++i) {
        const float a = r.range(0.0f, 2.0f * PI), d = std::sqrt(r.next()) * canopyR * 0.66f;
        float br = canopyR * r.range(0.34f, 0.5f);
        float bx = ccx + std::cos(a) * d * 1.15f, by = ccy + std::sin(a) * d * 0.8f;
        bx = std::clamp(bx, br + 1.0f, W - br - 1.0f);
        by = std::max(by, br * 0.8f + 1.0f);
        blobs.push_back({bx, by, br});
    }
    std::sort(blobs.begin(), blobs.end(), [](const Blob& a, const Blob& b) { return a.y - a.x * 0.4f > b.y - b.x * 0.4f; });
    for (std::size_t i = 0; i < blobs.size(); ++i) {
        const float depth = static_cast<float>(i) / static_cast<float>(blobs.size());
        const Colour base = mix(leaves.dark, leaves.main, 0.35f + 0.65f * depth);
        leafBlob(c, blobs[i].x, blobs[i].y, blobs[i].r, blobs[i].r * 0.85f, base, leaves.light, seed + static_cast<std::uint32_t>(i));
    }
    // A few fruit or blossoms.
    if (leaves.accent.r + leaves.accent.g + leaves.accent.b > 0) {
        for (int i = 0; i < 6; ++i) {
            const Blob& b = blobs[static_cast<std::size_t>(r.below(static_cast<int>(blobs.size())))];
            const float fx = b.x + r.range(-0.5f, 0.5f) * b.r, fy = b.y + r.range(-0.4f, 0.5f) * b.r;
            c.ellipse(fx, fy, 2.2f, 2.2f, ball(leaves.accent, fx, fy, 2.2f, 2.2f, seed, 0.0f));
        }
    }
    return c.toObject();
}

brambex::ImagePtr drawPine(int w, int h, const Tint& bark, const Tint& needles, bool snow, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float cx = W * 0.5f;
    const float rb = std::max(2.5f, W * 0.06f);
    c.stroke(cx, H + 2.0f, cx, H * 0.15f, rb, rb * 0.5f, barkShader(bark, seed));
    const int tiers = 4 + r.below(2);
    const float top = 2.0f, bottom = H * 0.86f;
    for (int t = 0; t < tiers; ++t) {
        const float f = static_cast<float>(t) / static_cast<float>(tiers - 1);  // 0 top .. 1 bottom
        const float baseY = top + (bottom - top) * (0.28f + 0.72f * f);
        const float apexY = top + (bottom - top) * (0.78f * f - 0.05f * f);
        const float half = W * (0.16f + 0.33f * f);
        std::vector<Vec> pts{{cx, std::max(apexY, top)}};
        const int teeth = 5 + t;
        for (int k = 0; k <= teeth; ++k) {
            const float x = cx + half - 2.0f * half * static_cast<float>(k) / static_cast<float>(teeth);
            pts.push_back({x, baseY + (k % 2 ? -H * 0.025f : H * 0.01f)});
        }
        const float tierTop = std::max(apexY, top);
        c.polygon(pts, [=](float x, float y) {
            const float across = (x - cx) / half;
            const float down = clamp01((y - tierTop) / (baseY - tierTop));
            Colour col = mix(needles.main, needles.dark, clamp01(0.5f + across * 0.6f));
            col = shade(col, (1.05f - 0.25f * down) * grain(x, y, 1.8f, seed, 0.22f));
            if (snow) {
                // Snow lies on the upper part of each tier, thicker to the left.
                const float lie = valueNoise(x / 3.0f, y / 3.0f, 0, seed + 5);
                if (down < 0.42f + 0.2f * lie - 0.15f * across) {
                    const float l = 0.8f + 0.25f * (1.0f - clamp01(across + 0.5f));
                    col = shade(needles.light, l);
                }
            } else if (down < 0.2f && across < 0) {
                col = mix(col, needles.light, 0.35f);
            }
            return col;
        });
    }
    return c.toObject();
}

namespace {

void branchOut(Canvas& c, Rng& r, float x, float y, float angle, float length, float radius, int depth,
               const Canvas::StrokeShader& shader, float minX, float maxX) {
    const float x1 = std::clamp(x + std::sin(angle) * length, minX, maxX), y1 = std::max(2.0f, y - std::cos(angle) * length);
    c.stroke(x, y, x1, y1, radius, radius * 0.62f, shader);
    if (depth == 0) return;
    const int kids = 2 + (r.next() < 0.3f ? 1 : 0);
    for (int k = 0; k < kids; ++k) {
        const float a = angle + (k == 0 ? -1.0f : 1.0f) * r.range(0.3f, 0.75f) + (k == 2 ? r.range(-0.2f, 0.2f) : 0.0f);
        branchOut(c, r, x1, y1, a, length * r.range(0.55f, 0.75f), radius * 0.62f, depth - 1, shader, minX, maxX);
    }
}

}  // namespace

brambex::ImagePtr drawDeadTree(int w, int h, const Tint& bark, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float cx = W * 0.5f, rb = std::max(2.5f, W * 0.07f);
    const auto shader = barkShader(bark, seed);
    const float g = static_cast<float>(floorLine(h));
    c.stroke(cx - rb * 1.6f, g + 2.0f, cx, g - rb * 2.0f, rb * 0.5f, rb * 0.6f, shader);
    c.stroke(cx + rb * 1.5f, g + 2.0f, cx, g - rb * 2.0f, rb * 0.5f, rb * 0.6f, shader);
    const float forkY = H * r.range(0.42f, 0.55f);
    c.stroke(cx, H + 2.0f, cx + r.range(-0.05f, 0.05f) * W, forkY, rb, rb * 0.7f, shader);
    branchOut(c, r, cx, forkY + 2.0f, r.range(-0.55f, -0.3f), H * 0.3f, rb * 0.65f, 3, shader, 2.0f, W - 2.0f);
    branchOut(c, r, cx, forkY + 2.0f, r.range(0.25f, 0.5f), H * 0.32f, rb * 0.65f, 3, shader, 2.0f, W - 2.0f);
    branchOut(c, r, cx, forkY, r.range(-0.1f, 0.1f), H * 0.25f, rb * 0.5f, 2, shader, 2.0f, W - 2.0f);
    return c.toObject();
}

brambex::ImagePtr drawBoulder(int w, int h, const Tint& stone, const Colour* cap, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float cx = W * 0.5f, cy = H * 0.55f, rx = W * 0.47f, ry = H * 0.5f;
    const int n = 9 + r.below(4);
    std::vector<Vec> pts;
    std::vector<float> angles;
    for (int i = 0; i < n; ++i) {
        const float a = 2.0f * PI * (static_cast<float>(i) + r.range(-0.25f, 0.25f)) / static_cast<float>(n);
        const float k = r.range(0.78f, 1.0f);
        float x = cx + std::cos(a) * rx * k, y = cy + std::sin(a) * ry * k;
        if (y > H * 0.8f) y = H + 1.0f;  // the underside sinks into the ground
        pts.push_back({x, std::max(y, 1.5f)});
        angles.push_back(a);
    }
    const Colour capColour = cap ? *cap : Colour{};
    const bool hasCap = cap != nullptr;
    c.polygon(pts, [=](float x, float y) {
        // Facets: the normal of the sector the pixel lies in.
        float a = std::atan2((y - cy) / ry, (x - cx) / rx);
        if (a < 0) a += 2.0f * PI;
        const float sector = std::floor(a / (2.0f * PI) * static_cast<float>(n)) + 0.5f;
        const float fa = sector / static_cast<float>(n) * 2.0f * PI;
        const float dist = std::min(1.0f, std::hypot((x - cx) / rx, (y - cy) / ry));
        const float nx = std::cos(fa) * dist, ny = std::sin(fa) * dist;
        const float nz = std::sqrt(std::max(0.05f, 1.0f - nx * nx - ny * ny));
        Colour col = mix(stone.dark, stone.main, valueNoise(x / 6.0f, y / 6.0f, 0, seed));
        col = shade(col, lambert(nx, ny, nz) * grain(x, y, 2.0f, seed + 1, 0.18f));
        // Cracks.
        const float crack = std::fabs(valueNoise(x / 5.0f, y / 9.0f, 0, seed + 2) - 0.5f);
        if (crack < 0.025f) col = shade(col, 0.6f);
        if (hasCap) {
            const float top = (y - (cy - ry)) / ry + 0.25f * (valueNoise(x / 4.0f, 0.5f, 0, seed + 3) - 0.5f);
            if (top < 0.42f) col = shade(capColour, 0.85f + 0.3f * lambert(nx, ny - 0.5f, nz));
        }
        return col;
    });
    return c.toObject();
}

brambex::ImagePtr drawBush(int w, int h, const Tint& leaves, const Colour* berries, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const int n = 8 + r.below(4);
    struct Blob {
        float x, y, rx, ry;
    };
    std::vector<Blob> blobs;
    for (int i = 0; i < n; ++i) {
        const float f = r.next();
        const float rx = W * r.range(0.16f, 0.26f), ry = rx * r.range(0.75f, 0.95f);
        const float x = std::clamp(W * (0.18f + 0.64f * f), rx + 1.0f, W - rx - 1.0f);
        const float hump = std::sin(f * PI);
        const float y = std::clamp(H - ry * 0.6f - (H - 2.0f * ry) * hump * r.range(0.6f, 1.0f), ry + 1.0f, H);
        blobs.push_back({x, y, rx, ry});
    }
    std::sort(blobs.begin(), blobs.end(), [](const Blob& a, const Blob& b) { return a.y - a.x * 0.3f > b.y - b.x * 0.3f; });
    for (std::size_t i = 0; i < blobs.size(); ++i) {
        const float depth = static_cast<float>(i) / static_cast<float>(blobs.size());
        leafBlob(c, blobs[i].x, blobs[i].y, blobs[i].rx, blobs[i].ry, mix(leaves.dark, leaves.main, 0.3f + 0.7f * depth),
                 leaves.light, seed + static_cast<std::uint32_t>(i) * 3u);
    }
    // A stem in the middle so the bush stands on the ground.
    c.stroke(W * 0.5f, H + 2.0f, W * 0.5f, H * 0.7f, std::max(2.0f, W * 0.05f), 1.5f,
             tube(mix(leaves.dark, Colour{90, 60, 35}, 0.6f), seed));
    if (berries) {
        for (int i = 0; i < 9; ++i) {
            const Blob& b = blobs[static_cast<std::size_t>(r.below(static_cast<int>(blobs.size())))];
            const float bx = b.x + r.range(-0.55f, 0.55f) * b.rx, by = b.y + r.range(-0.55f, 0.4f) * b.ry;
            c.ellipse(bx, by, 2.0f, 2.0f, ball(*berries, bx, by, 2.0f, 2.0f, seed, 0.0f));
        }
    }
    return c.toObject();
}

brambex::ImagePtr drawFlowers(int w, int h, const Tint& stems, const Tint& petals, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float baseX = W * 0.5f;
    // Leaves at the foot.
    for (int i = 0; i < 6; ++i) {
        const float side = i % 2 ? 1.0f : -1.0f;
        const float len = W * r.range(0.2f, 0.38f);
        c.stroke(baseX, H - 2.0f, baseX + side * len, H - 2.0f - len * r.range(0.4f, 0.9f), 2.2f, 0.4f,
                 tube(mix(stems.dark, stems.main, r.next()), seed));
    }
    const int n = 4 + r.below(4);
    for (int i = 0; i < n; ++i) {
        const float hx = std::clamp(baseX + r.range(-0.4f, 0.4f) * W, 6.0f, W - 6.0f);
        const float hy = r.range(0.1f, 0.5f) * H + 5.0f;
        std::vector<Vec> stem{{baseX + r.range(-2.0f, 2.0f), H + 1.0f},
                              {(baseX + hx) * 0.5f + r.range(-3.0f, 3.0f), (H + hy) * 0.5f},
                              {hx, hy}};
        c.path(stem, 1.3f, 0.9f, tube(stems.main, seed));
        const float pr = r.range(2.6f, 4.2f);
        const Colour petal = mix(petals.main, petals.light, r.next() * 0.6f);
        for (int k = 0; k < 5; ++k) {
            const float a = 2.0f * PI * static_cast<float>(k) / 5.0f + r.range(0.0f, 0.4f);
            const float px = hx + std::cos(a) * pr, py = hy + std::sin(a) * pr;
            c.ellipse(px, py, pr * 0.75f, pr * 0.75f, ball(petal, px, py, pr * 0.75f, pr * 0.75f, seed, 0.05f));
        }
        c.ellipse(hx, hy, pr * 0.55f, pr * 0.55f, ball(petals.accent, hx, hy, pr * 0.55f, pr * 0.55f, seed, 0.0f));
    }
    return c.toObject();
}

brambex::ImagePtr drawCrystals(int w, int h, const Tint& crystal, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    // A rocky foot, then crystals from the back (small, outer) to the front.
    const Tint rock{mix(crystal.dark, Colour{70, 65, 70}, 0.7f), shade(crystal.dark, 0.6f), crystal.dark, crystal.dark};
    c.ellipse(W * 0.5f, H - 1.0f, W * 0.3f, H * 0.1f, ball(rock.main, W * 0.5f, H - 1.0f, W * 0.3f, H * 0.1f, seed, 0.3f));
    const int n = 4 + r.below(3);
    for (int i = 0; i < n; ++i) {
        const float order = static_cast<float>(i) / static_cast<float>(n - 1);  // 0 back .. 1 front
        const float side = (i % 2 ? 1.0f : -1.0f) * (1.0f - order);
        const float a = side * r.range(0.35f, 0.7f);
        const float len = H * (0.45f + 0.45f * order) * r.range(0.85f, 1.0f);
        const float half = W * (0.07f + 0.06f * order);
        const Vec base{W * 0.5f + side * W * 0.14f, H - 3.0f};
        // Keep the tip inside the picture.
        const float tipX = base.x + std::sin(a) * len;
        const float fit = tipX < 3.0f ? (base.x - 3.0f) / (base.x - tipX) : tipX > W - 3.0f ? (W - 3.0f - base.x) / (tipX - base.x) : 1.0f;
        prism(c, base, a, std::min(len * fit, H - 4.0f), half, crystal, seed + static_cast<std::uint32_t>(i));
    }
    return c.toObject(0.5f);
}

brambex::ImagePtr drawMushroom(int w, int h, const Tint& cap, const Tint& stem, bool spots, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float capRx = W * 0.47f, capRy = std::min(H * 0.32f, capRx * 0.75f);
    const float capY = capRy + 2.0f;
    const float bend = r.range(-0.08f, 0.08f) * W;
    const float sr = std::max(3.0f, W * 0.11f);
    std::vector<Vec> stemPath{{W * 0.5f, H + 2.0f}, {W * 0.5f + bend * 0.4f, (H + capY) * 0.5f}, {W * 0.5f + bend, capY}};
    c.path(stemPath, sr * 1.25f, sr, [=](const StrokePoint& p) {
        Colour col = mix(stem.main, stem.light, 0.3f * p.t);
        // Skirt ring under the cap.
        if (p.t > 0.72f && p.t < 0.78f) col = shade(stem.dark, 1.1f);
        return shade(col, p.light() * grain(p.x, p.y, 3.0f, seed, 0.12f));
    });
    const float cx = W * 0.5f + bend;
    // Gills: a darker band under the cap.
    c.ellipse(cx, capY + 1.0f, capRx * 0.92f, capRy * 0.28f, [=](float x, float) {
        const float stripe = 0.75f + 0.25f * std::cos((x - cx) * 1.6f);
        return shade(stem.dark, stripe * 0.9f);
    });
    c.polygon(halfEllipse(cx, capY + 1.0f, capRx, capRy, true), [=](float x, float y) {
        const float dx = (x - cx) / capRx, dy = (y - capY) / capRy;
        const float nz = std::sqrt(std::max(0.0f, 1.0f - dx * dx - dy * dy));
        Colour col = mix(cap.dark, cap.main, clamp01(1.0f + dy * 0.6f));
        col = shade(col, lambert(dx, dy, nz + 0.2f) * grain(x, y, 4.0f, seed, 0.1f));
        if (dy > -0.25f) col = mix(col, cap.dark, 0.3f);  // rim
        return col;
    });
    if (spots) {
        for (int i = 0; i < 7; ++i) {
            const float a = r.range(0.15f, 0.85f) * PI, d = r.range(0.25f, 0.8f);
            const float sx = cx - std::cos(a) * capRx * d, sy = capY - std::sin(a) * capRy * d;
            const float rr = r.range(1.6f, 3.4f) * (W / 60.0f + 0.5f);
            c.ellipse(sx, sy, rr, rr * 0.8f, ball(cap.light, sx, sy, rr, rr * 0.8f, seed, 0.0f));
        }
    }
    return c.toObject();
}

brambex::ImagePtr drawCactus(int w, int h, const Tint& body, const Colour& flower, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float cx = W * 0.5f, rr = W * 0.15f;
    auto ribbed = [=](const StrokePoint& p) {
        const float ribs = 0.82f + 0.18f * std::cos(p.u * PI * 3.0f);
        Colour col = shade(mix(body.dark, body.main, 0.6f + 0.4f * p.light() - 0.3f), p.light() * ribs);
        // Spines: light specks on the ribs.
        const std::uint32_t hsh = hash(static_cast<int>(p.x * 1.5f), static_cast<int>(p.y * 1.5f), seed);
        if ((hsh & 63u) == 0 && std::fabs(std::cos(p.u * PI * 3.0f)) > 0.7f) col = body.light;
        return col;
    };
    c.stroke(cx, H + 3.0f, cx, rr + 2.0f, rr, rr * 0.95f, ribbed);
    // Arms.
    const float ay1 = H * r.range(0.45f, 0.6f), ay2 = H * r.range(0.3f, 0.45f);
    const float ar = rr * 0.7f;
    c.path({{cx, ay1}, {cx - W * 0.3f, ay1}, {cx - W * 0.3f, ay1 - H * 0.22f}}, ar, ar * 0.9f, ribbed);
    c.path({{cx, ay2}, {cx + W * 0.3f, ay2}, {cx + W * 0.3f, ay2 - H * 0.16f}}, ar * 0.9f, ar * 0.85f, ribbed);
    // A flower on top.
    for (int k = 0; k < 5; ++k) {
        const float a = -PI * (0.15f + 0.7f * static_cast<float>(k) / 4.0f);
        const float px = cx + std::cos(a) * rr * 0.5f, py = rr + 2.0f + std::sin(a) * rr * 0.5f;
        c.ellipse(px, py, rr * 0.35f, rr * 0.35f, ball(flower, px, py, rr * 0.35f, rr * 0.35f, seed, 0.0f));
    }
    return c.toObject();
}

brambex::ImagePtr drawStalagmite(int w, int h, const Tint& stone, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const Cone cone{W, H, W * 0.5f + r.range(-0.08f, 0.08f) * W, 0.48f, 0.8f, 1.0f, false};
    c.polygon(cone.outline(r, 14, 0.9f), [=](float x, float y) {
        const float across = cone.across(x, y);
        const float nz = std::sqrt(std::max(0.0f, 1.0f - across * across));
        const float rings = 0.85f + 0.15f * std::sin(y * 0.7f + 3.0f * valueNoise(x / 5.0f, y / 5.0f, 0, seed));
        return shade(mix(stone.dark, stone.main, 0.4f + 0.6f * cone.along(y)), lambert(across, -0.3f, nz) * rings * 1.05f);
    });
    return c.toObject();
}

brambex::ImagePtr drawSnowman(int w, int h, std::uint32_t seed) {
    Canvas c(w, h);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const Colour snow{232, 240, 250}, coal{45, 45, 55}, carrot{235, 120, 40}, stick{110, 75, 45}, scarf{200, 40, 45};
    const float cx = W * 0.5f;
    const float r1 = std::min(W * 0.36f, H * 0.2f), r2 = r1 * 0.74f, r3 = r1 * 0.55f;
    const float y1 = H - r1 * 0.8f, y2 = y1 - r1 - r2 * 0.75f, y3 = y2 - r2 - r3 * 0.7f;
    // Stick arms behind the body.
    c.stroke(cx - r2 * 0.6f, y2, cx - W * 0.47f, y2 - r2 * 0.9f, 1.6f, 0.9f, tube(stick, seed));
    c.stroke(cx + r2 * 0.6f, y2, cx + W * 0.47f, y2 - r2 * 1.1f, 1.6f, 0.9f, tube(stick, seed));
    for (auto [y, rad] : {std::pair{y1, r1}, std::pair{y2, r2}, std::pair{y3, r3}})
        c.ellipse(cx, y, rad, rad * 0.95f, ball(snow, cx, y, rad, rad * 0.95f, seed, 0.05f));
    // Scarf, face and buttons.
    c.rect(cx - r3 * 0.9f, y3 + r3 * 0.75f, cx + r3 * 0.9f, y3 + r3 * 1.05f, [=](float x, float y) {
        return shade(scarf, 0.9f + 0.2f * std::sin(x * 1.3f) + (y - y3) * 0.0f);
    });
    c.stroke(cx + r3 * 0.5f, y3 + r3 * 0.9f, cx + r3 * 0.8f, y3 + r3 * 1.9f, 2.0f, 1.6f, tube(scarf, seed));
    for (float ex : {-0.35f, 0.35f}) c.ellipse(cx + ex * r3, y3 - r3 * 0.2f, 1.6f, 1.6f, [=](float, float) { return coal; });
    c.stroke(cx, y3 + r3 * 0.1f, cx + r3 * 1.1f, y3 + r3 * 0.25f, 2.0f, 0.5f, tube(carrot, seed));
    for (int i = 0; i < 3; ++i)
        c.ellipse(cx, y2 - r2 * 0.5f + static_cast<float>(i) * r2 * 0.5f, 1.8f, 1.8f, [=](float, float) { return coal; });
    // Hat.
    c.rect(cx - r3 * 0.8f, y3 - r3 * 0.95f, cx + r3 * 0.8f, y3 - r3 * 0.75f, [=](float, float) { return coal; });
    c.rect(cx - r3 * 0.52f, std::max(1.0f, y3 - r3 * 1.9f), cx + r3 * 0.52f, y3 - r3 * 0.8f,
           [=](float x, float) { return shade(coal, 1.0f + 0.5f * (cx - x) / r3); });
    return c.toObject();
}

brambex::ImagePtr drawBones(int w, int h, const Tint& bone, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float g = static_cast<float>(floorLine(h));
    const auto boneShader = tube(bone.main, seed, 3.0f, 0.12f);
    // Spine along the ground.
    const float spineY = g - 3.0f;
    std::vector<Vec> spine;
    for (int i = 0; i <= 8; ++i) spine.push_back({W * (0.08f + 0.62f * static_cast<float>(i) / 8.0f), spineY - std::sin(static_cast<float>(i) * 0.4f) * 2.0f});
    // Ribs arching up from the spine.
    for (int i = 0; i < 6; ++i) {
        const float x = W * (0.18f + 0.09f * static_cast<float>(i));
        const float ribH = H * (0.65f - 0.05f * std::fabs(static_cast<float>(i) - 2.0f)) * r.range(0.9f, 1.0f);
        std::vector<Vec> rib{{x, spineY}, {x - W * 0.05f, spineY - ribH * 0.55f}, {x + W * 0.02f, spineY - ribH}, {x + W * 0.07f, spineY - ribH * 0.85f}};
        c.path(rib, 2.0f, 1.3f, boneShader);
    }
    c.path(spine, 2.8f, 2.4f, boneShader);
    for (const Vec& v : spine) c.ellipse(v.x, v.y, 2.6f, 3.4f, ball(bone.light, v.x, v.y, 2.6f, 3.4f, seed, 0.05f));
    // Skull at the front end, resting on the ground.
    const float sx = W * 0.82f, sy = g - H * 0.22f, sr = std::min(W * 0.14f, H * 0.24f);
    c.ellipse(sx, sy + sr * 0.7f, sr * 0.75f, sr * 0.5f, ball(bone.main, sx, sy + sr * 0.7f, sr * 0.75f, sr * 0.5f, seed));
    c.ellipse(sx, sy, sr, sr * 0.9f, ball(bone.main, sx, sy, sr, sr * 0.9f, seed));
    c.rect(sx - sr * 0.6f, sy + sr * 0.8f, sx + sr * 0.6f, H + 1.0f, [=](float x, float y) { return shade(bone.dark, 0.9f + 0.1f * std::sin(x + y)); });
    for (float ex : {-0.4f, 0.4f})
        c.ellipse(sx + ex * sr, sy, sr * 0.28f, sr * 0.3f, [=](float, float) { return shade(bone.dark, 0.45f); });
    c.ellipse(sx, sy + sr * 0.45f, sr * 0.12f, sr * 0.18f, [=](float, float) { return shade(bone.dark, 0.5f); });
    return c.toObject();
}

brambex::ImagePtr drawVent(int w, int h, const Tint& rock, const Colour& glow, std::uint32_t seed) {
    Canvas c(w, h);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float topY = H * 0.45f, topHalf = W * 0.14f;
    // Smoke first (behind).
    for (int i = 0; i < 5; ++i) {
        const float f = static_cast<float>(i) / 4.0f;
        const float sx = W * 0.5f + std::sin(f * 3.0f) * W * 0.12f, sy = topY - 4.0f - f * (topY - 8.0f);
        const float sr = W * (0.09f + 0.07f * f);
        c.ellipse(sx, sy, sr, sr * 0.85f, ball(Colour{140, 132, 128}, sx, sy, sr, sr * 0.85f, seed + 9, 0.25f));
    }
    std::vector<Vec> cone{{1.0f, H + 1.0f}, {W * 0.5f - topHalf, topY}, {W * 0.5f + topHalf, topY}, {W - 1.0f, H + 1.0f}};
    c.polygon(cone, [=](float x, float y) {
        const float across = (x - W * 0.5f) / (W * 0.5f);
        const float nz = std::sqrt(std::max(0.0f, 1.0f - across * across * 0.6f));
        Colour col = shade(mix(rock.dark, rock.main, valueNoise(x / 4.0f, y / 4.0f, 0, seed)), lambert(across, -0.5f, nz) * grain(x, y, 2.5f, seed, 0.25f));
        // Glowing lava runs down the flanks.
        const float run = std::fabs(std::sin(x * 0.45f + valueNoise(x / 6.0f, y / 12.0f, 0, seed + 4) * 6.0f));
        const float down = (y - topY) / (H - topY);
        if (run < 0.12f && down < 0.75f) col = mix(glow, Colour{255, 230, 120}, 0.3f * (1.0f - down));
        return col;
    });
    c.ellipse(W * 0.5f, topY, topHalf * 1.05f, topHalf * 0.35f, [=](float x, float) {
        return mix(Colour{255, 235, 140}, glow, clamp01(std::fabs(x - W * 0.5f) / topHalf));
    });
    return c.toObject();
}

brambex::ImagePtr drawBarrel(int w, int h, const Tint& body, std::uint32_t seed) {
    Canvas c(w, h);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float cx = W * 0.5f, half = W * 0.46f, top = H * 0.12f;
    c.rect(cx - half, top, cx + half, H + 1.0f, [=](float x, float y) {
        const float u = (x - cx) / half;
        const float nz = std::sqrt(std::max(0.0f, 1.0f - u * u));
        const float yy = (y - top) / (H - top);
        Colour col = body.main;
        const bool band = std::fabs(yy - 0.12f) < 0.05f || std::fabs(yy - 0.5f) < 0.05f || std::fabs(yy - 0.88f) < 0.05f;
        if (band) col = body.dark;
        // Rust patches and streaks.
        const float rust = fbm(x / 7.0f, y / 7.0f, 3, 0, seed);
        if (rust > 0.62f) col = mix(col, body.accent, clamp01((rust - 0.62f) * 5.0f));
        col = shade(col, lambert(u, 0.0f, nz) * (band ? 1.1f : 1.0f));
        return col;
    });
    c.ellipse(cx, top, half, H * 0.07f, [=](float x, float y) {
        const float d = std::hypot((x - cx) / half, (y - top) / (H * 0.07f));
        return d > 0.78f ? shade(body.light, 0.95f) : shade(body.dark, 0.7f);
    });
    return c.toObject();
}

brambex::ImagePtr drawTyres(int w, int h, std::uint32_t seed) {
    Canvas c(w, h);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const Colour rubber{52, 50, 54};
    const int n = 3;
    const float th = (H * 0.62f) / static_cast<float>(n);
    // Lying tyres stacked, then one standing on top of the pile.
    for (int i = 0; i < n; ++i) {
        const float y = H + 1.0f - th * (static_cast<float>(i) + 0.5f);
        const float half = W * (0.46f - 0.03f * static_cast<float>(i));
        c.stroke(W * 0.5f - half + th * 0.5f, y, W * 0.5f + half - th * 0.5f, y, th * 0.5f, th * 0.5f, [=](const StrokePoint& p) {
            const float tread = 0.8f + 0.2f * std::sin(p.x * 1.4f + static_cast<float>(seed % 7));
            return shade(rubber, p.light() * 1.15f * (std::fabs(p.u) < 0.6f ? tread : 1.0f));
        });
    }
    const float ry = H * 0.22f, rx = std::min(W * 0.3f, ry), cy = H - th * static_cast<float>(n) - ry * 0.8f, cx = W * 0.55f;
    c.ellipse(cx, cy, rx, ry, [=](float x, float y) {
        const float d = std::hypot((x - cx) / rx, (y - cy) / ry);
        return shade(rubber, 0.8f + 0.5f * (1.0f - d) * (y < cy ? 1.0f : 0.5f) + 0.1f * std::sin(std::atan2(y - cy, x - cx) * 14.0f));
    });
    c.ellipse(cx, cy, rx * 0.55f, ry * 0.55f, [=](float x, float y) {
        return shade(Colour{150, 150, 158}, lambert((x - cx) / rx, (y - cy) / ry, 0.6f));
    });
    c.cutEllipse(cx, cy, rx * 0.25f, ry * 0.25f);
    return c.toObject();
}

brambex::ImagePtr drawCrate(int w, int h, const Tint& wood, std::uint32_t seed) {
    Canvas c(w, h);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float top = H - W * 0.92f;
    c.rect(1.0f, std::max(1.0f, top), W - 1.0f, H + 1.0f, [=](float x, float y) {
        const float plank = std::fmod(std::max(0.0f, y - top), W / 5.0f);
        Colour col = mix(wood.dark, wood.main, valueNoise(x / 14.0f, y / 1.5f, 0, seed));
        if (plank < 1.2f) col = shade(wood.dark, 0.7f);
        const float fx = x / W, fy = (y - top) / (H - top);
        const bool frame = fx < 0.12f || fx > 0.88f || fy < 0.12f || fy > 0.9f;
        const bool brace = std::fabs(fx - fy) < 0.09f;
        if (frame || brace) col = shade(wood.light, 0.95f + 0.1f * valueNoise(x / 3.0f, y / 3.0f, 0, seed + 1));
        if ((frame || brace) && (std::fabs(fx - 0.06f) < 0.025f || std::fabs(fx - 0.94f) < 0.025f) &&
            (std::fabs(fy - 0.06f) < 0.025f || std::fabs(fy - 0.95f) < 0.025f))
            col = Colour{90, 90, 95};  // nails
        return shade(col, 1.05f - 0.2f * fx);
    });
    return c.toObject();
}

brambex::ImagePtr drawSignPost(int w, int h, const Tint& wood, const Tint& board, bool hazard, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float px = W * 0.5f;
    c.stroke(px, H + 2.0f, px, H * 0.25f, std::max(2.0f, W * 0.06f), std::max(2.0f, W * 0.055f), barkShader(wood, seed));
    const float by0 = H * 0.08f, by1 = H * 0.45f, bx0 = W * 0.06f, bx1 = W * 0.94f;
    const float tilt = r.range(-0.06f, 0.06f);
    std::vector<Vec> boardPts{{bx0, by0 + tilt * W}, {bx1, by0 - tilt * W}, {bx1, by1 - tilt * W}, {bx0, by1 + tilt * W}};
    c.polygon(boardPts, [=](float x, float y) {
        Colour col;
        if (hazard) {
            col = std::fmod(x + y + 100.0f, 12.0f) < 6.0f ? Colour{230, 190, 40} : Colour{40, 38, 36};
        } else {
            col = mix(board.dark, board.main, valueNoise(x / 12.0f, y / 1.6f, 0, seed));
            if (std::fmod(y - by0, (by1 - by0) / 3.0f) < 1.0f) col = shade(board.dark, 0.75f);
        }
        const float edge = std::min({x - bx0, bx1 - x, y - by0 - 2.0f, by1 - y});
        if (edge < 2.0f) col = shade(col, 0.75f);
        return shade(col, 1.05f - 0.15f * (x - bx0) / (bx1 - bx0));
    });
    return c.toObject();
}

brambex::ImagePtr drawScrapPile(int w, int h, std::uint32_t seed) {
    Canvas c(w, h);
    Rng r(seed);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const Colour steel{120, 125, 132}, rust{150, 80, 45}, paint{70, 110, 150};
    for (int i = 0; i < 14; ++i) {
        const float f = r.next();
        const float cx = W * (0.12f + 0.76f * f);
        const float top = H - (H * 0.85f) * std::sin(f * PI) * r.range(0.6f, 1.0f);
        const float a = r.range(-0.9f, 0.9f), len = W * r.range(0.2f, 0.4f), thick = H * r.range(0.06f, 0.12f);
        const Colour base = i % 3 == 0 ? paint : (i % 3 == 1 ? steel : rust);
        const float dx = std::cos(a) * len * 0.5f, dy = std::sin(a) * len * 0.5f;
        const float nx = -std::sin(a) * thick * 0.5f, ny = std::cos(a) * thick * 0.5f;
        const float cy = std::min(top + thick, H - thick * 0.5f);
        std::vector<Vec> plate{{cx - dx - nx, cy - dy - ny}, {cx + dx - nx, cy + dy - ny}, {cx + dx + nx, cy + dy + ny}, {cx - dx + nx, cy - dy + ny}};
        c.polygon(plate, [=](float x, float y) {
            const float rusty = fbm(x / 6.0f, y / 6.0f, 3, 0, seed + static_cast<std::uint32_t>(i));
            Colour col = rusty > 0.6f ? mix(base, rust, 0.7f) : base;
            const float across = ((x - cx) * -std::sin(a) + (y - cy) * std::cos(a)) / (thick * 0.5f);
            return shade(col, (across < -0.5f ? 1.25f : 0.95f) * grain(x, y, 2.0f, seed, 0.2f));
        });
    }
    // A wheel rim on top and the heap's foot.
    const float wx = W * 0.62f, wy = H * 0.35f, wr = std::min(W, H) * 0.14f;
    c.ellipse(wx, wy, wr, wr, [=](float x, float y) {
        const float d = std::hypot(x - wx, y - wy) / wr;
        return shade(steel, d > 0.75f ? 1.1f : (std::fabs(std::sin(std::atan2(y - wy, x - wx) * 3.0f)) < 0.25f ? 0.9f : 0.55f));
    });
    c.rect(W * 0.15f, H - H * 0.12f, W * 0.85f, H + 1.0f, [=](float x, float y) {
        return shade(rust, 0.7f * grain(x, y, 2.0f, seed, 0.3f));
    });
    return c.toObject();
}

}  // namespace artwork
