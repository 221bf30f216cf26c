#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "map/GdImage.h"
#include "map/MapTypes.h"

namespace artwork {

// The pictures a map type draws from its own folder (tiles, forts, bow-and-arrow styles, shop
// buildings...). Each type with such art has one row here and its drawing in its own file; the
// folder writer calls every row with the type's folder (data/<typeFolder>).
struct TypeArtwork {
    brambex::MapType type;
    void (*write)(const std::filesystem::path& typeFolder);
};

const std::vector<TypeArtwork>& typeArtwork();

// The maze tiles of Rope Race (with the start tiles) and SuperSheeper, into <folder>/tile/.
void writeRopeRaceTiles(const std::filesystem::path& typeFolder);
void writeSuperSheeperTiles(const std::filesystem::path& typeFolder);
// The ordinary tiles 0..15, for the contact sheet.
std::vector<brambex::ImagePtr> mazeTileSamples(bool ropeRace);

// Fort's land, grass, bricks and pieces; Bow and Arrow's six styles with their previews.
void writeFortArt(const std::filesystem::path& typeFolder);
void writeBnaArt(const std::filesystem::path& typeFolder);
std::vector<brambex::ImagePtr> bnaSamples(int style);

// SuperSheep Race's brush, start banner and start and end markers.
void writeSsraceArt(const std::filesystem::path& typeFolder);

// Walk for Weapons' tiles, block stamps, nodes and weapon pads.
void writeWforwArt(const std::filesystem::path& typeFolder);

// Shopper's buildings, roof-line and wall pieces, signs, ceiling objects and arcade tiles.
void writeShopperArt(const std::filesystem::path& typeFolder);

// Samples of each type's own art for the contact sheet.
std::vector<brambex::ImagePtr> fortSamples();
std::vector<brambex::ImagePtr> ssraceSamples();
std::vector<brambex::ImagePtr> wforwSamples();
// Shopper: shops with their roof-line and wall pieces, or signs, ceiling objects and tiles.
std::vector<brambex::ImagePtr> shopperSamples(bool buildings);

// Writing helpers the type art shares with the theme art; they throw std::runtime_error when a
// file cannot be written.
void writeArtPng(const std::filesystem::path& path, gdImagePtr im);
void writeArtText(const std::filesystem::path& path, const std::string& text);
void writeArtBmp(const std::filesystem::path& path, gdImagePtr im);

}  // namespace artwork
