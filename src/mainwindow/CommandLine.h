#pragma once
// What happens before any window: the command line, and a display that cannot be opened.

namespace cw {

// Reads the options. --help and --version print to standard output and an unknown option
// prints the usage to standard error; each then gives the exit code to end with (0 or 2),
// having needed no display and touched no file. Otherwise the result is -1: go on.
int handleCommandLine(int argc, char** argv);

// Until windowsReady(), Qt's complaints are held back, and a display that cannot be opened
// ends the program with one line on standard error and exit code 1 instead of an abort.
void expectDisplay();
void windowsReady();

} // namespace cw
