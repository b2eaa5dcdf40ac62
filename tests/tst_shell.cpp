// The application shell: the splash handing over to the menu, the menu's
// pictures opening their windows, and the two length converters.
//
// Expected results are written with a decimal point; under a locale with a
// decimal comma (the test's second entry) the result labels show a comma,
// the arithmetic labels never do.

#include <QAccessible>
#include <QApplication>
#include <QAbstractItemView>
#include <QClipboard>
#include <QProcess>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include "app/application.h"
#include "app/frmmenu.h"
#include "app/frmsplash.h"
#include "app/model/controls.h"
#include "testkit.h"

using namespace testkit;

class tst_Shell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { start(Setup::ForSplash); }
    void init();
    void cleanup() { closeAll(); }

    void setupFinishesBeforeTheMenu();
    void leavingTheSplash_data();
    void leavingTheSplash();
    void picturesOpenTheirWindows();
    void closingTheMenuLeavesTheWindows();
    void openListDropsBelow();
    void iconInEverySize();
    void converters_data();
    void converters();
    void solveAsTheWindowCopies_data();
    void solveAsTheWindowCopies();
    void commandLine_data();
    void commandLine();

private:
    frmMenu& menu();
};

frmMenu& tst_Shell::menu()
{
    frmMenu& menu = showForm<frmMenu>();
    if (!QTest::qWaitForWindowActive(&menu))
        qWarning("the menu did not become active");
    return menu;
}

// The set-up finishes once the splash is on the screen; the first test sees
// it happen, every other one begins with it done.
void tst_Shell::init()
{
    if (QTest::currentTestFunction() != QByteArrayView("setupFinishesBeforeTheMenu"))
        finishSetup();
}

// The icon and the dialog font come once the splash is shown; a click on
// the splash before then finishes the set-up on the way to the menu.
void tst_Shell::setupFinishesBeforeTheMenu()
{
    QVERIFY2(QApplication::windowIcon().isNull(), "the set-up has finished before the first test");
    static int runs = 0;
    frmSplash* splash = &showForm<frmSplash>();
    afterShown(splash, [] { ++runs; });
    QCOMPARE(runs, 0);
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QTRY_COMPARE(runs, 1);

    const QFont before = QApplication::font();
    QTest::mouseClick(splash, Qt::LeftButton);
    QVERIFY(formInstance<frmMenu>());
    QVERIFY(formInstance<frmMenu>()->font() != before);
    QVERIFY(!formInstance<frmMenu>()->windowIcon().isNull());
    QTest::qWait(20);
    QCOMPARE(runs, 1);

    // Done once: a later call leaves alone a font set since.
    const QFont dialog = QApplication::font();
    const QFont other(QStringLiteral("Serif"), 20);
    QApplication::setFont(other);
    finishSetup();
    QCOMPARE(QApplication::font(), other);
    QApplication::setFont(dialog);
}

namespace {
// What the pupil does to the splash.
enum class SplashEvent { Click, RightClick, RightClickThenLeftRelease, Key };
}
Q_DECLARE_METATYPE(SplashEvent)

void tst_Shell::leavingTheSplash_data()
{
    QTest::addColumn<SplashEvent>("event");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("click") << SplashEvent::Click << 0 << true;
    QTest::newRow("right click") << SplashEvent::RightClick << 0 << false;
    QTest::newRow("right click, left release alone") << SplashEvent::RightClickThenLeftRelease << 0 << false;
    QTest::newRow("letter") << SplashEvent::Key << int(Qt::Key_A) << true;
    QTest::newRow("Esc") << SplashEvent::Key << int(Qt::Key_Escape) << true;
    QTest::newRow("Shift") << SplashEvent::Key << int(Qt::Key_Shift) << false;
    QTest::newRow("arrow") << SplashEvent::Key << int(Qt::Key_Left) << false;
}

// The splash is the only window until a click or a character key; then the
// menu comes up before the splash goes, so the program does not end with
// its last window.
void tst_Shell::leavingTheSplash()
{
    QFETCH(SplashEvent, event);
    QFETCH(int, key);
    QFETCH(bool, leaves);
    frmSplash* splash = &showForm<frmSplash>();
    QVERIFY(QTest::qWaitForWindowActive(splash));
    QCOMPARE(splash->geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
    // No title bar, no frame.
    QCOMPARE(splash->windowType(), Qt::SplashScreen);
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);

    switch (event) {
    case SplashEvent::Click:
        QTest::mouseClick(splash, Qt::LeftButton);
        break;
    case SplashEvent::RightClick:
        QTest::mouseClick(splash, Qt::RightButton);
        break;
    case SplashEvent::RightClickThenLeftRelease:
        QTest::mouseClick(splash, Qt::RightButton);
        QTest::mouseRelease(splash, Qt::LeftButton);
        break;
    case SplashEvent::Key:
        QTest::keyClick(splash, Qt::Key(key));
        break;
    }
    QTest::qWait(20);
    QCOMPARE(formInstance<frmSplash>().isNull(), leaves);
    QCOMPARE(formInstance<frmMenu>().isNull(), !leaves);
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    QVERIFY(lastWindowClosed.isEmpty());
}

// Each picture opens its window once: a second click brings back the same
// window with what was typed in it; after a close it opens a fresh one. Each
// tells a screen reader it is a button, named after its figure. A window
// put away in the taskbar comes back.
void tst_Shell::picturesOpenTheirWindows()
{
    frmMenu& menu = this->menu();
    for (const CalculatorWindow& window : calculatorWindows) {
        auto* picture = control<ImageBox>(&menu, window.picture);
        QAccessibleInterface* told = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(told->role(), QAccessible::Button);
        QVERIFY(!told->text(QAccessible::Name).isEmpty());

        // A button released over a picture it was not pressed on is no click.
        QTest::mouseRelease(picture, Qt::LeftButton);
        QVERIFY(!window.instance());
        click(picture);
        Form* form = window.instance();
        QVERIFY(form && QTest::qWaitForWindowActive(form));
        QCOMPARE(form->metaObject(), window.type);
        type(form->entries().first().box, "7");
        form->showMinimized();
        menu.activateWindow();
        click(picture);
        QCOMPARE(window.instance(), form);
        QVERIFY(!form->isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), form);
        QCOMPARE(form->entries().first().box->text(), "7");

        form->close();
        QTRY_VERIFY(!window.instance());
        click(picture);
        QVERIFY(window.instance());
        QCOMPARE(window.instance()->entries().first().box->text(), QString());
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), 1 + int(calculatorWindows.size()));
}

void tst_Shell::closingTheMenuLeavesTheWindows()
{
    click(control(&menu(), "Cone"));
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    formInstance<frmMenu>()->close();
    QTRY_VERIFY(!formInstance<frmMenu>());
    QVERIFY(calculatorWindow(u"Cone").instance()->isVisible());
    QVERIFY(lastWindowClosed.isEmpty());
}

// An open unit list drops below its box and shows every unit whole.
void tst_Shell::openListDropsBelow()
{
    for (QComboBox* list : menu().findChildren<QComboBox*>()) {
        list->showPopup();
        QWidget* popup = list->view()->window();
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->y(), list->mapToGlobal(QPoint(0, list->height() - 1)).y());
        QVERIFY(list->view()->viewport()->width() >= list->view()->sizeHintForColumn(0));
        list->hidePopup();
    }
}

// Every window carries the cube at each size a taskbar or switcher may ask for.
void tst_Shell::iconInEverySize()
{
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY(sizes.contains(QSize(size, size)));
}

void tst_Shell::converters_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("math");
    QTest::addColumn<QString>("prefix"); // "" for the US converter, "M" for the metric one
    const auto us = [](const char* name, const char* value, int from, int to, const char* result,
                       const char* math) {
        QTest::newRow(name) << value << from << to << result << math << "";
    };
    const auto metric = [](const char* name, const char* value, int from, int to, const char* result,
                           const char* math) {
        QTest::newRow(name) << value << from << to << result << math << "M";
    };
    us("in to in, not rounded", "0.123456789", 0, 0, "0.123456789", " .123456789*1");
    us("in to ft, 5 places", "1", 0, 1, "0.08333", " 1/12");
    us("in to ft, half to even", "0.1875", 0, 1, "0.01562", " .1875/12");
    us("in to yd", "72", 0, 2, "2", " 72/36");
    us("in to mi", "443520", 0, 3, "7", " 443520/63360");
    us("ft to in", "1.23456789", 1, 0, "14.81481468", " 1.23456789*12");
    us("ft to yd", "100", 1, 2, "33.33333", " 100/3");
    us("ft to mi", "-10560", 1, 3, "-2", "-10560/5280");
    us("yd to in", "2", 2, 0, "72", " 2*36");
    us("yd to ft", "-2.5", 2, 1, "-7.5", "-2.5*3");
    us("yd to mi", "3520ft", 2, 3, "2", " 3520/1760");
    us("mi to in", ".5", 3, 0, "31680", " .5*63360");
    us("mi to ft", "2", 3, 1, "10560", " 2*5280");
    us("mi to yd", "3", 3, 2, "5280", " 3*1760");
    us("mi to in, overflow", "1e308", 3, 0, "Overflow", "");
    us("value overflows", "1e999", 1, 1, "Overflow", "");
    metric("m to m, exponent", "1e20", 2, 2, "1E+20", " 1E+20*1");
    metric("mm to cm", "25", 0, 1, "2.5", " 25/10");
    metric("mm to m", "1500", 0, 2, "1.5", " 1500/1,000");
    metric("mm to km, 9 places", "1234.56789", 0, 3, "0.001234568", " 1234.56789/1,000,000");
    metric("cm to mm", "2.5", 1, 0, "25", " 2.5*10");
    metric("cm to m", "250", 1, 2, "2.5", " 250/100");
    metric("cm to km", "150000", 1, 3, "1.5", " 150000/100,000");
    metric("m to mm", "1.5", 2, 0, "1500", " 1.5*1,000");
    metric("m to cm", ".25", 2, 1, "25", " .25*100");
    metric("m to km", "-1", 2, 3, "-0.001", "-1/1,000");
    metric("km to mm", "2", 3, 0, "2000000", " 2*1,000,000");
    metric("km to cm", "3", 3, 1, "300000", " 3*100,000");
    metric("km to m", "0.5", 3, 2, "500", " .5*1,000");
    metric("km to mm, overflow", "1e303", 3, 0, "Overflow", "");
}

// The converters show "1" in the first unit when the menu opens, and
// recompute on every pick of a unit and every key typed.
void tst_Shell::converters()
{
    QFETCH(QString, value);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, result);
    QFETCH(QString, math);
    QFETCH(QString, prefix);
    frmMenu& menu = this->menu();
    const QString mathLabel = prefix.isEmpty() ? "Math" : "mMath";
    auto* resultLabel = control<QLabel>(&menu, prefix + "Result");
    QCOMPARE(resultLabel->text(), "1");
    QCOMPARE(control<QLabel>(&menu, mathLabel)->text(), " 1*1");

    auto* fromList = control<QComboBox>(&menu, prefix + "Combo1");
    auto* toList = control<QComboBox>(&menu, prefix + "Combo2");
    fromList->setCurrentIndex(from);
    toList->setCurrentIndex(to);
    type(control<QLineEdit>(&menu, prefix + (prefix.isEmpty() ? "Textbox" : "TextBox")), value);
    QCOMPARE(resultLabel->text(), result.replace(u'.', QLocale::system().decimalPoint()));
    QCOMPARE(control<QLabel>(&menu, mathLabel)->text(), math);
    // Either list picked to the other's unit shows the value itself.
    for (QComboBox* list : {fromList, toList}) {
        list->setCurrentIndex(list == fromList ? to : from);
        QVERIFY(from == to || result == "Overflow" || control<QLabel>(&menu, mathLabel)->text().endsWith("*1"));
        list->setCurrentIndex(list == fromList ? from : to);
    }
}

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

// The program itself, given the arguments, with no display to connect to;
// a last argument ">file" sends standard output there.
Run tessaro(QStringList arguments)
{
    QProcess program;
    if (!arguments.isEmpty() && arguments.last().startsWith(u'>'))
        program.setStandardOutputFile(arguments.takeLast().mid(1));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TESSARO_PROGRAM), arguments);
    if (!program.waitForFinished(20000) || program.exitStatus() != QProcess::NormalExit)
        return {-1, {}, program.errorString()};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

} // namespace

void tst_Shell::solveAsTheWindowCopies_data()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < int(calculatorWindows.size()); ++i)
        QTest::newRow(calculatorWindows[size_t(i)].name) << i;
}

// "--solve" prints what "Copy Worked Solution" copies after the window's
// worked example, with the figure and its boxes named as the window shows
// them, in capitals and without blanks.
void tst_Shell::solveAsTheWindowCopies()
{
    QFETCH(int, window);
    const CalculatorWindow& calculator = calculatorWindows[size_t(window)];
    Form& form = open(calculator);
    calculateExample(form, calculator);
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

    QStringList arguments{"--solve", QString::fromLatin1(calculator.name).toUpper()};
    const QStringList example = QString::fromLatin1(calculator.example).split(u' ');
    for (qsizetype i = 0; i < example.size(); ++i)
        arguments << form.entries().at(i).label.toUpper().remove(u' ') + u'=' + example[i];
    const Run run = tessaro(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QGuiApplication::clipboard()->text());
}

void tst_Shell::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");   // what standard output starts with
    QTest::addColumn<QString>("err");   // what standard error starts with
    QTest::newRow("overflow: the lines reached") << QStringList{"--solve", "circle", "radius=1e200"} << 1
                                                 << "Circle\nRadius: 1e200\n\n Area=Pi*R²\npi* 1E+200 ²\n\nPerimeter=2Pi*R\n" << Overflow;
    QTest::newRow("negative root") << QStringList{"--solve", "pythagorean", "solve=a", "b=-10", "c=5"} << 1
                                   << "Pythagorean Theorem\nA: solved for\nB: -10\nC: 5\n" << NegativeRoot;
    QTest::newRow("rejected by the window") << QStringList{"--solve", "pythagorean", "solve=B", "a=5", "c=4"} << 1
                                            << "Pythagorean Theorem\nA: 5\nB: solved for\n" << InvalidEntry;
    QTest::newRow("JSON") << QStringList{"--solve", "circle", "--json", "radius=2"} << 0
                          << R"({"caption":"Circle","entries":[{"name":"Radius","value":"2"}],"error":null,"figure":"circle",)"
                             R"("frames":[{"caption":" Area=Pi*R²","lines":["pi* 2 ²","pi* 4"," 12.56"]},)"
                             R"({"caption":"Perimeter=2Pi*R","lines":["2*pi* 2"," 12.56"]}]})" "\n" << "";
    QTest::newRow("error in JSON") << QStringList{"--solve", "pythagorean", "--json", "solve=a", "b=5", "c=5"} << 1
                                   << R"({"caption":"Pythagorean Theorem","entries":[{"name":"A","value":"solved for"},)"
                                      R"({"name":"B","value":"5"},{"name":"C","value":"5"}],"error":{"message":"Error: A + B Cannot be greater than C",)"
                                      R"("title":"Invalid Entry"},)" << InvalidEntry;
    QTest::newRow("another platform named") << QStringList{"-platform", "xcb", "--solve", "circle"} << 0 << "Circle\nRadius: \n" << "";
    QTest::newRow("unknown figure") << QStringList{"--solve", "hexagon"} << 2 << ""
                                    << "tessaro: there is no figure \"hexagon\"; the figures are: rectangle, triangle,";
    QTest::newRow("no figure") << QStringList{"--solve"} << 2 << "" << "tessaro: --solve needs a figure: rectangle,";
    QTest::newRow("unknown box") << QStringList{"--solve", "cone", "diameter=2"} << 2 << ""
                                 << "tessaro: the cone has no box \"diameter\"; its boxes are: SLength, Height, Radius\n";
    QTest::newRow("solve= without options") << QStringList{"--solve", "circle", "solve=a"} << 2 << ""
                                            << "tessaro: the circle has no box \"solve\"; its boxes are: Radius\n";
    QTest::newRow("no such option") << QStringList{"--solve", "pythagorean", "solve=d"} << 2 << ""
                                    << "tessaro: solve takes a|b|c, not \"d\"";
    QTest::newRow("value for the side solved for") << QStringList{"--solve", "pythagorean", "c=5"} << 2 << ""
                                                   << "tessaro: C is the side solved for";
    QTest::newRow("no equals sign") << QStringList{"--solve", "sphere", "radius"} << 2 << ""
                                    << "tessaro: \"radius\" is not NAME=VALUE";
    QTest::newRow("no name") << QStringList{"--solve", "sphere", "=2"} << 2 << "" << "tessaro: \"=2\" is not NAME=VALUE";
    QTest::newRow("unknown option") << QStringList{"--solve", "sphere", "--xml"} << 2 << ""
                                    << "tessaro: \"--xml\" is not NAME=VALUE";
    QTest::newRow("named twice") << QStringList{"--solve", "sphere", "radius=2", "Radius=3"} << 2 << ""
                                 << "tessaro: Radius is given twice";
    QTest::newRow("line break") << QStringList{"--solve", "sphere", "radius=2\n3"} << 2 << ""
                                << "tessaro: the value of Radius holds a line break";
    QTest::newRow("line separator") << QStringList{"--solve", "sphere", "radius=2\u20283"} << 2 << ""
                                    << "tessaro: the value of Radius holds a line break";
    QTest::newRow("option after an argument") << QStringList{"circle", "--solve"} << 2 << ""
                                              << "tessaro: the first argument must be --solve, --list or --help, not \"circle\"";
    QTest::newRow("list") << QStringList{"--list"} << 0 << "rectangle          Length, Width\n" << "";
    QTest::newRow("output not written") << QStringList{"--list", ">/dev/full"} << 1 << ""
                                        << "tessaro: the output could not be written\n";
    QTest::newRow("list with arguments") << QStringList{"--list", "cone"} << 2 << "" << "tessaro: --list takes no arguments";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: tessaro [--solve FIGURE" << "";
}

// The JSON object, the list and the help; and what the command line cannot
// carry out fails with a message and a status of its own: 1 for the
// arithmetic or the window's rejection, after the lines reached; 2 for a
// command line that is wrong, with nothing printed.
void tst_Shell::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = tessaro(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), qPrintable(run.err));
    if (status == 1)
        QVERIFY(run.err.endsWith(u'\n') && run.err.count(u'\n') == 1);
}

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
