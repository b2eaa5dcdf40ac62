#pragma once

// A calculator window's worked solution, as "Copy Worked Solution" and the
// command line give it: the window's caption; the entries the step lines
// were worked from, one per text box; then each frame from left to right
// with its caption and its step lines that show something, top to bottom.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QJsonObject;
class QWidget;

struct WorkedSolution
{
    struct Entered
    {
        QString label;
        // What the box held; empty where the box is the side solved for.
        QString entry;
        bool solvedFor = false;
    };
    struct Frame
    {
        QString caption;
        QStringList lines;
    };
    // A message box that ended the calculation.
    struct Message
    {
        QString title;
        QString text;
    };

    QString caption;
    QList<Entered> entries;
    QList<Frame> frames;

    // The solution the window shows now, worked from the given entries.
    static WorkedSolution shownIn(const QWidget* window, const QList<Entered>& workedFrom);

    // As plain text: the caption, "Label: entry" per line ("solved for" for
    // the side solved for), and for each frame a blank line, its caption and
    // its lines.
    QString text() const;
    // As one JSON object: the figure's name, the caption, the entries (each
    // a name, a value and whether it is the side solved for, whose value is
    // null), the frames and the message that ended the calculation (null if
    // none).
    QJsonObject json(const QString& figure, const std::optional<Message>& error) const;
};
