#include "mapfile/MapOutputs.h"

#include <future>
#include <system_error>

#include "mapfile/Preview.h"

namespace brambex {

MapOutputs finishMap(Map& g, bool fullColour, bool encodeMapNow) {
    MapOutputs out;
    // The measure and the previews only read the picture, as the encoder does.
    auto previewsAndMeasure = [&g, &out] {
        makePreviews(g);
        out.previews[0] = encodePreviewFile(g.preview.get(), false);
        out.previews[1] = encodePreviewFile(g.preview2.get(), false);
        if (measurable(g.image.get())) g.playability = measurePlayability(g.image.get(), courseKind(g.mapType()), g.weaponPads);
    };
    std::future<void> beside;
    try {
        beside = std::async(std::launch::async, previewsAndMeasure);
    } catch (const std::system_error&) {
        // No second thread to be had: done here, after the map.
        beside = std::async(std::launch::deferred, previewsAndMeasure);
    }
    if (encodeMapNow) out.map = encodeMap(g.image.get(), mapIdentity(g), fullColour);
    beside.get();
    return out;
}

}  // namespace brambex
