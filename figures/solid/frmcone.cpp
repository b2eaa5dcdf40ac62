#include "figures/solid/frmcone.h"

#include "figures/pi.h"
#include "numeric/numbertext.h"

FrmCone::FrmCone(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmCone::Command1_Click);
}

void FrmCone::Command1_Click()
{
    const double S = ValueOfText(ui.Slnght->text());
    const double H = ValueOfText(ui.Hgt->text());
    const double R = ValueOfText(ui.Radius->text());

    ui.DispVol1->setCaption("1/3pi*" + SpacedNumberText(R) + " ²*" + SpacedNumberText(H));
    ui.DispVol2->setCaption("1/3pi*" + SpacedNumberText(R * R) + "*" + SpacedNumberText(H));
    ui.DispVol3->setCaption(SpacedNumberText(((Pi * (R * R)) * H) / 3));
    // The lateral surface is half the base's circumference times the slant
    // length; the circumference is worked out first, the half stays a factor
    // until the result.
    ui.dispSA1->setCaption("0.5(2*pi*" + SpacedNumberText(R) + ")" + SpacedNumberText(S) + "+pi*" + SpacedNumberText(R)
                           + " ²");
    ui.DispSA2->setCaption("0.5*" + SpacedNumberText(TwoPi * R) + "*" + SpacedNumberText(S) + "+pi*"
                           + SpacedNumberText(R) + " ²");
    ui.DispSA3->setCaption("0.5*" + SpacedNumberText(TwoPi * R) + "*" + SpacedNumberText(S) + "+pi*"
                           + SpacedNumberText(R * R));
    ui.DispSA4->setCaption(SpacedNumberText(((0.5 * (TwoPi * R)) * S) + (Pi * (R * R))));
}
