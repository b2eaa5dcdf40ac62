#pragma once

#include <memory>

#include "model/form.h"

namespace Ui {
class frmMenu;
}
class ConverterRow;

// The main menu: twelve pictures that open their windows, and the US and
// metric length converters.
class frmMenu : public Form
{
    Q_OBJECT

public:
    explicit frmMenu(QWidget* parent = nullptr);
    ~frmMenu() override;

protected:
    void Form_Load() override;

private:
    std::unique_ptr<Ui::frmMenu> ui;
    ConverterRow* m_us;
    ConverterRow* m_metric;
};
