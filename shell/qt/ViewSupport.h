#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <map>
#include <string>

#include "shell/window/TypeLayouts.h"

namespace brambex {

QString qtText(const std::string& s);
// The window's remembered values, in the user's config folder (empty: none is known).
QString windowSettingsPath();
// What each control does, in a map maker's words.
const std::map<Control, const char*>& toolTips();
// A file the view shows: only real PNG or BMP pictures; a missing file gives none.
QImage loadPicture(const std::filesystem::path& path);

// A picture drawn scaled into its rectangle, or nothing.
class PictureArea : public QWidget {
public:
    PictureArea(QSize size, QWidget* parent) : QWidget(parent) { setFixedSize(size); }
    void setImage(QImage image) {
        image_ = std::move(image);
        update();
    }
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent*) override {
        if (image_.isNull()) return;
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), image_);
    }

private:
    QImage image_;
};

// The window's background picture under every group, unless Remove BG is set.
class BackgroundWidget : public QWidget {
public:
    explicit BackgroundWidget(QWidget* parent) : QWidget(parent) {}
    void setPicture(QImage image) {
        picture_ = std::move(image);
        update();
    }
    bool paints() const { return shown_ && !picture_.isNull(); }
    void setShown(bool shown) {
        if (shown != shown_) {
            shown_ = shown;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!shown_ || picture_.isNull()) return;
        QPainter p(this);
        p.drawImage(rect(), picture_);
    }

private:
    QImage picture_;
    bool shown_ = true;
};

}  // namespace brambex
