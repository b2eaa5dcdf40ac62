#pragma once

// The menu's two length converters, each from the list of its units, and
// the one recompute that both run on every pick of a unit and every change
// of the value text.

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <optional>

// A unit of length: its name, as its converter's lists show it, and its
// size in the converter's smallest unit.
struct LengthUnit
{
    QStringView name;
    qint64 size;
};

// A converter: its units in the order of its two lists, smallest first.
// Converting to a larger unit divides by the ratio of the sizes and rounds
// to the converter's decimal places; to a smaller one it multiplies. The
// arithmetic label shows the ratio after the value ("/63360", "*1,000"),
// where the converter says so with its thousands set off by commas.
struct LengthConverter
{
    std::initializer_list<LengthUnit> units;
    int roundingDigits;
    bool thousandsWithCommas;
};

// Inches, feet, yards and miles; quotients rounded to 5 decimals.
extern const LengthConverter usLengths;
// Millimeters, centimeters, meters and kilometers; quotients rounded to 9
// decimals, ratios of 1000 and more written with commas.
extern const LengthConverter metricLengths;

// What a converter shows: the converted value and the arithmetic.
struct LengthConversion
{
    QString result;
    QString math;
};

// Converts the value text from the unit at one list position to the unit at
// the other (-1: a list without selection). Equal positions show the value
// itself with "*1"; different units their conversion. Nothing to show (one
// list without selection) gives no value. A value or result beyond the
// range of a double shows "Overflow" and no arithmetic.
std::optional<LengthConversion> convertLength(const LengthConverter& converter, QStringView valueText, int fromPosition,
                                              int toPosition);
