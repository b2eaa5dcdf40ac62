#pragma once

// Worked solutions set on printed pages as a textbook sets a worked
// example: each problem a block of its own, never split across pages, with
// its heading, the figure's picture, the entries and then each frame's
// caption and lines, and where the figure works with pi, that pi is 3.14.
// A question sheet sets the same problems with what is given and what to
// find, and room to work, but no working. Pages are A4, set in the print
// fonts compiled into the program, and the same on every machine.

#include <QList>
#include <QString>

#include "geometry/workedsolution.h"

class QPagedPaintDevice;
struct Figure;

struct PrintedProblem
{
    const Figure* figure;
    WorkedSolution solution;
};

enum class Sheet {
    // One worked solution, headed by its window's caption.
    WorkedSolution,
    // The problems numbered, each with its worked solution.
    AnswerKey,
    // The problems numbered as in the answer key, without their working.
    Questions,
};

// Sets the problems on the device's pages, from its first page on, and
// gives the number of pages. The device must not be painted on yet.
int setOnPages(QPagedPaintDevice& device, const QList<PrintedProblem>& problems, Sheet sheet);

// The sheet's title, as a PDF file's title and a page's heading carry it.
QString sheetTitle(Sheet sheet);
