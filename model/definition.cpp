#include "model/definition.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStyleOptionFrame>

#include <algorithm>

#include "model/controls.h"

namespace {

// Where a text box writes the top of its text, as QLineEdit centres it.
int textTop(const QLineEdit* box)
{
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
    const QRect text =
        box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box).marginsRemoved(box->textMargins());
    return text.y() + (text.height() - box->fontMetrics().height() + 1) / 2;
}

// Paints the labels that keep their size in whole lines where their own
// painting would cut a line (paintWholeLines).
class WholeLinesPainter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::Paint && paintWholeLines(static_cast<QLabel*>(watched));
    }
};

// Labels without AutoSize keep their size and wrap their caption in it, in
// whole lines. A bordered label's text starts a pixel inside its border.
void wrapLabels(QWidget* window)
{
    auto* painter = new WholeLinesPainter(window);
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (qobject_cast<ImageBox*>(label))
            continue;
        if (auto* line = qobject_cast<StepLine*>(label); line && line->autoSize())
            continue;
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        if (label->frameShape() != QFrame::NoFrame)
            label->setIndent(1);
        label->installEventFilter(painter);
        setWholeCaption(label, label->text());
    }
}

// A label beside the text box it names writes its text on the same
// baseline as the box.
void alignBaselines(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>()) {
        auto* box = qobject_cast<QLineEdit*>(label->buddy());
        if (box && box->parentWidget() == label->parentWidget() && label->y() < box->geometry().bottom()
            && box->y() < label->geometry().bottom())
            label->setContentsMargins(0, std::max(0, box->y() + textTop(box) - label->y()), 0, 0);
    }
}

// The Tab key visits the controls that take the focus by their "tabIndex",
// lowest first.
QList<QWidget*> orderTabKey(QWidget* window)
{
    QList<QWidget*> order;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->property("tabIndex").isValid() && (control->focusPolicy() & Qt::TabFocus))
            order << control;
    }
    std::stable_sort(order.begin(), order.end(), [](QWidget* a, QWidget* b) {
        return a->property("tabIndex").toInt() < b->property("tabIndex").toInt();
    });
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return order;
}

// The client area opens where the definition puts it, or centred without a
// position; on a small screen the window moves (never shrinks) to stay on it.
void placeOnScreen(QWidget* window)
{
    const QVariant position = window->property("clientPosition");
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect client(position.isValid() ? position.toPoint() : QPoint(), window->size());
    if (!position.isValid())
        client.moveCenter(available.center());
    client.moveRight(std::min(client.right(), available.right()));
    client.moveBottom(std::min(client.bottom(), available.bottom()));
    client.moveLeft(std::max(client.left(), available.left()));
    client.moveTop(std::max(client.top(), available.top()));
    window->setGeometry(client);
}

} // namespace

AppliedDefinition applyDefinition(QWidget* window)
{
    // A high-density screen shows every picture from its twice-as-large
    // companion, in the same place and at the same size.
    const qreal ratio = window->devicePixelRatio();
    QPixmap picture;
    if (const QString name = window->property("picture").toString(); !name.isEmpty())
        picture = pictureForScreen(name, ratio);
    if (ratio > 1) {
        for (ImageBox* image : window->findChildren<ImageBox*>())
            image->setPixmap(pictureForScreen(image->picture(), ratio));
    }
    wrapLabels(window);
    alignBaselines(window);
    QList<QWidget*> tabOrder = orderTabKey(window);
    placeOnScreen(window);
    return {picture, tabOrder};
}
