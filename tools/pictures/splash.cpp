#include "splash.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "drawing.h"
#include "raytracer.h"

namespace {

// The whole bitmap, and the part of it that the splash window shows.
constexpr int kWidth = 398;
constexpr int kHeight = 300;
constexpr int kShownWidth = 395;
constexpr int kShownHeight = 298;

// The distance of the lettering from the edges of the shown part.
constexpr qreal kMargin = 5;

// The supersampling of the scene: 4 x 4 rays through each pixel of the
// scale-1 picture, shared out among the pixels that cover it at a larger
// scale. A 2x picture traces 2 x 2 rays per pixel, on the same grid through
// the picture as the 1x one: each of its pixels is resolved on its own, so it
// is as sharp as the screen shows it, at the cost of the 1x picture.
constexpr int kSamplesPerAxis = 4;

// The colour of the credit lines, light on the dark floor.
const QColor kCreditGrey(200, 200, 204);

// Draws a line of text on the given baseline whose ink starts at x
// (Qt::AlignLeft) or ends at x (Qt::AlignRight), on whole pixels.
void drawTextLine(QPainter& p, const QFont& font, Qt::Alignment side, qreal x, qreal baseline, const QString& text,
                  const QColor& colour)
{
    const QRectF ink = letteringBounds(font, text);
    const qreal origin = side == Qt::AlignRight ? x - ink.right() : x - ink.left();
    drawLettering(p, font, QPointF(std::round(origin), std::round(baseline)), text, colour);
}

// The splash picture's background alone: the ray-traced scene of the five
// solids on their mirroring floor, rendered at scale times the resolution
// rather than scaled up, with that device pixel ratio.
QImage drawSplashScene(int scale)
{
    QImage image = renderSolidsScene(kWidth * scale, kHeight * scale, std::max(1, kSamplesPerAxis / scale));
    image.setDevicePixelRatio(scale);
    return image;
}

// The lettering over the splash picture's background: the prompt at the top
// left, the program's name at the top right and the two credit lines along
// the bottom, all inside the part that the window shows. It is laid out in
// the pixels of the scale-1 picture and drawn at the image's device pixel
// ratio, so a larger picture gets the same composition in finer detail.
void drawSplashText(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal right = kShownWidth - kMargin;

    // The prompt hangs from the top margin; the large name a few pixels
    // lower, so that its heavy capital does not crowd the corner.
    const QFont prompt = letteringFont(14);
    const QString promptText = QStringLiteral("Click or press any Key to Start");
    drawTextLine(p, prompt, Qt::AlignLeft, kMargin, kMargin - letteringBounds(prompt, promptText).top(), promptText,
                 Qt::black);
    const QFont name = letteringFont(52);
    const QString nameText = QStringLiteral("Tessaro");
    drawTextLine(p, name, Qt::AlignRight, right, kMargin + 4 - letteringBounds(name, nameText).top(), nameText,
                 Qt::black);

    // The two credit lines share one baseline, with room for the descenders
    // above the bottom margin.
    const QFont credit = letteringFont(12);
    const qreal baseline = kShownHeight - kMargin - QFontMetricsF(credit).descent();
    drawTextLine(p, credit, Qt::AlignLeft, kMargin, baseline, QStringLiteral("Version " TESSARO_VERSION), kCreditGrey);
    drawTextLine(p, credit, Qt::AlignRight, right, baseline, QStringLiteral("Geometry, step by step"), kCreditGrey);
}

} // namespace

QImage drawSplash(int scale)
{
    QImage image = drawSplashScene(scale);
    drawSplashText(image);
    return image;
}
