#include "convert/lengthconversion.h"

#include "numeric/numbertext.h"

const LengthTable usLengths = {
    {u"Inches", u"Feet", u"Yards", u"Miles"},
    5,
    {{
        {u"Inches", u"Feet", LengthRow::Divide, 12, u"/12"},
        {u"Inches", u"Yards", LengthRow::Divide, 36, u"/36"},
        {u"Inches", u"Miles", LengthRow::Divide, 63360, u"/63360"},
        {u"Feet", u"Inches", LengthRow::Multiply, 12, u"*12"},
        {u"Feet", u"Yards", LengthRow::Divide, 3, u"/3"},
        {u"Feet", u"Miles", LengthRow::Divide, 5280, u"/5280"},
        {u"Yards", u"Inches", LengthRow::Multiply, 36, u"*36"},
        {u"Yards", u"Feet", LengthRow::Multiply, 3, u"*3"},
        {u"Yards", u"Miles", LengthRow::Divide, 1760, u"/1760"},
        {u"Miles", u"Inches", LengthRow::Multiply, 63360, u"*63360"},
        {u"Miles", u"Feet", LengthRow::Multiply, 5280, u"*5280"},
        {u"Miles", u"Yards", LengthRow::Multiply, 1760, u"*1760"},
    }},
};

const LengthTable metricLengths = {
    {u"Millimeters", u"Centimeters", u"Meters", u"Kilometers"},
    9,
    {{
        {u"Millimeters", u"Centimeters", LengthRow::Divide, 10, u"/10"},
        {u"Millimeters", u"Meters", LengthRow::Divide, 1000, u"/1,000"},
        {u"Millimeters", u"Kilometers", LengthRow::Divide, 1000000, u"/1,000,000"},
        {u"Centimeters", u"Millimeters", LengthRow::Multiply, 10, u"*10"},
        {u"Centimeters", u"Meters", LengthRow::Divide, 100, u"/100"},
        {u"Centimeters", u"Kilometers", LengthRow::Divide, 100000, u"/100,000"},
        {u"Meters", u"Millimeters", LengthRow::Multiply, 1000, u"*1,000"},
        {u"Meters", u"Centimeters", LengthRow::Multiply, 100, u"*100"},
        {u"Meters", u"Kilometers", LengthRow::Divide, 1000, u"/1,000"},
        {u"Kilometers", u"Millimeters", LengthRow::Multiply, 1000000, u"*1,000,000"},
        {u"Kilometers", u"Centimeters", LengthRow::Multiply, 100000, u"*100,000"},
        {u"Kilometers", u"Meters", LengthRow::Multiply, 1000, u"*1,000"},
    }},
};

namespace {

// The value as the arithmetic shows it, immediately followed by the operation.
QString arithmetic(double value, QStringView operationText)
{
    QString text = SpacedNumberText(value);
    text += operationText;
    return text;
}

} // namespace

std::optional<LengthConversion> convertLength(const LengthTable& table, QStringView valueText, int fromPosition,
                                              int toPosition)
{
    // A list without selection has no unit text.
    auto unitAt = [&table](int position) {
        return position >= 0 && position < int(table.units.size()) ? table.units[size_t(position)] : QStringView();
    };

    try {
        const double v = ValueOfText(valueText);
        std::optional<LengthConversion> shown;

        // The same position in both lists (both without selection too): the
        // value itself, not rounded.
        if (fromPosition == toPosition)
            shown = LengthConversion{PlainNumberText(v), arithmetic(v, u"*1")};

        // A pair of different units: its row. The units are told apart by
        // their names.
        const QStringView from = unitAt(fromPosition);
        const QStringView to = unitAt(toPosition);
        for (const LengthRow& row : table.rows) {
            if (row.from != from || row.to != to)
                continue;
            const double converted =
                row.operation == LengthRow::Divide ? Round(v / row.factor, table.roundingDigits) : v * row.factor;
            shown = LengthConversion{PlainNumberText(converted), arithmetic(v, row.operationText)};
        }
        return shown;
    } catch (const RuntimeError&) {
        // Only an overflow can happen here: an entry beyond the range of a
        // double, or a product leaving it. The converter runs on every
        // keystroke, so it says so in place rather than in a message box,
        // and shows no arithmetic that would belong to an earlier value.
        return LengthConversion{QStringLiteral("Overflow"), QString()};
    }
}
