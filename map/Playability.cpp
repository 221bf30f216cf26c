#include "map/Playability.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "map/Files.h"
#include "map/GdImage.h"
#include "map/Translate.h"

// The rules, in this order:
// - Land is every pixel that is not black (0,0,0); the marker pixel (242 or 240, 24, 204) is air.
// - A character is a 10 x 20 box. It fits at (x, y) (its top-left corner) when the box lies
//   inside the map and holds no land.
// - A standing spot is a fit whose row just below the box lies inside the map and is land under
//   at least half of the box's width. Standing places are the standing spots taken row by row
//   from the top, each kept when no place kept before lies less than 40 px away on both axes.
// - Characters move through air wherever they fit, one pixel at a time up, down, left or right
//   (gravity is ignored): the fits form regions. Reach is the share of standing places in the
//   region that holds the most of them; every other region holding a standing place is a sealed
//   room.
// - Debris is a piece of land (pixels joined by a side or a corner) of fewer than 50 pixels.
// - A way is k px wide where a square of air k x k (inside the map) can slide along it one pixel
//   at a time; the figure shown is the largest k for which such a way joins the ends (found by
//   walking from one end, always on from the widest way found so far, until the other ends are
//   reached). A gap of 20 px between two pieces of land is 20 px wide.
// - A race (SuperSheep Race) runs from squares on the leftmost column to squares on the
//   rightmost one, below the open strip along the top (16 rows), which is no part of the course.
// - A maze (Rope Race, SuperSheeper) must join every standing place to every other; its narrowest
//   width is that of the widest ways that do. A standing place joins through the largest square
//   whose corner its character reaches within 20 px of where it stands (a place beside a wall is
//   not the way's narrowest point). A pocket, a sealed room whose air lies within 100 x 100 px
//   (the space under an overhanging object, say), is no cell of the maze: it counts as a sealed
//   room and against the reach, but its places do not take part in the course.
// - A weapon pad (30 x 30, Walk for Weapons) is reached from the region of any box that stands on
//   it (on its top row, over at least one of its columns) or stands beside it on either side with
//   its foot no lower than the pad's bottom. The pads reached are those of the region that reaches
//   the most of them.
// - Team figures: a team of 8 needs 8 standing places, so a map has room for as many teams as its
//   places hold (at most 6). Balance for T teams splits the width into T equal strips and compares
//   the standing spots (every one, not only the spaced places) whose box centre lies in each: the
//   smallest strip's over the largest's.

namespace brambex {

namespace {

constexpr int PLACE_SPACING = 40;
constexpr int DEBRIS_PIXELS = 50;
constexpr int RACE_TOP_STRIP = 16;
constexpr int POCKET_SPAN = 100;

struct UnionFind {
    std::vector<int> parent;
    std::vector<std::uint8_t> rank;
    explicit UnionFind(std::size_t n = 0) : parent(n), rank(n, 0) { std::iota(parent.begin(), parent.end(), 0); }
    int find(int a) {
        int* p = parent.data();
        while (p[a] != a) {
            p[a] = p[p[a]];  // halving keeps the paths short
            a = p[a];
        }
        return a;
    }
    // The root that remains (the deeper tree takes the other).
    int join(int a, int b) {
        a = find(a);
        b = find(b);
        if (a == b) return a;
        if (rank[static_cast<std::size_t>(a)] < rank[static_cast<std::size_t>(b)]) std::swap(a, b);
        parent[static_cast<std::size_t>(b)] = a;
        if (rank[static_cast<std::size_t>(a)] == rank[static_cast<std::size_t>(b)]) ++rank[static_cast<std::size_t>(a)];
        return a;
    }
};

// The set pixels of a mask as runs along rows, joined into pieces: a run joins the runs of the
// row above that share a column with it, or with `corners` also those that touch it at a corner.
struct RowRuns {
    struct Run {
        int y, x0, x1;  // [x0, x1) on row y
    };
    std::vector<Run> runs;
    std::vector<std::size_t> rowStart;  // row y's runs are [rowStart[y], rowStart[y + 1])
    UnionFind pieces;

    // The piece of the set pixel (x, y).
    int pieceAt(int x, int y) {
        const auto first = runs.begin() + static_cast<std::ptrdiff_t>(rowStart[static_cast<std::size_t>(y)]);
        const auto last = runs.begin() + static_cast<std::ptrdiff_t>(rowStart[static_cast<std::size_t>(y) + 1]);
        const auto run = std::upper_bound(first, last, x, [](int v, const Run& r) { return v < r.x1; });
        return pieces.find(static_cast<int>(run - runs.begin()));
    }
};

RowRuns rowRuns(const std::vector<std::uint8_t>& mask, int w, int h, bool corners) {
    std::vector<RowRuns::Run> runs;
    std::vector<std::size_t> rowStart(static_cast<std::size_t>(h) + 1, 0);
    for (int y = 0; y < h; ++y) {
        rowStart[static_cast<std::size_t>(y)] = runs.size();
        const std::uint8_t* row = &mask[static_cast<std::size_t>(y) * w];
        for (int x = 0; x < w;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            const int x0 = x;
            while (x < w && row[x]) ++x;
            runs.push_back({y, x0, x});
        }
    }
    rowStart[static_cast<std::size_t>(h)] = runs.size();
    UnionFind pieces(runs.size());
    const int reach = corners ? 1 : 0;  // how far past a run's ends a run above still touches it
    for (int y = 1; y < h; ++y) {
        std::size_t above = rowStart[static_cast<std::size_t>(y) - 1];
        const std::size_t aboveEnd = rowStart[static_cast<std::size_t>(y)];
        for (std::size_t r = rowStart[static_cast<std::size_t>(y)]; r < rowStart[static_cast<std::size_t>(y) + 1]; ++r) {
            while (above < aboveEnd && runs[above].x1 + reach <= runs[r].x0) ++above;
            for (std::size_t q = above; q < aboveEnd && runs[q].x0 < runs[r].x1 + reach; ++q)
                pieces.join(static_cast<int>(q), static_cast<int>(r));
        }
    }
    return {std::move(runs), std::move(rowStart), std::move(pieces)};
}

// Land, one byte a pixel.
std::vector<std::uint8_t> landOf(gdImagePtr im) {
    const int w = im->sx, h = im->sy;
    std::vector<std::uint8_t> land(static_cast<std::size_t>(w) * h);
    auto isAir = [](int r, int g, int b) { return (r == 0 && g == 0 && b == 0) || ((r == 242 || r == 240) && g == 24 && b == 204); };
    std::uint8_t entryIsLand[256] = {};
    if (!im->trueColor)
        for (int i = 0; i < 256; ++i) entryIsLand[i] = !isAir(im->red[i], im->green[i], im->blue[i]);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = &land[static_cast<std::size_t>(y) * w];
        if (im->trueColor) {
            const int* px = im->tpixels[y];
            for (int x = 0; x < w; ++x) {
                const int c = px[x] & 0xFFFFFF;
                row[x] = c != 0 && c != 0xF218CC && c != 0xF018CC;
            }
        } else {
            const unsigned char* px = im->pixels[y];
            for (int x = 0; x < w; ++x) row[x] = entryIsLand[px[x]];
        }
    }
    return land;
}

// Where a character's box fits (FITS) and where it also stands (STANDS), one byte per box
// position (fw x fh). A box fits where each of its rows is clear: a row's pixels are clear from
// x over the box's width when none of the ten is land (found by or-ing shifted rows), and the
// rows clear below each pixel are counted upwards. Every step works on whole rows, so the
// compiler can take many pixels at once.
constexpr std::uint8_t FITS = 1, STANDS = 2;
static_assert(CHARACTER_WIDTH == 10 && CHARACTER_HEIGHT < 255);

// out[x] = the or (or the sum) of in[x .. x + CHARACTER_WIDTH) for x < n; `in` holds n + 9 values.
template <typename Combine>
void overBoxWidth(const std::uint8_t* in, int n, std::uint8_t* out, std::vector<std::uint8_t>& two, std::vector<std::uint8_t>& four,
                  Combine combine) {
    for (int x = 0; x < n + 8; ++x) two[static_cast<std::size_t>(x)] = combine(in[x], in[x + 1]);
    for (int x = 0; x < n + 6; ++x) four[static_cast<std::size_t>(x)] = combine(two[static_cast<std::size_t>(x)], two[static_cast<std::size_t>(x) + 2]);
    for (int x = 0; x < n; ++x)
        out[x] = combine(combine(four[static_cast<std::size_t>(x)], four[static_cast<std::size_t>(x) + 4]), two[static_cast<std::size_t>(x) + 8]);
}

std::vector<std::uint8_t> boxFits(const std::vector<std::uint8_t>& land, int w, int h) {
    const int fw = w - CHARACTER_WIDTH + 1, fh = h - CHARACTER_HEIGHT + 1;
    std::vector<std::uint8_t> fits(static_cast<std::size_t>(fw) * fh);
    std::vector<std::uint8_t> clearBelow(static_cast<std::size_t>(fw), 0);  // rows clear from this one down, up to a box's height
    std::vector<std::uint8_t> landAcross(static_cast<std::size_t>(fw)), landUnder(static_cast<std::size_t>(fw));
    std::vector<std::uint8_t> two(static_cast<std::size_t>(w)), four(static_cast<std::size_t>(w));
    auto either = [](std::uint8_t a, std::uint8_t b) { return static_cast<std::uint8_t>(a | b); };
    auto sum = [](std::uint8_t a, std::uint8_t b) { return static_cast<std::uint8_t>(a + b); };
    for (int y = h - 1; y >= 0; --y) {
        overBoxWidth(&land[static_cast<std::size_t>(y) * w], fw, landAcross.data(), two, four, either);
        for (int x = 0; x < fw; ++x) {
            std::uint8_t& clear = clearBelow[static_cast<std::size_t>(x)];
            clear = landAcross[static_cast<std::size_t>(x)] ? 0 : static_cast<std::uint8_t>(std::min(clear + 1, CHARACTER_HEIGHT));
        }
        if (y >= fh) continue;
        // The land under each box: the row below it, counted over the box's width.
        const int below = y + CHARACTER_HEIGHT;
        std::uint8_t* out = &fits[static_cast<std::size_t>(y) * fw];
        if (below < h) {
            overBoxWidth(&land[static_cast<std::size_t>(below) * w], fw, landUnder.data(), two, four, sum);
            for (int x = 0; x < fw; ++x)
                out[x] = clearBelow[static_cast<std::size_t>(x)] < CHARACTER_HEIGHT ? 0
                         : 2 * landUnder[static_cast<std::size_t>(x)] >= CHARACTER_WIDTH ? FITS | STANDS
                                                                                        : FITS;
        } else {
            for (int x = 0; x < fw; ++x) out[x] = clearBelow[static_cast<std::size_t>(x)] < CHARACTER_HEIGHT ? 0 : FITS;
        }
    }
    return fits;
}

// The standing places: standing spots row by row from the top, each kept when no place kept
// before lies less than PLACE_SPACING away on both axes (fit indices).
std::vector<int> standingPlaces(const std::vector<std::uint8_t>& fits, int fw, int fh, int w, int h) {
    std::vector<int> places;
    const int bucketsX = w / PLACE_SPACING + 1, bucketsY = h / PLACE_SPACING + 1;
    std::vector<std::vector<int>> buckets(static_cast<std::size_t>(bucketsX) * bucketsY);
    for (int y = 0; y < fh; ++y) {
        const std::uint8_t* row = &fits[static_cast<std::size_t>(y) * fw];
        // A place found near a spot is near every spot of this row up to PLACE_SPACING past it.
        int nearUntil = 0;
        for (int x = 0; x < fw; ++x) {
            if (!(row[x] & STANDS) || x < nearUntil) continue;
            const int bx = x / PLACE_SPACING, by = y / PLACE_SPACING;
            int near = -1;  // the column of a place near this spot
            for (int cy = std::max(0, by - 1); cy <= std::min(bucketsY - 1, by + 1) && near < 0; ++cy)
                for (int cx = std::max(0, bx - 1); cx <= std::min(bucketsX - 1, bx + 1) && near < 0; ++cx)
                    for (int p : buckets[static_cast<std::size_t>(cy) * bucketsX + cx]) {
                        const int px = p % fw, py = p / fw;
                        if (std::abs(px - x) < PLACE_SPACING && std::abs(py - y) < PLACE_SPACING) {
                            near = px;
                            break;
                        }
                    }
            if (near < 0) {
                const int index = y * fw + x;
                buckets[static_cast<std::size_t>(by) * bucketsX + bx].push_back(index);
                places.push_back(index);
                near = x;
            }
            nearUntil = near + PLACE_SPACING;
        }
    }
    return places;
}

// The side of the largest square of air inside the map with its top-left corner at each pixel
// (0 on land, and on the top `closedRows` rows). Sides fit in 16 bits: pictures are at most
// 32760 pixels on a side.
static_assert(MAX_PICTURE_WIDTH <= 0xFFFF && MAX_PICTURE_HEIGHT <= 0xFFFF);
using Side = std::uint16_t;

std::vector<Side> airSquares(const std::vector<std::uint8_t>& land, int w, int h, int closedRows) {
    std::vector<Side> side(land.size());
    for (int y = h - 1; y >= std::max(closedRows, 0); --y) {
        Side* row = &side[static_cast<std::size_t>(y) * w];
        const std::uint8_t* landRow = &land[static_cast<std::size_t>(y) * w];
        if (y + 1 == h) {
            for (int x = 0; x < w; ++x) row[x] = landRow[x] ? 0 : 1;
            continue;
        }
        const Side* below = row + w;
        row[w - 1] = landRow[w - 1] ? 0 : 1;
        for (int x = w - 2; x >= 0; --x)
            row[x] = landRow[x] ? 0 : static_cast<Side>(1 + std::min({row[x + 1], below[x], below[x + 1]}));
    }
    return side;
}

// The widest way from the sources to the targets. Widths are taken from the widest down: at
// width k, every pixel whose square is at least k wide and joins what is reached so far is
// reached at k (a flood along runs of such pixels); a pixel whose square is narrower, met beside
// them, is reached at its own width later. The width at which the `needed`-th distinct target is
// reached (0 when they are not all reached). Every source starts at its own width.
// `targetsIn(y, x0, x1)` counts the targets in a run [x0, x1] of row y (each pixel is reached once).
template <typename TargetsIn>
int widestWay(const std::vector<Side>& side, int w, int h, const std::vector<int>& sources, TargetsIn targetsIn, int needed) {
    if (needed <= 0) return 0;
    int most = 0;
    for (int s : sources) most = std::max(most, static_cast<int>(side[static_cast<std::size_t>(s)]));
    // Pixels met at a width narrower than the one being flooded, by that width.
    std::vector<std::vector<int>> waiting(static_cast<std::size_t>(most) + 1);
    // The best width found to each pixel; REACHED marks a pixel whose width is final.
    constexpr Side REACHED = 0x8000;
    static_assert(MAX_PICTURE_WIDTH < REACHED);
    std::vector<Side> best(side.size(), 0);
    for (int s : sources) {
        const Side v = side[static_cast<std::size_t>(s)];
        if (v > best[static_cast<std::size_t>(s)]) {
            best[static_cast<std::size_t>(s)] = v;
            waiting[v].push_back(s);
        }
    }
    auto meet = [&](std::size_t n) {
        const Side v = side[n];
        if (!(best[n] & REACHED) && v > best[n]) {
            best[n] = v;
            waiting[v].push_back(static_cast<int>(n));
        }
    };
    struct Run {
        int y, x0, x1;  // reached, [x0, x1]; the rows above and below still to be looked at
    };
    std::vector<Run> runs;
    int reached = 0;
    for (int level = most; level >= 1; --level) {
        auto open = [&](std::size_t i) { return !(best[i] & REACHED) && side[i] >= level; };
        // Reaches the run of open pixels through (x, y) and meets the pixels at its ends.
        auto reach = [&](int x, int y) {
            const std::size_t row = static_cast<std::size_t>(y) * w;
            int x0 = x, x1 = x;
            while (x0 > 0 && open(row + x0 - 1)) --x0;
            while (x1 + 1 < w && open(row + x1 + 1)) ++x1;
            for (int k = x0; k <= x1; ++k) best[row + k] = static_cast<Side>(level | REACHED);
            if (x0 > 0) meet(row + x0 - 1);
            if (x1 + 1 < w) meet(row + x1 + 1);
            reached += targetsIn(y, x0, x1);
            runs.push_back({y, x0, x1});
            return x1;
        };
        // Nothing joins this width's list while it is flooded: pixels met are narrower.
        for (int i : waiting[static_cast<std::size_t>(level)]) {
            if (best[static_cast<std::size_t>(i)] != level) continue;  // reached already
            reach(i % w, i / w);
            while (!runs.empty()) {
                const Run r = runs.back();
                runs.pop_back();
                for (int y : {r.y - 1, r.y + 1}) {
                    if (y < 0 || y >= h) continue;
                    const std::size_t row = static_cast<std::size_t>(y) * w;
                    for (int x = r.x0; x <= r.x1; ++x) {
                        if (open(row + x)) x = reach(x, y);
                        else meet(row + x);
                    }
                }
            }
        }
        std::vector<int>().swap(waiting[static_cast<std::size_t>(level)]);
        if (reached >= needed) return level;
    }
    return 0;
}

// The regions of the fits, which hold the standing places, and the figures that follow.
struct Regions {
    RowRuns runs;
    int mainRoot = -1;
};

Regions measureRegions(const std::vector<std::uint8_t>& fits, int fw, int fh, const std::vector<int>& places,
                       const std::vector<PadSpot>& pads, Playability& result) {
    Regions regions{rowRuns(fits, fw, fh, false), -1};
    RowRuns& runs = regions.runs;
    auto regionOf = [&](int i) { return runs.pieceAt(i % fw, i / fw); };
    std::vector<std::pair<int, int>> perRegion;  // root, standing places
    for (int p : places) {
        const int root = regionOf(p);
        auto it = std::find_if(perRegion.begin(), perRegion.end(), [root](const auto& r) { return r.first == root; });
        if (it == perRegion.end()) perRegion.emplace_back(root, 1);
        else ++it->second;
    }
    int most = 0;
    for (const auto& r : perRegion)
        if (r.second > most) most = r.second, regions.mainRoot = r.first;
    // Standing room by column, and the part of it in the main region.
    result.standingColumns.assign(static_cast<std::size_t>(fw), 0);
    result.reachableColumns.assign(static_cast<std::size_t>(fw), 0);
    for (std::size_t r = 0; r < runs.runs.size(); ++r) {
        const RowRuns::Run& run = runs.runs[r];
        const bool main = runs.pieces.find(static_cast<int>(r)) == regions.mainRoot;
        const std::uint8_t* row = &fits[static_cast<std::size_t>(run.y) * fw];
        for (int x = run.x0; x < run.x1; ++x) {
            if (!(row[x] & STANDS)) continue;
            ++result.standingColumns[static_cast<std::size_t>(x)];
            if (main) ++result.reachableColumns[static_cast<std::size_t>(x)];
        }
    }
    result.reach = places.empty() ? 1.0 : static_cast<double>(most) / static_cast<double>(places.size());
    result.sealedRooms = perRegion.empty() ? 0 : static_cast<int>(perRegion.size()) - 1;

    // Weapon pads: the regions each is reached from.
    result.pads = static_cast<int>(pads.size());
    std::vector<std::pair<int, int>> padsPerRegion;  // root, pads reached
    std::vector<int> roots;
    for (const PadSpot& pad : pads) {
        roots.clear();
        auto consider = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= fw || y >= fh || !fits[static_cast<std::size_t>(y) * fw + x]) return;
            const int root = runs.pieceAt(x, y);
            if (std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(root);
        };
        for (int x = pad.x - CHARACTER_WIDTH + 1; x < pad.x + PAD_SIZE; ++x) consider(x, pad.y - CHARACTER_HEIGHT);
        for (int y = pad.y - CHARACTER_HEIGHT; y <= pad.y + PAD_SIZE - CHARACTER_HEIGHT; ++y) {
            consider(pad.x - CHARACTER_WIDTH, y);
            consider(pad.x + PAD_SIZE, y);
        }
        for (int root : roots) {
            auto it = std::find_if(padsPerRegion.begin(), padsPerRegion.end(), [root](const auto& r) { return r.first == root; });
            if (it == padsPerRegion.end()) padsPerRegion.emplace_back(root, 1);
            else ++it->second;
        }
    }
    for (const auto& r : padsPerRegion) result.reachablePads = std::max(result.reachablePads, r.second);
    return regions;
}

// Debris: small pieces of land. Land is taken as runs along rows; a run joins the runs of the
// row above that touch it by a side or a corner.
int countDebris(const std::vector<std::uint8_t>& land, int w, int h) {
    RowRuns landRuns = rowRuns(land, w, h, true);
    const std::vector<RowRuns::Run>& runs = landRuns.runs;
    std::vector<int> size(runs.size(), 0);
    for (std::size_t r = 0; r < runs.size(); ++r) size[static_cast<std::size_t>(landRuns.pieces.find(static_cast<int>(r)))] += runs[r].x1 - runs[r].x0;
    int debris = 0;
    for (std::size_t r = 0; r < runs.size(); ++r)
        if (landRuns.pieces.find(static_cast<int>(r)) == static_cast<int>(r) && size[r] < DEBRIS_PIXELS) ++debris;
    return debris;
}

// A race: from every square on the left column to any square reaching the right column.
void measureRace(const std::vector<Side>& dist, int w, int h, Playability& result) {
    auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * w + x; };
    std::vector<int> sources;
    for (int y = 0; y < h; ++y)
        if (dist[at(0, y)] > 0) sources.push_back(static_cast<int>(at(0, y)));
    bool anyTarget = false;
    for (int y = 0; y < h && !anyTarget; ++y)
        for (int x = 0; x < w && !anyTarget; ++x) anyTarget = dist[at(x, y)] > 0 && x + dist[at(x, y)] == w;
    if (sources.empty() || !anyTarget) {
        result.connected = false;
        return;
    }
    // A square reaching the right column.
    auto reachingRight = [&dist, w](int y, int x0, int x1) {
        const Side* row = &dist[static_cast<std::size_t>(y) * w];
        int n = 0;
        for (int x = x0; x <= x1; ++x) n += row[x] > 0 && x + row[x] == w;
        return n;
    };
    result.narrowest = widestWay(dist, w, h, sources, reachingRight, 1);
    result.connected = result.narrowest > 0;
}

// A maze: every standing place outside a pocket joined to every other.
void measureMaze(const std::vector<Side>& dist, const std::vector<std::uint8_t>& fits, Regions& regions, int w, int h,
                 const std::vector<int>& places, Playability& result) {
    const int fw = w - CHARACTER_WIDTH + 1, fh = h - CHARACTER_HEIGHT + 1;
    RowRuns& runs = regions.runs;
    auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * w + x; };
    // Whether a standing place's region is a pocket: its fits are walked from the place until
    // they spread wider or taller than a pocket can (once for each region).
    std::vector<std::pair<int, bool>> pocketOfRoot;  // region root, pocket
    std::vector<int> walk;
    constexpr int WINDOW = POCKET_SPAN + 2;
    std::vector<std::uint8_t> seenNear(static_cast<std::size_t>(2 * WINDOW + 1) * (2 * WINDOW + 1));
    auto pocket = [&](int place, int root) {
        for (const auto& [r, isPocket] : pocketOfRoot)
            if (r == root) return isPocket;
        int x0 = fw, y0 = fh, x1 = -1, y1 = -1;
        bool small = true;
        // The walk stops as soon as it spans more than a pocket, so it stays within a pocket's
        // span (and a step) of the place: that window is all it needs to remember.
        const int px = place % fw, py = place / fw;
        std::fill(seenNear.begin(), seenNear.end(), std::uint8_t{0});
        auto seen = [&](int i) -> std::uint8_t& {
            return seenNear[static_cast<std::size_t>(i / fw - py + WINDOW) * (2 * WINDOW + 1) + static_cast<std::size_t>(i % fw - px + WINDOW)];
        };
        walk.assign(1, place);
        seen(place) = 1;
        while (!walk.empty() && small) {
            const int i = walk.back();
            walk.pop_back();
            const int y = i / fw, x = i - y * fw;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            small = x1 - x0 + CHARACTER_WIDTH <= POCKET_SPAN && y1 - y0 + CHARACTER_HEIGHT <= POCKET_SPAN;
            const int nbr[4] = {x > 0 ? i - 1 : -1, x + 1 < fw ? i + 1 : -1, y > 0 ? i - fw : -1, y + 1 < fh ? i + fw : -1};
            for (int n : nbr)
                if (n >= 0 && fits[static_cast<std::size_t>(n)] && !seen(n)) {
                    seen(n) = 1;
                    walk.push_back(n);
                }
        }
        pocketOfRoot.emplace_back(root, small);
        return small;
    };
    // For every standing place outside a pocket, the largest square whose corner its character
    // reaches within 20 px (a box's corner in the place's region), taken row by row, left to
    // right, the first of equals.
    std::vector<int> centres;
    constexpr int NEAR = 20;
    for (int p : places) {
        const int px = p % fw, py = p / fw, home = runs.pieceAt(px, py);
        if (pocket(p, home)) continue;
        int best = static_cast<int>(at(px, py));
        const int left = std::max(0, px - NEAR), right = std::min(fw - 1, px + NEAR);
        for (int fy = std::max(0, py - NEAR); fy <= std::min(fh - 1, py + NEAR); ++fy)
            for (std::size_t r = runs.rowStart[static_cast<std::size_t>(fy)]; r < runs.rowStart[static_cast<std::size_t>(fy) + 1]; ++r) {
                const RowRuns::Run& run = runs.runs[r];
                if (run.x1 <= left || run.x0 > right || runs.pieces.find(static_cast<int>(r)) != home) continue;
                for (int fx = std::max(left, run.x0); fx <= std::min(right, run.x1 - 1); ++fx) {
                    const int c = static_cast<int>(at(fx, fy));
                    if (dist[static_cast<std::size_t>(c)] > dist[static_cast<std::size_t>(best)]) best = c;
                }
            }
        centres.push_back(best);
    }
    if (centres.size() < 2) {
        result.connected = !centres.empty();
        return;
    }
    // From one place's square to every other's: the narrowest of their widest ways.
    std::vector<int> targets = centres;
    std::sort(targets.begin(), targets.end());
    targets.erase(std::unique(targets.begin(), targets.end()), targets.end());
    std::vector<std::uint64_t> isTarget((dist.size() + 63) / 64, 0);
    for (int c : targets) isTarget[static_cast<std::size_t>(c) / 64] |= std::uint64_t{1} << (c % 64);
    auto target = [&isTarget, w](int y, int x0, int x1) {
        int n = 0;
        const std::size_t first = static_cast<std::size_t>(y) * w + x0, last = static_cast<std::size_t>(y) * w + x1;
        for (std::size_t word = first / 64; word <= last / 64; ++word) {
            std::uint64_t bits = isTarget[word];
            if (word == first / 64) bits &= ~std::uint64_t{0} << (first % 64);
            if (word == last / 64 && last % 64 != 63) bits &= (std::uint64_t{1} << (last % 64 + 1)) - 1;
            n += __builtin_popcountll(bits);
        }
        return n;
    };
    result.narrowest = widestWay(dist, w, h, {centres[0]}, target, static_cast<int>(targets.size()));
    result.connected = result.narrowest > 0;
}

}  // namespace

CourseKind courseKind(MapType type) {
    switch (type) {
    case MapType::SuperSheepRace: return CourseKind::Race;
    case MapType::RR:
    case MapType::SuperSheeper: return CourseKind::Maze;
    default: return CourseKind::None;
    }
}

Playability measurePlayability(gdImagePtr im, CourseKind course, const std::vector<PadSpot>& pads) {
    Playability result;
    if (!im || im->sx <= 0 || im->sy <= 0) return result;
    const int w = im->sx, h = im->sy;
    const std::vector<std::uint8_t> land = landOf(im);
    result.mapWidth = w;

    // Where a character fits and stands, the standing places, and the regions they lie in.
    const int fw = w - CHARACTER_WIDTH + 1, fh = h - CHARACTER_HEIGHT + 1;
    std::vector<std::uint8_t> fits;
    std::vector<int> places;
    Regions regions;
    if (fw > 0 && fh > 0) {
        fits = boxFits(land, w, h);
        places = standingPlaces(fits, fw, fh, w, h);
        regions = measureRegions(fits, fw, fh, places, pads, result);
    }
    result.standingPlaces = static_cast<int>(places.size());
    result.debris = countDebris(land, w, h);

    if (course == CourseKind::None) return result;
    result.hasCourse = true;
    const std::vector<Side> dist = airSquares(land, w, h, course == CourseKind::Race ? RACE_TOP_STRIP : 0);
    if (course == CourseKind::Race) measureRace(dist, w, h, result);
    else measureMaze(dist, fits, regions, w, h, places, result);
    return result;
}

int roomForTeams(const Playability& p) { return std::min(p.standingPlaces / TEAM_SIZE, MAX_TEAMS); }

double teamBalance(const Playability& p, int teams) {
    teams = std::clamp(teams, 2, MAX_TEAMS);
    if (p.mapWidth <= 0 || p.standingColumns.empty()) return 0.0;
    std::vector<double> strips(static_cast<std::size_t>(teams), 0.0);
    // In halves of a pixel: a box at x has its centre at 2x + width, the map is 2w wide.
    const long long whole = 2LL * p.mapWidth;
    for (std::size_t x = 0; x < p.standingColumns.size(); ++x) {
        const int n = p.standingColumns[x];
        if (n == 0) continue;
        const long long at = (2LL * static_cast<long long>(x) + CHARACTER_WIDTH) * teams;
        const long long strip = std::min<long long>(at / whole, teams - 1);
        if (at % whole == 0 && strip > 0) {
            strips[static_cast<std::size_t>(strip - 1)] += n / 2.0;
            strips[static_cast<std::size_t>(strip)] += n / 2.0;
        } else {
            strips[static_cast<std::size_t>(strip)] += n;
        }
    }
    const auto [least, most] = std::minmax_element(strips.begin(), strips.end());
    return *most > 0 ? *least / *most : 0.0;
}

std::string playabilitySummary(const Playability& p, int teams) {
    std::string text = translate("Playability", "%n standing places", nullptr, p.standingPlaces);
    if (p.reach >= 1.0) text += " \u00b7 " + translate("Playability", "all reachable");
    else text += " \u00b7 " + formatText(translate("Playability", "%d%% reachable").c_str(), static_cast<int>(p.reach * 100));
    if (p.sealedRooms > 0) text += " \u00b7 " + translate("Playability", "%n sealed rooms", nullptr, p.sealedRooms);
    if (p.debris > 0) text += " \u00b7 " + translate("Playability", "%n bits of debris", nullptr, p.debris);
    if (p.pads > 0) {
        if (p.reachablePads == p.pads) text += " \u00b7 " + translate("Playability", "all %n pads reachable", nullptr, p.pads);
        else text += " \u00b7 " + formatText(translate("Playability", "%d of %d pads reachable").c_str(), p.reachablePads, p.pads);
    }
    if (p.hasCourse) {
        if (p.connected) text += " \u00b7 " + formatText(translate("Playability", "course at least %d px").c_str(), p.narrowest);
        else text += " \u00b7 " + translate("Playability", "course blocked");
    }
    if (teams >= 2 && !p.standingColumns.empty())
        text += " \u00b7 " + translate("Playability", "room for %n teams", nullptr, roomForTeams(p)) + " \u00b7 " +
                formatText(translate("Playability", "balance %.2f for %d teams").c_str(), teamBalance(p, teams), teams);
    return text;
}

std::vector<std::string> teamMisses(const Playability& p, const PlayabilityThresholds& t, int teams) {
    std::vector<std::string> misses;
    if (teams < 2) return misses;
    if (roomForTeams(p) < teams) misses.push_back(translate("Playability", "room for only %n teams", nullptr, roomForTeams(p)));
    const double balance = teamBalance(p, teams);
    if (balance < t.minTeamBalance) misses.push_back(formatText(translate("Playability", "balance %.2f for %d teams").c_str(), balance, teams));
    return misses;
}

std::string teamRule(const PlayabilityThresholds& t, int teams) {
    return formatText(translate("Playability", "room for %d teams of %d and a balance of at least %.2f for %d teams (the standing "
                                               "room of the emptiest of %d equal strips over the fullest's)").c_str(),
                      teams, TEAM_SIZE, t.minTeamBalance, teams, teams);
}

std::vector<std::string> playabilityMisses(const Playability& p, const PlayabilityThresholds& t) {
    std::vector<std::string> misses;
    if (p.standingPlaces < t.minStandingPlaces) misses.push_back(translate("Playability", "only %n standing places", nullptr, p.standingPlaces));
    if (t.minReach > 0 && p.reach < t.minReach)
        misses.push_back(formatText(translate("Playability", "only %d%% of the standing places reach each other").c_str(), static_cast<int>(p.reach * 100)));
    if (t.minPadReach > 0 && p.pads > 0 && p.reachablePads < t.minPadReach * p.pads)
        misses.push_back(formatText(translate("Playability", "only %d of %d pads reachable").c_str(), p.reachablePads, p.pads));
    if (p.hasCourse && t.minCourseWidth > 0) {
        if (!p.connected) misses.push_back(translate("Playability", "the course is blocked"));
        else if (p.narrowest < t.minCourseWidth) misses.push_back(formatText(translate("Playability", "the course narrows to %d px").c_str(), p.narrowest));
    }
    return misses;
}

std::string playabilityRule(const PlayabilityThresholds& t) {
    std::string rule = translate("Playability", "at least %n standing places", nullptr, t.minStandingPlaces);
    if (t.minReach > 0)
        rule += formatText(translate("Playability", ", %d%% of them reaching each other").c_str(), static_cast<int>(t.minReach * 100 + 0.5));
    if (t.minPadReach > 0)
        rule += formatText(translate("Playability", ", %d%% of the weapon pads reachable").c_str(), static_cast<int>(t.minPadReach * 100 + 0.5));
    if (t.minCourseWidth > 0) rule += formatText(translate("Playability", ", a course at least %d px wide all the way").c_str(), t.minCourseWidth);
    return rule;
}

}  // namespace brambex
