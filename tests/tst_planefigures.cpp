// The triangle, trapezoid, parallelogram and circle windows driven as a user
// drives them.

#include <QApplication>
#include <QTest>

#include "app/application.h"
#include "app/form.h"
#include "figures/plane/frmcircle.h"
#include "figures/plane/frmparallelogram.h"
#include "figures/plane/frmtrapezoid.h"
#include "figures/plane/frmtriangle.h"
#include "testkit.h"

using namespace testkit;

namespace {

const QString overflow = "Overflow: a result is too large to calculate.";

// Each window's boxes and step lines, in the order the rows below give them.
const QStringList triangleBoxes = {"side1", "side2", "side3", "Base", "Hght"};
const QStringList triangleLines = {"DispPer1", "DispPer2", "DispArea1", "DispArea2"};
const QStringList trapezoidBoxes = {"Base1", "Base2", "Hgt", "Side1", "Side2", "Side3", "Side4"};
const QStringList trapezoidLines = {"DispArea1", "DispArea2", "DispArea3", "DispArea4",
                                    "DispPer1",  "DispPer2",  "DispPer3"};
const QStringList parallelogramBoxes = {"bse", "Hgt", "Slenght"};
const QStringList parallelogramLines = {"DispArea1", "DispArea2", "DispPer1", "DispPer2",
                                        "DispPer3"};
const QStringList circleBoxes = {"Radius"};
const QStringList circleLines = {"DispArea1", "DispArea2", "DispArea3", "DispCir1", "DispCir2"};

QWidget* open(const QString& window)
{
    if (window == "FrmTriangle")
        return &showForm<FrmTriangle>();
    if (window == "FrmTrapezoid")
        return &showForm<FrmTrapezoid>();
    if (window == "FrmParallelogram")
        return &showForm<FrmParallelogram>();
    if (window == "FrmCircle")
        return &showForm<FrmCircle>();
    qFatal("no window %s", qPrintable(window));
}

void addCalculateColumns()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message");
}

} // namespace

class tst_PlaneFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupApplication(); }
    void cleanup()
    {
        if (form)
            form->close();
        form = nullptr;
        QTest::qWait(0);
    }

    void window_data();
    void window();
    void definition_data();
    void definition();
    void triangle_data();
    void triangle();
    void trapezoid_data();
    void trapezoid();
    void parallelogram_data();
    void parallelogram();
    void circle_data();
    void circle();
    void circleLinesKeepTheirSize();

private:
    void openWindow(const QString& window);
    void checkCalculate(const QStringList& boxes, const QStringList& lines);

    QWidget* form = nullptr;
};

void tst_PlaneFigures::openWindow(const QString& window)
{
    form = open(window);
    QVERIFY(QTest::qWaitForWindowActive(form));
}

// Fills every box with 1 and presses Calculate, so that the lines show
// something; then types the row's inputs, presses again and reads every line
// and any message box.
void tst_PlaneFigures::checkCalculate(const QStringList& boxes, const QStringList& lines)
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);
    QCOMPARE(inputs.size(), boxes.size());

    for (const QString& box : boxes)
        type(form, box, "1");
    click(form, "Command1");
    for (qsizetype i = 0; i < boxes.size(); ++i)
        type(form, boxes[i], inputs[i]);

    const MessageBoxSeen box = answerMessageBoxes([this] { click(form, "Command1"); });
    QCOMPARE(captions(form, lines), expected);
    QCOMPARE(box, runtimeErrorBox(message));
}

void tst_PlaneFigures::window_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("client");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QStringList>("tabOrder");
    QTest::newRow("triangle") << "FrmTriangle" << "Triangle" << QRect(2475, 2310, 6660, 2145)
        << QSize(95, 46) << QStringList{"Hght", "Base", "side1", "side2", "side3", "Command1"};
    QTest::newRow("trapezoid") << "FrmTrapezoid" << "Trapezoid" << QRect(2475, 2310, 7095, 2280)
        << QSize(82, 39)
        << QStringList{"Hgt", "Side1", "Side2", "Side3", "Side4", "Base2", "Base1", "Command1"};
    QTest::newRow("parallelogram") << "FrmParallelogram" << "Parallelogram"
        << QRect(2490, 2490, 6345, 2265) << QSize(100, 52)
        << QStringList{"Slenght", "Hgt", "bse", "Command1"};
    QTest::newRow("circle") << "FrmCircle" << "Circle" << QRect(2490, 2490, 5415, 2085)
        << QSize(74, 73) << QStringList{"Radius", "Command1"};
}

void tst_PlaneFigures::window()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QRect, client);
    QFETCH(QSize, picture);
    QFETCH(QStringList, tabOrder);
    openWindow(window);
    checkForm(form, window, caption, client.x(), client.y(), client.width(), client.height());
    QCOMPARE(form->property("picture").value<QPixmap>().size(), picture);
    QCOMPARE(testkit::tabOrder(form), tabOrder);
}

void tst_PlaneFigures::definition_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<ControlRow>("row");
    const auto add = [](const QString& window, const QList<ControlRow>& rows) {
        for (const ControlRow& row : rows)
            QTest::addRow("%s.%s", qPrintable(window), qPrintable(row.name)) << window << row;
    };
    add("FrmTriangle", {
        {"Command1", "CommandButton", "FrmTriangle", "Calculate", 2880, 1200, 3615, 855},
        {"side3", "TextBox", "FrmTriangle", "", 720, 1800, 615, 285},
        {"side2", "TextBox", "FrmTriangle", "", 720, 1440, 615, 285},
        {"side1", "TextBox", "FrmTriangle", "", 720, 1080, 615, 285},
        {"Frame2", "Frame", "FrmTriangle", "Premeter=s1+s2+s3+s4", 4200, 120, 2295, 855},
        {"DispPer2", "Label", "Frame2", "", 120, 480, 45, 195, "yes"},
        {"DispPer1", "Label", "Frame2", "", 120, 240, 45, 195, "yes"},
        {"Frame1", "Frame", "FrmTriangle", "Area=B*H*0.5", 1800, 120, 2295, 855},
        {"DispArea2", "Label", "Frame1", "", 120, 480, 45, 195, "yes"},
        {"DispArea1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"Base", "TextBox", "FrmTriangle", "", 2040, 1080, 615, 285},
        {"Hght", "TextBox", "FrmTriangle", "", 2040, 1440, 615, 285},
        {"Label7", "Label", "FrmTriangle", "Triangle", 360, 720, 615, 255, "no"},
        {"Label6", "Label", "FrmTriangle", "Side 3", 120, 1800, 615, 255, "no"},
        {"Label5", "Label", "FrmTriangle", "Side 2", 120, 1440, 495, 255, "no"},
        {"Label4", "Label", "FrmTriangle", "Side 1", 120, 1080, 495, 255, "no"},
        {"Label2", "Label", "FrmTriangle", "Height", 1440, 1440, 615, 255, "no"},
        {"Label1", "Label", "FrmTriangle", "Base", 1440, 1080, 495, 255, "no"},
    });
    add("FrmTrapezoid", {
        {"Command1", "CommandButton", "FrmTrapezoid", "Calculate", 4320, 1560, 2535, 615},
        {"Base1", "TextBox", "FrmTrapezoid", "", 840, 960, 615, 285},
        {"Base2", "TextBox", "FrmTrapezoid", "", 840, 1320, 615, 285},
        {"Side4", "TextBox", "FrmTrapezoid", "", 3480, 1920, 615, 285},
        {"Side3", "TextBox", "FrmTrapezoid", "", 3480, 1560, 615, 285},
        {"Side2", "TextBox", "FrmTrapezoid", "", 2160, 1920, 615, 285},
        {"Side1", "TextBox", "FrmTrapezoid", "", 2160, 1560, 615, 285},
        {"Hgt", "TextBox", "FrmTrapezoid", "", 840, 1680, 615, 285},
        {"Frame2", "Frame", "FrmTrapezoid", "Perimeter=s1+s2+s3+s4", 4200, 120, 2655, 1335},
        {"DispPer3", "Label", "Frame2", "", 240, 720, 45, 195, "yes"},
        {"DispPer2", "Label", "Frame2", "", 120, 480, 45, 195, "yes"},
        {"DispPer1", "Label", "Frame2", "", 120, 240, 45, 195, "yes"},
        {"Frame1", "Frame", "FrmTrapezoid", "Area=0.5*H*(B\u00B9+B\u00B2)", 1680, 120, 2415, 1335},
        {"DispArea4", "Label", "Frame1", "", 120, 960, 45, 195, "yes"},
        {"DispArea3", "Label", "Frame1", "", 120, 720, 45, 195, "yes"},
        {"DispArea2", "Label", "Frame1", "", 120, 480, 45, 195, "yes"},
        {"DispArea1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"Label16", "Label", "FrmTrapezoid", "Side 4", 2880, 1920, 495, 255, "no"},
        {"Label15", "Label", "FrmTrapezoid", "Side 3", 2880, 1560, 495, 255, "no"},
        {"Label14", "Label", "FrmTrapezoid", "Side 2", 1560, 1920, 615, 255, "no"},
        {"Label13", "Label", "FrmTrapezoid", "Side 1", 1560, 1560, 615, 255, "no"},
        {"Label12", "Label", "FrmTrapezoid", "Height", 120, 1680, 615, 255, "no"},
        {"Label11", "Label", "FrmTrapezoid", "Base 2", 120, 1320, 615, 255, "no"},
        {"Label10", "Label", "FrmTrapezoid", "Base 1", 120, 960, 735, 255, "no"},
        {"Label1", "Label", "FrmTrapezoid", "Trapezoid", 120, 600, 735, 255, "no"},
    });
    add("FrmParallelogram", {
        {"Command1", "CommandButton", "FrmParallelogram", "Calculate", 1800, 1440, 4335, 495},
        {"Frame2", "Frame", "FrmParallelogram", "Perimeter=2S+2B", 3960, 120, 2055, 1095},
        {"DispPer3", "Label", "Frame2", "", 120, 720, 45, 195, "yes"},
        {"DispPer2", "Label", "Frame2", "", 120, 480, 45, 195, "yes"},
        {"DispPer1", "Label", "Frame2", "", 120, 240, 45, 195, "yes"},
        {"Frame1", "Frame", "FrmParallelogram", "Area=B*H", 1800, 120, 2055, 1095},
        {"DispArea2", "Label", "Frame1", "", 120, 480, 45, 195, "yes"},
        {"DispArea1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"bse", "TextBox", "FrmParallelogram", "", 840, 1200, 615, 285},
        {"Hgt", "TextBox", "FrmParallelogram", "", 840, 1560, 615, 285},
        {"Slenght", "TextBox", "FrmParallelogram", "", 840, 1920, 615, 285},
        {"Label4", "Label", "FrmParallelogram", "Note:S and SLength stand for Slant length",
         3240, 2040, 3015, 255, "no"},
        {"Label3", "Label", "FrmParallelogram", "Parallelogram", 120, 720, 975, 255, "no"},
        {"Base", "Label", "FrmParallelogram", "Base", 120, 1200, 375, 255, "no"},
        {"Label2", "Label", "FrmParallelogram", "Height", 120, 1560, 495, 255, "no"},
        {"Label1", "Label", "FrmParallelogram", "SLength", 120, 1920, 615, 255, "no"},
    });
    add("FrmCircle", {
        {"Command1", "CommandButton", "FrmCircle", "Calculate", 1440, 1320, 3855, 375},
        {"Frame2", "Frame", "FrmCircle", "Perimeter=2Pi*R", 3360, 120, 1815, 1095},
        {"DispCir2", "Label", "Frame2", "", 120, 480, 1575, 255, "no"},
        {"DispCir1", "Label", "Frame2", "", 120, 240, 1575, 255, "no"},
        {"Frame1", "Frame", "FrmCircle", " Area=Pi*R\u00B2", 1440, 120, 1815, 1095},
        {"DispArea3", "Label", "Frame1", "", 120, 720, 1575, 255, "no"},
        {"DispArea2", "Label", "Frame1", "", 120, 480, 1575, 255, "no"},
        {"DispArea1", "Label", "Frame1", "", 120, 240, 1575, 255, "no"},
        {"Radius", "TextBox", "FrmCircle", "", 600, 1560, 615, 285},
        {"Label5", "Label", "FrmCircle", "Note: Pi = 3.14", 4200, 1800, 1095, 255, "no"},
        {"Label2", "Label", "FrmCircle", "Circle", 240, 1080, 495, 255, "no"},
        {"Label1", "Label", "FrmCircle", "Radius", 0, 1560, 615, 255, "no"},
    });
}

void tst_PlaneFigures::definition()
{
    QFETCH(QString, window);
    openWindow(window);
    checkControlRow(form);
}

// Inputs: side 1, side 2, side 3, base, height. Lines: the perimeter's, then the area's.
void tst_PlaneFigures::triangle_data()
{
    addCalculateColumns();
    QTest::newRow("worked example") << QStringList{"3", "4", "5", "6", "4"}
        << QStringList{" 3 +  4 +  5", " 12", " 6 *  4 * 0.5 ", " 12"} << "";
    QTest::newRow("empty boxes") << QStringList{"", "", "", "", ""}
        << QStringList{" 0 +  0 +  0", " 0", " 0 *  0 * 0.5 ", " 0"} << "";
    QTest::newRow("negative height, no such triangle") << QStringList{"1", "1", "5", "6", "-4"}
        << QStringList{" 1 +  1 +  5", " 7", " 6 * -4 * 0.5 ", "-12"} << "";
    QTest::newRow("below one") << QStringList{".5", ".25", "1.5", ".5", ".3"}
        << QStringList{" .5 +  .25 +  1.5", " 2.25", " .5 *  .3 * 0.5 ", " .075"} << "";
    QTest::newRow("overflow in the perimeter") << QStringList{"1e308", "1e308", "1", "2", "3"}
        << QStringList{" 1E+308 +  1E+308 +  1", "", "", ""} << overflow;
    QTest::newRow("overflow in the area") << QStringList{"1", "2", "3", "1e200", "1e200"}
        << QStringList{" 1 +  2 +  3", " 6", " 1E+200 *  1E+200 * 0.5 ", ""} << overflow;
}

void tst_PlaneFigures::triangle()
{
    openWindow("FrmTriangle");
    checkCalculate(triangleBoxes, triangleLines);
}

// Inputs: base 1, base 2, height, sides 1 to 4. The fourth area line and the
// third perimeter line are never written.
void tst_PlaneFigures::trapezoid_data()
{
    addCalculateColumns();
    QTest::newRow("worked example") << QStringList{"3", "5", "4", "3", "4", "5", "6"}
        << QStringList{"0.5* 4( 3+ 5)", "0.5* 4* 8", " 16", "", " 3+ 4+ 5+ 6", " 18", ""} << "";
    QTest::newRow("empty boxes") << QStringList{"", "", "", "", "", "", ""}
        << QStringList{"0.5* 0( 0+ 0)", "0.5* 0* 0", " 0", "", " 0+ 0+ 0+ 0", " 0", ""} << "";
    QTest::newRow("negative base, no sides") << QStringList{"-2", "6", "4", "", "", "", ""}
        << QStringList{"0.5* 4(-2+ 6)", "0.5* 4* 4", " 8", "", " 0+ 0+ 0+ 0", " 0", ""} << "";
    QTest::newRow("only sides") << QStringList{"", "", "", "2", "-3", "4", "5"}
        << QStringList{"0.5* 0( 0+ 0)", "0.5* 0* 0", " 0", "", " 2+-3+ 4+ 5", " 8", ""} << "";
    QTest::newRow("below one") << QStringList{".5", ".25", ".2", ".1", ".2", ".3", ".4"}
        << QStringList{"0.5* .2( .5+ .25)", "0.5* .2* .75", " .075", "", " .1+ .2+ .3+ .4",
                       " 1", ""} << "";
    QTest::newRow("overflow") << QStringList{"1e308", "1e308", "1", "1", "1", "1", "1"}
        << QStringList{"0.5* 1( 1E+308+ 1E+308)", "", "", "", "", "", ""} << overflow;
}

void tst_PlaneFigures::trapezoid()
{
    openWindow("FrmTrapezoid");
    checkCalculate(trapezoidBoxes, trapezoidLines);
}

// Inputs: base, height, slant length.
void tst_PlaneFigures::parallelogram_data()
{
    addCalculateColumns();
    QTest::newRow("worked example") << QStringList{"3", "2", "5"}
        << QStringList{" 3 *  2", " 6", "2* 5 + 2* 3", " 10 +  6", " 16"} << "";
    QTest::newRow("empty boxes") << QStringList{"", "", ""}
        << QStringList{" 0 *  0", " 0", "2* 0 + 2* 0", " 0 +  0", " 0"} << "";
    QTest::newRow("base 4, height 2.5, slant 3") << QStringList{"4", "2.5", "3"}
        << QStringList{" 4 *  2.5", " 10", "2* 3 + 2* 4", " 6 +  8", " 14"} << "";
    QTest::newRow("negative slant") << QStringList{"2", "", "-1"}
        << QStringList{" 2 *  0", " 0", "2*-1 + 2* 2", "-2 +  4", " 2"} << "";
    QTest::newRow("below one") << QStringList{".5", ".4", ".25"}
        << QStringList{" .5 *  .4", " .2", "2* .25 + 2* .5", " .5 +  1", " 1.5"} << "";
    QTest::newRow("overflow") << QStringList{"1e308", "0", "1e308"}
        << QStringList{" 1E+308 *  0", " 0", "2* 1E+308 + 2* 1E+308", "", ""} << overflow;
}

void tst_PlaneFigures::parallelogram()
{
    openWindow("FrmParallelogram");
    checkCalculate(parallelogramBoxes, parallelogramLines);
}

// Input: the radius. Pi is 3.14 and two pi 6.28.
void tst_PlaneFigures::circle_data()
{
    addCalculateColumns();
    QTest::newRow("worked example") << QStringList{"5"}
        << QStringList{"pi* 5 \u00B2", "pi* 25", " 78.5", "2*pi* 5", " 31.4"} << "";
    QTest::newRow("empty box") << QStringList{""}
        << QStringList{"pi* 0 \u00B2", "pi* 0", " 0", "2*pi* 0", " 0"} << "";
    QTest::newRow("negative") << QStringList{"-1"}
        << QStringList{"pi*-1 \u00B2", "pi* 1", " 3.14", "2*pi*-1", "-6.28"} << "";
    QTest::newRow("below one") << QStringList{".5"}
        << QStringList{"pi* .5 \u00B2", "pi* .25", " .785", "2*pi* .5", " 3.14"} << "";
    QTest::newRow("area equals circumference") << QStringList{"2"}
        << QStringList{"pi* 2 \u00B2", "pi* 4", " 12.56", "2*pi* 2", " 12.56"} << "";
    QTest::newRow("overflow") << QStringList{"1e200"}
        << QStringList{"pi* 1E+200 \u00B2", "", "", "", ""} << overflow;
}

void tst_PlaneFigures::circle()
{
    openWindow("FrmCircle");
    checkCalculate(circleBoxes, circleLines);
}

// The circle's lines are fixed boxes: a caption wider than its box wraps
// inside it and the box keeps its size.
void tst_PlaneFigures::circleLinesKeepTheirSize()
{
    openWindow("FrmCircle");
    type(form, "Radius", "-1.23456789012345e15");
    click(form, "Command1");
    QCOMPARE(captions(form, circleLines),
             QStringList({"pi*-1.23456789012345E+15 \u00B2", "pi* 1.52415787532387E+30",
                          " 4.78585572851694E+30", "2*pi*-1.23456789012345E+15",
                          "-7.75308634997527E+15"}));
    for (const QString& name : circleLines) {
        auto* line = control<QLabel>(form, name);
        QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) > line->width(),
                 qPrintable(name + " is no wider than its box"));
        QCOMPARE(line->size() * 15, QSize(1575, 255));
        QVERIFY(line->wordWrap());
    }
}

QTEST_MAIN(tst_PlaneFigures)
#include "tst_planefigures.moc"
