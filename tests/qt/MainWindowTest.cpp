#include <gtest/gtest.h>

#include <QApplication>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QThread>
#include <QToolButton>
#include <QGroupBox>
#include <QUrl>
#include <QtTest/QTest>

#include <fstream>

#include "generators/MapRecipe.h"
#include "map/Map.h"
#include "map/ProcessState.h"
#include "map/Themes.h"
#include "generators/Worker.h"
#include "shell/Startup.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/MapView.h"
#include "tests/FakeWindowServices.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;
using C = Control;

namespace {

using QtFakeServices = test::FakeServices;

class MainWindowTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useWindowWorkspace(root);
        window = std::make_unique<MainWindow>(&services);
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        window.reset();
        TempWorkspace::TearDown();
    }
    template <typename W>
    W* find(Control c) {
        auto* w = window->findChild<W*>(QString("control%1").arg(static_cast<int>(c)));
        EXPECT_NE(w, nullptr) << static_cast<int>(c);
        return w;
    }
    // Runs the event loop until the map is finished and shown.
    bool waitForMap(int ms = 20000) {
        QElapsedTimer t;
        t.start();
        while ((window->model().busy() || window->previewImage().isNull()) && t.elapsed() < ms) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
        return !window->model().busy() && !window->previewImage().isNull();
    }
    // Runs the event loop until the candidates are made and the tile `last` can be picked.
    template <typename Dialog>
    void waitForCandidates(Dialog& dialog, std::size_t last) {
        QElapsedTimer t;
        t.start();
        while ((window->model().busy() || window->model().candidatesWanted() > 0 || !dialog.tiles()[last]->isEnabled()) &&
               t.elapsed() < 30000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
    }

    QtFakeServices services;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, ControlsCarryTheirTextsAndFollowTheModel) {
    EXPECT_EQ(window->windowTitle(), "Untitled - Brambex") << "no map yet";
    EXPECT_EQ(find<QPushButton>(C::Generate)->text(), "&Generate");
    EXPECT_EQ(find<QCheckBox>(C::ShowTransparency)->text(), "Show &Transparency");
    EXPECT_EQ(find<QLabel>(C::CavesLabel)->text(), "Num Caves:");
    auto* types = find<QComboBox>(C::GameType);
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(1), "Island");
    EXPECT_EQ(find<QLabel>(C::Status)->text(), "Cavern");
    // Choosing Island in the list: the model switches, the widgets follow.
    types->setCurrentIndex(1);
    emit types->activated(1);
    EXPECT_EQ(find<QLabel>(C::Status)->text(), "Island");
    auto* complexity = find<QSlider>(C::Complexity);
    EXPECT_EQ(complexity->maximum(), 150);
    EXPECT_EQ(complexity->value(), 150);
    EXPECT_TRUE(find<QLabel>(C::IslandsLabel)->isVisible());
    EXPECT_FALSE(find<QLabel>(C::CavesLabel)->isVisible());
    EXPECT_FALSE(find<QPushButton>(C::SaveMap)->isEnabled()) << "no map yet";
    // A slider moved by the user updates the parameters and its box, in the map's steps of 8; a
    // value typed into the box moves the slider.
    find<QSlider>(C::Width)->setValue(2005);
    EXPECT_EQ(window->model().parameters().width, 2000);
    auto* widthBox = window->findChild<QSpinBox*>(QString("box%1").arg(static_cast<int>(C::Width)));
    ASSERT_NE(widthBox, nullptr);
    EXPECT_EQ(widthBox->value(), 2000);
    widthBox->setValue(3000);
    EXPECT_EQ(find<QSlider>(C::Width)->value(), 3000);
    EXPECT_EQ(window->model().parameters().width, 3000);
    EXPECT_EQ(find<QSlider>(C::Width)->pageStep(), (find<QSlider>(C::Width)->maximum() - find<QSlider>(C::Width)->minimum()) / 10);
    // Every slider shows its value in a box, and every control says what it is for.
    for (Control s : {C::Complexity, C::Objects, C::Padding, C::Pads, C::BnaObjects, C::PathSize, C::Islands})
        EXPECT_NE(window->findChild<QSpinBox*>(QString("box%1").arg(static_cast<int>(s))), nullptr) << static_cast<int>(s);
}

TEST_F(MainWindowTest, GenerateRunsEndToEndAndShowsThePreviewAndTheChosenTheme) {
    find<QRadioButton>(C::Manual)->click();
    auto* themes = find<QComboBox>(C::Theme);
    ASSERT_TRUE(themes->isEnabled());
    themes->setCurrentIndex(3);
    emit themes->activated(3);
    find<QPushButton>(C::Generate)->click();
    EXPECT_FALSE(find<QPushButton>(C::Generate)->isEnabled());
    find<QPushButton>(C::Generate)->click();  // a second press while busy does nothing
    ASSERT_TRUE(waitForMap());
    EXPECT_EQ(window->previewImage().size(), QSize(1920, 696)) << "the map at full resolution";
    EXPECT_EQ(themes->currentIndex(), 3);
    EXPECT_EQ(window->model().map()->themeNumber, 3);
    EXPECT_TRUE(find<QPushButton>(C::SaveMap)->isEnabled());
    EXPECT_TRUE(find<QCheckBox>(C::Modify)->isEnabled());
    EXPECT_FALSE(window->findChild<QLineEdit*>("currentSeed")->text().isEmpty());
}

// In Random mode the run chooses the theme; the list shows it once the run has ended.
TEST_F(MainWindowTest, TheWorkersThemeChoiceReachesTheList) {
    for (int run = 0; run < 3; ++run) {
        find<QPushButton>(C::Generate)->click();
        ASSERT_TRUE(waitForMap());
        EXPECT_EQ(find<QComboBox>(C::Theme)->currentIndex(), window->model().map()->themeNumber);
    }
}

TEST_F(MainWindowTest, ClosingWhileAMapIsMadeWaitsAndLosesNothing) {
    find<QPushButton>(C::Generate)->click();
    ASSERT_TRUE(window->model().busy());
    window->close();
    EXPECT_FALSE(window->model().busy());
    EXPECT_FALSE(window->model().busy());
}

TEST_F(MainWindowTest, RemoveBackgroundStopsPaintingThePicture) {
    EXPECT_TRUE(window->paintsBackground());
    services.settings = [](bool& removeBackground, bool&) {
        removeBackground = true;
        return true;
    };
    window->model().menu(MenuCommand::Settings);
    window->syncFromModel();
    EXPECT_FALSE(window->paintsBackground());
}

TEST_F(MainWindowTest, ADroppedMapLoads) {
    find<QPushButton>(C::Generate)->click();
    ASSERT_TRUE(waitForMap());
    services.savePath = [&](const fs::path&) -> std::optional<fs::path> { return root / "dropped.png"; };
    find<QPushButton>(C::SaveMap)->click();
    ASSERT_TRUE(fs::exists(root / "dropped.png"));
    find<QPushButton>(C::ResetAll)->click();
    EXPECT_TRUE(window->previewImage().isNull());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString((root / "dropped.png").string()))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    ASSERT_NE(window->model().map(), nullptr);
    EXPECT_FALSE(window->previewImage().isNull());
    EXPECT_TRUE(find<QPushButton>(C::SaveMap)->isEnabled());
}

}  // namespace

#include "shell/qt/MapEditorDialog.h"

namespace {

TEST_F(MainWindowTest, TheEditorListsTheMapsColoursAndPicksByClicking) {
    find<QPushButton>(C::Generate)->click();
    ASSERT_TRUE(waitForMap());
    std::vector<UserError> shown;
    int asked = 0;
    bool answer = false;
    MapEditorDialog editor(window->model().mapEditor(), [&](const UserError& e) { shown.push_back(e); }, nullptr,
                           [&](const UserError&) {
                               ++asked;
                               return answer;
                           });
    editor.show();
    QApplication::processEvents();
    EXPECT_TRUE(shown.empty());
    int buttons = 0;
    for (const char* group : {"Destructable", "Tough", "Indestructable"}) {
        auto* box = editor.findChild<QGroupBox*>(group);
        ASSERT_NE(box, nullptr) << group;
        buttons += static_cast<int>(box->findChildren<QToolButton*>().size());
    }
    EXPECT_GT(buttons, 10);
    auto* red = editor.findChild<QLineEdit*>("number0");
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->text(), " ");
    // A click low in the picture lands on the map's land.
    auto* picture = editor.findChild<QWidget*>("editorPicture");
    ASSERT_NE(picture, nullptr);
    for (int y = picture->height() * 3 / 5; y < picture->height() && red->text() == " "; y += 5)
        editor.clickPicture(QPoint(picture->width() / 2, y));
    EXPECT_NE(red->text(), " ") << "a land colour was picked";
    const int before = red->text().toInt();
    editor.findChild<QToolButton*>("nudge0up")->click();
    EXPECT_EQ(red->text().toInt(), std::min(before + 2, 254 + before % 2));
    // Ctrl+Z takes the nudge back: the map's pixels are as they were; Cancel takes back the rest.
    ImagePtr opened = trueColourCopy(window->model().map()->image.get());
    editor.findChild<QPushButton*>("down")->click();
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(red->text().toInt(), before);
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(red->text().toInt(), before);
    // Esc with changes asks first: No keeps the editor open with its changes, Yes takes them back.
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_NE(red->text().toInt(), before);
    answer = true;
    editor.reject();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(window->model().unsaved());
    EXPECT_TRUE(window->model().map()->image->trueColor) << "the map as it was before the editor opened";
}

// The selected colour shows at screen resolution: even a single pixel of it is magenta on screen.
TEST_F(MainWindowTest, TheEditorsHighlightNeverBlendsAway) {
    find<QPushButton>(C::Generate)->click();
    ASSERT_TRUE(waitForMap());
    MapEditorDialog editor(window->model().mapEditor(), [](const UserError&) {}, nullptr, [](const UserError&) { return true; });
    editor.resize(900, 500);
    editor.show();
    QApplication::processEvents();
    // One pixel of the map given a colour of its own, then selected.
    Map& map = const_cast<Map&>(*window->model().map());
    ASSERT_FALSE(map.image->trueColor);
    const int lone = gdImageColorAllocate(map.image.get(), 13, 201, 77);
    ASSERT_GE(lone, 0);
    map.image->pixels[600][1000] = static_cast<unsigned char>(lone);
    ASSERT_EQ(window->model().mapEditor().rebuild(), std::nullopt);
    ASSERT_EQ(window->model().mapEditor().selectEntry(lone), std::nullopt);
    editor.sync();
    editor.picture().fit();
    const QImage screen = editor.picture().grab().toImage().convertToFormat(QImage::Format_RGB32);
    int magenta = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) magenta += (screen.pixel(x, y) & 0xFFFFFF) == 0xFF00FF;
    EXPECT_GE(magenta, 1) << "at " << editor.picture().transform().zoom() << " zoom";
}

}  // namespace

#include "shell/qt/CandidatesDialog.h"

namespace {

TEST_F(MainWindowTest, TheCandidatesViewShowsTheMapsAndPicksTheClickedOne) {
    CandidatesDialog dialog(*window, 3);
    dialog.show();
    waitForCandidates(dialog, 2);
    ASSERT_TRUE(dialog.tiles()[2]->isEnabled());
    EXPECT_FALSE(dialog.tiles()[0]->icon().isNull());
    // Enter picks the map whose tile has the focus.
    const auto seed = window->model().candidates()[2].seed;
    dialog.tiles()[2]->setFocus();
    QTest::keyClick(&dialog, Qt::Key_Return);
    ASSERT_TRUE(waitForMap());
    EXPECT_EQ(window->findChild<QLineEdit*>("currentSeed")->text().toUInt(), seed);
}

}  // namespace

namespace {

// Every control a user can touch says what it is for.
TEST_F(MainWindowTest, EveryControlHasATooltip) {
    int without = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QAbstractSlider*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
                           qobject_cast<QSpinBox*>(w);
        if (!input || w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
        if (w->toolTip().isEmpty()) {
            ++without;
            ADD_FAILURE() << w->objectName().toStdString() << " has no tooltip";
        }
    }
    EXPECT_EQ(without, 0);
    EXPECT_EQ(find<QLabel>(C::Status)->focusPolicy(), Qt::NoFocus) << "the status line is not in the tab order";
}

// The preview fills the window: at 1600 x 1000 it takes most of the width, and zooms.
TEST_F(MainWindowTest, ThePreviewFillsTheWindowAndZooms) {
    window->resize(1600, 1000);
    QApplication::processEvents();
    find<QPushButton>(C::Generate)->click();
    ASSERT_TRUE(waitForMap());
    MapView& view = window->mapView();
    EXPECT_GE(view.width(), 1600 * 6 / 10) << view.width();
    EXPECT_TRUE(view.transform().fitting());
    const double fit = view.transform().zoom();
    view.zoomIn();
    EXPECT_GT(view.transform().zoom(), fit);
    view.actualSize();
    EXPECT_EQ(view.transform().zoom(), 1.0);
    EXPECT_EQ(view.levelInUse(), 0) << "1:1 draws the full-resolution picture";
    view.fit();
    EXPECT_DOUBLE_EQ(view.transform().zoom(), fit);
}

// Only a PNG file is accepted while it is dragged over the window.
TEST_F(MainWindowTest, OnlyPngFilesAreAcceptedWhileDragged) {
    for (const char* name : {"notes.txt", "map.png"}) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(QString::fromStdString((root / name).string()))});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), std::string(name) == "map.png") << name;
    }
}

// Closing after an editor change asks; Cancel keeps the window and the map.
TEST_F(MainWindowTest, ClosingAfterAnEditorChangeAsks) {
    find<QPushButton>(C::Generate)->click();
    ASSERT_TRUE(waitForMap());
    MapEditorModel& editor = window->model().mapEditor();
    ASSERT_EQ(editor.open(), std::nullopt);
    ASSERT_EQ(editor.selectEntry(editor.groups()[0].front().entry), std::nullopt);
    ASSERT_EQ(editor.down(), std::nullopt);
    editor.accept();
    window->syncFromModel();
    EXPECT_TRUE(window->windowTitle().startsWith("*")) << window->windowTitle().toStdString();
    services.saveChoice = SaveChoice::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(services.saveQuestions, 1);
    EXPECT_TRUE(window->isVisible());
    services.saveChoice = SaveChoice::Discard;
    EXPECT_TRUE(window->close());
}

}  // namespace

// Edit > Copy Map Code puts the code of the map on screen on the clipboard; Edit > Map from Code
// makes a code's map (the dialog answered by the test) with the controls showing its values.
TEST_F(MainWindowTest, TheMapsCodeIsCopiedAndAPastedCodeIsMade) {
    auto action = [this](const QString& text) -> QAction* {
        for (QAction* a : window->findChildren<QAction*>())
            if (a->text() == text) return a;
        ADD_FAILURE() << "no action " << text.toStdString();
        return nullptr;
    };
    QAction* copy = action("Copy Map &Code");
    QAction* paste = action("Open &Code...");
    ASSERT_TRUE(copy && paste);
    EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_EQ(paste->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));

    GenerationParameters p;
    p.width = 2400;
    p.height = 800;
    p.numIslands = 2;
    p.objects = 70;
    const std::string code = mapCode(recipeFrom(MapType::Island, p, 2026, mapState.themeCount));
    services.mapCode = code;
    paste->trigger();
    ASSERT_TRUE(waitForMap());
    EXPECT_EQ(window->previewImage().size(), QSize(2400, 800));
    EXPECT_EQ(find<QComboBox>(C::GameType)->currentText(), "Island");
    EXPECT_EQ(find<QSlider>(C::Islands)->value(), 2);
    EXPECT_EQ(find<QSlider>(C::Objects)->value(), 70);
    EXPECT_EQ(window->findChild<QLineEdit*>("currentSeed")->text(), "2026");

    QGuiApplication::clipboard()->clear();
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), code);
}

// File > Recent names the files in the order they were last used, also when a file used again
// changes the order and not the count.
TEST_F(MainWindowTest, TheRecentMenuFollowsTheOrderOfUse) {
    find<QPushButton>(C::Generate)->click();
    ASSERT_TRUE(waitForMap());
    for (const char* name : {"a.png", "b.png"}) {
        services.savePath = [&, name](const fs::path&) -> std::optional<fs::path> { return root / name; };
        window->model().menu(MenuCommand::SaveMap);
        window->syncFromModel();
    }
    window->model().dropFile(root / "a.png");
    window->syncFromModel();
    auto* recent = window->findChild<QMenu*>("recentMenu");
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_TRUE(recent->actions()[0]->text().endsWith("a.png")) << recent->actions()[0]->text().toStdString();
    EXPECT_TRUE(recent->actions()[1]->text().endsWith("b.png")) << recent->actions()[1]->text().toStdString();
    recent->actions()[1]->trigger();
    EXPECT_EQ(window->model().mapFile(), root / "b.png") << "the entry opens the file it names";
}

// Every control on screen has a name a screen reader can say, the map code line among them, and
// Enter in the Seed box makes that seed's map.
TEST_F(MainWindowTest, EveryControlOnScreenHasAnAccessibleNameAndEnterInSeedGenerates) {
    int checked = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const bool input = qobject_cast<QSlider*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w);
        // The parts of a spin box or a list (their own line edits) speak through it.
        if (!input || qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 25);
    ASSERT_NE(window->findChild<QLineEdit*>("mapCode"), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->findChild<QLineEdit*>("seedField"))->text(QAccessible::Name), "Seed");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->findChild<QLineEdit*>("mapCode"))->text(QAccessible::Name), "Map code");

    auto* seed = window->findChild<QLineEdit*>("seedField");
    seed->setFocus();
    QTest::keyClicks(seed, "4242");
    QTest::keyClick(seed, Qt::Key_Return);
    ASSERT_TRUE(waitForMap());
    EXPECT_EQ(window->findChild<QLineEdit*>("currentSeed")->text(), "4242");
    EXPECT_EQ(window->findChild<QLineEdit*>("mapCode")->text().toStdString(), window->model().mapCode());
}

// A typed width that the map cannot have says what it becomes; the window fits a small screen.
TEST_F(MainWindowTest, ATypedValueThatSnapsSaysSoAndTheWindowFitsASmallScreen) {
    auto* widthBox = window->findChild<QSpinBox*>(QString("box%1").arg(static_cast<int>(C::Width)));
    ASSERT_NE(widthBox, nullptr);
    widthBox->setValue(2500);
    EXPECT_EQ(window->model().parameters().width, 2496);
    EXPECT_NE(window->model().control(C::Status).text.find("Width 2500 is made as 2496"), std::string::npos)
        << window->model().control(C::Status).text;
    EXPECT_LE(MainWindow::FIRST_SIZE.width(), 1280);
    EXPECT_LE(MainWindow::FIRST_SIZE.height() + 80, 720) << "room for the frame and a panel";
    EXPECT_LE(window->minimumSizeHint().height(), MainWindow::FIRST_SIZE.height());
    EXPECT_LE(window->minimumSizeHint().width(), MainWindow::FIRST_SIZE.width());
}

// Playable Candidates says the rule it keeps maps by, and a candidate's figures are shown whole,
// one a line.
TEST_F(MainWindowTest, PlayableCandidatesSayTheirRuleAndShowEveryFigureWhole) {
    CandidatesDialog dialog(*window, 1, true);
    dialog.show();
    auto* rule = dialog.findChild<QLabel*>("rule");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->text().toStdString(), "Kept: Cavern maps with at least 16 standing places, and " +
                                              teamRule(typeRow(MapType::Cavern).playability, 2) + ".");
    waitForCandidates(dialog, 0);
    ASSERT_TRUE(dialog.tiles()[0]->isEnabled());
    const QString text = dialog.tiles()[0]->text();
    EXPECT_FALSE(text.contains(QString::fromUtf8("\u00b7"))) << text.toStdString();
    EXPECT_TRUE(text.contains("standing places\n")) << text.toStdString();
    dialog.reject();
}

// Notes that a progress dialog was shown.
class ProgressShown : public QObject {
public:
    explicit ProgressShown(bool& seen) : seen_(seen) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QProgressDialog*>(watched)) seen_ = true;
        return false;
    }

private:
    bool& seen_;
};

// The editor on a map of millions of pixels: the reduction to 64 colours runs beside the window
// (which goes on handling its events and says what it does), then the editor opens.
TEST_F(MainWindowTest, TheEditorOnALargeMapReducesItBesideTheWindow) {
    find<QSlider>(C::Width)->setValue(2400);
    find<QSlider>(C::Height)->setValue(1200);
    find<QPushButton>(C::Generate)->click();
    ASSERT_TRUE(waitForMap());
    ASSERT_TRUE(window->model().mapEditor().reductionTakesAWhile());
    bool sawProgress = false, sawEditor = false;
    // The progress dialog is seen as it is shown: the reduction may end before any timer fires.
    ProgressShown progressShown(sawProgress);
    qApp->installEventFilter(&progressShown);
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) continue;
            if (auto* editor = qobject_cast<MapEditorDialog*>(w)) {
                sawEditor = true;
                editor->accept();
            }
        }
    });
    closer.start(5);
    QtWindowServices services(window.get());
    services.runEditor(window->model().mapEditor());
    closer.stop();
    qApp->removeEventFilter(&progressShown);
    EXPECT_TRUE(sawProgress) << "the window said what it was doing";
    EXPECT_TRUE(sawEditor);
    EXPECT_FALSE(window->model().map()->image->trueColor);
}

// A change made in the editor shows in the window's view at once, and so does its undo (the map
// keeps its place in memory, so the view must not go by that).
TEST_F(MainWindowTest, TheViewShowsEditorChangesAndTheirUndo) {
    find<QPushButton>(C::Generate)->click();
    ASSERT_TRUE(waitForMap());
    // A land pixel well inside the map (black is the sky, which the editor does not pick).
    const gdImagePtr made = window->model().map()->image.get();
    int px = -1, py = -1;
    for (int y = made->sy / 2; y < made->sy - 2 && px < 0; ++y)
        for (int x = 2; x < made->sx - 2 && px < 0; ++x)
            if ((gdImageGetTrueColorPixel(made, x, y) & 0xFFFFFF) != 0) px = x, py = y;
    ASSERT_GE(px, 0);
    const QRgb before = window->previewImage().pixel(px, py);
    services.onEditor = [&](MapEditorModel& editor) {
        ASSERT_EQ(editor.open(), std::nullopt);
        ASSERT_EQ(editor.pickAt(px, py), std::nullopt);
        ASSERT_EQ(editor.down(), std::nullopt);
        editor.accept();
    };
    window->model().menu(MenuCommand::IndiMask);
    window->syncFromModel();
    const gdImagePtr im = window->model().map()->image.get();
    const int entry = gdImageGetPixel(im, px, py);
    const QRgb edited = window->previewImage().pixel(px, py);
    EXPECT_EQ(edited, qRgb(im->red[entry], im->green[entry], im->blue[entry]));
    EXPECT_NE(edited, before) << "the view shows the edited colour";
    window->model().undoEdit();
    window->syncFromModel();
    const int undone = gdImageGetPixel(window->model().map()->image.get(), px, py);
    EXPECT_EQ(window->previewImage().pixel(px, py), qRgb(im->red[undone], im->green[undone], im->blue[undone]));
}
