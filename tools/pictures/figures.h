#pragma once

#include <QImage>

// The figure pictures, one function per bitmap.

// Plane figures.
QImage drawRectangle();
QImage drawTriangle();
QImage drawTrapezoid();
QImage drawParallelogram();
QImage drawCircle();

// Solids.
QImage drawRectangularSolid();
QImage drawCylinder();
QImage drawCone();
QImage drawSphere();
QImage drawPyramid();

// The two tools, the menu's background and the root sign of the distance
// lines.
QImage drawDistanceAndMidpoint();
QImage drawTheorem();
QImage drawMenuBackground();
QImage drawRootSign();

// The window icon.
QImage drawIcon();
