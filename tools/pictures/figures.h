#pragma once

#include <QImage>

// The figure pictures, one function per bitmap. Each draws its picture for
// scale device pixels to the pixel: 1 for the bitmap the windows name, 2 for
// its twice-as-large companion for high-density screens.

// Plane figures.
QImage drawRectangle(int scale);
QImage drawTriangle(int scale);
QImage drawTrapezoid(int scale);
QImage drawParallelogram(int scale);
QImage drawCircle(int scale);

// Solids.
QImage drawRectangularSolid(int scale);
QImage drawCylinder(int scale);
QImage drawCone(int scale);
QImage drawSphere(int scale);
QImage drawPyramid(int scale);

// The two tools, the menu's background and the root sign of the distance
// lines.
QImage drawDistanceAndMidpoint(int scale);
QImage drawTheorem(int scale);
QImage drawMenuBackground(int scale);
QImage drawRootSign(int scale);

// The cube icon, size x size pixels, for the sizes in kIconSizes. The
// 32-pixel one is also the windows' common icon.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
QImage drawIcon(int size);
