// The distance and midpoint window and the Pythagorean theorem window, driven
// as a user drives them.

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "app/application.h"
#include "app/form.h"
#include "figures/coordinate/frmgrid.h"
#include "figures/coordinate/frmpryther.h"
#include "testkit.h"

using namespace testkit;

class tst_Coordinate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupApplication(); }
    void cleanup();

    // Distance and midpoint
    void gridWindow();
    void gridDefinition_data();
    void gridDefinition();
    void gridCalculate_data();
    void gridCalculate();
    void gridRootSigns();
    void gridLinesStandUnderRootSigns();
    void gridOverflow_data();
    void gridOverflow();
    void gridRootSignsStayAfterOverflow();

    // Pythagorean theorem
    void pryWindow();
    void pryDefinition_data();
    void pryDefinition();
    void pryOptions_data();
    void pryOptions();
    void pryFocusOrder_data();
    void pryFocusOrder();
    void pryCalculate_data();
    void pryCalculate();
    void pryRejection_data();
    void pryRejection();
    void pryRuntimeError_data();
    void pryRuntimeError();
    void pryReopensSolvingForC();

private:
    template <class F> void open()
    {
        form = &showForm<F>();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    bool rootSignsVisible(bool visible) const;
    void fillTriangle(const QString& a, const QString& b, const QString& c, const QString& unknown);

    QWidget* form = nullptr;
    const QStringList gridLines = {"DispMid1",  "DispMid2",  "DispMid3",  "DispDist1",
                                   "DispDist2", "DispDist3", "DispDist4", "DispDist5"};
    const QStringList rootSigns = {"sq1", "sq2", "sq3", "sq4"};
    const QStringList pryLines = {"DispPry1", "DispPry2", "DispPry3", "DispPry4"};
};

void tst_Coordinate::cleanup()
{
    if (form)
        form->close();
    QTest::qWait(0);
    form = nullptr;
}

// True when all four root signs are shown (visible) or all hidden (!visible).
bool tst_Coordinate::rootSignsVisible(bool visible) const
{
    for (const QString& name : rootSigns) {
        if (control(form, name)->isVisible() != visible)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Distance and midpoint

void tst_Coordinate::gridWindow()
{
    open<FrmGrid>();
    checkForm(form, "FrmGrid", "Distance and Midpoint", 2415, 2430, 8265, 2640);
    QCOMPARE(form->property("picture").value<QPixmap>().size(), QSize(50, 50));
    QCOMPARE(form->focusWidget()->objectName(), "Ix1");
    QCOMPARE(tabOrder(form), QStringList({"Ix1", "Iy1", "Ix2", "Iy2", "Command1"}));
}

void tst_Coordinate::gridDefinition_data()
{
    addControlRows({
        {"Frame2", "Frame", "FrmGrid", "Distance= Square root of (X1-X2) ²+(Y1-Y2) ²", 4320, 120,
         3735, 2415},
        {"DispDist5", "Label", "Frame2", "", 240, 2160, 45, 195, "yes"},
        {"DispDist4", "Label", "Frame2", "", 360, 1800, 45, 195, "yes"},
        {"sq4", "Image", "Frame2", "", 120, 1680, 3495, 330},
        {"DispDist3", "Label", "Frame2", "", 360, 1320, 45, 195, "yes"},
        {"sq3", "Image", "Frame2", "", 120, 1200, 3495, 330},
        {"DispDist2", "Label", "Frame2", "", 360, 840, 45, 195, "yes"},
        {"DispDist1", "Label", "Frame2", "", 360, 360, 45, 195, "yes"},
        {"sq2", "Image", "Frame2", "", 120, 720, 3495, 330},
        {"sq1", "Image", "Frame2", "", 120, 240, 3495, 330},
        {"Frame1", "Frame", "FrmGrid", "Midpoint=(x1+x2)/2 , (y1+y2)/2", 1080, 120, 3135, 1095},
        {"DispMid3", "Label", "Frame1", "", 120, 720, 45, 195, "yes"},
        {"DispMid2", "Label", "Frame1", "", 120, 480, 45, 195, "yes"},
        {"DispMid1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"Command1", "CommandButton", "FrmGrid", "Calculate", 120, 1800, 4095, 735},
        {"Iy2", "TextBox", "FrmGrid", "", 3600, 1320, 615, 285},
        {"Ix2", "TextBox", "FrmGrid", "", 2640, 1320, 615, 285},
        {"Iy1", "TextBox", "FrmGrid", "", 1320, 1320, 615, 285},
        {"Ix1", "TextBox", "FrmGrid", "", 360, 1320, 615, 285},
        {"Label5", "Label", "FrmGrid", "Distance and  Midpoint ", 0, 720, 1095, 375, "no"},
        {"Label4", "Label", "FrmGrid", "Y2", 3360, 1320, 255, 255, "no"},
        {"Label3", "Label", "FrmGrid", "Y1", 1080, 1320, 255, 255, "no"},
        {"Label2", "Label", "FrmGrid", "X2", 2400, 1320, 255, 255, "no"},
        {"Label1", "Label", "FrmGrid", "X1", 120, 1320, 255, 255, "no"},
    });
}

void tst_Coordinate::gridDefinition()
{
    open<FrmGrid>();
    checkControlRow(form);
}

void tst_Coordinate::gridCalculate_data()
{
    QTest::addColumn<QStringList>("points");   // X1, Y1, X2, Y2
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("worked example") << QStringList{"1", "2", "4", "6"}
        << QStringList{"( 1+ 4)/2 , ( 2+ 6)/2", " 5/2 ,  8/2", " 2.5 ,  4",
                       "( 1- 4) ² + ( 2- 6) ²", "-3 ² + -4 ²", " 9 +  16", " 25", " 5"};
    QTest::newRow("swapped points") << QStringList{"4", "6", "1", "2"}
        << QStringList{"( 4+ 1)/2 , ( 6+ 2)/2", " 5/2 ,  8/2", " 2.5 ,  4",
                       "( 4- 1) ² + ( 6- 2) ²", " 3 ² +  4 ²", " 9 +  16", " 25", " 5"};
    QTest::newRow("empty boxes") << QStringList{"", "", "", ""}
        << QStringList{"( 0+ 0)/2 , ( 0+ 0)/2", " 0/2 ,  0/2", " 0 ,  0",
                       "( 0- 0) ² + ( 0- 0) ²", " 0 ² +  0 ²", " 0 +  0", " 0", " 0"};
    QTest::newRow("same point twice") << QStringList{"3", "3", "3", "3"}
        << QStringList{"( 3+ 3)/2 , ( 3+ 3)/2", " 6/2 ,  6/2", " 3 ,  3",
                       "( 3- 3) ² + ( 3- 3) ²", " 0 ² +  0 ²", " 0 +  0", " 0", " 0"};
    QTest::newRow("root of two") << QStringList{"0", "0", "1", "1"}
        << QStringList{"( 0+ 1)/2 , ( 0+ 1)/2", " 1/2 ,  1/2", " .5 ,  .5",
                       "( 0- 1) ² + ( 0- 1) ²", "-1 ² + -1 ²", " 1 +  1", " 2",
                       " 1.4142135623731"};
    QTest::newRow("negative coordinates") << QStringList{"-2", "-1.5", "2", "1.5"}
        << QStringList{"(-2+ 2)/2 , (-1.5+ 1.5)/2", " 0/2 ,  0/2", " 0 ,  0",
                       "(-2- 2) ² + (-1.5- 1.5) ²", "-4 ² + -3 ²", " 16 +  9", " 25", " 5"};
}

void tst_Coordinate::gridCalculate()
{
    QFETCH(QStringList, points);
    QFETCH(QStringList, expected);
    open<FrmGrid>();
    type(form, "Ix1", points[0]);
    type(form, "Iy1", points[1]);
    type(form, "Ix2", points[2]);
    type(form, "Iy2", points[3]);
    click(form, "Command1");
    QCOMPARE(captions(form, gridLines), expected);
    QVERIFY(rootSignsVisible(true));
    click(form, "Command1");
    QCOMPARE(captions(form, gridLines), expected);
}

void tst_Coordinate::gridRootSigns()
{
    open<FrmGrid>();
    for (const QString& name : rootSigns)
        QCOMPARE(control<QLabel>(form, name)->pixmap().size(), QSize(233, 22));
    QVERIFY(rootSignsVisible(false));
    QCOMPARE(captions(form, gridLines), QStringList(8));

    click(form, "Command1");
    QVERIFY(rootSignsVisible(true));
    type(form, "Ix1", "7");
    QVERIFY(rootSignsVisible(true));

    // A fresh window shows its definition again: hidden signs, empty lines.
    form->close();
    QTest::qWait(0);
    open<FrmGrid>();
    QVERIFY(rootSignsVisible(false));
    QCOMPARE(control<QLineEdit>(form, "Ix1")->text(), "");
    QCOMPARE(captions(form, gridLines), QStringList(8));
}

void tst_Coordinate::gridLinesStandUnderRootSigns()
{
    open<FrmGrid>();
    type(form, "Ix1", "12345.678");
    type(form, "Iy2", "-98765.4321");
    click(form, "Command1");
    QWidget* frame = control(form, "Frame2");
    for (int i = 1; i <= 4; ++i) {
        QWidget* sign = control(form, QString("sq%1").arg(i));
        QWidget* line = control(form, QString("DispDist%1").arg(i));
        // The line starts under the sign's bar, right of its hook, and fits
        // within the sign's width.
        QCOMPARE(line->pos() - sign->pos(), QPoint(16, 8));
        QVERIFY2(line->geometry().right() <= sign->geometry().right(), qPrintable(line->objectName()));
        // Where they overlap, the line is the one drawn on top.
        QCOMPARE(frame->childAt(line->geometry().center()), line);
    }
}

void tst_Coordinate::gridOverflow_data()
{
    QTest::addColumn<QStringList>("points");   // X1, Y1, X2, Y2
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("signsShown");
    QTest::newRow("midpoint sum") << QStringList{"1e308", "0", "1e308", "0"}
        << QStringList{"( 1E+308+ 1E+308)/2 , ( 0+ 0)/2", "", "", "", "", "", "", ""} << false;
    QTest::newRow("difference") << QStringList{"1e308", "0", "-1e308", "0"}
        << QStringList{"( 1E+308+-1E+308)/2 , ( 0+ 0)/2", " 0/2 ,  0/2", " 0 ,  0",
                       "( 1E+308--1E+308) ² + ( 0- 0) ²", "", "", "", ""}
        << true;
    QTest::newRow("square") << QStringList{"1e200", "0", "0", "0"}
        << QStringList{"( 1E+200+ 0)/2 , ( 0+ 0)/2", " 1E+200/2 ,  0/2", " 5E+199 ,  0",
                       "( 1E+200- 0) ² + ( 0- 0) ²", " 1E+200 ² +  0 ²", "", "", ""}
        << true;
}

void tst_Coordinate::gridOverflow()
{
    QFETCH(QStringList, points);
    QFETCH(QStringList, expected);
    QFETCH(bool, signsShown);
    open<FrmGrid>();
    type(form, "Ix1", points[0]);
    type(form, "Iy1", points[1]);
    type(form, "Ix2", points[2]);
    type(form, "Iy2", points[3]);
    const MessageBoxSeen box = answerMessageBoxes([this] { click(form, "Command1"); });
    QCOMPARE(box, runtimeErrorBox("Overflow: a result is too large to calculate."));
    QCOMPARE(captions(form, gridLines), expected);
    QVERIFY(rootSignsVisible(signsShown));
}

void tst_Coordinate::gridRootSignsStayAfterOverflow()
{
    open<FrmGrid>();
    type(form, "Ix1", "1");
    click(form, "Command1");
    QVERIFY(rootSignsVisible(true));

    type(form, "Ix1", "1e308");
    type(form, "Ix2", "1e308");
    const MessageBoxSeen box = answerMessageBoxes([this] { click(form, "Command1"); });
    QCOMPARE(box.count, 1);
    QVERIFY(rootSignsVisible(true));
    QCOMPARE(captions(form, gridLines).mid(1), QStringList(7));

    // The window goes on.
    type(form, "Ix1", "2");
    type(form, "Ix2", "3");
    click(form, "Command1");
    QCOMPARE(caption(form, "DispMid2"), " 5/2 ,  0/2");
}

// ---------------------------------------------------------------------------
// Pythagorean theorem

// Types the three sides, each while its box is enabled, and then selects the
// unknown side by its option button.
void tst_Coordinate::fillTriangle(const QString& a, const QString& b, const QString& c,
                                  const QString& unknown)
{
    click(form, "Ob");
    type(form, "IputA", a);
    type(form, "IputC", c);
    click(form, "Oa");
    type(form, "IputB", b);
    click(form, unknown);
}

void tst_Coordinate::pryWindow()
{
    open<FrmPryTher>();
    checkForm(form, "FrmPryTher", "Pythagorean Theorem", 2655, 2430, 4575, 2220);
    QCOMPARE(form->property("picture").value<QPixmap>().size(), QSize(89, 26));
    QVERIFY(control<QRadioButton>(form, "Oc")->isChecked());
    QVERIFY(!control<QRadioButton>(form, "Oa")->isChecked());
    QVERIFY(!control<QRadioButton>(form, "Ob")->isChecked());
    QVERIFY(!control(form, "IputC")->isEnabled());
    QVERIFY(control(form, "IputA")->isEnabled());
    QVERIFY(control(form, "IputB")->isEnabled());
    QCOMPARE(form->focusWidget()->objectName(), "IputA");
}

void tst_Coordinate::pryDefinition_data()
{
    addControlRows({
        {"Oc", "OptionButton", "FrmPryTher", "C", 0, 1560, 495, 255},
        {"Ob", "OptionButton", "FrmPryTher", "B", 0, 1200, 495, 255},
        {"Oa", "OptionButton", "FrmPryTher", "A", 0, 840, 495, 255},
        {"IputC", "TextBox", "FrmPryTher", "", 480, 1560, 615, 285},
        {"Command1", "CommandButton", "FrmPryTher", "Calculate", 1440, 1560, 3015, 615},
        {"Frame1", "Frame", "FrmPryTher", "A ² + B ² = C ²", 1440, 120, 3015, 1335},
        {"DispPry4", "Label", "Frame1", "", 120, 960, 2775, 255, "no"},
        {"DispPry3", "Label", "Frame1", "", 120, 720, 2775, 255, "no"},
        {"DispPry2", "Label", "Frame1", "", 120, 480, 2775, 255, "no"},
        {"DispPry1", "Label", "Frame1", "", 120, 240, 2775, 255, "no"},
        {"IputB", "TextBox", "FrmPryTher", "", 480, 1200, 615, 285},
        {"IputA", "TextBox", "FrmPryTher", "", 480, 840, 615, 285},
        {"Label3", "Label", "FrmPryTher", "Pythagorean Theorem", 120, 360, 1095, 375, "no"},
    });
}

void tst_Coordinate::pryDefinition()
{
    open<FrmPryTher>();
    checkControlRow(form);
}

void tst_Coordinate::pryOptions_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("disabled");
    QTest::newRow("A") << "Oa" << "IputA";
    QTest::newRow("B") << "Ob" << "IputB";
    QTest::newRow("C") << "Oc" << "IputC";
}

void tst_Coordinate::pryOptions()
{
    QFETCH(QString, option);
    QFETCH(QString, disabled);
    open<FrmPryTher>();
    fillTriangle("3", "4", "5", "Oc");
    click(form, "Command1");
    const QStringList shown = captions(form, pryLines);

    click(form, option == "Oc" ? "Ob" : "Oc");
    click(form, option);
    QVERIFY(control<QRadioButton>(form, option)->isChecked());
    for (const char* box : {"IputA", "IputB", "IputC"})
        QCOMPARE(control(form, box)->isEnabled(), box != disabled);
    // Switching keeps every typed text and every line.
    QCOMPARE(control<QLineEdit>(form, "IputA")->text(), "3");
    QCOMPARE(control<QLineEdit>(form, "IputB")->text(), "4");
    QCOMPARE(control<QLineEdit>(form, "IputC")->text(), "5");
    QCOMPARE(captions(form, pryLines), shown);
}

void tst_Coordinate::pryFocusOrder_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("C") << "Oc" << QStringList{"IputA", "IputB", "Command1", "Oc"};
    QTest::newRow("A") << "Oa" << QStringList{"IputB", "Command1", "IputC", "Oa"};
    QTest::newRow("B") << "Ob" << QStringList{"IputA", "Command1", "IputC", "Ob"};
}

void tst_Coordinate::pryFocusOrder()
{
    QFETCH(QString, option);
    QFETCH(QStringList, expected);
    open<FrmPryTher>();
    click(form, option);
    control(form, expected.first())->setFocus();
    QCOMPARE(tabOrder(form), expected);
}

void tst_Coordinate::pryCalculate_data()
{
    QTest::addColumn<QString>("unknown");
    QTest::addColumn<QStringList>("sides");   // A, B, C; the unknown one is ignored
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("C worked example") << "Oc" << QStringList{"3", "4", "99"}
        << QStringList{" 3 ² + 4 ²=C ²", " 9+ 16=C ²", " 25=C ²", " 5=C "};
    QTest::newRow("A worked example") << "Oa" << QStringList{"99", "4", "5"}
        << QStringList{"A ² + 4 ² = 5 ²", "A ² + 16= 25", "A ² = 9", "A = 3"};
    QTest::newRow("B worked example") << "Ob" << QStringList{"3", "-99", "5"}
        << QStringList{" 3 ² + B ²  = 5 ²", " 9+ B²= 25", "B ² = 16", "B = 4"};
    QTest::newRow("C empty boxes") << "Oc" << QStringList{"", "", ""}
        << QStringList{" 0 ² + 0 ²=C ²", " 0+ 0=C ²", " 0=C ²", " 0=C "};
    QTest::newRow("A with empty B") << "Oa" << QStringList{"", "", "5"}
        << QStringList{"A ² + 0 ² = 5 ²", "A ² + 0= 25", "A ² = 25", "A = 5"};
    QTest::newRow("C root of two") << "Oc" << QStringList{"1", "1", ""}
        << QStringList{" 1 ² + 1 ²=C ²", " 1+ 1=C ²", " 2=C ²", " 1.4142135623731=C "};
    QTest::newRow("C negative leg") << "Oc" << QStringList{"-3", "4", ""}
        << QStringList{"-3 ² + 4 ²=C ²", " 9+ 16=C ²", " 25=C ²", " 5=C "};
}

void tst_Coordinate::pryCalculate()
{
    QFETCH(QString, unknown);
    QFETCH(QStringList, sides);
    QFETCH(QStringList, expected);
    open<FrmPryTher>();
    fillTriangle(sides[0], sides[1], sides[2], unknown);
    click(form, "Command1");
    QCOMPARE(captions(form, pryLines), expected);
    click(form, "Command1");
    QCOMPARE(captions(form, pryLines), expected);
}

void tst_Coordinate::pryRejection_data()
{
    QTest::addColumn<QString>("unknown");
    QTest::addColumn<QStringList>("sides");   // A, B, C
    QTest::newRow("A, B equal to C") << "Oa" << QStringList{"", "5", "5"};
    QTest::newRow("A, B greater than C") << "Oa" << QStringList{"", "6", "5"};
    QTest::newRow("A, B and C empty") << "Oa" << QStringList{"", "", ""};
    QTest::newRow("B, A equal to C") << "Ob" << QStringList{"5", "", "5"};
    QTest::newRow("B, A greater than C") << "Ob" << QStringList{"7.5", "", "-7.5"};
    QTest::newRow("B, A and C empty") << "Ob" << QStringList{"", "", ""};
}

void tst_Coordinate::pryRejection()
{
    QFETCH(QString, unknown);
    QFETCH(QStringList, sides);
    open<FrmPryTher>();
    fillTriangle("3", "4", "", "Oc");
    click(form, "Command1");
    QCOMPARE(caption(form, "DispPry4"), " 5=C ");

    fillTriangle(sides[0], sides[1], sides[2], unknown);
    const MessageBoxSeen box = answerMessageBoxes([this] { click(form, "Command1"); });
    QCOMPARE(box.count, 1);
    QCOMPARE(box.title, "Invalid Entry");
    QCOMPARE(box.text, "Error: A + B Cannot be greater than C");
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QStringList{"OK"});
    QCOMPARE(captions(form, pryLines), QStringList(4));
}

void tst_Coordinate::pryRuntimeError_data()
{
    QTest::addColumn<QString>("unknown");
    QTest::addColumn<QStringList>("sides");   // A, B, C
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected");
    const QString negativeRoot = "Invalid calculation: square root of a negative number.";
    const QString overflow = "Overflow: a result is too large to calculate.";
    QTest::newRow("A, negative root") << "Oa" << QStringList{"", "-10", "5"} << negativeRoot
        << QStringList{"A ² +-10 ² = 5 ²", "A ² + 100= 25", "A ² =-75", ""};
    QTest::newRow("B, negative root") << "Ob" << QStringList{"-13", "", "12"} << negativeRoot
        << QStringList{"-13 ² + B ²  = 12 ²", " 169+ B²= 144", "B ² =-25", ""};
    QTest::newRow("C, square overflows") << "Oc" << QStringList{"1e200", "1", ""} << overflow
        << QStringList{" 1E+200 ² + 1 ²=C ²", "", "", ""};
}

void tst_Coordinate::pryRuntimeError()
{
    QFETCH(QString, unknown);
    QFETCH(QStringList, sides);
    QFETCH(QString, message);
    QFETCH(QStringList, expected);
    open<FrmPryTher>();
    fillTriangle(sides[0], sides[1], sides[2], unknown);
    const MessageBoxSeen box = answerMessageBoxes([this] { click(form, "Command1"); });
    QCOMPARE(box, runtimeErrorBox(message));
    QCOMPARE(captions(form, pryLines), expected);

    // The window goes on.
    fillTriangle("3", "4", "5", "Oc");
    click(form, "Command1");
    QCOMPARE(caption(form, "DispPry4"), " 5=C ");
}

void tst_Coordinate::pryReopensSolvingForC()
{
    open<FrmPryTher>();
    fillTriangle("3", "4", "5", "Ob");
    click(form, "Command1");
    form->close();
    QTest::qWait(0);

    open<FrmPryTher>();
    QVERIFY(control<QRadioButton>(form, "Oc")->isChecked());
    QVERIFY(!control(form, "IputC")->isEnabled());
    QVERIFY(control(form, "IputB")->isEnabled());
    for (const char* box : {"IputA", "IputB", "IputC"})
        QCOMPARE(control<QLineEdit>(form, box)->text(), "");
    QCOMPARE(captions(form, pryLines), QStringList(4));
}

QTEST_MAIN(tst_Coordinate)
#include "tst_coordinate.moc"
