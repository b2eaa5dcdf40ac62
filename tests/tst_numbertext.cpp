// The text/number operations: reading entries, writing step-line and
// converter numbers and rounding (the square root is worked in the windows).

#include <QTest>

#include <cmath>
#include <limits>

#include "numeric/numbertext.h"

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void valueOfText_data();
    void valueOfText();
    void spacedNumberText_data();
    void spacedNumberText();
    void plainNumberText_data();
    void plainNumberText();
    void notFiniteIsOverflow();
    void round_data();
    void round();
};

void tst_NumberText::valueOfText_data()
{
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("word") << "abc" << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("blank inside") << "1 2" << 12.0;
    QTest::newRow("tab and line feed") << "\t1\n5" << 15.0;
    QTest::newRow("unit after") << "3cm" << 3.0;
    QTest::newRow("comma ends") << "1,5" << 1.0;
    QTest::newRow("no leading zero") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("sign then blank") << "- 5" << -5.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("exponent with blanks") << "2 e 3" << 2000.0;
    QTest::newRow("exponent without digits") << "2E" << 2.0;
    QTest::newRow("inf is a word") << "inf" << 0.0;
    QTest::newRow("hex is not read") << "0x10" << 0.0;
    QTest::newRow("arabic-indic digit is not a digit") << QString::fromUtf8("\u0663") << 0.0;
    QTest::newRow("correctly rounded") << "0.1" << 0.1;
    QTest::newRow("beyond range") << "1e999" << inf;
    QTest::newRow("beyond range negative") << "-1e999" << -inf;
    QTest::newRow("huge exponent digits") << "1e99999999999999999999" << inf;
    QTest::newRow("long whole number") << QString(400, u'9') << inf;
    QTest::newRow("too small") << "1e-999" << 0.0;
    QTest::newRow("zeros then digits, too small") << "0.000001e-999" << 0.0;
    QTest::newRow("2,000 zeros then a digit, too small") << "0." + QString(2000, u'0') + "1e-100" << 0.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << std::numeric_limits<double>::max();
    QTest::newRow("subnormal") << "4.9406564584124654e-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("100,000 zeros, then a digit") << QString(100000, u'0') + "5" << 5.0;
    QTest::newRow("100,000 blanks after") << "7" + QString(100000, u' ') << 7.0;
    QTest::newRow("100,000 digits after the point") << "1." + QString(100000, u'3') << 1.0 + 1.0 / 3.0;
}

void tst_NumberText::valueOfText()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ValueOfText(text), value);
    QCOMPARE(std::signbit(ValueOfText(text)), std::signbit(value));
}

void tst_NumberText::spacedNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("decimal") << 12.56 << " 12.56";
    QTest::newRow("below one") << 0.5 << " .5";
    QTest::newRow("negative below one") << -0.25 << "-.25";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << " .3";
    QTest::newRow("a sixteenth digit rounded away") << 4.176200000000001 << " 4.1762";
    QTest::newRow("root two") << std::sqrt(2.0) << " 1.4142135623731";
    QTest::newRow("largest plain") << 999999999999999.0 << " 999999999999999";
    QTest::newRow("rounds up to exponent") << 999999999999999.9 << " 1E+15";
    QTest::newRow("1E15") << 1e15 << " 1E+15";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << " 1.79769313486232E+308";
    QTest::newRow("negative exponent form") << -1.5e20 << "-1.5E+20";
    QTest::newRow("smallest plain") << 1e-9 << " .000000001";
    QTest::newRow("below smallest plain") << 1.5e-10 << " 1.5E-10";
    QTest::newRow("tiny") << 5e-324 << " 4.94065645841247E-324";
    QTest::newRow("exponent two digits") << 1.25e-5 << " .0000125";
    QTest::newRow("long fraction") << 1.0 / 3.0 << " .333333333333333";
    QTest::newRow("long whole rounds") << 123456789012345678.0 << " 1.23456789012346E+17";
}

void tst_NumberText::spacedNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(SpacedNumberText(value), text);
}

void tst_NumberText::plainNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, double value, const char* separator, const char* text) {
        QTest::newRow(name) << value << QString::fromLatin1(separator) << QString::fromLatin1(text);
    };
    row("zero", 0.0, ".", "0");
    row("negative zero", -0.0, ".", "0");
    row("below one", 0.5, ".", "0.5");
    row("decimal comma", 0.125, ",", "0,125");
    row("decimal comma exponent", -1.5e-10, ",", "-1,5E-10");
    row("exponent", 1e16, ".", "1E+16");
    row("many digits", 14.81481468, ".", "14.81481468");
}

void tst_NumberText::plainNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QCOMPARE(PlainNumberText(value, separator), text);
}

// A number that is not finite has no text: writing it is the overflow.
void tst_NumberText::notFiniteIsOverflow()
{
    for (double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, SpacedNumberText(value));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, PlainNumberText(value));
    }
}

void tst_NumberText::round_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("rounded");
    QTest::newRow("exact half down to even") << 0.125 << 2 << 0.12;
    QTest::newRow("exact half up to even") << 0.375 << 2 << 0.38;
    QTest::newRow("2.5 to even") << 2.5 << 0 << 2.0;
    QTest::newRow("1.005 lies below the half") << 1.005 << 2 << 1.0;
    QTest::newRow("a twelfth") << 1.0 / 12 << 5 << 0.08333;
    QTest::newRow("nine places") << 1234.56789 / 1000000 << 9 << 0.001234568;
    QTest::newRow("large stays") << 1e300 << 5 << 1e300;
    QTest::newRow("tiny to zero") << 1e-300 << 9 << 0.0;
    QTest::newRow("smallest double below the last place") << 5e-324 << 1073 << 0.0;
    QTest::newRow("smallest double at the last place") << 5e-324 << 1074 << 5e-324;
    QTest::newRow("as many places as an int holds") << 1.0 / 3 << std::numeric_limits<int>::max() << 1.0 / 3;
}

void tst_NumberText::round()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(double, rounded);
    QCOMPARE(Round(value, digits), rounded);
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
