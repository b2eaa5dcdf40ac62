#include <cmath>

#include "geometry/catalogue.h"
#include "numeric/numbertext.h"

namespace {

enum Side { SideA, SideB, SideC };

void work(Working& w)
{
    const double A = w.value(SideA);
    const double B = w.value(SideB);
    const double C = w.value(SideC);
    QStringList& lines = w.frame(0);
    // A known leg must be shorter than the hypotenuse.
    const auto rejectKnownLeg = [&w](QStringView leg) {
        w.reject(QStringLiteral("Invalid Entry"),
                 QStringLiteral("Error: %1 must be shorter than the hypotenuse C").arg(leg));
    };

    switch (w.option()) {
    case SideC:
        lines << SpacedNumberText(A) + " ² +" + SpacedNumberText(B) + " ²=C ²";
        lines << SpacedNumberText(std::pow(A, 2)) + "+" + SpacedNumberText(std::pow(B, 2)) + "=C ²";
        lines << SpacedNumberText(std::pow(A, 2) + std::pow(B, 2)) + "=C ²";
        lines << SpacedNumberText(SquareRoot(std::pow(A, 2) + std::pow(B, 2))) + "=C ";
        break;
    case SideA:
        if (B >= C)
            return rejectKnownLeg(u"B");
        lines << "A ² +" + SpacedNumberText(B) + " ² =" + SpacedNumberText(C) + " ²";
        lines << "A ² +" + SpacedNumberText(std::pow(B, 2)) + "=" + SpacedNumberText(std::pow(C, 2));
        lines << "A ² =" + SpacedNumberText(std::pow(C, 2) - std::pow(B, 2));
        lines << "A =" + SpacedNumberText(SquareRoot(std::pow(C, 2) - std::pow(B, 2)));
        break;
    case SideB:
        if (A >= C)
            return rejectKnownLeg(u"A");
        lines << SpacedNumberText(A) + " ² + B ²  =" + SpacedNumberText(C) + " ²";
        lines << SpacedNumberText(std::pow(A, 2)) + "+ B²=" + SpacedNumberText(std::pow(C, 2));
        lines << "B ² =" + SpacedNumberText(std::pow(C, 2) - std::pow(A, 2));
        lines << "B =" + SpacedNumberText(SquareRoot(std::pow(C, 2) - std::pow(A, 2)));
        break;
    }
}

} // namespace

// The right triangle's sides: the one the option names worked out from the
// other two.
constinit const Figure geometry::pythagorean{
    .name = "pythagorean",
    .caption = u"Pythagorean Theorem",
    .picture = u":/theorem.bmp",
    .boxes = {u"A", u"B", u"C"},
    .frames = {u"A ² + B ² = C ²"},
    .example = {u"3", u"4"},
    .work = work,
    .options = {u"A", u"B", u"C"},
    .defaultOption = SideC,
};
