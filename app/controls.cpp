#include "app/controls.h"

#include <QMouseEvent>

quint64 StepLine::s_writeCount = 0;

StepLine::StepLine(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void StepLine::setAutoSize(bool autoSize)
{
    // The stored size is only the starting size of an AutoSize line.
    m_autoSize = autoSize;
    setWordWrap(!autoSize);
}

void StepLine::setCaption(const QString& caption)
{
    m_lastWrite = ++s_writeCount;
    setText(caption);
    if (m_autoSize)
        fitCaption();
}

void StepLine::fitCaption()
{
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.horizontalAdvance(text()), metrics.height());
}

ImageBox::ImageBox(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
