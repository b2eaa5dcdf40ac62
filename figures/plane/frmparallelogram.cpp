#include "figures/plane/frmparallelogram.h"

#include "geometry/catalogue.h"

FrmParallelogram::FrmParallelogram(QWidget* parent)
    : Calculator(geometry::parallelogram, parent)
{
    ui.setupUi(this);
    bind({ui.Slenght, ui.Hgt, ui.bse}, ui.Command1);
    onClick(ui.Command1, &FrmParallelogram::Command1_Click);
}

void FrmParallelogram::Command1_Click()
{
    calculate();
}
