#include "mapfile/MapInfo.h"

#include "map/Files.h"
#include "map/GdImage.h"
#include "mapfile/MapLoader.h"

namespace brambex {

namespace {

const char* const WATER_NAMES[] = {"Blue", "Red", "Purple", "Yellow", "Green"};

std::string waterName(std::int32_t water) {
    return water >= 0 && water < 5 ? WATER_NAMES[water] : "not one of the five";
}

}  // namespace

std::optional<std::string> describeMapFile(const Bytes& file) {
    ImagePtr im = decodePng(file);
    if (!im) return std::nullopt;
    std::string out = formatText("Size: %d x %d\n", im->sx, im->sy);
    if (im->trueColor) out += "Colours: true colour\n";
    else out += formatText("Colours: palette of %d entries\n", im->colorsTotal);

    int column = 0, row = 0, red = 0;
    if (findMarkerPixel(im.get(), column, row, red))
        out += formatText("Marker: column %d, row %d, colour (%d, 24, 204)%s\n", column, row, red,
                          red == 240 ? ", IndiMask" : "");
    else
        out += "Marker: absent\n";

    const ChunkMatch level = findChunk(file, "waLV", false, 48);
    if (level.found) {
        auto at = [&](int offset) { return static_cast<std::int32_t>(readLittleEndian32(file, level.offset + offset)); };
        out += formatText("waLV: seed %u, roof %d, not list position 4 %d, level kind %d, theme id %d, water colour %d (%s)\n",
                          static_cast<std::uint32_t>(at(8)), at(16), at(24), at(36), at(40), at(44),
                          waterName(at(44)).c_str());
    } else {
        out += "waLV: absent\n";
    }
    std::uint32_t seed = 0;
    int type = 0, theme = 0;
    if (readSmallChunk(file, "bXRK", &seed, &type, &theme))
        out += formatText("bxRk: seed %u, list position %d, theme %d\n", seed, type, theme);
    else
        out += "bxRk: absent\n";
    out += readSmallChunk(file, "inDI", nullptr, nullptr, nullptr) ? "inDI: present (IndiMask)\n" : "inDI: absent\n";
    return out;
}

}  // namespace brambex
