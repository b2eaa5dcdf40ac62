#include "drawing.h"

#include <QFontDatabase>
#include <QPainterPath>
#include <QRawFont>
#include <QtMath>

#include <cmath>
#include <vector>

namespace {

// The dash pattern of hidden lines, in pixels along the line.
constexpr qreal kDash = 4.0;
constexpr qreal kGap = 3.0;

QPen blackPen(qreal width)
{
    return QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Sets the pen for a line of the given width. Thin lines are drawn without
// anti-aliasing, which would spread them into two grey pixels; the wider
// lines are anti-aliased so that slants and curves come out smooth.
void setLinePen(QPainter& p, qreal width)
{
    p.setRenderHint(QPainter::Antialiasing, width > kThin);
    p.setPen(blackPen(width));
    p.setBrush(Qt::NoBrush);
}

qreal distance(QPointF a, QPointF b)
{
    return std::hypot(b.x() - a.x(), b.y() - a.y());
}

// The piece of a polyline between the arc lengths from and to, given the
// arc length at each of its points.
QPolygonF piece(const QPolygonF& points, const std::vector<qreal>& lengths, qreal from, qreal to)
{
    QPolygonF result;
    for (qsizetype i = 1; i < points.size(); ++i) {
        const qreal a = lengths[static_cast<size_t>(i - 1)];
        const qreal b = lengths[static_cast<size_t>(i)];
        if (b <= from || a >= to || b == a)
            continue;
        const QPointF p0 = points[i - 1];
        const QPointF p1 = points[i];
        const auto at = [&](qreal s) { return p0 + (p1 - p0) * ((s - a) / (b - a)); };
        if (result.isEmpty())
            result << at(std::max(a, from));
        result << at(std::min(b, to));
    }
    return result;
}

// The family name of the lettering font once it is loaded.
QString& letteringFamily()
{
    static QString family;
    return family;
}

} // namespace

QImage groundImage(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(kGround);
    return image;
}

void preparePainter(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(blackPen(kOutline));
}

void drawLine(QPainter& p, QPointF from, QPointF to, qreal width)
{
    setLinePen(p, width);
    p.drawLine(from, to);
}

void drawPolyline(QPainter& p, const QPolygonF& points, qreal width)
{
    setLinePen(p, width);
    p.drawPolyline(points);
}

void drawOutline(QPainter& p, const QPolygonF& corners, qreal width)
{
    setLinePen(p, width);
    p.drawPolygon(corners);
}

void drawDashedLine(QPainter& p, QPointF from, QPointF to, qreal width)
{
    drawDashedPolyline(p, QPolygonF({from, to}), width);
}

void drawDashedPolyline(QPainter& p, const QPolygonF& points, qreal width)
{
    std::vector<qreal> lengths{0.0};
    for (qsizetype i = 1; i < points.size(); ++i)
        lengths.push_back(lengths.back() + distance(points[i - 1], points[i]));
    const qreal total = lengths.back();

    // Whole dashes at both ends; the gaps take up what is left over.
    const int dashes = std::max(1, qRound((total + kGap) / (kDash + kGap)));
    if (dashes == 1) {
        drawPolyline(p, points, width);
        return;
    }
    const qreal gap = (total - dashes * kDash) / (dashes - 1);
    for (int i = 0; i < dashes; ++i) {
        const qreal start = i * (kDash + gap);
        drawPolyline(p, piece(points, lengths, start, start + kDash), width);
    }
}

QPolygonF ellipseArc(QPointF centre, qreal rx, qreal ry, qreal fromDegrees, qreal spanDegrees)
{
    // Fine enough that the polyline reads as a smooth curve.
    const int steps = std::max(8, qCeil(std::abs(spanDegrees) / 3.0));
    QPolygonF points;
    for (int i = 0; i <= steps; ++i) {
        const qreal angle = qDegreesToRadians(fromDegrees + spanDegrees * i / steps);
        points << centre + QPointF(rx * std::cos(angle), ry * std::sin(angle));
    }
    return points;
}

void drawDot(QPainter& p, QPointF centre, qreal radius)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
}

void drawRightAngle(QPainter& p, QPointF corner, QPointF along1, QPointF along2, qreal size)
{
    drawPolyline(p, QPolygonF({corner + along1 * size, corner + (along1 + along2) * size, corner + along2 * size}),
                 kThin);
}

bool loadLetteringFont()
{
    const QString file = QStringLiteral(TESSARO_LETTERING_FONT);
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0 || QFontDatabase::applicationFontFamilies(id).isEmpty())
        return false;
    letteringFamily() = QFontDatabase::applicationFontFamilies(id).constFirst();

    // An installed font of the same name must not stand in for the shipped
    // file: the pictures are to come out the same on every machine.
    const QRawFont shipped(file, 20, QFont::PreferNoHinting);
    const QRawFont resolved = QRawFont::fromFont(letteringFont(20));
    return shipped.isValid() && resolved.isValid() && shipped.fontTable("head") == resolved.fontTable("head")
        && shipped.fontTable("glyf") == resolved.fontTable("glyf");
}

QFont letteringFont(int pixelSize)
{
    QFont font(letteringFamily());
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

void drawLettering(QPainter& p, const QFont& font, QPointF baseline, const QString& text, const QColor& colour)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
}

QRectF letteringBounds(const QFont& font, const QString& text)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), font, text);
    return path.boundingRect();
}
