#include "shell/qt/MapView.h"

#include "shell/window/MapSession.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <cstring>

namespace brambex {

QImage imageOfPicture(gdImagePtr im) {
    PictureLevel level = levelOfPicture(im);
    if (level.pixels.empty()) return {};
    QImage image(level.width, level.height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (int y = 0; y < level.height; ++y)
        std::memcpy(image.scanLine(y), level.row(y), static_cast<std::size_t>(level.width) * 4);
    return image;
}

std::shared_ptr<PicturePyramid> PicturePyramid::fromPyramid(std::shared_ptr<const Pyramid> source) {
    auto pyramid = std::make_shared<PicturePyramid>();
    if (!source) return pyramid;
    // The levels show the pixels of the source, which the pyramid keeps: nothing is copied.
    for (const PictureLevel& level : source->levels)
        pyramid->levels.emplace_back(reinterpret_cast<const uchar*>(level.pixels.data()), level.width, level.height,
                                     static_cast<qsizetype>(level.width) * 4, QImage::Format_RGB32);
    pyramid->source = std::move(source);
    return pyramid;
}

std::shared_ptr<PicturePyramid> PicturePyramid::fromImage(QImage full) {
    if (full.isNull()) return std::make_shared<PicturePyramid>();
    if (full.format() != QImage::Format_RGB32) full = full.convertToFormat(QImage::Format_RGB32);
    PictureLevel level;
    level.width = full.width();
    level.height = full.height();
    level.pixels.resize(static_cast<std::size_t>(level.width) * level.height);
    for (int y = 0; y < level.height; ++y)
        std::memcpy(level.row(y), full.constScanLine(y), static_cast<std::size_t>(level.width) * 4);
    return fromPyramid(pyramidOf(std::move(level)));
}

std::shared_ptr<PicturePyramid> PicturePyramid::fromPicture(gdImagePtr picture) { return fromPyramid(pyramidOf(picture)); }

MapView::MapView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setMinimumSize(200, 120);
    setCursor(Qt::OpenHandCursor);
}

void MapView::setPyramid(std::shared_ptr<const PicturePyramid> pyramid) {
    std::shared_ptr<const PicturePyramid> old = std::move(pyramid_);
    pyramid_ = std::move(pyramid);
    // Only the last owner's free is worth moving.
    if (old && old.use_count() == 1) {
        const long long pixels = static_cast<long long>(old->width()) * old->height();
        freeBesideTheWindow(std::move(old), pixels);
    }
    highlight_.clear();
    transform_.setView(width(), height());
    transform_.setPicture(pyramid_ ? pyramid_->width() : 0, pyramid_ ? pyramid_->height() : 0);
    update();
    emit zoomChanged(transform_.zoom());
}

void MapView::clear() { setPyramid(nullptr); }

void MapView::setHighlight(std::function<bool(int, int)> marked) {
    marked_ = std::move(marked);
    highlight_.clear();
    update();
}

void MapView::viewChanged() {
    update();
    emit zoomChanged(transform_.zoom());
}

void MapView::fit() {
    transform_.fit();
    viewChanged();
}

void MapView::actualSize() {
    transform_.actualSize();
    viewChanged();
}

void MapView::zoomIn() {
    transform_.zoomIn();
    viewChanged();
}

void MapView::zoomOut() {
    transform_.zoomOut();
    viewChanged();
}

std::optional<QPoint> MapView::mapPoint(QPointF at) const {
    if (!pyramid_ || pyramid_->levels.empty()) return std::nullopt;
    double px = 0, py = 0;
    transform_.toPicture(at.x(), at.y(), px, py);
    const int x = static_cast<int>(std::floor(px)), y = static_cast<int>(std::floor(py));
    if (x < 0 || y < 0 || x >= pyramid_->width() || y >= pyramid_->height()) return std::nullopt;
    return QPoint(x, y);
}

int MapView::levelInUse() const {
    if (!pyramid_ || pyramid_->levels.empty()) return 0;
    // The smallest level still at least as detailed as the screen pixels it lands on.
    const double scale = transform_.zoom() * devicePixelRatioF();
    int level = 0;
    while (level + 1 < static_cast<int>(pyramid_->levels.size()) && scale * std::pow(2.0, level + 1) <= 1.0) ++level;
    return level;
}

const QImage& MapView::highlightLevel(int level) {
    if (highlight_.size() != pyramid_->levels.size()) highlight_.assign(pyramid_->levels.size(), std::nullopt);
    auto& slot = highlight_[static_cast<std::size_t>(level)];
    if (!slot) {
        const QImage& base = pyramid_->levels[static_cast<std::size_t>(level)];
        QImage mask(base.size(), QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        const int w = pyramid_->width(), h = pyramid_->height();
        for (int y = 0; y < h; ++y) {
            auto* out = reinterpret_cast<quint32*>(mask.scanLine(std::min(y >> level, mask.height() - 1)));
            for (int x = 0; x < w; ++x)
                if (marked_(x, y)) out[std::min(x >> level, mask.width() - 1)] = 0xFFFF00FFu;
        }
        slot = std::move(mask);
    }
    return *slot;
}

void MapView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(45, 45, 45));
    if (!pyramid_ || pyramid_->levels.empty()) return;
    const ViewTransform::Rect r = transform_.pictureRect();
    const QRectF target(r.x, r.y, r.w, r.h);
    const QRectF visible = target.intersected(QRectF(rect()));
    if (visible.isEmpty()) return;
    const int level = levelInUse();
    const QImage& image = pyramid_->levels[static_cast<std::size_t>(level)];
    // The part of the level under the visible rectangle.
    const double sx = image.width() / r.w, sy = image.height() / r.h;
    const QRectF source((visible.x() - r.x) * sx, (visible.y() - r.y) * sy, visible.width() * sx, visible.height() * sy);
    // Enlarged pixels stay sharp squares; reduced ones are smoothed from the level above the scale.
    p.setRenderHint(QPainter::SmoothPixmapTransform, transform_.zoom() * devicePixelRatioF() < 1.0);
    p.drawImage(visible, image, source);
    if (marked_) {
        // The highlight comes from the first level no more detailed than the screen, so each of
        // its pixels covers at least one screen pixel and none is skipped when it is drawn.
        const double scale = transform_.zoom() * devicePixelRatioF();
        int h = 0;
        while (h + 1 < static_cast<int>(pyramid_->levels.size()) && std::pow(0.5, h) > scale) ++h;
        const QImage& overlay = highlightLevel(h);
        const double hx = overlay.width() / r.w, hy = overlay.height() / r.h;
        const QRectF overlaySource((visible.x() - r.x) * hx, (visible.y() - r.y) * hy, visible.width() * hx,
                                   visible.height() * hy);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(visible, overlay, overlaySource);
    }
}

void MapView::resizeEvent(QResizeEvent*) {
    transform_.setView(width(), height());
    emit zoomChanged(transform_.zoom());
}

void MapView::wheelEvent(QWheelEvent* e) {
    const double notches = e->angleDelta().y() / 120.0;
    if (notches == 0 || !pyramid_) return;
    transform_.zoomBy(std::pow(ViewTransform::STEP, notches), e->position().x(), e->position().y());
    viewChanged();
    e->accept();
}

void MapView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pressed_ = true;
    dragged_ = false;
    pressAt_ = lastAt_ = e->position();
    setCursor(Qt::ClosedHandCursor);
}

void MapView::mouseMoveEvent(QMouseEvent* e) {
    if (!pressed_) return;
    const QPointF delta = e->position() - lastAt_;
    lastAt_ = e->position();
    // A few pixels of wobble are still a click.
    if (!dragged_ && (e->position() - pressAt_).manhattanLength() < 4) return;
    dragged_ = true;
    transform_.panBy(delta.x(), delta.y());
    update();
}

void MapView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    setCursor(Qt::OpenHandCursor);
    if (!dragged_)
        if (const std::optional<QPoint> at = mapPoint(e->position())) emit clicked(*at);
}

void MapView::keyPressEvent(QKeyEvent* e) {
    const int step = 40;
    switch (e->key()) {
    case Qt::Key_Left: transform_.panBy(step, 0); break;
    case Qt::Key_Right: transform_.panBy(-step, 0); break;
    case Qt::Key_Up: transform_.panBy(0, step); break;
    case Qt::Key_Down: transform_.panBy(0, -step); break;
    default: QWidget::keyPressEvent(e); return;
    }
    update();
}

}  // namespace brambex
