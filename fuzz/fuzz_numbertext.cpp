// libFuzzer target for the number text. Every input is read as entered text
// (as UTF-8, as raw UTF-16 code units and as Latin-1); its first 8 bytes are
// also a double and the next 4 a digit count. On each input it checks:
// - ValueOfText agrees with a separate reader built on strtod;
// - the texts of a finite number are those written here from printf's first
//   15 significant digits, and read back as that 15-digit rounding;
// - a number that is not finite gives RuntimeError(Overflow), never a text;
// - Round agrees with printf's "%.*f" read back by strtod.
// A violation prints what it saw and aborts.

#include "numeric/numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void check(bool ok, const char* what, double x, const QString& text = {})
{
    if (ok)
        return;
    std::fprintf(stderr, "number text property broken: %s\n  number %a (%.17g)\n  text \"%s\"\n", what, x, x,
                 text.toUtf8().constData());
    std::abort();
}

bool sameValue(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// Drops every blank, takes the longest prefix of the form
// [+-]? (digits with at most one ".", at least one digit) ([eE] [+-]? digits)?
// and hands it to strtod.
double referenceValue(QStringView text)
{
    std::string s;
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c.unicode() < 128 ? char(c.unicode()) : '?';
    }
    size_t i = s.starts_with('+') || s.starts_with('-') ? 1 : 0;
    const size_t start = i;
    const size_t whole = s.find_first_not_of("0123456789", i);
    i = whole == std::string::npos ? s.size() : whole;
    if (i < s.size() && s[i] == '.')
        i = std::min(s.size(), s.find_first_not_of("0123456789", i + 1));
    if (s.find_first_of("0123456789", start) >= i)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        const size_t sign = i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') ? i + 2 : i + 1;
        const size_t end = std::min(s.size(), s.find_first_not_of("0123456789", sign));
        if (end > sign)
            i = end;
    }
    return std::strtod(s.substr(0, i).c_str(), nullptr);
}

// The text of a finite number, from printf's 15 significant digits: a
// blank or "-" when spaced, "-" or nothing when plain; exponent form with at
// least two exponent digits outside 1E-9 <= |x| < 1E15; no trailing zeros in
// a fraction; below 1 no zero before the point when spaced, "0" when plain.
std::string expectedText(double x, bool spaced, const std::string& separator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(x));
    std::string digits = buffer[0] + std::string(buffer + 2, 14);
    const int exponent = x == 0 ? 0 : std::atoi(buffer + 17);
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.empty())
        digits = "0";
    std::string text = x < 0 ? "-" : spaced ? " " : "";
    if (exponent < -9 || exponent >= 15) {
        std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + digits[0] + (digits.size() > 1 ? separator + digits.substr(1) : "") + buffer;
    }
    if (exponent < 0)
        return text + (spaced ? "" : "0") + separator + std::string(size_t(-exponent - 1), '0') + digits;
    digits.resize(std::max(digits.size(), size_t(exponent) + 1), '0');
    const std::string fraction = digits.substr(size_t(exponent) + 1);
    return text + digits.substr(0, size_t(exponent) + 1) + (fraction.empty() ? "" : separator + fraction);
}

void checkWriting(double x)
{
    if (!std::isfinite(x)) {
        for (auto write :
             {+[](double v) { return SpacedNumberText(v); }, +[](double v) { return PlainNumberText(v); }}) {
            try {
                check(false, "a number that is not finite was written", x, write(x));
            } catch (const RuntimeError& error) {
                check(error.kind() == RuntimeError::Kind::Overflow, "not an Overflow error", x);
            }
        }
        return;
    }
    const QString spaced = SpacedNumberText(x);
    check(spaced.toStdString() == expectedText(x, true, "."), "SpacedNumberText", x, spaced);
    check(PlainNumberText(x, u",").toStdString() == expectedText(x, false, ","), "PlainNumberText", x,
          PlainNumberText(x, u","));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    const double rounded = std::strtod(buffer, nullptr);
    check(ValueOfText(spaced) == rounded, "the text does not read back as the 15-digit rounding", x, spaced);
}

void checkRound(double x, int digits)
{
    const double r = Round(x, digits);
    check(std::isfinite(r) == std::isfinite(x), "Round changed whether the number is finite", x);
    // Every finite double is a multiple of 2^-1074: from 1074 places on,
    // rounding changes nothing.
    if (!std::isfinite(x) || digits < 0 || digits > 1074) {
        check(!std::isfinite(x) || digits < 0 || sameValue(r, x), "Round beyond 1074 places changed the number", x);
        return;
    }
    static std::vector<char> buffer(2000);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", digits, x);
    check(sameValue(r, std::strtod(buffer.data(), nullptr)), "Round differs from printf's rounding", x);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const QString utf8 = QString::fromUtf8(bytes, qsizetype(size));
    const QString latin1 = QString::fromLatin1(bytes, qsizetype(size));
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    for (QStringView text :
         {QStringView(utf8), QStringView(latin1), QStringView(units.data(), qsizetype(units.size()))})
        check(sameValue(ValueOfText(text), referenceValue(text)), "ValueOfText differs from strtod",
              referenceValue(text), text.toString());

    // Numbers that text can reach, and any double with any digit count.
    const double read = ValueOfText(utf8);
    checkWriting(read);
    checkRound(read, 2);
    if (size >= 8) {
        double x;
        std::memcpy(&x, data, sizeof x);
        checkWriting(x);
        int digits = 0;
        if (size >= 12)
            std::memcpy(&digits, data + 8, sizeof digits);
        checkRound(x, digits);
        checkRound(x, int(uint32_t(digits) % 20));
    }
    return 0;
}
