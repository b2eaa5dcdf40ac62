#pragma once

#include "model/form.h"
#include "ui_frmpryther.h"

// The Pythagorean theorem solved for the side that the selected option names;
// that side's box is disabled.
class FrmPryTher : public Form
{
    Q_OBJECT

public:
    explicit FrmPryTher(QWidget* parent = nullptr);

    void Oa_Click();
    void Ob_Click();
    void Oc_Click();
    void Command1_Click();

protected:
    void Form_Load() override;

private:
    void rejectKnownLeg();

    Ui::FrmPryTher ui;
};
