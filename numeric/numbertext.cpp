#include "numeric/numbertext.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

RuntimeError::RuntimeError(Kind kind)
    : std::runtime_error(kind == Kind::Overflow ? "overflow" : "square root of a negative number")
    , m_kind(kind)
{
}

QString RuntimeError::message() const
{
    switch (m_kind) {
    case Kind::Overflow:
        return QStringLiteral("Overflow: a result is too large to calculate.");
    case Kind::NegativeSquareRoot:
        return QStringLiteral("Invalid calculation: square root of a negative number.");
    }
    return {};
}

// ---------------------------------------------------------------------------
// Reading

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Walks the text once, skipping blanks wherever they stand.
class Reader
{
public:
    explicit Reader(QStringView text)
        : m_text(text)
    {
    }

    QChar peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : QChar();
    }
    void next() { ++m_pos; }
    qsizetype position() const { return m_pos; }
    void rewind(qsizetype position) { m_pos = position; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace

double ValueOfText(QStringView text)
{
    Reader in(text);

    bool negative = false;
    if (in.peek() == u'-' || in.peek() == u'+') {
        negative = in.peek() == u'-';
        in.next();
    }

    // The mantissa's characters, only those that form the number.
    std::string number;
    bool point = false;
    int digitsBeforePoint = 0;
    int firstNonZero = -1; // index among the digits of the first non-zero one
    int digitCount = 0;
    for (QChar c = in.peek(); !c.isNull(); c = in.peek()) {
        if (isDigit(c)) {
            if (firstNonZero < 0 && c != u'0')
                firstNonZero = digitCount;
            ++digitCount;
            if (!point)
                ++digitsBeforePoint;
            number += char(c.unicode());
        } else if (c == u'.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
        in.next();
    }
    if (digitCount == 0)
        return 0.0;

    // The exponent belongs to the number only when at least one digit follows.
    long exponent = 0;
    const qsizetype beforeExponent = in.position();
    if (in.peek() == u'e' || in.peek() == u'E') {
        in.next();
        bool negativeExponent = false;
        if (in.peek() == u'-' || in.peek() == u'+') {
            negativeExponent = in.peek() == u'-';
            in.next();
        }
        bool anyDigit = false;
        for (QChar c = in.peek(); isDigit(c); c = in.peek()) {
            anyDigit = true;
            if (exponent < 1'000'000'000) // far beyond any double; stop growing
                exponent = exponent * 10 + (c.unicode() - u'0');
            in.next();
        }
        if (anyDigit) {
            if (negativeExponent)
                exponent = -exponent;
        } else {
            exponent = 0;
            in.rewind(beforeExponent);
        }
    }

    if (firstNonZero < 0)
        return negative ? -0.0 : 0.0;

    number += 'e';
    number += std::to_string(exponent);
    double magnitude = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        // The power of ten of the leading digit tells overflow from underflow.
        const long leadingPower = long(digitsBeforePoint) - firstNonZero - 1 + exponent;
        magnitude = leadingPower > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

// ---------------------------------------------------------------------------
// Writing

namespace {

// A finite number rounded to 15 significant digits: its sign, its digits
// without trailing zeros, and the power of ten of the first digit.
struct Decimal
{
    bool negative = false;
    std::string digits = "0";
    int exponent = 0;
};

Decimal decimalOf(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    Decimal d;
    if (value == 0.0) // negative zero too
        return d;

    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    // buffer holds e.g. "-1.23450000000000e+05"
    const std::string_view text(buffer, size_t(result.ptr - buffer));
    size_t pos = 0;
    d.negative = text[0] == '-';
    if (d.negative)
        ++pos;
    d.digits.assign(1, text[pos]);
    const size_t e = text.find('e');
    d.digits.append(text.substr(pos + 2, e - pos - 2));
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), d.exponent);
    return d;
}

QString numberText(double value, QStringView positiveSign, bool zeroBeforePoint, QStringView separator)
{
    const Decimal d = decimalOf(value);
    QString text = d.negative ? QStringLiteral("-") : positiveSign.toString();
    const QString digits = QString::fromLatin1(d.digits.data(), qsizetype(d.digits.size()));

    if (d.exponent < -9 || d.exponent >= 15) {
        text += digits.front();
        if (digits.size() > 1) {
            text += separator;
            text += digits.mid(1);
        }
        text += d.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QStringLiteral("%1").arg(std::abs(d.exponent), 2, 10, QChar(u'0'));
        return text;
    }

    QString whole;
    QString fraction;
    if (d.exponent >= 0) {
        const qsizetype wholeDigits = d.exponent + 1;
        whole = digits.left(wholeDigits).leftJustified(wholeDigits, u'0');
        fraction = digits.mid(wholeDigits);
    } else {
        whole = zeroBeforePoint ? QStringLiteral("0") : QString();
        fraction = QString(-d.exponent - 1, u'0') + digits;
    }
    text += whole;
    if (!fraction.isEmpty()) {
        text += separator;
        text += fraction;
    }
    return text;
}

} // namespace

QString SpacedNumberText(double value)
{
    return numberText(value, u" ", false, u".");
}

QString PlainNumberText(double value, QStringView decimalSeparator)
{
    return numberText(value, u"", true, decimalSeparator);
}

QString PlainNumberText(double value)
{
    static const QString separator = QLocale::system().decimalPoint();
    return PlainNumberText(value, separator);
}

// ---------------------------------------------------------------------------
// Arithmetic

double Round(double value, int digits)
{
    // Every finite double is a whole multiple of 2^-1074, which has 1074
    // decimal places: rounding to that many places or more changes nothing.
    if (!std::isfinite(value) || digits < 0 || digits >= 1074)
        return value;
    // The fixed form of the exact value, correctly rounded (exact halves to
    // even), read back as the nearest double.
    std::string buffer(size_t(330 + digits), '\0');
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, digits);
    double rounded = value;
    std::from_chars(buffer.data(), result.ptr, rounded);
    return rounded;
}

double SquareRoot(double value)
{
    if (value < 0)
        throw RuntimeError(RuntimeError::Kind::NegativeSquareRoot);
    return std::sqrt(value);
}
