#include "app/model/style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace {

// The caption starts this far from the frame's left edge.
constexpr int kCaptionIndent = 6;

} // namespace

TessaroStyle::TessaroStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QRect TessaroStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl subControl, const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !frame)
        return QProxyStyle::subControlRect(control, option, subControl, widget);

    const QFontMetrics metrics = option->fontMetrics;
    switch (subControl) {
    case SC_GroupBoxLabel:
        if (frame->text.isEmpty())
            return {};
        return {kCaptionIndent, 0, metrics.horizontalAdvance(frame->text) + 2, metrics.height()};
    case SC_GroupBoxFrame:
    case SC_GroupBoxContents:
        return option->rect.adjusted(0, metrics.height() / 2, 0, 0);
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

void TessaroStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !frame) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }

    const QRect line = subControlRect(control, option, SC_GroupBoxFrame, widget);
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);

    painter->save();
    QRegion around(option->rect);
    if (caption.isValid())
        around -= caption;
    painter->setClipRegion(around);
    // An etched line: a shadow line and a light line just inside it.
    painter->setPen(option->palette.color(QPalette::Mid));
    painter->drawRect(line.adjusted(0, 0, -2, -2));
    painter->setPen(option->palette.color(QPalette::Light));
    painter->drawRect(line.adjusted(1, 1, -1, -1));
    painter->restore();

    if (caption.isValid()) {
        drawItemText(painter, caption.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     option->palette, option->state & State_Enabled, frame->text,
                     QPalette::WindowText);
    }
}
