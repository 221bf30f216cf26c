#include "shell/platform/Platform.h"

#include <QSettings>
#include <QString>

#include <cstdio>
#include <system_error>

namespace brambex::platform {

void showMessage(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

std::optional<std::filesystem::path> executablePath() {
    std::error_code ec;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || path.empty()) return std::nullopt;
    return path;
}

void writeRegistryValues(const std::string& types, const std::optional<std::filesystem::path>& exePath) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Halvane", "Brambex");
    settings.setValue("Types", QString::fromStdString(types));
    if (exePath) settings.setValue("Path", QString::fromStdString(exePath->string()));
    settings.sync();
}

}  // namespace brambex::platform
