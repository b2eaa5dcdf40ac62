#include "geometry/catalogue.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double L = w.value(0);
    const double H = w.value(1);
    const double W = w.value(2);

    QStringList& volume = w.frame(0);
    volume << SpacedNumberText(L) + "*" + SpacedNumberText(W) + "*" + SpacedNumberText(H);
    volume << SpacedNumberText((L * W) * H);

    QStringList& surface = w.frame(1);
    surface << "2(" + SpacedNumberText(L) + "*" + SpacedNumberText(W) + ")+2(" + SpacedNumberText(H) + "*"
            + SpacedNumberText(W) + ")+2(" + SpacedNumberText(L) + "*" + SpacedNumberText(H) + ")";
    surface << SpacedNumberText((2 * L) * W) + "+" + SpacedNumberText((2 * H) * W) + "+"
            + SpacedNumberText((2 * L) * H);
    surface << SpacedNumberText((((2 * L) * W) + ((2 * H) * W)) + ((2 * L) * H));
}

} // namespace

// Volume and surface area from the length, the height and the width.
constinit const Figure geometry::rectangularSolid{
    .name = "rectangular-solid",
    .caption = u"Rectangular Solid",
    .picture = u":/recsolid.bmp",
    .boxes = {u"Length", u"Height", u"Width"},
    .frames = {u"Volume=L*W*H", u"Surface Area=2(L*W)+2(H*W)+2(L*H)"},
    .example = {u"4", u"2", u"3"},
    .work = work,
};
