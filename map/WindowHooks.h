#pragma once

#include <functional>

namespace brambex {

// The two things a run or a load asks of the window, as hooks the shell installs. The core never
// shows anything itself; without a window these do nothing.

// Asks the window to show `theme` in its theme list. Called from the worker during a run; the
// hook must hand the request to the window's thread and wait until it has been handled.
void selectThemeInList(int theme);
void setThemeListHook(std::function<void(int)> hook);

// The window's Game Type list follows a loaded map's type.
void selectTypeInList(int listPosition);
void setTypeListHook(std::function<void(int)> hook);

}  // namespace brambex
