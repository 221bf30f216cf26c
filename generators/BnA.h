#pragma once

#include <vector>

#include "map/Generator.h"

namespace brambex {

// Bow and Arrow: an empty map scattered with small pictures of one style, kept apart and, with
// the Gradient algorithm, denser towards the bottom.
class BnA : public Generator {
public:
    // What this type reads of the parameters, taken when it is made.
    struct Settings {
        int bnaObjects = 25;   // pictures per map, 0-50
        int bnaStyle = 0;      // the style folder
        int bnaAlgorithm = 0;  // Manual mode: 0 spread by a gradient, 1 at random
    };

    // Made from its settings, the common choices and the size asked for.
    BnA(const Settings& settings, const CommonSettings& common, int width, int height);
    const Settings settings;
    void generate() override;
    void prepareObjects() override;

    // Pictures a map gets: (int)(height * width / 1336320.0 * (objects + 50)).
    static int pictureCount(int width, int height, int objects);
    // The style folders, by style number.
    static const char* styleFolder(int style);

    std::vector<ImagePtr> stylePictures;  // a slot stays empty when its file cannot be read
    int stylePictureCount = 0;
    std::vector<std::pair<int, int>> placed;  // top-left corners, in placement order
};

}  // namespace brambex
