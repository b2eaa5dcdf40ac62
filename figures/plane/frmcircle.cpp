#include "figures/plane/frmcircle.h"

#include "figures/pi.h"
#include "numeric/numbertext.h"

FrmCircle::FrmCircle(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmCircle::Command1_Click);
}

void FrmCircle::Command1_Click()
{
    const double R = ValueOfText(ui.Radius->text());

    ui.DispArea1->setCaption("pi*" + SpacedNumberText(R) + " ²");
    ui.DispArea2->setCaption("pi*" + SpacedNumberText(R * R));
    ui.DispArea3->setCaption(SpacedNumberText(Pi * (R * R)));
    ui.DispCir1->setCaption("2*pi*" + SpacedNumberText(R));
    ui.DispCir2->setCaption(SpacedNumberText(TwoPi * R));
}
