#pragma once

#include "model/form.h"
#include "ui_frmcone.h"

// The cone: volume from a height and a radius, surface area from a slant length and a radius.
class FrmCone : public Form
{
    Q_OBJECT

public:
    explicit FrmCone(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmCone ui;
};
