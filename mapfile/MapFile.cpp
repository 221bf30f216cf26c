#include "mapfile/MapFile.h"
#include "map/Translate.h"

#include "map/Files.h"
#include "map/PngReader.h"
#include "map/Map.h"
#include "mapfile/PalettePng.h"
#include "mapfile/Quantize.h"

namespace brambex {

std::filesystem::path withPngExtension(const std::filesystem::path& path) {
    if (path.native().find(".png") != std::string::npos) return path;
    return std::filesystem::path(path.native() + ".png");
}

MapIdentity mapIdentity(const Map& map) {
    MapIdentity id;
    id.code = map.hasIdentity ? map.code : std::string();
    id.hasSeed = map.hasIdentity;
    id.seed = map.hasIdentity ? map.seed : 0;
    id.typeIndex = map.typeIndex;
    id.themeNumber = map.themeNumber;
    id.themeId = map.themeId;
    id.levelKind = map.levelKind;
    id.waterColour = map.waterColour;
    id.hasRoof = map.hasRoof();
    id.markerX = map.markerX;
    id.markerY = map.markerY;
    id.indiMask = map.indiMask;
    return id;
}

std::string tooLargeForPaletteText(int width, int height, std::string_view option) {
    return formatText(translate("Messages", "The map (%d x %d) is too large to be reduced to 64 colours. Use \"%.*s\" to save "
                                            "it in full colour.").c_str(),
                      width, height, static_cast<int>(option.size()), option.data());
}

bool fitsPalette(int width, int height) {
    // libgd's NeuQuant refuses pictures over 2^31 / 4 pixels (and leaves them true colour).
    return static_cast<long long>(width) * height * 4 <= 0x7FFFFFFFLL;
}

ImagePtr quantizeForSave(gdImagePtr trueColour) {
    if (!fitsPalette(trueColour->sx, trueColour->sy)) return nullptr;
    // The map is read, not changed (the measure may be reading it at the same time).
    return neuQuantPaletteOfCopy(trueColour, 64, 10);
}

void moveToIndexZero(gdImagePtr palette, int index) {
    if (index <= 0 || index >= gdMaxColors) return;
    std::swap(palette->red[0], palette->red[index]);
    std::swap(palette->green[0], palette->green[index]);
    std::swap(palette->blue[0], palette->blue[index]);
    std::swap(palette->alpha[0], palette->alpha[index]);
    std::swap(palette->open[0], palette->open[index]);
    const auto zero = static_cast<unsigned char>(0), moved = static_cast<unsigned char>(index);
    for (int y = 0; y < palette->sy; ++y) {
        unsigned char* row = palette->pixels[y];
        for (int x = 0; x < palette->sx; ++x) {
            if (row[x] == zero) row[x] = moved;
            else if (row[x] == moved) row[x] = zero;
        }
    }
    if (palette->transparent == 0) palette->transparent = index;
    else if (palette->transparent == index) palette->transparent = 0;
}

Bytes levelChunk(const MapIdentity& id) {
    Bytes data;
    appendLittleEndian32(data, id.seed);
    appendLittleEndian32(data, 0);
    appendLittleEndian32(data, id.hasRoof ? 1 : 0);
    appendLittleEndian32(data, 0);
    appendLittleEndian32(data, id.levelKind != 2 ? 1 : 0);  // 0 for Roper, as its level kind
    appendLittleEndian32(data, 0);
    appendLittleEndian32(data, 0);
    appendLittleEndian32(data, static_cast<std::uint32_t>(id.levelKind));
    appendLittleEndian32(data, static_cast<std::uint32_t>(id.themeId));
    appendLittleEndian32(data, static_cast<std::uint32_t>(id.waterColour));
    return makeChunk("waLV", data);
}

Bytes codeChunk(std::string_view code) {
    Bytes data(MAP_CODE_KEYWORD.begin(), MAP_CODE_KEYWORD.end());
    data.push_back(0);
    data.insert(data.end(), code.begin(), code.end());
    return makeChunk("tEXt", data);
}

Bytes smallChunk(std::string_view type, std::uint32_t seed, int byte1, int byte2) {
    Bytes data;
    appendLittleEndian32(data, seed);
    data.push_back(static_cast<unsigned char>(byte1 & 0xFF));
    data.push_back(static_cast<unsigned char>(byte2 & 0xFF));
    data.push_back(0);
    data.push_back(0);
    return makeChunk(type, data);
}

namespace {

bool markerKnown(const MapIdentity& id) { return id.markerX != -1 && id.markerY != -1; }

int markerRed(const MapIdentity& id) { return id.indiMask ? 240 : 242; }

bool markerInside(gdImagePtr im, const MapIdentity& id) {
    return markerKnown(id) && id.markerX >= 0 && id.markerY >= 0 && id.markerX < im->sx && id.markerY < im->sy;
}

// The palette conventions: the marker's own entry, the empty colour at index 0, entry 0 black.
void applyPaletteConventions(gdImagePtr im, const MapIdentity& id, bool freshlyQuantized) {
    if (freshlyQuantized) {
        // NeuQuant leaves some entries of small pictures slightly translucent; the PNG writer
        // would then move them to the front for tRNS, and entry 0 would no longer be empty.
        for (int i = 0; i < im->colorsTotal; ++i) im->alpha[i] = gdAlphaOpaque;
        im->transparent = -1;
    }
    if (freshlyQuantized && markerInside(im, id)) {
        const int entry = gdImageColorAllocate(im, markerRed(id), 24, 204);
        if (entry >= 0) gdImageSetPixel(im, id.markerX, id.markerY, entry);
    }
    const int first = gdImageGetPixel(im, 0, 0);
    if (first != 0) moveToIndexZero(im, first);
    int markerEntry = -1;
    if (markerInside(im, id)) {
        markerEntry = gdImageGetPixel(im, id.markerX, id.markerY);
        im->red[markerEntry] = markerRed(id);
        im->green[markerEntry] = 24;
        im->blue[markerEntry] = 204;
    }
    im->red[0] = im->green[0] = im->blue[0] = 0;
    // A loaded map finds its marker by colour: no other entry may look like it.
    for (int i = 1; i < im->colorsTotal; ++i)
        if (i != markerEntry && (im->red[i] == 240 || im->red[i] == 242) && im->green[i] == 24 &&
            im->blue[i] == 204)
            im->blue[i] = 205;
}

Bytes withChunks(Bytes png, const MapIdentity& id) {
    insertBeforeIend(png, levelChunk(id));
    // A picture that came without our chunks has no seed: none is invented for it.
    if (id.hasSeed) insertBeforeIend(png, smallChunk("bxRk", id.seed, id.typeIndex, id.themeNumber));
    if (id.indiMask) insertBeforeIend(png, smallChunk("inDI", 0, 0, 0));
    if (!id.code.empty()) insertBeforeIend(png, codeChunk(id.code));
    return png;
}

}  // namespace

EncodedMap encodeMap(gdImagePtr image, const MapIdentity& identity, bool forceFullColour) {
    if (!image) return {{}, translate("Messages", "There is no map to save.")};
    ImagePtr working;
    gdImagePtr picture = image;
    if (forceFullColour) {
        if (image->trueColor) {
            // A fresh copy: the map's own transparent colour must not reach the file.
            working = createTrueColour(image->sx, image->sy);
            copyPicture(working.get(), image, 0, 0);
            picture = working.get();
        }
    } else {
        const bool quantize = image->trueColor;
        if (quantize) {
            working = quantizeForSave(image);
            if (!working) return {{}, tooLargeForPaletteText(image->sx, image->sy, "Force Full Colour")};
            picture = working.get();
        }
        applyPaletteConventions(picture, identity, quantize);
    }
    Bytes png = encodePalettePng(picture);
    if (!endsWithIend(png)) return {{}, translate("Messages", "The picture could not be encoded as PNG.")};
    return {withChunks(std::move(png), identity), {}};
}

Failure saveMap(gdImagePtr picture, const MapIdentity& identity, std::filesystem::path path, bool forceFullColour) {
    path = withPngExtension(path);
    if (!picture) return {};
    if (const int reason = whyNotWritable(followLinks(path))) return writeError(path, reason);
    return saveEncodedMap(encodeMap(picture, identity, forceFullColour), path);
}

Failure saveEncodedMap(const EncodedMap& map, std::filesystem::path path, const std::function<bool()>& mayReplace) {
    path = withPngExtension(path);
    if (const int reason = whyNotWritable(followLinks(path))) return writeError(path, reason);
    if (!map.error.empty())
        return UserError{translate("Messages", "File write error"),
                         map.error + " " + formatText(translate("Messages", "%s was not written.").c_str(), path.c_str())};
    if (Failure failed = replaceFileContents(path, map.bytes, true, mayReplace)) return failed;
    return {};
}

Failure saveMap(const Map& map, std::filesystem::path path, bool forceFullColour) {
    return saveMap(map.image.get(), mapIdentity(map), std::move(path), forceFullColour);
}

namespace {

Failure insertIntoFile(const std::filesystem::path& path, const Bytes& chunk) {
    Bytes file;
    if (!readPngFile(path, file) || !insertBeforeIend(file, chunk))
        return UserError{translate("Messages", "File write error"),
                         formatText(translate("Messages", "%s is not a PNG file a chunk can be added to.").c_str(), path.c_str())};
    if (Failure failed = replaceFileContents(path, file)) return failed;
    return {};
}

}  // namespace

Failure appendLevelChunk(const std::filesystem::path& path, const MapIdentity& identity) {
    return insertIntoFile(path, levelChunk(identity));
}

Failure appendSmallChunk(const std::filesystem::path& path, std::string_view type, std::uint32_t seed, int byte1,
                         int byte2) {
    return insertIntoFile(path, smallChunk(type, seed, byte1, byte2));
}

}  // namespace brambex
