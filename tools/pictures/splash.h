#pragma once

#include <QImage>

// The splash picture: 398 x 300 pixels, of which the window shows the
// top-left 395 x 298: the rendered scene with the lettering over it.
QImage drawSplash();

// The splash picture's background alone: the ray-traced scene of the five
// solids on their mirroring floor, 398 x 300 pixels.
QImage drawSplashScene();

// The lettering over the splash picture's background: the prompt at the top
// left, the program's name at the top right and the two credit lines along
// the bottom, all inside the part that the window shows.
void drawSplashText(QImage& image);
