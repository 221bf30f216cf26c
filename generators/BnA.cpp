#include "generators/BnA.h"

#include <cmath>
#include <string>

#include "generators/RunSteps.h"
#include "map/Files.h"
#include "map/ProcessState.h"
#include "map/Random.h"

namespace brambex {

namespace {
const char* const STYLE_FOLDERS[] = {"ball", "matrix", "pool", "rugby", "smilies", "space"};
}  // namespace

BnA::BnA(const Settings& s, const CommonSettings& common, int w, int h)
    : Generator(MapType::BnA, common, w, h), settings(s) {}


const char* BnA::styleFolder(int style) { return STYLE_FOLDERS[style >= 0 && style < 6 ? style : 0]; }

int BnA::pictureCount(int width, int height, int objects) {
    return static_cast<int>(static_cast<double>(height) * width / 1336320.0 * (objects + 50));
}

void BnA::prepareObjects() {
    const std::filesystem::path folder = folders.file("bna") / styleFolder(settings.bnaStyle);
    int count = 0;
    while (fileOpens(folder / (std::to_string(count) + ".png"))) ++count;
    stylePictureCount = count;
    stylePictures.clear();
    stylePictures.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        ImagePtr loaded = loadSmallArt(folder / (std::to_string(i) + ".png"));
        if (!loaded) continue;
        // Black is never drawn: as a true-colour picture its transparent colour is simply 0.
        ImagePtr picture = trueColourCopy(loaded.get());
        if (!picture) continue;
        picture->transparent = 0;
        stylePictures[static_cast<std::size_t>(i)] = std::move(picture);
    }
}

void BnA::generate() {
    prepareObjects();
    beginRun();
    const bool gradient = common.manualMode ? settings.bnaAlgorithm == 0 : rand() % 2 == 0;
    const int count = pictureCount(width, height, settings.bnaObjects);
    placed.clear();
    if (!stylePictures.empty() && count > 0) {
        double best = 10000.0;
        int rejects = 0;
        // A map exactly 60 pixels wide or high (a settings file allows it) would divide by zero.
        const int spanX = width - 60 != 0 ? width - 60 : 1, spanY = height - 60 != 0 ? height - 60 : 1;
        while (static_cast<int>(placed.size()) < count) {
            const int x = rand() % spanX + 30;
            const int y = rand() % spanY + 30;
            for (const auto& [px, py] : placed) {
                const float d = std::sqrt(static_cast<float>((py - y) * (py - y) + (px - x) * (px - x)));
                if (best > d) best = static_cast<int>(d);
            }
            // Too close to a placed picture: rejected, but ten rejections in a row let anything through.
            if (100 - 10 * rejects > best) {
                ++rejects;
                best = 10000.0;
                continue;
            }
            if (gradient && rand() % height > y) {
                ++rejects;
                best = 10000.0;
                continue;
            }
            placed.emplace_back(x, y);
            const int m = stylePictureCount > 0 ? rand() % stylePictureCount : 0;
            if (gdImagePtr picture = stylePictures[static_cast<std::size_t>(m)].get()) copyPicture(image.get(), picture, x, y);
            rejects = 0;
            best = 1000000000.0;
        }
    }
    stylePictures.clear();
    mirrorIfChosen(*this);
    setReservedPixels(*this);
    finishRun(*this);
}

}  // namespace brambex
