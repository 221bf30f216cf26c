#include "Objects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"
#include "ObjectShapes.h"

namespace artwork {

std::vector<Vec> halfEllipse(float cx, float cy, float rx, float ry, bool upper, int steps) {
    std::vector<Vec> pts;
    for (int i = 0; i <= steps; ++i) {
        const float a = PI * static_cast<float>(i) / static_cast<float>(steps);
        pts.push_back({cx - rx * std::cos(a), cy + (upper ? -1.0f : 1.0f) * ry * std::sin(a)});
    }
    return pts;
}

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

brambex::ImagePtr withSideClearance(gdImagePtr picture, brambex::ObjectKind kind) {
    brambex::ImagePtr padded;
    for (int pad = SIDE_CLEARANCE; pad >= 0; --pad) {
        padded = brambex::createTrueColour(picture->sx + 2 * pad, picture->sy);
        for (int y = 0; y < picture->sy; ++y)
            for (int x = 0; x < picture->sx; ++x) padded->tpixels[y][x + pad] = picture->tpixels[y][x];
        if (brambex::probeObjectPicture(padded.get(), kind).span > 0) break;
    }
    return padded;
}

// Bark: a lit tube with vertical streaks.
Canvas::StrokeShader barkShader(const Tint& bark, std::uint32_t seed) {
    return [=](const StrokePoint& p) {
        const float streak = valueNoise(p.u * 2.5f + 7.0f, p.t * 18.0f, 0, seed);
        Colour col = shade(mix(bark.dark, bark.main, streak), p.light());
        if (streak > 0.8f) col = mix(col, bark.light, 0.35f);
        return col;
    };
}

}  // namespace artwork
