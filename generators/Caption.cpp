#include "generators/Caption.h"

#include <gdfontmb.h>

#include "map/Files.h"

namespace brambex {

std::string sizeCaption(int width, int height) { return formatText("%s %ix%i", PROGRAM_CAPTION, width, height); }

void drawCaption(gdImagePtr im, int x, int y, const std::string& text, int colour) {
    std::string copy = text;  // libgd takes a non-const string
    gdImageString(im, gdFontGetMediumBold(), x, y, reinterpret_cast<unsigned char*>(copy.data()), colour);
}

}  // namespace brambex
