// The main menu: its definition, and the pictures that open the windows.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/application.h"
#include "app/form.h"
#include "app/frmmenu.h"
#include "testkit.h"

using namespace testkit;

class tst_Menu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupApplication(); }
    void init();
    void cleanup();

    void window();
    void definition_data();
    void definition();
    void captionLines_data();
    void captionLines();

    void pictureOpensItsWindowOnce_data();
    void pictureOpensItsWindowOnce();
    void openWindowKeepsItsEntriesAndReopensFresh_data();
    void openWindowKeepsItsEntriesAndReopensFresh();
    void pictureIsTheWindowsPicture_data();
    void pictureIsTheWindowsPicture();
    void allWindowsOpenOnceEach();
    void captionsAndBackgroundOpenNothing_data();
    void captionsAndBackgroundOpenNothing();
    void closingTheMenuLeavesCalculatorsRunning();
    void resizingMovesNothing();

private:
    static void addWindowRows();
    static QWidgetList windowsShown();
    static QWidget* windowNamed(const QString& name);

    frmMenu* menu = nullptr;
};

// The pictures whose windows are built, and the window each opens.
static const QList<std::pair<QString, QString>> builtWindows = {
    {"square", "frmsquare"},
    {"Triangle", "FrmTriangle"},
    {"trape", "FrmTrapezoid"},
    {"para", "FrmParallelogram"},
    {"circ", "FrmCircle"},
    {"RecSolid", "FrmRecSolid"},
    {"Cylinder", "FrmCylinder"},
    {"Cone", "FrmCone"},
    {"Sphere", "FrmSphere"},
    {"Pyramid", "FrmPyramid"},
    {"DistAndMidPoint", "FrmGrid"},
    {"Therom", "FrmPryTher"},
};

void tst_Menu::addWindowRows()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("window");
    for (const auto& [picture, window] : builtWindows)
        QTest::newRow(qPrintable(picture)) << picture << window;
}

QWidgetList tst_Menu::windowsShown()
{
    QWidgetList shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            shown << w;
    }
    return shown;
}

QWidget* tst_Menu::windowNamed(const QString& name)
{
    QWidget* found = nullptr;
    for (QWidget* w : windowsShown()) {
        if (w->objectName() == name) {
            if (found)
                qFatal("two windows named %s", qPrintable(name));
            found = w;
        }
    }
    return found;
}

void tst_Menu::init()
{
    menu = &showForm<frmMenu>();
    QVERIFY(QTest::qWaitForWindowActive(menu));
}

void tst_Menu::cleanup()
{
    for (QWidget* w : windowsShown())
        w->close();
    QTRY_VERIFY(windowsShown().isEmpty() && formInstance<frmMenu>().isNull());
}

void tst_Menu::window()
{
    checkForm(menu, "frmMenu", "Tessaro", 1515, 1530, 7680, 4575);
    const QImage back = menu->property("picture").value<QPixmap>().toImage();
    QCOMPARE(back.size(), QSize(100, 100));
    QCOMPARE(back.pixelColor(0, 0), QColor(224, 223, 227));
    QCOMPARE(back.pixelColor(99, 99), QColor(224, 223, 227));

    // Only the value boxes and the unit lists take the focus.
    QCOMPARE(menu->focusWidget()->objectName(), "Textbox");
    QCOMPARE(tabOrder(menu),
             QStringList({"Textbox", "Combo1", "Combo2", "MTextBox", "MCombo1", "MCombo2"}));
}

void tst_Menu::definition_data()
{
    // The converters' labels are empty in the definition; loading the menu
    // shows each converter's value in its own unit.
    addControlRows({
        {"MCombo2", "ComboBox", "frmMenu", "", 5400, 4080, 975, 315},
        {"MCombo1", "ComboBox", "frmMenu", "", 3120, 4080, 975, 315},
        {"MTextBox", "TextBox", "frmMenu", "1", 2400, 4080, 615, 285},
        {"Combo2", "ComboBox", "frmMenu", "", 5400, 3480, 975, 315},
        {"Combo1", "ComboBox", "frmMenu", "", 3120, 3480, 975, 315},
        {"Textbox", "TextBox", "frmMenu", "1", 2400, 3480, 615, 285},
        {"Label16", "Label", "frmMenu", "Metric Conversions:", 2400, 3840, 1455, 255, "no"},
        {"Label15", "Label", "frmMenu", "=", 4200, 4080, 135, 255, "no"},
        {"mMath", "Label", "frmMenu", " 1*1", 6480, 4080, 1095, 255, "no"},
        {"MResult", "Label", "frmMenu", "1", 4440, 4080, 855, 255, "no"},
        {"Label14", "Label", "frmMenu", "Pythagorean Theorem", 1200, 4080, 975, 375, "no"},
        {"Label13", "Label", "frmMenu", "US Conversions:", 2400, 3240, 1215, 255, "no"},
        {"Math", "Label", "frmMenu", " 1*1", 6480, 3480, 1095, 255, "no"},
        {"Result", "Label", "frmMenu", "1", 4440, 3480, 855, 255, "no"},
        {"Label12", "Label", "frmMenu", "=", 4200, 3480, 135, 255, "no"},
        {"Label11", "Label", "frmMenu", " Distance and Midpoint", 0, 4080, 1095, 375, "no"},
        {"DistAndMidPoint", "Image", "frmMenu", "", 120, 3240, 750, 750},
        {"Therom", "Image", "frmMenu", "", 960, 3600, 1335, 390},
        {"Label10", "Label", "frmMenu", "Rectangular Solid", 5880, 2760, 1335, 255, "no"},
        {"Label9", "Label", "frmMenu", "Cylinder", 3360, 2760, 615, 255, "no"},
        {"Label8", "Label", "frmMenu", "Square Pyramid", 2040, 2760, 615, 495, "no"},
        {"Pyramid", "Image", "frmMenu", "", 1560, 1320, 1365, 1410},
        {"RecSolid", "Image", "frmMenu", "", 5880, 1920, 1395, 630},
        {"Cylinder", "Image", "frmMenu", "", 3240, 1560, 705, 1155},
        {"label7", "Label", "frmMenu", "Cone", 480, 2760, 615, 255, "no"},
        {"Label6", "Label", "frmMenu", "Sphere", 4680, 2760, 615, 255, "no"},
        {"Sphere", "Image", "frmMenu", "", 4440, 1560, 1080, 1065},
        {"Cone", "Image", "frmMenu", "", 120, 1200, 1200, 1590},
        {"Label5", "Label", "frmMenu", "Circle", 6480, 1080, 495, 255, "no"},
        {"circ", "Image", "frmMenu", "", 6120, 0, 1110, 1095},
        {"para", "Image", "frmMenu", "", 4440, 120, 1500, 780},
        {"Label4", "Label", "frmMenu", "Parallelogram", 4560, 960, 975, 255, "no"},
        {"Label3", "Label", "frmMenu", "Trapezoid", 3240, 960, 735, 255, "no"},
        {"trape", "Image", "frmMenu", "", 3000, 360, 1230, 585},
        {"Label2", "Label", "frmMenu", "Triangle", 1800, 960, 735, 255, "no"},
        {"Label1", "Label", "frmMenu", "Rectangle", 360, 960, 855, 255, "no"},
        {"Triangle", "Image", "frmMenu", "", 1440, 240, 1425, 690},
        {"square", "Image", "frmMenu", "", 240, 240, 1020, 690},
    });
}

void tst_Menu::definition()
{
    checkControlRow(menu);

    // What the table sets beyond names, kinds, captions and geometry: the
    // bordered labels, the two on the menu background colour, the centred
    // captions; every picture exactly the size of its bitmap.
    static const QStringList bordered = {"mMath", "MResult", "Math", "Result"};
    static const QStringList onMenuColour = {"MResult", "Result"};
    static const QStringList centred = {"Label14", "Label11"};
    QFETCH(ControlRow, row);
    QWidget* widget = control(menu, row.name);
    if (auto* image = qobject_cast<ImageBox*>(widget)) {
        QCOMPARE(image->pixmap().size() * 15, QSize(row.width, row.height));
        QCOMPARE(image->focusPolicy(), Qt::NoFocus);
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const bool border = bordered.contains(row.name);
        QCOMPARE(label->frameShape(), border ? QFrame::Box : QFrame::NoFrame);
        QCOMPARE(label->frameShadow(), QFrame::Plain);
        QCOMPARE(label->lineWidth(), 1);
        QCOMPARE(label->autoFillBackground(), onMenuColour.contains(row.name));
        QCOMPARE(label->backgroundRole(), QPalette::Window);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                 centred.contains(row.name) ? Qt::AlignHCenter : Qt::AlignLeft);
    }
}

void tst_Menu::captionLines_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("lines");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "label7", "Label9",
                             "Label6", "Label10", "Label13", "Label16", "Label12", "Label15"})
        QTest::newRow(name) << name << 1;
    for (const char* name : {"Label8", "Label11", "Label14"})
        QTest::newRow(name) << name << 2;
}

void tst_Menu::captionLines()
{
    // Each caption label shows its caption whole, on as many lines as its
    // box is meant for.
    QFETCH(QString, label);
    QFETCH(int, lines);
    auto* widget = control<QLabel>(menu, label);
    const QFontMetrics metrics = widget->fontMetrics();
    QCOMPARE(widget->heightForWidth(widget->width()), lines * metrics.lineSpacing());
    if (lines == 1)
        QVERIFY(metrics.horizontalAdvance(widget->text()) <= widget->width());
    // Every line's letters stand inside the box; a two-line box of 25
    // pixels leaves out only the lowest pixel row of a descender on the
    // second line (the p of "Midpoint").
    QVERIFY2((lines - 1) * metrics.lineSpacing() + metrics.ascent() <= widget->height(),
             "the caption fits its box");
}

void tst_Menu::pictureOpensItsWindowOnce_data()
{
    addWindowRows();
}

void tst_Menu::pictureOpensItsWindowOnce()
{
    QFETCH(QString, picture);
    QFETCH(QString, window);

    click(menu, picture);
    QWidget* opened = windowNamed(window);
    QVERIFY(opened);
    QVERIFY(QTest::qWaitForWindowActive(opened));
    QCOMPARE(windowsShown().count(), 2);

    // A double click brings the same window to the front again.
    QWidget* image = control(menu, picture);
    QTest::mouseDClick(image, Qt::LeftButton, {}, image->rect().center());
    QCOMPARE(windowNamed(window), opened);
    QCOMPARE(windowsShown().count(), 2);
    // The menu stays as it was.
    QVERIFY(menu->isVisible());
}

void tst_Menu::openWindowKeepsItsEntriesAndReopensFresh_data()
{
    addWindowRows();
}

void tst_Menu::openWindowKeepsItsEntriesAndReopensFresh()
{
    QFETCH(QString, picture);
    QFETCH(QString, window);

    click(menu, picture);
    QPointer<QWidget> first = windowNamed(window);
    QVERIFY(first);
    const auto contents = [](QWidget* form) {
        QStringList texts;
        for (QLineEdit* box : form->findChildren<QLineEdit*>())
            texts << box->objectName() + "=" + box->text();
        for (StepLine* line : form->findChildren<StepLine*>())
            texts << line->objectName() + "=" + line->caption();
        return texts;
    };
    const QStringList fresh = contents(first);
    for (QLineEdit* box : first->findChildren<QLineEdit*>())
        type(first, box->objectName(), "7");
    const QStringList typed = contents(first);
    QVERIFY(typed != fresh);

    // A further click shows the same window with its entries intact.
    menu->activateWindow();
    click(menu, picture);
    QCOMPARE(windowNamed(window), first.data());
    QVERIFY(QTest::qWaitForWindowActive(first));
    QCOMPARE(contents(first), typed);

    // After a close the next click builds it afresh.
    first->close();
    QTRY_VERIFY(first.isNull());
    click(menu, picture);
    QWidget* second = windowNamed(window);
    QVERIFY(second);
    QCOMPARE(contents(second), fresh);
}

void tst_Menu::pictureIsTheWindowsPicture_data()
{
    addWindowRows();
}

void tst_Menu::pictureIsTheWindowsPicture()
{
    // One bitmap serves the menu and the window.
    QFETCH(QString, picture);
    QFETCH(QString, window);
    const QImage onMenu = control<ImageBox>(menu, picture)->pixmap().toImage();
    click(menu, picture);
    const QImage inWindow = windowNamed(window)->property("picture").value<QPixmap>().toImage();
    QVERIFY(!onMenu.isNull());
    QCOMPARE(onMenu, inWindow);
}

void tst_Menu::allWindowsOpenOnceEach()
{
    // Every picture twice: the menu and one window of each built one.
    for (int round = 0; round < 2; ++round) {
        for (QWidget* image : menu->findChildren<ImageBox*>()) {
            menu->activateWindow();
            click(menu, image->objectName());
        }
    }
    QStringList expected = {"frmMenu"};
    for (const auto& built : builtWindows)
        expected << built.second;
    QStringList names;
    for (QWidget* w : windowsShown())
        names << w->objectName();
    expected.sort();
    names.sort();
    QCOMPARE(names, expected);
}

void tst_Menu::captionsAndBackgroundOpenNothing_data()
{
    QTest::addColumn<QString>("label");   // empty: the background
    QTest::newRow("Rectangle caption") << "Label1";
    QTest::newRow("Square Pyramid caption") << "Label8";
    QTest::newRow("Pythagorean Theorem caption") << "Label14";
    QTest::newRow("background") << "";
}

void tst_Menu::captionsAndBackgroundOpenNothing()
{
    QFETCH(QString, label);
    if (label.isEmpty())
        QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(500, 150));
    else
        click(menu, label);
    QTest::qWait(20);
    QCOMPARE(windowsShown(), QWidgetList{menu});
}

void tst_Menu::closingTheMenuLeavesCalculatorsRunning()
{
    // In the running program the process ends when its last window closes,
    // not when the menu does.
    click(menu, "square");
    QPointer<QWidget> calculator = windowNamed("frmsquare");
    QVERIFY(calculator);
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool runningWithoutMenu = false;
    QTimer::singleShot(0, this, [&] {
        menu->close();
        QTimer::singleShot(100, this, [&] {
            runningWithoutMenu = formInstance<frmMenu>().isNull() && calculator
                                 && calculator->isVisible() && lastWindowClosed.isEmpty();
            calculator->close();
        });
    });
    QTimer::singleShot(5000, qApp, &QApplication::quit);
    QApplication::exec();
    QVERIFY(runningWithoutMenu);
    QCOMPARE(lastWindowClosed.count(), 1);
}

// The controls stand where their definition puts them, whatever size the
// user gives the window.
void tst_Menu::resizingMovesNothing()
{
    QHash<const QWidget*, QRect> placed;
    for (const QWidget* control : menu->findChildren<QWidget*>())
        placed.insert(control, control->geometry());
    for (const QSize size : {menu->size() * 2, menu->size() / 2}) {
        menu->resize(size);
        QTRY_COMPARE(menu->size(), size);
        for (const QWidget* control : menu->findChildren<QWidget*>())
            QCOMPARE(control->geometry(), placed.value(control));
    }
}

QTEST_MAIN(tst_Menu)
#include "tst_menu.moc"
