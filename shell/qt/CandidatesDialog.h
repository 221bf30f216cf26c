#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include <vector>

namespace brambex {

class MainWindow;

// "Candidates": several maps of the current type and parameters with different seeds, their
// previews side by side as they finish; the one clicked becomes the current map.
class CandidatesDialog : public QDialog {
    Q_OBJECT
public:
    // `playableOnly`: only maps that meet their type's thresholds (further seeds are drawn).
    CandidatesDialog(MainWindow& window, int count, bool playableOnly = false);
    // The tiles, for tests: enabled once every candidate is made.
    const std::vector<QToolButton*>& tiles() const { return tiles_; }

protected:
    // Enter picks the map whose tile has the focus, as a click does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();

    MainWindow& window_;
    std::vector<QToolButton*> tiles_;
    QLabel* status_;
    QTimer refresh_;
    int shown_ = 0;
};

}  // namespace brambex
