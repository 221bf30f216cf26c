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

void MainWindow::buildWidgets() {
    background_ = new BackgroundWidget(this);
    setCentralWidget(background_);
    QGroupBox* preview = buildPreviewGroup();
    QGroupBox* type = buildTypeGroup();
    QGroupBox* parameters = buildParameterGroup();
    QGroupBox* output = buildOutputGroup();
    QGroupBox* sliders = buildSlidersGroup();
    QHBoxLayout* buttons = buildButtonRow();
    buildStatusBar();
    arrangePanels(preview, {type, parameters, output, sliders}, buttons);
    nameControls();
}

QWidget* MainWindow::addControl(Control c, QWidget* w) {
    w->setObjectName(QString("control%1").arg(static_cast<int>(c)));
    widgets_[c] = w;
    return w;
}

QWidget* MainWindow::controlLabel(Control c) { return addControl(c, new QLabel(qtText(model_->control(c).text))); }

QWidget* MainWindow::controlSlider(Control c) {
    auto* s = new QSlider(Qt::Horizontal);
    s->setMinimumWidth(150);
    // Sizes move in the steps the map is rounded to.
    if (c == C::Width || c == C::Height) s->setSingleStep(8);
    return addControl(c, s);
}

QWidget* MainWindow::controlList(Control c) { return addControl(c, new QComboBox); }

QWidget* MainWindow::controlCheck(Control c) { return addControl(c, new QCheckBox(qtText(model_->control(c).text))); }

QWidget* MainWindow::controlButton(Control c) { return addControl(c, new QPushButton(qtText(model_->control(c).text))); }

QGroupBox* MainWindow::buildPreviewGroup() {
    // The preview: the map at full resolution, as large as the window allows, with its zoom.
    auto* previewBox = new QGroupBox(qtText(translate("Window", "Preview")));
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addLayout(buildViewBar(previewBox));
    view_ = new MapView(previewBox);
    view_->setToolTip(qtText(translate("Window", "Drag to move the map, turn the wheel to zoom")));
    addControl(C::Preview, view_);
    previewLayout->addWidget(view_, 1);
    // Whether the map can be played, under it; a figure that misses the type's threshold in red.
    playability_ = new QLabel(previewBox);
    playability_->setObjectName("playability");
    playability_->setToolTip(qtText(translate("Window", "Standing places: spots a character stands on, 40 px apart. Reachable: how many of "
                             "them reach each other through air. Course: the narrowest width of a race or maze.")));
    // The figures are for the number of teams chosen beside them.
    auto* figures = new QHBoxLayout;
    figures->addWidget(playability_, 1);
    auto* teams = static_cast<QComboBox*>(controlList(C::Teams));
    teams->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    figures->addWidget(teams);
    previewLayout->addLayout(figures);
    connect(view_, &MapView::zoomChanged, this,
            [this](double zoom) { zoomLabel_->setText(QString("%1%").arg(static_cast<int>(std::lround(zoom * 100)))); });
    return previewBox;
}

QHBoxLayout* MainWindow::buildViewBar(QGroupBox* previewBox) {
    auto* viewBar = new QHBoxLayout;
    auto tool = [&](const QString& text, const std::string& tip, auto slot) {
        auto* b = new QToolButton(previewBox);
        b->setText(text);
        b->setToolTip(qtText(tip));
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, slot);
        viewBar->addWidget(b);
        return b;
    };
    tool("\u25C0", translate("Window", "The map before this one in this session (Alt+Left)"), [this] {
        model_->historyBack();
        after();
    })->setObjectName("historyBack");
    tool("\u25B6", translate("Window", "The next map of this session (Alt+Right)"), [this] {
        model_->historyForward();
        after();
    })->setObjectName("historyForward");
    tool(qtText(translate("Window", "Fit")), translate("Window", "Show the whole map (Ctrl+0)"), [this] { view_->fit(); })->setObjectName("zoomFit");
    tool("1:1", translate("Window", "One map pixel per screen pixel (Ctrl+1)"), [this] { view_->actualSize(); })->setObjectName("zoomActual");
    tool("\u2212", translate("Window", "Zoom out (Ctrl+-, or the mouse wheel)"), [this] { view_->zoomOut(); });
    tool("+", translate("Window", "Zoom in (Ctrl++, or the mouse wheel)"), [this] { view_->zoomIn(); });
    auto* live = new QCheckBox(qtText(translate("Window", "Live")), previewBox);
    live->setObjectName("live");
    live->setChecked(model_->live());
    live->setToolTip(qtText(formatText(translate("Window", "While a slider or list changes, make the map on screen again with its seed "
                                                           "at once (maps over %lld million pixels wait for Generate)").c_str(),
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
    return viewBar;
}

QGroupBox* MainWindow::buildOutputGroup() {
    auto* outputBox = new QGroupBox(qtText(translate("Window", "Output Parameters")));
    auto* output = new QGridLayout(outputBox);
    output->addWidget(controlCheck(C::ShowTransparency), 0, 0);
    output->addWidget(controlCheck(C::ForceFullColour), 0, 1);
    output->addWidget(controlLabel(C::WaterLabel), 1, 0, Qt::AlignRight);
    output->addWidget(controlList(C::Water), 1, 1);
    output->addWidget(controlButton(C::LoadMap), 2, 0);
    output->addWidget(controlButton(C::SaveMap), 2, 1);
    auto* edit = static_cast<QPushButton*>(controlButton(C::EditMap));
    edit->setText("...");
    edit->setToolTip(qtText(translate("Window", "Edit the map's destructible, tough and indestructible colours (IndiMask)")));
    edit->setFixedWidth(28);
    output->addWidget(edit, 2, 2);
    return outputBox;
}

QGroupBox* MainWindow::buildSlidersGroup() {
    auto* slidersBox = new QGroupBox;
    auto* sliders = new QGridLayout(slidersBox);
    int row = 0;
    // Every slider with a box beside it that shows its value and takes a typed one (the value
    // labels of the model stay out of the window: the boxes say the same).
    auto sliderRow = [&](std::initializer_list<Control> labels, Control s) {
        auto* labelCell = new QHBoxLayout;
        for (Control l : labels) labelCell->addWidget(controlLabel(l));
        sliders->addLayout(labelCell, row, 0);
        sliders->addWidget(controlSlider(s), row, 1);
        auto* box = new QSpinBox;
        box->setObjectName(QString("box%1").arg(static_cast<int>(s)));
        box->setKeyboardTracking(false);
        box->setMinimumWidth(72);
        box->setAccelerated(true);
        sliderBoxes_[s] = box;
        sliders->addWidget(box, row, 2);
        ++row;
    };
    sliderRow({C::WidthLabel}, C::Width);
    sliderRow({C::HeightLabel}, C::Height);
    sliderRow({C::PathSizeLabel}, C::PathSize);
    sliderRow({C::IslandsLabel, C::CavesLabel}, C::Islands);
    sliderRow({C::ComplexityLabel}, C::Complexity);
    sliderRow({C::ObjectsLabel}, C::Objects);
    sliderRow({C::BnaObjectsLabel}, C::BnaObjects);
    sliderRow({C::PadsLabel}, C::Pads);
    sliderRow({C::PaddingLabel}, C::Padding);
    sliders->setRowStretch(row, 1);
    return slidersBox;
}

QGroupBox* MainWindow::buildTypeGroup() {
    auto* typeBox = new QGroupBox(qtText(translate("Window", "Game Type")));
    auto* typeLayout = new QHBoxLayout(typeBox);
    typeLayout->addWidget(controlList(C::GameType), 1);
    typeLayout->addWidget(controlButton(C::SaveSettings));
    return typeBox;
}

QGroupBox* MainWindow::buildParameterGroup() {
    auto* paramBox = new QGroupBox(qtText(translate("Window", "Parameters")));
    auto* param = new QGridLayout(paramBox);
    auto* modes = new QHBoxLayout;
    modes->addWidget(addControl(C::Random, new QRadioButton(qtText(model_->control(C::Random).text))));
    modes->addWidget(addControl(C::Manual, new QRadioButton(qtText(model_->control(C::Manual).text))));
    param->addLayout(modes, 0, 0, 1, 2);
    auto* themeRow = new QHBoxLayout;
    themeRow->addWidget(controlList(C::Theme), 1);
    themePreview_ = new PictureArea(QSize(32, 32), paramBox);
    addControl(C::ThemePreview, themePreview_);
    themeRow->addWidget(themePreview_);
    param->addWidget(captionFor(C::Theme, qtText(translate("Window", "Theme:"))), 1, 0);
    param->addLayout(themeRow, 1, 1);
    param->addWidget(captionFor(C::Algorithm, qtText(translate("Window", "Algorithm:"))), 2, 0);
    param->addWidget(controlList(C::Algorithm), 2, 1);
    param->addWidget(captionFor(C::Style, qtText(translate("Window", "Style:"))), 3, 0);
    param->addWidget(controlList(C::Style), 3, 1);
    stylePreview_ = new PictureArea(QSize(96, 48), paramBox);
    addControl(C::StylePreview, stylePreview_);
    param->addWidget(stylePreview_, 4, 1);
    param->addWidget(captionFor(C::Layout, qtText(translate("Window", "Layout:"))), 5, 0);
    param->addWidget(controlList(C::Layout), 5, 1);
    param->addWidget(captionFor(C::Brick, qtText(translate("Window", "Brick:"))), 6, 0);
    param->addWidget(controlList(C::Brick), 6, 1);
    param->addWidget(captionFor(C::Smoothing, qtText(translate("Window", "Smoothing:"))), 7, 0);
    param->addWidget(controlList(C::Smoothing), 7, 1);
    param->addWidget(controlCheck(C::Modify), 8, 0);
    param->addWidget(controlCheck(C::Grass), 8, 1);
    param->addWidget(controlCheck(C::NoTopSoil), 9, 0);
    param->addWidget(controlCheck(C::Mirror), 9, 1);
    addSeedRows(param, 10);
    param->setRowStretch(13, 1);
    return paramBox;
}

QLabel* MainWindow::captionFor(Control list, const QString& text) {
    // A caption that belongs to a list: hidden with it (the list's number says which).
    auto* caption = new QLabel(text);
    caption->setObjectName("caption");
    caption->setProperty("captionOf", static_cast<int>(list));
    return caption;
}

void MainWindow::addSeedRows(QGridLayout* param, int row) {
    seedField_ = new QLineEdit;
    seedField_->setObjectName("seedField");
    seedField_->setPlaceholderText(qtText(translate("Window", "new seed each time")));
    seedField_->setToolTip(qtText(translate("Window", "Type a seed to make that map again (as brambex --seed does); Enter generates it")));
    seedField_->setAccessibleName(qtText(translate("Window", "Seed")));
    param->addWidget(new QLabel(qtText(translate("Window", "Seed:"))), row, 0);
    param->addWidget(seedField_, row, 1);
    currentSeed_ = new QLineEdit;
    currentSeed_->setObjectName("currentSeed");
    currentSeed_->setReadOnly(true);
    currentSeed_->setToolTip(qtText(translate("Window", "The seed of the map shown")));
    currentSeed_->setAccessibleName(qtText(translate("Window", "Map seed")));
    param->addWidget(new QLabel(qtText(translate("Window", "Map seed:"))), row + 1, 0);
    param->addWidget(currentSeed_, row + 1, 1);
    // The map's code: its whole recipe, to copy and send (File > Open Code makes one).
    mapCode_ = new QLineEdit;
    mapCode_->setObjectName("mapCode");
    mapCode_->setReadOnly(true);
    mapCode_->setAccessibleName(qtText(translate("Window", "Map code")));
    mapCode_->setToolTip(qtText(translate("Window", "The code of the map shown: every value it was made from. Paste it into File > Open Code, "
                         "or give it to brambex --code, to make the same map")));
    auto* copyCode = new QToolButton;
    copyCode->setObjectName("copyMapCode");
    copyCode->setText(qtText(translate("Window", "Copy")));
    copyCode->setToolTip(qtText(translate("Window", "Copy the map's code (Ctrl+Shift+C)")));
    copyCode->setAccessibleName(qtText(translate("Window", "Copy map code")));
    connect(copyCode, &QToolButton::clicked, this, [this] { copyMapCode(); });
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(mapCode_, 1);
    codeRow->addWidget(copyCode);
    param->addWidget(new QLabel(qtText(translate("Window", "Map code:"))), row + 2, 0);
    param->addLayout(codeRow, row + 2, 1);
}

QHBoxLayout* MainWindow::buildButtonRow() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(controlButton(C::ResetAll));
    buttons->addStretch(1);
    auto* generate = static_cast<QPushButton*>(controlButton(C::Generate));
    generate->setDefault(true);
    generate->setMinimumHeight(36);
    generate->setMinimumWidth(140);
    buttons->addWidget(generate);
    return buttons;
}

void MainWindow::buildStatusBar() {
    // The status line: what the program says, how long a run has taken, and its Cancel (Esc).
    auto* status = new QLabel;
    status->setFocusPolicy(Qt::NoFocus);
    addControl(C::Status, status);
    statusBar()->addWidget(status, 1);
    runLabel_ = new QLabel;
    runLabel_->setObjectName("runTime");
    statusBar()->addPermanentWidget(runLabel_);
    cancelButton_ = new QPushButton(qtText(translate("Window", "Cancel")));
    cancelButton_->setObjectName("cancelRun");
    cancelButton_->setToolTip(qtText(translate("Window", "Stop making this map; the map shown before stays (Esc)")));
    cancelButton_->setFocusPolicy(Qt::NoFocus);
    cancelButton_->hide();
    statusBar()->addPermanentWidget(cancelButton_);
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        model_->cancelRun();
        after();
    });
    connect(&clock_, &QTimer::timeout, this, [this] { syncFromModel(); });
}

void MainWindow::arrangePanels(QGroupBox* preview, std::initializer_list<QWidget*> groups, QLayout* buttons) {
    // The controls in one column beside the preview; it scrolls when the window is low.
    auto* panel = new QWidget;
    panel->setObjectName("controlPanel");
    auto* right = new QVBoxLayout(panel);
    right->setContentsMargins(0, 0, 6, 0);
    for (QWidget* group : groups) right->addWidget(group);
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
    columns->addWidget(preview, 1);
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
}

void MainWindow::nameControls() {
    // What a screen reader says of each control: its label's words (the sliders and lists sit beside
    // a label of their own, which Qt does not tie to them), and of each value box the same.
    static const std::map<Control, const char*> names{
        {C::Width, QT_TRANSLATE_NOOP("Window", "Width")},           {C::Height, QT_TRANSLATE_NOOP("Window", "Height")},       {C::PathSize, QT_TRANSLATE_NOOP("Window", "Path size")},
        {C::Islands, QT_TRANSLATE_NOOP("Window", "Islands or caves")}, {C::Complexity, QT_TRANSLATE_NOOP("Window", "Complexity")}, {C::Objects, QT_TRANSLATE_NOOP("Window", "Objects")},
        {C::BnaObjects, QT_TRANSLATE_NOOP("Window", "Objects")},    {C::Pads, QT_TRANSLATE_NOOP("Window", "Weapon pads")},    {C::Padding, QT_TRANSLATE_NOOP("Window", "Padding")},
        {C::GameType, QT_TRANSLATE_NOOP("Window", "Game type")},    {C::Theme, QT_TRANSLATE_NOOP("Window", "Theme")},         {C::Algorithm, QT_TRANSLATE_NOOP("Window", "Algorithm")},
        {C::Style, QT_TRANSLATE_NOOP("Window", "Style")},           {C::Layout, QT_TRANSLATE_NOOP("Window", "Layout")},       {C::Brick, QT_TRANSLATE_NOOP("Window", "Brick")},
        {C::Smoothing, QT_TRANSLATE_NOOP("Window", "Smoothing")},   {C::Water, QT_TRANSLATE_NOOP("Window", "Water")},         {C::SaveSettings, QT_TRANSLATE_NOOP("Window", "Save the settings of this map type")},
        {C::EditMap, QT_TRANSLATE_NOOP("Window", "Edit the IndiMask")}, {C::Preview, QT_TRANSLATE_NOOP("Window", "Map preview")}, {C::Teams, QT_TRANSLATE_NOOP("Window", "Teams the figures are for")},
    };
    for (const auto& [c, name] : names) {
        const QString said = qtText(translated("Window", name));
        if (QWidget* w = widgetOf(c)) w->setAccessibleName(said);
        if (sliderBoxes_.count(c)) sliderBoxes_[c]->setAccessibleName(qtText(formatText(translate("Window", "%s value").c_str(), said.toStdString().c_str())));
    }
    for (const auto& [c, tip] : toolTips()) {
        const QString said = qtText(translated("Window", tip));
        if (QWidget* w = widgetOf(c)) w->setToolTip(said);
        if (sliderBoxes_.count(c)) sliderBoxes_[c]->setToolTip(qtText(formatText(translate("Window", "%s (type a value)").c_str(), said.toStdString().c_str())));
    }
}

}  // namespace brambex
