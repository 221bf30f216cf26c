#include <gtest/gtest.h>

#include "map/EdgeMap.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

constexpr int LAND = 0xFFFFFF, EMPTY = 0;

struct Edges {
    ImagePtr picture;
    int top = 0, bottom = 0, left = 0, right = 0;
    int at(int x, int y) const { return picture->tpixels[y][x]; }
};

Edges classify(gdImagePtr im) {
    Edges e;
    e.picture = buildEdgeMap(im, EMPTY, LAND, e.top, e.bottom, e.left, e.right);
    return e;
}

}  // namespace

TEST(EdgeMap, ClassColoursAreTheFiveFixedOnes) {
    auto im = test::solidPicture(4, 4, EMPTY);
    Edges e = classify(im.get());
    ASSERT_TRUE(e.picture);
    EXPECT_EQ(e.top, 0xFF0000);
    EXPECT_EQ(e.bottom, 0x00FF00);
    EXPECT_EQ(e.left, 0x0000FF);
    EXPECT_EQ(e.right, 0xFF00FF);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(e.at(x, y), 0) << x << "," << y;
}

TEST(EdgeMap, SingleLandPixelRuleOrder) {
    auto im = test::solidPicture(11, 11, EMPTY);
    im->tpixels[5][5] = LAND;
    Edges e = classify(im.get());
    EXPECT_EQ(e.at(5, 4), e.top);     // air above the surface
    EXPECT_EQ(e.at(5, 5), e.bottom);  // land over empty: bottom wins over right
    EXPECT_EQ(e.at(4, 5), e.left);    // air left of land
    int marked = 0;
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) marked += e.at(x, y) != 0;
    EXPECT_EQ(marked, 3);
}

TEST(EdgeMap, RightEdgeInsideLandAndBottomRowAndLastColumnStayNone) {
    // Land in the left half, rows 0..5 of an 8 x 6 picture: a vertical wall at column 3.
    auto im = test::solidPicture(8, 6, EMPTY);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x) im->tpixels[y][x] = LAND;
    // A land column at the right edge: its left neighbour is air (left edge), no right neighbour.
    for (int y = 0; y < 6; ++y) im->tpixels[y][7] = LAND;
    Edges e = classify(im.get());
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(e.at(3, y), e.right) << y;
        EXPECT_EQ(e.at(6, y), e.left) << y;
        EXPECT_EQ(e.at(7, y), 0) << "last column has no right neighbour, row " << y;
    }
    for (int x = 0; x < 8; ++x) EXPECT_EQ(e.at(x, 5), 0) << "bottom row, column " << x;
}

TEST(EdgeMap, OnlyExactKeyColoursCount) {
    // A decoration pixel (neither land nor empty) under air makes no top edge.
    auto im = test::solidPicture(3, 3, EMPTY);
    im->tpixels[1][1] = 0x808080;
    im->tpixels[1][2] = LAND;
    Edges e = classify(im.get());
    EXPECT_EQ(e.at(1, 0), 0);
    EXPECT_EQ(e.at(2, 0), e.top);
    EXPECT_EQ(e.at(1, 1), 0) << "decoration next to land is not an edge";
}
