#include "figures.h"

#include "drawing.h"

QImage drawRectangle()
{
    // A rectangle outline in black lines three pixels wide.
    QImage image = groundImage(68, 46);
    QPainter p(&image);
    const QRect outline(5, 5, 58, 36);
    p.fillRect(outline.left(), outline.top(), outline.width(), 3, Qt::black);
    p.fillRect(outline.left(), outline.bottom() - 2, outline.width(), 3, Qt::black);
    p.fillRect(outline.left(), outline.top(), 3, outline.height(), Qt::black);
    p.fillRect(outline.right() - 2, outline.top(), 3, outline.height(), Qt::black);
    return image;
}

QImage drawIcon()
{
    // A grey wire-frame cube on a transparent ground: the front square, the
    // back square up and to the right, and the four edges that join them.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect front(3, 10, 18, 18);
    const QPoint shift(8, -7);
    const QRect back = front.translated(shift);
    p.setPen(QPen(QColor(150, 150, 155), 1));
    p.drawRect(back);
    for (const QPoint& corner : {front.topLeft(), front.topRight(), front.bottomLeft(), front.bottomRight()})
        p.drawLine(corner, corner + shift);
    p.setPen(QPen(QColor(80, 80, 86), 2));
    p.drawRect(front.adjusted(0, 0, -1, -1));
    return image;
}
