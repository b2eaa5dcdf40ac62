#include "figures/solid/frmsphere.h"

#include <cmath>

#include "figures/pi.h"
#include "numeric/numbertext.h"

FrmSphere::FrmSphere(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmSphere::Command1_Click);
}

void FrmSphere::Command1_Click()
{
    const double R = ValueOfText(ui.Radius->text());

    ui.DispVol1->setCaption("4/3pi*" + SpacedNumberText(R) + " ³");
    ui.DispVol2->setCaption("4/3pi*" + SpacedNumberText(std::pow(R, 3)));
    ui.DispVol3->setCaption(SpacedNumberText((FourPi * std::pow(R, 3)) / 3));
    ui.DispSA1->setCaption("4pi*" + SpacedNumberText(R) + " ²");
    ui.DispSA2->setCaption("4pi*" + SpacedNumberText(R * R));
    ui.DispSA3->setCaption(SpacedNumberText(FourPi * (R * R)));
}
