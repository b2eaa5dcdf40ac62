#pragma once

#include "model/calculator.h"
#include "ui_frmcone.h"

// The cone: volume from the radius and the height, surface area from the radius and the slant length.
class FrmCone : public Calculator
{
    Q_OBJECT

public:
    explicit FrmCone(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmCone ui;
};
