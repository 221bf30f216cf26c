#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "generators/MapRecipe.h"
#include "map/ArtworkCache.h"
#include "map/Generator.h"
#include "map/Map.h"
#include "map/MapTypes.h"
#include "map/ProcessState.h"

namespace brambex {

// One run of a map type: the recipe (everything that decides the map) and what the run needs to
// follow it (where the artwork is, how to stop, what to make besides the map). The same recipe
// always gives the same map; nothing process-wide is read on the way, and nothing is written to
// disk or shown (the shell writes the previews, shows the theme and reports the problems).
struct RunRequest {
    MapRecipe recipe;
    DataFolders folders;  // where the artwork is read
    int typeIndex = 0;    // the type's Game Type list position, stored in the file
    // Measure the finished map's playability and make its previews (the command line does both
    // itself, beside the saving).
    bool measure = true;
    bool previews = true;
    // Make the picture pyramid a view of the map draws from.
    bool pyramid = false;
    // Encode the two preview files too (their PNG bytes in the result), the empty space white when
    // `previewsEmptyAsWhite`: the window writes them without encoding anything on its own thread.
    bool encodePreviews = false;
    // Keep a copy of the picture in the result, for a measure that follows once the map is
    // handed over (the copy is made here, off the thread that shows the map).
    bool copyForMeasure = false;
    bool previewsEmptyAsWhite = false;
    // Set by the shell to end the run at its next step boundary.
    std::shared_ptr<const std::atomic<bool>> stop;
    // Artwork already decoded by earlier runs (the window keeps one for all its runs); none:
    // every picture is read from its file.
    std::shared_ptr<ArtworkCache> artwork;
};

struct RunResult {
    std::unique_ptr<Map> map;     // the finished map, its identity and code; none on failure or cancel
    std::string failure;          // what ended the run ("Out of memory"), empty otherwise
    bool missingArtwork = false;  // the failure is artwork the type cannot do without
    bool cancelled = false;
    // Pictures the run left out because they are over the size limit of what they are for,
    // each named with its size and the limit (the shell tells the user).
    std::vector<std::string> refusedArtwork;
    // The two preview files, encoded (when the request asked for them).
    std::array<std::vector<unsigned char>, 2> previewFiles;
    // The picture's copy a request asked for (none when it could not be made).
    ImagePtr measureCopy;
};

// What a run is made for, which decides what it makes beside the map.
enum class RunPurpose {
    // The window's Generate, Back and Forward, a pasted code, a candidate: the map, its
    // playability, its previews (encoded), the view's pyramid.
    Window,
    // A live frame: the map and the view's pyramid first, nothing else on the way; the window
    // measures the map afterwards on the other core, and makes previews only when it needs them.
    LiveFrame,
    // `brambex -t`: the map alone (the command line makes the previews and measures beside the
    // saving).
    CommandLine,
};
// Sets what `request` makes beside the map for `purpose`: the window and the benchmarks both go
// through here, so what is measured is what the window runs.
void shapeRequest(RunRequest& request, RunPurpose purpose, bool previewsEmptyAsWhite = false);

// Makes the map a request stands for, on the calling thread. The random source is seeded here,
// once, for every type: then come the draws the type has always made before its recipe (see
// TypeRow), then the recipe.
RunResult runMap(const RunRequest& request);

// A seed for a map the user gave none: the time, as the program has always used.
std::uint32_t freshSeed();

}  // namespace brambex
