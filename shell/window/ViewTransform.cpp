#include "shell/window/ViewTransform.h"

#include <cmath>

namespace brambex {

void ViewTransform::setPicture(int width, int height) {
    const bool changed = width != picW_ || height != picH_;
    picW_ = std::max(0, width);
    picH_ = std::max(0, height);
    // A picture of another size starts fitted; the same size (another seed) keeps the view.
    if (changed || fitting_) fit();
    else clampCentre();
}

void ViewTransform::setView(int width, int height) {
    viewW_ = std::max(1, width);
    viewH_ = std::max(1, height);
    if (fitting_) fit();
    else clampCentre();
}

double ViewTransform::fitZoom() const {
    if (picW_ <= 0 || picH_ <= 0) return 1.0;
    return std::min(static_cast<double>(viewW_) / picW_, static_cast<double>(viewH_) / picH_);
}

void ViewTransform::fit() {
    zoom_ = fitZoom();
    centreX_ = picW_ / 2.0;
    centreY_ = picH_ / 2.0;
    fitting_ = true;
}

void ViewTransform::actualSize() {
    zoom_ = 1.0;
    fitting_ = false;
    clampCentre();
}

void ViewTransform::zoomBy(double factor, double ax, double ay) {
    if (picW_ <= 0 || picH_ <= 0 || factor <= 0) return;
    double px = 0, py = 0;
    toPicture(ax, ay, px, py);
    const double next = std::clamp(zoom_ * factor, minZoom(), std::max(MAX_ZOOM, fitZoom()));
    if (next == zoom_) return;
    zoom_ = next;
    fitting_ = false;
    // The same picture point stays under (ax, ay).
    centreX_ = px - (ax - viewW_ / 2.0) / zoom_;
    centreY_ = py - (ay - viewH_ / 2.0) / zoom_;
    clampCentre();
}

void ViewTransform::panBy(double dx, double dy) {
    if (picW_ <= 0 || picH_ <= 0) return;
    fitting_ = false;
    centreX_ -= dx / zoom_;
    centreY_ -= dy / zoom_;
    clampCentre();
}

ViewTransform::Rect ViewTransform::pictureRect() const {
    Rect r;
    r.w = picW_ * zoom_;
    r.h = picH_ * zoom_;
    r.x = viewW_ / 2.0 - centreX_ * zoom_;
    r.y = viewH_ / 2.0 - centreY_ * zoom_;
    return r;
}

void ViewTransform::toPicture(double vx, double vy, double& px, double& py) const {
    px = centreX_ + (vx - viewW_ / 2.0) / zoom_;
    py = centreY_ + (vy - viewH_ / 2.0) / zoom_;
}

void ViewTransform::clampCentre() {
    // A picture smaller than the view stays centred; a larger one cannot be pulled past its edges.
    auto clampAxis = [this](double& centre, int picture, int view) {
        const double half = view / 2.0 / zoom_;
        if (picture * zoom_ <= view) centre = picture / 2.0;
        else centre = std::clamp(centre, half, picture - half);
    };
    clampAxis(centreX_, picW_, viewW_);
    clampAxis(centreY_, picH_, viewH_);
}

}  // namespace brambex
