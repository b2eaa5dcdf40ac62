#pragma once

#include <QProxyStyle>

// Fusion, with the frames drawn as the windows were laid out for: an etched
// line whose top runs through the middle of the caption, the caption at the
// top-left interrupting it, and the frame's controls placed from its outer
// corner.
class TessaroStyle : public QProxyStyle
{
    Q_OBJECT

public:
    TessaroStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};
