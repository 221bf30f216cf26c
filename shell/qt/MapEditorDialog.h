#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>

#include <array>
#include <functional>

#include "map/UserError.h"
#include "shell/window/MapEditorModel.h"

namespace brambex {

class EditorPicture;

// "Edit Map": the map with the selected colour in magenta, the colour buttons by class, the Info
// numbers with their up-down buttons, Up and Down, "Enable IndiMask". A thin view over
// MapEditorModel; changes go straight into the map, so OK and Cancel both just close.
class MapEditorDialog : public QDialog {
    Q_OBJECT
public:
    // `showMessage` reports what cannot be done (a map too large to edit).
    // `model` is the window's editor of the map on screen; it outlives the dialog.
    MapEditorDialog(MapEditorModel& model, std::function<void(const UserError&)> showMessage,
                    QWidget* parent = nullptr);

    MapEditorModel& model() { return model_; }
    // Redraws buttons, numbers and picture from the model.
    void sync();
    // A click on the picture at widget coordinates (tests call it too).
    void clickPicture(QPoint at);

private:
    void report(Failure failure);
    void rebuildButtons();

    MapEditorModel& model_;
    std::function<void(const UserError&)> showMessage_;
    EditorPicture* picture_;
    std::array<QLineEdit*, 3> numbers_{};
    std::array<QGroupBox*, 3> groups_{};
    QButtonGroup* buttons_;
    QCheckBox* mask_;
};

}  // namespace brambex
