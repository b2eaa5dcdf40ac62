#include "geometry/catalogue.h"
#include "numeric/numbertext.h"

namespace {

void work(Working& w)
{
    const double H = w.value(0);
    const double B = w.value(1);
    const double S1 = w.value(2);
    const double S2 = w.value(3);
    const double S3 = w.value(4);

    QStringList& perimeter = w.frame(1);
    perimeter << SpacedNumberText(S1) + " + " + SpacedNumberText(S2) + " + " + SpacedNumberText(S3);
    perimeter << SpacedNumberText(S1 + S2 + S3);

    QStringList& area = w.frame(0);
    area << SpacedNumberText(B) + " * " + SpacedNumberText(H) + " * 0.5 ";
    area << SpacedNumberText(B * H * 0.5);
}

} // namespace

// Perimeter from three sides, area from a base and a height.
constinit const Figure geometry::triangle{
    .name = "triangle",
    .caption = u"Triangle",
    .picture = u":/triangle.bmp",
    .boxes = {u"Height", u"Base", u"Side 1", u"Side 2", u"Side 3"},
    .frames = {u"Area=B*H*0.5", u"Perimeter=s1+s2+s3"},
    .example = {u"4", u"6", u"3", u"4", u"5"},
    .work = work,
};
