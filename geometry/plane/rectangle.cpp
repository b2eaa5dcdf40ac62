#include "geometry/catalogue.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double L = w.value(0);
    const double W = w.value(1);

    QStringList& area = w.frame(0);
    area << "A =" + SpacedNumberText(L) + " * " + SpacedNumberText(W);
    area << "A =" + SpacedNumberText(L * W);

    QStringList& perimeter = w.frame(1);
    perimeter << "P = 2*" + SpacedNumberText(L) + " + 2*" + SpacedNumberText(W);
    perimeter << "P =" + SpacedNumberText(2 * L) + "+" + SpacedNumberText(2 * W);
    perimeter << "P =" + SpacedNumberText(2 * L + 2 * W);
}

} // namespace

// Area and perimeter from a length and a width.
constinit const Figure geometry::rectangle{
    .name = "rectangle",
    .caption = u" Rectangle",
    .picture = u":/square.bmp",
    .boxes = {u"Length", u"Width"},
    .frames = {u"Area=L*W", u"Perimeter=2L+2W"},
    .example = {u"5", u"3"},
    .work = work,
};
