#include "app/model/controls.h"

#include <QAccessibleWidget>
#include <QMetaMethod>
#include <QMouseEvent>

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
    setText(caption);
    if (m_autoSize)
        fitCaption();
    emit written();
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

bool ImageBox::answersClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ImageBox::clicked));
}

namespace {

class AccessibleImageBox : public QAccessibleWidget
{
public:
    explicit AccessibleImageBox(ImageBox* image)
        : QAccessibleWidget(image)
    {
    }

    // Asked each time: the interface may be made while the window is being
    // built, before its handlers are connected.
    QAccessible::Role role() const override
    {
        return image()->answersClicks() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        return image()->answersClicks() ? QStringList{pressAction()} : QStringList();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && image()->answersClicks())
            emit image()->clicked();
    }

private:
    ImageBox* image() const { return static_cast<ImageBox*>(widget()); }
};

} // namespace

QAccessibleInterface* accessibleImageBox(const QString& className, QObject* object)
{
    if (className == QLatin1String("ImageBox"))
        return new AccessibleImageBox(static_cast<ImageBox*>(object));
    return nullptr;
}
