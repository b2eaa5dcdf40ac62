#include "figures/plane/frmtriangle.h"

#include "numeric/numbertext.h"

FrmTriangle::FrmTriangle(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmTriangle::Command1_Click);
}

void FrmTriangle::Command1_Click()
{
    const double S1 = ValueOfText(ui.side1->text());
    const double S2 = ValueOfText(ui.side2->text());
    const double S3 = ValueOfText(ui.side3->text());
    const double B = ValueOfText(ui.Base->text());
    const double H = ValueOfText(ui.Hght->text());

    ui.DispPer1->setCaption(SpacedNumberText(S1) + " + " + SpacedNumberText(S2) + " + " + SpacedNumberText(S3));
    ui.DispPer2->setCaption(SpacedNumberText(S1 + S2 + S3));
    ui.DispArea1->setCaption(SpacedNumberText(B) + " * " + SpacedNumberText(H) + " * 0.5 ");
    ui.DispArea2->setCaption(SpacedNumberText(B * H * 0.5));
}
