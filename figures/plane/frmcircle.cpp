#include "figures/plane/frmcircle.h"

#include "geometry/catalogue.h"

FrmCircle::FrmCircle(QWidget* parent)
    : Calculator(geometry::circle, parent)
{
    ui.setupUi(this);
    bind({ui.Radius}, ui.Command1);
    onClick(ui.Command1, &FrmCircle::Command1_Click);
}

void FrmCircle::Command1_Click()
{
    calculate();
}
