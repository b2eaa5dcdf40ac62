#pragma once

// Tessaro from the shell: a figure's worked solution printed instead of
// shown, worked out by the geometry alone, with no window and no Qt
// platform.
//
//   tessaro --solve FIGURE [NAME=VALUE]... [--json]
//   tessaro --solve - [--json]
//   tessaro --list | --help | --version
//
// Everything is decided from the arguments themselves: Qt reads none of
// them, and no application object is made.

// Whether the arguments ask for the command line instead of the windows:
// any argument that starts with "--" belongs to it, and so does "-h".
bool wantsCommandLine(int argc, char* argv[]);

// Does what the arguments ask, without a display, and gives the exit
// status: 0 done; 1 the window met a run-time error or rejected the
// entries, or the output could not be written; 2 the command line is wrong.
// With --solve -, the worst status of the lines.
int runCommandLine(int argc, char* argv[]);

// For the windows, before a display is opened: every argument must be one
// of Qt's options for the windows, with its value; a style sheet must be a
// readable file of at most 1 MiB. A wrong argument is said on standard
// error, with the usage, and gives 2; none gives 0.
int refuseWrongArguments(int argc, char* argv[]);

// For the windows, once Qt has taken its options from the arguments: any
// argument left is a wrong command line, said on standard error with the
// usage, and gives 2; none left gives 0.
int refuseLeftArguments(int argc, char* argv[]);
