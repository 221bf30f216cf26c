// The playability figures on pictures drawn here, where the right answer is known by
// construction.

#include <gtest/gtest.h>

#include "map/GdImage.h"
#include "map/Playability.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

constexpr int LAND = 0x8B5A2B;

ImagePtr airPicture(int w, int h) { return test::solidPicture(w, h, 0); }

void fill(gdImagePtr im, int x0, int y0, int x1, int y1, int colour = LAND) {  // inclusive
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) im->tpixels[y][x] = colour;
}

// A block of land standing on the floor (row 180) from x0 to x1 (inclusive), 80 rows high, with a
// hollow 30 rows high from hollowX0 to hollowX1 on the floor, open to the right only by a 3-row
// slit through the block's wall.
void hollowBlock(gdImagePtr im, int x0, int x1, int hollowX0, int hollowX1) {
    fill(im, x0, 100, x1, 179);
    fill(im, hollowX0, 150, hollowX1, 179, 0);
    fill(im, hollowX1 + 1, 175, x1, 177, 0);
}

}  // namespace

TEST(Playability, AFloorGivesPlacesFortyPixelsApartAllReachable) {
    ImagePtr im = airPicture(400, 100);
    fill(im.get(), 0, 80, 399, 99);
    const Playability p = measurePlayability(im.get(), CourseKind::None);
    // Boxes at y 60 stand on row 80; kept at x 0, 40, ..., 360 (390 is 30 from 360).
    EXPECT_EQ(p.standingPlaces, 10);
    EXPECT_DOUBLE_EQ(p.reach, 1.0);
    EXPECT_EQ(p.sealedRooms, 0);
    EXPECT_EQ(p.debris, 0);
    EXPECT_FALSE(p.hasCourse);
    // A ceiling 19 pixels above the floor leaves no headroom: nowhere to stand.
    fill(im.get(), 0, 0, 399, 60);
    EXPECT_EQ(measurePlayability(im.get(), CourseKind::None).standingPlaces, 0);
}

TEST(Playability, AWallMakesASealedRoomAndHalvesTheReach) {
    ImagePtr im = airPicture(400, 100);
    fill(im.get(), 0, 80, 399, 99);
    fill(im.get(), 195, 0, 204, 79);
    const Playability p = measurePlayability(im.get(), CourseKind::None);
    // Left: x 0..160 step 40 (5); right: from 205, 245, ..., 365 (5).
    EXPECT_EQ(p.standingPlaces, 10);
    EXPECT_DOUBLE_EQ(p.reach, 0.5);
    EXPECT_EQ(p.sealedRooms, 1);
    // A gap of 10 x 20 in the wall lets a character through; 9 wide does not.
    fill(im.get(), 195, 50, 204, 69, 0);
    EXPECT_DOUBLE_EQ(measurePlayability(im.get(), CourseKind::None).reach, 1.0);
    fill(im.get(), 195, 50, 195, 69);
    const Playability narrowed = measurePlayability(im.get(), CourseKind::None);
    EXPECT_LT(narrowed.reach, 1.0);
    EXPECT_EQ(narrowed.sealedRooms, 1);
}

TEST(Playability, SmallLooseBitsOfLandAreDebris) {
    ImagePtr im = airPicture(300, 200);
    fill(im.get(), 0, 180, 299, 199);
    fill(im.get(), 20, 20, 24, 24);      // 25 pixels
    fill(im.get(), 60, 20, 66, 26);      // 49 pixels
    fill(im.get(), 100, 20, 106, 27);    // 56 pixels: no debris
    im->tpixels[100][150] = LAND;        // one pixel
    im->tpixels[101][151] = LAND;        // touching it by a corner: the same bit
    EXPECT_EQ(measurePlayability(im.get(), CourseKind::None).debris, 3);
    // The marker pixel is no land.
    im->tpixels[199][149] = 0;
    im->tpixels[150][149] = packColour(242, 24, 204);
    EXPECT_EQ(measurePlayability(im.get(), CourseKind::None).debris, 3);
}

TEST(Playability, ARaceIsMeasuredAtItsNarrowestBelowTheTopStrip) {
    // Solid land with an open top strip (as every race has) and a tunnel 31 rows high.
    ImagePtr im = airPicture(600, 200);
    fill(im.get(), 0, 16, 599, 199);
    fill(im.get(), 0, 100, 599, 130, 0);
    Playability p = measurePlayability(im.get(), CourseKind::Race);
    EXPECT_TRUE(p.hasCourse);
    EXPECT_TRUE(p.connected);
    EXPECT_EQ(p.narrowest, 31);
    // One row less is one pixel narrower: an even gap has no middle row, yet it is as wide as it is.
    fill(im.get(), 0, 130, 599, 130);
    EXPECT_EQ(measurePlayability(im.get(), CourseKind::Race).narrowest, 30);
    fill(im.get(), 0, 130, 599, 130, 0);
    // A marker 12 rows into the tunnel narrows it to 19.
    fill(im.get(), 300, 100, 399, 111);
    p = measurePlayability(im.get(), CourseKind::Race);
    EXPECT_EQ(p.narrowest, 19);
    EXPECT_EQ(playabilityMisses(p, {0, 0, 30}), std::vector<std::string>{"the course narrows to 19 px"});
    // A wall across: blocked, though the top strip runs from edge to edge.
    fill(im.get(), 450, 100, 452, 130);
    p = measurePlayability(im.get(), CourseKind::Race);
    EXPECT_FALSE(p.connected);
    EXPECT_NE(playabilitySummary(p).find("course blocked"), std::string::npos);
}

TEST(Playability, AMazeJoinsEveryStandingPlaceThroughItsNarrowestCorridor) {
    // Two rooms on a floor, joined by a corridor 21 rows high through the wall between them.
    ImagePtr im = airPicture(400, 200);
    fill(im.get(), 0, 0, 399, 9);
    fill(im.get(), 0, 180, 399, 199);
    fill(im.get(), 180, 10, 219, 179);
    fill(im.get(), 180, 159, 219, 179, 0);
    Playability p = measurePlayability(im.get(), CourseKind::Maze);
    EXPECT_TRUE(p.connected);
    EXPECT_EQ(p.narrowest, 21);
    EXPECT_DOUBLE_EQ(p.reach, 1.0);
    // A hollow block on the left room's floor: a 30 x 30 pocket a character stands in, open to
    // the room only by a 3-row slit. A sealed room, but no cell of the maze: the course still
    // narrows only at the corridor.
    hollowBlock(im.get(), 40, 110, 50, 79);
    p = measurePlayability(im.get(), CourseKind::Maze);
    EXPECT_EQ(p.sealedRooms, 1);
    EXPECT_LT(p.reach, 1.0);
    EXPECT_TRUE(p.connected);
    EXPECT_EQ(p.narrowest, 21);
    // The same hollow 110 px wide is a room of its own, not a pocket: the slit is the course's
    // narrowest way.
    hollowBlock(im.get(), 20, 160, 25, 134);
    p = measurePlayability(im.get(), CourseKind::Maze);
    EXPECT_EQ(p.sealedRooms, 1);
    EXPECT_TRUE(p.connected);
    EXPECT_EQ(p.narrowest, 3);
    fill(im.get(), 199, 159, 200, 179);  // the corridor closed
    p = measurePlayability(im.get(), CourseKind::Maze);
    EXPECT_FALSE(p.connected);
    EXPECT_EQ(p.sealedRooms, 2);
}

TEST(Playability, WeaponPadsCountAsReachedFromTheRegionThatReachesMost) {
    // A floor with a wall: two pads on the left of the wall, one on the right.
    ImagePtr im = airPicture(600, 200);
    fill(im.get(), 0, 180, 599, 199);
    fill(im.get(), 400, 0, 409, 179);
    std::vector<PadSpot> pads = {{40, 150}, {200, 150}, {450, 150}};
    for (const PadSpot& pad : pads) fill(im.get(), pad.x, pad.y, pad.x + PAD_SIZE - 1, pad.y + PAD_SIZE - 1);
    Playability p = measurePlayability(im.get(), CourseKind::None, pads);
    EXPECT_EQ(p.pads, 3);
    EXPECT_EQ(p.reachablePads, 2);
    EXPECT_NE(playabilitySummary(p).find("2 of 3 pads reachable"), std::string::npos);
    EXPECT_EQ(playabilityMisses(p, {0, 0.0, 0, 0.9}), std::vector<std::string>{"only 2 of 3 pads reachable"});
    // A pad buried in land is reached from nowhere.
    fill(im.get(), 300, 100, 360, 179);
    pads.push_back({310, 140});
    p = measurePlayability(im.get(), CourseKind::None, pads);
    EXPECT_EQ(p.reachablePads, 2);
    // A doorway through the wall joins the two sides: every pad but the buried one.
    fill(im.get(), 400, 140, 409, 179, 0);
    p = measurePlayability(im.get(), CourseKind::None, pads);
    EXPECT_EQ(p.reachablePads, 3);
    // Without pads (a loaded file) nothing is said about them.
    EXPECT_EQ(playabilitySummary(measurePlayability(im.get(), CourseKind::None)).find("pads"), std::string::npos);
}

TEST(Playability, PalettePicturesAreReadThroughTheirPalette) {
    ImagePtr im(gdImageCreate(400, 100));
    gdImageColorAllocate(im.get(), 0, 0, 0);
    const int land = gdImageColorAllocate(im.get(), 90, 60, 30);
    gdImageFilledRectangle(im.get(), 0, 80, 399, 99, land);
    EXPECT_EQ(measurePlayability(im.get(), CourseKind::None).standingPlaces, 10);
}

TEST(Playability, TheSummaryAndTheMissesInWords) {
    Playability p;
    p.standingPlaces = 126;
    p.hasCourse = true;
    p.narrowest = 44;
    EXPECT_EQ(playabilitySummary(p), "126 standing places \u00b7 all reachable \u00b7 course at least 44 px");
    p.standingPlaces = 12;
    p.reach = 0.5;
    const auto misses = playabilityMisses(p, {16, 0.9, 30});
    ASSERT_EQ(misses.size(), 2u);
    EXPECT_EQ(misses[0], "only 12 standing places");
    EXPECT_TRUE(playable(p, {10, 0.0, 40}));
}

// The rule the filters apply, as they say it.
TEST(Playability, TheRuleIsSaidInWordsWithEveryThresholdTheTypeAsks) {
    EXPECT_EQ(playabilityRule({16, 0.0, 0, 0.0}), "at least 16 standing places");
    EXPECT_EQ(playabilityRule({16, 0.9, 0, 0.9}),
              "at least 16 standing places, 90% of them reaching each other, 90% of the weapon pads reachable");
    EXPECT_EQ(playabilityRule({20, 0.0, 30, 0.0}), "at least 20 standing places, a course at least 30 px wide all the way");
}
