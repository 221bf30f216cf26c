// Bow and Arrow artwork (data/bna/<style>/): ten small pictures per style on black (never drawn)
// and pre.bmp, the style's preview in the window.

#include <gdfontmb.h>
#include <gdfonts.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "Noise.h"
#include "Raster.h"
#include "TypeArtwork.h"

namespace artwork {

namespace {

constexpr float PI = 3.14159265f;
constexpr int PICTURES = 10;

// A lit sphere of `base` colour.
Canvas::Shader sphere(Colour base, float cx, float cy, float r) {
    return [=](float x, float y) {
        const float dx = (x - cx) / r, dy = (y - cy) / r;
        const float nz = std::sqrt(std::max(0.0f, 1.0f - dx * dx - dy * dy));
        Colour c = shade(base, 0.35f + 0.85f * lambert(dx, dy, nz));
        const float shine = std::pow(std::max(0.0f, lambert(dx, dy, nz)), 24.0f);
        return mix(c, rgb(0xFFFFFF), shine * 0.7f);
    };
}

void text(gdImagePtr im, gdFontPtr font, int cx, int cy, const std::string& s, int colour) {
    std::string copy = s;
    gdImageString(im, font, cx - static_cast<int>(s.size()) * font->w / 2, cy - font->h / 2,
                  reinterpret_cast<unsigned char*>(copy.data()), colour);
}

brambex::ImagePtr ball(int i) {
    const int size = 26 + (i * 7) % 30;
    const float r = static_cast<float>(size) * 0.5f - 1.0f, c = static_cast<float>(size) * 0.5f;
    const Colour colours[] = {rgb(0xD83A2E), rgb(0x2E7AD8), rgb(0xE8C22E), rgb(0x3AB04A), rgb(0xA04AD0), rgb(0xE87A2E)};
    Canvas cv(size, size);
    const Colour base = colours[i % 6];
    const Colour second = colours[(i + 2) % 6];
    const bool beach = i % 3 == 0;
    cv.ellipse(c, c, r, r, [=](float x, float y) {
        Colour b = base;
        if (beach) {
            const float a = std::atan2(y - c, x - c);
            b = static_cast<int>((a + PI) / (PI / 3.0f)) % 2 ? base : (static_cast<int>((a + PI) / (PI / 3.0f)) % 4 == 0 ? second : rgb(0xF2EEE4));
        }
        return sphere(b, c, c, r)(x, y);
    });
    return cv.toObject();
}

brambex::ImagePtr matrix(int i) {
    const int w = 22 + (i % 3) * 8, h = 30 + (i % 4) * 8;
    Canvas cv(w, h);
    Rng r(900u + static_cast<std::uint32_t>(i));
    cv.rect(0, 0, static_cast<float>(w), static_cast<float>(h), [](float, float) { return rgb(0x06200C); });
    // Columns of glyph strokes, brightest at the head of each column.
    for (int col = 0; col < w / 7; ++col) {
        const float x = 3.0f + static_cast<float>(col) * 7.0f;
        const int glyphs = 2 + r.below(h / 8);
        for (int g = 0; g < glyphs; ++g) {
            const float y = 3.0f + static_cast<float>(g) * 8.0f;
            const float bright = static_cast<float>(g + 1) / static_cast<float>(glyphs);
            const Colour c = g == glyphs - 1 ? rgb(0xC8FFD0) : mix(rgb(0x0E5A1E), rgb(0x3AE05A), bright);
            const int shape = r.below(4);
            auto bar = [&](float x0, float y0, float x1, float y1) { cv.rect(x0, y0, x1, y1, [=](float, float) { return c; }); };
            bar(x, y, x + 1.6f, y + 6.0f);
            if (shape != 0) bar(x, y, x + 4.5f, y + 1.4f);
            if (shape >= 2) bar(x + 3.0f, y + 2.5f, x + 4.5f, y + 6.0f);
            if (shape == 3) bar(x, y + 4.6f, x + 4.5f, y + 6.0f);
        }
    }
    return cv.toObject(0.3f);
}

brambex::ImagePtr pool(int i) {
    const int size = 30 + (i % 3) * 6;
    const float c = static_cast<float>(size) * 0.5f, r = c - 1.0f;
    const Colour colours[] = {rgb(0xE8C020), rgb(0x1E48B8), rgb(0xD02A22), rgb(0x5A2A8A), rgb(0xE8701E), rgb(0x1E7A3A), rgb(0x7A2A1E), rgb(0x1A1A1A)};
    const int number = i < 8 ? i + 1 : i + 3;
    const bool stripe = number > 8;
    const Colour base = colours[(number - 1) % 8];
    Canvas cv(size, size);
    cv.ellipse(c, c, r, r, [=](float x, float y) {
        const bool band = !stripe || std::fabs(y - c) < r * 0.5f;
        return sphere(band ? base : rgb(0xF4F0E6), c, c, r)(x, y);
    });
    cv.ellipse(c - 1.0f, c - 1.0f, r * 0.42f, r * 0.42f, sphere(rgb(0xF8F6EE), c, c, r));
    brambex::ImagePtr im = cv.toObject();
    const int ink = (20 << 16) | (20 << 8) | 24;
    text(im.get(), gdFontGetSmall(), size / 2, size / 2 - 1, std::to_string(number), ink);
    return im;
}

brambex::ImagePtr rugby(int i) {
    const int w = 40 + (i % 3) * 8, h = 26 + (i % 2) * 4;
    const float cx = static_cast<float>(w) * 0.5f, cy = static_cast<float>(h) * 0.5f;
    const float rx = cx - 1.0f, ry = cy - 1.0f;
    const Colour leather = i % 2 ? rgb(0x8A4E2A) : rgb(0xE6E0D2);
    Canvas cv(w, h);
    cv.ellipse(cx, cy, rx, ry, [=](float x, float y) {
        const float dx = (x - cx) / rx, dy = (y - cy) / ry;
        const float nz = std::sqrt(std::max(0.0f, 1.0f - dx * dx - dy * dy));
        Colour col = shade(leather, 0.4f + 0.8f * lambert(dx, dy, nz));
        if (i % 2 == 0 && std::fabs(dx) > 0.55f && std::fabs(dx) < 0.7f) col = rgb(0xB02828);  // stripes
        return shade(col, 0.92f + 0.1f * fbm(x / 2.0f, y / 2.0f, 2, 0, 33u));
    });
    // Laces along the seam.
    const Colour lace = i % 2 ? rgb(0xF0EADC) : rgb(0x5A3A22);
    cv.rect(cx - rx * 0.35f, cy - 1.4f, cx + rx * 0.35f, cy - 0.2f, [=](float, float) { return lace; });
    for (int k = -2; k <= 2; ++k) {
        const float x = cx + static_cast<float>(k) * rx * 0.14f;
        cv.rect(x - 0.8f, cy - 3.5f, x + 0.8f, cy + 1.5f, [=](float, float) { return lace; });
    }
    return cv.toObject();
}

brambex::ImagePtr smiley(int i) {
    const int size = 28 + (i % 4) * 8;
    const float c = static_cast<float>(size) * 0.5f, r = c - 1.0f;
    Canvas cv(size, size);
    cv.ellipse(c, c, r, r, sphere(i % 5 == 4 ? rgb(0x8AD04A) : rgb(0xF2CC2A), c, c, r));
    const Colour ink = rgb(0x3A2410);
    const float eyeY = c - r * 0.25f, eyeDX = r * 0.33f;
    const int mood = i % 4;  // happy, wink, surprised, cool
    cv.ellipse(c - eyeDX, eyeY, r * 0.09f, r * 0.16f, [=](float, float) { return ink; });
    if (mood == 1) cv.rect(c + eyeDX - r * 0.14f, eyeY - 0.8f, c + eyeDX + r * 0.14f, eyeY + 0.8f, [=](float, float) { return ink; });
    else cv.ellipse(c + eyeDX, eyeY, r * 0.09f, r * 0.16f, [=](float, float) { return ink; });
    if (mood == 3) cv.rect(c - eyeDX - r * 0.22f, eyeY - r * 0.14f, c + eyeDX + r * 0.22f, eyeY + r * 0.1f, [=](float, float) { return rgb(0x18181C); });
    if (mood == 2) {
        cv.ellipse(c, c + r * 0.38f, r * 0.15f, r * 0.2f, [=](float, float) { return ink; });
    } else {
        std::vector<Vec> mouth;
        for (int k = 0; k <= 12; ++k) {
            const float a = PI * (0.15f + 0.7f * static_cast<float>(k) / 12.0f);
            mouth.push_back({c - r * 0.55f * std::cos(a), c + r * 0.12f + r * 0.42f * std::sin(a)});
        }
        cv.path(mouth, r * 0.07f, r * 0.07f, [=](const StrokePoint&) { return ink; });
    }
    return cv.toObject();
}

brambex::ImagePtr space(int i) {
    const int size = 24 + (i * 9) % 36;
    const float c = static_cast<float>(size) * 0.5f;
    Canvas cv(size, size);
    const int kind = i % 4;  // planet, ringed planet, asteroid, star
    if (kind == 3) {
        const Colour glow = i % 8 == 3 ? rgb(0xFFF0B0) : rgb(0xB8D8FF);
        for (int k = 0; k < 4; ++k) {
            const float a = PI * 0.25f * static_cast<float>(k);
            cv.stroke(c - std::cos(a) * c * 0.9f, c - std::sin(a) * c * 0.9f, c + std::cos(a) * c * 0.9f,
                      c + std::sin(a) * c * 0.9f, k % 2 ? 0.6f : 1.2f, 0.3f, [=](const StrokePoint&) { return glow; });
        }
        cv.ellipse(c, c, c * 0.22f, c * 0.22f, [=](float, float) { return lift(glow, 0.5f); });
        return cv.toObject(0.2f);
    }
    const float r = kind == 1 ? c * 0.55f : c - 1.0f;
    const Colour colours[] = {rgb(0xC86A3A), rgb(0x3A7AC8), rgb(0x8A8A92), rgb(0x6AB04A), rgb(0xC8A86A)};
    const Colour base = kind == 2 ? rgb(0x7A7068) : colours[i % 5];
    if (kind == 1)
        cv.ellipse(c, c, c - 1.0f, c * 0.28f, [=](float x, float) { return shade(rgb(0xD8C89A), 0.8f + 0.3f * std::fabs(x - c) / c); });
    cv.ellipse(c, c, r, kind == 2 ? r * 0.8f : r, [=](float x, float y) {
        Colour col = sphere(base, c, c, r)(x, y);
        const float bands = fbm(x / 3.0f, y / (kind == 2 ? 3.0f : 9.0f), 3, 0, 700u + static_cast<std::uint32_t>(i));
        return shade(col, 0.75f + 0.45f * bands);
    });
    if (kind == 2)
        for (int k = 0; k < 3; ++k) {
            const float a = static_cast<float>(k) * 2.1f + static_cast<float>(i);
            cv.ellipse(c + std::cos(a) * r * 0.4f, c + std::sin(a) * r * 0.3f, r * 0.18f, r * 0.14f, [=](float, float) { return shade(base, 0.55f); });
        }
    return cv.toObject();
}

brambex::ImagePtr picture(int style, int i) {
    switch (style) {
    case 0: return ball(i);
    case 1: return matrix(i);
    case 2: return pool(i);
    case 3: return rugby(i);
    case 4: return smiley(i);
    default: return space(i);
    }
}

// The style's preview: a few of its pictures on a dark field.
brambex::ImagePtr preview(int style) {
    brambex::ImagePtr im = brambex::createTrueColour(128, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) im->tpixels[y][x] = (12 << 16) | (14 << 8) | (24 + y / 4);
    int x = 4;
    for (int i = 0; i < PICTURES && x < 124; ++i) {
        brambex::ImagePtr p = picture(style, i);
        const float scale = std::min(1.0f, 44.0f / static_cast<float>(std::max(p->sx, p->sy)));
        const int w = static_cast<int>(static_cast<float>(p->sx) * scale), h = static_cast<int>(static_cast<float>(p->sy) * scale);
        if (x + w > 124) break;
        const int y = 4 + (i % 2) * 12;
        brambex::ImagePtr small = brambex::createTrueColour(w, h);
        gdImageCopyResampled(small.get(), p.get(), 0, 0, 0, 0, w, h, p->sx, p->sy);
        small->transparent = 0;
        gdImageCopy(im.get(), small.get(), x, y, 0, 0, w, h);
        x += w + 3;
    }
    return im;
}

}  // namespace

const char* const BNA_STYLES[6] = {"ball", "matrix", "pool", "rugby", "smilies", "space"};

void writeBnaArt(const std::filesystem::path& folder) {
    for (int style = 0; style < 6; ++style) {
        const std::filesystem::path dir = folder / BNA_STYLES[style];
        for (int i = 0; i < PICTURES; ++i) writeArtPng(dir / (std::to_string(i) + ".png"), picture(style, i).get());
        writeArtBmp(dir / "pre.bmp", preview(style).get());
    }
}

std::vector<brambex::ImagePtr> bnaSamples(int style) {
    std::vector<brambex::ImagePtr> pictures;
    for (int i = 0; i < PICTURES; ++i) pictures.push_back(picture(style, i));
    return pictures;
}

}  // namespace artwork
