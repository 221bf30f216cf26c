#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>

#include <initializer_list>

#include <map>
#include <memory>
#include <mutex>

#include "shell/window/MainWindowModel.h"

namespace brambex {

class PictureArea;
class BackgroundWidget;
class MapView;
struct PicturePyramid;

// The dialogs and message boxes of a real desktop session.
class QtWindowServices : public WindowServices {
public:
    explicit QtWindowServices(QWidget* parent) : parent_(parent) {}
    std::optional<std::filesystem::path> askSavePath(const std::filesystem::path& proposed) override;
    std::optional<std::filesystem::path> askLoadPath(const std::filesystem::path& folder) override;
    void showMessage(const UserError& message) override;
    bool confirm(const UserError& question) override;
    SaveChoice askSaveChanges(const std::string& mapName) override;
    void runEditor(MapEditorModel& editor) override;
    void runAbout() override;
    bool runSettings(bool& removeBackground, bool& useModule) override;
    std::optional<std::string> askMapCode() override;
    void quit() override;

private:
    QWidget* parent_;
};

// The main window: Qt widgets drawn from MainWindowModel's state, their input handed to it.
// Every widget of a control is named "control<number>" (the program's control numbers), so
// tests find them; the seed fields are "seedField" and "currentSeed".
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `services` replaces the real dialogs (tests); none: the window's own.
    explicit MainWindow(WindowServices* services = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowModel& model() { return *model_; }
    // The size of the first start: with its frame and a desktop's panel it fits 1280 x 720.
    static constexpr QSize FIRST_SIZE{1200, 640};
    // Puts the map's code on the clipboard (Edit > Copy Map Code and the button beside the code).
    void copyMapCode();
    // Brings the window within the screen's free area.
    void fitOntoScreen();
    // Redraws every widget from the model's state.
    void syncFromModel();
    QWidget* widgetOf(Control c) const;
    // The picture shown in the preview area at full resolution (null when none).
    QImage previewImage() const;
    MapView& mapView() { return *view_; }
    // Candidates, through the window so its polling runs while they are made.
    void startCandidates(int count, bool playableOnly = false);
    void pickCandidate(int index);
    // The Candidates dialog (nine maps), of any maps or only playable ones.
    void showCandidates(bool playableOnly);
    // Whether the background picture is painted (Remove BG off and the picture present).
    bool paintsBackground() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWidgets();
    // A control's widget, named and kept by its control.
    QWidget* addControl(Control c, QWidget* w);
    QWidget* controlLabel(Control c);
    QWidget* controlSlider(Control c);
    QWidget* controlList(Control c);
    QWidget* controlCheck(Control c);
    QWidget* controlButton(Control c);
    QGroupBox* buildPreviewGroup();
    QHBoxLayout* buildViewBar(QGroupBox* previewBox);
    QGroupBox* buildOutputGroup();
    QGroupBox* buildSlidersGroup();
    QGroupBox* buildTypeGroup();
    QGroupBox* buildParameterGroup();
    void addSeedRows(QGridLayout* grid, int row);
    QLabel* captionFor(Control list, const QString& text);
    QHBoxLayout* buildButtonRow();
    void buildStatusBar();
    void arrangePanels(QGroupBox* preview, std::initializer_list<QWidget*> groups, QLayout* buttons);
    void nameControls();
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildViewMenu();
    void buildShortcuts();
    // The widgets drawn again from the model, in parts.
    void syncControls();
    void syncCaptions();
    void syncRun();
    void connectInput();
    void reloadPictures();
    void after();  // after any input: the model changed, redraw
    void rebuildRecentMenu();
    void saveRecentFiles();

    std::unique_ptr<QtWindowServices> ownServices_;
    WindowServices* services_;
    std::unique_ptr<MainWindowModel> model_;
    std::map<Control, QWidget*> widgets_;
    std::map<Control, QSpinBox*> sliderBoxes_;  // the typed value beside each slider
    BackgroundWidget* background_ = nullptr;
    MapView* view_ = nullptr;
    QLabel* mapCaption_ = nullptr;
    QLabel* playability_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QLabel* runLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QLineEdit* mapCode_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    std::vector<std::filesystem::path> shownRecent_;  // the files the Recent menu lists
    QTimer clock_;  // the elapsed time of a run, once a second
    // The model's count of maps put on screen when the view last took its picture (a new map
    // may sit where a freed one was, so its address does not tell).
    int shownFrame_ = -1;
    std::shared_ptr<const PicturePyramid> busyPicture_;
    PictureArea* themePreview_ = nullptr;
    PictureArea* stylePreview_ = nullptr;
    QLineEdit* seedField_ = nullptr;
    QLineEdit* currentSeed_ = nullptr;
    int pictureVersion_ = -1;
};

}  // namespace brambex
