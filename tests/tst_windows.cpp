// The calculator windows, every one of the table, driven as a pupil drives
// them: the worked-out lines for given entries, run-time errors, a fresh
// window after a close, the keyboard alone, what a screen reader is told,
// and how each window looks at both densities.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/frmmenu.h"
#include "app/frmsplash.h"
#include "testkit.h"

using namespace testkit;

namespace {

// One press of "Calculate": the option selected first (the Pythagorean
// window), the entries, the lines in reading order and the message boxes.
void press(const char* name, const char* picture, const QString& option, const QStringList& entries,
           const QStringList& lines, const QString& box = {})
{
    QTest::newRow(name) << QString::fromLatin1(picture) << option << entries << lines
                        << (box.isEmpty() ? QStringList() : QStringList{box});
}

// Every window of the table, a row each.
void windowRows()
{
    QTest::addColumn<QString>("picture");
    for (const CalculatorWindow& window : calculatorWindows)
        QTest::newRow(window.type->className()) << QString::fromLatin1(window.picture);
}

} // namespace

class tst_Windows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        start();
        // A caret that does not blink, so that a window looks the same at every moment.
        QApplication::setCursorFlashTime(0);
    }
    void cleanup() { closeAll(); }

    void calculate_data();
    void calculate();
    void tabOrder_data() { windowRows(); }
    void tabOrder();
    void boxesNamedByTheirLabels_data() { windowRows(); }
    void boxesNamedByTheirLabels();
    void resultsAnnounced_data() { windowRows(); }
    void resultsAnnounced();
    void freshAfterClose_data() { windowRows(); }
    void freshAfterClose();
    void wholeOnTheScreen_data() { windowRows(); }
    void wholeOnTheScreen();
    void looks_data();
    void looks();
    void theoremOptions();
    void rootSignsAfterTheFirstPress();
    void copyWorkedSolution();
    void builtWindowHasOneOwner();
};

void tst_Windows::calculate_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");

    press("rectangle", "square", {}, {"Lenth=5", "Wid=3"},
          {"A·=·5·*··3", "A·=·15", "P·=·2*·5·+·2*·3", "P·=·10+·6", "P·=·16"});
    press("rectangle, area overflows", "square", {}, {"Lenth=1e200", "Wid=1e200"},
          {"A·=·1E+200·*··1E+200", "", "", "", ""}, Overflow);
    press("rectangle, entry too large", "square", {}, {"Lenth=1e999"}, {"", "", "", "", ""}, Overflow);
    press("triangle", "Triangle", {}, {"side1=3", "side2=4", "side3=5", "Base=6", "Hght=4"},
          {"·6·*··4·*·0.5·", "·12", "·3·+··4·+··5", "·12"});
    press("triangle, area overflows", "Triangle", {}, {"side1=1", "side2=2", "side3=3", "Base=1e200", "Hght=-1e200"},
          {"·1E+200·*·-1E+200·*·0.5·", "", "·1·+··2·+··3", "·6"}, Overflow);
    press("trapezoid", "trape", {}, {"Base1=3", "Base2=5", "Hgt=4", "Side1=3", "Side2=4", "Side3=5", "Side4=6"},
          {"0.5*·4(·3+·5)", "0.5*·4*·8", "·16", "", "·3+·4+·5+·6", "·18", ""});
    press("parallelogram", "para", {}, {"bse=3", "Hgt=2", "Slenght=5"},
          {"·3·*··2", "·6", "2*·5·+·2*·3", "·10·+··6", "·16"});
    press("parallelogram, perimeter overflows", "para", {}, {"bse=1e308", "Hgt=0", "Slenght=1e308"},
          {"·1E+308·*··0", "·0", "2*·1E+308·+·2*·1E+308", "", ""}, Overflow);
    press("circle", "circ", {}, {"Radius=5"}, {"pi*·5·²", "pi*·25", "·78.5", "2*pi*·5", "·31.4"});
    press("rectangular solid", "RecSolid", {}, {"Lnght=2", "Wdth=3", "hgt=4"},
          {"·2*·3*·4", "·24", "2(·2*·3)+2(·4*·3)+2(·2*·4)", "·12+·24+·16", "·52"});
    press("rectangular solid, doubled term overflows", "RecSolid", {}, {"Lnght=1e308", "Wdth=1", "hgt=1"},
          {"·1E+308*·1*·1", "·1E+308", "2(·1E+308*·1)+2(·1*·1)+2(·1E+308*·1)", "", ""}, Overflow);
    press("cylinder", "Cylinder", {}, {"Hgt=3", "Radius=2"},
          {"pi·*·2·²*·3", "pi*·4*·3", "·37.68", "2pi*·2*·3+2pi*·2·²", "2pi*·2*·3+2pi*·4", "·37.68+·25.12", "·62.8"});
    press("cone", "Cone", {}, {"Slnght=5", "Hgt=4", "Radius=3"},
          {"1/3pi*·3·²*·4", "1/3pi*·9*·4", "·37.68", "0.5(2*pi*·3)·5+pi*·3·²", "0.5*·18.84*·5+pi*·3·²",
           "0.5*·18.84*·5+pi*·9", "·75.36"});
    // The half is applied before the slant length; the other way round the
    // product would overflow.
    press("cone, half before the slant length", "Cone", {}, {"Slnght=4e207", "Hgt=1", "Radius=1e100"},
          {"1/3pi*·1E+100·²*·1", "1/3pi*·1E+200*·1", "·1.04666666666667E+200", "0.5(2*pi*·1E+100)·4E+207+pi*·1E+100·²",
           "0.5*·6.28E+100*·4E+207+pi*·1E+100·²", "0.5*·6.28E+100*·4E+207+pi*·1E+200", "·1.256E+308"});
    press("sphere", "Sphere", {}, {"Radius=3"},
          {"4/3pi*·3·³", "4/3pi*·27", "·113.04", "4pi*·3·²", "4pi*·9", "·113.04"});
    press("square pyramid", "Pyramid", {}, {"SLnght=5", "Lnght=4", "Hght=3"},
          {"1/3*·4·²*·3", "1/3*·16*·3", "·16", "2*·4*·5+·4·²", "2*·4*·5+·16", "·40+·16", "·56"});
    press("square pyramid, side term overflows", "Pyramid", {}, {"SLnght=1e308", "Lnght=-1", "Hght=1"},
          {"1/3*-1·²*·1", "1/3*·1*·1", "·.333333333333333", "2*-1*·1E+308+-1·²", "2*-1*·1E+308+·1", "", ""}, Overflow);
    press("distance and midpoint", "DistAndMidPoint", {}, {"Ix1=1", "Iy1=2", "Ix2=4", "Iy2=6"},
          {"(·1+·4)/2·,·(·2+·6)/2", "·5/2·,··8/2", "·2.5·,··4", "(·1-·4)·²·+·(·2-·6)·²", "-3·²·+·-4·²", "·9·+··16",
           "·25", "·5"});
    press("distance and midpoint, the same point", "DistAndMidPoint", {}, {"Ix1=2", "Iy1=-1", "Ix2=2", "Iy2=-1"},
          {"(·2+·2)/2·,·(-1+-1)/2", "·4/2·,·-2/2", "·2·,·-1", "(·2-·2)·²·+·(-1--1)·²", "·0·²·+··0·²", "·0·+··0", "·0",
           "·0"});
    press("distance and midpoint, square overflows", "DistAndMidPoint", {}, {"Ix1=1e200", "Iy1=0", "Ix2=0", "Iy2=0"},
          {"(·1E+200+·0)/2·,·(·0+·0)/2", "·1E+200/2·,··0/2", "·5E+199·,··0", "(·1E+200-·0)·²·+·(·0-·0)·²",
           "·1E+200·²·+··0·²", "", "", ""},
          Overflow);
    press("theorem, C", "Therom", "Oc", {"IputA=3", "IputB=4"}, {"·3·²·+·4·²=C·²", "·9+·16=C·²", "·25=C·²", "·5=C·"});
    press("theorem, A", "Therom", "Oa", {"IputB=4", "IputC=5"},
          {"A·²·+·4·²·=·5·²", "A·²·+·16=·25", "A·²·=·9", "A·=·3"});
    press("theorem, B", "Therom", "Ob", {"IputA=-3", "IputC=5"},
          {"-3·²·+·B·²··=·5·²", "·9+·B²=·25", "B·²·=·16", "B·=·4"});
    press("theorem, A, B equal to C", "Therom", "Oa", {"IputB=5", "IputC=5"}, {"", "", "", ""}, InvalidEntry);
    press("theorem, B, A equal to C", "Therom", "Ob", {"IputA=5", "IputC=5"}, {"", "", "", ""}, InvalidEntry);
    press("theorem, A, negative root", "Therom", "Oa", {"IputB=-10", "IputC=5"},
          {"A·²·+-10·²·=·5·²", "A·²·+·100=·25", "A·²·=-75", ""}, NegativeRoot);
    press("theorem, B, negative root", "Therom", "Ob", {"IputA=-13", "IputC=12"},
          {"-13·²·+·B·²··=·12·²", "·169+·B²=·144", "B·²·=-25", ""}, NegativeRoot);
    press("theorem, C, square overflows", "Therom", "Oc", {"IputA=1e200", "IputB=1"},
          {"·1E+200·²·+·1·²=C·²", "", "", ""}, Overflow);
}

// The window's worked example is pressed first, so that every line shows
// something; then the row's entries: each line must be rewritten, or emptied
// when the handler stops before it, and a second press must show the same.
void tst_Windows::calculate()
{
    QFETCH(QString, picture);
    QFETCH(QString, option);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    const CalculatorWindow& window = calculatorWindow(picture);
    Form& form = open(window);
    calculateExample(form, window);
    QVERIFY(!lines(form).join(QString()).isEmpty());

    if (!option.isEmpty())
        click(control(&form, option));
    enter(form, entries);
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(messageBoxes([&form] { click(calculateButton(form)); }), boxes);
        // A screen reader is told the results, or nothing where a box speaks.
        QCOMPARE(announcement(&form).isEmpty(), !boxes.isEmpty());
        QCOMPARE(lines(form), expected);
    }
    // An AutoSize line fits its new caption, shorter or longer.
    for (const StepLine* line : form.stepLines())
        QVERIFY(!line->autoSize() || line->caption().isEmpty()
                || line->width() == line->fontMetrics().horizontalAdvance(line->caption()));
}

namespace {

// The controls the Tab key visits in each window, in the order its
// definition gives them (of the Pythagorean window's options only the
// selected one; the box it solves for cannot be typed into).
const QHash<QString, QStringList> tabOrders{
    {"square", {"Lenth", "Wid", "calculate"}},
    {"Triangle", {"Hght", "Base", "side1", "side2", "side3", "Command1"}},
    {"trape", {"Hgt", "Side1", "Side2", "Side3", "Side4", "Base2", "Base1", "Command1"}},
    {"para", {"Slenght", "Hgt", "bse", "Command1"}},
    {"circ", {"Radius", "Command1"}},
    {"RecSolid", {"Lnght", "hgt", "Wdth", "Command1"}},
    {"Cylinder", {"Hgt", "Radius", "Command1"}},
    {"Cone", {"Slnght", "Hgt", "Command1", "Radius"}},
    {"Sphere", {"Radius", "Command1"}},
    {"Pyramid", {"SLnght", "Lnght", "Hght", "Command1"}},
    {"DistAndMidPoint", {"Ix1", "Iy1", "Ix2", "Iy2", "Command1"}},
    {"Therom", {"IputA", "IputB", "Command1", "Oc"}},
};

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

// The window opens with the caret in the first control; Tab visits the
// others in order and comes round to the first again.
void tst_Windows::tabOrder()
{
    QFETCH(QString, picture);
    open(calculatorWindow(picture));
    QStringList visited{focusName()};
    for (qsizetype i = 0; i < tabOrders[picture].size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
    }
    QCOMPARE(visited, tabOrders[picture] + QStringList{tabOrders[picture].first()});
}

// A screen reader names every box by the label beside it.
void tst_Windows::boxesNamedByTheirLabels()
{
    QFETCH(QString, picture);
    const QList<Form::Entry> entries = open(calculatorWindow(picture)).entries();
    QVERIFY(!entries.isEmpty());
    for (const Form::Entry& entry : entries) {
        QVERIFY(!entry.label.isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(entry.box)->text(QAccessible::Name), entry.label);
    }
}

// After "Calculate" a screen reader is told each frame's result: its last line.
void tst_Windows::resultsAnnounced()
{
    QFETCH(QString, picture);
    const CalculatorWindow& window = calculatorWindow(picture);
    Form& form = open(window);
    calculateExample(form, window);
    QHash<QWidget*, QString> results;
    for (const StepLine* line : form.stepLines()) {
        if (!line->caption().isEmpty())
            results[line->parentWidget()] = line->caption().trimmed();
    }
    const QString told = announcement(&form);
    QCOMPARE(results.size(), form.findChildren<QGroupBox*>().size());
    for (const QString& result : std::as_const(results))
        QVERIFY2(told.contains(result), qPrintable(told));
}

// Closed, a window goes with everything typed; opened again, it is new.
void tst_Windows::freshAfterClose()
{
    QFETCH(QString, picture);
    const CalculatorWindow& window = calculatorWindow(picture);
    calculateExample(open(window), window);
    window.instance()->close();
    QTRY_VERIFY(!window.instance());
    const Form& form = open(window);
    for (const Form::Entry& entry : form.entries())
        QCOMPARE(entry.box->text(), QString());
    QCOMPARE(lines(form).join(QString()), QString());
    QCOMPARE(QApplication::focusWidget(), form.entries().first().box);
}

// Each option disables the box of the side it solves for, and only that
// one. From the keyboard the options are one stop: Tab enters on the
// selected one, the arrows select round the group, Tab leaves.
void tst_Windows::theoremOptions()
{
    Form& form = open(calculatorWindow(u"Therom"));
    const auto solvesFor = [&form](const QString& side) {
        QCOMPARE(QApplication::focusWidget(), control(&form, "O" + side.toLower()));
        for (const QString& other : QStringList{"A", "B", "C"}) {
            QCOMPARE(control<QRadioButton>(&form, "O" + other.toLower())->isChecked(), other == side);
            QCOMPARE(control(&form, "Iput" + other)->isEnabled(), other != side);
        }
    };
    const auto key = [](int pressed, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(pressed), modifiers);
    };
    control(&form, "Command1")->setFocus();
    key(Qt::Key_Tab);
    solvesFor("C");
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), control(&form, "Command1"));
    key(Qt::Key_Tab);
    for (const auto& [arrow, side] : {std::pair{Qt::Key_Up, "B"},
                                      {Qt::Key_Left, "A"},
                                      {Qt::Key_Up, "C"},
                                      {Qt::Key_Down, "A"},
                                      {Qt::Key_Right, "B"}}) {
        key(arrow);
        solvesFor(side);
    }
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control(&form, "IputA"));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    solvesFor("B");
}

// A window's client area opens wholly on the screen; a window larger than
// the screen (at 2x) starts at the screen's top-left corner.
void tst_Windows::wholeOnTheScreen()
{
    QFETCH(QString, picture);
    const Form& form = open(calculatorWindow(picture));
    const QRect screen = form.screen()->availableGeometry(), client = form.geometry(), frame = form.frameGeometry();
    QVERIFY(client.width() > screen.width() ? frame.left() == screen.left()
                                            : screen.left() <= client.left() && client.right() <= screen.right());
    QVERIFY(client.height() > screen.height() ? frame.top() == screen.top()
                                              : screen.top() <= client.top() && client.bottom() <= screen.bottom());
}

void tst_Windows::looks_data()
{
    QTest::addColumn<QString>("window"); // the splash, the menu, or the picture that opens a calculator
    QTest::addColumn<QStringList>("entries"); // a calculator's worked example where there are none
    QTest::addColumn<QString>("focus");
    QTest::newRow("splash") << "splash" << QStringList() << QString();
    QTest::newRow("menu") << "menu" << QStringList() << QString();
    QTest::newRow("menu-cut-result") << "menu" << QStringList{"MTextBox=1234.56789", "MCombo2=3"} << "Cone";
    for (const CalculatorWindow& window : calculatorWindows)
        QTest::newRow(window.name) << window.picture << QStringList() << QString();
    QTest::newRow("circle-large") << "circ" << QStringList{"Radius=123456789"} << QString();
    QTest::newRow("cone-large") << "Cone" << QStringList{"Hgt=-98765.4321", "Radius=-1.23456789012345e15"} << "Radius";
}

// Every window looks as it looked when its picture under tests/looks/ was
// approved: 1-pixel borders, the focus in the highlight colour, captions
// whole or cut with "…", labels on their boxes' baseline, crisp 2x pictures
// and text. TESSARO_APPROVE_LOOKS=1 writes the grabs there instead, to be
// looked at before they are committed; a window that differs is written to
// the test's working folder.
void tst_Windows::looks()
{
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    QFETCH(QString, focus);
    Form* form = window == u"splash" ? static_cast<Form*>(&showForm<frmSplash>())
        : window == u"menu"          ? &showForm<frmMenu>()
                                     : &open(calculatorWindow(window));
    if (entries.isEmpty() && calculateButton(*form))
        calculateExample(*form, calculatorWindow(window));
    enter(*form, entries);
    if (!entries.isEmpty() && calculateButton(*form))
        click(calculateButton(*form));
    if (!focus.isEmpty())
        control(form, focus)->setFocus(Qt::TabFocusReason);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QString file = QStringLiteral("%1/%2x/%3.png").arg(TESSARO_LOOKS).arg(form->devicePixelRatio()).arg(name);
    if (qEnvironmentVariableIsSet("TESSARO_APPROVE_LOOKS"))
        QVERIFY(shown.save(file));
    if (shown != QImage(file).convertToFormat(QImage::Format_RGB32)) {
        const QString grabbed =
            QDir::current().filePath(QStringLiteral("looks-%1-%2x.png").arg(name).arg(form->devicePixelRatio()));
        shown.save(grabbed);
        QFAIL(qPrintable(QStringLiteral("%1 differs from %2").arg(grabbed, file)));
    }
}

// The distance window's root signs appear with the first press that gets
// past the midpoint, and stay.
void tst_Windows::rootSignsAfterTheFirstPress()
{
    Form& form = open(calculatorWindow(u"DistAndMidPoint"));
    for (const auto& [entries, shown] : {std::pair{QStringList{"Ix1=1e308", "Ix2=1e308"}, false},
                                         {QStringList{"Ix2=-1e308"}, true},
                                         {QStringList{"Ix1=1", "Ix2=1"}, true}}) {
        enter(form, entries);
        messageBoxes([&form] { click(calculateButton(form)); });
        for (const ImageBox* sign : form.findChildren<ImageBox*>())
            QCOMPARE(sign->isVisible(), shown);
    }
}

// The copy starts with the entries as they were when "Calculate" was
// pressed, and carries a picture of the window.
void tst_Windows::copyWorkedSolution()
{
    Form& form = open(calculatorWindow(u"square"));
    enter(form, {"Lenth=5", "Wid=3"});
    click(calculateButton(form));
    enter(form, {"Lenth=6"});
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "Rectangle\nLength: 5\nWidth: 3\n\nArea=L*W\nA = 5 *  3\nA = 15\n\n"
             "Perimeter=2L*2W\nP = 2* 5 + 2* 3\nP = 10+ 6\nP = 16\n");
    QCOMPARE(QGuiApplication::clipboard()->image().size(), form.size() * form.devicePixelRatio());
    QCOMPARE(form.contextMenuPolicy(), Qt::ActionsContextMenu);

    Form& theorem = open(calculatorWindow(u"Therom"));
    click(control(&theorem, "Oa"));
    enter(theorem, {"IputB=4", "IputC=5"});
    click(calculateButton(theorem));
    QTest::keyClick(&theorem, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("Pythagorean Theorem\nA: solved for\nB: 4\nC: 5\n\n"));
}

// A window built for the command line belongs to the caller alone: a close
// does not delete it behind the caller's back.
void tst_Windows::builtWindowHasOneOwner()
{
    const std::unique_ptr<Form> form = calculatorWindows.front().build();
    const QPointer<Form> watched(form.get());
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watched);
}

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
