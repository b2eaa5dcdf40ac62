#pragma once

// The twelve calculator windows, listed once: the menu opens them through
// this table, and whatever has to visit every window (the tests, the
// benchmarks, the screenshot program) walks it. A window's caption, its text
// boxes with their labels and its "Calculate" button are its own; Form gives
// them (windowTitle(), entries(), the window's push button).

#include <QStringView>

#include <array>
#include <memory>

class Form;
struct QMetaObject;

struct CalculatorWindow
{
    // The figure's short name on the command line, e.g. "circle".
    const char* name;
    // The window class, e.g. FrmCircle.
    const QMetaObject* type;
    // The menu picture that opens it.
    const char* picture;
    // Shows the single instance, building it first if need be.
    Form& (*show)();
    // The single instance, or null while it is not loaded.
    Form* (*instance)();
    // A window of its own, built and loaded but not shown: the command line
    // works it without a screen.
    std::unique_ptr<Form> (*build)();
    // A worked example: the entries for the text boxes in Tab order,
    // separated by blanks; boxes beyond them stay empty.
    const char* example;
    // The labels of the text boxes in Tab order, separated by ", ", and the
    // captions of the options that pick the box solved for, separated by
    // "|" (empty where there are none): the command line reads and lists
    // the names from here without building a window.
    const char* boxes;
    const char* options;
};

extern const std::array<CalculatorWindow, 12> calculatorWindows;

// The window that the named menu picture opens.
const CalculatorWindow& calculatorWindow(QStringView picture);
// The window of the figure of that short name, or null.
const CalculatorWindow* calculatorWindowNamed(QStringView name);
