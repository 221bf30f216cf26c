#include "DataFolder.h"

#include <gdfontg.h>
#include <gdfontl.h>
#include <gdfontmb.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "Noise.h"
#include "Raster.h"
#include "TypeArtwork.h"
#include "generators/TypeTable.h"
#include "map/MapTypes.h"
#include "map/ThemeObjects.h"

namespace artwork {

namespace fs = std::filesystem;

namespace {

void writeBytes(const fs::path& path, const void* data, std::size_t size) {
    fs::create_directories(path.parent_path());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path.string());
    const bool ok = std::fwrite(data, 1, size, f) == size;
    if (std::fclose(f) != 0 || !ok) throw std::runtime_error("cannot write " + path.string());
}

void writeText(const fs::path& path, const std::string& text) { writeBytes(path, text.data(), text.size()); }

void writePng(const fs::path& path, gdImagePtr im) {
    const auto bytes = brambex::encodePng(im, 9);
    if (bytes.empty()) throw std::runtime_error("cannot encode " + path.string());
    writeBytes(path, bytes.data(), bytes.size());
}

void writeBmp(const fs::path& path, gdImagePtr im) {
    int size = 0;
    void* data = gdImageBmpPtr(im, &size, 0);
    if (!data) throw std::runtime_error("cannot encode " + path.string());
    writeBytes(path, data, static_cast<std::size_t>(size));
    gdFree(data);
}

// Every object must be placeable: its probe line has to meet the object's base.
void checkObject(gdImagePtr im, brambex::ObjectKind kind, const std::string& name) {
    if (im->sx < 24 || im->sy < 24 || im->sx > 200 || im->sy > 200)
        throw std::runtime_error(name + ": objects are 24 to 200 pixels");
    const brambex::ObjectProbe p = brambex::probeObjectPicture(im, kind);
    if (p.span <= 0) throw std::runtime_error(name + ": the probe line misses the object's base");
}

void writeObjects(const fs::path& folder, const std::vector<brambex::ImagePtr>& objects, brambex::ObjectKind kind) {
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const fs::path path = folder / (std::to_string(i) + ".png");
        checkObject(objects[i].get(), kind, path.string());
        writePng(path, objects[i].get());
    }
}

void drawText(gdImagePtr im, gdFontPtr font, int x, int y, const std::string& text, int colour) {
    std::string copy = text;
    gdImageString(im, font, x, y, reinterpret_cast<unsigned char*>(copy.data()), colour);
}

void drawTextCentred(gdImagePtr im, gdFontPtr font, int cx, int y, const std::string& text, int colour) {
    drawText(im, font, cx - static_cast<int>(text.size()) * font->w / 2, y, text, colour);
}

}  // namespace

void writeArtPng(const fs::path& path, gdImagePtr im) { writePng(path, im); }
void writeArtText(const fs::path& path, const std::string& text) { writeText(path, text); }
void writeArtBmp(const fs::path& path, gdImagePtr im) { writeBmp(path, im); }

void writeDataFolder(const fs::path& root, const std::vector<ThemeArt>& themes) {
    const fs::path data = root / "data";
    for (std::size_t n = 0; n < themes.size(); ++n) {
        const ThemeArt& t = themes[n];
        const fs::path dir = data / "generic" / "themes" / std::to_string(n);
        writePng(dir / "soil.png", t.soil.get());
        writePng(dir / "grass.png", t.grass.get());
        writePng(dir / "roots.png", t.roots.get());
        writeText(dir / "settings.txt", "themeid: " + std::to_string(t.themeId) + "\n");
        writeText(dir / "name.txt", t.name + " - " + t.description + "\n");
        writeObjects(dir / "objects" / "floor", t.floor, brambex::ObjectKind::Floor);
        writeObjects(dir / "objects" / "roof", t.roof, brambex::ObjectKind::Roof);
        writeObjects(dir / "objects" / "left", t.left, brambex::ObjectKind::Left);
        writeObjects(dir / "objects" / "right", t.right, brambex::ObjectKind::Right);
    }
    writeBmp(data / "interface" / "main.bmp", windowBackground().get());
    writeBmp(data / "interface" / "gen1.bmp", busyPicture(false).get());
    writeBmp(data / "interface" / "gen2.bmp", busyPicture(true).get());
    writePng(data / "interface" / "icon.png", programIcon(64).get());
    // The desktop's icon sizes, for installation.
    for (int size : {16, 32, 48, 64, 128, 256, 512})
        writePng(root / "icons" / std::to_string(size) / "brambex.png", programIcon(size).get());
    writePng(data / "interface" / "about.png", aboutPicture(279, 112, 61, "B R A M B E X").get());
    writePng(data / "interface" / "about-left.png", aboutPicture(102, 23, 62, "maps").get());
    writePng(data / "interface" / "about-right.png", aboutPicture(102, 23, 63, "made here").get());
    writePng(data / "interface" / "about-strip.png", aboutPicture(279, 13, 64, "").get());
    fs::create_directories(data / "temp");
    for (const TypeArtwork& art : typeArtwork()) art.write(data / std::string(brambex::typeFolder(art.type)));
    for (int i = 0; i < brambex::MAP_TYPE_COUNT; ++i)
        writeText(data / std::string(brambex::typeFolder(static_cast<brambex::MapType>(i))) / "filecheck.dat", "");
}

namespace {

// A dark cave landscape: layered rock silhouettes under a dusky gradient.
void paintLandscape(gdImagePtr im, std::uint32_t seed) {
    const int w = im->sx, h = im->sy;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float f = static_cast<float>(y) / static_cast<float>(h);
            Colour c = mix(Colour{40, 52, 86}, Colour{150, 110, 120}, f);
            c = shade(c, 0.92f + 0.1f * fbm(static_cast<float>(x) / 60.0f, static_cast<float>(y) / 40.0f, 3, 0, seed));
            im->tpixels[y][x] = safeColour(c);
        }
    const Colour layers[3] = {{70, 66, 92}, {48, 44, 66}, {28, 26, 40}};
    for (int l = 0; l < 3; ++l) {
        const float base = static_cast<float>(h) * (0.55f + 0.15f * static_cast<float>(l));
        for (int x = 0; x < w; ++x) {
            const float n = fbm(static_cast<float>(x) / (90.0f - 20.0f * static_cast<float>(l)), static_cast<float>(l) * 3.0f, 4, 0, seed + 10u + static_cast<std::uint32_t>(l));
            const int top = static_cast<int>(base - (n - 0.5f) * static_cast<float>(h) * 0.5f);
            for (int y = std::max(0, top); y < h; ++y)
                im->tpixels[y][x] = safeColour(shade(layers[l], 0.9f + 0.15f * fbm(static_cast<float>(x) / 12.0f, static_cast<float>(y) / 12.0f, 2, 0, seed + 20u)));
        }
        // Ceiling teeth hanging into the scene.
        for (int x = 0; x < w; ++x) {
            const float n = fbm(static_cast<float>(x) / (50.0f + 15.0f * static_cast<float>(l)), 7.0f + static_cast<float>(l), 4, 0, seed + 30u + static_cast<std::uint32_t>(l));
            const int bottom = static_cast<int>(static_cast<float>(h) * (0.05f + 0.06f * static_cast<float>(2 - l)) + n * static_cast<float>(h) * 0.25f);
            for (int y = 0; y < std::min(bottom, h); ++y) im->tpixels[y][x] = safeColour(shade(layers[2 - l], 0.8f));
        }
    }
}

}  // namespace

brambex::ImagePtr windowBackground() {
    brambex::ImagePtr im = brambex::createTrueColour(900, 520);
    paintLandscape(im.get(), 77);
    return im;
}

brambex::ImagePtr busyPicture(bool mapShown) {
    brambex::ImagePtr im = brambex::createTrueColour(400, 145);
    paintLandscape(im.get(), mapShown ? 91 : 83);
    const int light = gdImageColorAllocate(im.get(), 236, 230, 214);
    const int shadow = gdImageColorAllocate(im.get(), 20, 18, 30);
    const std::string text = mapShown ? "Generating a new map..." : "Generating map...";
    drawTextCentred(im.get(), gdFontGetGiant(), 201, 62, text, shadow);
    drawTextCentred(im.get(), gdFontGetGiant(), 200, 61, text, light);
    return im;
}

// An island rising out of the sea under a dusky sky, with a bright rim, at any size (the icon).
brambex::ImagePtr programIcon(int size) {
    brambex::ImagePtr im = brambex::createTrueColour(size, size);
    gdImageAlphaBlending(im.get(), 0);
    gdImageSaveAlpha(im.get(), 1);
    const float s = static_cast<float>(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float fx = (static_cast<float>(x) + 0.5f) / s - 0.5f, fy = (static_cast<float>(y) + 0.5f) / s - 0.5f;
            // A rounded square; outside it fully transparent.
            const float corner = 0.18f, ax = std::fabs(fx) - (0.5f - corner), ay = std::fabs(fy) - (0.5f - corner);
            const float outside = std::sqrt(std::max(ax, 0.0f) * std::max(ax, 0.0f) + std::max(ay, 0.0f) * std::max(ay, 0.0f));
            if (outside > corner) {
                im->tpixels[y][x] = gdTrueColorAlpha(0, 0, 0, gdAlphaTransparent);
                continue;
            }
            const float t = fy + 0.5f;
            Colour c = mix(Colour{38, 52, 98}, Colour{232, 140, 96}, std::clamp(t * 1.6f - 0.2f, 0.0f, 1.0f));
            // The island: a hump of land with grass on its crown.
            const float hump = 0.62f - 0.28f * std::exp(-fx * fx * 9.0f) + 0.03f * fbm(fx * 6.0f, 1.0f, 3, 0, 5);
            const float sea = 0.78f;
            if (t > hump && t <= sea) c = t < hump + 0.05f ? Colour{96, 168, 70} : shade(Colour{120, 86, 58}, 0.8f + 0.3f * fbm(fx * 12.0f, t * 12.0f, 3, 0, 9));
            if (t > sea) c = mix(Colour{40, 96, 150}, Colour{18, 40, 80}, (t - sea) / (1.0f - sea));
            im->tpixels[y][x] = safeColour(c);
        }
    return im;
}

brambex::ImagePtr aboutPicture(int width, int height, std::uint32_t seed, const std::string& title) {
    brambex::ImagePtr im = brambex::createTrueColour(width, height);
    paintLandscape(im.get(), seed);
    if (!title.empty()) {
        const int light = gdImageColorAllocate(im.get(), 240, 234, 218);
        const int shadow = gdImageColorAllocate(im.get(), 16, 14, 26);
        const gdFontPtr font = height >= 60 ? gdFontGetGiant() : gdFontGetMediumBold();
        const int y = (height - font->h) / 2;
        drawTextCentred(im.get(), font, width / 2 + 1, y + 1, title, shadow);
        drawTextCentred(im.get(), font, width / 2, y, title, light);
    }
    return im;
}

brambex::ImagePtr contactSheet(const std::vector<ThemeArt>& themes, double scale) {
    const int margin = 12, rowHeight = 236;
    // As wide as the widest theme: soil block, then each folder's objects side by side.
    int width = 0;
    for (const ThemeArt& t : themes) {
        int x = margin + 8 + 2 * SOIL_SIZE + 24;
        for (const auto* objects : {&t.floor, &t.roof, &t.left, &t.right}) {
            for (const auto& o : *objects) x += o->sx + 6;
            x += 18;
        }
        width = std::max(width, x + margin);
    }
    // Below the themes: the maze tiles of Rope Race and SuperSheeper at half size.
    const std::vector<brambex::ImagePtr> mazeTiles[2] = {mazeTileSamples(true), mazeTileSamples(false)};
    const int tileW = mazeTiles[0][0]->sx / 2, tileH = mazeTiles[0][0]->sy / 2, tileRow = 24 + tileH;
    width = std::max(width, margin * 2 + 16 + 16 * (tileW + 6));
    const int themesHeight = margin + static_cast<int>(themes.size()) * (rowHeight + margin);
    const int bnaRow = 24 + 60;
    const int artRow = 24 + 100;
    const int height = themesHeight + 2 * (tileRow + margin) + bnaRow + margin + 5 * (artRow + margin);
    brambex::ImagePtr sheet = brambex::createTrueColour(width, height);
    const int back = gdImageColorAllocate(sheet.get(), 58, 60, 66);
    const int panel = gdImageColorAllocate(sheet.get(), 84, 88, 96);
    const int text = gdImageColorAllocate(sheet.get(), 236, 236, 230);
    const int dim = gdImageColorAllocate(sheet.get(), 170, 172, 178);
    gdImageFilledRectangle(sheet.get(), 0, 0, width - 1, height - 1, back);

    // A picture over the panel colour: its key colour shows the panel.
    auto put = [&](gdImagePtr pic, int x, int y, bool keyed) {
        for (int py = 0; py < pic->sy; ++py)
            for (int px = 0; px < pic->sx; ++px) {
                const int c = pic->tpixels[py][px];
                if (keyed && c == 0) continue;
                gdImageSetPixel(sheet.get(), x + px, y + py, c);
            }
    };
    for (std::size_t n = 0; n < themes.size(); ++n) {
        const ThemeArt& t = themes[n];
        const int top = margin + static_cast<int>(n) * (rowHeight + margin);
        gdImageFilledRectangle(sheet.get(), margin, top, width - margin - 1, top + rowHeight - 1, panel);
        drawText(sheet.get(), gdFontGetLarge(), margin + 8, top + 6, std::to_string(n) + "  " + t.name, text);
        drawText(sheet.get(), gdFontGetMediumBold(), margin + 8, top + 24, t.description, dim);
        // Soil tiled over a 256 x 180 block (the seams must not show), grass along its top,
        // roots along its bottom, as they meet the air.
        const int sx = margin + 8, sy = top + 44, blockW = 2 * SOIL_SIZE, blockH = 180;
        for (int y = 0; y < blockH; ++y)
            for (int x = 0; x < blockW; ++x)
                gdImageSetPixel(sheet.get(), sx + x, sy + y, t.soil->tpixels[y % t.soil->sy][x % t.soil->sx]);
        for (int i = 0; i < 2; ++i) {
            put(t.grass.get(), sx + i * STRIP_WIDTH, sy, true);
            put(t.roots.get(), sx + i * STRIP_WIDTH, sy + blockH - t.roots->sy, true);
        }
        // The objects, folder by folder.
        int x = sx + 2 * SOIL_SIZE + 24;
        const std::pair<const char*, const std::vector<brambex::ImagePtr>*> folders[] = {
            {"floor", &t.floor}, {"roof", &t.roof}, {"left", &t.left}, {"right", &t.right}};
        for (const auto& [label, objects] : folders) {
            drawText(sheet.get(), gdFontGetMediumBold(), x, top + 6, label, dim);
            int ox = x;
            for (const auto& o : *objects) {
                const int oy = std::string(label) == "roof" ? top + 26 : top + rowHeight - 8 - o->sy;
                put(o.get(), ox, oy, true);
                ox += o->sx + 6;
            }
            x = ox + 18;
        }
    }
    const char* const mazeNames[2] = {"Rope Race tiles", "SuperSheeper tiles"};
    for (int m = 0; m < 2; ++m) {
        const int top = themesHeight + m * (tileRow + margin);
        gdImageFilledRectangle(sheet.get(), margin, top, width - margin - 1, top + tileRow - 1, panel);
        drawText(sheet.get(), gdFontGetMediumBold(), margin + 8, top + 4, mazeNames[m], dim);
        for (int k = 0; k < 16; ++k) {
            const int x = margin + 8 + k * (tileW + 6), y = top + 20;
            gdImageCopyResampled(sheet.get(), mazeTiles[m][static_cast<std::size_t>(k)].get(), x, y, 0, 0, tileW, tileH,
                                 tileW * 2, tileH * 2);
        }
    }
    // Bow and Arrow: the first pictures of each style, side by side.
    {
        const int top = themesHeight + 2 * (tileRow + margin);
        gdImageFilledRectangle(sheet.get(), margin, top, width - margin - 1, top + bnaRow - 1, panel);
        drawText(sheet.get(), gdFontGetMediumBold(), margin + 8, top + 4, "Bow and Arrow styles", dim);
        int x = margin + 8;
        for (int style = 0; style < 6; ++style) {
            const std::vector<brambex::ImagePtr> pictures = bnaSamples(style);
            for (int i = 0; i < 4 && x < width - margin - 60; ++i) {
                put(pictures[static_cast<std::size_t>(i)].get(), x, top + 20 + (60 - pictures[static_cast<std::size_t>(i)]->sy) / 2, true);
                x += pictures[static_cast<std::size_t>(i)]->sx + 4;
            }
            x += 18;
        }
    }
    // Fort, SuperSheep Race, Walk for Weapons and Shopper: their own pictures, each at most 96 high.
    {
        const std::pair<const char*, std::vector<brambex::ImagePtr>> rows[] = {
            {"Fort: bricks and pieces", fortSamples()},
            {"SuperSheep Race: banner and markers", ssraceSamples()},
            {"Walk for Weapons: tiles, pads and nodes", wforwSamples()},
            {"Shopper: shops, roof-line pieces and wall pieces", shopperSamples(true)},
            {"Shopper: signs, ceiling objects and arcade tiles", shopperSamples(false)}};
        int top = themesHeight + 2 * (tileRow + margin) + bnaRow + margin;
        for (const auto& [label, pictures] : rows) {
            gdImageFilledRectangle(sheet.get(), margin, top, width - margin - 1, top + artRow - 1, panel);
            drawText(sheet.get(), gdFontGetMediumBold(), margin + 8, top + 4, label, dim);
            int x = margin + 8;
            for (const auto& p : pictures) {
                const double k = std::min(1.0, 96.0 / p->sy);
                const int w = std::max(1, static_cast<int>(p->sx * k)), h = std::max(1, static_cast<int>(p->sy * k));
                if (x + w > width - margin) break;
                gdImageCopyResampled(sheet.get(), p.get(), x, top + 20, 0, 0, w, h, p->sx, p->sy);
                x += w + 6;
            }
            top += artRow + margin;
        }
    }
    if (scale >= 1.0) return sheet;
    const int sw = static_cast<int>(width * scale), sh = static_cast<int>(height * scale);
    brambex::ImagePtr small = brambex::createTrueColour(sw, sh);
    gdImageCopyResampled(small.get(), sheet.get(), 0, 0, 0, 0, sw, sh, width, height);
    return small;
}

}  // namespace artwork
