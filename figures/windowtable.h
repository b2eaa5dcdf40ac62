#pragma once

// The twelve calculator windows, listed once: the menu opens them through
// this table, and whatever has to visit every window (the tests, the
// benchmarks, the screenshot program) walks it. Each shows a figure of the
// catalogue, which gives its caption, its boxes and its worked example.

#include <QStringView>

#include <array>

class Calculator;
struct Figure;
struct QMetaObject;

struct CalculatorWindow
{
    const Figure& figure;
    // The window class, e.g. FrmCircle.
    const QMetaObject* type;
    // The menu picture that opens it.
    const char* picture;
    // Shows the single instance, building it first if need be.
    Calculator& (*show)();
    // The single instance, or null while it is not loaded.
    Calculator* (*instance)();
};

// In the order of the catalogue.
extern const std::array<CalculatorWindow, 12> calculatorWindows;

// The window that the named menu picture opens.
const CalculatorWindow& calculatorWindow(QStringView picture);
