#include "mapfile/Quantize.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace brambex {

namespace {

// The network's constants, as the NeuQuant learning defines them. The neighbourhood radius is
// worked out from the largest network (256) whatever the network's size, and the lookup index
// runs to 255: both as libgd has them, since the palettes must come out the same.
constexpr int MAX_NET = 256;
constexpr int MAX_NET_POS = MAX_NET - 1;
constexpr int NET_BIAS_SHIFT = 4;
constexpr int CYCLES = 100;
constexpr int INT_BIAS_SHIFT = 16;
constexpr int INT_BIAS = 1 << INT_BIAS_SHIFT;
constexpr int GAMMA_SHIFT = 10;
constexpr int BETA_SHIFT = 10;
constexpr int BETA = INT_BIAS >> BETA_SHIFT;
constexpr int BETA_GAMMA = INT_BIAS << (GAMMA_SHIFT - BETA_SHIFT);
constexpr int INIT_RAD = MAX_NET >> 3;
constexpr int RADIUS_BIAS_SHIFT = 6;
constexpr int INIT_RADIUS = INIT_RAD << RADIUS_BIAS_SHIFT;
constexpr int RADIUS_DEC = 30;
constexpr int ALPHA_BIAS_SHIFT = 10;
constexpr int INIT_ALPHA = 1 << ALPHA_BIAS_SHIFT;
constexpr int RAD_BIAS = 1 << 8;
constexpr int ALPHA_RAD_SHIFT = ALPHA_BIAS_SHIFT + 8;
// Samples are taken a prime number of pixels apart, the first of these that does not divide the
// picture's byte count.
constexpr int PRIMES[] = {499, 491, 487, 503};

// The channels in the network's order: alpha (libgd's 0..127), blue, green, red.
enum Channel { ALPHA, BLUE, GREEN, RED, CHANNELS };

struct Sample {
    int value[CHANNELS];
};

Sample sampleOf(int colour) {
    return {{gdTrueColorGetAlpha(colour), gdTrueColorGetBlue(colour), gdTrueColorGetGreen(colour),
             gdTrueColorGetRed(colour)}};
}

// The network while it learns, one plane per channel (values biased by 4 bits), eight neurons to a
// vector: the per-neuron steps below work on eight neurons at once (two halves where the
// processor's vectors hold four). The planes are padded to whole vectors with neurons too far from
// any colour to win, which nothing moves.
constexpr int LANES = 8;
// Vectors are only handed between functions inlined into one another, so the compiler's note that
// passing them by value differs between processors does not apply.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif
using Lanes = int __attribute__((vector_size(LANES * sizeof(int))));
constexpr int FAR = 1 << 20;

struct LearningNet {
    int size = 0;
    int vectors = 0;  // size in whole vectors
    Lanes plane[CHANNELS][MAX_NET / LANES] = {};
    Lanes bias[MAX_NET / LANES] = {};
    Lanes freq[MAX_NET / LANES] = {};
    // How far a neuron at distance d from the winner moves: power[MAX_NET + d], the winner's own
    // (d = 0) included; 0 for every neuron out of reach.
    int power[2 * MAX_NET + LANES] = {};
};

[[gnu::always_inline]] inline Lanes splat(int value) { return Lanes{} + value; }

// Written as a choice, so the compiler finds the processor's own absolute-value instruction.
[[gnu::always_inline]] inline Lanes absolute(const Lanes& x) { return x < 0 ? -x : x; }

// Integer division by 2^shift rounding towards zero, as C's division does.
[[gnu::always_inline]] inline Lanes divideByPowerOfTwo(const Lanes& x, int shift) {
    return (x + ((x >> 31) & splat((1 << shift) - 1))) >> shift;
}

[[gnu::always_inline]] inline Lanes select(const Lanes& mask, const Lanes& ifSet, const Lanes& ifClear) {
    return (ifSet & mask) | (ifClear & ~mask);
}

[[gnu::always_inline]] inline Lanes least(const Lanes& a, const Lanes& b) { return a < b ? a : b; }

// A sample's channels, biased as the network's, each across all lanes.
struct SampleLanes {
    Lanes value[CHANNELS];
};

[[gnu::always_inline]] inline SampleLanes biasedSample(int colour) {
    const Lanes c = splat(colour);
    SampleLanes s;
    s.value[ALPHA] = ((c >> 24) & 0x7F) << NET_BIAS_SHIFT;
    s.value[BLUE] = (c & 0xFF) << NET_BIAS_SHIFT;
    s.value[GREEN] = ((c >> 8) & 0xFF) << NET_BIAS_SHIFT;
    s.value[RED] = ((c >> 16) & 0xFF) << NET_BIAS_SHIFT;
    return s;
}

// The least of a vector's lanes, halving the vector three times.
[[gnu::always_inline]] inline int leastLane(Lanes v) {
    v = least(v, __builtin_shuffle(v, Lanes{4, 5, 6, 7, 0, 1, 2, 3}));
    v = least(v, __builtin_shuffle(v, Lanes{2, 3, 0, 1, 6, 7, 4, 5}));
    v = least(v, __builtin_shuffle(v, Lanes{1, 0, 3, 2, 5, 4, 7, 6}));
    return v[0];
}

void setRadiusPower(LearningNet& net, int alpha, int rad) {
    std::fill(std::begin(net.power), std::end(net.power), 0);
    // The winner itself moves by alpha: alpha / INIT_ALPHA is (alpha << 8) >> ALPHA_RAD_SHIFT,
    // which is what a neighbour at distance 0 would be given.
    net.power[MAX_NET] = alpha << 8;
    for (int d = 1; d < rad; ++d) {
        const int power = alpha * (((rad * rad - d * d) * RAD_BIAS) / (rad * rad));
        net.power[MAX_NET + d] = net.power[MAX_NET - d] = power;
    }
}

// The learning loop's steps (these two) are inlined into it, so that they are built for the
// processor the loop is built for (see learn).

// Finds the closest neuron (whose frequency rises) and returns the best one once each neuron's
// bias against winning too often is counted; the first of equals, in both.
[[gnu::always_inline]] inline int contest(LearningNet& net, const SampleLanes& s) {
    const Lanes al = s.value[ALPHA], b = s.value[BLUE], g = s.value[GREEN], r = s.value[RED];
    // A distance and its neuron's position travel as one key, distance * 256 + position, so the
    // least key is the least distance and, of equals, the first neuron (libgd's choice). The
    // distances stay well inside 23 bits (the padding neurons' are under 2^23), so keys fit.
    Lanes closest = splat(0x7FFFFFFF), best = closest;
    Lanes closest2 = closest, best2 = best;
    auto step = [&](int k, Lanes& closestSoFar, Lanes& bestSoFar) {
        const Lanes at = Lanes{0, 1, 2, 3, 4, 5, 6, 7} + k * LANES;
        const Lanes d = absolute(net.plane[ALPHA][k] - al) + absolute(net.plane[BLUE][k] - b) +
                        absolute(net.plane[GREEN][k] - g) + absolute(net.plane[RED][k] - r);
        const Lanes biased = d - (net.bias[k] >> (INT_BIAS_SHIFT - NET_BIAS_SHIFT));
        const Lanes betaFreq = net.freq[k] >> BETA_SHIFT;
        net.freq[k] -= betaFreq;
        net.bias[k] += betaFreq << GAMMA_SHIFT;
        const Lanes closeKey = d * 256 + at, bestKey = biased * 256 + at;
        closestSoFar = least(closeKey, closestSoFar);
        bestSoFar = least(bestKey, bestSoFar);
    };
    // Two chains of minima (the network has an even number of vectors), so one vector's result
    // need not wait for the previous one's.
    for (int k = 0; k < net.vectors; k += 2) {
        step(k, closest, best);
        step(k + 1, closest2, best2);
    }
    closest = least(closest, closest2);
    best = least(best, best2);
    const int closestPos = leastLane(closest) & 0xFF, bestPos = leastLane(best) & 0xFF;
    // The closest neuron's frequency and bias, changed as whole vectors: a single lane written
    // to memory would hold up the next sample's vector reads until the write is done.
    const Lanes mine = (Lanes{0, 1, 2, 3, 4, 5, 6, 7} == closestPos % LANES);
    net.freq[closestPos / LANES] += mine & BETA;
    net.bias[closestPos / LANES] -= mine & BETA_GAMMA;
    return bestPos;
}

// Moves the winner towards the sample by alpha, and its neighbours within rad by the radius power.
[[gnu::always_inline]] inline void alter(LearningNet& net, int rad, int winner, const SampleLanes& s) {
    // Whole vectors around the winner's reach; the power is 0 outside it.
    const int reach = std::max(rad - 1, 0);
    const int first = std::max(winner - reach, 0) / LANES;
    const int end = std::min((winner + reach) / LANES + 1, net.vectors);
    const Lanes size = splat(net.size);
    Lanes at = Lanes{0, 1, 2, 3, 4, 5, 6, 7} + first * LANES;
    for (int k = first; k < end; ++k, at += LANES) {
        Lanes power;
        std::memcpy(&power, net.power + MAX_NET - winner + k * LANES, sizeof power);
        power &= at < size;  // the padding stays where it is
        for (int c = 0; c < CHANNELS; ++c) {
            Lanes& n = net.plane[c][k];
            n -= divideByPowerOfTwo(power * (n - s.value[c]), ALPHA_RAD_SHIFT);
        }
    }
}

// The colours the learning takes, in the order it takes them: every `step`-th pixel, wrapping
// round the picture. They do not depend on what the network learns, so they are read first, and
// row by row: read in the learning's order each would be a cache miss in another row.
//
// With `copyWouldDiffer`, the same pass over the rows also says whether a copy of the picture
// onto black would differ from it (a transparent or translucent pixel): both read every row, and
// a map is large.
std::vector<int> samplesInOrder(gdImagePtr im, int count, int step, bool* copyWouldDiffer) {
    std::vector<int> rowOf(static_cast<std::size_t>(count));
    std::vector<int> columnOf(static_cast<std::size_t>(count));
    std::vector<int> rowStart(static_cast<std::size_t>(im->sy) + 1, 0);
    // `at` as a column and row, stepped without a division.
    int x = 0, y = 0;
    for (int i = 0; i < count; ++i) {
        rowOf[static_cast<std::size_t>(i)] = y;
        columnOf[static_cast<std::size_t>(i)] = x;
        ++rowStart[static_cast<std::size_t>(y) + 1];
        x += step;
        while (x >= im->sx) x -= im->sx, ++y;
        while (y >= im->sy) y -= im->sy;
    }
    for (int y = 0; y < im->sy; ++y) rowStart[static_cast<std::size_t>(y) + 1] += rowStart[static_cast<std::size_t>(y)];
    // The samples sorted on their row (a counting sort), then read row by row.
    std::vector<int> byRow(static_cast<std::size_t>(count));
    {
        std::vector<int> next(rowStart.begin(), rowStart.end() - 1);
        for (int i = 0; i < count; ++i) byRow[static_cast<std::size_t>(next[static_cast<std::size_t>(rowOf[static_cast<std::size_t>(i)])]++)] = i;
    }
    std::vector<int> colours(static_cast<std::size_t>(count));
    int seen = 0;
    for (int y = 0; y < im->sy; ++y) {
        const int* row = im->tpixels[y];
        if (copyWouldDiffer && !seen) {
            for (int x = 0; x < im->sx; ++x) seen |= (row[x] & 0x7F000000) | (row[x] == im->transparent);
        }
        for (int k = rowStart[static_cast<std::size_t>(y)]; k < rowStart[static_cast<std::size_t>(y) + 1]; ++k) {
            const int i = byRow[static_cast<std::size_t>(k)];
            colours[static_cast<std::size_t>(i)] = row[columnOf[static_cast<std::size_t>(i)]];
        }
    }
    if (copyWouldDiffer) *copyWouldDiffer = seen != 0;
    return colours;
}

// The learning loop, sample for sample as libgd runs it. Most of a save's time is spent here; on
// x86-64 a second copy is built for processors with AVX2 (eight neurons a step instead of four)
// and chosen when the program starts.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__) && BRAMBEX_TARGET_CLONES
__attribute__((target_clones("avx2", "default")))
#endif
void learn(LearningNet& net, gdImagePtr im, int sampleFactor, bool* copyWouldDiffer) {
    const int pixels = im->sx * im->sy;
    const int lengthCount = pixels * 4;
    const int alphaDec = 30 + (sampleFactor - 1) / 3;
    const int samplePixels = lengthCount / (4 * sampleFactor);
    const int delta = std::max(samplePixels / CYCLES, 1);
    int alpha = INIT_ALPHA;
    int radius = INIT_RADIUS;
    int rad = radius >> RADIUS_BIAS_SHIFT;
    setRadiusPower(net, alpha, rad);
    int step = PRIMES[3];
    for (int i = 0; i < 3; ++i)
        if (lengthCount % PRIMES[i] != 0) {
            step = PRIMES[i];
            break;
        }
    const std::vector<int> samples = samplesInOrder(im, samplePixels, step, copyWouldDiffer);
    if (copyWouldDiffer && *copyWouldDiffer) return;
    int untilNext = delta;  // samples until the rate and radius next shrink
    for (int i = 0; i < samplePixels; ++i) {
        const SampleLanes s = biasedSample(samples[static_cast<std::size_t>(i)]);
        alter(net, rad, contest(net, s), s);
        if (--untilNext == 0) {
            untilNext = delta;
            alpha -= alpha / alphaDec;
            radius -= radius / RADIUS_DEC;
            rad = radius >> RADIUS_BIAS_SHIFT;
            if (rad <= 1) rad = 0;
            setRadiusPower(net, alpha, rad);
        }
    }
}

// The learnt network, unbiased to byte values and sorted on green for lookups. Neurons past the
// network's size stay zero, and the lookup may read them (its index runs to 255): kept, as libgd
// keeps it.
struct LookupNet {
    int size = 0;
    int neuron[MAX_NET][CHANNELS + 1] = {};  // the channels, then the neuron's palette entry
    int index[256] = {};
};

void unbias(const LearningNet& learnt, LookupNet& net) {
    net.size = learnt.size;
    for (int i = 0; i < learnt.size; ++i) {
        for (int c = 0; c < CHANNELS; ++c) {
            const int biased = learnt.plane[c][i / LANES][i % LANES];
            net.neuron[i][c] = std::min((biased + (1 << (NET_BIAS_SHIFT - 1))) >> NET_BIAS_SHIFT, 255);
        }
        net.neuron[i][CHANNELS] = i;
    }
}

void buildIndex(LookupNet& net) {
    int previous = 0, start = 0;
    for (int i = 0; i < net.size; ++i) {
        int smallest = i;
        for (int j = i + 1; j < net.size; ++j)
            if (net.neuron[j][GREEN] < net.neuron[smallest][GREEN]) smallest = j;
        const int value = net.neuron[smallest][GREEN];
        if (smallest != i) std::swap(net.neuron[i], net.neuron[smallest]);
        if (value != previous) {
            net.index[previous] = (start + i) >> 1;
            for (int j = previous + 1; j < value; ++j) net.index[j] = i;
            previous = value;
            start = i;
        }
    }
    net.index[previous] = (start + MAX_NET_POS) >> 1;
    for (int j = previous + 1; j < 256; ++j) net.index[j] = MAX_NET_POS;
}

// The nearest neuron's palette entry, searching out from the sample's green.
int nearest(const LookupNet& net, const Sample& s) {
    const int al = s.value[ALPHA], b = s.value[BLUE], g = s.value[GREEN], r = s.value[RED];
    int bestDist = 1000, best = 0;
    auto consider = [&](const int* p, int dist) {
        dist += std::abs(p[BLUE] - b);
        if (dist < bestDist) dist += std::abs(p[RED] - r);
        if (dist < bestDist) dist += std::abs(p[ALPHA] - al);
        if (dist < bestDist) {
            bestDist = dist;
            best = p[CHANNELS];
        }
    };
    int i = net.index[g], j = i - 1;
    while (i < net.size || j >= 0) {
        if (i < net.size) {
            const int* p = net.neuron[i];
            const int dist = p[GREEN] - g;
            if (dist >= bestDist) {
                i = net.size;
            } else {
                ++i;
                consider(p, std::abs(dist));
            }
        }
        if (j >= 0) {
            const int* p = net.neuron[j];
            const int dist = g - p[GREEN];
            if (dist >= bestDist) {
                j = -1;
            } else {
                --j;
                consider(p, std::abs(dist));
            }
        }
    }
    return best;
}

// Remembers the palette entry each colour was given: a map has far fewer colours than pixels.
// Every pixel is looked up (no branch on runs of one colour: in a textured map a run is two
// pixels long on average, and the branch would go wrong at every other pixel). A colour lives in
// a slot chosen by one hash; the colour it pushes out moves to a second table, chosen by another
// hash, where it is looked for before the network is asked again.
class ColourMemo {
public:
    explicit ColourMemo(long long pixels) {
        while (bits_ < MAX_BITS && (1LL << bits_) < pixels) ++bits_;
        first_.assign(std::size_t{1} << bits_, EMPTY);
        second_.assign(std::size_t{1} << bits_, EMPTY);
    }
    // The entry remembered for `colour`, or -1.
    [[gnu::always_inline]] int find(std::uint32_t colour) {
        const std::uint64_t known = first_[firstSlot(colour)];
        if (static_cast<std::uint32_t>(known) == colour) [[likely]]
            return static_cast<int>(known >> 32);
        return findSecond(colour);
    }
    void remember(std::uint32_t colour, int entry) {
        std::uint64_t& slot = first_[firstSlot(colour)];
        if (slot != EMPTY) second_[secondSlot(static_cast<std::uint32_t>(slot))] = slot;
        slot = colour | (static_cast<std::uint64_t>(entry) << 32);
    }

private:
    // Colours have no more than 31 bits, so this key is never a colour.
    static constexpr std::uint64_t EMPTY = 0xFFFFFFFFu;
    static constexpr int MAX_BITS = 16;
    int findSecond(std::uint32_t colour) {
        const std::uint64_t known = second_[secondSlot(colour)];
        if (static_cast<std::uint32_t>(known) != colour) return -1;
        remember(colour, static_cast<int>(known >> 32));
        return static_cast<int>(known >> 32);
    }
    std::size_t firstSlot(std::uint32_t colour) const { return (colour * 2654435761u) >> (32 - bits_); }
    std::size_t secondSlot(std::uint32_t colour) const {
        return ((colour * 0x9E3779B1u + 0x7F4A7C15u) * 0x85EBCA6Bu) >> (32 - bits_);
    }
    int bits_ = 8;
    std::vector<std::uint64_t> first_, second_;
};

// The learnt colours, as palette entries are made of them.
struct Entry {
    int red, green, blue, alpha;
};

// What the learning leaves for the final copy: the lookup network, the learnt colours, and the
// palette picture they are given out into.
struct Learnt {
    gdImagePtr from = nullptr;  // the true-colour picture learnt
    LookupNet net;
    std::vector<Entry> byEntry;
    std::vector<int> remap;
    std::vector<int> given;  // learnt entry -> palette entry, -1 until its first pixel is met
    int transparent = -1;
    ImagePtr out;
};

// `transparent` is the picture's transparent colour as libgd's final copy reads it: as a palette
// entry the copy never gives out. With `copyWouldDiffer`, none is learnt from a picture its copy
// onto black would change (the flag is set).
std::unique_ptr<Learnt> learnPicture(gdImagePtr im, int colours, int sampleFactor, int transparent,
                                     bool* copyWouldDiffer) {
    if (!im || !im->trueColor || im->sx <= 0 || im->sy <= 0 || colours < 2 || colours > MAX_NET) return nullptr;
    if (static_cast<long long>(im->sx) * im->sy * 4 > 0x7FFFFFFFLL) return nullptr;
    // libgd keeps a sample factor of 1 to 10 and learns every second pixel for any other.
    if (sampleFactor < 1 || sampleFactor > 10) sampleFactor = 2;
    // A transparent colour keeps the last of 256 entries for itself.
    if (transparent >= 0) colours = std::min(colours, gdMaxColors - 1);

    auto learning = std::make_unique<LearningNet>();
    learning->size = colours;
    learning->vectors = (colours + 2 * LANES - 1) / (2 * LANES) * 2;
    for (int i = 0; i < learning->vectors * LANES; ++i) {
        for (int c = 0; c < CHANNELS; ++c)
            learning->plane[c][i / LANES][i % LANES] = i < colours ? (i << (NET_BIAS_SHIFT + 8)) / colours : FAR;
        learning->freq[i / LANES][i % LANES] = i < colours ? INT_BIAS / colours : 0;
    }
    learn(*learning, im, sampleFactor, copyWouldDiffer);
    if (copyWouldDiffer && *copyWouldDiffer) return nullptr;
    auto result = std::make_unique<Learnt>();
    result->from = im;
    result->transparent = transparent;
    LookupNet& net = result->net;
    unbias(*learning, net);
    learning.reset();

    // The learnt colours, with the translucent ones first (as a PNG's tRNS wants them); a picture's
    // alpha never reaches 255, so in practice this keeps the learnt order.
    std::vector<Entry> learnt(colours);
    result->remap.resize(colours);
    int bottom = 0, top = colours - 1;
    for (int x = 0; x < colours; ++x) {
        const int* n = net.neuron[x];
        learnt[x] = {n[RED], n[GREEN], n[BLUE], n[ALPHA]};
        result->remap[x] = n[ALPHA] == 255 ? top-- : bottom++;
    }
    result->byEntry.resize(colours);
    for (int x = 0; x < colours; ++x) result->byEntry[result->remap[x]] = learnt[x];
    result->given.assign(colours, -1);
    buildIndex(net);

    ImagePtr out(gdImageCreate(im->sx, im->sy));
    if (!out) return nullptr;
    // libgd quantises a true-colour picture in place, and its palette starts empty and closed.
    for (int i = 0; i < gdMaxColors; ++i) out->open[i] = 0;
    out->alphaBlendingFlag = im->alphaBlendingFlag;
    out->saveAlphaFlag = im->saveAlphaFlag;
    out->interlace = im->interlace;
    out->transparent = transparent;
    result->out = std::move(out);
    return result;
}

// Each pixel's palette entry. Entries are handed out in the order their first pixel is met, row
// by row, and two learnt entries of the same colour share one; a colour is given its entry the
// first time it is met, so the rows are gone through once, in order.
void giveEntries(Learnt& l) {
    const gdImagePtr im = l.from;
    gdImagePtr out = l.out.get();
    auto give = [&](int learntEntry) {
        int& to = l.given[learntEntry];
        if (to >= 0) return to;
        const Entry& e = l.byEntry[learntEntry];
        for (int c = 0; c < out->colorsTotal; ++c)
            if (c != l.transparent && out->red[c] == e.red && out->green[c] == e.green && out->blue[c] == e.blue &&
                out->alpha[c] == e.alpha)
                return to = c;
        to = out->colorsTotal++;
        out->red[to] = e.red;
        out->green[to] = e.green;
        out->blue[to] = e.blue;
        out->alpha[to] = e.alpha;
        return to;
    };
    ColourMemo memo(static_cast<long long>(im->sx) * im->sy);
    for (int y = 0; y < im->sy; ++y) {
        const int* from = im->tpixels[y];
        unsigned char* to = out->pixels[y];
        for (int x = 0; x < im->sx; ++x) {
            const auto colour = static_cast<std::uint32_t>(from[x] & 0x7FFFFFFF);
            int entry = memo.find(colour);
            if (entry < 0) [[unlikely]] {
                entry = give(l.remap[nearest(l.net, sampleOf(static_cast<int>(colour)))]);
                memo.remember(colour, entry);
            }
            to[x] = static_cast<unsigned char>(entry);
        }
    }
}

// With `copyWouldDiffer`, a picture a copy would change is not quantised (none is returned) and
// the flag is set: the caller quantises the copy instead.
ImagePtr quantize(gdImagePtr im, int colours, int sampleFactor, int transparent, bool* copyWouldDiffer = nullptr) {
    std::unique_ptr<Learnt> l = learnPicture(im, colours, sampleFactor, transparent, copyWouldDiffer);
    if (!l) return nullptr;
    giveEntries(*l);
    return std::move(l->out);
}

// The flags a new picture starts with.
void freshFlags(gdImagePtr out) {
    out->alphaBlendingFlag = 1;
    out->saveAlphaFlag = 0;
    out->interlace = 0;
}

}  // namespace

ImagePtr neuQuantPalette(gdImagePtr im, int colours, int sampleFactor) {
    return quantize(im, colours, sampleFactor, im ? im->transparent : -1);
}

ImagePtr neuQuantPaletteOfCopy(gdImagePtr im, int colours, int sampleFactor) {
    if (!im || !im->trueColor) return nullptr;
    // The copy (onto a new black picture) is only made when it would differ: when the picture
    // has transparent or translucent pixels. The learning's first pass over the rows finds out.
    bool copyWouldDiffer = false;
    ImagePtr out = quantize(im, colours, sampleFactor, -1, &copyWouldDiffer);
    if (copyWouldDiffer) {
        ImagePtr copy = tryCreateTrueColour(im->sx, im->sy);
        if (!copy) return nullptr;
        copyPicture(copy.get(), im, 0, 0);
        out = quantize(copy.get(), colours, sampleFactor, -1);
    }
    if (out) freshFlags(out.get());
    return out;
}

}  // namespace brambex
