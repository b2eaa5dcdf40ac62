// The words a screen reader says for the frame captions and step lines the
// windows show. In the shown texts below, every blank is as the window shows it.

#include <QTest>

#include "geometry/catalogue.h"
#include "geometry/spoken.h"

class tst_Spoken : public QObject
{
    Q_OBJECT

private slots:
    void spokenCaption_data();
    void spokenCaption();
    void spokenText_data();
    void spokenText();
    void spokenResults_data();
    void spokenResults();
};

namespace {

// A shown text and what is said for it.
void row(const char* name, const char* shown, const char* said)
{
    QTest::newRow(name) << QString(shown) << QString(said);
}

} // namespace

void tst_Spoken::spokenCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("said");
    // Every caption a frame shows, named by its window.
    row("circle area", " Area=Pi*R²", "Area, pi times R squared");
    row("circle perimeter", "Perimeter=2Pi*R", "Perimeter, 2 pi times R");
    row("rectangle area", "Area=L*W", "Area, L times W");
    row("rectangle perimeter", "Perimeter=2L+2W", "Perimeter, 2 L plus 2 W");
    row("triangle area", "Area=B*H*0.5", "Area, B times H times 0.5");
    row("triangle perimeter", "Perimeter=s1+s2+s3", "Perimeter, s1 plus s2 plus s3");
    row("trapezoid area", "Area=0.5*H*(B1+B2)", "Area, 0.5 times H times open bracket B1 plus B2 close bracket");
    row("trapezoid perimeter", "Perimeter=s1+s2+s3+s4", "Perimeter, s1 plus s2 plus s3 plus s4");
    row("parallelogram area", "Area=B*H", "Area, B times H");
    row("parallelogram perimeter", "Perimeter=2S+2B", "Perimeter, 2 S plus 2 B");
    row("rectangular solid volume", "Volume=L*W*H", "Volume, L times W times H");
    row("rectangular solid surface area", "Surface Area=2(L*W)+2(H*W)+2(L*H)",
        "Surface Area, 2 open bracket L times W close bracket plus 2 open bracket H times W close bracket plus 2 open "
        "bracket L times H close bracket");
    row("cylinder volume", "Volume=pi*R²*H", "Volume, pi times R squared times H");
    row("cylinder surface area", "Surface Area=2pi*R*H+2pi*R²",
        "Surface Area, 2 pi times R times H plus 2 pi times R squared");
    row("cone volume", "Volume=1/3*pi*R²H", "Volume, one third times pi times R squared H");
    row("cone surface area", "Surface Area=0.5(2pi*R)S+pi*R²",
        "Surface Area, 0.5 open bracket 2 pi times R close bracket S plus pi times R squared");
    row("sphere volume", "Volume=4/3pi*R³", "Volume, four thirds pi times R cubed");
    row("sphere surface area", "Surface Area=4pi*R²", "Surface Area, 4 pi times R squared");
    row("pyramid volume", "Volume=1/3L²*H", "Volume, one third L squared times H");
    row("pyramid surface area", "Surface Area = 2L*S+L²", "Surface Area, 2 L times S plus L squared");
    row("grid midpoint", "Midpoint=(x1+x2)/2 , (y1+y2)/2",
        "Midpoint, open bracket x1 plus x2 close bracket divided by 2, open bracket y1 plus y2 close bracket divided "
        "by 2");
    row("grid distance", "Distance= Square root of (X1-X2) ²+(Y1-Y2) ²",
        "Distance, the square root of open bracket X1 minus X2 close bracket squared plus open bracket Y1 minus Y2 "
        "close bracket squared");
    row("pythagorean theorem names nothing", "A ² + B ² = C ²", "A squared plus B squared equals C squared");
    row("a name with no formula is said alone", "Volume= ", "Volume");
    row("no equals sign: nothing named", "Volume", "Volume");
}

void tst_Spoken::spokenCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, said);
    QCOMPARE(::spokenCaption(caption), said);
}

void tst_Spoken::spokenText_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("said");

    row("blanks: doubled inside", "A = 5 *  3", "A equals 5 times 3");
    row("blanks: at both ends", " 6 *  4 * 0.5 ", "6 times 4 times 0.5");

    row("sign: negative squares added", "-3 ² + -4 ²", "minus 3 squared plus minus 4 squared");
    row("sign: subtracting a negative", "( 2- 2) ² + (-1--1) ²",
        "open bracket 2 minus 2 close bracket squared plus open bracket minus 1 minus minus 1 close bracket squared");
    row("sign: after equals", "B ² =-25", "B squared equals minus 25");

    row("exponent: a result", " 1E+20", "1 times 10 to the power of 20");
    row("exponent: negative, leading zero", " 1.5E-07", "1.5 times 10 to the power of minus 7");
    row("exponent: in working with signs", "2*-1* 1E+308+-1 ²",
        "2 times minus 1 times 1 times 10 to the power of 308 plus minus 1 squared");
    row("exponent: squared", "1/3pi* 1E+100 ²* 1", "one third pi times 1 times 10 to the power of 100 squared times 1");
    row("exponent: E without digits is a name", "2E", "2 E");

    row("point: no digit before it", " .333333333333333", "0.333333333333333");

    row("thirds: at the end, a foot in yards", " 1/3", "one third");
    row("thirds: not 1/36, an inch in yards", " 1/36", "1 divided by 36");
    row("thirds: not 11/3", "11/3", "11 divided by 3");
    row("thirds: not 1/3.5", "1/3.5", "1 divided by 3.5");

    row("product: number before bracket", "0.5* 4( 3+ 5)", "0.5 times 4 open bracket 3 plus 5 close bracket");
    row("product: bracket before number", "0.5(2*pi* 3) 5+pi* 3 ²",
        "0.5 open bracket 2 times pi times 3 close bracket 5 plus pi times 3 squared");

    row("comma: midpoint", " 2.5 ,  4", "2.5, 4");
    row("comma: thousands stay", " 1234.56789/1,000,000", "1234.56789 divided by 1,000,000");

    row("square root: sign", "√ 25", "the square root of 25");
}

void tst_Spoken::spokenText()
{
    QFETCH(QString, shown);
    QFETCH(QString, said);
    QCOMPARE(::spokenText(shown), said);
}

Q_DECLARE_METATYPE(const Figure*)

void tst_Spoken::spokenResults_data()
{
    QTest::addColumn<const Figure*>("figure");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("said");
    QTest::newRow("every result") << &geometry::cylinder << -1 << QStringList{"3", "2"}
                                  << "Volume, pi times R squared times H: 37.68; "
                                     "Surface Area, 2 pi times R times H plus 2 pi times R squared: 62.8";
    QTest::newRow("a box empty") << &geometry::cone << -1 << QStringList{"5", "4"}
                                 << "Radius was empty; Volume, one third times pi times R squared H: 0; "
                                    "Surface Area, 0.5 open bracket 2 pi times R close bracket S plus pi times R "
                                    "squared: 0";
    QTest::newRow("a frame ended by overflow, the other worked")
        << &geometry::triangle << -1 << QStringList{"-1e200", "1e200", "1", "2", " 3 "}
        << "Area, B times H times 0.5: could not be worked "
           "out; Perimeter, s1 plus s2 plus s3: 6";
    QTest::newRow("rejected, three boxes empty, one solved for")
        << &geometry::pythagorean << 0 << QStringList{"7"} << "B and C were empty";
    QTest::newRow("three of four boxes empty") << &geometry::distance << -1 << QStringList{"", "", "4"}
                                               << "X1, Y1 and Y2 were empty; Midpoint, open bracket x1 plus x2 "
                                                  "close bracket divided by 2, open bracket y1 plus y2 close "
                                                  "bracket divided by 2: 2, 0; Distance, the square root of open "
                                                  "bracket X1 minus X2 close bracket squared plus open bracket Y1 "
                                                  "minus Y2 close bracket squared: 4";
}

// After "Calculate": the boxes left empty, then each frame's result in
// words, or that it could not be worked out.
void tst_Spoken::spokenResults()
{
    QFETCH(const Figure*, figure);
    QFETCH(int, option);
    QFETCH(QStringList, entries);
    QFETCH(QString, said);
    QCOMPARE(::spokenResults(figure->solve(entries, option)), said);
}

QTEST_GUILESS_MAIN(tst_Spoken)
#include "tst_spoken.moc"
