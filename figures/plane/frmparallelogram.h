#pragma once

#include "model/calculator.h"
#include "ui_frmparallelogram.h"

// The parallelogram: area from the base and the height, perimeter from the slant length and the base.
class FrmParallelogram : public Calculator
{
    Q_OBJECT

public:
    explicit FrmParallelogram(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmParallelogram ui;
};
