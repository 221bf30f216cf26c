#include "mapfile/MapLoader.h"

#include "map/Files.h"
#include "map/Generator.h"
#include "map/PngReader.h"
#include "generators/TypeTable.h"
#include "mapfile/MapFile.h"
#include "mapfile/Preview.h"

namespace brambex {

bool readSmallChunk(const Bytes& file, std::string_view type, std::uint32_t* seed, int* byte1, int* byte2) {
    const ChunkMatch m = findChunk(file, type, true, 14);
    if (!m.found) return false;
    if (seed) *seed = readLittleEndian32(file, m.offset + 8);
    if (byte1) *byte1 = static_cast<signed char>(file[m.offset + 12]);
    if (byte2) *byte2 = static_cast<signed char>(file[m.offset + 13]);
    return true;
}

bool readLevelChunk(const Bytes& file, std::int32_t* water) {
    const ChunkMatch m = findChunk(file, "waLV", false, 48);
    if (!m.found) return false;
    if (water) *water = static_cast<std::int32_t>(readLittleEndian32(file, m.offset + 44));
    return true;
}

bool findMarkerPixel(gdImagePtr im, int& column, int& row, int& red) {
    const int marker = packColour(242, 24, 204), indiMarker = packColour(240, 24, 204);
    for (int y = 0; y < im->sy; ++y) {
        for (int x = 0; x < im->sx; ++x) {
            if (im->trueColor) {
                const int c = im->tpixels[y][x];
                if (c != marker && c != indiMarker) continue;
                red = gdTrueColorGetRed(c);
            } else {
                const int i = im->pixels[y][x];
                if ((im->red[i] != 240 && im->red[i] != 242) || im->green[i] != 24 || im->blue[i] != 204) continue;
                red = im->red[i];
            }
            column = x;
            row = y;
            return true;
        }
    }
    return false;
}

bool findMarker(gdImagePtr picture, int& column, int& row) {
    int red = 0;
    return picture && findMarkerPixel(picture, column, row, red) && red == 240;
}

bool loadMapFromBytes(Generator& generator, const Bytes& file, bool makePreviewPictures) {
    generator.image = decodePng(file);
    if (!generator.image) return false;

    generator.width = generator.image->sx;
    generator.height = generator.image->sy;
    int column = -1, row = -1;
    generator.indiMask = findMarker(generator.image.get(), column, row);
    generator.markerX = column;
    generator.markerY = row;

    int type = generator.typeIndex, theme = 0;
    std::uint32_t seed = 0;
    // Without our chunks the picture has no seed, type or theme of its own (a screenshot, a
    // picture from elsewhere): it is shown as it is and never given a seed.
    generator.hasIdentity = readSmallChunk(file, "bXRK", &seed, &type, &theme);
    generator.seed = generator.hasIdentity ? seed : 0;
    std::int32_t water = generator.waterColour;
    if (readLevelChunk(file, &water)) generator.waterColour = water;
    if (readSmallChunk(file, "inDI", nullptr, nullptr, nullptr)) generator.indiMask = true;

    generator.themeNumber = theme;
    generator.chosenTheme = theme;
    generator.loadThemeSettings();
    generator.typeIndex = type;
    if (makePreviewPictures) makePreviews(generator);
    return true;
}

std::unique_ptr<Generator> loadMapFile(const Bytes& file) {
    int type = 0;
    readSmallChunk(file, "bXRK", nullptr, &type, nullptr);
    // A list position no installed type has gives the factory's fallback (Bow and Arrow).
    std::unique_ptr<Generator> map = createGenerator(type);
    if (!loadMapFromBytes(*map, file, true)) return nullptr;
    return map;
}

}  // namespace brambex
