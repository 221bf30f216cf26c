#pragma once

#include "map/Files.h"
#include "map/GdImage.h"

namespace brambex {

// A palette picture as PNG bytes: exactly what libgd's gdImagePngPtr gives (libpng's chunk
// layout, zlib at its default level, IDAT chunks of 8 KB). The common case of a map file is
// written here: 17 to 256 entries, all in use and opaque, no transparent entry, not interlaced,
// more than 16 KB of rows. Its rows are compressed without zlib's own checksum, which a second
// thread sums meanwhile, and straight into the bytes returned. Any other picture is encoded by
// libgd. Empty when it cannot be encoded.
Bytes encodePalettePng(gdImagePtr im);

// Whether `encodePalettePng` writes the picture itself.
bool writesPalettePngItself(gdImagePtr im);

}  // namespace brambex
