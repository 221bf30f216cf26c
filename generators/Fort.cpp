#include "generators/Fort.h"

#include <list>
#include <string>

#include "generators/RunSteps.h"
#include "map/Files.h"
#include "map/Translate.h"
#include "map/Random.h"

namespace brambex {

namespace fs = std::filesystem;

namespace {

constexpr int MAP_W = 1920, MAP_H = 696, HALF_W = 875;
constexpr int PIECE_W = 280, PIECE_H = 170;

// A grass piece with its transparent colour: index or value `key` of the file.
ImagePtr grassPiece(const fs::path& path, int key) {
    ImagePtr loaded = loadSmallArt(path);
    if (!loaded) return nullptr;
    const int transparent = loaded->trueColor ? key
                            : key < loaded->colorsTotal
                                ? gdTrueColorAlpha(loaded->red[key], loaded->green[key], loaded->blue[key], loaded->alpha[key])
                                : -1;
    ImagePtr piece = trueColourCopy(loaded.get());
    if (piece) piece->transparent = transparent;
    return piece;
}

int countFiles(const fs::path& folder) {
    int n = 0;
    while (fileOpens(folder / (std::to_string(n) + ".png"))) ++n;
    return n;
}

}  // namespace

Fort::Fort(const Settings& s, const CommonSettings& common, int, int)
    : Generator(MapType::Fort, common, MAP_W, MAP_H), settings(s) {}


std::vector<std::pair<int, int>> Fort::hillProfile() {
    std::list<std::pair<int, int>> points{{1, MAP_H}, {769, MAP_H}};
    int n = 0;
    for (int round = 0; round < 7; ++round) {
        for (auto p = points.begin(); std::next(p) != points.end(); ++p) {
            const auto q = std::next(p);
            const int x = static_cast<int>((p->first + q->first) * 0.5);
            const int w = static_cast<int>((1392 - p->second - q->second) * 0.5);  // mean height above the bottom
            ++n;
            const int a = (rand() % (w + 200) - w) / n;
            int value;
            if (rand() % 2 == 0) value = w - a >= 0 ? w - a : w + a;
            else value = w + a > MAP_H ? w - a : w + a;
            p = points.insert(q, {x, MAP_H - value});
        }
    }
    return {points.begin(), points.end()};
}

std::array<int, 768> Fort::hillHeights(const std::vector<std::pair<int, int>>& points) {
    std::array<int, 768> heights{};
    for (std::size_t i = 0; i + 1 < points.size() && i < 128; ++i) {
        const int py = points[i].second, qy = points[i + 1].second;
        for (int k = 0; k < 6; ++k) heights[i * 6 + k] = py + (qy - py) * k / 6;
    }
    heights[767] = MAP_H;
    return heights;
}

void Fort::swapColours(gdImagePtr piece, int swap) {
    const int green = packColour(0, 255, 0), blue = packColour(0, 0, 255), white = packColour(255, 255, 255);
    for (int y = 0; y < piece->sy; ++y)
        for (int x = 0; x < piece->sx; ++x) {
            int& c = piece->tpixels[y][x];
            if (c == green) c = swap == 1 ? 0 : white;
            else if (c == blue) c = swap == 1 ? white : 0;
        }
}

void Fort::drawLand(gdImagePtr half, const std::array<int, 768>& heights) const {
    ImagePtr land = loadTileArt(file("grass/land.png"));
    if (!land) return;
    const int rows = std::min(200, land->sy);
    for (int k = 0; k < 768; ++k) {
        const int h = heights[k];
        if (MAP_H - h <= 0) continue;
        // One column of the land picture, resampled to the strip under the hill line.
        gdImageCopyResampled(half, land.get(), k, h, 0, 0, 1, MAP_H - h, 1, rows);
    }
}

void Fort::drawGrass(gdImagePtr half, const std::array<int, 768>& heights) const {
    auto grass = [&](int n, int key) { return grassPiece(file("grass/grass" + std::to_string(n) + ".png"), key); };
    ImagePtr pieces[4] = {grass(1, 0), grass(2, 3), grass(3, 3), grass(4, 0)};
    auto put = [&](int n, int x, int y) {
        if (pieces[n]) copyPicturePart(half, pieces[n].get(), x, y, 9, 8);
    };
    for (int i = 0; i <= 764; i += 4) {
        put(rand() % 4, i, heights[i] - 6);
        for (int offset = 0; offset <= 195; offset += 5) {
            const int piece = rand() % 4;
            const int dx = rand() % 4;
            put(piece, i - 2 + dx, heights[i] + offset);
        }
    }
}

fs::path Fort::file(const fs::path& relative) const { return folders.file("fort") / relative; }

void Fort::drawPieces(FortMemory& m) const {
    m.topLeft = rand() % 8;
    m.topRight = rand() % 4 + (m.topLeft > 3 ? 4 : 0);
    m.middle1Left = rand() % 8;
    m.middle1Right = rand() % 4 + (m.middle1Left > 3 ? 4 : 0);
    m.middle2Left = rand() % 8;
    m.middle2Right = rand() % 4 + (m.middle2Left > 3 ? 4 : 0);
    m.bottomSet = rand() % 2;
    const int extra = m.bottomSet == 0 ? 4 : 0;
    // A bottom folder without pictures leaves its piece empty (no draw: there is nothing to choose).
    const int leftCount = countFiles(file("bottom/" + std::to_string(folderOf(m.middle2Left) + extra)));
    m.bottomLeft = leftCount > 0 ? rand() % leftCount : -1;
    const int rightCount = countFiles(file("bottom/" + std::to_string(folderOf(m.middle2Right) + extra)));
    m.bottomRight = rightCount > 0 ? rand() % rightCount : -1;
}

bool Fort::drawPiece(gdImagePtr half, const fs::path& piecePath, gdImagePtr brick, int x, int y, bool mirror,
                     int swap) const {
    ImagePtr piece = createTrueColour(PIECE_W, PIECE_H);
    ImagePtr loaded = piecePath.empty() ? nullptr : loadTileArt(piecePath);
    if (loaded) copyPicture(piece.get(), loaded.get(), 0, 0);
    swapColours(piece.get(), swap);
    if (!brick) return loaded != nullptr;
    // The brick shows where the piece is white; the piece's other colours (black: air) cover it.
    ImagePtr result = trueColourCopy(brick);
    piece->transparent = packColour(255, 255, 255);
    copyPicture(result.get(), piece.get(), 0, 0);
    if (mirror) result = mirroredCopy(result.get());
    if (result) copyPicturePart(half, result.get(), x, y, PIECE_W, PIECE_H);
    return loaded != nullptr;
}

void Fort::generate() {
    image = createTrueColour(MAP_W, MAP_H);
    ImagePtr half = createTrueColour(HALF_W, MAP_H);
    colourBackground = gdImageColorAllocate(image.get(), 242, 24, 204);
    colourBlack = 0;
    colourWhite = packColour(255, 255, 255);

    // Modify keeps the remembered hill (unless Grass asks for a new one) and pieces.
    const bool reuse = common.keepSeed && memory.valid;
    const FortMemory kept = memory;
    std::array<int, 768> heights = hillHeights(hillProfile());
    if (reuse && !newHill) heights = kept.heights;
    memory.heights = heights;

    drawLand(half.get(), heights);
    drawGrass(half.get(), heights);
    stopPoint();
    drawPieces(memory);
    if (reuse) {
        const std::array<int, 768> hill = memory.heights;
        memory = kept;
        memory.heights = hill;
    }
    memory.valid = true;
    const int brickNumber = common.manualMode ? settings.fortBrick : rand() % 3;

    ImagePtr brick = loadTileArt(file("brick/" + std::to_string(brickNumber) + ".png"));
    const int extra = memory.bottomSet == 0 ? 4 : 0;
    auto top = [&](int c) { return file(fs::path("top") / std::to_string(c) / "0.png"); };
    auto middle = [&](int folder, int c) {
        return file(fs::path("middle") / std::to_string(folder) / std::to_string(c) / "0.png");
    };
    auto bottom = [&](int folder, int c) {
        return c < 0 ? fs::path() : file(fs::path("bottom") / std::to_string(folder + extra) / (std::to_string(c) + ".png"));
    };
    const fs::path rows[4][2] = {
        {top(memory.topLeft), top(memory.topRight)},
        {middle(folderOf(memory.topLeft), memory.middle1Left), middle(folderOf(memory.topRight), memory.middle1Right)},
        {middle(folderOf(memory.middle1Left), memory.middle2Left),
         middle(folderOf(memory.middle1Right), memory.middle2Right)},
        {bottom(folderOf(memory.middle2Left), memory.bottomLeft), bottom(folderOf(memory.middle2Right), memory.bottomRight)},
    };
    const int rowY[4] = {2, 172, 342, 512};
    int piecesDrawn = 0;
    for (int r = 0; r < 4; ++r)
        for (int side = 0; side < 2; ++side) {
            // Every piece draws its colour swap; a reused fort keeps each piece's remembered one.
            int& swap = memory.colourSwaps[static_cast<std::size_t>(r * 2 + side)];
            const int drawn = rand() % 2;
            if (!reuse) swap = drawn;
            piecesDrawn += drawPiece(half.get(), rows[r][side], brick.get(), 100 + PIECE_W * side, rowY[r], side == 1, swap);
        }
    // One missing piece leaves a gap; with none, or no brick, the map would have no fort at all.
    if (piecesDrawn == 0)
        throw MissingArtwork{formatText(translate("Messages", "No fort piece could be read in %s (missing, damaged or over the %d x %d "
                                                              "pixel limit for fort pieces and bricks).").c_str(),
                                        file("").c_str(), MAX_TILE_SIZE, MAX_TILE_SIZE)};
    if (!brick)
        throw MissingArtwork{formatText(translate("Messages", "The fort's brick %s could not be read (missing, damaged or over the %d x "
                                                              "%d pixel limit for fort pieces and bricks).").c_str(),
                                        file("brick/" + std::to_string(brickNumber) + ".png").c_str(), MAX_TILE_SIZE, MAX_TILE_SIZE)};
    stopPoint();

    // The two halves: column 1919 - k shows column k; 875..1044 stay air. Both are written
    // row by row from the one half picture, with no mirrored copy of it.
    copyPicture(image.get(), half.get(), 0, 0);
    copyPictureMirrored(image.get(), half.get(), MAP_W - HALF_W, 0);

    setReservedPixels(*this);
    finishRun(*this);
}

}  // namespace brambex
