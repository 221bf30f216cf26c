#include "map/FloodFill.h"

#include <vector>

namespace brambex {

namespace {

struct Span {
    int left, right, y, dy;  // a filled run on row y - dy whose neighbours on row y are to be looked at
};

template <typename Row>
void fillSpans(Row row, int width, int height, int x, int y, int oldColour, int colour) {
    std::vector<Span> stack;
    // Fill the seed run, then look above and below it.
    int left = x, right = x;
    auto* seed = row(y);
    while (left > 0 && seed[left - 1] == oldColour) --left;
    while (right < width - 1 && seed[right + 1] == oldColour) ++right;
    for (int i = left; i <= right; ++i) seed[i] = colour;
    stack.push_back({left, right, y + 1, 1});
    stack.push_back({left, right, y - 1, -1});

    while (!stack.empty()) {
        const Span s = stack.back();
        stack.pop_back();
        if (s.y < 0 || s.y >= height) continue;
        auto* line = row(s.y);
        int i = s.left;
        // A run may start left of the parent span.
        if (line[i] == oldColour) {
            int l = i;
            while (l > 0 && line[l - 1] == oldColour) --l;
            if (l < s.left) stack.push_back({l, s.left - 1, s.y - s.dy, -s.dy});
            i = l;
        }
        while (i <= s.right) {
            if (line[i] != oldColour) {
                ++i;
                continue;
            }
            int l = i;
            while (i < width && line[i] == oldColour) line[i++] = colour;
            const int r = i - 1;
            stack.push_back({l, r, s.y + s.dy, s.dy});
            // Leaks past the parent span's right end turn back the other way.
            if (r > s.right) stack.push_back({s.right + 1, r, s.y - s.dy, -s.dy});
        }
    }
}

}  // namespace

void floodFill(gdImagePtr im, int x, int y, int colour) {
    if (!im || x < 0 || y < 0 || x >= im->sx || y >= im->sy) return;
    if (im->trueColor) {
        const int old = im->tpixels[y][x];
        if (old == colour) return;
        fillSpans([im](int row) { return im->tpixels[row]; }, im->sx, im->sy, x, y, old, colour);
    } else {
        if (colour < 0 || colour >= im->colorsTotal) return;
        const unsigned char old = im->pixels[y][x];
        if (old == colour) return;
        fillSpans([im](int row) { return im->pixels[row]; }, im->sx, im->sy, x, y, old,
                  static_cast<unsigned char>(colour));
    }
}

}  // namespace brambex
