#include "figures/plane/frmtrapezoid.h"

#include "geometry/catalogue.h"

FrmTrapezoid::FrmTrapezoid(QWidget* parent)
    : Calculator(geometry::trapezoid, parent)
{
    ui.setupUi(this);
    bind({ui.Hgt, ui.Side1, ui.Side2, ui.Side3, ui.Side4, ui.Base2, ui.Base1}, ui.Command1);
    onClick(ui.Command1, &FrmTrapezoid::Command1_Click);
}

void FrmTrapezoid::Command1_Click()
{
    calculate();
}
