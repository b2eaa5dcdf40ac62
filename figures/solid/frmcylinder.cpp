#include "figures/solid/frmcylinder.h"

#include "geometry/catalogue.h"

FrmCylinder::FrmCylinder(QWidget* parent)
    : Calculator(geometry::cylinder, parent)
{
    ui.setupUi(this);
    bind({ui.Hgt, ui.Radius}, ui.Command1);
    onClick(ui.Command1, &FrmCylinder::Command1_Click);
}

void FrmCylinder::Command1_Click()
{
    calculate();
}
