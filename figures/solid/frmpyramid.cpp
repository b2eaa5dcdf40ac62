#include "figures/solid/frmpyramid.h"

#include "numeric/numbertext.h"

FrmPyramid::FrmPyramid(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmPyramid::Command1_Click);
}

void FrmPyramid::Command1_Click()
{
    const double S = ValueOfText(ui.SLnght->text());
    const double L = ValueOfText(ui.Lnght->text());
    const double H = ValueOfText(ui.Hght->text());

    ui.DispVol1->setCaption("1/3*" + SpacedNumberText(L) + " ²*" + SpacedNumberText(H));
    ui.DispVol2->setCaption("1/3*" + SpacedNumberText(L * L) + "*" + SpacedNumberText(H));
    ui.DispVol3->setCaption(SpacedNumberText(((L * L) * H) / 3));
    // Four side triangles and the square base.
    ui.DispSA1->setCaption("2*" + SpacedNumberText(L) + "*" + SpacedNumberText(S) + "+" + SpacedNumberText(L) + " ²");
    ui.DispSA2->setCaption("2*" + SpacedNumberText(L) + "*" + SpacedNumberText(S) + "+" + SpacedNumberText(L * L));
    ui.DispSA3->setCaption(SpacedNumberText((2 * L) * S) + "+" + SpacedNumberText(L * L));
    ui.DispSa4->setCaption(SpacedNumberText(((2 * L) * S) + (L * L)));
}
