#include "map/EdgeMap.h"

#include "map/RowBands.h"

namespace brambex {

namespace {

struct Classes {
    int empty, land, top, bottom, left, right;
};

// One row of the edge map. The rules are applied from the last to the first, so the first that
// holds wins; written as selects, the loop runs without branches, four pixels at a time, or eight
// where the processor has AVX2 (the same integer result either way).
#if defined(__x86_64__) && defined(__GNUC__) && BRAMBEX_TARGET_CLONES
__attribute__((target_clones("avx2", "default")))
#endif
void classifyRow(const int* p, const int* below, int* out, int w, const Classes& k) {
    const int none = static_cast<int>(EdgeClass::None);
    const int empty = k.empty, land = k.land, top = k.top, bottom = k.bottom, left = k.left, right = k.right;
    for (int x = 0; x + 1 < w; ++x) {
        const int c = p[x], b = below[x], r = p[x + 1];
        const bool cEmpty = c == empty, cLand = c == land;
        int cls = none;
        cls = (cLand & (r == empty)) ? right : cls;
        cls = (cEmpty & (r == land)) ? left : cls;
        cls = (cLand & (b == empty)) ? bottom : cls;
        cls = (cEmpty & (b == land)) ? top : cls;
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
    // Each row of the edge map reads its row and the one below.
    inRowBands(h - 1, static_cast<long long>(w) * h, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) classifyRow(picture->tpixels[y], picture->tpixels[y + 1], edges->tpixels[y], w, classes);
    });
    return edges;
}

}  // namespace brambex
