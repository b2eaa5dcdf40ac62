#pragma once

// Driving Tessaro's windows from a test as a user would: find controls by
// their names, type, click, read captions, answer message boxes, and check a
// window against its definition table.

#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QMetaType>
#include <QWidget>

#include <functional>

namespace testkit {

// The control of that name in the window; fails the test if there is none.
QWidget* control(QWidget* form, const QString& name);
template <class T> T* control(QWidget* form, const QString& name)
{
    return qobject_cast<T*>(control(form, name));
}

// Replaces the text of a text box by typing, key by key.
void type(QWidget* form, const QString& box, const QString& text);
// A left click in the middle of a control.
void click(QWidget* form, const QString& name);
// The caption of a label (step line or caption label).
QString caption(QWidget* form, const QString& label);
// The captions of several labels, in order.
QStringList captions(QWidget* form, const QStringList& labels);

// What a modal message box showed.
struct MessageBoxSeen
{
    int count = 0;   // how many boxes were shown
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;

    bool operator==(const MessageBoxSeen&) const = default;
};
// What a press that meets a run-time error shows: one warning box titled
// "Tessaro" with the message and an "OK" button. An empty message: no box.
MessageBoxSeen runtimeErrorBox(const QString& message);
// Lets QCOMPARE print what was seen.
char* toString(const MessageBoxSeen& seen);
// Runs the action; every modal message box it opens is read and closed with
// its first button.
MessageBoxSeen answerMessageBoxes(const std::function<void()>& action);

// One control of a window definition, positions and sizes in twips.
struct ControlRow
{
    QString name;
    QString kind;        // Label, TextBox, Frame, CommandButton, ComboBox, OptionButton, Image
    QString container;   // the form's or a frame's name
    QString caption;     // caption, or initial text of a text box
    int left, top, width, height;
    QString autoSize = {};   // "yes", "no" or empty where the table leaves it open
};
// Adds the columns and one data row per control to the current test function.
void addControlRows(const QList<ControlRow>& rows);
// Checks the control of the current data row in the given window.
void checkControlRow(QWidget* form);

// The window's own definition: name, caption, client area in twips.
void checkForm(QWidget* form, const QString& name, const QString& caption, int clientLeft,
               int clientTop, int clientWidth, int clientHeight);

// The names of the controls that the Tab key visits, starting from the one
// that has the focus, once round the window.
QStringList tabOrder(QWidget* form);

} // namespace testkit

Q_DECLARE_METATYPE(testkit::ControlRow)
