#pragma once

#include <string>
#include <vector>

#include "map/GdImage.h"

namespace artwork {

// Everything one theme folder holds.
struct ThemeArt {
    std::string name;         // first word of name.txt
    std::string description;  // the rest of name.txt
    int themeId = 0;
    brambex::ImagePtr soil, grass, roots;  // grass and roots have (0,0,0) as transparent colour
    std::vector<brambex::ImagePtr> floor, roof, left, right;
};

// The default themes, drawn from fixed seeds: the same pixels on every run.
std::vector<ThemeArt> buildThemes();

constexpr int SOIL_SIZE = 128;
constexpr int STRIP_WIDTH = 128;

}  // namespace artwork
