#pragma once

#include "model/calculator.h"
#include "ui_frmcircle.h"

// The circle: area and circumference from the radius.
class FrmCircle : public Calculator
{
    Q_OBJECT

public:
    explicit FrmCircle(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmCircle ui;
};
