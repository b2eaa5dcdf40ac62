#include "geometry/catalogue.h"
#include "geometry/pi.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double S = w.value(0);
    const double H = w.value(1);
    const double R = w.value(2);

    QStringList& volume = w.frame(0);
    volume << "1/3pi*" + SpacedNumberText(R) + " ²*" + SpacedNumberText(H);
    volume << "1/3pi*" + SpacedNumberText(R * R) + "*" + SpacedNumberText(H);
    volume << SpacedNumberText(((Pi * (R * R)) * H) / 3);

    QStringList& surface = w.frame(1);
    // The lateral surface is half the base's circumference times the slant
    // length; the circumference is worked out first, the half stays a factor
    // until the result.
    surface << "0.5(2*pi*" + SpacedNumberText(R) + ")" + SpacedNumberText(S) + "+pi*" + SpacedNumberText(R) + " ²";
    surface << "0.5*" + SpacedNumberText(TwoPi * R) + "*" + SpacedNumberText(S) + "+pi*" + SpacedNumberText(R) + " ²";
    surface << "0.5*" + SpacedNumberText(TwoPi * R) + "*" + SpacedNumberText(S) + "+pi*" + SpacedNumberText(R * R);
    surface << SpacedNumberText(((0.5 * (TwoPi * R)) * S) + (Pi * (R * R)));
}

} // namespace

// Volume from the radius and the height, surface area from the radius and
// the slant length.
constinit const Figure geometry::cone{
    .name = "cone",
    .caption = u"Cone",
    .picture = u":/cone.bmp",
    .boxes = {u"SLength", u"Height", u"Radius"},
    .frames = {u"Volume=1/3*pi*R²H", u"Surface Area=0.5(2pi*R)S+pi*R²"},
    .example = {u"5", u"4", u"3"},
    .work = work,
    .usesPi = true,
};
