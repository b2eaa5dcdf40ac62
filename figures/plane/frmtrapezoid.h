#pragma once

#include "model/calculator.h"
#include "ui_frmtrapezoid.h"

// The trapezoid: area from the two bases and the height, perimeter from the four sides.
class FrmTrapezoid : public Calculator
{
    Q_OBJECT

public:
    explicit FrmTrapezoid(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmTrapezoid ui;
};
