#include "app/frmmenu.h"
#include "ui_frmmenu.h"

#include "app/converterrow.h"
#include "convert/lengthconversion.h"
#include "figures/windowtable.h"
#include "geometry/figure.h"
#include "model/calculator.h"

frmMenu::frmMenu(QWidget* parent)
    : Form(parent)
    , ui(std::make_unique<Ui::frmMenu>())
{
    ui->setupUi(this);
    // Each picture is its figure's, opens its figure's window and is named
    // after the figure.
    for (const CalculatorWindow& window : calculatorWindows) {
        auto* picture = findChild<ImageBox*>(QLatin1String(window.picture));
        picture->setPicture(window.figure.picture.toString());
        picture->setAccessibleName(window.figure.caption.trimmed().toString());
        onClick(picture, [&window] { window.show(); });
    }
    m_us = new ConverterRow(usLengths, {ui->Textbox, ui->Combo1, ui->Combo2, ui->Result, ui->Math}, this);
    m_metric = new ConverterRow(metricLengths, {ui->MTextBox, ui->MCombo1, ui->MCombo2, ui->MResult, ui->mMath}, this);
}

frmMenu::~frmMenu() = default;

void frmMenu::Form_Load()
{
    m_us->prepare();
    m_metric->prepare();
}
