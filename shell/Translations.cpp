#include "shell/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <filesystem>
#include <memory>
#include <vector>

#include "map/Translate.h"
#include "shell/platform/Platform.h"

namespace brambex {

namespace {

QTranslator* current = nullptr;
std::unique_ptr<QTranslator> ours, qtOwn;

std::string viaTranslator(const char* context, const char* text, int n) {
    if (!current) return {};
    return current->translate(context, text, nullptr, n).toStdString();
}

// Where the .qm files are: beside the program in the build, under share/ once installed.
std::vector<std::filesystem::path> translationFolders() {
    std::vector<std::filesystem::path> folders;
    if (const auto exe = platform::executablePath()) {
        folders.push_back(exe->parent_path() / "translations");
        folders.push_back(exe->parent_path().parent_path() / "share" / "brambex" / "translations");
        folders.push_back(exe->parent_path().parent_path() / "translations");  // the build's tools
    }
    return folders;
}

}  // namespace

void useTranslator(QTranslator* translator) {
    if (current && QCoreApplication::instance()) QCoreApplication::removeTranslator(current);
    current = translator;
    setTranslateHook(translator ? viaTranslator : nullptr);
    if (current && QCoreApplication::instance()) QCoreApplication::installTranslator(current);
}

std::string installTranslations() {
    // The translators of an earlier call are let go before they are made again.
    useTranslator(nullptr);
    if (qtOwn && QCoreApplication::instance()) QCoreApplication::removeTranslator(qtOwn.get());
    qtOwn.reset();
    const QLocale locale;
    ours = std::make_unique<QTranslator>();
    bool loaded = false;
    for (const std::filesystem::path& folder : translationFolders())
        if ((loaded = ours->load(locale, "brambex", "_", QString::fromStdString(folder.string())))) break;
    // A language without a translation reads English, whose catalogue holds its plurals.
    for (const std::filesystem::path& folder : translationFolders())
        if (!loaded) loaded = ours->load("brambex_en", QString::fromStdString(folder.string()));
    if (!loaded) {
        ours.reset();
        useTranslator(nullptr);
        return {};
    }
    useTranslator(ours.get());
    qtOwn = std::make_unique<QTranslator>();
    if (!qtOwn->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) qtOwn.reset();
    const std::string language = ours->language().left(2).toStdString();
    return language == "en" ? std::string() : language;
}

void installTranslationsIntoApplication() {
    if (current) QCoreApplication::installTranslator(current);
    if (qtOwn) QCoreApplication::installTranslator(qtOwn.get());
}

}  // namespace brambex
