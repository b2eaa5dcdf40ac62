#include "geometry/catalogue.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double S = w.value(0);
    const double L = w.value(1);
    const double H = w.value(2);

    QStringList& volume = w.frame(0);
    volume << "1/3*" + SpacedNumberText(L) + " ²*" + SpacedNumberText(H);
    volume << "1/3*" + SpacedNumberText(L * L) + "*" + SpacedNumberText(H);
    volume << SpacedNumberText(((L * L) * H) / 3);

    QStringList& surface = w.frame(1);
    // Four side triangles and the square base.
    surface << "2*" + SpacedNumberText(L) + "*" + SpacedNumberText(S) + "+" + SpacedNumberText(L) + " ²";
    surface << "2*" + SpacedNumberText(L) + "*" + SpacedNumberText(S) + "+" + SpacedNumberText(L * L);
    surface << SpacedNumberText((2 * L) * S) + "+" + SpacedNumberText(L * L);
    surface << SpacedNumberText(((2 * L) * S) + (L * L));
}

} // namespace

// The square pyramid: volume from the base's side and the height, surface
// area from the base's side and the slant length.
constinit const Figure geometry::pyramid{
    .name = "pyramid",
    .caption = u"Square Pyramid",
    .picture = u":/pyramid.bmp",
    .boxes = {u"SLength", u"Length", u"Height"},
    .frames = {u"Volume=1/3L²*H", u"Surface Area = 2L*S+L²"},
    .example = {u"5", u"4", u"3"},
    .work = work,
};
