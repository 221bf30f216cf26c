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
void writeRegistryValues(const std::string& types, const std::optional<std::filesystem::path>& exePath);

}  // namespace brambex::platform
