#include "generators/SuperSheepRace.h"
#include "map/Files.h"
#include "map/Translate.h"

#include <algorithm>
#include <cmath>
#include <climits>

#include "generators/Caption.h"
#include "generators/RunSteps.h"
#include "map/FloodFill.h"
#include "map/ProcessState.h"
#include "map/Random.h"

namespace brambex {

namespace {

constexpr int APART = 7;           // course points this many places apart or fewer may be close
constexpr int MAX_PASSES = 10000;
constexpr int MAX_REBUILDS = 3;
constexpr int STALLED_PASSES = 300;

// The course untangled as an open polyline (the list operations work on linked lists).
void untangleCourse(std::vector<Point>& course) {
    PointList list;
    for (const Point& p : course) appendPoint(list, p);
    untanglePointList(list, false);
    course = list.points();
}

double segmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Splits segments longer than `step` into equal parts: a point far from every other point is then
// also far from every segment.
void densify(std::vector<Point>& course, double step) {
    std::vector<Point> out;
    out.reserve(course.size() * 2);
    for (std::size_t i = 0; i < course.size(); ++i) {
        out.push_back(course[i]);
        if (i + 1 == course.size()) break;
        const Point a = course[i], b = course[i + 1];
        const int parts = static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / step));
        for (int k = 1; k < parts; ++k)
            out.push_back({a.x + (b.x - a.x) * k / parts, a.y + (b.y - a.y) * k / parts, 0});
    }
    course.swap(out);
}

}  // namespace

SuperSheepRace::SuperSheepRace(const Settings& s, const CommonSettings& common, int w, int h)
    : Generator(MapType::SuperSheepRace, common, w, h), settings(s) {}


std::string SuperSheepRace::caption(int width, int height, int pathSize) {
    return std::string(PROGRAM_CAPTION) + " " + std::to_string(width) + "x" + std::to_string(height) + "x" +
           std::to_string(pathSize);
}

std::vector<Point> SuperSheepRace::scatter(int n, double s) const {
    std::vector<Point> points;
    int rejections = 0;
    while (static_cast<int>(points.size()) < n) {
        const int x = rand() % (width - 120) + 60;
        const int y = rand() % (height - 240) + 120;
        int d = 10000;
        for (const Point& p : points) {
            const int dx = p.x - x, dy = p.y - y;
            d = std::min(d, static_cast<int>(std::sqrt(static_cast<float>(dx * dx + dy * dy))));
        }
        // After ten rejections in a row the limit is 0 and the point is taken.
        if (d < (10 - rejections) * 10 * s) {
            ++rejections;
            continue;
        }
        points.push_back({x, y, 0});
        rejections = 0;
    }
    if (!points.empty()) {
        points.front() = {0, 120, 0};
        points.back().x = width;
    }
    return points;
}

std::vector<Point> SuperSheepRace::order(std::vector<Point> points) {
    if (points.size() < 3) return points;
    const std::size_t total = points.size();
    std::vector<Point> course{points.front()};
    const Point end = points.back();
    std::vector<Point> rest(points.begin() + 1, points.end() - 1);
    auto dist2 = [](Point a, Point b) {
        const long long dx = a.x - b.x, dy = a.y - b.y;
        return dx * dx + dy * dy;
    };
    while (course.size() < total / 2 && !rest.empty()) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < rest.size(); ++i)
            if (dist2(rest[i], course.back()) < dist2(rest[best], course.back())) best = i;
        course.push_back(rest[best]);
        rest.erase(rest.begin() + static_cast<long>(best));
    }
    std::vector<Point> second{end};
    while (!rest.empty()) {
        std::size_t best = rest.size() - 1;
        for (std::size_t i = rest.size() - 1; i-- > 0;)
            if (dist2(rest[i], second.back()) < dist2(rest[best], second.back())) best = i;
        second.push_back(rest[best]);
        rest.erase(rest.begin() + static_cast<long>(best));
    }
    course.insert(course.end(), second.rbegin(), second.rend());
    return course;
}

// The keep-apart rule. The course is first split into segments no longer than 0.75 p. A pass then
// looks at every pair of points more than 7 places apart and closer than 1.5 p (found through a
// grid of 1.5 p cells, so a pass costs about the number of points) and pushes the two apart along
// the line through them until they are 1.5 p apart: each moves half the shortfall (plus a pixel),
// or the other one all of it when one is the course's fixed first or last point. Points stay
// inside the map, clear of the top strip. When a pass moves nothing, no point lies within 1.5 p of
// another more than 7 places away, and with segments of at most 0.75 p (split again before every
// pass) no point lies within 1.5 p - 0.375 p > 0.75 p of such a segment.
bool SuperSheepRace::keepApart(std::vector<Point>& c, int p, int& passes) const {
    const double limit = 1.5 * p, step = 0.75 * p;
    const int minX = p / 2, maxX = width - p / 2, minY = 16 + p / 2, maxY = height - p / 2;
    const int cell = std::max(1, static_cast<int>(limit));
    const int gridW = width / cell + 2, gridH = height / cell + 2;
    std::vector<int> head, next;
    passes = 0;
    bool movedAny = false;
    int fewest = INT32_MAX, sinceFewest = 0;
    while (passes < MAX_PASSES) {
        ++passes;
        stopPoint();
        densify(c, step);
        // The points by grid cell (cells of 1.5 p), as linked lists in flat arrays.
        head.assign(static_cast<std::size_t>(gridW) * gridH, -1);
        next.assign(c.size(), -1);
        auto cellOf = [&](const Point& q) {
            const int gx = std::clamp(q.x / cell, 0, gridW - 1), gy = std::clamp(q.y / cell, 0, gridH - 1);
            return static_cast<std::size_t>(gy) * gridW + gx;
        };
        for (int i = 0; i < static_cast<int>(c.size()); ++i) {
            const std::size_t k = cellOf(c[i]);
            next[static_cast<std::size_t>(i)] = head[k];
            head[k] = i;
        }
        int closePairs = 0;
        const int last = static_cast<int>(c.size()) - 1;
        // Pushes are gathered first and applied together, each point moving at most a quarter of
        // p in one pass: moving the points one after the other, or all the way at once, makes a
        // crowded course overshoot and never settle.
        std::vector<double> moveX(c.size(), 0.0), moveY(c.size(), 0.0);
        for (int i = 0; i <= last; ++i) {
            const int gx = std::clamp(c[i].x / cell, 0, gridW - 1), gy = std::clamp(c[i].y / cell, 0, gridH - 1);
            for (int oy = -1; oy <= 1; ++oy)
                for (int ox = -1; ox <= 1; ++ox) {
                    const int nx = gx + ox, ny = gy + oy;
                    if (nx < 0 || ny < 0 || nx >= gridW || ny >= gridH) continue;
                    for (int j = head[static_cast<std::size_t>(ny) * gridW + nx]; j >= 0; j = next[static_cast<std::size_t>(j)]) {
                        if (j <= i + APART) continue;
                        double dx = c[j].x - c[i].x, dy = c[j].y - c[i].y;
                        const double d0 = std::hypot(dx, dy);
                        if (d0 >= limit) continue;
                        ++closePairs;
                        double d = d0;
                        if (d < 1e-9) {
                            dx = (i % 2) ? 1.0 : 0.0;
                            dy = (i % 2) ? 0.0 : 1.0;
                            d = 1.0;
                        }
                        const double need = limit - d0 + 1.0;
                        const bool aFixed = i == 0 || i == last, bFixed = j == 0 || j == last;
                        if (aFixed && bFixed) continue;
                        const double shareA = aFixed ? 0.0 : (bFixed ? 1.0 : 0.5);
                        moveX[static_cast<std::size_t>(i)] -= dx / d * need * shareA;
                        moveY[static_cast<std::size_t>(i)] -= dy / d * need * shareA;
                        moveX[static_cast<std::size_t>(j)] += dx / d * need * (1.0 - shareA);
                        moveY[static_cast<std::size_t>(j)] += dy / d * need * (1.0 - shareA);
                    }
                }
        }
        const double most = std::max(1.0, 0.25 * p);
        for (std::size_t k = 0; k < c.size(); ++k) {
            const double len = std::hypot(moveX[k], moveY[k]);
            if (len == 0.0) continue;
            const double scale = len > most ? most / len : 1.0;
            c[k].x = std::clamp(static_cast<int>(std::lround(c[k].x + moveX[k] * scale)), minX, maxX);
            c[k].y = std::clamp(static_cast<int>(std::lround(c[k].y + moveY[k] * scale)), minY, maxY);
        }
        if (closePairs == 0) {
            if (movedAny) untangleCourse(c);
            return true;
        }
        movedAny = true;
        // A course too long for its map never settles: when 300 passes in a row bring no fewer
        // close pairs than the best so far, the passes stop here as if the limit was reached.
        if (closePairs < fewest) {
            fewest = closePairs;
            sinceFewest = 0;
        } else if (++sinceFewest >= STALLED_PASSES) {
            return false;
        }
    }
    return false;
}

std::vector<Point> SuperSheepRace::rounded(const std::vector<Point>& c, int mode) {
    if (mode == 0 || c.size() < 2) return c;
    std::vector<Point> out;
    for (std::size_t i = 0; i + 1 < c.size(); ++i) {
        out.push_back(c[i]);
        const bool round = mode == 2 || rand() % 2 == 0;
        if (!round) continue;
        const Point p0 = c[i > 0 ? i - 1 : i], p3 = c[i + 2 < c.size() ? i + 2 : i + 1];
        for (float t : {0.25f, 0.5f, 0.75f}) out.push_back(curvePoint(t, p0, c[i], c[i + 1], p3));
    }
    out.push_back(c.back());
    return out;
}

double closestApproach(const std::vector<Point>& c, int apart) {
    double best = 1e18;
    for (std::size_t i = 0; i < c.size(); ++i)
        for (std::size_t j = 0; j + 1 < c.size(); ++j) {
            const std::size_t gap = std::min(i > j ? i - j : j - i, i > j + 1 ? i - j - 1 : j + 1 - i);
            if (gap <= static_cast<std::size_t>(apart)) continue;
            best = std::min(best, segmentDistance(c[i], c[j], c[j + 1]));
        }
    return best;
}

void SuperSheepRace::carve(int p) {
    const std::filesystem::path brushFile = folders.file("ssrace") / "0.png";
    ImagePtr loaded = loadTileArt(brushFile);
    // Without its brush no course is carved: the map would be solid rock.
    if (!loaded)
        throw MissingArtwork{formatText(translate("Messages", "The course brush %s is missing, damaged or larger than %d pixels.").c_str(),
                                        brushFile.c_str(), MAX_TILE_SIZE)};
    if (p <= 0) return;
    ImagePtr brush = tryCreateTrueColour(p, p);
    if (!brush) return;
    // Stretched pixel for pixel: a blended rim would paint grey over the tunnel already carved.
    gdImageCopyResized(brush.get(), loaded.get(), 0, 0, 0, 0, p, p, loaded->sx, loaded->sy);
    carveCourse(image.get(), course, brush.get(), true);
}

void SuperSheepRace::carveCourse(gdImagePtr image, const std::vector<Point>& course, gdImagePtr brush, bool rowUnions) {
    const int p = brush->sx, width = image->sx, height = image->sy;
    // The brush's white is see-through: only its disc is drawn. Its pixels as row runs.
    struct Run {
        int dy, x0, x1, colour;
    };
    std::vector<Run> runs;
    const int white = packColour(255, 255, 255);
    for (int y = 0; y < brush->sy; ++y)
        for (int x = 0; x < p;) {
            const int colour = brush->tpixels[y][x];
            int end = x + 1;
            while (end < p && brush->tpixels[y][end] == colour) ++end;
            if (colour != white) runs.push_back({y, x, end, colour});
            x = end;
        }
    if (runs.empty()) return;
    const int half = p / 2;
    // A brush of one colour with one run a row, its rows nested about one centre (a disc): the
    // stamps of one straight segment, each a pixel step from the last, cover on every map row one
    // unbroken span, so each row is filled once a segment instead of once a step.
    // (One run a row, on consecutive rows, each centred within half a pixel of the first.)
    bool simple = rowUnions;
    for (std::size_t k = 1; simple && k < runs.size(); ++k)
        simple = runs[k].colour == runs[0].colour && runs[k].dy == runs[k - 1].dy + 1 &&
                 std::abs((runs[k].x0 + runs[k].x1) - (runs[0].x0 + runs[0].x1)) <= 1;
    auto stamp = [&](int cx, int cy) {
        for (const Run& r : runs) {
            const int y = cy - half + r.dy;
            if (y < 0 || y >= height) continue;
            int* row = image->tpixels[y];
            const int from = std::max(0, cx - half + r.x0), to = std::min(width, cx - half + r.x1);
            if (from < to) std::fill(row + from, row + to, r.colour);
        }
    };
    std::vector<std::pair<int, int>> steps;
    std::vector<int> lo, hi;
    // A straight line of brush stamps between neighbouring points, one stamp per pixel step.
    for (std::size_t i = 0; i + 1 < course.size(); ++i) {
        int x0 = course[i].x, y0 = course[i].y;
        const int x1 = course[i + 1].x, y1 = course[i + 1].y;
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0), sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        steps.clear();
        for (;;) {
            if (simple) steps.emplace_back(x0, y0);
            else stamp(x0, y0);
            if (x0 == x1 && y0 == y1) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
        if (!simple) continue;
        const int top = std::min(course[i].y, y1) - half + runs.front().dy;
        const int rows = std::abs(y1 - course[i].y) + runs.back().dy - runs.front().dy + 1;
        lo.assign(static_cast<std::size_t>(rows), INT32_MAX);
        hi.assign(static_cast<std::size_t>(rows), INT32_MIN);
        for (const auto& [cx, cy] : steps)
            for (const Run& r : runs) {
                const std::size_t k = static_cast<std::size_t>(cy - half + r.dy - top);
                lo[k] = std::min(lo[k], cx - half + r.x0);
                hi[k] = std::max(hi[k], cx - half + r.x1);
            }
        for (int k = 0; k < rows; ++k) {
            const int y = top + k;
            if (y < 0 || y >= height || lo[static_cast<std::size_t>(k)] > hi[static_cast<std::size_t>(k)]) continue;
            const int from = std::max(0, lo[static_cast<std::size_t>(k)]), to = std::min(width, hi[static_cast<std::size_t>(k)]);
            if (from < to) std::fill(image->tpixels[y] + from, image->tpixels[y] + to, runs[0].colour);
        }
    }
}

void SuperSheepRace::stampMarkers(int p) {
    const std::filesystem::path folder = folders.file("ssrace");
    if (ImagePtr banner = loadTileArt(folder / "start.png")) copyPicturePart(image.get(), banner.get(), 50, 16, 300, 50);
    if (course.empty()) return;
    if (ImagePtr start = loadTileArt(folder / "s.png")) {
        int x0 = course[0].x, y0 = course[0].y;
        if (course.size() < 2) {
            y0 += p;
        } else {
            const double dx = course[1].x - x0;
            const double slope = dx != 0 ? (course[1].y - y0) / dx : 1e9;
            if (slope < 0.5) y0 += p;
            else y0 -= p / 2, x0 += p;
        }
        stampOnLand(image.get(), start.get(), x0, y0);
    }
    if (ImagePtr end = loadTileArt(folder / "e.png")) {
        int y = course.back().y;
        if (course.size() < 2) y += p;
        else if (course[course.size() - 2].y < y) y += p;
        else y -= p + 100;
        stampOnLand(image.get(), end.get(), width - 100, y);
    }
}

void SuperSheepRace::stampOnLand(gdImagePtr map, gdImagePtr marker, int x, int y) {
    const int white = packColour(255, 255, 255);
    const int w = std::min(100, marker->sx), h = std::min(100, marker->sy);
    for (int my = 0; my < h; ++my) {
        const int ty = y + my;
        if (ty < 0 || ty >= map->sy) continue;
        for (int mx = 0; mx < w; ++mx) {
            const int tx = x + mx;
            if (tx < 0 || tx >= map->sx) continue;
            const int c = trueColourAt(marker, mx, my) & 0xFFFFFF;  // opaque, from either kind of picture
            if (c == white || (map->tpixels[ty][tx] & 0xFFFFFF) == 0) continue;
            map->tpixels[ty][tx] = c;
        }
    }
}

void SuperSheepRace::generate() {
    // A path size of 0 cannot come from the window or a settings file (50-200); 50 keeps the rules sound.
    const int p = settings.pathSize > 0 ? settings.pathSize : 50;
    // The scatter needs more than 120 x 240 pixels and the course room to turn; a settings file
    // may ask for a map as small as 640 x 32.
    width = std::max(width, 360);
    height = std::max(height, 360);
    beginRun();
    floodFill(image.get(), 0, 0, colourWhite);
    const double s = static_cast<double>(height) * width / 1336320.0;
    const int n = static_cast<int>(settings.complexity * s);
    rebuilds = 0;
    for (;;) {
        std::vector<Point> c = order(scatter(n, s));
        untangleCourse(c);
        // A course that will not settle is scattered afresh; on a map too small for the course
        // the last one is kept rather than trying for ever.
        stopPoint();
        if (keepApart(c, p, shapingPasses) || rebuilds == MAX_REBUILDS) {
            course = rounded(c, settings.smoothing);
            break;
        }
        ++rebuilds;
    }
    carve(p);
    fillRectangle(image.get(), 0, 0, width - 1, 15, colourBlack);
    stampMarkers(p);
    textureLand(*this, 2, false);
    drawCaption(image.get(), 370, 32, caption(width, height, p), colourBlack);
    applyThemeSoil(*this);
    setReservedPixels(*this);
    finishRun(*this);
}

}  // namespace brambex
