// The geometry without any window: every figure's working from its entries
// to its lines, the run-time errors and rejections that end a working, and
// the worked solution as text and as JSON.

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "geometry/catalogue.h"

namespace {

// The messages that end a working, as "title: text".
const QString Overflow = QStringLiteral("Tessaro: Overflow: a result is too large to calculate.");
const QString NegativeRoot = QStringLiteral("Tessaro: Invalid calculation: square root of a negative number.");
const QString LegAtLeastC = QStringLiteral("Invalid Entry: Error: %1 must be shorter than the hypotenuse C");

// A figure worked from entries given as "Label=text", the other boxes
// empty; each frame's lines expected as one text, " | " between lines and
// "·" for a blank; the message that ended the working, and the frame a
// run-time error ended it in.
void row(const char* name, const Figure& figure, int option, const QStringList& entries, const QStringList& frames,
         const QString& message = {}, int failedFrame = -1)
{
    QTest::newRow(name) << &figure << option << entries << frames << message << failedFrame;
}

QStringList entriesFor(const Figure& figure, const QStringList& given)
{
    QStringList entries(qsizetype(figure.boxes.size()));
    for (const QString& entry : given)
        entries[figure.boxLabels().indexOf(entry.section(u'=', 0, 0))] = entry.section(u'=', 1);
    return entries;
}

QStringList shownFrames(const WorkedSolution& solution)
{
    QStringList frames;
    for (const WorkedSolution::Frame& frame : solution.frames) {
        QStringList lines;
        for (QString line : frame.lines)
            lines << line.replace(u' ', u'·');
        frames << lines.join(QStringLiteral(" | "));
    }
    return frames;
}

} // namespace

Q_DECLARE_METATYPE(const Figure*)

class tst_Geometry : public QObject
{
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
    void asText();
    void asJson();
};

void tst_Geometry::solve_data()
{
    QTest::addColumn<const Figure*>("figure");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("failedFrame");

    row("rectangle", geometry::rectangle, -1, {"Length=5", "Width=3"},
        {"A·=·5·*··3 | A·=·15", "P·=·2*·5·+·2*·3 | P·=·10+·6 | P·=·16"});
    row("rectangle, area overflows", geometry::rectangle, -1, {"Length=1e200", "Width=1e200"},
        {"A·=·1E+200·*··1E+200", ""}, Overflow, 0);
    row("triangle", geometry::triangle, -1, {"Side 1=3", "Side 2=4", "Side 3=5", "Base=6", "Height=4"},
        {"·6·*··4·*·0.5· | ·12", "·3·+··4·+··5 | ·12"});
    row("triangle, area overflows", geometry::triangle, -1,
        {"Side 1=1", "Side 2=2", "Side 3=3", "Base=1e200", "Height=-1e200"},
        {"·1E+200·*·-1E+200·*·0.5·", "·1·+··2·+··3 | ·6"}, Overflow, 0);
    row("trapezoid", geometry::trapezoid, -1,
        {"Base 1=3", "Base 2=5", "Height=4", "Side 1=3", "Side 2=4", "Side 3=5", "Side 4=6"},
        {"0.5*·4(·3+·5) | 0.5*·4*·8 | ·16", "·3+·4+·5+·6 | ·18"});
    row("parallelogram", geometry::parallelogram, -1, {"Base=3", "Height=2", "SLength=5"},
        {"·3·*··2 | ·6", "2*·5·+·2*·3 | ·10·+··6 | ·16"});
    row("parallelogram, perimeter overflows", geometry::parallelogram, -1, {"Base=1e308", "Height=0", "SLength=1e308"},
        {"·1E+308·*··0 | ·0", "2*·1E+308·+·2*·1E+308"}, Overflow, 1);
    row("circle", geometry::circle, -1, {"Radius=5"}, {"pi*·5·² | pi*·25 | ·78.5", "2*pi*·5 | ·31.4"});
    row("rectangular solid", geometry::rectangularSolid, -1, {"Length=2", "Width=3", "Height=4"},
        {"·2*·3*·4 | ·24", "2(·2*·3)+2(·4*·3)+2(·2*·4) | ·12+·24+·16 | ·52"});
    row("rectangular solid, doubled term overflows", geometry::rectangularSolid, -1,
        {"Length=1e308", "Width=1", "Height=1"}, {"·1E+308*·1*·1 | ·1E+308", "2(·1E+308*·1)+2(·1*·1)+2(·1E+308*·1)"},
        Overflow, 1);
    row("cylinder", geometry::cylinder, -1, {"Height=3", "Radius=2"},
        {"pi·*·2·²*·3 | pi*·4*·3 | ·37.68", "2pi*·2*·3+2pi*·2·² | 2pi*·2*·3+2pi*·4 | ·37.68+·25.12 | ·62.8"});
    row("cone", geometry::cone, -1, {"SLength=5", "Height=4", "Radius=3"},
        {"1/3pi*·3·²*·4 | 1/3pi*·9*·4 | ·37.68",
         "0.5(2*pi*·3)·5+pi*·3·² | 0.5*·18.84*·5+pi*·3·² | 0.5*·18.84*·5+pi*·9 | ·75.36"});
    row("cone, half before the slant length", geometry::cone, -1, {"SLength=4e207", "Height=1", "Radius=1e100"},
        {"1/3pi*·1E+100·²*·1 | 1/3pi*·1E+200*·1 | ·1.04666666666667E+200",
         "0.5(2*pi*·1E+100)·4E+207+pi*·1E+100·² | 0.5*·6.28E+100*·4E+207+pi*·1E+100·² | "
         "0.5*·6.28E+100*·4E+207+pi*·1E+200 | ·1.256E+308"});
    row("sphere", geometry::sphere, -1, {"Radius=3"},
        {"4/3pi*·3·³ | 4/3pi*·27 | ·113.04", "4pi*·3·² | 4pi*·9 | ·113.04"});
    row("square pyramid", geometry::pyramid, -1, {"SLength=5", "Length=4", "Height=3"},
        {"1/3*·4·²*·3 | 1/3*·16*·3 | ·16", "2*·4*·5+·4·² | 2*·4*·5+·16 | ·40+·16 | ·56"});
    row("square pyramid, side term overflows", geometry::pyramid, -1, {"SLength=1e308", "Length=-1", "Height=1"},
        {"1/3*-1·²*·1 | 1/3*·1*·1 | ·.333333333333333", "2*-1*·1E+308+-1·² | 2*-1*·1E+308+·1"}, Overflow, 1);
    row("distance and midpoint", geometry::distance, -1, {"X1=1", "Y1=2", "X2=4", "Y2=6"},
        {"(·1+·4)/2·,·(·2+·6)/2 | ·5/2·,··8/2 | ·2.5·,··4",
         "(·1-·4)·²·+·(·2-·6)·² | -3·²·+·-4·² | ·9·+··16 | ·25 | ·5"});
    row("distance and midpoint, the same point", geometry::distance, -1, {"X1=2", "Y1=-1", "X2=2", "Y2=-1"},
        {"(·2+·2)/2·,·(-1+-1)/2 | ·4/2·,·-2/2 | ·2·,·-1", "(·2-·2)·²·+·(-1--1)·² | ·0·²·+··0·² | ·0·+··0 | ·0 | ·0"});
    row("distance and midpoint, square overflows", geometry::distance, -1, {"X1=1e200", "Y1=0", "X2=0", "Y2=0"},
        {"(·1E+200+·0)/2·,·(·0+·0)/2 | ·1E+200/2·,··0/2 | ·5E+199·,··0",
         "(·1E+200-·0)·²·+·(·0-·0)·² | ·1E+200·²·+··0·²"},
        Overflow, 1);
    row("theorem, C", geometry::pythagorean, 2, {"A=3", "B=4"}, {"·3·²·+·4·²=C·² | ·9+·16=C·² | ·25=C·² | ·5=C·"});
    row("theorem, A", geometry::pythagorean, 0, {"B=4", "C=5"}, {"A·²·+·4·²·=·5·² | A·²·+·16=·25 | A·²·=·9 | A·=·3"});
    row("theorem, B", geometry::pythagorean, 1, {"A=-3", "C=5"}, {"-3·²·+·B·²··=·5·² | ·9+·B²=·25 | B·²·=·16 | B·=·4"});
    row("theorem, A, B equal to C", geometry::pythagorean, 0, {"B=5", "C=5"}, {""}, LegAtLeastC.arg("B"));
    row("theorem, B, A longer than C", geometry::pythagorean, 1, {"A=6", "C=5"}, {""}, LegAtLeastC.arg("A"));
    row("theorem, A, negative root", geometry::pythagorean, 0, {"B=-10", "C=5"},
        {"A·²·+-10·²·=·5·² | A·²·+·100=·25 | A·²·=-75"}, NegativeRoot, 0);
    row("theorem, B, negative root", geometry::pythagorean, 1, {"A=-13", "C=12"},
        {"-13·²·+·B·²··=·12·² | ·169+·B²=·144 | B·²·=-25"}, NegativeRoot, 0);
    row("theorem, C, square overflows", geometry::pythagorean, 2, {"A=1e200", "B=1"}, {"·1E+200·²·+·1·²=C·²"}, Overflow,
        0);
    row("cone, every box empty", geometry::cone, -1, {},
        {"1/3pi*·0·²*·0 | 1/3pi*·0*·0 | ·0", "0.5(2*pi*·0)·0+pi*·0·² | 0.5*·0*·0+pi*·0·² | 0.5*·0*·0+pi*·0 | ·0"});
    row("theorem, C, the known legs ignore C's box", geometry::pythagorean, 2, {"A=3", "B=4", "C=99"},
        {"·3·²·+·4·²=C·² | ·9+·16=C·² | ·25=C·² | ·5=C·"});
}

// The lines worked, frame by frame, and the message that ended the
// working; the lines after it are not there.
void tst_Geometry::solve()
{
    QFETCH(const Figure*, figure);
    QFETCH(int, option);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, frames);
    QFETCH(QString, message);
    QFETCH(int, failedFrame);
    const WorkedSolution solution = figure->solve(entriesFor(*figure, entries), option);
    QCOMPARE(shownFrames(solution), frames);
    QCOMPARE(solution.message ? solution.message->title + QStringLiteral(": ") + solution.message->text : QString(),
             message);
    QCOMPARE(solution.failedFrame, failedFrame);
}

// As text: the caption, an entry a line with the box solved for said so,
// then each frame after a blank line.
void tst_Geometry::asText()
{
    QCOMPARE(geometry::rectangle.solve({"5", "3"}).text(),
             "Rectangle\nLength: 5\nWidth: 3\n\nArea=L*W\nA = 5 *  3\nA = 15\n\n"
             "Perimeter=2L+2W\nP = 2* 5 + 2* 3\nP = 10+ 6\nP = 16\n");
    QCOMPARE(geometry::pythagorean.solve({"7", "4", "5"}, 0).text(),
             "Pythagorean Theorem\nA: solved for\nB: 4\nC: 5\n\nA ² + B ² = C ²\n"
             "A ² + 4 ² = 5 ²\nA ² + 16= 25\nA ² = 9\nA = 3\n");
    QCOMPARE(geometry::sphere.unworked().text(), "Sphere\n\nVolume=4/3pi*R³\n\nSurface Area=4pi*R²\n");
}

// As JSON: the figure's name, its caption, the entries (the box solved for
// has no value), the frames and the message that ended the working.
void tst_Geometry::asJson()
{
    const auto json = [](const WorkedSolution& solution) {
        return QString::fromUtf8(QJsonDocument(solution.json()).toJson(QJsonDocument::Compact));
    };
    QCOMPARE(json(geometry::circle.solve({"2"})),
             R"({"caption":"Circle","entries":[{"name":"Radius","solvedFor":false,"value":"2"}],"error":null,)"
             R"("figure":"circle","frames":[{"caption":" Area=Pi*R²","lines":["pi* 2 ²","pi* 4"," 12.56"]},)"
             R"({"caption":"Perimeter=2Pi*R","lines":["2*pi* 2"," 12.56"]}]})");
    QCOMPARE(json(geometry::pythagorean.solve({"", "5", "5"}, 0)),
             R"({"caption":"Pythagorean Theorem","entries":[{"name":"A","solvedFor":true,"value":null},)"
             R"({"name":"B","solvedFor":false,"value":"5"},{"name":"C","solvedFor":false,"value":"5"}],)"
             R"("error":{"message":"Error: B must be shorter than the hypotenuse C","title":"Invalid Entry"},)"
             R"("figure":"pythagorean","frames":[{"caption":"A ² + B ² = C ²","lines":[]}]})");
}

QTEST_APPLESS_MAIN(tst_Geometry)
#include "tst_geometry.moc"
