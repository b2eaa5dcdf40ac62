#pragma once

#include "model/calculator.h"
#include "ui_frmpryther.h"

// The Pythagorean theorem solved for the side that the selected option names;
// that side's box is disabled.
class FrmPryTher : public Calculator
{
    Q_OBJECT

public:
    explicit FrmPryTher(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmPryTher ui;
};
