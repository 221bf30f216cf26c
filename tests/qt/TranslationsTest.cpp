// Translations: every text the sources mark is in every .ts file, translated, with the same
// printf conversions; and under a pseudo-language that marks every translated text, no text the
// window shows goes without the marks (every word a user reads passes through translation).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "generators/TypeTable.h"
#include "map/ProcessState.h"
#include "map/Themes.h"
#include "map/Translate.h"
#include "shell/Startup.h"
#include "shell/Translations.h"
#include "shell/qt/MainWindow.h"
#include "tests/FakeWindowServices.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

struct TsProblems {
    std::vector<std::string> problems;
    int messages = 0;
};

// Reads a .ts file: each message must be finished, not obsolete, and keep its text's conversions.
TsProblems checkTs(const fs::path& path) {
    TsProblems out;
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        out.problems.push_back("cannot read " + path.string());
        return out;
    }
    QXmlStreamReader xml(&file);
    std::string source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"source") {
            source = xml.readElementText().toStdString();
            ++out.messages;
        } else if (xml.name() == u"translation") {
            // Unfinished, vanished or obsolete: any type is an entry not done.
            const QString type = xml.attributes().value("type").toString();
            if (!type.isEmpty()) out.problems.push_back(type.toStdString() + ": " + source.substr(0, 60));
        } else if (xml.name() == u"numerusform") {
            const std::string form = xml.readElementText().toStdString();
            if (form.empty()) out.problems.push_back("empty plural form: " + source.substr(0, 60));
            if (printfConversions(form) != printfConversions(source))
                out.problems.push_back("conversions differ: " + source.substr(0, 60));
        }
    }
    return out;
}

// The plain translations (not plural ones) with their sources, to check their conversions.
std::vector<std::pair<std::string, std::string>> plainTranslations(const fs::path& path) {
    std::vector<std::pair<std::string, std::string>> out;
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    std::string source;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"message") numerus = xml.attributes().value("numerus") == u"yes";
        if (xml.name() == u"source") source = xml.readElementText().toStdString();
        if (xml.name() == u"translation" && !numerus) out.emplace_back(source, xml.readElementText().toStdString());
    }
    return out;
}

TEST(Translations, EveryMarkedTextIsTranslatedInEveryLanguage) {
    const fs::path work = fs::temp_directory_path() / ("brambex-ts-" + std::to_string(::getpid()));
    fs::create_directories(work);
    // English holds only the texts with a plural.
    for (const char* lang : {"de", "fr", "en"}) {
        const bool english = std::string(lang) == "en";
        const fs::path committed = fs::path(BRAMBEX_SOURCE_DIR) / "translations" / (std::string("brambex_") + lang + ".ts");
        const TsProblems before = checkTs(committed);
        EXPECT_GT(before.messages, english ? 5 : 300) << lang;
        for (const std::string& p : before.problems) ADD_FAILURE() << committed.filename() << ": " << p;
        for (const auto& [source, translation] : plainTranslations(committed)) {
            EXPECT_FALSE(translation.empty()) << lang << ": " << source;
            EXPECT_EQ(printfConversions(translation), printfConversions(source)) << lang << ": " << source;
        }
        // lupdate over today's sources: a text missing from the file comes in unfinished, a text
        // the sources no longer have goes (the file then differs in its count).
        const fs::path copy = work / committed.filename();
        fs::copy_file(committed, copy, fs::copy_options::overwrite_existing);
        const std::string command = std::string(BRAMBEX_LUPDATE) + " -silent -locations none -no-obsolete " +
                                    (english ? "-pluralonly @" : "@") +
                                    (fs::path(BRAMBEX_BUILD_DIR) / "translations" / "sources.lst").string() + " -ts " +
                                    copy.string();
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const TsProblems after = checkTs(copy);
        for (const std::string& p : after.problems) ADD_FAILURE() << lang << " after lupdate: " << p;
        EXPECT_EQ(after.messages, before.messages) << lang << ": the sources' texts and the file's differ";
    }
    fs::remove_all(work);
}

// Every text marked, in brackets: "⟦Save⟧".
class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QString::fromUtf8("\u27E6") + QString::fromUtf8(source) + QString::fromUtf8("\u27E7");
    }
    bool isEmpty() const override { return false; }
};

bool marked(const QString& text) { return text.contains(QString::fromUtf8("\u27E6")); }

class PseudoLanguageTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useWindowWorkspace(root);
        useTranslator(&pseudo);
    }
    void TearDown() override {
        useTranslator(nullptr);
        TempWorkspace::TearDown();
    }
    PseudoTranslator pseudo;
};

TEST_F(PseudoLanguageTest, NoTextTheWindowShowsGoesUntranslated) {
    test::FakeServices services;
    MainWindow window(&services);
    window.show();
    window.model().setSeedText("12");
    window.model().press(Control::Generate);
    QElapsedTimer t;
    t.start();
    while (window.model().busy() && t.elapsed() < 30000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    window.model().waitForMeasure();
    window.syncFromModel();

    // What may be shown as it is: numbers and symbols, the map types' names (as the game and
    // -t know them), the themes' names, the map's code and the seeds.
    std::set<QString> names;
    for (const TypeRow& row : typeTable()) names.insert(QString::fromUtf8(std::string(row.info().listText).c_str()));
    const QRegularExpression noWords("^[^A-Za-z]*$");
    const std::set<QString> asItIs{"mapCode", "currentSeed", "seedField", "zoomLabel", "runTime"};
    std::vector<std::string> bare;
    auto check = [&](const QString& text, const QString& where) {
        const QString plain = QString(text).remove('&');
        if (plain.isEmpty() || marked(plain) || noWords.match(plain).hasMatch() || names.count(plain)) return;
        bare.push_back(where.toStdString() + ": \"" + plain.toStdString() + "\"");
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || asItIs.count(w->objectName())) continue;
        check(w->toolTip(), w->objectName() + " tooltip");
        check(w->accessibleName(), w->objectName() + " accessible name");
        if (auto* label = qobject_cast<QLabel*>(w)) check(label->text(), label->objectName() + " text");
        if (auto* button = qobject_cast<QAbstractButton*>(w)) check(button->text(), button->objectName() + " text");
        if (auto* group = qobject_cast<QGroupBox*>(w)) check(group->title(), "group");
        if (auto* line = qobject_cast<QLineEdit*>(w)) check(line->placeholderText(), line->objectName() + " placeholder");
        // The theme list shows the themes' own names, as their folders give them.
        if (auto* list = qobject_cast<QComboBox*>(w); list && w != window.widgetOf(Control::Theme))
            for (int i = 0; i < list->count(); ++i) check(list->itemText(i), list->objectName() + " item");
    }
    for (QAction* action : window.menuBar()->actions()) {
        check(action->text(), "menu");
        if (QMenu* menu = action->menu())
            for (QAction* item : menu->actions()) check(item->text(), "menu item");
    }
    check(QString::fromStdString(window.model().control(Control::Status).text), "status");
    check(window.windowTitle(), "title");
    for (const std::string& b : bare) ADD_FAILURE() << b;
    EXPECT_TRUE(marked(QString::fromStdString(window.model().playabilityText())));
}

}  // namespace
