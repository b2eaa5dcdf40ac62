#pragma once

// Helpers shared by the drawings: the light grey ground and crisp black
// strokes on whole pixels.

#include <QColor>
#include <QImage>
#include <QPainter>

// The ground of every figure picture and of the menu's background.
inline const QColor kGround(224, 223, 227);

// A new picture filled with the ground colour.
QImage groundImage(int width, int height);
