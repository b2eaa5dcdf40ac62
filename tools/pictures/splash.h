#pragma once

#include <QImage>

// The splash picture for a screen with scale device pixels to the pixel (1,
// or 2 on a high-density screen): 398 x 300 pixels, of which the window shows
// the top-left 395 x 298, times scale. The scene with the lettering over it.
QImage drawSplash(int scale);
