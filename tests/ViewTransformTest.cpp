// The preview's zoom and pan, without a toolkit.

#include <gtest/gtest.h>

#include "shell/window/ViewTransform.h"

using namespace brambex;

TEST(ViewTransform, FitShowsTallAndWideMapsWholeAndCentred) {
    ViewTransform t;
    t.setView(1000, 600);
    t.setPicture(1920, 2880);  // tall: the height decides
    EXPECT_DOUBLE_EQ(t.zoom(), 600.0 / 2880);
    ViewTransform::Rect r = t.pictureRect();
    EXPECT_NEAR(r.y, 0, 1e-9);
    EXPECT_NEAR(r.h, 600, 1e-9);
    EXPECT_NEAR(r.x + r.w / 2, 500, 1e-9) << "centred";
    t.setPicture(8000, 800);  // another size: fitted again
    EXPECT_DOUBLE_EQ(t.zoom(), 1000.0 / 8000);
    t.setView(2000, 600);  // the window grows: still fitting
    EXPECT_DOUBLE_EQ(t.zoom(), 2000.0 / 8000);
}

TEST(ViewTransform, ZoomKeepsThePointUnderThePointerAndPanningStopsAtTheEdges) {
    ViewTransform t;
    t.setView(800, 400);
    t.setPicture(1920, 696);
    double before_x = 0, before_y = 0, after_x = 0, after_y = 0;
    t.toPicture(200, 150, before_x, before_y);
    t.zoomBy(2.0, 200, 150);
    EXPECT_FALSE(t.fitting());
    t.toPicture(200, 150, after_x, after_y);
    EXPECT_NEAR(before_x, after_x, 1e-6);
    EXPECT_NEAR(before_y, after_y, 1e-6);
    // Panning far right stops with the picture's right edge at the view's right edge.
    t.actualSize();
    t.panBy(-100000, 0);
    const ViewTransform::Rect r = t.pictureRect();
    EXPECT_NEAR(r.x + r.w, 800, 1e-9);
    // Zoom stays within its limits.
    for (int k = 0; k < 100; ++k) t.zoomIn();
    EXPECT_DOUBLE_EQ(t.zoom(), ViewTransform::MAX_ZOOM);
    for (int k = 0; k < 100; ++k) t.zoomOut();
    EXPECT_DOUBLE_EQ(t.zoom(), t.minZoom());
    // A new map of the same size keeps the view; fit brings the whole map back.
    const double zoom = t.zoom();
    t.setPicture(1920, 696);
    EXPECT_DOUBLE_EQ(t.zoom(), zoom);
    t.fit();
    EXPECT_TRUE(t.fitting());
    EXPECT_DOUBLE_EQ(t.zoom(), 800.0 / 1920);
}
