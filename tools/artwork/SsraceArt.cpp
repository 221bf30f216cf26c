// SuperSheep Race artwork (data/ssrace/): the brush that carves the course (a solid black disc,
// white around it, which the run makes see-through), the start banner, and the start and end
// markers (on white, which is see-through too).

#include <gdfontg.h>

#include <cmath>
#include <string>

#include "Raster.h"
#include "TypeArtwork.h"

namespace artwork {

namespace {

constexpr int WHITE = 0xFFFFFF;

brambex::ImagePtr brush() {
    const int size = 200;
    brambex::ImagePtr im = brambex::createTrueColour(size, size);
    const float c = static_cast<float>(size) * 0.5f, r = c - 1.0f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - c, dy = static_cast<float>(y) + 0.5f - c;
            im->tpixels[y][x] = dx * dx + dy * dy <= r * r ? 0 : WHITE;
        }
    return im;
}

void text(gdImagePtr im, gdFontPtr font, int cx, int cy, const std::string& s, int colour) {
    std::string copy = s;
    gdImageString(im, font, cx - static_cast<int>(s.size()) * font->w / 2, cy - font->h / 2,
                  reinterpret_cast<unsigned char*>(copy.data()), colour);
}

// A cloth banner with a chequered border and "START" across it.
brambex::ImagePtr banner() {
    brambex::ImagePtr im = brambex::createTrueColour(300, 50);
    const int cloth = safeColour(rgb(0xC8302A)), dark = safeColour(rgb(0x7A1A16));
    const int chequerA = safeColour(rgb(0xF2EEE4)), chequerB = safeColour(rgb(0x1C1C20));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 300; ++x) {
            const bool border = y < 8 || y >= 42;
            im->tpixels[y][x] = border ? (((x / 8) + (y / 4)) % 2 ? chequerA : chequerB)
                                       : (static_cast<int>(std::sin(static_cast<float>(x) * 0.08f) * 3.0f + 3.0f) > 4 ? dark : cloth);
        }
    const int shadow = safeColour(rgb(0x3A0A08)), light = safeColour(rgb(0xF8E8B0));
    text(im.get(), gdFontGetGiant(), 151, 26, "S T A R T", shadow);
    text(im.get(), gdFontGetGiant(), 150, 25, "S T A R T", light);
    return im;
}

// A flag on a pole, on white: green with "S" for the start, chequered for the end.
brambex::ImagePtr marker(bool start) {
    brambex::ImagePtr im = brambex::createTrueColour(100, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) im->tpixels[y][x] = WHITE;
    const int pole = safeColour(rgb(0x5A4632));
    for (int y = 8; y < 96; ++y)
        for (int x = 20; x < 25; ++x) im->tpixels[y][x] = pole;
    for (int y = 10; y < 56; ++y) {
        const int len = 62 - std::abs(y - 33) / 3;
        for (int x = 25; x < 25 + len; ++x) {
            const float wave = std::sin(static_cast<float>(x) * 0.15f) * 2.0f;
            const int yy = y + static_cast<int>(wave);
            if (yy < 0 || yy >= 100) continue;
            im->tpixels[yy][x] = start ? safeColour(rgb(0x2E9A3A)) : (((x - 25) / 8 + (y - 10) / 8) % 2 ? safeColour(rgb(0xF0ECE2)) : safeColour(rgb(0x1A1A1E)));
        }
    }
    if (start) text(im.get(), gdFontGetGiant(), 56, 33, "S", safeColour(rgb(0xF4F0D8)));
    // A base stone, so the marker stands on something.
    for (int y = 92; y < 100; ++y)
        for (int x = 10; x < 36; ++x) im->tpixels[y][x] = safeColour(rgb(0x8A8276));
    return im;
}

}  // namespace

std::vector<brambex::ImagePtr> ssraceSamples() {
    std::vector<brambex::ImagePtr> out;
    out.push_back(banner());
    out.push_back(marker(true));
    out.push_back(marker(false));
    return out;
}

void writeSsraceArt(const std::filesystem::path& folder) {
    writeArtPng(folder / "0.png", brush().get());
    writeArtPng(folder / "start.png", banner().get());
    writeArtPng(folder / "s.png", marker(true).get());
    writeArtPng(folder / "e.png", marker(false).get());
}

}  // namespace artwork
