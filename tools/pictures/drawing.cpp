#include "drawing.h"

QImage groundImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kGround);
    return image;
}
