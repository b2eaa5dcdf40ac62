// The two length converters without a window: the result and the
// arithmetic for every pair of units, rounding, the value itself between
// equal units, and an overflow. Expected results are written with a
// decimal point; under a locale with a decimal comma the results show a
// comma, the arithmetic never does.

#include <QLocale>
#include <QTest>

#include "convert/lengthconversion.h"

Q_DECLARE_METATYPE(const LengthConverter*)

class tst_Convert : public QObject
{
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void nothingWithoutAUnit();
};

void tst_Convert::convert_data()
{
    QTest::addColumn<const LengthConverter*>("converter");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("math");
    const auto us = [](const char* name, const char* value, int from, int to, const char* result, const char* math) {
        QTest::newRow(name) << &usLengths << QString(value) << from << to << QString(result) << QString(math);
    };
    const auto metric = [](const char* name, const char* value, int from, int to, const char* result,
                           const char* math) {
        QTest::newRow(name) << &metricLengths << QString(value) << from << to << QString(result) << QString(math);
    };
    us("in to in, not rounded", "0.123456789", 0, 0, "0.123456789", " .123456789*1");
    us("in to ft, 5 places", "1", 0, 1, "0.08333", " 1/12");
    us("in to ft, half to even", "0.1875", 0, 1, "0.01562", " .1875/12");
    us("in to mi", "443520", 0, 3, "7", " 443520/63360");
    us("ft to in", "1.23456789", 1, 0, "14.81481468", " 1.23456789*12");
    us("ft to yd", "100", 1, 2, "33.33333", " 100/3");
    us("ft to mi", "-10560", 1, 3, "-2", "-10560/5280");
    us("yd to ft", "-2.5", 2, 1, "-7.5", "-2.5*3");
    us("yd to mi", "3520ft", 2, 3, "2", " 3520/1760");
    us("mi to in", ".5", 3, 0, "31680", " .5*63360");
    us("mi to in, overflow", "1e308", 3, 0, "Overflow", "");
    us("value overflows", "1e999", 1, 1, "Overflow", "");
    metric("m to m, exponent", "1e20", 2, 2, "1E+20", " 1E+20*1");
    metric("mm to cm", "25", 0, 1, "2.5", " 25/10");
    metric("mm to km, 9 places", "1234.56789", 0, 3, "0.001234568", " 1234.56789/1,000,000");
    metric("cm to mm", "2.5", 1, 0, "25", " 2.5*10");
    metric("cm to km", "150000", 1, 3, "1.5", " 150000/100,000");
    metric("m to mm", "1.5", 2, 0, "1500", " 1.5*1,000");
    metric("m to km", "-1", 2, 3, "-0.001", "-1/1,000");
    metric("km to mm", "2", 3, 0, "2000000", " 2*1,000,000");
    metric("km to mm, overflow", "1e303", 3, 0, "Overflow", "");
}

void tst_Convert::convert()
{
    QFETCH(const LengthConverter*, converter);
    QFETCH(QString, value);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, result);
    QFETCH(QString, math);
    const std::optional<LengthConversion> shown = convertLength(*converter, value, from, to);
    QVERIFY(shown);
    QCOMPARE(shown->result, result.replace(u'.', QLocale::system().decimalPoint()));
    QCOMPARE(shown->math, math);
}

// A list without a selection names no unit: nothing to show, unless
// neither list has one.
void tst_Convert::nothingWithoutAUnit()
{
    QVERIFY(!convertLength(usLengths, u"2", -1, 1));
    QVERIFY(!convertLength(metricLengths, u"2", 2, -1));
    QCOMPARE(convertLength(usLengths, u"2", -1, -1)->math, " 2*1");
}

QTEST_APPLESS_MAIN(tst_Convert)
#include "tst_convert.moc"
