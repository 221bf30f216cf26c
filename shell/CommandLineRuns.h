#pragma once

#include <string>

#include "shell/CommandLine.h"

namespace brambex {

// The command line's runs, for its parts: one map of the installed type called `name` (its exit
// status), the installed types' command-line names ("none" without any), and a batch of maps.
int generateNamed(const std::string& name, const Options& options);
std::string installedNames();
int runBatch(const std::string& name, const Options& options);

}  // namespace brambex
