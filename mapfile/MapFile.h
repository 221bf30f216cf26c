#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "map/GdImage.h"
#include "map/UserError.h"
#include "mapfile/PngChunks.h"

namespace brambex {

struct Map;

// Everything a map file records besides the pixels: what the chunks hold and where the marker
// pixel is. Taken from the generator when a map is saved.
struct MapIdentity {
    bool hasSeed = true;  // false: a plain picture, saved without the seed chunk
    std::uint32_t seed = 0;
    int typeIndex = 0;    // Game Type list position
    int themeNumber = 0;
    int themeId = 0;
    int levelKind = 0;
    int waterColour = 0;
    bool hasRoof = false;
    int markerX = -1;     // -1: no marker known
    int markerY = -1;
    bool indiMask = false;
    std::string code;     // the map's code, kept in a standard text chunk; empty: none
};

// The keyword of the text chunk that holds a map's code (every PNG reader skips it or shows it as
// a comment; the game's own chunks stay as they are).
constexpr std::string_view MAP_CODE_KEYWORD = "Brambex map code";

// The identity of a map as it stands.
MapIdentity mapIdentity(const Map& map);

// Writes a map to `path` (".png" is appended when the path has none): a palette of at most 64
// colours with the empty colour at index 0 and the marker entry, or a true-colour picture when
// `forceFullColour` is set; then the "waLV", "bxRk" and, with an IndiMask, "inDI" chunks before
// IEND. The whole file is assembled first and then replaces the target in one step, so a failed
// save leaves the old file. The error to show when nothing was written.
Failure saveMap(gdImagePtr picture, const MapIdentity& identity, std::filesystem::path path, bool forceFullColour);

// The same for a map and its identity.
Failure saveMap(const Map& map, std::filesystem::path path, bool forceFullColour);

// The file bytes saveMap writes (no disk access), or why there are none.
struct EncodedMap {
    Bytes bytes;
    std::string error;  // empty when `bytes` holds the file
};
EncodedMap encodeMap(gdImagePtr picture, const MapIdentity& identity, bool forceFullColour);

// Writes bytes encodeMap made (its error, if it had one) to `path` as saveMap does.
// `mayReplace` as replaceFileContents takes it.
Failure saveEncodedMap(const EncodedMap& map, std::filesystem::path path, const std::function<bool()>& mayReplace = {});

// Whether a true-colour map of this size can be reduced to 64 colours at all (known before a run).
bool fitsPalette(int width, int height);

// The message for a map that cannot be reduced to 64 colours; `option` names what the user
// can do instead ("Force Full Colour" in the window, "--full-colour" on the command line).
std::string tooLargeForPaletteText(int width, int height, std::string_view option);

// Steps of saveMap, public for tests.
ImagePtr quantizeForSave(gdImagePtr trueColour);  // none when libgd refuses (very large pictures)
void moveToIndexZero(gdImagePtr palette, int index);
Bytes levelChunk(const MapIdentity& identity);
Bytes smallChunk(std::string_view type, std::uint32_t seed, int byte1, int byte2);
Bytes codeChunk(std::string_view code);  // a tEXt chunk: the keyword, a zero byte, the code

// Insert one chunk directly before the final IEND of an existing PNG file (the file is rewritten
// in one step). The error when the file cannot be read, does not end with IEND, or cannot be written.
Failure appendLevelChunk(const std::filesystem::path& path, const MapIdentity& identity);
Failure appendSmallChunk(const std::filesystem::path& path, std::string_view type, std::uint32_t seed, int byte1,
                         int byte2);

// "name" -> "name.png"; a path that contains ".png" anywhere is kept.
std::filesystem::path withPngExtension(const std::filesystem::path& path);

}  // namespace brambex
