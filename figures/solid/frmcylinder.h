#pragma once

#include "model/calculator.h"
#include "ui_frmcylinder.h"

// The cylinder: volume and surface area from the height and the radius.
class FrmCylinder : public Calculator
{
    Q_OBJECT

public:
    explicit FrmCylinder(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmCylinder ui;
};
