#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The only part of the program that knows the toolkit and the operating system's services.
namespace brambex::platform {

// The one message function for the user: a warning box once the window exists, until then the
// caption and text on stderr.
void showMessage(const std::string& caption, const std::string& text);

// The full path of the running executable, when the system can tell.
std::optional<std::filesystem::path> executablePath();

// Publishes the installed types and the executable's path for other tools: the per-user
// registry key Software\Halvane\Brambex on Windows, the user's config file elsewhere. Failures
// are ignored.
// Values the window keeps for itself (its size, the last folder, the recent files) used to be
// there too; they are moved to windowSettingsFile() once.
void writeRegistryValues(const std::string& types, const std::optional<std::filesystem::path>& exePath);

// The window's own remembered values: $XDG_CONFIG_HOME/brambex/window.conf (or under
// ~/.config); none without either. Only the window writes it.
std::optional<std::filesystem::path> windowSettingsFile();

}  // namespace brambex::platform
