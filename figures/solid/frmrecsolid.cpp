#include "figures/solid/frmrecsolid.h"

#include "numeric/numbertext.h"

FrmRecSolid::FrmRecSolid(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmRecSolid::Command1_Click);
}

void FrmRecSolid::Command1_Click()
{
    const double L = ValueOfText(ui.Lnght->text());
    const double W = ValueOfText(ui.Wdth->text());
    const double H = ValueOfText(ui.hgt->text());

    ui.DispVol1->setCaption(SpacedNumberText(L) + "*" + SpacedNumberText(W) + "*" + SpacedNumberText(H));
    ui.DispVol2->setCaption(SpacedNumberText((L * W) * H));
    // The third surface term is length times height, whatever the frame says.
    ui.DispSA1->setCaption("2(" + SpacedNumberText(L) + "*" + SpacedNumberText(W) + ")+2(" + SpacedNumberText(H) + "*"
                           + SpacedNumberText(W) + ")+2(" + SpacedNumberText(L) + "*" + SpacedNumberText(H) + ")");
    ui.DispSA2->setCaption(SpacedNumberText((2 * L) * W) + "+" + SpacedNumberText((2 * H) * W) + "+"
                           + SpacedNumberText((2 * L) * H));
    ui.DispSA3->setCaption(SpacedNumberText((((2 * L) * W) + ((2 * H) * W)) + ((2 * L) * H)));
}
