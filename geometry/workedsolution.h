#pragma once

// A figure's worked solution, as a window shows it, "Copy Worked Solution"
// copies it and the command line prints it: the window's caption; the
// entries it was worked from, one per box; each frame from left to right
// with its caption and the lines worked, top to bottom; and the message
// that ended the working, if one did, with the frame it ended in. A line
// the working did not reach is not there: the window shows it empty.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QJsonObject;

// The title of the message that a run-time error of the arithmetic ends a
// working with: the program's name.
inline const QString RuntimeErrorTitle = QStringLiteral("Tessaro");

// The name of what a frame works out, as its caption gives it before "="
// ("Volume", "Surface Area"); empty where the caption names nothing, as
// the Pythagorean theorem's equation.
QString resultName(QStringView caption);

struct WorkedSolution
{
    struct Entered
    {
        QString label;
        // What the box held; empty where the box is the one solved for.
        QString entry;
        bool solvedFor = false;

        // "Label: entry", or "Label: solved for".
        QString line() const;
    };
    struct Frame
    {
        QString caption;
        QStringList lines;
    };
    // What a message box says: its title and its text.
    struct Message
    {
        QString title;
        QString text;

        // The message on one line: its text, after "Title: " where the
        // title is a window's own (not that of a run-time error, which is
        // the program's name).
        QString line() const;
    };

    // The figure's name on the command line, e.g. "cone".
    QString figure;
    QString caption;
    QList<Entered> entries;
    QList<Frame> frames;
    std::optional<Message> message;
    // The frame whose working a run-time error ended, or -1.
    qsizetype failedFrame = -1;

    // As plain text: the caption, "Label: entry" per line ("solved for" for
    // the box solved for), and for each frame a blank line, its caption and
    // its lines.
    QString text() const;
    // As one JSON object: the figure's name, the caption, the entries (each
    // a name, a value and whether it is the box solved for, whose value is
    // null), the frames and the message that ended the working (null if
    // none).
    QJsonObject json() const;
};
