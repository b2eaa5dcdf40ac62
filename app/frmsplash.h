#pragma once

#include <memory>

#include "model/form.h"

namespace Ui {
class frmSplash;
}

// The picture shown at start-up: a click or a character key hands over to
// the menu.
class frmSplash : public Form
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

protected:
    void Form_Click() override;
    void Form_KeyPress(int keyAscii) override;
    void Form_QueryUnload() override;

private:
    std::unique_ptr<Ui::frmSplash> ui;
};
