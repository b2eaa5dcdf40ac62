// The rectangle window driven as a user drives it.

#include <QApplication>
#include <QTest>

#include "app/application.h"
#include "app/form.h"
#include "figures/plane/frmsquare.h"
#include "testkit.h"

using namespace testkit;

class tst_Rectangle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupApplication(); }
    void init() { form = &showForm<frmsquare>(); QVERIFY(QTest::qWaitForWindowActive(form)); }
    void cleanup() { form->close(); QTest::qWait(0); }

    void window();
    void definition_data();
    void definition();
    void calculate_data();
    void calculate();
    void overflowEmptiesTheLinesNotReached();
    void linesChangeOnlyOnPress();

private:
    QWidget* form = nullptr;
    const QStringList lines = {"DispArea1", "DispArea2", "DispPer1", "DispPer2", "DispPer3"};
};

void tst_Rectangle::window()
{
    checkForm(form, "frmsquare", " Rectangle", 2415, 2340, 5640, 1785);
    QCOMPARE(form->property("picture").value<QPixmap>().size(), QSize(68, 46));
    QCOMPARE(tabOrder(form), QStringList({"Lenth", "Wid", "calculate"}));
}

void tst_Rectangle::definition_data()
{
    addControlRows({
        {"calculate", "CommandButton", "frmsquare", "Calculate", 1560, 1320, 3855, 375},
        {"Frame2", "Frame", "frmsquare", "Perimeter=2L*2W", 3360, 120, 2175, 1095},
        {"DispPer3", "Label", "Frame2", "", 120, 720, 45, 195, "yes"},
        {"DispPer2", "Label", "Frame2", "", 120, 480, 45, 195, "yes"},
        {"DispPer1", "Label", "Frame2", "", 120, 240, 45, 195, "yes"},
        {"Frame1", "Frame", "frmsquare", "Area=L*W", 1440, 120, 1695, 1095},
        {"DispArea2", "Label", "Frame1", "", 120, 480, 45, 195, "yes"},
        {"DispArea1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"Wid", "TextBox", "frmsquare", "", 720, 1440, 615, 285},
        {"Lenth", "TextBox", "frmsquare", "", 720, 1080, 615, 285},
        {"Label4", "Label", "frmsquare", "Rectangle", 120, 720, 855, 255, "no"},
        {"Label2", "Label", "frmsquare", "Width", 120, 1440, 615, 255, "no"},
        {"Label1", "Label", "frmsquare", "Length", 120, 1080, 615, 255, "no"},
    });
}

void tst_Rectangle::definition()
{
    checkControlRow(form);
}

void tst_Rectangle::calculate_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("worked example") << "5" << "3"
        << QStringList{"A = 5 *  3", "A = 15", "P = 2* 5 + 2* 3", "P = 10+ 6", "P = 16"};
    QTest::newRow("empty boxes") << "" << ""
        << QStringList{"A = 0 *  0", "A = 0", "P = 2* 0 + 2* 0", "P = 0+ 0", "P = 0"};
    QTest::newRow("negative length") << "-3" << "4"
        << QStringList{"A =-3 *  4", "A =-12", "P = 2*-3 + 2* 4", "P =-6+ 8", "P = 2"};
    QTest::newRow("below one") << "2.5" << ".5"
        << QStringList{"A = 2.5 *  .5", "A = 1.25", "P = 2* 2.5 + 2* .5", "P = 5+ 1", "P = 6"};
    QTest::newRow("unit and word") << "5cm" << "wide"
        << QStringList{"A = 5 *  0", "A = 0", "P = 2* 5 + 2* 0", "P = 10+ 0", "P = 10"};
    QTest::newRow("negative zero") << "-0" << "7"
        << QStringList{"A = 0 *  7", "A = 0", "P = 2* 0 + 2* 7", "P = 0+ 14", "P = 14"};
    QTest::newRow("exponent form") << "1e10" << "1e10"
        << QStringList{"A = 10000000000 *  10000000000", "A = 1E+20",
                       "P = 2* 10000000000 + 2* 10000000000", "P = 20000000000+ 20000000000",
                       "P = 40000000000"};
}

void tst_Rectangle::calculate()
{
    QFETCH(QString, length);
    QFETCH(QString, width);
    QFETCH(QStringList, expected);
    type(form, "Lenth", length);
    type(form, "Wid", width);
    click(form, "calculate");
    QCOMPARE(captions(form, lines), expected);
    click(form, "calculate");
    QCOMPARE(captions(form, lines), expected);
}

void tst_Rectangle::overflowEmptiesTheLinesNotReached()
{
    type(form, "Lenth", "5");
    type(form, "Wid", "3");
    click(form, "calculate");
    QCOMPARE(caption(form, "DispPer3"), "P = 16");

    type(form, "Lenth", "1e200");
    type(form, "Wid", "1e200");
    const MessageBoxSeen box = answerMessageBoxes([this] { click(form, "calculate"); });
    QCOMPARE(box, runtimeErrorBox("Overflow: a result is too large to calculate."));
    QCOMPARE(captions(form, lines), QStringList({"A = 1E+200 *  1E+200", "", "", "", ""}));

    // The window goes on: the next press calculates again.
    type(form, "Wid", "2");
    click(form, "calculate");
    QCOMPARE(caption(form, "DispArea2"), "A = 2E+200");
}

void tst_Rectangle::linesChangeOnlyOnPress()
{
    type(form, "Lenth", "5");
    type(form, "Wid", "3");
    click(form, "calculate");
    type(form, "Lenth", "6");
    QCOMPARE(caption(form, "DispArea2"), "A = 15");
    click(form, "calculate");
    QCOMPARE(caption(form, "DispArea2"), "A = 18");
}

QTEST_MAIN(tst_Rectangle)
#include "tst_rectangle.moc"
