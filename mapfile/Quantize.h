#pragma once

#include "map/GdImage.h"

namespace brambex {

// Reduces a true-colour picture to at most `colours` palette entries (2 to 256) with the NeuQuant
// neural-net quantiser at the given sample factor (1 = every pixel learnt, 10 = every 10th; any
// other value learns every second pixel, as libgd does),
// giving exactly the palette picture libgd's gdImageTrueColorToPalette(copy, 0, colours) gives
// after gdImageTrueColorToPaletteSetMethod(copy, GD_QUANT_NEUQUANT, sampleFactor): the same
// network learnt from the same samples in the same order, the same entries in the order libgd's
// final copy finds them (the first pixel of each, in rows; equal entries merged), the same
// indices. Map files must stay byte for byte what they were, so this is held to libgd by tests.
//
// It differs in cost only: no true-colour copy of the map is made or changed (libgd quantises in
// place, so its callers copy first), the learning loop runs over the network held as four planes
// (so the compiler can work on several neurons at once), and a colour is looked up in the learnt
// network about once however many pixels have it.
//
// None when the picture is not true colour, is empty or too large for libgd's NeuQuant (more than
// 2^31 / 4 pixels), or memory runs out.
ImagePtr neuQuantPalette(gdImagePtr trueColour, int colours, int sampleFactor);

// The same for a new black true-colour picture (libgd's defaults) with the picture copied onto it,
// as a caller that must not change the picture would quantise it: the copy's transparent pixels
// black, its translucent ones blended onto black. The copy is only made when it would differ.
ImagePtr neuQuantPaletteOfCopy(gdImagePtr trueColour, int colours, int sampleFactor);

}  // namespace brambex
