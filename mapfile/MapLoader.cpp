#include "mapfile/MapLoader.h"

#include "map/Files.h"
#include "map/Map.h"
#include "map/ProcessState.h"
#include "map/Themes.h"
#include "map/PngReader.h"
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

std::string readMapCode(const Bytes& file) {
    // A code is a short line: anything longer is no code of ours.
    return findTextChunk(file, MAP_CODE_KEYWORD, 200).value_or(std::string());
}

bool loadMapFromBytes(Map& map, const Bytes& file, bool makePreviewPictures, const InstalledTypes& installed,
                      const DataFolders& folders) {
    map.image = decodePng(file);
    if (!map.image) return false;

    map.width = map.image->sx;
    map.height = map.image->sy;
    int column = -1, row = -1;
    map.indiMask = findMarker(map.image.get(), column, row);
    map.markerX = column;
    map.markerY = row;

    int type = map.typeIndex, theme = 0;
    std::uint32_t seed = 0;
    // Without our chunks the picture has no seed, type or theme of its own (a screenshot, a
    // picture from elsewhere): it is shown as it is and never given a seed or a code.
    map.hasIdentity = readSmallChunk(file, "bXRK", &seed, &type, &theme);
    map.seed = map.hasIdentity ? seed : 0;
    map.code = map.hasIdentity ? readMapCode(file) : std::string();
    std::int32_t water = map.waterColour;
    if (readLevelChunk(file, &water)) map.waterColour = water;
    if (readSmallChunk(file, "inDI", nullptr, nullptr, nullptr)) map.indiMask = true;

    if (map.hasIdentity) map.type = installed.atListPosition(type).value_or(map.type);
    map.themeNumber = theme;
    map.chosenTheme = theme;
    map.themeId = readThemeId(folders, theme, map.themeId);
    map.levelKind = typeLevelKind(map.type);
    map.typeIndex = type;
    if (makePreviewPictures) makePreviews(map);
    return true;
}

std::unique_ptr<Map> loadMapFile(const Bytes& file, const InstalledTypes& installed, const DataFolders& folders) {
    auto map = std::make_unique<Map>();
    // A list position no installed type has is shown as a Bow and Arrow map, as it always was.
    map->type = MapType::BnA;
    if (!loadMapFromBytes(*map, file, true, installed, folders)) return nullptr;
    return map;
}

}  // namespace brambex
