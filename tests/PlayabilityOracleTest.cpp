// The playability figures against a slow count made straight from the rules (the comment at the
// top of Playability.cpp), on random pictures of blocks, ledges and thin walls: the measure
// works on runs, shifted rows and floods of whole widths at once, and every figure must still be
// the rules' own.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <random>
#include <vector>

#include "map/GdImage.h"
#include "map/Playability.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

struct Grid {
    int w, h;
    std::vector<int> v;
    Grid(int w_, int h_, int fill = 0) : w(w_), h(h_), v(static_cast<std::size_t>(w_) * h_, fill) {}
    int& at(int x, int y) { return v[static_cast<std::size_t>(y) * w + x]; }
    int at(int x, int y) const { return v[static_cast<std::size_t>(y) * w + x]; }
};

// Labels the cells `open` says may be walked, 4-neighbour regions, -1 elsewhere.
template <typename Open>
Grid regionsOf(int w, int h, Open open) {
    Grid label(w, h, -1);
    int next = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!open(x, y) || label.at(x, y) >= 0) continue;
            std::deque<std::pair<int, int>> todo{{x, y}};
            label.at(x, y) = next;
            while (!todo.empty()) {
                auto [cx, cy] = todo.front();
                todo.pop_front();
                const int nx[4] = {cx - 1, cx + 1, cx, cx}, ny[4] = {cy, cy, cy - 1, cy + 1};
                for (int k = 0; k < 4; ++k)
                    if (nx[k] >= 0 && ny[k] >= 0 && nx[k] < w && ny[k] < h && open(nx[k], ny[k]) && label.at(nx[k], ny[k]) < 0) {
                        label.at(nx[k], ny[k]) = next;
                        todo.push_back({nx[k], ny[k]});
                    }
            }
            ++next;
        }
    return label;
}

// The largest k such that the cells reachable from `sources` through cells of side >= k (each
// source counting only if its own side is >= k) include what `done` asks; 0 when none does.
template <typename Done>
int widestBySearch(const Grid& side, const std::vector<std::pair<int, int>>& sources, Done done) {
    int most = 0;
    for (auto [x, y] : sources) most = std::max(most, side.at(x, y));
    for (int k = most; k >= 1; --k) {
        Grid seen(side.w, side.h, 0);
        std::deque<std::pair<int, int>> todo;
        for (auto [x, y] : sources)
            if (side.at(x, y) >= k && !seen.at(x, y)) seen.at(x, y) = 1, todo.push_back({x, y});
        while (!todo.empty()) {
            auto [cx, cy] = todo.front();
            todo.pop_front();
            const int nx[4] = {cx - 1, cx + 1, cx, cx}, ny[4] = {cy, cy, cy - 1, cy + 1};
            for (int n = 0; n < 4; ++n)
                if (nx[n] >= 0 && ny[n] >= 0 && nx[n] < side.w && ny[n] < side.h && !seen.at(nx[n], ny[n]) && side.at(nx[n], ny[n]) >= k) {
                    seen.at(nx[n], ny[n]) = 1;
                    todo.push_back({nx[n], ny[n]});
                }
        }
        if (done(seen)) return k;
    }
    return 0;
}

Playability countByTheRules(gdImagePtr im, CourseKind course) {
    const int w = im->sx, h = im->sy, cw = CHARACTER_WIDTH, ch = CHARACTER_HEIGHT;
    Grid land(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int c = im->tpixels[y][x] & 0xFFFFFF;
            land.at(x, y) = c != 0 && c != 0xF218CC && c != 0xF018CC;
        }
    Playability p;
    p.mapWidth = w;
    const int fw = w - cw + 1, fh = h - ch + 1;
    auto fits = [&](int x, int y) {
        for (int yy = y; yy < y + ch; ++yy)
            for (int xx = x; xx < x + cw; ++xx)
                if (land.at(xx, yy)) return false;
        return true;
    };
    Grid fit(std::max(fw, 1), std::max(fh, 1)), stands(std::max(fw, 1), std::max(fh, 1));
    std::vector<std::pair<int, int>> places;
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < fw; ++x) {
            fit.at(x, y) = fits(x, y);
            int under = 0;
            if (y + ch < h)
                for (int xx = x; xx < x + cw; ++xx) under += land.at(xx, y + ch);
            stands.at(x, y) = fit.at(x, y) && y + ch < h && 2 * under >= cw;
            if (!stands.at(x, y)) continue;
            bool near = false;
            for (auto [px, py] : places) near = near || (std::abs(px - x) < 40 && std::abs(py - y) < 40);
            if (!near) places.push_back({x, y});
        }
    p.standingPlaces = static_cast<int>(places.size());
    const Grid region = regionsOf(std::max(fw, 0), std::max(fh, 0), [&](int x, int y) { return fit.at(x, y) != 0; });
    // Regions in the order their first place comes; the first to hold the most is the main one.
    std::vector<std::pair<int, int>> perRegion;
    for (auto [x, y] : places) {
        auto it = std::find_if(perRegion.begin(), perRegion.end(), [&](auto& r) { return r.first == region.at(x, y); });
        if (it == perRegion.end()) perRegion.push_back({region.at(x, y), 1});
        else ++it->second;
    }
    int most = 0, main = -2;
    for (auto [r, n] : perRegion)
        if (n > most) most = n, main = r;
    p.reach = places.empty() ? 1.0 : static_cast<double>(most) / places.size();
    p.sealedRooms = perRegion.empty() ? 0 : static_cast<int>(perRegion.size()) - 1;
    if (fw > 0 && fh > 0) {
        p.standingColumns.assign(static_cast<std::size_t>(fw), 0);
        p.reachableColumns.assign(static_cast<std::size_t>(fw), 0);
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x)
                if (stands.at(x, y)) {
                    ++p.standingColumns[static_cast<std::size_t>(x)];
                    if (region.at(x, y) == main) ++p.reachableColumns[static_cast<std::size_t>(x)];
                }
    }
    // Debris: pieces of land joined by sides or corners, under 50 pixels.
    {
        Grid seen(w, h, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (!land.at(x, y) || seen.at(x, y)) continue;
                int size = 0;
                std::deque<std::pair<int, int>> todo{{x, y}};
                seen.at(x, y) = 1;
                while (!todo.empty()) {
                    auto [cx, cy] = todo.front();
                    todo.pop_front();
                    ++size;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            const int nx = cx + dx, ny = cy + dy;
                            if (nx >= 0 && ny >= 0 && nx < w && ny < h && land.at(nx, ny) && !seen.at(nx, ny))
                                seen.at(nx, ny) = 1, todo.push_back({nx, ny});
                        }
                }
                p.debris += size < 50;
            }
    }
    if (course == CourseKind::None) return p;
    p.hasCourse = true;
    // The largest square of air (inside the map, below the race's strip) from each corner.
    const int closed = course == CourseKind::Race ? 16 : 0;
    Grid side(w, h);
    for (int y = h - 1; y >= closed; --y)
        for (int x = w - 1; x >= 0; --x) {
            if (land.at(x, y)) continue;
            const bool edge = x + 1 == w || y + 1 == h;
            side.at(x, y) = edge ? 1 : 1 + std::min({side.at(x + 1, y), side.at(x, y + 1), side.at(x + 1, y + 1)});
        }
    if (course == CourseKind::Race) {
        std::vector<std::pair<int, int>> sources;
        bool anyTarget = false;
        for (int y = 0; y < h; ++y) {
            if (side.at(0, y) > 0) sources.push_back({0, y});
            for (int x = 0; x < w; ++x) anyTarget = anyTarget || (side.at(x, y) > 0 && x + side.at(x, y) == w);
        }
        if (sources.empty() || !anyTarget) {
            p.connected = false;
            return p;
        }
        p.narrowest = widestBySearch(side, sources, [&](const Grid& seen) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (seen.at(x, y) && side.at(x, y) > 0 && x + side.at(x, y) == w) return true;
            return false;
        });
        p.connected = p.narrowest > 0;
        return p;
    }
    // A maze: places outside pockets (regions spanning at most 100 x 100 px), each joined through
    // the widest square whose corner a box of its region reaches within 20 px.
    std::map<int, std::array<int, 4>> box;  // region: x0, y0, x1, y1
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < fw; ++x)
            if (region.at(x, y) >= 0) {
                auto [it, fresh] = box.try_emplace(region.at(x, y), std::array<int, 4>{x, y, x, y});
                auto& b = it->second;
                b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
            }
    std::vector<std::pair<int, int>> centres;
    for (auto [px, py] : places) {
        const auto& b = box[region.at(px, py)];
        if (b[2] - b[0] + cw <= 100 && b[3] - b[1] + ch <= 100) continue;
        std::pair<int, int> best{px, py};
        for (int y = std::max(0, py - 20); y <= std::min(fh - 1, py + 20); ++y)
            for (int x = std::max(0, px - 20); x <= std::min(fw - 1, px + 20); ++x)
                if (region.at(x, y) == region.at(px, py) && side.at(x, y) > side.at(best.first, best.second)) best = {x, y};
        centres.push_back(best);
    }
    if (centres.size() < 2) {
        p.connected = !centres.empty();
        return p;
    }
    p.narrowest = widestBySearch(side, {centres[0]}, [&](const Grid& seen) {
        for (auto [x, y] : centres)
            if (!seen.at(x, y)) return false;
        return true;
    });
    p.connected = p.narrowest > 0;
    return p;
}

// A floor with gaps, ledges and blocks, walls a few pixels thick (some reaching the top), the odd
// marker-coloured block and loose pixel: places on many levels, rooms, mazes of a few cells.
ImagePtr randomPicture(std::mt19937& random, int w, int h) {
    ImagePtr im = test::solidPicture(w, h, 0);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    constexpr int LAND = 0x8B5A2B;
    if (pick(4)) gdImageFilledRectangle(im.get(), 0, h - 4 - pick(8), w - 1, h - 1, LAND);
    const int shapes = 4 + pick(14);
    for (int s = 0; s < shapes; ++s) {
        const int x = pick(w), y = pick(h);
        switch (pick(4)) {
            case 0: gdImageFilledRectangle(im.get(), x, y, x + 10 + pick(80), y + 1 + pick(4), LAND); break;  // a ledge
            case 1: gdImageFilledRectangle(im.get(), x, pick(2) ? 0 : y, x + 1 + pick(5), y + 20 + pick(90), LAND); break;  // a wall
            case 2: gdImageFilledRectangle(im.get(), x, y, x + 5 + pick(50), y + 5 + pick(40), pick(8) ? LAND : 0xF218CC); break;
            default: gdImageFilledRectangle(im.get(), x, y, x + pick(40), y + pick(30), 0); break;  // a hole
        }
    }
    for (int d = 0; d < 5; ++d) gdImageSetPixel(im.get(), pick(w), pick(h), 0xFFFFFF);
    return im;
}

void expectSameFigures(const Playability& ours, const Playability& rules) {
    EXPECT_EQ(ours.standingPlaces, rules.standingPlaces);
    EXPECT_DOUBLE_EQ(ours.reach, rules.reach);
    EXPECT_EQ(ours.sealedRooms, rules.sealedRooms);
    EXPECT_EQ(ours.debris, rules.debris);
    EXPECT_EQ(ours.hasCourse, rules.hasCourse);
    EXPECT_EQ(ours.connected, rules.connected);
    EXPECT_EQ(ours.narrowest, rules.narrowest);
    EXPECT_EQ(ours.standingColumns, rules.standingColumns);
    EXPECT_EQ(ours.reachableColumns, rules.reachableColumns);
    EXPECT_EQ(ours.mapWidth, rules.mapWidth);
}

}  // namespace

TEST(PlayabilityByTheRules, EveryFigureEqualsASlowCountOnRandomPictures) {
    std::mt19937 random(2026);
    for (int n = 0; n < 150; ++n) {
        // Now and then too small for a box, mostly room for several places.
        const int w = n % 10 == 0 ? 5 + n % 7 : 40 + static_cast<int>(random() % 240);
        const int h = n % 10 == 5 ? 12 + n % 9 : 40 + static_cast<int>(random() % 180);
        ImagePtr im = randomPicture(random, w, h);
        for (CourseKind course : {CourseKind::None, CourseKind::Race, CourseKind::Maze}) {
            SCOPED_TRACE(testing::Message() << "picture " << n << " (" << w << " x " << h << "), course " << static_cast<int>(course));
            expectSameFigures(measurePlayability(im.get(), course), countByTheRules(im.get(), course));
            if (HasFailure()) return;
        }
    }
}
