#pragma once

// The order in which a pupil reads a calculator window: its frames from
// left to right, and in each frame the step lines from top to bottom.

#include <QList>

class QGroupBox;
class QWidget;
class StepLine;

QList<QGroupBox*> framesLeftToRight(const QWidget* window);
QList<StepLine*> linesTopToBottom(const QGroupBox* frame);
// Puts the frames and each frame's lines in reading order among their
// siblings: the order in which accessibility tools list them. Frames do not
// overlap one another, nor lines, so nothing looks different.
void stackInReadingOrder(QWidget* window);
