#pragma once

#include <functional>
#include <string>

namespace brambex {

// The core never talks to a window itself. The shell installs these hooks; without them a
// warning goes to stderr and the theme list is simply not there.

// Shows a warning to the user (caption and text), e.g. "File write error".
void showWarning(const std::string& caption, const std::string& text);
void setWarningSink(std::function<void(const std::string&, const std::string&)> sink);

// Asks the window to show `theme` in its theme list. Called from the worker during a run; the
// hook must hand the request to the window's thread and wait until it has been handled.
void selectThemeInList(int theme);
void setThemeListHook(std::function<void(int)> hook);

// The window's Game Type list follows a loaded map's type.
void selectTypeInList(int listPosition);
void setTypeListHook(std::function<void(int)> hook);

}  // namespace brambex
