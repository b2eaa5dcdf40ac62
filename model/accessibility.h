#pragma once

// What accessibility tools are told about the parts of a window that Qt
// describes wrongly or not at all: a window is a window with its title (not
// a filler); a step line is named by its own caption, an empty one by
// nothing (not by its frame's caption); a label with a name of its own
// carries its caption as its description where it has none of its own (a
// converter's result is named by its value and described by its
// converter), and one that shows what is calculated from a box
// ("calculatedFrom" names the box) is controlled by that box; a plain
// container with a name is a group of that name; a drop-down list with a
// name is told by it, then by its item; a text box tells its text in one
// run of attributes.

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

QAccessibleInterface* accessibleWindowPart(const QString& className, QObject* object);

// A text box that takes the focus from the Tab key selects its text, as
// ever, but only once the focus has been told. Qt would tell of the
// selection and the caret first, and Orca then takes the box for the focus
// without a word and never names it.
void selectAfterFocusTold(QWidget* window);
