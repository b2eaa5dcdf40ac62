// The application shell: the splash handing over to the menu, the menu's
// pictures opening their windows, and the two length converters.
// Expected results are written with a decimal point; under a locale with a
// decimal comma (the test's second entry) the result labels show a comma,
// the arithmetic labels never do.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "app/application.h"
#include "app/frmmenu.h"
#include "app/frmsplash.h"
#include "bench/worksheet.h"
#include "manyproblems.h"
#include "model/controls.h"
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
    void picturesByKeys();
    void converters_data();
    void converters();
    void solveAsTheWindowCopies_data();
    void solveAsTheWindowCopies();
    void commandLine_data();
    void commandLine();
    void windowsWithoutArguments();
    void manyProblemsInOneCall_data();
    void manyProblemsInOneCall();
    void manyArguments_data();
    void manyArguments();
    void pdfRefused_data();
    void pdfRefused();

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

// The icon in every size and the dialog font come once the splash is
// shown; a click on the splash before then finishes the set-up on the way
// to the menu.
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
    // Every window carries the cube at each size a taskbar or switcher may ask for.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY(formInstance<frmMenu>()->windowIcon().availableSizes().contains(QSize(size, size)));
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
enum class SplashEvent { Click, RightClick, RightClickThenLeftRelease, Key }; // what the pupil does to the splash
} // namespace
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
    // With no control of its own it has the keyboard focus itself.
    QCOMPARE(QApplication::focusWidget(), splash);
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);

    if (event == SplashEvent::Key)
        QTest::keyClick(splash, Qt::Key(key));
    else
        QTest::mouseClick(splash, event == SplashEvent::Click ? Qt::LeftButton : Qt::RightButton);
    if (event == SplashEvent::RightClickThenLeftRelease)
        QTest::mouseRelease(splash, Qt::LeftButton);
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

// Tab goes from the value box through the converters to the pictures; Home
// and End reach the first and the last picture; an arrow at a row's end
// goes on to the next row, at its start back to the row before.
void tst_Shell::picturesByKeys()
{
    frmMenu& menu = this->menu();
    QCOMPARE(QApplication::focusWidget(), control(&menu, "Textbox"));
    for (const char* next : {"Combo1", "Combo2", "MTextBox", "MCombo1", "MCombo2", "square", "Triangle"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    for (const auto& [key, picture] : {std::pair{Qt::Key_End, "Therom"},
                                       {Qt::Key_Home, "square"},
                                       {Qt::Key_Left, "square"},
                                       {Qt::Key_Down, "Cone"},
                                       {Qt::Key_Left, "circ"},
                                       {Qt::Key_Right, "Cone"},
                                       {Qt::Key_Right, "Pyramid"}}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget()->objectName(), picture);
    }
}

void tst_Shell::converters_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("math");
    QTest::addColumn<QString>("prefix"); // "" for the US converter, "M" for the metric one
    const auto us = [](const char* name, const char* value, int from, int to, const char* result, const char* math) {
        QTest::newRow(name) << value << from << to << result << math << "";
    };
    const auto metric = [](const char* name, const char* value, int from, int to, const char* result,
                           const char* math) { QTest::newRow(name) << value << from << to << result << math << "M"; };
    us("in to ft, 5 places", "1", 0, 1, "0.08333", " 1/12");
    us("mi to in, overflow", "1e308", 3, 0, "Overflow", "");
    metric("mm to km, 9 places", "1234.56789", 0, 3, "0.001234568", " 1234.56789/1,000,000");
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
    auto* box = control<QLineEdit>(&menu, prefix + (prefix.isEmpty() ? "Textbox" : "TextBox"));
    type(box, value);
    QCOMPARE(resultLabel->text(), result.replace(u'.', QLocale::system().decimalPoint()));
    QCOMPARE(control<QLabel>(&menu, mathLabel)->text(), math);
    // A screen reader is told which box the result is worked from, and the
    // result by its value with its unit.
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(resultLabel);
    const auto related = told->relations(QAccessible::Controller);
    QVERIFY(related.size() == 1 && related.first().first->object() == box);
    const QString spoken = resultLabel->text() + (math.isEmpty() ? "" : u' ' + toList->currentText());
    QCOMPARE(told->text(QAccessible::Name), spoken);
    QCOMPARE(told->text(QAccessible::Description), prefix.isEmpty() ? "US result" : "Metric result");
    // Each list is named by what it is, and then tells its unit.
    QAccessibleInterface* units = QAccessible::queryAccessibleInterface(fromList);
    QCOMPARE(units->text(QAccessible::Name), fromList->accessibleName());
    QCOMPARE(units->textInterface()->text(0, 99), fromList->currentText());
    // A new unit in either list tells a screen reader the unit and the result at once.
    for (QComboBox* list : {fromList, toList}) {
        list->setCurrentIndex(list == fromList ? to : from);
        list->setCurrentIndex(list == fromList ? from : to);
        QCOMPARE(announcement(&menu), list->currentText() + ": " + spoken);
    }
}

void tst_Shell::solveAsTheWindowCopies_data()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < int(calculatorWindows.size()); ++i)
        QTest::newRow(calculatorWindows[size_t(i)].figure.name) << i;
}

// "--solve" prints what "Copy Worked Solution" copies after the window's
// worked example, with the figure and its boxes named as the window shows
// them, in capitals and without blanks.
void tst_Shell::solveAsTheWindowCopies()
{
    QFETCH(int, window);
    const CalculatorWindow& calculator = calculatorWindows[size_t(window)];
    Calculator& form = open(calculator);
    calculateExample(form);
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

    QStringList arguments{"--solve", QString::fromLatin1(calculator.figure.name).toUpper()};
    qsizetype box = 0;
    for (QStringView entry : calculator.figure.example)
        arguments << form.entries().at(box++).label.toUpper().remove(u' ') + u'=' + entry.toString();
    const Run run = tessaro(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QGuiApplication::clipboard()->text());
}

void tst_Shell::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // what standard output starts with
    QTest::addColumn<QString>("err"); // what standard error starts with; all of it if it ends a line
    const QString usage = QStringLiteral("\ntessaro: usage: tessaro --solve FIGURE");
    const auto row = [](const char* name, const QStringList& arguments, int status, const QString& out,
                        const QString& err) { QTest::newRow(name) << arguments << status << out << err; };
    row("overflow: the lines reached", {"--solve", "circle", "radius=1e200"}, 1,
        "Circle\nRadius: 1e200\n\n Area=Pi*R²\npi* 1E+200 ²\n\nPerimeter=2Pi*R\n",
        "tessaro: Overflow: a result is too large to calculate.\n");
    row("rejected by the window", {"--solve", "pythagorean", "solve=B", "a=5", "c=4"}, 1,
        "Pythagorean Theorem\nA: 5\nB: solved for\n",
        "tessaro: Invalid Entry: Error: A must be shorter than the hypotenuse C\n");
    row("JSON", {"--solve", "circle", "--json", "radius=2"}, 0, R"({"caption":"Circle","entries":[{"name":"Radius",)",
        "");
    row("JSON before --solve", {"--json", "--solve", "circle"}, 2, "",
        "tessaro: the first argument must be --solve, --list, --help or --version, not \"--json\"" + usage);
    row("Qt option reading a file", {"--solve", "circle", "-stylesheet", "/dev/zero"}, 2, "",
        "tessaro: \"-stylesheet\" is not");
    row("Qt option with --list", {"--list", "-qwindowgeometry"}, 2, "",
        "tessaro: --list takes no arguments, not \"-qwindowgeometry\"");
    row("misspelt option", {"--HELP"}, 2, "", "tessaro: unknown option \"--HELP\"" + usage);
    row("unknown option after --solve", {"--solve", "sphere", "--xml"}, 2, "", "tessaro: unknown option \"--xml\"");
    row("--pdf without a file", {"--solve", "sphere", "--pdf"}, 2, "", "tessaro: --pdf needs a file name" + usage);
    row("--pdf with --json", {"--solve", "sphere", "--json", "--pdf", "x.pdf"}, 2, "",
        "tessaro: --json prints on standard output, --pdf writes a file: give one of them" + usage);
    row("argument left by Qt", {"-platform=offscreen", "-help"}, 2, "", "tessaro: unknown argument \"-help\"" + usage);
    // Without a display: the program as it was started, under a virtual X
    // server or without windows; how to get the server where it is missing.
    const QString program = QStringLiteral(TESSARO_PROGRAM);
    const QString noDisplay = "tessaro: no display to open the windows on: they need a desktop. Under a virtual X "
                              "server they run but show nothing on the screen (for screenshots and automated runs): "
                              "xvfb-run -a -s '-screen 0 1280x1024x24' "
        + program + "%1. Without windows: " + program + " --list, " + program
        + " --solve cone radius=3 height=4 slength=5\n";
    row("no display", {}, 2, "", noDisplay.arg(""));
    row("no display for the platform asked for", {"-platform", "xcb"}, 2, "", noDisplay.arg(""));
    row("a display that cannot be opened", {"@QT_FATAL_WARNINGS=0", "-display", ":7349"}, 2, "", noDisplay.arg(""));
    row("no display, no virtual X server", {"@PATH=/none"}, 2, "",
        noDisplay.arg(" (install it first: sudo apt-get install xvfb xauth)"));
    row("a wrong argument before the display", {"-version"}, 2, "", "tessaro: unknown argument \"-version\"" + usage);
    row("a Qt option without its value", {"-platform"}, 2, "", "tessaro: -platform needs a value" + usage);
    row("a style sheet that is no file", {"-stylesheet", "/dev/zero"}, 2, "",
        "tessaro: -stylesheet: \"/dev/zero\" is not a readable style sheet file of at most 1 MiB\n");
    row("a long argument cut", {"--solve", QString(131000, u'x')}, 2, "",
        "tessaro: there is no figure \"" + QString(40, u'x') + "…\"; the figures are: rectangle");
    row("unknown figure", {"--solve", "hexagon"}, 2, "",
        "tessaro: there is no figure \"hexagon\"; the figures are: rectangle, triangle,");
    row("escape in a figure", {"--solve", "he\x1b[31mx\u202e"}, 2, "",
        "tessaro: there is no figure \"he\\u001B[31mx\\u202E\"");
    row("no figure", {"--solve"}, 2, "", "tessaro: --solve needs a figure: rectangle,");
    row("unknown box", {"--solve", "cone", "diameter=2"}, 2, "",
        "tessaro: the cone has no box \"diameter\"; its boxes are: SLength, Height, Radius" + usage);
    row("solve= without options", {"--solve", "circle", "solve=a"}, 2, "",
        "tessaro: the circle has no box \"solve\"; its boxes are: Radius" + usage);
    row("no such option", {"--solve", "pythagorean", "solve=d"}, 2, "", "tessaro: solve takes a|b|c, not \"d\"");
    row("value for the side solved for", {"--solve", "pythagorean", "c=5"}, 2, "", "tessaro: c is the side solved for");
    row("no equals sign", {"--solve", "sphere", "radius"}, 2, "", "tessaro: \"radius\" is not NAME=VALUE");
    row("no name", {"--solve", "sphere", "=2"}, 2, "", "tessaro: \"=2\" is not NAME=VALUE");
    row("named twice", {"--solve", "sphere", "radius=2", "Radius=3"}, 2, "", "tessaro: Radius is given twice");
    row("decimal comma", {"--solve", "sphere", "radius=1,5"}, 2, "",
        "tessaro: radius: \"1,5\" is not a number (write 1.5)\n" + usage.mid(1));
    for (const char* value : {"", "abc", "NaN", "inf", "0x10", "5abc", "5 5", "1..5", "1e", "+-1", "\u22125", "\uff15"})
        QTest::addRow("not a number: %s", value)
            << QStringList{"--solve", "sphere", QStringLiteral("radius=") + value} << 2 << ""
            << "tessaro: radius: \"" + QString(value) + "\" is not a number" + usage;
    row("line feed escaped", {"--solve", "sphere", "radius=2\n3"}, 2, "", "tessaro: radius: \"2\\n3\" is not a number");
    for (const char* value : {" 5 ", "+5", "-.5", "5.", "1e5", "1E+09", "2.5e-3"})
        QTest::addRow("a number: %s", value) << QStringList{"--solve", "sphere", QStringLiteral("radius=") + value} << 0
                                             << "Sphere\nRadius: " + QString(value) + "\n"
                                             << "";
    row("longer than the box", {"--solve", "circle", "radius=" + QString(40000, u'0') + "5"}, 2, "",
        "tessaro: radius: \"00000000000000000000…\" (40001 characters) is longer than the box holds (32767)" + usage);
    // No application, no platform, no fonts and no runtime folder: none of
    // them could start here, and none is missed.
    row("no Qt platform", {"@QT_QPA_PLATFORM=none", "@FONTCONFIG_FILE=/none", "@TMPDIR=/none", "--solve", "sphere"}, 0,
        "Sphere\n", "");
    row("problems on standard input", {"--solve", "-", "<circle radius=2\n\n  # none\nSPHERE\tRadius=1 # a ball\r\n"},
        0,
        "Circle\nRadius: 2\n\n Area=Pi*R²\npi* 2 ²\npi* 4\n 12.56\n\nPerimeter=2Pi*R\n2*pi* 2\n 12.56\n\n"
        "Sphere\nRadius: 1\n",
        "");
    row("JSON lines", {"--solve", "--json", "-", "<\nsphere radius=2"}, 0, R"({"caption":"Sphere",)", "");
    row("the worst line counts", {"--solve", "-", "<circle radius=1e200\nhexagon\ncircle radius=2"}, 2,
        "Circle\nRadius: 1e200\n",
        "tessaro: line 1: Overflow: a result is too large to calculate.\ntessaro: line 2: there is no figure \"hex");
    row("standard input a folder", {"--solve", "-", "<@/"}, 1, "", "tessaro: standard input: Is a directory\n");
    row("standard input closed", {"--solve", "-", "<&-"}, 1, "", "tessaro: standard input: Bad file descriptor\n");
    row("a line longer than any problem", {"--solve", "-", "<circle radius=" + QString(300000, u'1') + "\nsphere"}, 2,
        "Sphere\n", "tessaro: line 1: longer than any problem can be\n");
    row("problems and entries", {"--solve", "-", "radius=2"}, 2, "",
        "tessaro: \"radius=2\": with --solve -, the problems come from standard input");
    row("list", {"--list"}, 0, "rectangle          Length, Width\n", "");
    row("output not written", {"--list", ">/dev/full"}, 1, "", "tessaro: the output could not be written\n");
    row("help", {"--help"}, 0, "Usage: tessaro [Qt options]\n", "");
    row("version", {"--version"}, 0, "tessaro " TESSARO_VERSION "\n", "");
}

// What the command line cannot carry out fails with a message and a status
// of its own: 1 for the arithmetic or the window's rejection, after the
// lines reached; 2 for a command line that is wrong, with nothing printed,
// and without a display to open. No run leaves a file or folder behind, and
// a good one says nothing on standard error, Qt's warnings fatal.
void tst_Shell::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = tessaro(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
    QVERIFY2(err.isEmpty()             ? run.err.isEmpty()
                 : err.endsWith(u'\n') ? run.err == err
                                       : run.err.startsWith(err),
             qPrintable(run.err));
    QCOMPARE(run.left, QStringList());
}

// Without arguments of its own the program shows its windows until it is
// ended; with no folder fit to be its runtime folder, ended by a signal, it
// leaves nothing behind all the same.
void tst_Shell::windowsWithoutArguments()
{
    QTemporaryDir temporary;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* unset : {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY"}) // the platform comes from -platform
        environment.remove(QString::fromLatin1(unset));
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    environment.insert(QStringLiteral("HOME"), temporary.filePath(QStringLiteral("none")));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TESSARO_PROGRAM), {"-platform", "offscreen"});
    QVERIFY(!program.waitForFinished(1500));
    program.terminate();
    QVERIFY(program.waitForFinished());
    QVERIFY(QDir(temporary.path()).isEmpty());
    QVERIFY(!program.readAllStandardError().contains("tessaro:"));
}

void tst_Shell::manyProblemsInOneCall_data()
{
    QTest::addColumn<bool>("json");
    QTest::newRow("text") << false;
    QTest::newRow("JSON") << true;
}

// A worksheet through --solve - prints what a call for each problem prints,
// whatever the problem: worked, stopped by the arithmetic or the window,
// refused, or not there (a sample of the bench's random worksheets).
void tst_Shell::manyProblemsInOneCall()
{
    QFETCH(bool, json);
    const QStringList problems = randomProblems(20, 2);
    const auto call = [](const QStringList& arguments) { return tessaro(arguments).out.toUtf8(); };
    const QStringList option = json ? QStringList{"--json"} : QStringList();
    QCOMPARE(call(QStringList{"--solve", "-"} + option + QStringList{"<" + problems.join(u'\n')}),
             asSeparateCalls(problems, json, call));
}

void tst_Shell::manyArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("unknown box first") << QStringList{"--solve", "circle"} + QStringList(100000, "x=1") << 2;
    QTest::newRow("named again and again") << QStringList{"--solve", "circle"} + QStringList(100000, "radius=1") << 2;
    QTest::newRow("--json again and again")
        << QStringList{"--solve", "circle", "radius=1"} + QStringList(100000, "--json") << 0;
}

// However many arguments there are, they are answered at once.
void tst_Shell::manyArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(tessaro(arguments).status, status);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
}

void tst_Shell::pdfRefused_data()
{
    QTest::addColumn<QStringList>("arguments"); // "%f" a file in a folder of the test's own
    QTest::addColumn<QString>("err"); // what the one line on standard error starts with
    QTest::newRow("questions without a file") << QStringList{"--solve", "sphere", "--questions"}
                                              << "tessaro: --questions sets a question sheet in the file that --pdf";
    QTest::newRow("a missing folder") << QStringList{"--solve", "sphere", "--pdf", "%f/none/key.pdf"} << "tessaro: \"";
    QTest::newRow("a folder that cannot be written")
        << QStringList{"--solve", "-", "--pdf", "/proc/key.pdf"} << "tessaro: \"/proc/key.pdf\" cannot be written: ";
}

// A PDF file that cannot be written, or asked for wrongly, is refused with
// one line before any work, and nothing is left behind.
void tst_Shell::pdfRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, err);
    QTemporaryDir folder;
    arguments.replaceInStrings("%f", folder.path());
    const Run run = tessaro(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith(err) && run.err.count(u'\n') == 1, qPrintable(run.err));
    QVERIFY(QDir(folder.path()).isEmpty());
}

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
