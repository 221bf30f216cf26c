#pragma once

#include <benchmark/benchmark.h>

#include "map/GdImage.h"
#include "tests/MadeFromParameters.h"

namespace brambex::bench {

// Points the program at the build's data folder (the default themes) with a fixed theme and
// seed, so every benchmark measures the same work.
void useBuildData(int theme = 0);

// The run's two previews go to the system's temporary folder (not into the build's data).
void previewsInTempFolder();

// Points the program at an empty folder: no themes, so a Cavern run leaves a plain white
// silhouette on black.
void useNoData();

// A cave silhouette (white land, black air) of the given size, made once per size.
gdImagePtr caveSilhouette(int width, int height);

// A copy of a picture.
ImagePtr copyOf(gdImagePtr im);

// The benchmark sizes: the standard map and the largest the window offers.
#define BRAMBEX_SIZES ->Args({1920, 696})->Args({8000, 8000})

}  // namespace brambex::bench
