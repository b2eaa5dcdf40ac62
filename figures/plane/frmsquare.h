#pragma once

#include "model/calculator.h"
#include "ui_frmsquare.h"

// The rectangle: area and perimeter from a length and a width.
class frmsquare : public Calculator
{
    Q_OBJECT

public:
    explicit frmsquare(QWidget* parent = nullptr);

    void calculate_Click();

private:
    Ui::frmsquare ui;
};
