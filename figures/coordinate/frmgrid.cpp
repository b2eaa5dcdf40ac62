#include "figures/coordinate/frmgrid.h"

#include <cmath>

#include "numeric/numbertext.h"

FrmGrid::FrmGrid(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Command1, &FrmGrid::Command1_Click);
}

void FrmGrid::Command1_Click()
{
    const double X1 = ValueOfText(ui.Ix1->text());
    const double X2 = ValueOfText(ui.Ix2->text());
    const double Y1 = ValueOfText(ui.Iy1->text());
    const double Y2 = ValueOfText(ui.Iy2->text());

    ui.DispMid1->setCaption("(" + SpacedNumberText(X1) + "+" + SpacedNumberText(X2) + ")/2 , (" + SpacedNumberText(Y1)
                            + "+" + SpacedNumberText(Y2) + ")/2");
    ui.DispMid2->setCaption(SpacedNumberText(X1 + X2) + "/2 , " + SpacedNumberText(Y1 + Y2) + "/2");
    ui.DispMid3->setCaption(SpacedNumberText((X1 + X2) / 2) + " , " + SpacedNumberText((Y1 + Y2) / 2));

    ui.sq1->setVisible(true);
    ui.sq2->setVisible(true);
    ui.sq3->setVisible(true);
    ui.sq4->setVisible(true);

    ui.DispDist1->setCaption("(" + SpacedNumberText(X1) + "-" + SpacedNumberText(X2) + ") ² + " + "("
                             + SpacedNumberText(Y1) + "-" + SpacedNumberText(Y2) + ") ²");
    ui.DispDist2->setCaption(SpacedNumberText(X1 - X2) + " ² + " + SpacedNumberText(Y1 - Y2) + " ²");
    ui.DispDist3->setCaption(SpacedNumberText(std::pow(X1 - X2, 2)) + " + " + SpacedNumberText(std::pow(Y1 - Y2, 2)));
    ui.DispDist4->setCaption(SpacedNumberText(std::pow(X1 - X2, 2) + std::pow(Y1 - Y2, 2)));
    ui.DispDist5->setCaption(SpacedNumberText(SquareRoot(std::pow(X1 - X2, 2) + std::pow(Y1 - Y2, 2))));
}
