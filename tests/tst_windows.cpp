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
#include <QTimer>

#include "app/frmmenu.h"
#include "app/frmsplash.h"
#include "model/readingorder.h"
#include "testkit.h"

using namespace testkit;

namespace {

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

    void calculate_data() { windowRows(); }
    void calculate();
    void tabOrder_data() { windowRows(); }
    void tabOrder();
    void boxesNamedByTheirLabels_data() { windowRows(); }
    void boxesNamedByTheirLabels();
    void resultsAnnounced_data() { windowRows(); }
    void resultsAnnounced();
    void wholeOnTheScreen_data() { windowRows(); }
    void wholeOnTheScreen();
    void looks_data();
    void looks();
    void theoremOptions();
    void enterCalculates();
    void rootSignsAfterTheFirstPress();
    void copyWorkedSolution();
    void printDialogFromTheKeyboard();
};

// A press of "Calculate" shows the figure's worked solution for the boxes:
// each frame's lines from its top step line down, the step lines beyond
// them empty. A working that ends in a run-time error empties the lines it
// did not reach (though an earlier press filled them), says so in a
// message box and tells a screen reader nothing.
void tst_Windows::calculate()
{
    QFETCH(QString, picture);
    Calculator& form = open(calculatorWindow(picture));
    const auto shown = [&form](const QStringList& entries) {
        QStringList expected;
        const WorkedSolution solution = form.figure().solve(entries);
        for (qsizetype frame = 0; frame < solution.frames.size(); ++frame) {
            const QList<QGroupBox*> frames = framesLeftToRight(&form);
            for (qsizetype line = 0; line < linesTopToBottom(frames[frame]).size(); ++line)
                expected << QString(solution.frames[frame].lines.value(line)).replace(u' ', u'·');
        }
        QCOMPARE(lines(form), expected);
    };
    QStringList example;
    for (QStringView entry : form.figure().example)
        example << entry.toString();
    QCOMPARE(messageBoxes([&form] { calculateExample(form); }), QStringList());
    shown(example);
    QVERIFY(!announcement(&form).isEmpty());
    // An AutoSize line fits its new caption.
    for (const StepLine* line : form.stepLines())
        QVERIFY(!line->autoSize() || line->width() == line->fontMetrics().horizontalAdvance(line->caption()));

    type(form.entries().first().box, "1e999");
    example.first() = "1e999";
    QCOMPARE(messageBoxes([&form] { click(calculateButton(form)); }), QStringList{Overflow});
    shown(example);
    QVERIFY2(announcement(&form).contains(": could not be worked out"), qPrintable(announcement(&form)));
}

namespace {

// The controls the Tab key visits in each window, in the order its
// definition gives them: the boxes, then "Calculate" (then of the
// Pythagorean window's options only the selected one; the box it solves
// for cannot be typed into).
const QHash<QString, QStringList> tabOrders{
    {"square", {"Lenth", "Wid", "calculate"}},
    {"Triangle", {"Hght", "Base", "side1", "side2", "side3", "Command1"}},
    {"trape", {"Hgt", "Side1", "Side2", "Side3", "Side4", "Base2", "Base1", "Command1"}},
    {"para", {"Slenght", "Hgt", "bse", "Command1"}},
    {"circ", {"Radius", "Command1"}},
    {"RecSolid", {"Lnght", "hgt", "Wdth", "Command1"}},
    {"Cylinder", {"Hgt", "Radius", "Command1"}},
    {"Cone", {"Slnght", "Hgt", "Radius", "Command1"}},
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
    const Calculator& form = open(calculatorWindow(picture));
    QStringList visited{focusName()};
    for (qsizetype i = 0; i < tabOrders[picture].size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
    }
    QCOMPARE(visited, tabOrders[picture] + QStringList{tabOrders[picture].first()});
    // Every box comes before "Calculate", whichever box is solved for.
    QList<QWidget*> before;
    for (QWidget* control = form.entries().first().box; control != calculateButton(form);
         control = control->nextInFocusChain())
        before << control;
    for (const Form::Entry& entry : form.entries())
        QVERIFY2(before.contains(entry.box), qPrintable(entry.label));
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

// After "Calculate" a screen reader is told each frame's result in words,
// as the frame and its last line are named ("Volume, pi times R squared
// times H: 37.68"), and finds the frames in that order.
void tst_Windows::resultsAnnounced()
{
    QFETCH(QString, picture);
    Calculator& form = open(calculatorWindow(picture));
    calculateExample(form);
    QStringList results;
    int reached = -1; // the frames are told in reading order too
    for (QGroupBox* frame : framesLeftToRight(&form)) {
        QString last;
        for (StepLine* line : linesTopToBottom(frame)) {
            if (!line->caption().isEmpty())
                last = QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name);
        }
        QAccessibleInterface* told = QAccessible::queryAccessibleInterface(frame);
        results << told->text(QAccessible::Name) + ": " + last;
        QVERIFY(std::exchange(reached, told->parent()->indexOfChild(told)) < reached);
    }
    QCOMPARE(announcement(&form), results.join("; "));
}

// Each option disables the box of the side it solves for, and only that
// one. From the keyboard the options are one stop: Tab enters on the
// selected one, the arrows select round the group, Tab leaves.
void tst_Windows::theoremOptions()
{
    Calculator& form = open(calculatorWindow(u"Therom"));
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
        QTest::newRow(window.figure.name) << window.picture << QStringList() << QString();
    QTest::newRow("circle-large") << "circ" << QStringList{"Radius=123456789"} << QString();
    QTest::newRow("cone-large") << "Cone" << QStringList{"Hgt=-98765.4321", "Radius=-1.23456789012345e15"} << "Radius";
    // The longest numbers in every box: whole glyphs, and "…" where a caption is cut.
    QTest::newRow("menu-longest") << "menu" << QStringList{"*=-1.23456789012345e15"} << QString();
    for (const CalculatorWindow& window : calculatorWindows)
        QTest::addRow("%s-longest", window.figure.name)
            << window.picture << QStringList{"*=-1.23456789012345e15"} << QString();
}

// Every window looks as it looked when its picture under tests/looks/ was
// approved: 1-pixel borders, the focus in the highlight colour, captions
// whole or cut with "…" (with the longest numbers in every box too),
// labels on their boxes' baseline, crisp 2x pictures and text. TESSARO_APPROVE_LOOKS=1 writes the grabs there instead,
// to be looked at before they are committed; a window that differs is written to the test's working folder.
void tst_Windows::looks()
{
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    QFETCH(QString, focus);
    Form* form = window == u"splash" ? static_cast<Form*>(&showForm<frmSplash>())
        : window == u"menu"          ? static_cast<Form*>(&showForm<frmMenu>())
                                     : &open(calculatorWindow(window));
    if (auto* calculator = qobject_cast<Calculator*>(form); calculator && entries.isEmpty())
        calculateExample(*calculator);
    enter(*form, entries);
    if (!entries.isEmpty() && calculateButton(*form))
        click(calculateButton(*form));
    // A step line cut (at its frame's border, or in its box) tells its whole
    // text in its tooltip.
    if (auto* calculator = qobject_cast<Calculator*>(form)) {
        for (const StepLine* line : calculator->stepLines()) {
            const QRect inside = line->parentWidget()->rect().adjusted(1, 1, -1, -1);
            if (!line->toolTip().isEmpty() || (line->autoSize() && !inside.contains(line->geometry())))
                QCOMPARE(line->toolTip(), line->caption().trimmed());
        }
    }
    // So does a label cut in its box: a converter's result with the longest numbers.
    if (QTest::currentDataTag() == QByteArrayView("menu-longest")) {
        for (const char* result : {"Result", "MResult"})
            QCOMPARE(control<QLabel>(form, result)->toolTip(), control<QLabel>(form, result)->text());
    }
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

// Enter presses "Calculate" from a box, from the button and from an
// option. The results stay on "Calculate" for a screen reader until an
// entry changes; a new option tells which box is solved for.
void tst_Windows::enterCalculates()
{
    Calculator& form = open(calculatorWindow(u"Therom"));
    QPushButton* calculate = calculateButton(form);
    const auto enter = [calculate](QWidget* control, const QString& results) {
        QTest::keyClick(control, Qt::Key_Return);
        QCOMPARE(announcement(calculate->window()), results);
        QCOMPARE(QAccessible::queryAccessibleInterface(calculate)->text(QAccessible::Description), results);
    };
    enter(control(&form, "IputB"), "A and B were empty; A squared plus B squared equals C squared: 0 equals C");
    type(control<QLineEdit>(&form, "IputB"), "4");
    QCOMPARE(calculate->accessibleDescription(), QString());
    enter(calculate, "A was empty; A squared plus B squared equals C squared: 4 equals C");
    click(control(&form, "Ob"));
    QCOMPARE(announcement(&form), "Solving for B from A and C");
    QCOMPARE(calculate->accessibleDescription(), QString());
    type(control<QLineEdit>(&form, "IputC"), "5");
    QTest::keyClick(control(&form, "Ob"), Qt::Key_Enter);
    QCOMPARE(lines(form).last(), "B·=·5");
}

// The distance window's root signs appear with the first press that gets
// past the midpoint, and stay.
void tst_Windows::rootSignsAfterTheFirstPress()
{
    Calculator& form = open(calculatorWindow(u"DistAndMidPoint"));
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
    Calculator& form = open(calculatorWindow(u"square"));
    enter(form, {"Lenth=5", "Wid=3"});
    click(calculateButton(form));
    enter(form, {"Lenth=6"});
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(
        QGuiApplication::clipboard()->text().startsWith("Rectangle\nLength: 5\nWidth: 3\n\nArea=L*W\nA = 5 *  3\n"));
    QCOMPARE(QGuiApplication::clipboard()->text(), form.workedSolution().text());
    QCOMPARE(QGuiApplication::clipboard()->image().size(), form.size() * form.devicePixelRatio());
    QCOMPARE(announcement(&form), "Worked solution copied");
    QCOMPARE(form.contextMenuPolicy(), Qt::ActionsContextMenu);
}

// Ctrl+P opens the print dialog, named for a screen reader; Esc closes it
// and prints nothing.
void tst_Windows::printDialogFromTheKeyboard()
{
    Calculator& form = open(calculatorWindow(u"Cone"));
    calculateExample(form);
    QString named;
    QTimer::singleShot(0, [&named] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog && dialog->isVisible());
        named = QAccessible::queryAccessibleInterface(dialog)->text(QAccessible::Name);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(named, "Print Worked Solution");
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
