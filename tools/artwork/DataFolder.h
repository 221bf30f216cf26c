#pragma once

#include <filesystem>
#include <cstdint>
#include <string>
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

// The program's icon (a square picture with transparent corners) and the About dialog's pictures.
brambex::ImagePtr programIcon(int size);
brambex::ImagePtr aboutPicture(int width, int height, std::uint32_t seed, const std::string& title);

}  // namespace artwork
