#pragma once

#include "model/calculator.h"
#include "ui_frmtriangle.h"

// The triangle: perimeter from three sides, area from a base and a height.
class FrmTriangle : public Calculator
{
    Q_OBJECT

public:
    explicit FrmTriangle(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmTriangle ui;
};
