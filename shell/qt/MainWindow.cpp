#include "shell/qt/MainWindow.h"

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

namespace {

QString qtText(const std::string& s) { return QString::fromStdString(s); }

// The window's remembered values, in the user's config folder (empty: none is known).
QString windowSettingsPath() {
    const auto file = platform::windowSettingsFile();
    return file ? QString::fromStdString(file->string()) : QString();
}

// What each control does, in a map maker's words.
const std::map<Control, const char*>& toolTips() {
    static const std::map<Control, const char*> tips{
        {C::GameType, "The kind of map to make"},
        {C::SaveSettings, "Keep these settings for this map type: they come back the next time it is chosen"},
        {C::Random, "Let each map pick its own theme and the choices below"},
        {C::Manual, "Choose the theme and the choices below yourself"},
        {C::Theme, "The look of the land: soil, grass, roots and decorations"},
        {C::Algorithm, "How Bow and Arrow spreads its pictures: denser towards the bottom, or anywhere"},
        {C::Style, "The pictures a Bow and Arrow map is made of"},
        {C::Layout, "A Shopper map as a street of shops (City) or as a maze of arcades (Maze)"},
        {C::Brick, "What the forts are built of"},
        {C::Smoothing, "How round the race course's corners are"},
        {C::Modify, "Keep this map's seed: Generate makes the same map again with the settings changed"},
        {C::Grass, "With Modify: give the fort a new hill"},
        {C::NoTopSoil, "Soil only: no grass on top and no roots below"},
        {C::ShowTransparency, "Show the map's empty space white in the saved previews"},
        {C::ForceFullColour, "Save the map with all its colours instead of 64"},
        {C::Water, "The colour of the water under the map in the game"},
        {C::LoadMap, "Open a saved map (Ctrl+O)"},
        {C::SaveMap, "Save the map as a new file"},
        {C::EditMap, "Edit which colours of the map are destructible, tough or indestructible (IndiMask)"},
        {C::Width, "How wide the map is, in pixels"},
        {C::Height, "How high the map is, in pixels"},
        {C::PathSize, "How wide the passages are"},
        {C::Islands, "How many islands or caves the map has"},
        {C::Complexity, "How winding the land is: more points on its outline, or more turns in the course"},
        {C::Objects, "How many decorations stand on the land"},
        {C::BnaObjects, "How many pictures the map holds"},
        {C::Pads, "How many weapon crates the building has"},
        {C::Padding, "How many rows of tiles at the bottom are filled with land"},
        {C::ResetAll, "Put every setting back as it was when the program started"},
        {C::Generate, "Make a new map with these settings (Ctrl+G or F5)"},
        {C::Preview, "The map: drag to move it, turn the wheel to zoom"},
        {C::ThemePreview, "The chosen theme's soil"},
        {C::StylePreview, "The chosen style's pictures"},
    };
    return tips;
}

// A file the view shows: only real PNG or BMP pictures; a missing file gives none.
QImage loadPicture(const fs::path& path) {
    if (path.empty()) return {};
    QImage image;
    if (!image.load(QString::fromStdString(path.string()))) return {};
    return image;
}

}  // namespace

// ---------------------------------------------------------------- real dialogs

std::optional<fs::path> QtWindowServices::askSavePath(const fs::path& proposed) {
    const QString chosen = QFileDialog::getSaveFileName(parent_, "Save As", qtText(proposed.string()),
                                                        "PNG Files (*.png);;All Files (*.*)");
    if (chosen.isEmpty()) return std::nullopt;
    return fs::path(chosen.toStdString());
}

std::optional<fs::path> QtWindowServices::askLoadPath(const fs::path& folder) {
    const QString chosen = QFileDialog::getOpenFileName(parent_, "Load Map", qtText(folder.string()),
                                                        "PNG Files (*.png);;All Files (*.*)");
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
    QMessageBox box(QMessageBox::Warning, "Brambex", qtText("The map " + mapName + " has changes that are not saved."),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setInformativeText("Save them before the map is replaced?");
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
        QProgressDialog progress("Reducing the map to its 64 colours for the editor...", QString(), 0, 0, parent_);
        progress.setWindowTitle("Edit Map");
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
    const QString code = QInputDialog::getText(parent_, "Map from Code", "Map code (as Copy Map Code gives it):",
                                               QLineEdit::Normal, offered, &ok);
    if (!ok || code.trimmed().isEmpty()) return std::nullopt;
    return code.toStdString();
}

void QtWindowServices::quit() {
    if (parent_) parent_->close();
    QApplication::quit();
}


// ---------------------------------------------------------------- the window

MainWindow::MainWindow(WindowServices* services, QWidget* parent) : QMainWindow(parent) {
    if (!services) {
        ownServices_ = std::make_unique<QtWindowServices>(this);
        services = ownServices_.get();
    }
    services_ = services;
    model_ = std::make_unique<MainWindowModel>(*services_);
    setWindowTitle("Brambex");
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
    // What the view shows of a finished map is made on the worker, off this thread.
    model_->setMapPreparer([this](const Map& map) {
        std::shared_ptr<const PicturePyramid> pyramid = PicturePyramid::fromPicture(map.image.get());
        std::lock_guard<std::mutex> lock(preparedLock_);
        preparedFor_ = &map;
        prepared_ = std::move(pyramid);
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

void MainWindow::buildWidgets() {
    background_ = new BackgroundWidget(this);
    setCentralWidget(background_);
    auto name = [](QWidget* w, Control c) {
        w->setObjectName(QString("control%1").arg(static_cast<int>(c)));
        return w;
    };
    auto add = [&](Control c, QWidget* w) {
        widgets_[c] = name(w, c);
        return w;
    };
    auto label = [&](Control c) { return add(c, new QLabel(qtText(model_->control(c).text))); };
    auto slider = [&](Control c) {
        auto* s = new QSlider(Qt::Horizontal);
        s->setMinimumWidth(150);
        // Sizes move in the steps the map is rounded to.
        if (c == C::Width || c == C::Height) s->setSingleStep(8);
        return add(c, s);
    };
    auto list = [&](Control c) { return add(c, new QComboBox); };
    auto check = [&](Control c) { return add(c, new QCheckBox(qtText(model_->control(c).text))); };
    auto button = [&](Control c) { return add(c, new QPushButton(qtText(model_->control(c).text))); };

    // The preview: the map at full resolution, as large as the window allows, with its zoom.
    auto* previewBox = new QGroupBox("Preview");
    auto* previewLayout = new QVBoxLayout(previewBox);
    auto* viewBar = new QHBoxLayout;
    auto tool = [&](const char* text, const char* tip, auto slot) {
        auto* b = new QToolButton(previewBox);
        b->setText(text);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, slot);
        viewBar->addWidget(b);
        return b;
    };
    tool("\u25C0", "The map before this one in this session (Alt+Left)", [this] {
        model_->historyBack();
        after();
    })->setObjectName("historyBack");
    tool("\u25B6", "The next map of this session (Alt+Right)", [this] {
        model_->historyForward();
        after();
    })->setObjectName("historyForward");
    tool("Fit", "Show the whole map (Ctrl+0)", [this] { view_->fit(); })->setObjectName("zoomFit");
    tool("1:1", "One map pixel per screen pixel (Ctrl+1)", [this] { view_->actualSize(); })->setObjectName("zoomActual");
    tool("\u2212", "Zoom out (Ctrl+-, or the mouse wheel)", [this] { view_->zoomOut(); });
    tool("+", "Zoom in (Ctrl++, or the mouse wheel)", [this] { view_->zoomIn(); });
    auto* live = new QCheckBox("Live", previewBox);
    live->setObjectName("live");
    live->setChecked(model_->live());
    live->setToolTip(qtText(formatText("While a slider or list changes, make the map on screen again with its seed "
                                       "at once (maps over %lld million pixels wait for Generate)",
                                       MainWindowModel::MAX_LIVE_PIXELS / 1'000'000)));
    connect(live, &QCheckBox::toggled, this, [this](bool on) { model_->setLive(on); });
    viewBar->addWidget(live);
    zoomLabel_ = new QLabel(previewBox);
    zoomLabel_->setObjectName("zoomLabel");
    zoomLabel_->setMinimumWidth(48);
    viewBar->addWidget(zoomLabel_);
    mapCaption_ = new QLabel(previewBox);
    mapCaption_->setObjectName("mapCaption");
    mapCaption_->setStyleSheet("color: #8a3a00; font-weight: bold;");
    viewBar->addStretch(1);
    viewBar->addWidget(mapCaption_);
    previewLayout->addLayout(viewBar);
    view_ = new MapView(previewBox);
    view_->setToolTip("Drag to move the map, turn the wheel to zoom");
    add(C::Preview, view_);
    previewLayout->addWidget(view_, 1);
    // Whether the map can be played, under it; a figure that misses the type's threshold in red.
    playability_ = new QLabel(previewBox);
    playability_->setObjectName("playability");
    playability_->setToolTip("Standing places: spots a character stands on, 40 px apart. Reachable: how many of "
                             "them reach each other through air. Course: the narrowest width of a race or maze.");
    previewLayout->addWidget(playability_);
    connect(view_, &MapView::zoomChanged, this,
            [this](double zoom) { zoomLabel_->setText(QString("%1%").arg(static_cast<int>(std::lround(zoom * 100)))); });

    auto* outputBox = new QGroupBox("Output Parameters");
    auto* output = new QGridLayout(outputBox);
    output->addWidget(check(C::ShowTransparency), 0, 0);
    output->addWidget(check(C::ForceFullColour), 0, 1);
    output->addWidget(label(C::WaterLabel), 1, 0, Qt::AlignRight);
    output->addWidget(list(C::Water), 1, 1);
    output->addWidget(button(C::LoadMap), 2, 0);
    output->addWidget(button(C::SaveMap), 2, 1);
    auto* edit = static_cast<QPushButton*>(button(C::EditMap));
    edit->setText("...");
    edit->setToolTip("Edit the map's destructible, tough and indestructible colours (IndiMask)");
    edit->setFixedWidth(28);
    output->addWidget(edit, 2, 2);

    auto* slidersBox = new QGroupBox;
    auto* sliders = new QGridLayout(slidersBox);
    int row = 0;
    // Every slider with a box beside it that shows its value and takes a typed one (the value
    // labels of the model stay out of the window: the boxes say the same).
    auto sliderRow = [&](std::initializer_list<Control> labels, Control s, std::optional<Control> value) {
        (void)value;
        auto* labelCell = new QHBoxLayout;
        for (Control l : labels) labelCell->addWidget(label(l));
        sliders->addLayout(labelCell, row, 0);
        sliders->addWidget(slider(s), row, 1);
        auto* box = new QSpinBox;
        box->setObjectName(QString("box%1").arg(static_cast<int>(s)));
        box->setKeyboardTracking(false);
        box->setMinimumWidth(72);
        box->setAccelerated(true);
        sliderBoxes_[s] = box;
        sliders->addWidget(box, row, 2);
        ++row;
    };
    sliderRow({C::WidthLabel}, C::Width, C::WidthValue);
    sliderRow({C::HeightLabel}, C::Height, C::HeightValue);
    sliderRow({C::PathSizeLabel}, C::PathSize, C::PathSizeValue);
    sliderRow({C::IslandsLabel, C::CavesLabel}, C::Islands, C::IslandsValue);
    sliderRow({C::ComplexityLabel}, C::Complexity, std::nullopt);
    sliderRow({C::ObjectsLabel}, C::Objects, std::nullopt);
    sliderRow({C::BnaObjectsLabel}, C::BnaObjects, std::nullopt);
    sliderRow({C::PadsLabel}, C::Pads, std::nullopt);
    sliderRow({C::PaddingLabel}, C::Padding, std::nullopt);
    sliders->setRowStretch(row, 1);

    // Right column: game type, parameters, the two big buttons.
    auto* typeBox = new QGroupBox("Game Type");
    auto* typeLayout = new QHBoxLayout(typeBox);
    typeLayout->addWidget(list(C::GameType), 1);
    typeLayout->addWidget(button(C::SaveSettings));

    auto* paramBox = new QGroupBox("Parameters");
    auto* param = new QGridLayout(paramBox);
    auto* modes = new QHBoxLayout;
    modes->addWidget(add(C::Random, new QRadioButton(qtText(model_->control(C::Random).text))));
    modes->addWidget(add(C::Manual, new QRadioButton(qtText(model_->control(C::Manual).text))));
    param->addLayout(modes, 0, 0, 1, 2);
    auto* themeRow = new QHBoxLayout;
    themeRow->addWidget(list(C::Theme), 1);
    themePreview_ = new PictureArea(QSize(32, 32), paramBox);
    add(C::ThemePreview, themePreview_);
    themeRow->addWidget(themePreview_);
    param->addWidget(new QLabel("Theme:"), 1, 0);
    param->addLayout(themeRow, 1, 1);
    param->addWidget(new QLabel("Algorithm:"), 2, 0);
    param->addWidget(list(C::Algorithm), 2, 1);
    param->addWidget(new QLabel("Style:"), 3, 0);
    param->addWidget(list(C::Style), 3, 1);
    stylePreview_ = new PictureArea(QSize(96, 48), paramBox);
    add(C::StylePreview, stylePreview_);
    param->addWidget(stylePreview_, 4, 1);
    param->addWidget(new QLabel("Layout:"), 5, 0);
    param->addWidget(list(C::Layout), 5, 1);
    param->addWidget(new QLabel("Brick:"), 6, 0);
    param->addWidget(list(C::Brick), 6, 1);
    param->addWidget(new QLabel("Smoothing:"), 7, 0);
    param->addWidget(list(C::Smoothing), 7, 1);
    param->addWidget(check(C::Modify), 8, 0);
    param->addWidget(check(C::Grass), 8, 1);
    param->addWidget(check(C::NoTopSoil), 9, 0, 1, 2);
    seedField_ = new QLineEdit;
    seedField_->setObjectName("seedField");
    seedField_->setPlaceholderText("new seed each time");
    seedField_->setToolTip("Type a seed to make that map again (as brambex --seed does); Enter generates it");
    seedField_->setAccessibleName("Seed");
    param->addWidget(new QLabel("Seed:"), 10, 0);
    param->addWidget(seedField_, 10, 1);
    currentSeed_ = new QLineEdit;
    currentSeed_->setObjectName("currentSeed");
    currentSeed_->setReadOnly(true);
    currentSeed_->setToolTip("The seed of the map shown");
    currentSeed_->setAccessibleName("Map seed");
    param->addWidget(new QLabel("Map seed:"), 11, 0);
    param->addWidget(currentSeed_, 11, 1);
    // The map's code: its whole recipe, to copy and send (File > Open Code makes one).
    mapCode_ = new QLineEdit;
    mapCode_->setObjectName("mapCode");
    mapCode_->setReadOnly(true);
    mapCode_->setAccessibleName("Map code");
    mapCode_->setToolTip("The code of the map shown: every value it was made from. Paste it into File > Open Code, "
                         "or give it to brambex --code, to make the same map");
    auto* copyCode = new QToolButton;
    copyCode->setObjectName("copyMapCode");
    copyCode->setText("Copy");
    copyCode->setToolTip("Copy the map's code (Ctrl+Shift+C)");
    copyCode->setAccessibleName("Copy map code");
    connect(copyCode, &QToolButton::clicked, this, [this] { copyMapCode(); });
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(mapCode_, 1);
    codeRow->addWidget(copyCode);
    param->addWidget(new QLabel("Map code:"), 12, 0);
    param->addLayout(codeRow, 12, 1);
    param->setRowStretch(13, 1);

    // Labels that sit in the layouts but belong to a list: hidden with it.
    for (QLabel* caption : paramBox->findChildren<QLabel*>()) caption->setObjectName("caption");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(C::ResetAll));
    buttons->addStretch(1);
    auto* generate = static_cast<QPushButton*>(button(C::Generate));
    generate->setDefault(true);
    generate->setMinimumHeight(36);
    generate->setMinimumWidth(140);
    buttons->addWidget(generate);

    // The status line: what the program says, how long a run has taken, and its Cancel (Esc).
    auto* status = new QLabel;
    status->setFocusPolicy(Qt::NoFocus);
    add(C::Status, status);
    statusBar()->addWidget(status, 1);
    runLabel_ = new QLabel;
    runLabel_->setObjectName("runTime");
    statusBar()->addPermanentWidget(runLabel_);
    cancelButton_ = new QPushButton("Cancel");
    cancelButton_->setObjectName("cancelRun");
    cancelButton_->setToolTip("Stop making this map; the map shown before stays (Esc)");
    cancelButton_->setFocusPolicy(Qt::NoFocus);
    cancelButton_->hide();
    statusBar()->addPermanentWidget(cancelButton_);
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        model_->cancelRun();
        after();
    });
    connect(&clock_, &QTimer::timeout, this, [this] { syncFromModel(); });

    // The controls in one column beside the preview; it scrolls when the window is low.
    auto* panel = new QWidget;
    panel->setObjectName("controlPanel");
    auto* right = new QVBoxLayout(panel);
    right->setContentsMargins(0, 0, 6, 0);
    right->addWidget(typeBox);
    right->addWidget(paramBox);
    right->addWidget(outputBox);
    right->addWidget(slidersBox);
    right->addLayout(buttons);
    right->addStretch(1);
    auto* scroll = new QScrollArea;
    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedWidth(430);
    scroll->setStyleSheet("QScrollArea, #controlPanel { background: transparent; }");
    auto* columns = new QHBoxLayout;
    columns->addWidget(previewBox, 1);
    columns->addWidget(scroll, 0);
    // Light panels over the dark background picture keep every label readable.
    background_->setStyleSheet(
        "QGroupBox { background: rgba(246, 243, 236, 228); border: 1px solid rgba(0, 0, 0, 70);"
        " border-radius: 6px; margin-top: 14px; padding-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px;"
        " padding: 1px 6px; background: rgba(246, 243, 236, 235); border: 1px solid rgba(0, 0, 0, 70);"
        " border-radius: 4px; }");
    auto* whole = new QVBoxLayout(background_);
    whole->addLayout(columns, 1);

    // What a screen reader says of each control: its label's words (the sliders and lists sit beside
    // a label of their own, which Qt does not tie to them), and of each value box the same.
    static const std::map<Control, const char*> names{
        {C::Width, "Width"},           {C::Height, "Height"},       {C::PathSize, "Path size"},
        {C::Islands, "Islands or caves"}, {C::Complexity, "Complexity"}, {C::Objects, "Objects"},
        {C::BnaObjects, "Objects"},    {C::Pads, "Weapon pads"},    {C::Padding, "Padding"},
        {C::GameType, "Game type"},    {C::Theme, "Theme"},         {C::Algorithm, "Algorithm"},
        {C::Style, "Style"},           {C::Layout, "Layout"},       {C::Brick, "Brick"},
        {C::Smoothing, "Smoothing"},   {C::Water, "Water"},         {C::SaveSettings, "Save the settings of this map type"},
        {C::EditMap, "Edit the IndiMask"}, {C::Preview, "Map preview"},
    };
    for (const auto& [c, name] : names) {
        if (QWidget* w = widgetOf(c)) w->setAccessibleName(name);
        if (sliderBoxes_.count(c)) sliderBoxes_[c]->setAccessibleName(QString(name) + " value");
    }
    for (const auto& [c, tip] : toolTips()) {
        if (QWidget* w = widgetOf(c)) w->setToolTip(tip);
        if (sliderBoxes_.count(c)) sliderBoxes_[c]->setToolTip(QString(tip) + " (type a value)");
    }
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("&Load", QKeySequence::Open, this, [this] {
        model_->menu(MenuCommand::LoadMap);
        after();
    });
    file->addAction("&Save", QKeySequence::Save, this, [this] {
        model_->menu(MenuCommand::Save);
        after();
    });
    file->addAction("Save &As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, [this] {
        model_->menu(MenuCommand::SaveMap);
        after();
    });
    file->addAction("Open &Code...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this, [this] {
        model_->menu(MenuCommand::MapFromCode);
        after();
    });
    recentMenu_ = file->addMenu("&Recent");
    recentMenu_->setObjectName("recentMenu");
    file->addSeparator();
    file->addAction("E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] {
        model_->menu(MenuCommand::Exit);
        after();
    });
    QMenu* edit = menuBar()->addMenu("&Edit");
    undoAction_ = edit->addAction("&Undo", QKeySequence::Undo, this, [this] {
        model_->undoEdit();
        after();
    });
    redoAction_ = edit->addAction("&Redo", QKeySequence::Redo, this, [this] {
        model_->redoEdit();
        after();
    });
    edit->addSeparator();
    edit->addAction("&IndiMask", this, [this] {
        model_->menu(MenuCommand::IndiMask);
        after();
    });
    edit->addAction("Copy Map &Code", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, [this] { copyMapCode(); });
    edit->addSeparator();
    edit->addAction("&Candidates...", QKeySequence(Qt::CTRL | Qt::Key_K), this, [this] { showCandidates(false); });
    edit->addAction("&Playable Candidates...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), this,
                    [this] { showCandidates(true); });
    QMenu* view = menuBar()->addMenu("&View");
    view->addAction("&Fit", QKeySequence(Qt::CTRL | Qt::Key_0), this, [this] { view_->fit(); });
    view->addAction("&1:1", QKeySequence(Qt::CTRL | Qt::Key_1), this, [this] { view_->actualSize(); });
    auto* zoomIn = view->addAction("Zoom &In", this, [this] { view_->zoomIn(); });
    zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    view->addAction("Zoom &Out", QKeySequence(Qt::CTRL | Qt::Key_Minus), this, [this] { view_->zoomOut(); });
    view->addSeparator();
    view->addAction("&Back", QKeySequence(Qt::ALT | Qt::Key_Left), this, [this] {
        model_->historyBack();
        after();
    });
    view->addAction("Fo&rward", QKeySequence(Qt::ALT | Qt::Key_Right), this, [this] {
        model_->historyForward();
        after();
    });
    QMenu* historyMenu = view->addMenu("&History");
    historyMenu->setObjectName("historyMenu");
    connect(historyMenu, &QMenu::aboutToShow, this, [this, historyMenu] {
        historyMenu->clear();
        const auto& entries = model_->history();
        for (int k = static_cast<int>(entries.size()) - 1; k >= 0; --k) {
            const auto& e = entries[static_cast<std::size_t>(k)];
            QString text = QString("%1, seed %2").arg(qtText(std::string(typeRow(e.type).info().listText))).arg(e.seed);
            QAction* a = historyMenu->addAction(text, this, [this, k] {
                model_->goToHistory(k);
                after();
            });
            if (e.thumbnail) a->setIcon(QIcon(QPixmap::fromImage(imageOfPicture(e.thumbnail.get()).scaled(96, 35))));
            a->setCheckable(true);
            a->setChecked(k == model_->historyPosition());
        }
        if (entries.empty()) historyMenu->addAction("No maps yet")->setEnabled(false);
    });
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, [this] {
        model_->cancelRun();
        after();
    });
    menuBar()->addMenu("&Options")->addAction("&Settings", this, [this] {
        model_->menu(MenuCommand::Settings);
        after();
    });
    menuBar()->addMenu("&Help")->addAction("&About", this, [this] {
        model_->menu(MenuCommand::About);
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

void MainWindow::after() {
    syncFromModel();
}

void MainWindow::copyMapCode() {
    const std::string code = model_->mapCode();
    if (code.empty()) {
        model_->setStatus("The map on screen has no code (it was loaded from a file without one).");
    } else {
        QGuiApplication::clipboard()->setText(qtText(code));
        model_->setStatus("Copied the map code " + code);
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
    // Parameter captions follow their lists.
    for (QLabel* caption : findChildren<QLabel*>("caption")) {
        QWidget* buddy = nullptr;
        const QString text = caption->text();
        if (text == "Theme:") buddy = widgetOf(C::Theme);
        else if (text == "Algorithm:") buddy = widgetOf(C::Algorithm);
        else if (text == "Style:") buddy = widgetOf(C::Style);
        else if (text == "Layout:") buddy = widgetOf(C::Layout);
        else if (text == "Brick:") buddy = widgetOf(C::Brick);
        else if (text == "Smoothing:") buddy = widgetOf(C::Smoothing);
        if (buddy) caption->setVisible(!buddy->isHidden());
    }
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
    if (model_->busy()) {
        runLabel_->setText(QString("%1 s").arg(static_cast<int>(model_->runSeconds())));
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
    // The menu follows the list whenever it changes (a reopened file moves to the top without
    // changing the count).
    if (recentMenu_ && shownRecent_ != model_->recentFiles()) {
        shownRecent_ = model_->recentFiles();
        rebuildRecentMenu();
        saveRecentFiles();
    }
    reloadPictures();
}

void MainWindow::reloadPictures() {
    if (pictureVersion_ == model_->pictureVersion()) return;
    pictureVersion_ = model_->pictureVersion();
    const Map* map = model_->map();
    if (map && map->image) {
        if (map != shownMap_ || view_->pyramid() == busyPicture_.get() || !view_->pyramid()) {
            std::shared_ptr<const PicturePyramid> pyramid;
            {
                // Made on the worker when the map came from a run; a loaded map is made here.
                std::lock_guard<std::mutex> lock(preparedLock_);
                if (preparedFor_ == map) pyramid = std::move(prepared_);
                preparedFor_ = nullptr;
                prepared_.reset();
            }
            if (!pyramid) pyramid = PicturePyramid::fromPicture(map->image.get());
            view_->setPyramid(std::move(pyramid));
            shownMap_ = map;
        }
    } else if (model_->busy()) {
        // The first map of the session is on its way.
        if (!busyPicture_) busyPicture_ = PicturePyramid::fromImage(loadPicture(model_->previewPicture()));
        if (!busyPicture_->levels.empty()) view_->setPyramid(busyPicture_);
        shownMap_ = nullptr;
    } else {
        view_->clear();
        shownMap_ = nullptr;
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
