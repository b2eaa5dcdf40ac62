#pragma once

#include <QProxyStyle>

// One flat look for every control: text boxes, lists, buttons, options and
// frames have a 1-pixel border of one palette colour (Mid) around an
// interior of one colour, without gradients or rounded corners; the control
// with the focus shows it by a border of the Highlight colour instead. Frames
// carry their caption at the top left, interrupting the border. Text areas
// are sized from the dialog font's metrics, not from the base style's.
class TessaroStyle : public QProxyStyle
{
    Q_OBJECT

public:
    TessaroStyle();

    // The colours: the ground of the pictures, white boxes, black text.
    QPalette standardPalette() const override;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};
