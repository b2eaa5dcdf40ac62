#include "figures.h"

#include <QVector3D>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "drawing.h"

namespace {

// The side of the small right-angle squares, in pixels.
constexpr qreal kMark = 6.0;
// The radius of the filled dots (centres, end points).
constexpr qreal kDotRadius = 2.5;

// The thin line of a grid point: whole pixel rows and columns for a 1 px
// line, on the pixel at the lower right of the point.
QPointF thin(QPointF point)
{
    return point + QPointF(0.5, 0.5);
}

// A height: a thin vertical line from top down to the upper edge of the base
// outline at baseTop, along the pixel column x, with the right-angle mark on
// its left side at the foot.
void drawHeight(QPainter& p, qreal x, qreal top, qreal baseTop)
{
    drawLine(p, QPointF(x + 0.5, top), QPointF(x + 0.5, baseTop), kThin);
    drawRightAngle(p, QPointF(x, baseTop), QPointF(-1, 0), QPointF(0, -1), kMark - 0.5);
}

// A radius: a dot at the centre and a thin line to the rim at rimX, along
// the pixel row at the centre (or just above it, when the centre lies
// between two rows).
void drawRadius(QPainter& p, QPointF centre, qreal rimX)
{
    const QPointF onRow(centre.x(), std::floor(centre.y() - 0.5) + 0.5);
    drawLine(p, onRow, QPointF(rimX, onRow.y()), kThin);
    drawDot(p, onRow, kDotRadius);
}

} // namespace

QImage drawRectangle(int scale)
{
    // A rectangle outline in black lines three pixels wide.
    QImage image = groundImage(68, 46, scale);
    QPainter p(&image);
    const QRect outline(5, 5, 58, 36);
    p.fillRect(outline.left(), outline.top(), outline.width(), 3, Qt::black);
    p.fillRect(outline.left(), outline.bottom() - 2, outline.width(), 3, Qt::black);
    p.fillRect(outline.left(), outline.top(), 3, outline.height(), Qt::black);
    p.fillRect(outline.right() - 2, outline.top(), 3, outline.height(), Qt::black);
    return image;
}

QImage drawTriangle(int scale)
{
    // The base along the bottom, the apex left of the middle, and the height
    // from the apex down to the base.
    QImage image = groundImage(95, 46, scale);
    QPainter p(&image);
    preparePainter(p);
    const QPointF apex(30, 5);
    const qreal base = 42;
    drawOutline(p, QPolygonF({QPointF(5, base), apex, QPointF(88, base)}), kOutline);
    drawHeight(p, apex.x(), apex.y(), base - 1);
    return image;
}

QImage drawTrapezoid(int scale)
{
    // The longer base along the bottom, the legs slanting outwards, and the
    // height from the top-left corner down to the base.
    QImage image = groundImage(82, 39, scale);
    QPainter p(&image);
    preparePainter(p);
    const qreal top = 4;
    const qreal base = 35;
    const QPointF topLeft(21, top);
    drawOutline(p, QPolygonF({QPointF(4, base), topLeft, QPointF(60, top), QPointF(78, base)}), kOutline);
    drawHeight(p, topLeft.x(), top, base - 1);
    return image;
}

QImage drawParallelogram(int scale)
{
    // Leaning to the right, with the height from the top-left corner down
    // to the base.
    QImage image = groundImage(100, 52, scale);
    QPainter p(&image);
    preparePainter(p);
    const qreal top = 4;
    const qreal base = 48;
    const qreal lean = 26;
    const QPointF topLeft(4 + lean, top);
    drawOutline(p, QPolygonF({QPointF(4, base), topLeft, QPointF(96, top), QPointF(96 - lean, base)}), kOutline);
    drawHeight(p, topLeft.x(), top, base - 1);
    return image;
}

QImage drawCircle(int scale)
{
    // The circle, its centre and a radius to the right.
    QImage image = groundImage(74, 73, scale);
    QPainter p(&image);
    preparePainter(p);
    const QPointF centre(37, 37);
    const qreal radius = 33;
    drawOutline(p, ellipseArc(centre, radius, radius, 0, 360), kOutline);
    drawRadius(p, centre, centre.x() + radius);
    return image;
}

QImage drawRectangularSolid(int scale)
{
    // A long, low box in oblique view: the front face, the back face up and
    // to the right of it. The back vertical edge is hidden and thin, the two
    // hidden edges at the bottom are dashed.
    QImage image = groundImage(93, 42, scale);
    QPainter p(&image);
    preparePainter(p);
    const QPointF depth(18, -11);
    const QPointF frontTopLeft(4, 15), frontTopRight(70, 15), frontBottomRight(70, 39), frontBottomLeft(4, 39);
    const QPointF backTopLeft = frontTopLeft + depth, backTopRight = frontTopRight + depth;
    const QPointF backBottomRight = frontBottomRight + depth, backBottomLeft = frontBottomLeft + depth;

    drawLine(p, thin(backTopLeft), thin(backBottomLeft), kThin);
    drawDashedLine(p, thin(backBottomLeft), thin(backBottomRight - QPointF(1, 0)), kThin);
    drawDashedLine(p, thin(backBottomLeft), thin(frontBottomLeft + QPointF(1, -1)), kThin);

    drawOutline(
        p, QPolygonF({frontBottomLeft, frontTopLeft, backTopLeft, backTopRight, backBottomRight, frontBottomRight}),
        kOutline);
    drawPolyline(p, QPolygonF({frontTopLeft, frontTopRight, frontBottomRight}), kOutline);
    drawLine(p, frontTopRight, backTopRight, kOutline);
    return image;
}

QImage drawCylinder(int scale)
{
    // An upright cylinder: the whole top ellipse with a radius, the two
    // sides, and the bottom ellipse with its back half hidden.
    QImage image = groundImage(47, 77, scale);
    QPainter p(&image);
    preparePainter(p);
    const qreal left = 3, right = 44;
    const qreal rx = (right - left) / 2;
    const qreal ry = 7.5;
    const QPointF top((left + right) / 2, 10.5);
    const QPointF bottom(top.x(), 66.5);

    drawOutline(p, ellipseArc(top, rx, ry, 0, 360), kOutline);
    QPolygonF sides{QPointF(left, top.y())};
    sides << ellipseArc(bottom, rx, ry, 180, -180) << QPointF(right, top.y());
    drawPolyline(p, sides, kOutline);
    drawDashedPolyline(p, ellipseArc(bottom, rx, ry, 180, 180), kThin);
    drawRadius(p, top, right);
    return image;
}

QImage drawCone(int scale)
{
    // An upright cone: the apex at the top, the height down to the centre of
    // the base, a radius of the base, and the base ellipse with its back half
    // hidden.
    QImage image = groundImage(80, 106, scale);
    QPainter p(&image);
    preparePainter(p);
    const QPointF base(39.5, 91.5);
    const qreal rx = 36.5, ry = 10.5;
    const QPointF apex(base.x(), 5);

    // The sides touch the base ellipse a little behind its widest points.
    const qreal tilt = qRadiansToDegrees(std::asin(ry / (base.y() - apex.y())));
    QPolygonF outline{apex};
    outline << ellipseArc(base, rx, ry, 180 + tilt, -(180 + 2 * tilt));
    drawOutline(p, outline, kOutline);
    drawDashedPolyline(p, ellipseArc(base, rx, ry, 180 + tilt, 180 - 2 * tilt), kThin);
    drawLine(p, apex + QPointF(0, 2), base, kThin);
    drawRadius(p, base, base.x() + rx);
    return image;
}

QImage drawSphere(int scale)
{
    // A sphere: the outline, the equator with its back half hidden, and a
    // radius from the centre.
    QImage image = groundImage(72, 71, scale);
    QPainter p(&image);
    preparePainter(p);
    const QPointF centre(36, 36);
    const qreal radius = 32;
    drawOutline(p, ellipseArc(centre, radius, radius, 0, 360), kOutline);
    const qreal equator = 8.5;
    drawPolyline(p, ellipseArc(centre, radius, equator, 0, 180), kThin);
    drawDashedPolyline(p, ellipseArc(centre, radius, equator, 180, 180), kThin);
    drawRadius(p, centre, centre.x() + radius);
    return image;
}

QImage drawPyramid(int scale)
{
    // A pyramid on a square base seen from the front and a little above,
    // turned so that one base corner points towards the viewer. The two back
    // base edges and the edge up to the back corner are hidden. The slant
    // height runs down the front-left face to the middle of its base edge.
    const int width = 91, height = 94;
    QImage image = groundImage(width, height, scale);
    QPainter p(&image);
    preparePainter(p);

    const qreal turn = qDegreesToRadians(22.0);
    const qreal elevation = qDegreesToRadians(25.0);
    const auto corner = [&](int k) {
        const qreal angle = turn + k * M_PI / 2;
        return QVector3D(float(std::sin(angle)), 0, float(std::cos(angle)));
    };
    const QVector3D right = corner(1), back = corner(2), left = corner(3), front = corner(0);
    const QVector3D apex(0, 1.65f, 0);
    const auto onScreen = [&](const QVector3D& v) {
        return QPointF(v.x(), -v.y() * std::cos(elevation) + v.z() * std::sin(elevation));
    };

    // Scale the solid into the picture with a margin of 4 pixels.
    QPolygonF outline;
    for (const QVector3D& v : {right, back, left, front, apex})
        outline << onScreen(v);
    const QRectF bounds = outline.boundingRect();
    const qreal margin = 4;
    const qreal fit = std::min((width - 2 * margin) / bounds.width(), (height - 2 * margin) / bounds.height());
    const QPointF offset = QPointF(width, height) / 2 - bounds.center() * fit;
    const auto at = [&](const QVector3D& v) { return onScreen(v) * fit + offset; };

    drawDashedLine(p, at(left), at(back), kThin);
    drawDashedLine(p, at(back), at(right), kThin);
    drawDashedLine(p, at(apex), at(back), kThin);

    drawOutline(p, QPolygonF({at(apex), at(left), at(front), at(right)}), kOutline);
    drawLine(p, at(apex), at(front), kOutline);

    // The slant height meets the base edge at a right angle on the face.
    const QVector3D foot = (left + front) / 2;
    drawLine(p, at(apex), at(foot), kThin);
    const qreal markSize = (kMark - 1) / fit;
    const QVector3D along = (left - front).normalized() * float(markSize);
    const QVector3D up = (apex - foot).normalized() * float(markSize);
    drawPolyline(p, QPolygonF({at(foot + along), at(foot + along + up), at(foot + up)}), kThin);
    return image;
}

QImage drawDistanceAndMidpoint(int scale)
{
    // Two axes crossing at the centre, and a segment with its end points
    // marked, running from the upper left to the lower right through the
    // crossing point.
    QImage image = groundImage(50, 50, scale);
    QPainter p(&image);
    preparePainter(p);
    const QPointF cross(24.5, 24.5);
    const qreal reach = 21.5;
    drawLine(p, cross - QPointF(reach, 0), cross + QPointF(reach, 0), kThin);
    drawLine(p, cross - QPointF(0, reach), cross + QPointF(0, reach), kThin);
    const QPointF half(13, 10);
    drawLine(p, cross - half, cross + half, kOutline);
    drawDot(p, cross - half, 3);
    drawDot(p, cross + half, 3);
    return image;
}

QImage drawTheorem(int scale)
{
    // The theorem in bold serif letters, the twos small and raised, centred
    // in the picture.
    QImage image = groundImage(89, 26, scale);
    QPainter p(&image);
    preparePainter(p);
    const QFont large = letteringFont(20);
    const QFont small = letteringFont(12);
    const qreal baseline = 20;
    const qreal raise = 7;
    // A raised two keeps a pixel of space from what follows it.
    const qreal afterRaised = 1;
    struct Piece
    {
        const char* text;
        bool raised;
    };
    const Piece pieces[] = {{"A", false}, {"2", true},  {"+", false}, {"B", false},
                            {"2", true},  {"=", false}, {"C", false}, {"2", true}};
    const auto advance = [&](const Piece& piece) {
        const QFont& font = piece.raised ? small : large;
        return QFontMetricsF(font).horizontalAdvance(QLatin1String(piece.text)) + (piece.raised ? afterRaised : 0);
    };

    qreal width = 0;
    for (const Piece& piece : pieces)
        width += advance(piece);
    qreal x = std::round((image.deviceIndependentSize().width() - width) / 2);
    for (const Piece& piece : pieces) {
        drawLettering(p, piece.raised ? small : large, QPointF(x, piece.raised ? baseline - raise : baseline),
                      QLatin1String(piece.text), Qt::black);
        x += advance(piece);
    }
    return image;
}

QImage drawMenuBackground(int scale)
{
    return groundImage(100, 100, scale);
}

QImage drawRootSign(int scale)
{
    // A square-root sign whose bar runs along the top to the right-hand end.
    // The lines it stands over begin 16 pixels to the right of its left edge
    // and 8 pixels below its top, so the hook keeps to the first 14 columns.
    QImage image = groundImage(233, 22, scale);
    QPainter p(&image);
    preparePainter(p);
    // The short rise and the heavy down stroke, then the thin up stroke and
    // the bar.
    const QPointF bottom(8, 20.5), top(13.5, 1.5);
    const QPointF knee(3.5, 11.5);
    drawLine(p, QPointF(0.5, 13.5), knee, kThin);
    drawLine(p, knee - QPointF(0, 0.5), bottom, kOutline);
    drawPolyline(p, QPolygonF({bottom - QPointF(0.5, 0), top, QPointF(image.deviceIndependentSize().width(), top.y())}),
                 kThin);
    return image;
}

QImage drawIcon(int size)
{
    // A grey wire-frame cube on a transparent ground: the front square in a
    // dark line, the back square up and to the right of it and the four
    // edges that join them in a lighter one. Every size has its own
    // proportions and line widths (the smallest has room for single-pixel
    // lines only). The squares are drawn unsmoothed, on whole pixels, so they
    // stay crisp at every size; the joining edges, the only slanted lines,
    // are smoothed from 48 pixels up, where a staircase would show.
    struct Drawing
    {
        int size;
        QRect front;
        QPoint shift;
        int frontWidth;
        int edgeWidth;
    };
    static constexpr Drawing drawings[] = {
        {16, QRect(1, 6, 9, 9), QPoint(4, -4), 1, 1},        {22, QRect(2, 8, 12, 12), QPoint(6, -6), 2, 1},
        {24, QRect(2, 9, 13, 13), QPoint(7, -6), 2, 1},      {32, QRect(3, 10, 18, 18), QPoint(8, -7), 2, 1},
        {48, QRect(5, 15, 27, 27), QPoint(12, -10), 3, 2},   {64, QRect(6, 20, 36, 36), QPoint(16, -14), 4, 2},
        {128, QRect(12, 40, 72, 72), QPoint(32, -28), 6, 3}, {256, QRect(24, 80, 144, 144), QPoint(64, -56), 10, 5},
    };
    const auto drawing =
        std::find_if(std::begin(drawings), std::end(drawings), [size](const Drawing& d) { return d.size == size; });
    if (drawing == std::end(drawings))
        return QImage();

    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect& front = drawing->front;
    const QRect back = front.translated(drawing->shift);
    p.setPen(QPen(QColor(150, 150, 155), drawing->edgeWidth));
    p.drawRect(back);
    p.setRenderHint(QPainter::Antialiasing, size >= 48);
    for (const QPoint& corner : {front.topLeft(), front.topRight(), front.bottomLeft(), front.bottomRight()})
        p.drawLine(corner, corner + drawing->shift);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(80, 80, 86), drawing->frontWidth));
    p.drawRect(front.adjusted(0, 0, -1, -1));
    return image;
}
