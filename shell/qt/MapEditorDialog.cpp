#include "map/Translate.h"
#include "shell/qt/ViewSupport.h"
#include "shell/qt/MapEditorDialog.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include "map/Map.h"
#include "map/ProcessState.h"
#include "mapfile/Preview.h"
#include "shell/qt/MapView.h"

namespace brambex {

namespace {
const char* const GROUP_TITLES[3] = {QT_TRANSLATE_NOOP("Editor", "Destructable"), QT_TRANSLATE_NOOP("Editor", "Tough"),
                                     QT_TRANSLATE_NOOP("Editor", "Indestructable")};
const char* const COMPONENTS[3] = {QT_TRANSLATE_NOOP("Editor", "Red:"), QT_TRANSLATE_NOOP("Editor", "Green:"),
                                   QT_TRANSLATE_NOOP("Editor", "Blue:")};
}  // namespace

MapEditorDialog::MapEditorDialog(MapEditorModel& model, std::function<void(const UserError&)> showMessage,
                                 QWidget* parent, std::function<bool(const UserError&)> confirm)
    : QDialog(parent), model_(model), showMessage_(std::move(showMessage)), confirm_(std::move(confirm)) {
    setWindowTitle(qtText(translate("Editor", "Edit Map")));
    auto* whole = new QHBoxLayout(this);
    // The map as the main window shows it (zoom, pan); a click selects the colour under it.
    picture_ = new MapView(this);
    picture_->setObjectName("editorPicture");
    picture_->setCursor(Qt::CrossCursor);
    picture_->setToolTip(qtText(translate("Editor", "Click a colour to select it; drag to move the map, turn the wheel to zoom")));
    connect(picture_, &MapView::clicked, this, [this](QPoint at) {
        report(model_.pickAt(at.x(), at.y()));
        sync();
    });
    whole->addWidget(picture_, 1);

    auto* side = new QVBoxLayout;
    auto* infoBox = new QGroupBox(qtText(translate("Editor", "Info")), this);
    auto* info = new QGridLayout(infoBox);
    for (int c = 0; c < 3; ++c) {
        info->addWidget(new QLabel(qtText(translated("Editor", COMPONENTS[c])), infoBox), c, 0);
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
                pictureChanged();
            });
            info->addWidget(arrow, c, dir > 0 ? 2 : 3);
        }
    }
    side->addWidget(infoBox);
    auto* moves = new QHBoxLayout;
    auto* upButton = new QPushButton(qtText(translate("Editor", "Up")), this);
    upButton->setObjectName("up");
    auto* downButton = new QPushButton(qtText(translate("Editor", "Down")), this);
    downButton->setObjectName("down");
    upButton->setToolTip(qtText(translate("Editor", "Make the selected colour softer: indestructable to tough to destructable")));
    downButton->setToolTip(qtText(translate("Editor", "Make the selected colour harder: destructable to tough to indestructable")));
    connect(upButton, &QPushButton::clicked, this, [this] {
        report(model_.up());
        rebuildButtons();
        pictureChanged();
    });
    connect(downButton, &QPushButton::clicked, this, [this] {
        report(model_.down());
        rebuildButtons();
        pictureChanged();
    });
    moves->addWidget(upButton);
    moves->addWidget(downButton);
    side->addLayout(moves);
    auto* history = new QHBoxLayout;
    undo_ = new QPushButton(qtText(translate("Editor", "Undo")), this);
    undo_->setObjectName("undo");
    undo_->setToolTip(qtText(translate("Editor", "Take back the last change (Ctrl+Z)")));
    redo_ = new QPushButton(qtText(translate("Editor", "Redo")), this);
    redo_->setObjectName("redo");
    redo_->setToolTip(qtText(translate("Editor", "Make the change taken back again (Ctrl+Shift+Z)")));
    connect(undo_, &QPushButton::clicked, this, [this] { undo(); });
    connect(redo_, &QPushButton::clicked, this, [this] { redo(); });
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, [this] { undo(); });
    auto* redoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this);
    connect(redoKey, &QShortcut::activated, this, [this] { redo(); });
    history->addWidget(undo_);
    history->addWidget(redo_);
    side->addLayout(history);
    mask_ = new QCheckBox(qtText(translate("Editor", "Enable IndiMask")), this);
    mask_->setObjectName("enableIndiMask");
    mask_->setToolTip(qtText(translate("Editor", "Mark the map as one with indestructible parts (the marker pixel's colour)")));
    connect(mask_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setMaskEnabled(on);
        pictureChanged();
    });
    side->addWidget(mask_);

    // The three groups; a long list of colours scrolls, so every colour stays reachable.
    auto* groupsHolder = new QWidget(this);
    auto* groupsLayout = new QVBoxLayout(groupsHolder);
    for (int g = 0; g < 3; ++g) {
        groups_[g] = new QGroupBox(qtText(translated("Editor", GROUP_TITLES[g])), groupsHolder);
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
    // OK keeps every change; Cancel (and closing the dialog) puts the map back as it was.
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->setObjectName("editorButtons");
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    side->addWidget(box);
    whole->addLayout(side);

    mask_->setChecked(model_.maskEnabled());
    report(model_.open());
    rebuildButtons();
    pictureChanged();
    resize(1200, 760);
}

void MapEditorDialog::reject() {
    if (model_.changedSinceOpen()) {
        const UserError question{translate("Editor", "Edit Map"),
                                 translate("Editor", "Throw away the changes made in the editor? The map goes back to how it was when "
                                                     "the editor opened.")};
        const bool yes = confirm_ ? confirm_(question)
                                  : QMessageBox::question(this, question.caption.c_str(), question.text.c_str(),
                                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
        if (!yes) return;
    }
    QDialog::reject();
}

void MapEditorDialog::done(int result) {
    if (result == QDialog::Accepted) model_.accept();
    else model_.cancel();
    QDialog::done(result);
}

void MapEditorDialog::undo() {
    model_.undo();
    rebuildButtons();
    pictureChanged();
}

void MapEditorDialog::redo() {
    model_.redo();
    rebuildButtons();
    pictureChanged();
}

void MapEditorDialog::pictureChanged() {
    const Map* map = model_.map();
    picture_->setPyramid(map && map->image ? PicturePyramid::fromPicture(map->image.get()) : nullptr);
    sync();
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
    undo_->setEnabled(model_.canUndo());
    redo_->setEnabled(model_.canRedo());
    // The selected colour in magenta, drawn at screen resolution over the map.
    const Map* map = model_.map();
    const int entry = model_.selectedEntry();
    if (map && map->image && !map->image->trueColor && entry >= 0) {
        gdImagePtr im = map->image.get();
        picture_->setHighlight([im, entry](int x, int y) { return im->pixels[y][x] == entry; });
    } else {
        picture_->setHighlight({});
    }
}

void MapEditorDialog::clickPicture(QPoint at) {
    if (const auto point = picture_->mapPoint(at)) {
        report(model_.pickAt(point->x(), point->y()));
        sync();
    }
}

}  // namespace brambex
