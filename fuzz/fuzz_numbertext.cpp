// libFuzzer target for the number text. Every input is read as entered text
// (as UTF-8, as raw UTF-16 code units and as Latin-1); its first 8 bytes are
// also a double and the next 4 a digit count. On each input it checks:
// - ValueOfText agrees with a separate reader built on strtod;
// - the texts of a finite number follow the number-text rules, carry the
//   number's first 15 significant digits as printf rounds them, and read
//   back as that 15-digit rounding (or as an infinity of the number's sign
//   where the rounding lies beyond the largest double);
// - a number that is not finite gives RuntimeError(Overflow), never a text;
// - Round agrees with printf's "%.*f" read back by strtod.
// A violation prints what it saw and aborts.

#include "numeric/numbertext.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what, double x, const QString& text = {})
{
    std::fprintf(stderr, "number text property broken: %s\n  number %a (%.17g)\n  text \"%s\"\n",
                 what, x, x, text.toUtf8().constData());
    std::abort();
}

void check(bool ok, const char* what, double x, const QString& text = {})
{
    if (!ok)
        fail(what, x, text);
}

bool sameValue(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// --- Reading -----------------------------------------------------------------

// The reference reader: drop every blank, take the longest prefix of the form
// [+-]? (digits with at most one ".", at least one digit) ([eE] [+-]? digits)?
// and hand it to strtod.
double referenceValue(QStringView text)
{
    std::string s;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        s += c.unicode() < 128 ? static_cast<char>(c.unicode()) : '?';
    }
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool point = false;
    size_t digits = 0;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            ++digits;
        else if (s[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const size_t firstDigit = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            ++j;
        if (j > firstDigit)
            i = j;
    }
    const std::string number = s.substr(0, i);
    return std::strtod(number.c_str(), nullptr);
}

void checkReading(QStringView text)
{
    const double value = ValueOfText(text);
    const double expected = referenceValue(text);
    if (!sameValue(value, expected)) {
        std::fprintf(stderr, "reference reader gives %a (%.17g)\n", expected, expected);
        fail("ValueOfText differs from the reference reader", value, text.toString());
    }
}

// --- Writing -----------------------------------------------------------------

// A finite number's first 15 significant digits as printf rounds them: the
// digits without trailing zeros and the power of ten of the first one.
struct Digits
{
    std::string digits;
    int exponent = 0;
};

Digits printfDigits(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(x));   // d.dddddddddddddde±XX
    Digits d;
    d.digits = buffer[0];
    const char* e = std::strchr(buffer, 'e');
    d.digits.append(buffer + 2, size_t(e - buffer - 2));
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    d.exponent = std::atoi(e + 1);
    if (x == 0.0)
        d = {"0", 0};
    return d;
}

double roundedTo15Digits(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Matches the text of a finite number x and, when it matches, gives the
// digits it shows. The text is the sign (a blank or "-" when spaced, "-" or
// nothing when plain) and then either
//   a mantissa [1-9] (sep [0-9]*[1-9])? with E, a sign and at least two
//   exponent digits, for magnitudes outside 1E-9 .. 1E15; or
//   whole digits without leading zeros, and a fraction without trailing
//   zeros after the separator, at most 15 significant digits, where the
//   whole part below 1 is empty (spaced) or "0" (plain), and zero is "0".
bool matchText(const QString& text, double x, bool spaced, QStringView sep, Digits& shown,
               const char*& why)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    const bool negative = x < 0;
    if (spaced) {
        if (n == 0 || text[0] != (negative ? u'-' : u' '))
            return why = "sign: a blank before a positive number or zero, a minus before a negative one", false;
        i = 1;
    } else if (negative) {
        if (n == 0 || text[0] != u'-')
            return why = "no minus before a negative number", false;
        i = 1;
    }

    const qsizetype e = text.indexOf(u'E', i);
    if (e >= 0) {
        // Exponent form.
        if (i >= n || !isDigit(text[i]) || text[i] == u'0')
            return why = "mantissa does not begin with a non-zero digit", false;
        shown.digits = char(text[i].unicode());
        ++i;
        if (i < e) {
            if (text.sliced(i, sep.size()) != sep || i + sep.size() >= e)
                return why = "mantissa: separator and digits expected after the first digit", false;
            for (i += sep.size(); i < e; ++i) {
                if (!isDigit(text[i]))
                    return why = "mantissa: not a digit", false;
                shown.digits += char(text[i].unicode());
            }
            if (shown.digits.back() == '0')
                return why = "mantissa ends in a zero", false;
        }
        i = e + 1;
        if (i >= n || (text[i] != u'+' && text[i] != u'-'))
            return why = "exponent without a sign", false;
        const bool negativeExponent = text[i] == u'-';
        ++i;
        const qsizetype firstDigit = i;
        int exponent = 0;
        for (; i < n && isDigit(text[i]); ++i) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i].unicode() - u'0');
        }
        if (i != n)
            return why = "something after the exponent digits", false;
        const qsizetype exponentDigits = n - firstDigit;
        if (exponentDigits < 2 || exponentDigits > 3 || (exponentDigits == 3 && text[firstDigit] == u'0'))
            return why = "exponent not two or three digits", false;
        shown.exponent = negativeExponent ? -exponent : exponent;
        if (shown.exponent >= -9 && shown.exponent < 15)
            return why = "exponent form for a magnitude from 1E-9 up to below 1E15", false;
        if (shown.digits.size() > 15)
            return why = "more than 15 significant digits", false;
        return true;
    }

    // Plain form.
    std::string whole;
    for (; i < n && isDigit(text[i]); ++i)
        whole += char(text[i].unicode());
    std::string fraction;
    if (i < n) {
        if (text.sliced(i).left(sep.size()) != sep)
            return why = "not a digit or the separator", false;
        for (i += sep.size(); i < n; ++i) {
            if (!isDigit(text[i]))
                return why = "fraction: not a digit", false;
            fraction += char(text[i].unicode());
        }
        if (fraction.empty())
            return why = "separator without a fraction", false;
        if (fraction.back() == '0')
            return why = "fraction ends in a zero", false;
    }
    if (x == 0.0) {
        if (whole != "0" || !fraction.empty())
            return why = "zero not written as 0", false;
        shown = {"0", 0};
        return true;
    }
    if (whole.empty()) {
        if (!spaced)
            return why = "no zero before the separator below 1", false;
    } else if (whole == "0") {
        if (spaced)
            return why = "a zero before the point below 1", false;
        whole.clear();
    } else if (whole[0] == '0') {
        return why = "leading zero", false;
    }
    if (whole.empty() && fraction.empty())
        return why = "no digits", false;
    std::string all = whole + fraction;
    const size_t firstNonZero = all.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return why = "only zeros for a non-zero number", false;
    shown.exponent = whole.empty() ? -int(firstNonZero) - 1 : int(whole.size()) - 1;
    all.erase(0, firstNonZero);
    while (all.size() > 1 && all.back() == '0')
        all.pop_back();
    shown.digits = all;
    if (shown.digits.size() > 15)
        return why = "more than 15 significant digits", false;
    if (shown.exponent < -9 || shown.exponent >= 15)
        return why = "plain form for a magnitude below 1E-9 or from 1E15 up", false;
    return true;
}

void checkText(const QString& text, double x, bool spaced, QStringView sep)
{
    Digits shown;
    const char* why = "";
    if (!matchText(text, x, spaced, sep, shown, why))
        fail(why, x, text);
    const Digits expected = printfDigits(x);
    if (shown.digits != expected.digits || shown.exponent != expected.exponent) {
        std::fprintf(stderr, "printf's 15 digits: %s, first digit's power %d\n",
                     expected.digits.c_str(), expected.exponent);
        fail("the text shows other digits than the number's first 15", x, text);
    }
}

template<typename Write>
void checkOverflow(Write write, double x, const char* what)
{
    try {
        const QString text = write(x);
        fail(what, x, text);
    } catch (const RuntimeError& error) {
        check(error.kind() == RuntimeError::Kind::Overflow, "not an Overflow error", x);
    }
}

void checkWriting(double x)
{
    if (!std::isfinite(x)) {
        checkOverflow([](double v) { return SpacedNumberText(v); }, x, "SpacedNumberText wrote a text");
        checkOverflow([](double v) { return PlainNumberText(v); }, x, "PlainNumberText wrote a text");
        checkOverflow([](double v) { return PlainNumberText(v, u","); }, x, "PlainNumberText wrote a text");
        return;
    }

    const QString spaced = SpacedNumberText(x);
    checkText(spaced, x, true, u".");
    const QString plain = PlainNumberText(x, u".");
    checkText(plain, x, false, u".");
    checkText(PlainNumberText(x, u","), x, false, u",");
    checkText(PlainNumberText(x, u"·×"), x, false, u"·×");
    static const QString localeSeparator = QLocale::system().decimalPoint();
    checkText(PlainNumberText(x), x, false, localeSeparator);

    // Read back: the 15-digit rounding, or beyond the largest double an
    // infinity of the number's sign, whose text is the Overflow error.
    const double rounded = roundedTo15Digits(x);
    const double back = ValueOfText(spaced);
    if (std::isfinite(rounded)) {
        check(back == rounded, "SpacedNumberText does not read back as the 15-digit rounding", x, spaced);
        check(ValueOfText(plain) == rounded, "PlainNumberText does not read back as the 15-digit rounding", x, plain);
    } else {
        check(std::isinf(back) && std::signbit(back) == std::signbit(x),
              "a text beyond the largest double does not read back as infinity", x, spaced);
        checkOverflow([](double v) { return SpacedNumberText(v); }, back, "SpacedNumberText wrote a text");
    }
}

// --- Rounding ----------------------------------------------------------------

void checkRound(double x, int digits)
{
    const double r = Round(x, digits);
    if (!std::isfinite(x)) {
        check(!std::isfinite(r), "Round made a non-finite number finite", x);
        return;
    }
    check(std::isfinite(r), "Round of a finite number is not finite", x);
    if (digits < 0)
        return;
    // Every finite double is a multiple of 2^-1074, which has 1074 decimal
    // places: from there on rounding changes nothing.
    if (digits > 1074) {
        check(sameValue(r, x), "Round beyond 1074 places changed the number", x);
        return;
    }
    static std::vector<char> buffer(2000);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", digits, x);
    const double expected = std::strtod(buffer.data(), nullptr);
    if (!sameValue(r, expected)) {
        std::fprintf(stderr, "digits %d, Round gives %.17g, printf and strtod %.17g\n", digits, r, expected);
        fail("Round differs from printf's rounding", x);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const qsizetype length = qsizetype(size);

    const QString utf8 = QString::fromUtf8(bytes, length);
    checkReading(utf8);
    checkReading(QString::fromLatin1(bytes, length));
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    checkReading(QStringView(units.data(), qsizetype(units.size())));

    // Numbers that text can reach.
    const double read = ValueOfText(utf8);
    checkWriting(read);
    checkRound(read, 2);

    // Any double, any digit count.
    if (size >= 8) {
        double x;
        std::memcpy(&x, data, sizeof x);
        checkWriting(x);
        int digits = 0;
        if (size >= 12)
            std::memcpy(&digits, data + 8, sizeof digits);
        checkRound(x, digits);
        checkRound(x, int(uint32_t(digits) % 20));
        checkRound(read, int(uint32_t(digits) % 20));
    }
    return 0;
}
