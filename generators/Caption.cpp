#include "generators/Caption.h"

#include "map/Generator.h"

#include <gdfontmb.h>

#include "map/Files.h"

namespace brambex {

std::string sizeCaption(int width, int height) { return formatText("%s %ix%i", PROGRAM_CAPTION, width, height); }

void drawCaption(gdImagePtr im, int x, int y, const std::string& text, int colour) {
    std::string copy = text;  // libgd takes a non-const string
    gdImageString(im, gdFontGetMediumBold(), x, y, reinterpret_cast<unsigned char*>(copy.data()), colour);
}

void drawMapCaption(Generator& g, int x, int y, const std::string& text, int colour) {
    if (g.mirror) g.caption = Generator::Caption{x, y, text, colour};
    else drawCaption(g.image.get(), x, y, text, colour);
}

}  // namespace brambex
