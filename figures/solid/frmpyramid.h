#pragma once

#include "model/calculator.h"
#include "ui_frmpyramid.h"

// The square pyramid: volume from the base's side and the height, surface area from the base's side and the slant
// length.
class FrmPyramid : public Calculator
{
    Q_OBJECT

public:
    explicit FrmPyramid(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmPyramid ui;
};
