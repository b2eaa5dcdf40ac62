#include <cmath>

#include "geometry/catalogue.h"
#include "geometry/pi.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double R = w.value(0);

    QStringList& volume = w.frame(0);
    volume << "4/3pi*" + SpacedNumberText(R) + " ³";
    volume << "4/3pi*" + SpacedNumberText(std::pow(R, 3));
    volume << SpacedNumberText((FourPi * std::pow(R, 3)) / 3);

    QStringList& surface = w.frame(1);
    surface << "4pi*" + SpacedNumberText(R) + " ²";
    surface << "4pi*" + SpacedNumberText(R * R);
    surface << SpacedNumberText(FourPi * (R * R));
}

} // namespace

// Volume and surface area from the radius.
constinit const Figure geometry::sphere{
    .name = "sphere",
    .caption = u"Sphere",
    .picture = u":/sphere.bmp",
    .boxes = {u"Radius"},
    .frames = {u"Volume=4/3pi*R³", u"Surface Area=4pi*R²"},
    .example = {u"2"},
    .work = work,
    .usesPi = true,
};
