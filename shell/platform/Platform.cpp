#include "shell/platform/Platform.h"

#include <QSettings>

#include <cstdlib>
#include <QString>

#include <cstdio>
#include <system_error>

namespace brambex::platform {

void showMessage(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "brambex: %s: %s\n", caption.c_str(), text.c_str());
}

std::optional<std::filesystem::path> executablePath() {
    std::error_code ec;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || path.empty()) return std::nullopt;
    return path;
}

void writeRegistryValues(const std::string& types, const std::optional<std::filesystem::path>& exePath) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Halvane", "Brambex");
    // Written only when they change: most runs leave the file alone.
    const QString typesValue = QString::fromStdString(types);
    if (settings.value("Types").toString() != typesValue) settings.setValue("Types", typesValue);
    if (exePath) {
        const QString path = QString::fromStdString(exePath->string());
        if (settings.value("Path").toString() != path) settings.setValue("Path", path);
    }
    // The window's values lived here once; they moved to the window's own file.
    if (!settings.childGroups().contains("window")) return;
    if (const auto file = windowSettingsFile(); file && !std::filesystem::exists(*file)) {
        QSettings moved(QString::fromStdString(file->string()), QSettings::IniFormat);
        settings.beginGroup("window");
        for (const QString& key : settings.childKeys()) moved.setValue("window/" + key, settings.value(key));
        settings.endGroup();
        moved.sync();
    }
    settings.remove("window");
}

std::optional<std::filesystem::path> windowSettingsFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return std::filesystem::path(config) / "brambex" / "window.conf";
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return std::filesystem::path(home) / ".config" / "brambex" / "window.conf";
    return std::nullopt;
}

}  // namespace brambex::platform
