#pragma once

#include "model/form.h"
#include "ui_frmrecsolid.h"

// The rectangular solid: volume and surface area from a length, a width and a height.
class FrmRecSolid : public Form
{
    Q_OBJECT

public:
    explicit FrmRecSolid(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmRecSolid ui;
};
