#include "model/style.h"

#include <QComboBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include "model/ground.h"

namespace {

// A frame's caption starts this far from its left edge.
constexpr int kCaptionIndent = 6;
// The part of a closed list that holds its arrow, at the right inside the
// border; the text gets everything left of it.
constexpr int kArrowZone = 7;
// The blank between a list's border and its text.
constexpr int kListPadding = 1;
// Option buttons: the round indicator, and the blank between it and the caption.
constexpr int kIndicator = 13;
constexpr int kIndicatorSpacing = 4;

QColor border(const QStyleOption* option)
{
    const bool focused = (option->state & QStyle::State_HasFocus) && (option->state & QStyle::State_Enabled);
    return option->palette.color(focused ? QPalette::Highlight : QPalette::Mid);
}

// A 1-pixel border around an interior of one colour; filled rather than
// stroked, so that it covers whole device pixels at any scale.
void drawBox(QPainter* painter, const QRect& rect, const QColor& line, const QBrush& interior)
{
    painter->fillRect(rect.adjusted(1, 1, -1, -1), interior);
    for (const QRect& side :
         {QRect(rect.left(), rect.top(), rect.width(), 1), QRect(rect.left(), rect.bottom(), rect.width(), 1),
          QRect(rect.left(), rect.top(), 1, rect.height()), QRect(rect.right(), rect.top(), 1, rect.height())})
        painter->fillRect(side, line);
}

QBrush interior(const QStyleOption* option, QPalette::ColorRole enabled)
{
    return option->palette.brush(option->state & QStyle::State_Enabled ? QPalette::Active : QPalette::Disabled,
                                 enabled);
}

} // namespace

TessaroStyle::TessaroStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QPalette TessaroStyle::standardPalette() const
{
    QPalette palette = QProxyStyle::standardPalette();
    const QColor ground(WindowGround);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, ground);
        palette.setColor(group, QPalette::Button, ground);
        palette.setColor(group, QPalette::Mid, QColor(128, 128, 128));
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, ground);
    return palette;
}

int TessaroStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_DefaultFrameWidth:
    case PM_ComboBoxFrameWidth:
        return 1;
    case PM_ButtonMargin:
    case PM_ButtonDefaultIndicator:
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
        return 0;
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return kIndicator;
    case PM_RadioButtonLabelSpacing:
        return kIndicatorSpacing;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int TessaroStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    switch (hint) {
    // An open list drops below its box, rather than over it.
    case SH_ComboBox_Popup:
    // A dialog's buttons carry their caption alone.
    case SH_DialogButtonBox_ButtonsHaveIcons:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

QRect TessaroStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                                   const QWidget* widget) const
{
    const QRect r = option->rect;
    if (control == CC_ComboBox) {
        switch (subControl) {
        case SC_ComboBoxFrame:
            return r;
        case SC_ComboBoxArrow:
            return {r.right() - kArrowZone, r.top() + 1, kArrowZone, r.height() - 2};
        case SC_ComboBoxEditField:
            return r.adjusted(1 + kListPadding, 1, -1 - kArrowZone, -1);
        case SC_ComboBoxListBoxPopup: {
            // At least as wide as the longest item with the blanks a list
            // view puts around it.
            int width = r.width();
            if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
                for (int i = 0; i < list->count(); ++i)
                    width = std::max(width, option->fontMetrics.horizontalAdvance(list->itemText(i)) + 12);
            }
            return {r.topLeft(), QSize(width, r.height())};
        }
        default:
            break;
        }
    }

    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control == CC_GroupBox && frame) {
        const QFontMetrics metrics = option->fontMetrics;
        switch (subControl) {
        case SC_GroupBoxLabel:
            if (frame->text.isEmpty())
                return {};
            return {kCaptionIndent, 0, metrics.horizontalAdvance(frame->text) + 2, metrics.height()};
        // The line runs through the middle of the caption; the controls
        // are placed from the frame's outer corner.
        case SC_GroupBoxFrame:
        case SC_GroupBoxContents:
            return r.adjusted(0, metrics.height() / 2, 0, 0);
        default:
            break;
        }
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

QRect TessaroStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    switch (element) {
    case SE_LineEditContents:
    case SE_PushButtonContents:
        return option->rect.adjusted(1, 1, -1, -1);
    default:
        return QProxyStyle::subElementRect(element, option, widget);
    }
}

void TessaroStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    switch (element) {
    // The focus shows in the border's colour.
    case PE_FrameFocusRect:
        return;
    case PE_PanelLineEdit:
        drawBox(painter, option->rect, border(option), interior(option, QPalette::Base));
        return;
    case PE_FrameLineEdit:
    case PE_Frame:
        drawBox(painter, option->rect, border(option), Qt::NoBrush);
        return;
    case PE_PanelButtonCommand: {
        const bool pressed = option->state & (State_Sunken | State_On);
        const QColor face = option->palette.color(QPalette::Button);
        drawBox(painter, option->rect, border(option), pressed ? face.darker(112) : face);
        return;
    }
    case PE_IndicatorRadioButton: {
        const QRect ring(option->rect.topLeft(), QSize(kIndicator - 1, kIndicator - 1));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(border(option));
        painter->setBrush(interior(option, QPalette::Base));
        painter->drawEllipse(ring);
        if (option->state & State_On) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(option->palette.color(QPalette::Text));
            painter->drawEllipse(QRect(ring.center() - QPoint(2, 2), QSize(5, 5)));
        }
        painter->restore();
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void TessaroStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    switch (element) {
    case CE_PushButtonBevel:
        drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
        return;
    case CE_ComboBoxLabel:
        if (const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            const QRect text = subControlRect(CC_ComboBox, list, SC_ComboBoxEditField, widget);
            painter->save();
            painter->setClipRect(text);
            drawItemText(painter, text, Qt::AlignLeft | Qt::AlignVCenter, list->palette, list->state & State_Enabled,
                         list->currentText, QPalette::Text);
            painter->restore();
        }
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void TessaroStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const
{
    if (control == CC_ComboBox) {
        drawBox(painter, option->rect, border(option), interior(option, QPalette::Base));
        // The arrow: a small triangle pointing down, rows of 5, 3 and 1
        // pixels filled so that it stays crisp at any scale.
        const QRect zone = subControlRect(control, option, SC_ComboBoxArrow, widget);
        const QPoint tip(zone.center().x(), zone.center().y() + 1);
        for (int row = 0; row < 3; ++row)
            painter->fillRect(QRect(tip.x() - 2 + row, tip.y() - 2 + row, 5 - 2 * row, 1),
                              option->palette.color(QPalette::Text));
        return;
    }

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
    drawBox(painter, line, option->palette.color(QPalette::Mid), Qt::NoBrush);
    painter->restore();
    if (caption.isValid()) {
        drawItemText(painter, caption.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, option->palette,
                     option->state & State_Enabled, frame->text, QPalette::WindowText);
    }
}
