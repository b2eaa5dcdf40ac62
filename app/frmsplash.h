#pragma once

#include "app/model/form.h"
#include "ui_frmsplash.h"

// The picture shown at start-up: a click or a character key hands over to
// the menu.
class frmSplash : public Form
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

protected:
    void Form_Click() override;
    void Form_KeyPress(int keyAscii) override;
    void Form_QueryUnload() override;

private:
    Ui::frmSplash ui;
};
