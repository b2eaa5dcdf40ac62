#include "convert/lengthconversion.h"

#include "numeric/numbertext.h"

constinit const LengthConverter usLengths{
    .units = {{u"Inches", 1}, {u"Feet", 12}, {u"Yards", 36}, {u"Miles", 63360}},
    .roundingDigits = 5,
    .thousandsWithCommas = false,
};

constinit const LengthConverter metricLengths{
    .units = {{u"Millimeters", 1}, {u"Centimeters", 10}, {u"Meters", 1000}, {u"Kilometers", 1000000}},
    .roundingDigits = 9,
    .thousandsWithCommas = true,
};

namespace {

// The ratio of two sizes as the arithmetic writes it: its digits, in
// groups of three set off by commas where the converter wants them.
QString ratioText(qint64 ratio, bool thousandsWithCommas)
{
    QString digits = QString::number(ratio);
    if (thousandsWithCommas) {
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
            digits.insert(at, u',');
    }
    return digits;
}

// The value as the arithmetic shows it, immediately followed by the operation.
QString arithmetic(double value, const QString& operation)
{
    return SpacedNumberText(value) + operation;
}

} // namespace

std::optional<LengthConversion> convertLength(const LengthConverter& converter, QStringView valueText, int fromPosition,
                                              int toPosition)
{
    // A list without selection names no unit: the value itself shows only
    // where the other has none either.
    const auto named = [&converter](int position) { return position >= 0 && position < int(converter.units.size()); };
    if (fromPosition != toPosition && !(named(fromPosition) && named(toPosition)))
        return std::nullopt;
    try {
        const double v = ValueOfText(valueText);
        if (fromPosition == toPosition)
            return LengthConversion{PlainNumberText(v), arithmetic(v, QStringLiteral("*1"))};
        const qint64 from = converter.units.begin()[fromPosition].size;
        const qint64 to = converter.units.begin()[toPosition].size;
        if (from > to) {
            const qint64 ratio = from / to;
            return LengthConversion{PlainNumberText(v * double(ratio)),
                                    arithmetic(v, u'*' + ratioText(ratio, converter.thousandsWithCommas))};
        }
        const qint64 ratio = to / from;
        return LengthConversion{PlainNumberText(Round(v / double(ratio), converter.roundingDigits)),
                                arithmetic(v, u'/' + ratioText(ratio, converter.thousandsWithCommas))};
    } catch (const RuntimeError&) {
        // Only an overflow can happen here: an entry beyond the range of a
        // double, or a product leaving it. The converter runs on every
        // keystroke, so it says so in place rather than in a message box,
        // and shows no arithmetic that would belong to an earlier value.
        return LengthConversion{QStringLiteral("Overflow"), QString()};
    }
}
