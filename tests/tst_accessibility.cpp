// What a screen reader is told: each text box by its caption label, each
// menu picture by its figure, each step line and frame by its text.

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include "app/application.h"
#include "app/form.h"
#include "app/frmmenu.h"
#include "figures/coordinate/frmgrid.h"
#include "figures/coordinate/frmpryther.h"
#include "figures/plane/frmcircle.h"
#include "figures/plane/frmparallelogram.h"
#include "figures/plane/frmsquare.h"
#include "figures/plane/frmtrapezoid.h"
#include "figures/plane/frmtriangle.h"
#include "figures/solid/frmcone.h"
#include "figures/solid/frmcylinder.h"
#include "figures/solid/frmpyramid.h"
#include "figures/solid/frmrecsolid.h"
#include "figures/solid/frmsphere.h"
#include "testkit.h"

using namespace testkit;

using Opener = QWidget* (*)();
Q_DECLARE_METATYPE(Opener)

template <class F> QWidget* open()
{
    QWidget* form = &showForm<F>();
    return form;
}

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupApplication(); }
    void cleanup();

    void controlNames_data();
    void controlNames();
    void stepLinesAndFramesSayTheirText();

private:
    static QAccessibleInterface* accessible(QWidget* form, const QString& name)
    {
        return QAccessible::queryAccessibleInterface(control(form, name));
    }
};

void tst_Accessibility::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QTest::qWait(0);
}

void tst_Accessibility::controlNames_data()
{
    QTest::addColumn<Opener>("openForm");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    const int edit = QAccessible::EditableText;
    QTest::newRow("rectangle length") << &open<frmsquare> << "Lenth" << "Length" << edit;
    QTest::newRow("rectangle width") << &open<frmsquare> << "Wid" << "Width" << edit;
    QTest::newRow("triangle height") << &open<FrmTriangle> << "Hght" << "Height" << edit;
    QTest::newRow("triangle side 3") << &open<FrmTriangle> << "side3" << "Side 3" << edit;
    QTest::newRow("trapezoid base 2") << &open<FrmTrapezoid> << "Base2" << "Base 2" << edit;
    QTest::newRow("trapezoid side 4") << &open<FrmTrapezoid> << "Side4" << "Side 4" << edit;
    QTest::newRow("parallelogram base") << &open<FrmParallelogram> << "bse" << "Base" << edit;
    QTest::newRow("parallelogram slant") << &open<FrmParallelogram> << "Slenght" << "SLength" << edit;
    QTest::newRow("circle radius") << &open<FrmCircle> << "Radius" << "Radius" << edit;
    QTest::newRow("rectangular solid height") << &open<FrmRecSolid> << "hgt" << "Height" << edit;
    QTest::newRow("cylinder radius") << &open<FrmCylinder> << "Radius" << "Radius" << edit;
    QTest::newRow("cone slant") << &open<FrmCone> << "Slnght" << "SLength" << edit;
    QTest::newRow("sphere radius") << &open<FrmSphere> << "Radius" << "Radius" << edit;
    QTest::newRow("pyramid length") << &open<FrmPyramid> << "Lnght" << "Length" << edit;
    QTest::newRow("grid y2") << &open<FrmGrid> << "Iy2" << "Y2" << edit;
    QTest::newRow("theorem A") << &open<FrmPryTher> << "IputA" << "A" << edit;
    QTest::newRow("theorem C") << &open<FrmPryTher> << "IputC" << "C" << edit;
    QTest::newRow("menu US value") << &open<frmMenu> << "Textbox" << "US Conversions:" << edit;
    QTest::newRow("menu metric value") << &open<frmMenu> << "MTextBox" << "Metric Conversions:" << edit;
    QTest::newRow("menu pyramid") << &open<frmMenu> << "Pyramid" << "Square Pyramid" << int(QAccessible::Button);
    QTest::newRow("menu theorem") << &open<frmMenu> << "Therom" << "Pythagorean Theorem" << int(QAccessible::Button);
    QTest::newRow("menu distance") << &open<frmMenu> << "DistAndMidPoint" << "Distance and Midpoint" << int(QAccessible::Button);
    QTest::newRow("menu rectangle") << &open<frmMenu> << "square" << "Rectangle" << int(QAccessible::Button);
    QTest::newRow("menu metric to unit") << &open<frmMenu> << "MCombo2" << "Metric unit to convert to" << int(QAccessible::ComboBox);
}

void tst_Accessibility::controlNames()
{
    QFETCH(Opener, openForm);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    QWidget* form = openForm();
    QAccessibleInterface* iface = accessible(form, control);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(int(iface->role()), role);
}

void tst_Accessibility::stepLinesAndFramesSayTheirText()
{
    QWidget* form = open<FrmCylinder>();
    type(form, "Hgt", "3");
    type(form, "Radius", "2");
    click(form, "Command1");
    QCOMPARE(accessible(form, "DispVol3")->text(QAccessible::Name), " 37.68");
    QCOMPARE(accessible(form, "DispSA1")->text(QAccessible::Name), QString::fromUtf8("2pi* 2* 3+2pi* 2 ²"));
    QCOMPARE(accessible(form, "Frame1")->text(QAccessible::Name), QString::fromUtf8("Volume=pi*R²*H"));
    QCOMPARE(accessible(form, "Frame1")->role(), QAccessible::Grouping);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
