#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "map/GdImage.h"
#include "map/PointList.h"
#include "map/Random.h"
#include "tests/MadeFromParameters.h"

#include <vector>

namespace brambex::test {

// A fresh temporary folder used as the working directory, with every process-wide value reset.
class TempWorkspace : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path root;
};

// Writes a picture as PNG (libgd's default settings); returns the path.
std::filesystem::path writePng(gdImagePtr im, const std::filesystem::path& path);

// A true-colour picture filled with one colour.
ImagePtr solidPicture(int width, int height, int colour);

// Same size and every pixel equal (as colours: palette and true-colour pictures compare alike).
bool samePixels(gdImagePtr a, gdImagePtr b);

// Pairs of non-adjacent segments of an outline that cross (the closing segment counts as
// adjacent to the first when `closed`).
int crossingPairs(const std::vector<Point>& points, bool closed);

// A start folder for window and command-line tests: data/temp, the build's `shared` data
// folders linked in, and the marker of each type in `installed`.
void useBuildArtwork(const std::filesystem::path& root, std::initializer_list<const char*> shared,
                     std::initializer_list<const char*> installed);

// The window tests' start folder: the build's themes and interface pictures, Cavern and Island
// installed (list positions 0 and 1), the window's own values kept under it.
void useWindowWorkspace(const std::filesystem::path& root);

// A start folder with every folder of the build's data (themes and every type's artwork and
// marker) and a data/temp of its own.
void useAllBuildData(const std::filesystem::path& root);

// Creates data/temp under the working directory so previews can be written.
void makeTempFolder();

// Makes a map with a new generator of type T from `params`: rand() is seeded with `randSeed`
// first (the draws made before a run's own seeding); with keepSeed set the map's seed comes from
// mapState.
template <typename T>
std::unique_ptr<T> runGenerator(unsigned randSeed = 1) {
    auto g = generatorFor<T>();
    brambex::srand(randSeed);
    g->generate();
    return g;
}

// A file's whole text (empty when it cannot be read).
std::string slurp(const std::filesystem::path& path);

// What the program said and its exit status.
struct Outcome {
    int code = -1;
    std::string out, err;
};

// The program run as a user runs it: in `folder`, with its own config folder there, `before`
// (environment settings) in front of it; stdout and stderr kept.
Outcome runProgram(const std::filesystem::path& program, const std::filesystem::path& folder, const std::string& args,
                   const std::string& before = "");

}  // namespace brambex::test

#include <optional>
#include <ostream>

#include "map/UserError.h"

namespace brambex {
// Failures print as their caption and text in test output.
inline void PrintTo(const UserError& e, std::ostream* os) { *os << e.caption << ": " << e.text; }
}  // namespace brambex
