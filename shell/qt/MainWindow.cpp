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

// ---------------------------------------------------------------- the window

MainWindow::MainWindow(WindowServices* services, QWidget* parent) : QMainWindow(parent) {
    if (!services) {
        ownServices_ = std::make_unique<QtWindowServices>(this);
        services = ownServices_.get();
    }
    services_ = services;
    model_ = std::make_unique<MainWindowModel>(*services_);
    setWindowTitle(qtText(translate("Window", "Brambex")));
    const QIcon icon(qtText((paths.workingDirectory / "data" / "interface" / "icon.png").string()));
    if (!icon.isNull()) setWindowIcon(icon);
    setAcceptDrops(true);
    buildWidgets();
    buildMenus();
    connectInput();

    // The end of a run reaches this thread as a queued call; the worker never waits for it.
    model_->setRunEndedNotifier([this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                model_->poll();
                syncFromModel();
            },
            Qt::QueuedConnection);
    });
    setWarningSink([this](const UserError& e) { services_->showMessage(e); });

    QSettings settings(windowSettingsPath(), QSettings::IniFormat);
    const QString folder = settings.value("window/lastFolder").toString();
    if (!folder.isEmpty() && fs::is_directory(folder.toStdString())) model_->setLastFolder(folder.toStdString());
    std::vector<fs::path> recent;
    for (const QString& f : settings.value("window/recentFiles").toStringList()) recent.push_back(f.toStdString());
    model_->setRecentFiles(std::move(recent));
    // The first start fits a 1280 x 720 screen, frame and panel included; a size saved on a larger
    // screen is brought back onto this one.
    if (!restoreGeometry(settings.value("window/geometry").toByteArray())) resize(FIRST_SIZE);
    fitOntoScreen();

    background_->setPicture(loadPicture(model_->backgroundPicture()));
    model_->initialise();
    // The number of teams the figures are for is kept between runs.
    model_->setTeams(settings.value("window/teams", 2).toInt());
    syncFromModel();
}

void MainWindow::fitOntoScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize most(std::max(room.width() - frame.width(), 320), std::max(room.height() - frame.height(), 240));
    if (width() > most.width() || height() > most.height()) resize(size().boundedTo(most));
    if (!room.contains(frameGeometry())) move(room.topLeft());
}

MainWindow::~MainWindow() {
    model_->waitForWorker();
    // A live frame's measure reports to this window when it ends: it ends first.
    model_->waitForMeasure();
    setWarningSink({});
}

QWidget* MainWindow::widgetOf(Control c) const {
    auto it = widgets_.find(c);
    return it == widgets_.end() ? nullptr : it->second;
}

QImage MainWindow::previewImage() const {
    const PicturePyramid* shown = view_->pyramid();
    return shown && shown != busyPicture_.get() && !shown->levels.empty() ? shown->levels[0] : QImage();
}

void MainWindow::showCandidates(bool playableOnly) {
    if (model_->busy()) return;
    CandidatesDialog dialog(*this, 9, playableOnly);
    if (dialog.exec() != QDialog::Accepted) model_->stopCandidates();
    after();
}

void MainWindow::startCandidates(int count, bool playableOnly) {
    model_->generateCandidates(count, playableOnly);
    after();
}

void MainWindow::pickCandidate(int index) {
    model_->pickCandidate(index);
    after();
}

bool MainWindow::paintsBackground() const { return background_->paints(); }

void MainWindow::after() {
    syncFromModel();
}

void MainWindow::copyMapCode() {
    const std::string code = model_->mapCode();
    if (code.empty()) {
        model_->setStatus(translate("Window", "The map on screen has no code (it was loaded from a file without one)."));
    } else {
        QGuiApplication::clipboard()->setText(qtText(code));
        model_->setStatus(formatText(translate("Window", "Copied the map code %s").c_str(), code.c_str()));
    }
    after();
}

void MainWindow::rebuildRecentMenu() {
    recentMenu_->clear();
    const auto& files = model_->recentFiles();
    for (int k = 0; k < static_cast<int>(files.size()); ++k)
        recentMenu_->addAction(QString("&%1 %2").arg(k + 1).arg(qtText(files[static_cast<std::size_t>(k)].string())), this,
                               [this, k] {
                                   model_->openRecent(k);
                                   after();
                               });
    recentMenu_->setEnabled(!files.empty());
}

void MainWindow::saveRecentFiles() {
    QStringList list;
    for (const auto& f : model_->recentFiles()) list << qtText(f.string());
    if (!windowSettingsPath().isEmpty()) QSettings(windowSettingsPath(), QSettings::IniFormat).setValue("window/recentFiles", list);
}

void MainWindow::syncFromModel() {
    syncControls();
    syncCaptions();
    themePreview_->setVisible(model_->themePreviewShown());
    stylePreview_->setVisible(model_->stylePreviewShown());
    const auto seed = model_->shownSeed();
    currentSeed_->setText(seed ? QString::number(*seed) : QString());
    undoAction_->setEnabled(!model_->busy() && model_->mapEditor().canUndo());
    redoAction_->setEnabled(!model_->busy() && model_->mapEditor().canRedo());
    const QString code = model_->busy() ? QString() : qtText(model_->mapCode());
    if (mapCode_->text() != code) {
        mapCode_->setText(code);
        mapCode_->setCursorPosition(0);  // the code is read from its start: format, type, seed
    }
    if (seedField_->text().trimmed().toStdString() != model_->seedText())
        seedField_->setText(qtText(model_->seedText()));
    seedField_->setEnabled(!model_->busy());
    background_->setShown(!model_->removeBackground());
    setWindowTitle(qtText(model_->title()));
    mapCaption_->setText(qtText(model_->mapCaption()));
    const auto misses = model_->playabilityMisses();
    QString playable = qtText(model_->playabilityText());
    for (const std::string& miss : misses) playable += QString("  \u2022 <span style='color:#b00000'>%1</span>").arg(qtText(miss));
    playability_->setText(playable);
    syncRun();
    // The menu follows the list whenever it changes (a reopened file moves to the top without
    // changing the count).
    if (recentMenu_ && shownRecent_ != model_->recentFiles()) {
        shownRecent_ = model_->recentFiles();
        rebuildRecentMenu();
        saveRecentFiles();
    }
    reloadPictures();
}


void MainWindow::syncControls() {
    for (auto& [c, w] : widgets_) {
        const ControlState& s = model_->control(c);
        w->setVisible(s.shown);
        w->setEnabled(s.enabled);
        const QSignalBlocker block(w);
        if (auto* slider = qobject_cast<QSlider*>(w)) {
            slider->setRange(s.min, s.max);
            slider->setValue(s.value);
            // Page Up and Page Down move a tenth of the range.
            slider->setPageStep(std::max(1, (s.max - s.min) / 10));
            if (QSpinBox* box = sliderBoxes_.count(c) ? sliderBoxes_.at(c) : nullptr) {
                const QSignalBlocker blockBox(box);
                box->setRange(s.min, s.max);
                box->setSingleStep(slider->singleStep());
                box->setValue(s.value);
                box->setVisible(s.shown);
                box->setEnabled(s.enabled);
            }
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            bool same = list->count() == static_cast<int>(s.items.size());
            for (int i = 0; same && i < list->count(); ++i) same = list->itemText(i) == qtText(s.items[i]);
            if (!same) {
                list->clear();
                for (const std::string& item : s.items) list->addItem(qtText(item));
            }
            list->setCurrentIndex(s.value);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (s.kind == K::Check || s.kind == K::Radio) button->setChecked(s.checked);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(qtText(s.text));
        } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
            line->setText(qtText(s.text));
        }
    }
}

void MainWindow::syncCaptions() {
    // Parameter captions follow their lists.
    for (QLabel* caption : findChildren<QLabel*>("caption")) {
        QWidget* buddy = widgetOf(static_cast<Control>(caption->property("captionOf").toInt()));
        if (buddy) caption->setVisible(!buddy->isHidden());
    }
}

void MainWindow::syncRun() {
    if (model_->busy()) {
        runLabel_->setText(qtText(formatText(translate("Window", "%d s").c_str(), static_cast<int>(model_->runSeconds()))));
        runLabel_->setVisible(model_->runSeconds() >= 1.0);
        cancelButton_->setVisible(model_->runSeconds() >= 0.5);
        if (!clock_.isActive()) clock_.start(250);
    } else {
        runLabel_->hide();
        cancelButton_->hide();
        clock_.stop();
    }
    for (QToolButton* b : findChildren<QToolButton*>()) {
        if (b->objectName() == "historyBack") b->setEnabled(!model_->busy() && model_->historyPosition() > 0);
        if (b->objectName() == "historyForward")
            b->setEnabled(!model_->busy() && model_->historyPosition() + 1 < static_cast<int>(model_->history().size()));
    }
}

void MainWindow::reloadPictures() {
    if (pictureVersion_ == model_->pictureVersion()) return;
    pictureVersion_ = model_->pictureVersion();
    const Map* map = model_->map();
    if (map && map->image) {
        if (model_->shownFrame() != shownFrame_ || view_->pyramid() == busyPicture_.get() || !view_->pyramid()) {
            // A run made it on the worker beside the map; a loaded map's is made here.
            std::shared_ptr<const PicturePyramid> pyramid =
                map->pyramid ? PicturePyramid::fromPyramid(map->pyramid) : PicturePyramid::fromPicture(map->image.get());
            view_->setPyramid(std::move(pyramid));
            shownFrame_ = model_->shownFrame();
        }
    } else if (model_->busy()) {
        // The first map of the session is on its way.
        if (!busyPicture_) busyPicture_ = PicturePyramid::fromImage(loadPicture(model_->previewPicture()));
        if (!busyPicture_->levels.empty()) view_->setPyramid(busyPicture_);
        shownFrame_ = -1;
    } else {
        view_->clear();
        shownFrame_ = -1;
    }
    themePreview_->setImage(loadPicture(model_->themePreviewPicture()));
    stylePreview_->setImage(loadPicture(model_->stylePreviewPicture()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // An edited map is not lost without asking (once: Exit has asked already when it closes us).
    if (!model_->quitting() && !model_->mayReplaceMap()) {
        event->ignore();
        syncFromModel();
        return;
    }
    // A running map is stopped first.
    model_->cancelRun();
    model_->waitForWorker();
    event->accept();
    if (windowSettingsPath().isEmpty()) return;  // no folder of the user's: nothing is kept
    QSettings settings(windowSettingsPath(), QSettings::IniFormat);
    settings.setValue("window/geometry", saveGeometry());
    settings.setValue("window/lastFolder", qtText(model_->lastFolder().string()));
    settings.setValue("window/teams", model_->teams());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    // Only a PNG file can be a map: anything else is refused while it is still being dragged.
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile() && urls.first().toLocalFile().endsWith(".png", Qt::CaseInsensitive))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile() || !urls.first().toLocalFile().endsWith(".png", Qt::CaseInsensitive))
        return;
    model_->dropFile(urls.first().toLocalFile().toStdString());
    event->acceptProposedAction();
    after();
}

}  // namespace brambex
