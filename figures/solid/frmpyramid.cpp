#include "figures/solid/frmpyramid.h"

#include "geometry/catalogue.h"

FrmPyramid::FrmPyramid(QWidget* parent)
    : Calculator(geometry::pyramid, parent)
{
    ui.setupUi(this);
    bind({ui.SLnght, ui.Lnght, ui.Hght}, ui.Command1);
    onClick(ui.Command1, &FrmPyramid::Command1_Click);
}

void FrmPyramid::Command1_Click()
{
    calculate();
}
