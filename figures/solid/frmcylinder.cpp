#include "figures/solid/frmcylinder.h"

#include "figures/pi.h"
#include "numeric/numbertext.h"

FrmCylinder::FrmCylinder(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmCylinder::Command1_Click);
}

void FrmCylinder::Command1_Click()
{
    const double H = ValueOfText(ui.Hgt->text());
    const double R = ValueOfText(ui.Radius->text());

    ui.DispVol1->setCaption("pi *" + SpacedNumberText(R) + " ²*" + SpacedNumberText(H));
    ui.DispVol2->setCaption("pi*" + SpacedNumberText(R * R) + "*" + SpacedNumberText(H));
    ui.DispVol3->setCaption(SpacedNumberText((Pi * (R * R)) * H));
    // The lines work out the closed cylinder, 2 pi R H + 2 pi R².
    ui.DispSA1->setCaption("2pi*" + SpacedNumberText(R) + "*" + SpacedNumberText(H) + "+2pi*" + SpacedNumberText(R)
                           + " ²");
    ui.DispSA2->setCaption("2pi*" + SpacedNumberText(R) + "*" + SpacedNumberText(H) + "+2pi*"
                           + SpacedNumberText(R * R));
    ui.DispSA3->setCaption(SpacedNumberText((TwoPi * R) * H) + "+" + SpacedNumberText(TwoPi * (R * R)));
    ui.DispSA4->setCaption(SpacedNumberText(((TwoPi * R) * H) + (TwoPi * (R * R))));
}
