#pragma once

#include "model/calculator.h"
#include "ui_frmgrid.h"

// Two points of the plane: their midpoint and the distance between them, the
// distance lines standing under square-root signs.
class FrmGrid : public Calculator
{
    Q_OBJECT

public:
    explicit FrmGrid(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmGrid ui;
};
