#pragma once

// How entered text becomes a number and how a number becomes the text of a
// step line. Every value is a double.

#include <QString>
#include <QStringView>
#include <stdexcept>

// A run-time error of the arithmetic: it ends the handler that met it.
class RuntimeError : public std::runtime_error
{
public:
    enum class Kind { Overflow, NegativeSquareRoot };

    explicit RuntimeError(Kind kind);

    Kind kind() const { return m_kind; }
    // What the user is told, e.g. "Overflow: a result is too large to calculate."
    QString message() const;

private:
    Kind m_kind;
};

// Reads the longest leading part of the text that forms a number: blanks,
// tabs and line feeds are skipped anywhere, then an optional sign, digits with
// at most one ".", and an optional exponent (E or e, optional sign, digits).
// Text that begins with no number gives 0. Never fails: a number beyond the
// range of a double reads as an infinity of its sign.
double ValueOfText(QStringView text);

// The number with a leading blank (or "-"), at most 15 significant digits,
// "." as decimal point, no zero before the point below 1 (" .5"), and
// exponent form outside 1E-9 <= |x| < 1E15 (" 1E+16").
// Throws RuntimeError(Overflow) for a number that is not finite.
QString SpacedNumberText(double value);

// The number as the user's locale writes it: no leading blank, the locale's
// decimal separator, a zero before it below 1 ("0.5"), otherwise as
// SpacedNumberText. Throws RuntimeError(Overflow) for a number that is not
// finite.
QString PlainNumberText(double value);
// The same with a given decimal separator.
QString PlainNumberText(double value, QStringView decimalSeparator);

// Rounds the exact value of the double to the given number of decimal places;
// an exact half goes to the even neighbour.
double Round(double value, int digits);

// The square root; throws RuntimeError(NegativeSquareRoot) for a negative
// number.
double SquareRoot(double value);
