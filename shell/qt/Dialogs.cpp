#include "map/Translate.h"
#include "shell/qt/ViewSupport.h"
#include "shell/qt/Dialogs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "map/ProcessState.h"

namespace brambex {

namespace {

QLabel* picture(const char* file, QWidget* parent) {
    auto* label = new QLabel(parent);
    QPixmap pixmap(QString::fromStdString((paths.workingDirectory / "data" / "interface" / file).string()));
    if (!pixmap.isNull()) label->setPixmap(pixmap);
    label->setObjectName(file);
    return label;
}

}  // namespace

SettingsDialog::SettingsDialog(bool removeBackground, bool useModule, QWidget* parent) : QDialog(parent) {
    setWindowTitle(qtText(translate("Window", "Settings")));
    auto* layout = new QVBoxLayout(this);
    removeBackground_ = new QCheckBox(qtText(translate("Window", "Remove BG")), this);
    removeBackground_->setObjectName("removeBackground");
    removeBackground_->setChecked(removeBackground);
    useModule_ = new QCheckBox(qtText(translate("Window", "Use Vexkit Module")), this);
    useModule_->setObjectName("useModule");
    useModule_->setChecked(useModule);
    useModule_->setEnabled(false);
    layout->addWidget(removeBackground_);
    layout->addWidget(useModule_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(qtText(translate("Window", "About Brambex")));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture("about.png", this), 0, Qt::AlignHCenter);
    auto* text = new QLabel(QString("<b>Brambex</b> %1<br>").arg(BRAMBEX_VERSION) + qtText(translate("Window", "Random maps for a turn-based artillery game.")), this);
    text->setAlignment(Qt::AlignHCenter);
    layout->addWidget(text);
    auto* row = new QHBoxLayout;
    row->addWidget(picture("about-left.png", this));
    auto* ok = new QPushButton(qtText(translate("Window", "OK")), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(ok);
    row->addWidget(picture("about-right.png", this));
    layout->addLayout(row);
    layout->addWidget(picture("about-strip.png", this), 0, Qt::AlignHCenter);
}

}  // namespace brambex
