#include "model/readingorder.h"

#include <QGroupBox>

#include <algorithm>

#include "model/controls.h"

QList<QGroupBox*> framesLeftToRight(const QWidget* window)
{
    QList<QGroupBox*> frames = window->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(frames.begin(), frames.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    return frames;
}

QList<StepLine*> linesTopToBottom(const QGroupBox* frame)
{
    QList<StepLine*> lines = frame->findChildren<StepLine*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(lines.begin(), lines.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    return lines;
}

namespace {

template <class W> void stackInOrder(const QList<W*>& order)
{
    for (qsizetype i = order.size() - 1; i > 0; --i)
        order[i - 1]->stackUnder(order[i]);
}

} // namespace

void stackInReadingOrder(QWidget* window)
{
    const QList<QGroupBox*> frames = framesLeftToRight(window);
    stackInOrder(frames);
    for (const QGroupBox* frame : frames)
        stackInOrder(linesTopToBottom(frame));
}
