#include "figures/coordinate/frmpryther.h"

#include "geometry/catalogue.h"

FrmPryTher::FrmPryTher(QWidget* parent)
    : Calculator(geometry::pythagorean, parent)
{
    ui.setupUi(this);
    bind({ui.IputA, ui.IputB, ui.IputC}, ui.Command1, {ui.Oa, ui.Ob, ui.Oc});
    onClick(ui.Command1, &FrmPryTher::Command1_Click);
}

void FrmPryTher::Command1_Click()
{
    calculate();
}
