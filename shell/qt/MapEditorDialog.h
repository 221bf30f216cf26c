#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <functional>

#include "map/UserError.h"
#include "shell/window/MapEditorModel.h"

namespace brambex {

class MapView;

// "Edit Map": the map with the selected colour in magenta, the colour buttons by class, the Info
// numbers with their up-down buttons, Up and Down, "Enable IndiMask", Undo and Redo. A thin view
// over MapEditorModel; changes go straight into the map: OK keeps them, Cancel takes them all back.
class MapEditorDialog : public QDialog {
    Q_OBJECT
public:
    // `showMessage` reports what cannot be done (a map too large to edit).
    // `model` is the window's editor of the map on screen; it outlives the dialog.
    // `confirm` asks a yes/no question (Cancel with changes: throw them away?); none: a message box.
    MapEditorDialog(MapEditorModel& model, std::function<void(const UserError&)> showMessage,
                    QWidget* parent = nullptr, std::function<bool(const UserError&)> confirm = {});

    MapEditorModel& model() { return model_; }
    // Redraws buttons, numbers and picture from the model.
    void sync();
    // A click on the picture at widget coordinates (tests call it too).
    void clickPicture(QPoint at);
    MapView& picture() { return *picture_; }
    void done(int result) override;
    // Cancel, Esc and closing: the changes made here go back, once the user agrees when there are any.
    void reject() override;

private:
    void report(Failure failure);
    void rebuildButtons();
    void pictureChanged();
    void undo();
    void redo();

    MapEditorModel& model_;
    std::function<void(const UserError&)> showMessage_;
    std::function<bool(const UserError&)> confirm_;
    MapView* picture_;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    std::array<QLineEdit*, 3> numbers_{};
    std::array<QGroupBox*, 3> groups_{};
    QButtonGroup* buttons_;
    QCheckBox* mask_;
};

}  // namespace brambex
