#pragma once

// Driving Tessaro's windows from a test as a pupil would: type into the
// boxes, click, read the step lines and answer the message boxes.

#include <QLineEdit>
#include <QStringList>

#include <functional>

#include "figures/windowtable.h"
#include "model/announcement.h"
#include "model/calculator.h"

namespace testkit {

// The messages of the run-time errors, as their boxes show them ("title: text").
inline const QString Overflow = QStringLiteral("Tessaro: Overflow: a result is too large to calculate.");
inline const QString NegativeRoot = QStringLiteral("Tessaro: Invalid calculation: square root of a negative number.");
inline const QStringList InvalidEntry = {
    QStringLiteral("Invalid Entry: Error: A must be shorter than the hypotenuse C"),
    QStringLiteral("Invalid Entry: Error: B must be shorter than the hypotenuse C")};

// The control of that name in the window; fails the test if there is none.
template <class T = QWidget> T* control(const QWidget* form, const QString& name)
{
    auto* widget = form->findChild<T*>(name);
    if (!widget)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(form->objectName()));
    return widget;
}

// A run of the program itself: its status, its output and what it left in
// the temporary and home folders, by name.
struct Run
{
    int status;
    QString out;
    QString err;
    QStringList left;
};

// The program itself, given the arguments, with no display to connect to,
// no runtime folder, a home open to others (no folder fit to be one) and
// Qt's warnings fatal. Leading arguments "@NAME=VALUE" set the environment
// ("%t" the temporary folder); a last argument ">file" sends standard
// output there, "<text" is standard input, "<@file" reads it from the
// file and "<&-" closes it.
Run tessaro(QStringList arguments);

// Sets the application up as the program does, without the offscreen
// platform's warnings: wholly, or only as far as the splash needs.
enum class Setup { Whole, ForSplash };
void start(Setup setup = Setup::Whole);

// Replaces the text of a box key by key.
void type(QLineEdit* box, const QString& text);
// A left click in the middle of a control.
void click(QWidget* control);

// Closes every window (the splash first: it shows the menu) and waits until they are gone.
void closeAll();

// Opens a window of the table and waits until it is active.
Calculator& open(const CalculatorWindow& window);
// Types the entries ("box=text") into the boxes, "*=text" into every box;
// "list=2" picks a list's third item.
void enter(Form& form, const QStringList& entries);
// Types the figure's worked example and presses "Calculate".
void calculateExample(Calculator& form);
QPushButton* calculateButton(const Form& form);

// The step lines' captions in reading order, each blank a middle dot that rows can count.
QStringList lines(const Calculator& form);

// Runs the action; each message box it opens is read ("title: text") and
// closed with OK; one that is not a warning told as an alert with a plain
// OK is read as "not a plain warning: title: text".
QStringList messageBoxes(const std::function<void()>& action);

} // namespace testkit
