#pragma once

#include "model/form.h"
#include "ui_frmpyramid.h"

// The square pyramid: volume from the base edge and the height, surface area
// from the base edge and the slant length.
class FrmPyramid : public Form
{
    Q_OBJECT

public:
    explicit FrmPyramid(QWidget* parent = nullptr);

    void Command1_Click();

private:
    Ui::FrmPyramid ui;
};
