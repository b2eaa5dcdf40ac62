#include "geometry/catalogue.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double S = w.value(0);
    const double H = w.value(1);
    const double B = w.value(2);

    QStringList& area = w.frame(0);
    area << SpacedNumberText(B) + " * " + SpacedNumberText(H);
    area << SpacedNumberText(B * H);

    QStringList& perimeter = w.frame(1);
    perimeter << "2*" + SpacedNumberText(S) + " + 2*" + SpacedNumberText(B);
    perimeter << SpacedNumberText(2 * S) + " + " + SpacedNumberText(2 * B);
    perimeter << SpacedNumberText(2 * S + 2 * B);
}

} // namespace

// Area from the base and the height, perimeter from the slant length and
// the base.
constinit const Figure geometry::parallelogram{
    .name = "parallelogram",
    .caption = u"Parallelogram",
    .picture = u":/parallelogram.bmp",
    .boxes = {u"SLength", u"Height", u"Base"},
    .frames = {u"Area=B*H", u"Perimeter=2S+2B"},
    .example = {u"5", u"2", u"3"},
    .work = work,
};
