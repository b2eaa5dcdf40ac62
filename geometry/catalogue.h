#pragma once

// The catalogue of the figures: each figure once, with its name, caption,
// boxes, options, frames, worked example and working. The windows, the
// menu and the command line all take them from here.

#include <QStringView>

#include <array>

#include "geometry/figure.h"

namespace geometry {
extern const Figure rectangle;
extern const Figure triangle;
extern const Figure trapezoid;
extern const Figure parallelogram;
extern const Figure circle;
extern const Figure rectangularSolid;
extern const Figure cylinder;
extern const Figure cone;
extern const Figure sphere;
extern const Figure pyramid;
extern const Figure distance;
extern const Figure pythagorean;
} // namespace geometry

// Every figure, in the menu's reading order: the plane figures, the
// solids, then the two tools.
extern const std::array<const Figure*, 12> catalogue;

// The figure of that name on the command line, or null.
const Figure* figureNamed(QStringView name);
