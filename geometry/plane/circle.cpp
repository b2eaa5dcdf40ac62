#include "geometry/catalogue.h"
#include "geometry/pi.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double R = w.value(0);

    QStringList& area = w.frame(0);
    area << "pi*" + SpacedNumberText(R) + " ²";
    area << "pi*" + SpacedNumberText(R * R);
    area << SpacedNumberText(Pi * (R * R));

    QStringList& circumference = w.frame(1);
    circumference << "2*pi*" + SpacedNumberText(R);
    circumference << SpacedNumberText(TwoPi * R);
}

} // namespace

// Area and circumference from the radius.
constinit const Figure geometry::circle{
    .name = "circle",
    .caption = u"Circle",
    .picture = u":/circle.bmp",
    .boxes = {u"Radius"},
    .frames = {u" Area=Pi*R²", u"Perimeter=2Pi*R"},
    .example = {u"5"},
    .work = work,
    .usesPi = true,
};
