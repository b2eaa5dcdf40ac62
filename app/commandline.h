#pragma once

// Tessaro from the shell: a figure's worked solution printed instead of
// shown, worked out by the figure's own window, built but never shown.
//
//   tessaro --solve FIGURE [NAME=VALUE]... [--json]
//   tessaro --list
//   tessaro --help

// Whether the arguments ask for the command line instead of the windows.
// It only compares the arguments with the command line's options, so that
// the program's start-up costs nothing more.
bool wantsCommandLine(int argc, char* argv[]);

// Does what the arguments ask, without a display, and gives the exit
// status: 0 done; 1 the window met a run-time error or rejected the
// entries, or the output could not be written; 2 the command line is wrong.
int runCommandLine(int argc, char* argv[]);
