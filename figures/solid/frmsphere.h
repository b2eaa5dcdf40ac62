#pragma once

#include "model/calculator.h"
#include "ui_frmsphere.h"

// The sphere: volume and surface area from the radius.
class FrmSphere : public Calculator
{
    Q_OBJECT

public:
    explicit FrmSphere(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmSphere ui;
};
