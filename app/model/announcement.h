#pragma once

// What a screen reader is told after a handler rewrote a window's step
// lines: each frame's caption with the result it now shows.

#include <QList>

class QWidget;
class StepLine;

// Announces the results among the lines written, in reading order: for each
// frame its caption and the last of the lines written to it. With no lines
// (after a run-time error, whose message box speaks for itself) it clears
// the announcement.
void announceResults(QWidget* window, const QList<StepLine*>& written);
