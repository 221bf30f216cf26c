#pragma once

#include <functional>
#include <string>

#include "map/Generator.h"
#include "map/UserError.h"

namespace brambex {

// How the shell tells the user: a warning box once the window exists (it installs a sink), the
// caption and text on stderr until then and on the command line.
void showWarning(const UserError& error);
void setWarningSink(std::function<void(const UserError&)> sink);


// Counts the themes; with none, the "Missing files" warning, at most once per process.
int recountThemes();

}  // namespace brambex
