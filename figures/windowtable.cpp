#include "figures/windowtable.h"

#include <algorithm>

#include "figures/coordinate/frmgrid.h"
#include "figures/coordinate/frmpryther.h"
#include "figures/plane/frmcircle.h"
#include "figures/plane/frmparallelogram.h"
#include "figures/plane/frmsquare.h"
#include "figures/plane/frmtrapezoid.h"
#include "figures/plane/frmtriangle.h"
#include "figures/solid/frmcone.h"
#include "figures/solid/frmcylinder.h"
#include "figures/solid/frmpyramid.h"
#include "figures/solid/frmrecsolid.h"
#include "figures/solid/frmsphere.h"
#include "geometry/catalogue.h"

namespace {

template <class F> Calculator& show()
{
    return showForm<F>();
}

template <class F> Calculator* instance()
{
    return formInstance<F>();
}

template <class F> CalculatorWindow window(const Figure& figure, const char* picture)
{
    return {figure, &F::staticMetaObject, picture, show<F>, instance<F>};
}

} // namespace

const std::array<CalculatorWindow, 12> calculatorWindows = {
    window<frmsquare>(geometry::rectangle, "square"),
    window<FrmTriangle>(geometry::triangle, "Triangle"),
    window<FrmTrapezoid>(geometry::trapezoid, "trape"),
    window<FrmParallelogram>(geometry::parallelogram, "para"),
    window<FrmCircle>(geometry::circle, "circ"),
    window<FrmRecSolid>(geometry::rectangularSolid, "RecSolid"),
    window<FrmCylinder>(geometry::cylinder, "Cylinder"),
    window<FrmCone>(geometry::cone, "Cone"),
    window<FrmSphere>(geometry::sphere, "Sphere"),
    window<FrmPyramid>(geometry::pyramid, "Pyramid"),
    window<FrmGrid>(geometry::distance, "DistAndMidPoint"),
    window<FrmPryTher>(geometry::pythagorean, "Therom"),
};

const CalculatorWindow& calculatorWindow(QStringView picture)
{
    const auto found =
        std::find_if(calculatorWindows.begin(), calculatorWindows.end(),
                     [picture](const CalculatorWindow& window) { return picture == QLatin1String(window.picture); });
    if (found == calculatorWindows.end())
        qFatal("no calculator window for the picture %s", qPrintable(picture.toString()));
    return *found;
}
