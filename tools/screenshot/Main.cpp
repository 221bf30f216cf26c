// Takes the README's picture of the main window: starts the window in the current folder,
// generates one map of the first type (with the seed given, if any) and saves the window.
//
//   brambex-screenshot OUT.png [SEED] [TYPE-POSITION]
//   brambex-screenshot --about OUT.png            the About dialog
//   brambex-screenshot --editor OUT.png SEED [TYPE-POSITION]   the map editor on a generated map
// Run under a real X server (xvfb-run) to get the desktop's look.

#include <QApplication>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "map/GdImage.h"
#include "map/Map.h"
#include "shell/Startup.h"
#include "shell/qt/Dialogs.h"
#include "shell/qt/MapEditorDialog.h"
#include "shell/Translations.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/MapView.h"

int main(int argc, char** argv) {
    using namespace brambex;
    if (argc < 2) {
        std::fprintf(stderr, "usage: brambex-screenshot OUT.png [SEED] [TYPE-POSITION]\n");
        return 2;
    }
    prepareLibraries();
    installTranslations();  // the window in the language LANG names (the README's German and French shots)
    if (startUp()) return 1;
    QApplication app(argc, argv);
    installTranslationsIntoApplication();
    if (std::string(argv[1]) == "--about" && argc >= 3) {
        AboutDialog about;
        about.show();
        for (int i = 0; i < 10; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
        return about.grab().save(argv[2]) ? 0 : 1;
    }
    const bool editorShot = std::string(argv[1]) == "--editor" && argc >= 4;
    if (editorShot) {
        for (int i = 1; i + 1 < argc; ++i) argv[i] = argv[i + 1];
        --argc;
    }
    MainWindow window;
    window.resize(1600, 1000);
    window.show();
    QApplication::processEvents();
    MainWindowModel& model = window.model();
    if (argc >= 4) model.select(Control::GameType, std::atoi(argv[3]));
    if (argc >= 3) model.setSeedText(argv[2]);
    model.press(Control::Generate);
    while (model.busy()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        model.poll();
        QThread::msleep(5);
    }
    window.syncFromModel();
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    if (editorShot) {
        MapEditorDialog editor(model.mapEditor(), [](const UserError&) {}, nullptr, [](const UserError&) { return true; });
        editor.resize(1400, 860);
        editor.show();
        for (int i = 0; i < 10; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
        // Zoomed in on the lower left of the map, a colour of the land selected.
        MapView& view = editor.picture();
        view.actualSize();
        view.transform().zoomBy(2.0, 0, view.height());
        view.transform().panBy(100000, -100000);
        view.update();
        for (int y = view.height() * 3 / 5; y < view.height(); y += 7) editor.clickPicture(QPoint(view.width() / 3, y));
        for (int i = 0; i < 10; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
        return editor.grab().save(argv[1]) ? 0 : 1;
    }
    return window.grab().save(argv[1]) ? 0 : 1;
}
