#include "shell/qt/MapEditorDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "map/Generator.h"
#include "map/ProcessState.h"
#include "mapfile/Preview.h"

namespace brambex {

// The editor picture (previewPath2, 960 x 737) scaled into its area; clicks are mapped back.
class EditorPicture : public QWidget {
public:
    explicit EditorPicture(MapEditorDialog* dialog) : QWidget(dialog), dialog_(dialog) {
        setMinimumSize(PREVIEW2_WIDTH * 2 / 3, PREVIEW2_HEIGHT * 2 / 3);
        setObjectName("editorPicture");
        setCursor(Qt::CrossCursor);
    }
    void reload() {
        image_ = QImage(QString::fromStdString(paths.previewPath2.string()));
        update();
    }
    // Where in the map a point of this widget lies (none outside the map).
    std::optional<QPoint> mapPoint(QPoint at) const {
        gdImagePtr im = dialog_->model().map() ? dialog_->model().map()->image.get() : nullptr;
        if (!im) return std::nullopt;
        // The map sits in the 960 x 737 picture as the preview writer places it.
        const PreviewGeometry g = previewGeometry(PREVIEW2_WIDTH, PREVIEW2_HEIGHT, im->sx, im->sy);
        const double px = at.x() * double(PREVIEW2_WIDTH) / width(), py = at.y() * double(PREVIEW2_HEIGHT) / height();
        const int x = static_cast<int>((px - g.x) * im->sx / g.width), y = static_cast<int>((py - g.y) * im->sy / g.height);
        if (px < g.x || py < g.y || x < 0 || y < 0 || x >= im->sx || y >= im->sy) return std::nullopt;
        return QPoint(x, y);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(45, 45, 45));
        if (!image_.isNull()) p.drawImage(rect(), image_);
    }
    void mousePressEvent(QMouseEvent* e) override { dialog_->clickPicture(e->position().toPoint()); }

private:
    MapEditorDialog* dialog_;
    QImage image_;
};

namespace {
const char* const GROUP_TITLES[3] = {"Destructable", "Tough", "Indestructable"};
const char* const COMPONENTS[3] = {"Red:", "Green:", "Blue:"};
}  // namespace

MapEditorDialog::MapEditorDialog(MapEditorModel& model, std::function<void(const UserError&)> showMessage,
                                 QWidget* parent)
    : QDialog(parent), model_(model), showMessage_(std::move(showMessage)) {
    setWindowTitle("Edit Map");
    auto* whole = new QHBoxLayout(this);
    picture_ = new EditorPicture(this);
    whole->addWidget(picture_, 1);

    auto* side = new QVBoxLayout;
    auto* infoBox = new QGroupBox("Info", this);
    auto* info = new QGridLayout(infoBox);
    for (int c = 0; c < 3; ++c) {
        info->addWidget(new QLabel(COMPONENTS[c], infoBox), c, 0);
        numbers_[c] = new QLineEdit(infoBox);
        numbers_[c]->setReadOnly(true);
        numbers_[c]->setObjectName(QString("number%1").arg(c));
        numbers_[c]->setMaximumWidth(60);
        info->addWidget(numbers_[c], c, 1);
        for (int dir : {+1, -1}) {
            auto* arrow = new QToolButton(infoBox);
            arrow->setArrowType(dir > 0 ? Qt::UpArrow : Qt::DownArrow);
            arrow->setObjectName(QString("nudge%1%2").arg(c).arg(dir > 0 ? "up" : "down"));
            connect(arrow, &QToolButton::clicked, this, [this, c, dir] {
                model_.nudge(c, dir);
                sync();
            });
            info->addWidget(arrow, c, dir > 0 ? 2 : 3);
        }
    }
    side->addWidget(infoBox);
    auto* moves = new QHBoxLayout;
    auto* upButton = new QPushButton("Up", this);
    upButton->setObjectName("up");
    auto* downButton = new QPushButton("Down", this);
    downButton->setObjectName("down");
    connect(upButton, &QPushButton::clicked, this, [this] {
        report(model_.up());
        rebuildButtons();
    });
    connect(downButton, &QPushButton::clicked, this, [this] {
        report(model_.down());
        rebuildButtons();
    });
    moves->addWidget(upButton);
    moves->addWidget(downButton);
    side->addLayout(moves);
    mask_ = new QCheckBox("Enable IndiMask", this);
    mask_->setObjectName("enableIndiMask");
    connect(mask_, &QCheckBox::clicked, this, [this](bool on) { model_.setMaskEnabled(on); });
    side->addWidget(mask_);

    // The three groups; a long list of colours scrolls, so every colour stays reachable.
    auto* groupsHolder = new QWidget(this);
    auto* groupsLayout = new QVBoxLayout(groupsHolder);
    for (int g = 0; g < 3; ++g) {
        groups_[g] = new QGroupBox(GROUP_TITLES[g], groupsHolder);
        groups_[g]->setObjectName(GROUP_TITLES[g]);
        auto* grid = new QGridLayout(groups_[g]);
        grid->setSpacing(3);
        groupsLayout->addWidget(groups_[g]);
    }
    groupsLayout->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(groupsHolder);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(230);
    side->addWidget(scroll, 1);
    buttons_ = new QButtonGroup(this);
    buttons_->setExclusive(true);
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int entry) {
        report(model_.selectEntry(entry));
        sync();
    });
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    side->addWidget(box);
    whole->addLayout(side);

    mask_->setChecked(model_.maskEnabled());
    report(model_.open());
    rebuildButtons();
    resize(1200, 760);
}

void MapEditorDialog::report(Failure failure) {
    if (failure && showMessage_) showMessage_(*failure);
}

void MapEditorDialog::rebuildButtons() {
    for (QAbstractButton* b : buttons_->buttons()) {
        buttons_->removeButton(b);
        delete b;
    }
    for (int g = 0; g < 3; ++g) {
        auto* grid = static_cast<QGridLayout*>(groups_[g]->layout());
        const auto& list = model_.groups()[g];
        for (std::size_t k = 0; k < list.size(); ++k) {
            auto* b = new QToolButton(groups_[g]);
            b->setCheckable(true);
            b->setFixedSize(15, 15);
            b->setObjectName(QString("colour%1").arg(list[k].entry));
            buttons_->addButton(b, list[k].entry);
            grid->addWidget(b, static_cast<int>(k / 10), static_cast<int>(k % 10));
        }
    }
    sync();
}

void MapEditorDialog::sync() {
    for (int g = 0; g < 3; ++g)
        for (const auto& button : model_.groups()[g])
            if (QAbstractButton* b = buttons_->button(button.entry)) {
                const QColor c(button.colour.r, button.colour.g, button.colour.b);
                b->setStyleSheet(QString("QToolButton { background: %1; border: 1px solid #333; }"
                                         "QToolButton:checked { border: 2px solid #ff00ff; }")
                                     .arg(c.name()));
                b->setChecked(button.entry == model_.selectedEntry());
            }
    const auto numbers = model_.info();
    for (int c = 0; c < 3; ++c) numbers_[c]->setText(QString::fromStdString(numbers[c]));
    mask_->setChecked(model_.maskEnabled());
    picture_->reload();
}

void MapEditorDialog::clickPicture(QPoint at) {
    if (const auto point = picture_->mapPoint(at)) {
        report(model_.pickAt(point->x(), point->y()));
        sync();
    }
}

}  // namespace brambex
