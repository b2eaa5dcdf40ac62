#pragma once

#include <QImage>

// The splash picture for a screen with scale device pixels to the pixel (1,
// or 2 on a high-density screen): 398 x 300 pixels, of which the window shows
// the top-left 395 x 298, times scale. The scene with the lettering over it.
QImage drawSplash(int scale);

// The splash picture's background alone: the ray-traced scene of the five
// solids on their mirroring floor, rendered at scale times the resolution
// rather than scaled up, with that device pixel ratio.
QImage drawSplashScene(int scale);

// The lettering over the splash picture's background: the prompt at the top
// left, the program's name at the top right and the two credit lines along
// the bottom, all inside the part that the window shows. It is laid out in
// the pixels of the scale-1 picture and drawn at the image's device pixel
// ratio, so a larger picture gets the same composition in finer detail.
void drawSplashText(QImage& image);
