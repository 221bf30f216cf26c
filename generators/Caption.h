#pragma once

#include <gd.h>

#include <string>

namespace brambex {

constexpr const char* PROGRAM_CAPTION = "Brambex v0.6.2 beta";

// "<program caption> <width>x<height>"
std::string sizeCaption(int width, int height);

// Draws `text` in the built-in 7 x 13 medium-bold font with its top-left corner at (x, y).
void drawCaption(gdImagePtr im, int x, int y, const std::string& text, int colour);

class Generator;
// The map's caption: drawn now, or, on a map to be mirrored, once the mirror is done (text is
// never mirrored).
void drawMapCaption(Generator& g, int x, int y, const std::string& text, int colour);

}  // namespace brambex
