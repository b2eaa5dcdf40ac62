#include "figures/plane/frmsquare.h"

#include "geometry/catalogue.h"

frmsquare::frmsquare(QWidget* parent)
    : Calculator(geometry::rectangle, parent)
{
    ui.setupUi(this);
    bind({ui.Lenth, ui.Wid}, ui.calculate);
    onClick(ui.calculate, &frmsquare::calculate_Click);
}

void frmsquare::calculate_Click()
{
    calculate();
}
