#pragma once

// A problem as the command line gives it: a figure's name, then NAME=VALUE
// for each box to fill, and solve=OPTION where the figure has options. The
// command line's words and each line of a worksheet are read alike, from
// the catalogue of the figures.

#include <QList>
#include <QString>
#include <QStringList>

#include "geometry/workedsolution.h"

struct Figure;

// A command line (or a line of problems) that cannot be carried out: what
// is wrong with it.
struct UsageError
{
    QString message;
    // Whether the usage follows the message: not where the command line is
    // right but cannot be carried out, such as a file that cannot be written.
    bool showUsage = true;
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
    const Figure* figure = nullptr;
    // The option picked, by its place among the figure's options; -1 for
    // the figure's default.
    qsizetype option = -1;
    QList<Entry> entries;
};

// Reads the words of a problem; throws UsageError naming the first word
// that is wrong.
Problem readProblem(const QStringList& words);

// Works the problem as its figure's window would after the entries were
// typed into its boxes and "Calculate" pressed. Throws UsageError for an
// entry the window could not take: one for the box solved for, or one
// longer than a box holds.
WorkedSolution solve(const Problem& problem);

// The figures' names, separated by ", ".
QString figureNames();

// The text with control and format characters, and backslashes, written
// as escapes ("\n", "\u200E", "\\"): names and values echoed in a message
// can neither move the cursor nor hide what they hold. A text of more than
// 40 characters is cut there and ends in "…".
QString escaped(QStringView text);
// The same in double quotes.
QString quoted(QStringView text);
