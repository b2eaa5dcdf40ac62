#pragma once

#include "model/form.h"
#include "ui_frmcylinder.h"

// The cylinder: volume and surface area from a height and a radius.
class FrmCylinder : public Form
{
    Q_OBJECT

public:
    explicit FrmCylinder(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmCylinder ui;
};
