#include "Objects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"

namespace artwork {

namespace {

constexpr float PI = 3.14159265f;

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// A half-ellipse (the upper or lower half) as a polygon.
std::vector<Vec> halfEllipse(float cx, float cy, float rx, float ry, bool upper, int steps = 28) {
    std::vector<Vec> pts;
    for (int i = 0; i <= steps; ++i) {
        const float a = PI * static_cast<float>(i) / static_cast<float>(steps);
        pts.push_back({cx - rx * std::cos(a), cy + (upper ? -1.0f : 1.0f) * ry * std::sin(a)});
    }
    return pts;
}

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
void prism(Canvas& c, Vec base, float a, float length, float half, const Tint& tint, std::uint32_t seed) {
    const Vec d{std::sin(a), -std::cos(a)}, p{std::cos(a), std::sin(a)};
    const float shoulder = std::max(length - half * 1.6f, half);
    const std::vector<Vec> pts{
        {base.x - p.x * half, base.y - p.y * half},
        {base.x - p.x * half + d.x * shoulder, base.y - p.y * half + d.y * shoulder},
        {base.x + d.x * length, base.y + d.y * length},
        {base.x + p.x * half + d.x * shoulder, base.y + p.y * half + d.y * shoulder},
        {base.x + p.x * half, base.y + p.y * half},
    };
    c.polygon(pts, [=](float x, float y) {
        const float across = ((x - base.x) * p.x + (y - base.y) * p.y) / half;    // -1 .. 1
        const float along = clamp01(((x - base.x) * d.x + (y - base.y) * d.y) / length);
        Colour col = mix(tint.dark, tint.main, along);
        float k = across < 0 ? 1.15f : 0.78f;
        if (std::fabs(across) < 0.12f) k = 1.35f;  // the ridge catches the light
        col = shade(col, k * grain(x, y, 3.0f, seed, 0.08f));
        if (along > 0.55f && across < -0.25f && across > -0.6f) col = mix(col, tint.light, 0.55f);
        return col;
    });
}

void leafBlob(Canvas& c, float x, float y, float rx, float ry, Colour base, Colour light, std::uint32_t seed) {
    c.ellipse(x, y, rx, ry, [=](float px, float py) {
        const float dx = (px - x) / rx, dy = (py - y) / ry;
        const float nz = std::sqrt(std::max(0.0f, 1.0f - dx * dx - dy * dy));
        const float l = lambert(dx, dy, nz);
        // Leaf clumps: bright and dark specks at leaf scale.
        const float clump = fbm(px / 2.2f, py / 2.2f, 2, 0, seed);
        Colour col = shade(base, l * (0.78f + 0.45f * clump));
        if (clump > 0.68f && l > 0.75f) col = mix(col, light, 0.6f);
        return col;
    });
}

}  // namespace

int floorLine(int height) { return height - std::min(height / 20, 5); }
int roofLine(int height) { return std::min(height / 20, 5); }
int wallLine(int width) { return std::min(width / 20, 10); }

float grain(float x, float y, float scale, std::uint32_t seed, float amount) {
    return 1.0f + amount * (fbm(x / scale, y / scale, 3, 0, seed) - 0.5f) * 2.0f;
}

Canvas::StrokeShader tube(Colour base, std::uint32_t seed, float grainScale, float grainAmount) {
    return [=](const StrokePoint& p) { return shade(base, p.light() * grain(p.x, p.y, grainScale, seed, grainAmount)); };
}

Canvas::Shader ball(Colour base, float cx, float cy, float rx, float ry, std::uint32_t seed, float grainAmount) {
    return [=](float x, float y) {
        const float dx = (x - cx) / rx, dy = (y - cy) / ry;
        const float nz = std::sqrt(std::max(0.0f, 1.0f - dx * dx - dy * dy));
        return shade(base, lambert(dx, dy, nz) * grain(x, y, 3.0f, seed, grainAmount));
    };
}

brambex::ImagePtr mirrored(gdImagePtr picture) {
    brambex::ImagePtr m = brambex::createTrueColour(picture->sx, picture->sy);
    for (int y = 0; y < picture->sy; ++y)
        for (int x = 0; x < picture->sx; ++x) m->tpixels[y][x] = picture->tpixels[y][picture->sx - 1 - x];
    return m;
}

brambex::ImagePtr withClearance(gdImagePtr picture, brambex::ObjectKind kind) {
    const int most = (200 - picture->sy) / 2;
    brambex::ImagePtr padded;
    for (int pad = std::min(picture->sy, most); pad >= 0; --pad) {
        padded = brambex::createTrueColour(picture->sx, picture->sy + 2 * pad);
        for (int y = 0; y < picture->sy; ++y)
            for (int x = 0; x < picture->sx; ++x) padded->tpixels[y + pad][x] = picture->tpixels[y][x];
        if (brambex::probeObjectPicture(padded.get(), kind).span > 0) break;
    }
    return padded;
}

// ---------------------------------------------------------------- floor objects

namespace {

// Bark: a lit tube with vertical streaks.
Canvas::StrokeShader barkShader(const Tint& bark, std::uint32_t seed) {
    return [=](const StrokePoint& p) {
        const float streak = valueNoise(p.u * 2.5f + 7.0f, p.t * 18.0f, 0, seed);
        Colour col = shade(mix(bark.dark, bark.main, streak), p.light());
        if (streak > 0.8f) col = mix(col, bark.light, 0.35f);
        return col;
    };
}

}  // namespace

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

// ---------------------------------------------------------------- roof objects

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

// ---------------------------------------------------------------- wall objects

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
