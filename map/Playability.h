#pragma once

#include <string>
#include <vector>

#include <gd.h>

#include "map/MapTypes.h"

namespace brambex {

// Whether a finished map can be played, measured on its picture (the rules are at the top of
// Playability.cpp). No toolkit: the command line, --info, the window and the batches all show
// these figures, and tests check them on pictures they draw.
struct Playability {
    int standingPlaces = 0;   // spots a character stands on, at least 40 px apart
    double reach = 1.0;       // share of them that can reach each other
    int sealedRooms = 0;      // closed pockets of air a character stands in
    int debris = 0;           // separate bits of land under 50 pixels
    // Race and maze types: whether the way is open (start to finish, or every standing place to
    // every other) and how wide it is at its narrowest along the widest way.
    bool hasCourse = false;
    bool connected = true;
    int narrowest = 0;
    // Walk for Weapons: the weapon pads, and how many of them one group of standing places can
    // walk to (0 pads: not measured, as for a loaded file, whose pads are not known).
    int pads = 0;
    int reachablePads = 0;
    // Standing room across the map: for each column a character's box can start at, how many
    // standing spots (every fit with land under it, not only the spaced places) have their box
    // there, and how many of those lie in the region that holds the most places. What the team
    // figures are worked out from; the map's width with them.
    std::vector<int> standingColumns;
    std::vector<int> reachableColumns;
    int mapWidth = 0;
};

// The most teams a map is played by, and the characters a team has.
constexpr int MAX_TEAMS = 6;
constexpr int TEAM_SIZE = 8;

// How many teams of TEAM_SIZE characters the map's standing places hold (at most MAX_TEAMS).
int roomForTeams(const Playability& p);
// How evenly standing room is shared by `teams` teams (2 to MAX_TEAMS) starting in as many
// equal strips of the map's width, left to right: the smallest strip's standing spots over the
// largest's (1.0: even; 0 when a strip has none). A spot belongs to the strip its box's centre is
// in (half to each when the centre lies on the line between two): a mirrored map's halves
// count the same.
double teamBalance(const Playability& p, int teams);

// What a type's maps must reach to count as playable.
struct PlayabilityThresholds {
    int minStandingPlaces = 16;
    double minReach = 0.0;       // 0: not asked of this type
    int minCourseWidth = 0;      // race and maze types: the narrowest way, 0: not asked
    double minPadReach = 0.0;    // the share of weapon pads reached, 0: not asked
    // For maps made for teams (--teams, the window's teams): the balance they must have at least.
    double minTeamBalance = 0.5;
};

// How a type's map is measured: a race from the left edge to the right edge, a maze whose
// standing places must all be joined, or neither.
enum class CourseKind { None, Race, Maze };
CourseKind courseKind(MapType type);

// A weapon pad on the map: its top-left corner; pads are PAD_SIZE square.
constexpr int PAD_SIZE = 30;
struct PadSpot {
    int x, y;
};

Playability measurePlayability(gdImagePtr picture, CourseKind course, const std::vector<PadSpot>& pads = {});

// "126 standing places · all reachable · course at least 44 px · room for 6 teams · balance 0.84
// for 2 teams" (the team figures for `teams` teams, none when 0).
std::string playabilitySummary(const Playability& p, int teams = 2);
// What a map made for `teams` teams misses on top of its type's thresholds: room for them, and
// their balance (empty when it meets both).
std::vector<std::string> teamMisses(const Playability& p, const PlayabilityThresholds& t, int teams);
// The rule for teams in words ("room for 4 teams of 8 and a balance of at least 0.50 for 4 teams").
std::string teamRule(const PlayabilityThresholds& t, int teams);
// The figures that miss the type's thresholds, in words ("only 12 standing places").
std::vector<std::string> playabilityMisses(const Playability& p, const PlayabilityThresholds& t);
inline bool playable(const Playability& p, const PlayabilityThresholds& t) { return playabilityMisses(p, t).empty(); }
// The rule a map must meet, in words ("at least 16 standing places, 90% of them reaching each
// other"), as the filters that apply it say it.
std::string playabilityRule(const PlayabilityThresholds& t);

// Maps up to this many pixels are measured (every type's standard size, and the tall races and
// mazes): the measure holds about 20 bytes a pixel and takes about 15 ms a million pixels.
constexpr long long MAX_MEASURED_PIXELS = 8'000'000;
inline bool measurable(gdImagePtr picture) {
    return picture && static_cast<long long>(picture->sx) * picture->sy <= MAX_MEASURED_PIXELS;
}

// The character the measure walks: 10 x 20 pixels.
constexpr int CHARACTER_WIDTH = 10, CHARACTER_HEIGHT = 20;

}  // namespace brambex
