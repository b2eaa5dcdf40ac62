#pragma once

// The order in which a pupil reads a calculator window: its frames from
// left to right, and in each frame the step lines from top to bottom.

#include <QList>

class QGroupBox;
class QWidget;
class StepLine;

QList<QGroupBox*> framesLeftToRight(const QWidget* window);
QList<StepLine*> linesTopToBottom(const QGroupBox* frame);
// Every step line of the window in reading order.
QList<StepLine*> stepLinesInReadingOrder(const QWidget* window);
