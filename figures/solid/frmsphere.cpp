#include "figures/solid/frmsphere.h"

#include "geometry/catalogue.h"

FrmSphere::FrmSphere(QWidget* parent)
    : Calculator(geometry::sphere, parent)
{
    ui.setupUi(this);
    bind({ui.Radius}, ui.Command1);
    onClick(ui.Command1, &FrmSphere::Command1_Click);
}

void FrmSphere::Command1_Click()
{
    calculate();
}
