#include "shell/qt/CandidatesDialog.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPixmap>
#include <QVBoxLayout>

#include "generators/TypeTable.h"
#include "map/Playability.h"
#include "shell/qt/MainWindow.h"

#include "map/Files.h"
#include "map/Translate.h"
#include "shell/qt/ViewSupport.h"

namespace brambex {

CandidatesDialog::CandidatesDialog(MainWindow& window, int count, bool playableOnly) : QDialog(&window), window_(window) {
    setWindowTitle(qtText(playableOnly ? translate("Window", "Playable Candidates") : translate("Window", "Candidates")));
    auto* layout = new QVBoxLayout(this);
    // Playable Candidates says which rule a map must meet to be kept.
    if (playableOnly) {
        if (const std::optional<MapType> type = typeAtListPosition(window.model().control(Control::GameType).value)) {
            auto* rule = new QLabel(QString::fromStdString(formatText(translate("Window", "Kept: %s maps with %s, and %s.").c_str(),
                                                                      std::string(typeRow(*type).info().listText).c_str(),
                                                                      playabilityRule(typeRow(*type).playability).c_str(),
                                                                      teamRule(typeRow(*type).playability, window.model().teams()).c_str())),
                                    this);
            rule->setObjectName("rule");
            rule->setWordWrap(true);
            layout->addWidget(rule);
        }
    }
    status_ = new QLabel(this);
    layout->addWidget(status_);
    auto* grid = new QGridLayout;
    for (int k = 0; k < count; ++k) {
        auto* tile = new QToolButton(this);
        tile->setObjectName(QString("candidate%1").arg(k));
        tile->setIconSize(QSize(300, 109));
        tile->setMinimumSize(310, 190);
        tile->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tile->setEnabled(false);
        connect(tile, &QToolButton::clicked, this, [this, k] {
            window_.pickCandidate(k);
            accept();
        });
        grid->addWidget(tile, k / 3, k % 3);
        tiles_.push_back(tile);
    }
    layout->addLayout(grid);
    window_.startCandidates(count, playableOnly);
    connect(&refresh_, &QTimer::timeout, this, [this] { refresh(); });
    refresh_.start(50);
    refresh();
}

void CandidatesDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (QToolButton* tile : tiles_)
            if (tile->hasFocus() && tile->isEnabled()) {
                tile->click();
                return;
            }
        return;  // no tile chosen: Enter does not close the dialog
    }
    QDialog::keyPressEvent(event);
}

void CandidatesDialog::refresh() {
    const auto& made = window_.model().candidates();
    for (; shown_ < static_cast<int>(made.size()) && shown_ < static_cast<int>(tiles_.size()); ++shown_) {
        const auto& c = made[static_cast<std::size_t>(shown_)];
        tiles_[static_cast<std::size_t>(shown_)]->setIcon(QPixmap(QString::fromStdString(c.preview.string())));
        // One figure a line, so none is cut.
        QString figures = QString::fromStdString(c.playability);
        figures.replace(QString::fromUtf8(" \u00b7 "), "\n");
        tiles_[static_cast<std::size_t>(shown_)]->setText(
            qtText(formatText(translate("Window", "seed %u").c_str(), c.seed)) +
            (c.playable ? QString() : qtText(" " + translate("Window", "(misses)"))) + "\n" + figures);
    }
    const bool running = window_.model().busy() || window_.model().candidatesWanted() > 0;
    status_->setText(running ? qtText(formatText(translate("Window", "Making map %d of %d...").c_str(), static_cast<int>(made.size() + 1),
                                                 static_cast<int>(tiles_.size())))
                             : qtText(translate("Window", "Click the map you want.")));
    for (int k = 0; k < shown_; ++k) tiles_[static_cast<std::size_t>(k)]->setEnabled(!running);
}

}  // namespace brambex
