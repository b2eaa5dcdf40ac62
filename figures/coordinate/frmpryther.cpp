#include "figures/coordinate/frmpryther.h"

#include <cmath>

#include "numeric/numbertext.h"

FrmPryTher::FrmPryTher(QWidget* parent)
    : Form(parent)
{
    ui.setupUi(this);
    onClick(ui.Oa, &FrmPryTher::Oa_Click);
    onClick(ui.Ob, &FrmPryTher::Ob_Click);
    onClick(ui.Oc, &FrmPryTher::Oc_Click);
    onClick(ui.Command1, &FrmPryTher::Command1_Click);
}

void FrmPryTher::Form_Load()
{
    ui.Oc->setChecked(true);
}

void FrmPryTher::Oa_Click()
{
    ui.IputA->setEnabled(false);
    ui.IputB->setEnabled(true);
    ui.IputC->setEnabled(true);
}

void FrmPryTher::Ob_Click()
{
    ui.IputB->setEnabled(false);
    ui.IputA->setEnabled(true);
    ui.IputC->setEnabled(true);
}

void FrmPryTher::Oc_Click()
{
    ui.IputC->setEnabled(false);
    ui.IputA->setEnabled(true);
    ui.IputB->setEnabled(true);
}

// A known leg must be shorter than the hypotenuse.
void FrmPryTher::rejectKnownLeg()
{
    showMessage("Error: A + B Cannot be greater than C", QMessageBox::Warning, "Invalid Entry");
}

void FrmPryTher::Command1_Click()
{
    ui.DispPry1->setCaption(QString());
    ui.DispPry2->setCaption(QString());
    ui.DispPry3->setCaption(QString());
    ui.DispPry4->setCaption(QString());

    const double A = ValueOfText(ui.IputA->text());
    const double B = ValueOfText(ui.IputB->text());
    const double C = ValueOfText(ui.IputC->text());

    if (ui.Oc->isChecked()) {
        ui.DispPry1->setCaption(SpacedNumberText(A) + " ² +" + SpacedNumberText(B) + " ²=C ²");
        ui.DispPry2->setCaption(SpacedNumberText(std::pow(A, 2)) + "+" + SpacedNumberText(std::pow(B, 2)) + "=C ²");
        ui.DispPry3->setCaption(SpacedNumberText(std::pow(A, 2) + std::pow(B, 2)) + "=C ²");
        ui.DispPry4->setCaption(SpacedNumberText(SquareRoot(std::pow(A, 2) + std::pow(B, 2))) + "=C ");
    }

    if (ui.Oa->isChecked()) {
        if (B >= C) {
            rejectKnownLeg();
        } else {
            ui.DispPry1->setCaption("A ² +" + SpacedNumberText(B) + " ² =" + SpacedNumberText(C) + " ²");
            ui.DispPry2->setCaption("A ² +" + SpacedNumberText(std::pow(B, 2)) + "="
                                    + SpacedNumberText(std::pow(C, 2)));
            ui.DispPry3->setCaption("A ² =" + SpacedNumberText(std::pow(C, 2) - std::pow(B, 2)));
            ui.DispPry4->setCaption("A =" + SpacedNumberText(SquareRoot(std::pow(C, 2) - std::pow(B, 2))));
        }
    }

    if (ui.Ob->isChecked()) {
        if (A >= C) {
            rejectKnownLeg();
        } else {
            ui.DispPry1->setCaption(SpacedNumberText(A) + " ² + B ²  =" + SpacedNumberText(C) + " ²");
            ui.DispPry2->setCaption(SpacedNumberText(std::pow(A, 2)) + "+ B²=" + SpacedNumberText(std::pow(C, 2)));
            ui.DispPry3->setCaption("B ² =" + SpacedNumberText(std::pow(C, 2) - std::pow(A, 2)));
            ui.DispPry4->setCaption("B =" + SpacedNumberText(SquareRoot(std::pow(C, 2) - std::pow(A, 2))));
        }
    }
}
