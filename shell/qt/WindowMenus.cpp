#include "map/Translate.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/ViewSupport.h"

#include <QApplication>

#include <future>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <QScrollArea>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QIcon>
#include <QPixmap>

#include <cmath>

#include "map/Files.h"
#include "map/ProcessState.h"
#include "shell/Messages.h"
#include "shell/platform/Platform.h"
#include "shell/qt/CandidatesDialog.h"
#include "shell/qt/Dialogs.h"
#include "shell/qt/MapEditorDialog.h"
#include "shell/qt/MapView.h"
#include "generators/TypeTable.h"
#include "map/Map.h"
#include "mapfile/MapFile.h"

namespace brambex {

namespace fs = std::filesystem;
using C = Control;
using K = ControlState::Kind;

void MainWindow::buildMenus() {
    buildFileMenu();
    buildEditMenu();
    buildViewMenu();
    menuBar()->addMenu(qtText(translate("Window", "&Options")))->addAction(qtText(translate("Window", "&Settings")), this, [this] {
        model_->menu(MenuCommand::Settings);
        after();
    });
    menuBar()->addMenu(qtText(translate("Window", "&Help")))->addAction(qtText(translate("Window", "&About")), this, [this] {
        model_->menu(MenuCommand::About);
        after();
    });
    buildShortcuts();
}

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(qtText(translate("Window", "&File")));
    file->addAction(qtText(translate("Window", "&Load")), QKeySequence::Open, this, [this] {
        model_->menu(MenuCommand::LoadMap);
        after();
    });
    file->addAction(qtText(translate("Window", "&Save")), QKeySequence::Save, this, [this] {
        model_->menu(MenuCommand::Save);
        after();
    });
    file->addAction(qtText(translate("Window", "Save &As...")), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, [this] {
        model_->menu(MenuCommand::SaveMap);
        after();
    });
    file->addAction(qtText(translate("Window", "Open &Code...")), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this, [this] {
        model_->menu(MenuCommand::MapFromCode);
        after();
    });
    recentMenu_ = file->addMenu(qtText(translate("Window", "&Recent")));
    recentMenu_->setObjectName("recentMenu");
    file->addSeparator();
    file->addAction(qtText(translate("Window", "E&xit")), QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] {
        model_->menu(MenuCommand::Exit);
        after();
    });
}

void MainWindow::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu(qtText(translate("Window", "&Edit")));
    undoAction_ = edit->addAction(qtText(translate("Window", "&Undo")), QKeySequence::Undo, this, [this] {
        model_->undoEdit();
        after();
    });
    redoAction_ = edit->addAction(qtText(translate("Window", "&Redo")), QKeySequence::Redo, this, [this] {
        model_->redoEdit();
        after();
    });
    edit->addSeparator();
    edit->addAction(qtText(translate("Window", "&IndiMask")), this, [this] {
        model_->menu(MenuCommand::IndiMask);
        after();
    });
    edit->addAction(qtText(translate("Window", "Copy Map &Code")), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, [this] { copyMapCode(); });
    edit->addSeparator();
    edit->addAction(qtText(translate("Window", "&Candidates...")), QKeySequence(Qt::CTRL | Qt::Key_K), this, [this] { showCandidates(false); });
    edit->addAction(qtText(translate("Window", "&Playable Candidates...")), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), this,
                    [this] { showCandidates(true); });
}

void MainWindow::buildViewMenu() {
    QMenu* view = menuBar()->addMenu(qtText(translate("Window", "&View")));
    view->addAction(qtText(translate("Window", "&Fit")), QKeySequence(Qt::CTRL | Qt::Key_0), this, [this] { view_->fit(); });
    view->addAction("&1:1", QKeySequence(Qt::CTRL | Qt::Key_1), this, [this] { view_->actualSize(); });
    auto* zoomIn = view->addAction(qtText(translate("Window", "Zoom &In")), this, [this] { view_->zoomIn(); });
    zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    view->addAction(qtText(translate("Window", "Zoom &Out")), QKeySequence(Qt::CTRL | Qt::Key_Minus), this, [this] { view_->zoomOut(); });
    view->addSeparator();
    view->addAction(qtText(translate("Window", "&Back")), QKeySequence(Qt::ALT | Qt::Key_Left), this, [this] {
        model_->historyBack();
        after();
    });
    view->addAction(qtText(translate("Window", "Fo&rward")), QKeySequence(Qt::ALT | Qt::Key_Right), this, [this] {
        model_->historyForward();
        after();
    });
    QMenu* historyMenu = view->addMenu(qtText(translate("Window", "&History")));
    historyMenu->setObjectName("historyMenu");
    connect(historyMenu, &QMenu::aboutToShow, this, [this, historyMenu] {
        historyMenu->clear();
        const auto& entries = model_->history();
        for (int k = static_cast<int>(entries.size()) - 1; k >= 0; --k) {
            const auto& e = entries[static_cast<std::size_t>(k)];
            const QString text = qtText(formatText(translate("Window", "%s, seed %u").c_str(), std::string(typeRow(e.type).info().listText).c_str(), e.seed));
            QAction* a = historyMenu->addAction(text, this, [this, k] {
                model_->goToHistory(k);
                after();
            });
            if (e.thumbnail) a->setIcon(QIcon(QPixmap::fromImage(imageOfPicture(e.thumbnail.get()).scaled(96, 35))));
            a->setCheckable(true);
            a->setChecked(k == model_->historyPosition());
        }
        if (entries.empty()) historyMenu->addAction(qtText(translate("Window", "No maps yet")))->setEnabled(false);
    });
}

void MainWindow::buildShortcuts() {
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, [this] {
        model_->cancelRun();
        after();
    });
    for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::Key_G), QKeySequence(Qt::Key_F5)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            model_->press(C::Generate);
            after();
        });
    }
}

void MainWindow::connectInput() {
    for (auto& [c, w] : widgets_) {
        const Control id = c;
        if (auto* s = qobject_cast<QSlider*>(w)) {
            connect(s, &QSlider::valueChanged, this, [this, id](int v) {
                model_->moveSlider(id, v);
                after();
            });
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            connect(list, QOverload<int>::of(&QComboBox::activated), this, [this, id](int i) {
                model_->select(id, i);
                after();
            });
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            connect(radio, &QRadioButton::clicked, this, [this, id] {
                model_->setChecked(id, true);
                after();
            });
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            connect(box, &QCheckBox::clicked, this, [this, id](bool on) {
                model_->setChecked(id, on);
                after();
            });
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            connect(button, &QPushButton::clicked, this, [this, id] {
                model_->press(id);
                after();
            });
        }
    }
    for (auto& [c, box] : sliderBoxes_) {
        const Control id = c;
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, [this, id](int v) {
            model_->typeValue(id, v);
            after();
        });
    }
    connect(seedField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_->setSeedText(text.trimmed().toStdString());
    });
    // Enter in the Seed box makes that map.
    connect(seedField_, &QLineEdit::returnPressed, this, [this] {
        model_->setSeedText(seedField_->text().trimmed().toStdString());
        model_->press(C::Generate);
        after();
    });
}

}  // namespace brambex
