#include <cmath>

#include "geometry/catalogue.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double X1 = w.value(0);
    const double Y1 = w.value(1);
    const double X2 = w.value(2);
    const double Y2 = w.value(3);

    QStringList& midpoint = w.frame(0);
    midpoint << "(" + SpacedNumberText(X1) + "+" + SpacedNumberText(X2) + ")/2 , (" + SpacedNumberText(Y1) + "+"
            + SpacedNumberText(Y2) + ")/2";
    midpoint << SpacedNumberText(X1 + X2) + "/2 , " + SpacedNumberText(Y1 + Y2) + "/2";
    midpoint << SpacedNumberText((X1 + X2) / 2) + " , " + SpacedNumberText((Y1 + Y2) / 2);

    QStringList& distance = w.frame(1);
    // The first four distance lines stand under a square-root sign.
    distance << "(" + SpacedNumberText(X1) + "-" + SpacedNumberText(X2) + ") ² + " + "(" + SpacedNumberText(Y1) + "-"
            + SpacedNumberText(Y2) + ") ²";
    distance << SpacedNumberText(X1 - X2) + " ² + " + SpacedNumberText(Y1 - Y2) + " ²";
    distance << SpacedNumberText(std::pow(X1 - X2, 2)) + " + " + SpacedNumberText(std::pow(Y1 - Y2, 2));
    distance << SpacedNumberText(std::pow(X1 - X2, 2) + std::pow(Y1 - Y2, 2));
    distance << SpacedNumberText(SquareRoot(std::pow(X1 - X2, 2) + std::pow(Y1 - Y2, 2)));
}

} // namespace

// Two points of the plane: their midpoint and the distance between them.
constinit const Figure geometry::distance{
    .name = "distance",
    .caption = u"Distance and Midpoint",
    .picture = u":/distmid.bmp",
    .boxes = {u"X1", u"Y1", u"X2", u"Y2"},
    .frames = {u"Midpoint=(x1+x2)/2 , (y1+y2)/2", u"Distance= Square root of (X1-X2) ²+(Y1-Y2) ²"},
    .example = {u"1", u"2", u"4", u"6"},
    .work = work,
};
