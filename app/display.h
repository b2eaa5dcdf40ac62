#pragma once

#include <QApplication>

#include <memory>

// The application for the windows, on the display Qt picks (from its
// options, QT_QPA_PLATFORM, DISPLAY or WAYLAND_DISPLAY). Where no display
// can be opened, Qt would abort; instead the program says so on one line,
// with the ways on from there (the program as it was started under a
// virtual X server, or how to install one; worked solutions without
// windows), and ends with status 2: at once
// where Qt would try X11 alone with no display named, otherwise when Qt
// finds that no platform can start. Qt's notes from its start come out as
// usual once it has started.
std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]);
