#pragma once

#include "model/calculator.h"
#include "ui_frmrecsolid.h"

// The rectangular solid: volume and surface area from its length, height and width.
class FrmRecSolid : public Calculator
{
    Q_OBJECT

public:
    explicit FrmRecSolid(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmRecSolid ui;
};
