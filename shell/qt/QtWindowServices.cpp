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

// The real dialogs of a desktop session.

std::optional<fs::path> QtWindowServices::askSavePath(const fs::path& proposed) {
    const QString chosen = QFileDialog::getSaveFileName(parent_, qtText(translate("Window", "Save As")), qtText(proposed.string()),
                                                        qtText(translate("Window", "PNG Files (*.png);;All Files (*.*)")));
    if (chosen.isEmpty()) return std::nullopt;
    return fs::path(chosen.toStdString());
}

std::optional<fs::path> QtWindowServices::askLoadPath(const fs::path& folder) {
    const QString chosen = QFileDialog::getOpenFileName(parent_, qtText(translate("Window", "Load Map")), qtText(folder.string()),
                                                        qtText(translate("Window", "PNG Files (*.png);;All Files (*.*)")));
    if (chosen.isEmpty()) return std::nullopt;
    return fs::path(chosen.toStdString());
}

void QtWindowServices::showMessage(const UserError& message) {
    QMessageBox::warning(parent_, qtText(message.caption), qtText(message.text));
}

bool QtWindowServices::confirm(const UserError& question) {
    return QMessageBox::question(parent_, qtText(question.caption), qtText(question.text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

SaveChoice QtWindowServices::askSaveChanges(const std::string& mapName) {
    QMessageBox box(QMessageBox::Warning, "Brambex", qtText(formatText(translate("Window", "The map %s has changes that are not saved.").c_str(), mapName.c_str())),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setInformativeText(qtText(translate("Window", "Save them before the map is replaced?")));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

void QtWindowServices::runEditor(MapEditorModel& editor) {
    // A large full-colour map takes seconds to reduce to its 64 colours: that runs beside the
    // window, which says what it is doing meanwhile instead of standing still.
    if (editor.reductionTakesAWhile()) {
        QProgressDialog progress(qtText(translate("Window", "Reducing the map to its 64 colours for the editor...")), QString(), 0, 0, parent_);
        progress.setWindowTitle(qtText(translate("Window", "Edit Map")));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progress.show();
        const Failure failed = editor.reduceToPalette([](gdImagePtr picture) {
            std::future<ImagePtr> reduced = std::async(std::launch::async, [picture] { return quantizeForSave(picture); });
            while (reduced.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return reduced.get();
        });
        progress.close();
        if (failed) {
            showMessage(*failed);
            return;
        }
    }
    MapEditorDialog dialog(editor, [this](const UserError& e) { showMessage(e); }, parent_,
                           [this](const UserError& q) { return confirm(q); });
    dialog.exec();
}

void QtWindowServices::runAbout() {
    AboutDialog dialog(parent_);
    dialog.exec();
}

bool QtWindowServices::runSettings(bool& removeBackground, bool& useModule) {
    SettingsDialog dialog(removeBackground, useModule, parent_);
    if (dialog.exec() != QDialog::Accepted) return false;
    removeBackground = dialog.removeBackground();
    return true;
}

std::optional<std::string> QtWindowServices::askMapCode() {
    // The clipboard's text is offered when it looks like a code.
    QString offered = QGuiApplication::clipboard() ? QGuiApplication::clipboard()->text().trimmed() : QString();
    if (!offered.startsWith("BX") || offered.size() > 200) offered.clear();
    bool ok = false;
    const QString code = QInputDialog::getText(parent_, qtText(translate("Window", "Map from Code")),
                                               qtText(translate("Window", "Map code (as Copy Map Code gives it):")),
                                               QLineEdit::Normal, offered, &ok);
    if (!ok || code.trimmed().isEmpty()) return std::nullopt;
    return code.toStdString();
}

void QtWindowServices::quit() {
    if (parent_) parent_->close();
    QApplication::quit();
}

}  // namespace brambex
