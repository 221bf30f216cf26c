#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <gd.h>

#include "map/Pyramid.h"
#include "shell/window/ViewTransform.h"

namespace brambex {

// A map picture at full resolution and its halvings (each level half the one before, by a 2 x 2
// box filter), so a view draws from the level nearest its scale: sharp at any zoom and screen
// scale, and fast to draw however large the map. Made once per map, on any thread.
struct PicturePyramid {
    std::vector<QImage> levels;  // [0] full resolution, RGB32
    std::shared_ptr<const Pyramid> source;  // the pixels the levels show

    // The view of a pyramid made off the window's thread (a run makes one beside its map).
    static std::shared_ptr<PicturePyramid> fromPyramid(std::shared_ptr<const Pyramid> source);

    static std::shared_ptr<PicturePyramid> fromPicture(gdImagePtr picture);
    static std::shared_ptr<PicturePyramid> fromImage(QImage full);
    int width() const { return levels.empty() ? 0 : levels[0].width(); }
    int height() const { return levels.empty() ? 0 : levels[0].height(); }
};

// The full-resolution picture of a map as RGB32 (palette pictures through their palette).
QImage imageOfPicture(gdImagePtr picture);

// The view of a map: fits the whole map by default and follows the widget's size; the wheel and
// Ctrl++ / Ctrl+- zoom around the pointer or the centre, Ctrl+0 fits, Ctrl+1 shows 1:1, dragging
// pans. A highlight (the map editor's selected colour) is drawn at screen resolution over the
// picture: a screen pixel shows it when any map pixel under it has the colour, so a thin or small
// area never blends away.
class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(QWidget* parent = nullptr);

    void setPyramid(std::shared_ptr<const PicturePyramid> pyramid);
    const PicturePyramid* pyramid() const { return pyramid_.get(); }
    void clear();
    // Marks every map pixel for which `marked(x, y)` holds (none: no highlight). The test runs over
    // the map once per zoom level shown.
    void setHighlight(std::function<bool(int, int)> marked);

    ViewTransform& transform() { return transform_; }
    void fit();
    void actualSize();
    void zoomIn();
    void zoomOut();
    // The map point under a widget point; none outside the map.
    std::optional<QPoint> mapPoint(QPointF at) const;
    // The pyramid level a paint at the current zoom draws from (for tests).
    int levelInUse() const;

signals:
    // A click (press and release without dragging) on the map, in map coordinates.
    void clicked(QPoint mapPoint);
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    const QImage& highlightLevel(int level);
    void viewChanged();  // repaint, and tell the zoom
    std::shared_ptr<const PicturePyramid> pyramid_;
    ViewTransform transform_;
    std::function<bool(int, int)> marked_;
    std::vector<std::optional<QImage>> highlight_;  // per level, made when first drawn
    QPointF pressAt_, lastAt_;
    bool pressed_ = false, dragged_ = false;
};

}  // namespace brambex
