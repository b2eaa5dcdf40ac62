#include "figures/plane/frmsquare.h"

#include "numeric/numbertext.h"

frmsquare::frmsquare(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.calculate, &frmsquare::calculate_Click);
}

void frmsquare::calculate_Click()
{
    const double L = ValueOfText(ui.Lenth->text());
    const double W = ValueOfText(ui.Wid->text());

    ui.DispArea1->setCaption("A =" + SpacedNumberText(L) + " * " + SpacedNumberText(W));
    ui.DispArea2->setCaption("A =" + SpacedNumberText(L * W));
    ui.DispPer1->setCaption("P = 2*" + SpacedNumberText(L) + " + 2*" + SpacedNumberText(W));
    ui.DispPer2->setCaption("P =" + SpacedNumberText(2 * L) + "+" + SpacedNumberText(2 * W));
    ui.DispPer3->setCaption("P =" + SpacedNumberText(2 * L + 2 * W));
}
