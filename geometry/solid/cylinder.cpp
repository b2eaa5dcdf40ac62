#include "geometry/catalogue.h"
#include "geometry/pi.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double H = w.value(0);
    const double R = w.value(1);

    QStringList& volume = w.frame(0);
    volume << "pi *" + SpacedNumberText(R) + " ²*" + SpacedNumberText(H);
    volume << "pi*" + SpacedNumberText(R * R) + "*" + SpacedNumberText(H);
    volume << SpacedNumberText((Pi * (R * R)) * H);

    QStringList& surface = w.frame(1);
    // The closed cylinder: the side and both ends.
    surface << "2pi*" + SpacedNumberText(R) + "*" + SpacedNumberText(H) + "+2pi*" + SpacedNumberText(R) + " ²";
    surface << "2pi*" + SpacedNumberText(R) + "*" + SpacedNumberText(H) + "+2pi*" + SpacedNumberText(R * R);
    surface << SpacedNumberText((TwoPi * R) * H) + "+" + SpacedNumberText(TwoPi * (R * R));
    surface << SpacedNumberText(((TwoPi * R) * H) + (TwoPi * (R * R)));
}

} // namespace

// Volume and surface area from the height and the radius.
constinit const Figure geometry::cylinder{
    .name = "cylinder",
    .caption = u"Cylinder",
    .picture = u":/cylinder.bmp",
    .boxes = {u"Height", u"Radius"},
    .frames = {u"Volume=pi*R²*H", u"Surface Area=2pi*R*H+2pi*R²"},
    .example = {u"3", u"2"},
    .work = work,
    .usesPi = true,
};
