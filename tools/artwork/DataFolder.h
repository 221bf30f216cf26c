#pragma once

#include <filesystem>
#include <vector>

#include "ThemeArt.h"

namespace artwork {

// Writes the complete data folder under `root` (root/data/...): the themes, the interface
// pictures, the scratch folder and the marker of every map type this build can generate.
// Throws std::runtime_error when a file cannot be written or a picture breaks the contract
// the program relies on.
void writeDataFolder(const std::filesystem::path& root, const std::vector<ThemeArt>& themes);

// One picture showing every theme's textures and objects; `scale` < 1 shrinks it.
brambex::ImagePtr contactSheet(const std::vector<ThemeArt>& themes, double scale);

// The interface pictures: the window background and the two pictures shown while a map is made.
brambex::ImagePtr windowBackground();
brambex::ImagePtr busyPicture(bool mapShown);

}  // namespace artwork
