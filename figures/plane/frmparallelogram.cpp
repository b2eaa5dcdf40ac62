#include "figures/plane/frmparallelogram.h"

#include "numeric/numbertext.h"

FrmParallelogram::FrmParallelogram(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmParallelogram::Command1_Click);
}

void FrmParallelogram::Command1_Click()
{
    const double B = ValueOfText(ui.bse->text());
    const double H = ValueOfText(ui.Hgt->text());
    const double S = ValueOfText(ui.Slenght->text());

    ui.DispArea1->setCaption(SpacedNumberText(B) + " * " + SpacedNumberText(H));
    ui.DispArea2->setCaption(SpacedNumberText(B * H));
    ui.DispPer1->setCaption("2*" + SpacedNumberText(S) + " + 2*" + SpacedNumberText(B));
    ui.DispPer2->setCaption(SpacedNumberText(2 * S) + " + " + SpacedNumberText(2 * B));
    ui.DispPer3->setCaption(SpacedNumberText(2 * S + 2 * B));
}
