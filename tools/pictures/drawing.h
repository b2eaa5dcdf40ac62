#pragma once

// Helpers shared by the drawings: the light grey ground, the line styles of
// the figures and the bold serif lettering.
//
// Coordinates are continuous pixel coordinates: pixel (x, y) covers the
// square from (x, y) to (x + 1, y + 1). A 2 px line on whole coordinates and
// a 1 px line on half coordinates therefore fill whole pixel rows or columns
// when they run straight, so axis-aligned lines stay crisp although the
// painter anti-aliases the slanted lines and the curves.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include "model/ground.h"

// The ground of every figure picture and of the menu's background.
inline const QColor kGround(WindowGround);

// Line widths: the visible outline of a figure, and the thin lines (heights,
// radii, right-angle marks, hidden edges).
inline constexpr qreal kOutline = 2.0;
inline constexpr qreal kThin = 1.0;

// A new picture of width x height pixels filled with the ground colour, for
// a screen with scale device pixels to the pixel (1, or 2 on a high-density
// screen). A painter on it works in the pixels of the scale-1 picture, so
// the same drawing comes out scale times as large with every line width
// multiplied, rather than scaled up from the small picture.
QImage groundImage(int width, int height, int scale);

// A painter on a picture, anti-aliasing on, drawing in black.
void preparePainter(QPainter& p);

// A solid black line or open polyline of the given width.
void drawLine(QPainter& p, QPointF from, QPointF to, qreal width);
void drawPolyline(QPainter& p, const QPolygonF& points, qreal width);
// A closed outline of the given width, with mitred corners.
void drawOutline(QPainter& p, const QPolygonF& corners, qreal width);

// A dashed black line or polyline. The dashes are spread so that the line
// starts and ends with a whole dash.
void drawDashedLine(QPainter& p, QPointF from, QPointF to, qreal width);
void drawDashedPolyline(QPainter& p, const QPolygonF& points, qreal width);

// The points of an arc of the axis-parallel ellipse around centre with the
// radii rx and ry, from the angle fromDegrees over spanDegrees. Angles run
// clockwise on the screen from the right-hand end of the horizontal axis,
// so 0 to 180 is the lower (front) half of a lying ellipse.
QPolygonF ellipseArc(QPointF centre, qreal rx, qreal ry, qreal fromDegrees, qreal spanDegrees);

// A filled black dot.
void drawDot(QPainter& p, QPointF centre, qreal radius);

// The small right-angle mark at corner between the directions along1 and
// along2 (unit vectors on the screen), size pixels long on each side.
void drawRightAngle(QPainter& p, QPointF corner, QPointF along1, QPointF along2, qreal size);

// The bold serif lettering. loadLetteringFont() must succeed before
// letteringFont() is used.
bool loadLetteringFont();
QFont letteringFont(int pixelSize);
// Text filled as outlines from the left end of its baseline, so that the
// result depends only on the font file and not on the font settings of
// the machine.
void drawLettering(QPainter& p, const QFont& font, QPointF baseline, const QString& text, const QColor& colour);
// The ink rectangle of a text drawn from the origin.
QRectF letteringBounds(const QFont& font, const QString& text);
