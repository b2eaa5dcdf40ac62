#include "figures/plane/frmtrapezoid.h"

#include "numeric/numbertext.h"

FrmTrapezoid::FrmTrapezoid(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmTrapezoid::Command1_Click);
}

// DispArea4 and DispPer3 are spare lines: they stay empty.
void FrmTrapezoid::Command1_Click()
{
    const double B1 = ValueOfText(ui.Base1->text());
    const double B2 = ValueOfText(ui.Base2->text());
    const double H = ValueOfText(ui.Hgt->text());
    const double S1 = ValueOfText(ui.Side1->text());
    const double S2 = ValueOfText(ui.Side2->text());
    const double S3 = ValueOfText(ui.Side3->text());
    const double S4 = ValueOfText(ui.Side4->text());

    ui.DispArea1->setCaption("0.5*" + SpacedNumberText(H) + "(" + SpacedNumberText(B1) + "+" + SpacedNumberText(B2)
                             + ")");
    ui.DispArea2->setCaption("0.5*" + SpacedNumberText(H) + "*" + SpacedNumberText(B1 + B2));
    ui.DispArea3->setCaption(SpacedNumberText((0.5 * H) * (B1 + B2)));
    ui.DispPer1->setCaption(SpacedNumberText(S1) + "+" + SpacedNumberText(S2) + "+" + SpacedNumberText(S3) + "+"
                            + SpacedNumberText(S4));
    ui.DispPer2->setCaption(SpacedNumberText(S1 + S2 + S3 + S4));
}
