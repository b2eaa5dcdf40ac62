#include "geometry/catalogue.h"

#include <algorithm>

using namespace geometry;

constinit const std::array<const Figure*, 12> catalogue = {
    &rectangle, &triangle, &trapezoid, &parallelogram, &circle,   &rectangularSolid,
    &cylinder,  &cone,     &sphere,    &pyramid,       &distance, &pythagorean,
};

const Figure* figureNamed(QStringView name)
{
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [name](const Figure* figure) { return name == QLatin1String(figure->name); });
    return found == catalogue.end() ? nullptr : *found;
}
