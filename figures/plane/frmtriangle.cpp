#include "figures/plane/frmtriangle.h"

#include "geometry/catalogue.h"

FrmTriangle::FrmTriangle(QWidget* parent)
    : Calculator(geometry::triangle, parent)
{
    ui.setupUi(this);
    bind({ui.Hght, ui.Base, ui.side1, ui.side2, ui.side3}, ui.Command1);
    onClick(ui.Command1, &FrmTriangle::Command1_Click);
}

void FrmTriangle::Command1_Click()
{
    calculate();
}
