#pragma once

// The menu's two length converters: their conversion tables, and the one
// recompute that both run on every pick of a unit and every change of the
// value text.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// Converting between two different units: to a larger unit divides by the
// factor, to a smaller one multiplies. The operation text is what the
// arithmetic label shows after the value, e.g. "/63360" or "*1,000".
struct LengthRow
{
    QStringView from;
    QStringView to;
    enum Operation { Multiply, Divide } operation;
    double factor;
    QStringView operationText;
};

// One converter: its four units in the order of its two lists, the decimal
// places that dividing rows round to, and a row for each pair of different
// units.
struct LengthTable
{
    std::array<QStringView, 4> units;
    int roundingDigits;
    std::array<LengthRow, 12> rows;
};

// Inches, feet, yards and miles; quotients rounded to 5 decimals.
extern const LengthTable usLengths;
// Millimeters, centimeters, meters and kilometers; quotients rounded to 9
// decimals, factors of 1000 and more written with commas.
extern const LengthTable metricLengths;

// What a converter shows: the converted value and the arithmetic.
struct LengthConversion
{
    QString result;
    QString math;
};

// Converts the value text from the unit at one list position to the unit at
// the other (-1: a list without selection). Equal positions show the value
// itself with "*1"; a pair of different units shows its row. Nothing to show
// (one list without selection) gives no value. A value or result beyond the
// range of a double shows "Overflow" and no arithmetic.
std::optional<LengthConversion> convertLength(const LengthTable& table, QStringView valueText, int fromPosition,
                                              int toPosition);
