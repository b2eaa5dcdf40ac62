#include "model/controls.h"

#include <QAccessibleWidget>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionFrame>
#include <QTextLayout>

namespace {

// Where a label puts its text: inside its frame and margin, indented on the
// sides it is aligned to. Labels that wrap are aligned to the top; a
// bordered one has an indent of a pixel, the others none.
QRect textArea(const QLabel* label)
{
    const int margin = label->margin();
    const int indent = std::max(0, label->indent());
    const Qt::Alignment align = label->alignment();
    return label->contentsRect().adjusted(margin + (align & Qt::AlignLeft ? indent : 0), margin + indent,
                                          -margin - (align & Qt::AlignRight ? indent : 0), -margin);
}

// The text cut to the width with "…" where it does not fit: "Pythagorean…"
// rather than "Pythagorean …".
QString elided(const QFontMetrics& metrics, const QString& text, int width)
{
    static const QRegularExpression blankBeforeEllipsis(QStringLiteral("\\s+(?=\u2026$)"));
    return metrics.elidedText(text, Qt::ElideRight, width).remove(blankBeforeEllipsis);
}

// The caption wrapped into the width at its blanks, a word too long for a
// line broken where the line is full.
QStringList wrapped(const QString& caption, const QFont& font, int width)
{
    QTextLayout layout(caption, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << caption.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

// How many of a descender's lowest pixel rows may fall below a label and
// leave its line readable: the letters stand whole above it.
constexpr int LostDescenderRows = 2;

// Whether the letters of the line, as the index-th line of the label's
// text, lie inside its text area: every pixel above the baseline, and the
// descenders all but their lowest rows; the blank rows under the glyphs
// may fall outside.
bool inkInside(const QLabel* label, const QString& line, qsizetype index)
{
    const QRect area = textArea(label);
    const QFontMetrics metrics = label->fontMetrics();
    const int baseline = area.top() + int(index) * metrics.height() + metrics.ascent();
    const QRect ink = metrics.tightBoundingRect(line).translated(0, baseline);
    return ink.isEmpty()
        || (ink.top() >= area.top() && std::min(ink.bottom(), baseline - 1) <= area.bottom()
            && ink.bottom() <= area.bottom() + LostDescenderRows);
}

// The lines of a caption that the label's own word wrapping cannot show
// whole: as many as have all their ink inside, the last one cut with "…".
// Empty where the label shows the caption whole.
QStringList cutLines(const QLabel* label, const QString& caption)
{
    const QRect area = textArea(label);
    const QFontMetrics metrics = label->fontMetrics();
    QStringList lines = wrapped(caption, label->font(), area.width());
    qsizetype count = 1;
    while (count < lines.size() && inkInside(label, lines[count], count))
        ++count;
    const bool wordsWhole =
        metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20), Qt::TextWordWrap, caption).width() <= area.width();
    if (wordsWhole && count == lines.size() && inkInside(label, lines[0], 0))
        return {};

    lines.resize(count);
    QString& last = lines.last();
    last = elided(metrics, caption.mid(lines.join(QString()).size() - last.size()), area.width());
    return lines;
}

// A label whose caption is cut tells the whole of it in its tooltip and to
// a screen reader; one shown whole tells nothing more.
void tellWhole(QLabel* label, bool cut)
{
    const QString whole = cut ? label->text() : QString();
    label->setToolTip(whole.trimmed());
    label->setAccessibleDescription(whole);
}

} // namespace

void setWholeCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    tellWhole(label, !cutLines(label, caption).isEmpty());
}

bool paintWholeLines(QLabel* label)
{
    const QStringList lines = cutLines(label, label->text());
    if (lines.isEmpty())
        return false;
    QPainter painter(label);
    if (label->frameShape() != QFrame::NoFrame) {
        QStyleOptionFrame frame;
        frame.initFrom(label);
        frame.rect = label->frameRect();
        frame.lineWidth = label->lineWidth();
        frame.frameShape = label->frameShape();
        label->style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, label);
    }
    const QRect area = textArea(label);
    const int height = label->fontMetrics().height();
    const Qt::Alignment across = label->alignment() & Qt::AlignHorizontal_Mask;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // The blank a line broke at does not count in its alignment.
        QString text = lines[i];
        while (text.endsWith(u' '))
            text.chop(1);
        const QRect line(area.left(), area.top() + int(i) * height, area.width(), height);
        label->style()->drawItemText(&painter, line, int(across | Qt::AlignTop), label->palette(), label->isEnabled(),
                                     text, label->foregroundRole());
    }
    return true;
}

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
    if (m_autoSize) {
        setText(caption);
        fitCaption();
    } else {
        setWholeCaption(this, caption);
    }
}

void StepLine::fitCaption()
{
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.horizontalAdvance(text()), metrics.height());
    // A line longer than its frame is cut just inside the frame's border,
    // never painted over it, and ends in "…" there; its whole text is then
    // its tooltip and description.
    QRect room = rect();
    if (parentWidget())
        room &= parentWidget()->rect().adjusted(1, 1, -1, -1).translated(-pos());
    m_cut = room != rect();
    if (m_cut)
        setMask(room);
    else
        clearMask();
    tellWhole(this, m_cut);
}

void StepLine::paintEvent(QPaintEvent* event)
{
    if (!m_cut) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect room(0, 0, mask().boundingRect().right() + 1, height());
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(),
                          elided(fontMetrics(), text(), room.width()), foregroundRole());
}

ImageBox::ImageBox(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void ImageBox::setPicture(const QString& name)
{
    m_picture = name;
    setPixmap(pictureForScreen(name, 1));
}

QPixmap pictureForScreen(const QString& name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1 && name.endsWith(QLatin1String(".bmp"))) {
        QPixmap sharp(name.chopped(4) + QLatin1String("@2x.bmp"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(name);
}

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void ImageBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat() && answersClicks())
            emit clicked();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (ImageBox* next = neighbour(event->key()))
            next->setFocus(Qt::OtherFocusReason);
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

// The pictures that the keys move between, in the order of the Tab key.
QList<ImageBox*> ImageBox::picturesInTabOrder() const
{
    QList<ImageBox*> pictures;
    const QWidget* start = window();
    for (QWidget* control = start->nextInFocusChain(); control != start; control = control->nextInFocusChain()) {
        auto* picture = qobject_cast<ImageBox*>(control);
        if (picture && (picture->focusPolicy() & Qt::TabFocus) && picture->isVisible())
            pictures << picture;
    }
    return pictures;
}

// The picture a key moves to. Home and End: the first and the last in the
// order of the Tab key. Beside: the nearest in the same row (the pictures
// whose height overlaps this one's), or at a row's end the next picture in
// the Tab key's order (at its start the one before). Above or below: in
// the nearest row, the one nearest across.
ImageBox* ImageBox::neighbour(int key) const
{
    const QList<ImageBox*> order = picturesInTabOrder();
    if (key == Qt::Key_Home || key == Qt::Key_End)
        return order.isEmpty() ? nullptr : key == Qt::Key_Home ? order.first() : order.last();
    if (ImageBox* beside = nearest(key))
        return beside;
    const qsizetype here = order.indexOf(this);
    const qsizetype step = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    return step != 0 && here >= 0 ? order.value(here + step) : nullptr;
}

// The nearest picture in the direction of an arrow key.
ImageBox* ImageBox::nearest(int key) const
{
    const QRect here = geometry();
    const auto gap = [key, here](const QRect& there) {
        switch (key) {
        case Qt::Key_Left:
            return here.left() - there.right();
        case Qt::Key_Right:
            return there.left() - here.right();
        case Qt::Key_Up:
            return here.top() - there.bottom();
        default:
            return there.top() - here.bottom();
        }
    };
    const auto sameRow = [](const QRect& a, const QRect& b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); };
    QList<ImageBox*> pictures;
    for (ImageBox* other : parentWidget()->findChildren<ImageBox*>(Qt::FindDirectChildrenOnly)) {
        if (other != this && (other->focusPolicy() & Qt::TabFocus) && other->isVisible() && gap(other->geometry()) > 0)
            pictures << other;
    }
    if (pictures.isEmpty())
        return nullptr;
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    QRect row = here;
    if (!across) {
        row = pictures.first()->geometry();
        for (const ImageBox* picture : std::as_const(pictures)) {
            if (gap(picture->geometry()) < gap(row))
                row = picture->geometry();
        }
    }
    const auto distance = [&](const ImageBox* picture) {
        return across ? gap(picture->geometry()) : qAbs(picture->geometry().center().x() - here.center().x());
    };
    ImageBox* nearest = nullptr;
    for (ImageBox* picture : std::as_const(pictures)) {
        if (sameRow(row, picture->geometry()) && (!nearest || distance(picture) < distance(nearest)))
            nearest = picture;
    }
    return nearest;
}

// The focus shows as a border of the style's focus colour round the picture.
void ImageBox::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStyleOptionFrame frame;
    frame.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
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
