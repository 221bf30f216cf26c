#pragma once

namespace brambex {

// Command-line mode: "-t <type> [options]" generates one map without a window. Returns the
// process exit code: 0 after a map was written and when nothing was asked for, 1 when the map
// could not be written or the run failed, 2 for options it does not understand.
int runCommandLine(int argc, char** argv);

// "--help": what the program takes.
void printUsage();

// "--info FILE": a map file's picture and chunks in plain words; 1 when it is not a map.
int printMapInfo(const char* path);

}  // namespace brambex
