#pragma once

#include <algorithm>

namespace brambex {

// How a picture sits in a view: the zoom (view pixels per picture pixel) and which picture point
// is at the view's centre. "Fit" shows the whole picture as large as the view allows (a tall or
// huge map fits whole); zooming keeps the picture point under the pointer where it is; panning
// never lets the picture leave the view entirely. No toolkit: the window's picture views draw
// what this says, and tests drive it directly.
class ViewTransform {
public:
    struct Rect {
        double x = 0, y = 0, w = 0, h = 0;
    };

    static constexpr double MAX_ZOOM = 16.0;
    static constexpr double STEP = 1.25;  // one wheel notch or Ctrl++

    void setPicture(int width, int height);
    void setView(int width, int height);

    // The whole picture, centred (the default, and after a new picture while fitting).
    void fit();
    bool fitting() const { return fitting_; }
    // One picture pixel per view pixel, around the view's centre.
    void actualSize();
    // Zooms by `factor` keeping the picture point under view point (ax, ay) in place.
    void zoomBy(double factor, double ax, double ay);
    void zoomIn() { zoomBy(STEP, viewW_ / 2.0, viewH_ / 2.0); }
    void zoomOut() { zoomBy(1.0 / STEP, viewW_ / 2.0, viewH_ / 2.0); }
    // Moves the picture by (dx, dy) view pixels.
    void panBy(double dx, double dy);

    double zoom() const { return zoom_; }
    double fitZoom() const;
    double minZoom() const { return std::min(fitZoom(), 1.0) / 4.0; }
    // Where the picture lies in view coordinates.
    Rect pictureRect() const;
    // The picture point under a view point.
    void toPicture(double vx, double vy, double& px, double& py) const;
    int pictureWidth() const { return picW_; }
    int pictureHeight() const { return picH_; }

private:
    void clampCentre();
    int picW_ = 0, picH_ = 0, viewW_ = 1, viewH_ = 1;
    double zoom_ = 1.0;
    double centreX_ = 0, centreY_ = 0;  // the picture point at the view's centre
    bool fitting_ = true;
};

}  // namespace brambex
