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

namespace {

template <class F> Form& show()
{
    return showForm<F>();
}

template <class F> Form* instance()
{
    return formInstance<F>();
}

template <class F> std::unique_ptr<Form> build()
{
    auto form = std::make_unique<F>();
    form->setMessageBoxesShown(false);
    form->load();
    return form;
}

template <class F>
constexpr CalculatorWindow window(const char* name, const char* picture, const char* example, const char* boxes,
                                  const char* options = "")
{
    return {name, &F::staticMetaObject, picture, show<F>, instance<F>, build<F>, example, boxes, options};
}

} // namespace

const std::array<CalculatorWindow, 12> calculatorWindows = {
    window<frmsquare>("rectangle", "square", "5 3", "Length, Width"),
    window<FrmTriangle>("triangle", "Triangle", "4 6 3 4 5", "Height, Base, Side 1, Side 2, Side 3"),
    window<FrmTrapezoid>("trapezoid", "trape", "4 3 4 5 6 5 3",
                         "Height, Side 1, Side 2, Side 3, Side 4, Base 2, Base 1"),
    window<FrmParallelogram>("parallelogram", "para", "5 2 3", "SLength, Height, Base"),
    window<FrmCircle>("circle", "circ", "5", "Radius"),
    window<FrmRecSolid>("rectangular-solid", "RecSolid", "4 2 3", "Length, Height, Width"),
    window<FrmCylinder>("cylinder", "Cylinder", "3 2", "Height, Radius"),
    window<FrmCone>("cone", "Cone", "5 4 3", "SLength, Height, Radius"),
    window<FrmSphere>("sphere", "Sphere", "2", "Radius"),
    window<FrmPyramid>("pyramid", "Pyramid", "5 4 3", "SLength, Length, Height"),
    window<FrmGrid>("distance", "DistAndMidPoint", "1 2 4 6", "X1, Y1, X2, Y2"),
    window<FrmPryTher>("pythagorean", "Therom", "3 4", "A, B, C", "A|B|C"),
};

namespace {

// The row whose field (its picture, its name) reads the value, or null.
const CalculatorWindow* find(const char* CalculatorWindow::*field, QStringView value)
{
    const auto found =
        std::find_if(calculatorWindows.begin(), calculatorWindows.end(),
                     [&](const CalculatorWindow& window) { return value == QLatin1String(window.*field); });
    return found == calculatorWindows.end() ? nullptr : &*found;
}

} // namespace

const CalculatorWindow& calculatorWindow(QStringView picture)
{
    const CalculatorWindow* window = find(&CalculatorWindow::picture, picture);
    if (!window)
        qFatal("no calculator window for the picture %s", qPrintable(picture.toString()));
    return *window;
}

const CalculatorWindow* calculatorWindowNamed(QStringView name)
{
    return find(&CalculatorWindow::name, name);
}
