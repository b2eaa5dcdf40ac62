#pragma once

// A problem as the command line gives it: a figure's name, then NAME=VALUE
// for each box to fill, and solve=OPTION where the window has options. The
// command line's words and each line of a worksheet are read alike, from
// the window table alone, before any window is built.

#include <QList>
#include <QString>
#include <QStringList>

struct CalculatorWindow;

// A command line (or a line of problems) that cannot be carried out: what
// is wrong with it.
struct UsageError
{
    QString message;
};

struct Problem
{
    struct Entry
    {
        // The box's place in the window's Tab order.
        qsizetype box;
        // The name and the value as given.
        QString name;
        QString value;
    };
    const CalculatorWindow* window = nullptr;
    // The caption of the option picked; empty for the window's own choice.
    QString option;
    QList<Entry> entries;
};

// Reads the words of a problem; throws UsageError naming the first word
// that is wrong.
Problem readProblem(const QStringList& words);

// The figures' names, separated by ", ".
QString figureNames();

// The text with control and format characters, and backslashes, written
// as escapes ("\n", "\u200E", "\\"): names and values echoed in a message
// can neither move the cursor nor hide what they hold.
QString escaped(QStringView text);
// The same in double quotes.
QString quoted(QStringView text);
