#pragma once

#include "model/form.h"
#include "ui_frmsphere.h"

// The sphere: volume and surface area from a radius.
class FrmSphere : public Form
{
    Q_OBJECT

public:
    explicit FrmSphere(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmSphere ui;
};
