#include "geometry/catalogue.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double H = w.value(0);
    const double S1 = w.value(1);
    const double S2 = w.value(2);
    const double S3 = w.value(3);
    const double S4 = w.value(4);
    const double B2 = w.value(5);
    const double B1 = w.value(6);

    QStringList& area = w.frame(0);
    area << "0.5*" + SpacedNumberText(H) + "(" + SpacedNumberText(B1) + "+" + SpacedNumberText(B2) + ")";
    area << "0.5*" + SpacedNumberText(H) + "*" + SpacedNumberText(B1 + B2);
    area << SpacedNumberText((0.5 * H) * (B1 + B2));

    QStringList& perimeter = w.frame(1);
    perimeter << SpacedNumberText(S1) + "+" + SpacedNumberText(S2) + "+" + SpacedNumberText(S3) + "+"
            + SpacedNumberText(S4);
    perimeter << SpacedNumberText(S1 + S2 + S3 + S4);
}

} // namespace

// Area from the two bases and the height, perimeter from the four sides.
constinit const Figure geometry::trapezoid{
    .name = "trapezoid",
    .caption = u"Trapezoid",
    .picture = u":/trapezoid.bmp",
    .boxes = {u"Height", u"Side 1", u"Side 2", u"Side 3", u"Side 4", u"Base 2", u"Base 1"},
    .frames = {u"Area=0.5*H*(B1+B2)", u"Perimeter=s1+s2+s3+s4"},
    .example = {u"4", u"3", u"4", u"5", u"6", u"5", u"3"},
    .work = work,
};
