#include "figures/solid/frmcone.h"

#include "geometry/catalogue.h"

FrmCone::FrmCone(QWidget* parent)
    : Calculator(geometry::cone, parent)
{
    ui.setupUi(this);
    bind({ui.Slnght, ui.Hgt, ui.Radius}, ui.Command1);
    onClick(ui.Command1, &FrmCone::Command1_Click);
}

void FrmCone::Command1_Click()
{
    calculate();
}
