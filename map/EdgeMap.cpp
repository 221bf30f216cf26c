#include "map/EdgeMap.h"

namespace brambex {

ImagePtr buildEdgeMap(gdImagePtr picture, int empty, int land, int& top, int& bottom, int& left,
                      int& right) {
    if (!picture || !picture->trueColor) return nullptr;
    const int w = picture->sx, h = picture->sy;
    ImagePtr edges = tryCreateTrueColour(w, h);
    if (!edges) return nullptr;
    gdImageColorAllocate(edges.get(), 0, 0, 0);
    top = gdImageColorAllocate(edges.get(), 255, 0, 0);
    bottom = gdImageColorAllocate(edges.get(), 0, 255, 0);
    left = gdImageColorAllocate(edges.get(), 0, 0, 255);
    right = gdImageColorAllocate(edges.get(), 255, 0, 255);

    const int none = static_cast<int>(EdgeClass::None);
    for (int y = 0; y + 1 < h; ++y) {
        const int* p = picture->tpixels[y];
        const int* below = picture->tpixels[y + 1];
        int* out = edges->tpixels[y];
        for (int x = 0; x < w; ++x) {
            const int c = p[x], b = below[x];
            const int r = x + 1 < w ? p[x + 1] : none;
            const bool lastColumn = x + 1 == w;
            int cls = none;
            if (c == empty && b == land) cls = top;
            else if (c == land && b == empty) cls = bottom;
            else if (!lastColumn && c == empty && r == land) cls = left;
            else if (!lastColumn && c == land && r == empty) cls = right;
            out[x] = cls;
        }
    }
    return edges;
}

}  // namespace brambex
