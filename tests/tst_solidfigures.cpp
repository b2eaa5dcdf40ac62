// The five solid figure windows driven as a user drives them.

#include <QApplication>
#include <QTest>

#include "app/application.h"
#include "app/form.h"
#include "figures/solid/frmcone.h"
#include "figures/solid/frmcylinder.h"
#include "figures/solid/frmpyramid.h"
#include "figures/solid/frmrecsolid.h"
#include "figures/solid/frmsphere.h"
#include "testkit.h"

using namespace testkit;

namespace {

const QString Overflow = QStringLiteral("Overflow: a result is too large to calculate.");

// In the expected lines a middle dot stands for one blank, so that the blank
// that SpacedNumberText puts before a number can be counted.
QStringList spaced(const QStringList& lines)
{
    QStringList result;
    for (const QString& line : lines)
        result << QString(line).replace(u'·', u' ');
    return result;
}

void addCalculateColumns()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message");
}

// One press: the entries in the order of the window's boxes, the lines in the
// order the handler writes them, and the message box it shows, if any.
void addPress(const char* name, const QStringList& entries, const QStringList& expected,
              const QString& message = QString())
{
    QTest::newRow(name) << entries << spaced(expected) << message;
}

// Fills every line with a first press, then types the row's entries and
// presses again: every line must be rewritten, or emptied when a run-time
// error ends the handler before it.
void checkPress(QWidget* form, const QStringList& boxes, const QStringList& lines)
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);

    for (const QString& box : boxes)
        type(form, box, "7");
    click(form, "Command1");
    for (const QString& line : lines)
        QVERIFY2(!caption(form, line).isEmpty(), qPrintable(line));

    for (qsizetype i = 0; i < boxes.size(); ++i)
        type(form, boxes[i], entries[i]);
    const MessageBoxSeen box = answerMessageBoxes([form] { click(form, "Command1"); });
    QCOMPARE(captions(form, lines), expected);
    QCOMPARE(box, runtimeErrorBox(message));
}

QSize pictureSize(QWidget* form)
{
    return form->property("picture").value<QPixmap>().size();
}

} // namespace

class tst_SolidFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupApplication(); }
    void cleanup();

    void recSolidWindow();
    void recSolidDefinition_data();
    void recSolidDefinition();
    void recSolidCalculate_data();
    void recSolidCalculate();

    void cylinderWindow();
    void cylinderDefinition_data();
    void cylinderDefinition();
    void cylinderCalculate_data();
    void cylinderCalculate();

    void coneWindow();
    void coneDefinition_data();
    void coneDefinition();
    void coneCalculate_data();
    void coneCalculate();

    void sphereWindow();
    void sphereDefinition_data();
    void sphereDefinition();
    void sphereCalculate_data();
    void sphereCalculate();

    void pyramidWindow();
    void pyramidDefinition_data();
    void pyramidDefinition();
    void pyramidCalculate_data();
    void pyramidCalculate();

private:
    template <class F> void open()
    {
        form = &showForm<F>();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }

    QWidget* form = nullptr;
};

void tst_SolidFigures::cleanup()
{
    if (form)
        form->close();
    QTest::qWait(0);
    form = nullptr;
}

// The rectangular solid.

void tst_SolidFigures::recSolidWindow()
{
    open<FrmRecSolid>();
    checkForm(form, "FrmRecSolid", "Rectangular Solid", 2385, 2490, 7995, 1800);
    QCOMPARE(tabOrder(form), QStringList({"Lnght", "hgt", "Wdth", "Command1"}));
    QCOMPARE(pictureSize(form), QSize(93, 42));
}

void tst_SolidFigures::recSolidDefinition_data()
{
    addControlRows({
        {"Frame2", "Frame", "FrmRecSolid", "Surface Area=2(L*W)+2(H*W)+2(L*W)", 3720, 120, 4215, 1095},
        {"DispSA3", "Label", "Frame2", "", 120, 720, 45, 195, "yes"},
        {"DispSA2", "Label", "Frame2", "", 120, 480, 45, 195, "yes"},
        {"DispSA1", "Label", "Frame2", "", 120, 240, 45, 195, "yes"},
        {"Frame1", "Frame", "FrmRecSolid", "Volume=L*W*H", 1680, 120, 1935, 1095},
        {"DispVol2", "Label", "Frame1", "", 120, 480, 45, 195, "yes"},
        {"DispVol1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"Command1", "CommandButton", "FrmRecSolid", "Calculate", 2520, 1320, 5295, 375},
        {"Wdth", "TextBox", "FrmRecSolid", "", 1800, 1440, 615, 285},
        {"hgt", "TextBox", "FrmRecSolid", "", 600, 1440, 615, 285},
        {"Lnght", "TextBox", "FrmRecSolid", "", 600, 1080, 615, 285},
        {"Label4", "Label", "FrmRecSolid", "Height", 0, 1440, 495, 255, "no"},
        {"Label3", "Label", "FrmRecSolid", "Width", 1320, 1440, 495, 255, "no"},
        {"Label2", "Label", "FrmRecSolid", "Length", 0, 1080, 615, 255, "no"},
        {"Label1", "Label", "FrmRecSolid", "Rectangular Solid", 120, 600, 1095, 375, "no"},
    });
}

void tst_SolidFigures::recSolidDefinition()
{
    open<FrmRecSolid>();
    checkControlRow(form);
}

void tst_SolidFigures::recSolidCalculate_data()
{
    // Entries: length, width, height.
    addCalculateColumns();
    addPress("worked example", {"2", "3", "4"},
             {"·2*·3*·4", "·24", "2(·2*·3)+2(·4*·3)+2(·2*·4)", "·12+·24+·16", "·52"});
    addPress("empty boxes", {"", "", ""},
             {"·0*·0*·0", "·0", "2(·0*·0)+2(·0*·0)+2(·0*·0)", "·0+·0+·0", "·0"});
    addPress("negative length", {"-2", "3", "4"},
             {"-2*·3*·4", "-24", "2(-2*·3)+2(·4*·3)+2(-2*·4)", "-12+·24+-16", "-4"});
    addPress("values below one", {"1.5", "2", "0.5"},
             {"·1.5*·2*·.5", "·1.5", "2(·1.5*·2)+2(·.5*·2)+2(·1.5*·.5)", "·6+·2+·1.5", "·9.5"});
    addPress("height and width exchanged", {"2", "4", "3"},
             {"·2*·4*·3", "·24", "2(·2*·4)+2(·3*·4)+2(·2*·3)", "·16+·24+·12", "·52"});
    // Length times width comes first, and that product overflows.
    addPress("volume overflows", {"1e200", "1e200", "1e-200"},
             {"·1E+200*·1E+200*·1E-200", "", "", "", ""}, Overflow);
    addPress("doubled term overflows", {"1e308", "1", "1"},
             {"·1E+308*·1*·1", "·1E+308", "2(·1E+308*·1)+2(·1*·1)+2(·1E+308*·1)", "", ""},
             Overflow);
}

void tst_SolidFigures::recSolidCalculate()
{
    open<FrmRecSolid>();
    checkPress(form, {"Lnght", "Wdth", "hgt"},
               {"DispVol1", "DispVol2", "DispSA1", "DispSA2", "DispSA3"});
}

// The cylinder.

void tst_SolidFigures::cylinderWindow()
{
    open<FrmCylinder>();
    checkForm(form, "FrmCylinder", "Cylinder", 2385, 2490, 6480, 2100);
    QCOMPARE(tabOrder(form), QStringList({"Hgt", "Radius", "Command1"}));
    QCOMPARE(pictureSize(form), QSize(47, 77));
}

void tst_SolidFigures::cylinderDefinition_data()
{
    addControlRows({
        {"Command1", "CommandButton", "FrmCylinder", "Calculate", 2760, 1560, 3615, 375},
        {"Frame2", "Frame", "FrmCylinder", "Surface Area=2pi*R*H+pi*R²", 3360, 120, 3015, 1335},
        {"DispSA4", "Label", "Frame2", "", 120, 960, 45, 195, "yes"},
        {"DispSA3", "Label", "Frame2", "", 120, 720, 45, 195, "yes"},
        {"DispSA2", "Label", "Frame2", "", 120, 480, 45, 195, "yes"},
        {"DispSA1", "Label", "Frame2", "", 120, 240, 45, 195, "yes"},
        {"Frame1", "Frame", "FrmCylinder", "Volume=pi*R²*H", 960, 120, 2295, 1335},
        {"DispVol3", "Label", "Frame1", "", 120, 720, 45, 195, "yes"},
        {"DispVol2", "Label", "Frame1", "", 120, 480, 2055, 255, "no"},
        {"DispVol1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"Radius", "TextBox", "FrmCylinder", "", 2040, 1560, 615, 285},
        {"Hgt", "TextBox", "FrmCylinder", "", 720, 1560, 615, 285},
        {"Label4", "Label", "FrmCylinder", "Note:Pi=3.14", 5400, 1920, 1095, 255, "no"},
        {"Label3", "Label", "FrmCylinder", "Radius", 1440, 1560, 495, 255, "no"},
        {"Label2", "Label", "FrmCylinder", "Height", 120, 1560, 495, 255, "no"},
        {"Label1", "Label", "FrmCylinder", "Cylinder", 120, 1200, 615, 255, "no"},
    });
}

void tst_SolidFigures::cylinderDefinition()
{
    open<FrmCylinder>();
    checkControlRow(form);
}

void tst_SolidFigures::cylinderCalculate_data()
{
    // Entries: height, radius.
    addCalculateColumns();
    addPress("worked example", {"3", "2"},
             {"pi·*·2·²*·3", "pi*·4*·3", "·37.68", "2pi*·2*·3+2pi*·2·²", "2pi*·2*·3+2pi*·4",
              "·37.68+·25.12", "·62.8"});
    addPress("empty boxes", {"", ""},
             {"pi·*·0·²*·0", "pi*·0*·0", "·0", "2pi*·0*·0+2pi*·0·²", "2pi*·0*·0+2pi*·0",
              "·0+·0", "·0"});
    addPress("negative radius", {"3", "-2"},
             {"pi·*-2·²*·3", "pi*·4*·3", "·37.68", "2pi*-2*·3+2pi*-2·²", "2pi*-2*·3+2pi*·4",
              "-37.68+·25.12", "-12.56"});
    addPress("values below one", {"2.5", "0.5"},
             {"pi·*·.5·²*·2.5", "pi*·.25*·2.5", "·1.9625", "2pi*·.5*·2.5+2pi*·.5·²",
              "2pi*·.5*·2.5+2pi*·.25", "·7.85+·1.57", "·9.42"});
    addPress("height 10, radius 1.5", {"10", "1.5"},
             {"pi·*·1.5·²*·10", "pi*·2.25*·10", "·70.65", "2pi*·1.5*·10+2pi*·1.5·²",
              "2pi*·1.5*·10+2pi*·2.25", "·94.2+·14.13", "·108.33"});
    addPress("entry with a unit", {"3cm", "2"},
             {"pi·*·2·²*·3", "pi*·4*·3", "·37.68", "2pi*·2*·3+2pi*·2·²", "2pi*·2*·3+2pi*·4",
              "·37.68+·25.12", "·62.8"});
    // pi times the square comes first, and that product overflows.
    addPress("volume overflows", {"1e-300", "1e154"},
             {"pi·*·1E+154·²*·1E-300", "pi*·1E+308*·1E-300", "", "", "", "", ""}, Overflow);
}

void tst_SolidFigures::cylinderCalculate()
{
    open<FrmCylinder>();
    checkPress(form, {"Hgt", "Radius"},
               {"DispVol1", "DispVol2", "DispVol3", "DispSA1", "DispSA2", "DispSA3", "DispSA4"});
}

// The cone.

void tst_SolidFigures::coneWindow()
{
    open<FrmCone>();
    checkForm(form, "FrmCone", "Cone", 2370, 2490, 8115, 2415);
    QCOMPARE(tabOrder(form), QStringList({"Slnght", "Hgt", "Command1", "Radius"}));
    QCOMPARE(pictureSize(form), QSize(80, 106));
}

void tst_SolidFigures::coneDefinition_data()
{
    addControlRows({
        {"Radius", "TextBox", "FrmCone", "", 2040, 2040, 615, 285},
        {"Command1", "CommandButton", "FrmCone", "Calculate", 3000, 1560, 4695, 495},
        {"Frame2", "Frame", "FrmCone", "Surface Area=0.5pi(2pi*R)S+pi*R²", 4200, 120, 3735, 1335},
        {"DispSA4", "Label", "Frame2", "", 120, 960, 45, 195, "yes"},
        {"DispSA3", "Label", "Frame2", "", 120, 720, 45, 195, "yes"},
        {"DispSA2", "Label", "Frame2", "", 120, 480, 45, 195, "yes"},
        {"dispSA1", "Label", "Frame2", "", 120, 240, 45, 195, "yes"},
        {"Frame1", "Frame", "FrmCone", "Volume=1/3*pi*R²H", 1560, 120, 2535, 1335},
        {"DispVol3", "Label", "Frame1", "", 120, 720, 45, 195, "yes"},
        {"DispVol2", "Label", "Frame1", "", 120, 480, 2295, 255, "no"},
        {"DispVol1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"Hgt", "TextBox", "FrmCone", "", 2040, 1680, 615, 285},
        {"Slnght", "TextBox", "FrmCone", "", 720, 2040, 615, 285},
        {"Label6", "Label", "FrmCone", "Radius", 1440, 2040, 615, 255, "no"},
        {"Label5", "Label", "FrmCone", "Note:S and SLength stand for Slant Length and pi = 3.14",
         3960, 2160, 4095, 255, "no"},
        {"Label4", "Label", "FrmCone", "Height", 1440, 1680, 615, 255, "no"},
        {"Label3", "Label", "FrmCone", "SLength", 0, 2040, 735, 255, "no"},
        {"Label1", "Label", "FrmCone", "Cone", 120, 1560, 495, 255, "no"},
    });
}

void tst_SolidFigures::coneDefinition()
{
    open<FrmCone>();
    checkControlRow(form);
}

void tst_SolidFigures::coneCalculate_data()
{
    // Entries: slant length, height, radius.
    addCalculateColumns();
    addPress("worked example", {"5", "4", "3"},
             {"1/3pi*·3·²*·4", "1/3pi*·9*·4", "·37.3032", "0.5(2*pi*·3)·5+pi*·3·²",
              "0.5*·18.84*·5+pi*·3·²", "0.5*·18.84*·5+pi*·9", "·75.36"});
    addPress("empty boxes", {"", "", ""},
             {"1/3pi*·0·²*·0", "1/3pi*·0*·0", "·0", "0.5(2*pi*·0)·0+pi*·0·²",
              "0.5*·0*·0+pi*·0·²", "0.5*·0*·0+pi*·0", "·0"});
    addPress("negative radius", {"5", "4", "-3"},
             {"1/3pi*-3·²*·4", "1/3pi*·9*·4", "·37.3032", "0.5(2*pi*-3)·5+pi*-3·²",
              "0.5*-18.84*·5+pi*-3·²", "0.5*-18.84*·5+pi*·9", "-18.84"});
    addPress("volume is the constant", {"2", "1", "1"},
             {"1/3pi*·1·²*·1", "1/3pi*·1*·1", "·1.0362", "0.5(2*pi*·1)·2+pi*·1·²",
              "0.5*·6.28*·2+pi*·1·²", "0.5*·6.28*·2+pi*·1", "·9.42"});
    addPress("radius empty", {"5", "4", ""},
             {"1/3pi*·0·²*·4", "1/3pi*·0*·4", "·0", "0.5(2*pi*·0)·5+pi*·0·²",
              "0.5*·0*·5+pi*·0·²", "0.5*·0*·5+pi*·0", "·0"});
    addPress("values below one", {".5", ".5", ".5"},
             {"1/3pi*·.5·²*·.5", "1/3pi*·.25*·.5", "·.129525", "0.5(2*pi*·.5)·.5+pi*·.5·²",
              "0.5*·3.14*·.5+pi*·.5·²", "0.5*·3.14*·.5+pi*·.25", "·1.57"});
    // The half is applied before the slant length; the other way round the
    // product would overflow.
    addPress("half before the slant length", {"4e207", "1", "1e100"},
             {"1/3pi*·1E+100·²*·1", "1/3pi*·1E+200*·1", "·1.0362E+200",
              "0.5(2*pi*·1E+100)·4E+207+pi*·1E+100·²", "0.5*·6.28E+100*·4E+207+pi*·1E+100·²",
              "0.5*·6.28E+100*·4E+207+pi*·1E+200", "·1.256E+308"});
    addPress("surface area overflows", {"1e307", "1", "100"},
             {"1/3pi*·100·²*·1", "1/3pi*·10000*·1", "·10362", "0.5(2*pi*·100)·1E+307+pi*·100·²",
              "0.5*·628*·1E+307+pi*·100·²", "0.5*·628*·1E+307+pi*·10000", ""},
             Overflow);
}

void tst_SolidFigures::coneCalculate()
{
    open<FrmCone>();
    checkPress(form, {"Slnght", "Hgt", "Radius"},
               {"DispVol1", "DispVol2", "DispVol3", "dispSA1", "DispSA2", "DispSA3", "DispSA4"});
}

// The sphere.

void tst_SolidFigures::sphereWindow()
{
    open<FrmSphere>();
    checkForm(form, "FrmSphere", "Sphere", 2370, 2370, 6030, 2070);
    QCOMPARE(tabOrder(form), QStringList({"Radius", "Command1"}));
    QCOMPARE(pictureSize(form), QSize(72, 71));
}

void tst_SolidFigures::sphereDefinition_data()
{
    addControlRows({
        {"Command1", "CommandButton", "FrmSphere", "Calculate", 1680, 1440, 4215, 495},
        {"Frame2", "Frame", "FrmSphere", "Surface Area=4pi*R²", 3600, 240, 2055, 1095},
        {"DispSA3", "Label", "Frame2", "", 120, 720, 45, 195, "yes"},
        {"DispSA2", "Label", "Frame2", "", 120, 480, 45, 195, "yes"},
        {"DispSA1", "Label", "Frame2", "", 120, 240, 45, 195, "yes"},
        {"Frame1", "Frame", "FrmSphere", "Volume=4/3pi*R³", 1560, 240, 1935, 1095},
        {"DispVol3", "Label", "Frame1", "", 120, 720, 45, 195, "yes"},
        {"DispVol2", "Label", "Frame1", "", 120, 480, 45, 195, "yes"},
        {"DispVol1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"Radius", "TextBox", "FrmSphere", "", 720, 1200, 615, 285},
        {"Label2", "Label", "FrmSphere", "Radius", 120, 1200, 615, 255, "no"},
        {"Label1", "Label", "FrmSphere", "Note:pi = 3.14", 120, 1680, 1095, 255, "no"},
    });
}

void tst_SolidFigures::sphereDefinition()
{
    open<FrmSphere>();
    checkControlRow(form);
}

void tst_SolidFigures::sphereCalculate_data()
{
    // Entry: radius.
    addCalculateColumns();
    addPress("worked example", {"2"},
             {"4/3pi*·2·³", "4/3pi*·8", "·33.4096", "4pi*·2·²", "4pi*·4", "·50.24"});
    addPress("empty box", {""}, {"4/3pi*·0·³", "4/3pi*·0", "·0", "4pi*·0·²", "4pi*·0", "·0"});
    addPress("radius 3", {"3"},
             {"4/3pi*·3·³", "4/3pi*·27", "·112.7574", "4pi*·3·²", "4pi*·9", "·113.04"});
    addPress("radius 1.5", {"1.5"},
             {"4/3pi*·1.5·³", "4/3pi*·3.375", "·14.094675", "4pi*·1.5·²", "4pi*·2.25", "·28.26"});
    addPress("value below one", {".5"},
             {"4/3pi*·.5·³", "4/3pi*·.125", "·.522025", "4pi*·.5·²", "4pi*·.25", "·3.14"});
    addPress("negative radius", {"-2"},
             {"4/3pi*-2·³", "4/3pi*-8", "-33.4096", "4pi*-2·²", "4pi*·4", "·50.24"});
    addPress("results are the constants", {"1"},
             {"4/3pi*·1·³", "4/3pi*·1", "·4.1762", "4pi*·1·²", "4pi*·1", "·12.56"});
    // The stored four thirds of pi lies one unit in the last place above
    // 4.1762, and here that shows in the fifteenth digit.
    addPress("four thirds of pi as stored", {"406.8"},
             {"4/3pi*·406.8·³", "4/3pi*·67319802.432", "·281140958.916519", "4pi*·406.8·²",
              "4pi*·165486.24", "·2078507.1744"});
    addPress("cube overflows", {"1e120"}, {"4/3pi*·1E+120·³", "", "", "", "", ""}, Overflow);
}

void tst_SolidFigures::sphereCalculate()
{
    open<FrmSphere>();
    checkPress(form, {"Radius"},
               {"DispVol1", "DispVol2", "DispVol3", "DispSA1", "DispSA2", "DispSA3"});
}

// The square pyramid.

void tst_SolidFigures::pyramidWindow()
{
    open<FrmPyramid>();
    checkForm(form, "FrmPyramid", "Square Pyramid", 2655, 2430, 6495, 2265);
    QCOMPARE(tabOrder(form), QStringList({"SLnght", "Lnght", "Hght", "Command1"}));
    QCOMPARE(pictureSize(form), QSize(91, 94));
}

void tst_SolidFigures::pyramidDefinition_data()
{
    addControlRows({
        {"Command1", "CommandButton", "FrmPyramid", "Calculate", 3000, 1560, 3375, 495},
        {"Hght", "TextBox", "FrmPyramid", "", 2160, 1560, 615, 285},
        {"Lnght", "TextBox", "FrmPyramid", "", 2160, 1920, 615, 285},
        {"SLnght", "TextBox", "FrmPyramid", "", 840, 1800, 615, 285},
        {"Frame2", "Frame", "FrmPyramid", "Surface Area = 2L*S+L²", 3720, 120, 2655, 1335},
        {"DispSa4", "Label", "Frame2", "", 120, 960, 45, 195, "yes"},
        {"DispSA3", "Label", "Frame2", "", 120, 720, 45, 195, "yes"},
        {"DispSA2", "Label", "Frame2", "", 120, 480, 45, 195, "yes"},
        {"DispSA1", "Label", "Frame2", "", 120, 240, 45, 195, "yes"},
        {"Frame1", "Frame", "FrmPyramid", "Volume=1/3L²*H", 1560, 120, 2055, 1335},
        {"DispVol3", "Label", "Frame1", "", 120, 720, 45, 195, "yes"},
        {"DispVol2", "Label", "Frame1", "", 120, 480, 45, 195, "yes"},
        {"DispVol1", "Label", "Frame1", "", 120, 240, 45, 195, "yes"},
        {"Label5", "Label", "FrmPyramid", "Note:S and SLength stand for Slant Length", 3480, 2040,
         3015, 255, "no"},
        {"Label4", "Label", "FrmPyramid", "Height", 1560, 1560, 615, 255, "no"},
        {"Label3", "Label", "FrmPyramid", "Length", 1560, 1920, 615, 255, "no"},
        {"Label2", "Label", "FrmPyramid", "SLength", 120, 1800, 615, 255, "no"},
        {"Label1", "Label", "FrmPyramid", "Square Pryamid", 120, 1440, 1215, 255, "no"},
    });
}

void tst_SolidFigures::pyramidDefinition()
{
    open<FrmPyramid>();
    checkControlRow(form);
}

void tst_SolidFigures::pyramidCalculate_data()
{
    // Entries: slant length, length, height.
    addCalculateColumns();
    addPress("worked example", {"5", "4", "3"},
             {"1/3*·4·²*·3", "1/3*·16*·3", "·15.84", "2*·4*·5+·4·²", "2*·4*·5+·16", "·40+·16",
              "·56"});
    addPress("empty boxes", {"", "", ""},
             {"1/3*·0·²*·0", "1/3*·0*·0", "·0", "2*·0*·0+·0·²", "2*·0*·0+·0", "·0+·0", "·0"});
    addPress("negative length", {"5", "-4", "3"},
             {"1/3*-4·²*·3", "1/3*·16*·3", "·15.84", "2*-4*·5+-4·²", "2*-4*·5+·16", "-40+·16",
              "-24"});
    addPress("volume is the constant", {"2", "1", "1"},
             {"1/3*·1·²*·1", "1/3*·1*·1", "·.33", "2*·1*·2+·1·²", "2*·1*·2+·1", "·4+·1", "·5"});
    addPress("values below one", {".5", ".5", ".3"},
             {"1/3*·.5·²*·.3", "1/3*·.25*·.3", "·.02475", "2*·.5*·.5+·.5·²", "2*·.5*·.5+·.25",
              "·.5+·.25", "·.75"});
    addPress("side term overflows", {"1e308", "1", "1"},
             {"1/3*·1·²*·1", "1/3*·1*·1", "·.33", "2*·1*·1E+308+·1·²", "2*·1*·1E+308+·1", "", ""},
             Overflow);
}

void tst_SolidFigures::pyramidCalculate()
{
    open<FrmPyramid>();
    checkPress(form, {"SLnght", "Lnght", "Hght"},
               {"DispVol1", "DispVol2", "DispVol3", "DispSA1", "DispSA2", "DispSA3", "DispSa4"});
}

QTEST_MAIN(tst_SolidFigures)
#include "tst_solidfigures.moc"
