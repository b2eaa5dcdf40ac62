#include "figures/solid/frmrecsolid.h"

#include "geometry/catalogue.h"

FrmRecSolid::FrmRecSolid(QWidget* parent)
    : Calculator(geometry::rectangularSolid, parent)
{
    ui.setupUi(this);
    bind({ui.Lnght, ui.hgt, ui.Wdth}, ui.Command1);
    onClick(ui.Command1, &FrmRecSolid::Command1_Click);
}

void FrmRecSolid::Command1_Click()
{
    calculate();
}
