#include "map/EdgeMap.h"

namespace brambex {

namespace {

struct Classes {
    int empty, land, top, bottom, left, right;
};

// One row of the edge map. The rules are applied from the last to the first, so the first that
// holds wins; written as selects, the loop runs without branches, several pixels at a time.
void classifyRow(const int* p, const int* below, int* out, int w, Classes k) {
    const int none = static_cast<int>(EdgeClass::None);
    for (int x = 0; x + 1 < w; ++x) {
        const int c = p[x], b = below[x], r = p[x + 1];
        int cls = none;
        cls = (c == k.land && r == k.empty) ? k.right : cls;
        cls = (c == k.empty && r == k.land) ? k.left : cls;
        cls = (c == k.land && b == k.empty) ? k.bottom : cls;
        cls = (c == k.empty && b == k.land) ? k.top : cls;
        out[x] = cls;
    }
    // The last column has no right neighbour.
    const int c = p[w - 1], b = below[w - 1];
    out[w - 1] = (c == k.empty && b == k.land) ? k.top : (c == k.land && b == k.empty) ? k.bottom : none;
}

}  // namespace

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

    const Classes classes{empty, land, top, bottom, left, right};
    for (int y = 0; y + 1 < h; ++y)
        classifyRow(picture->tpixels[y], picture->tpixels[y + 1], edges->tpixels[y], w, classes);
    return edges;
}

}  // namespace brambex
