#pragma once

#include <QCheckBox>
#include <QDialog>

namespace brambex {

// "Settings": "Remove BG", and "Use Vexkit Module" shown for its flag but never changeable.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(bool removeBackground, bool useModule, QWidget* parent = nullptr);
    bool removeBackground() const { return removeBackground_->isChecked(); }

private:
    QCheckBox* removeBackground_;
    QCheckBox* useModule_;
};

// "About": the program's banner and pictures (drawn by the artwork tool), name and version.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace brambex
