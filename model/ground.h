#pragma once

// The light grey ground of every window and of every picture drawn on one,
// so that the pictures sit on the windows without a seam.

#include <QRgb>

inline constexpr QRgb WindowGround = qRgb(224, 223, 227);
