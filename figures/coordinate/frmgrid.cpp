#include "figures/coordinate/frmgrid.h"

#include "geometry/catalogue.h"

FrmGrid::FrmGrid(QWidget* parent)
    : Calculator(geometry::distance, parent)
{
    ui.setupUi(this);
    bind({ui.Ix1, ui.Iy1, ui.Ix2, ui.Iy2}, ui.Command1);
    onClick(ui.Command1, &FrmGrid::Command1_Click);
}

void FrmGrid::Command1_Click()
{
    calculate();
    // The root signs appear over the distance lines once these are first
    // worked, and stay.
    if (!workedSolution().frames.last().lines.isEmpty()) {
        ui.sq1->setVisible(true);
        ui.sq2->setVisible(true);
        ui.sq3->setVisible(true);
        ui.sq4->setVisible(true);
    }
}
