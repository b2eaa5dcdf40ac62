#pragma once

#include <memory>

#include "model/form.h"

namespace Ui {
class frmMenu;
}

// The main menu: twelve pictures that open their windows, and the US and
// metric length converters.
class frmMenu : public Form
{
    Q_OBJECT

public:
    explicit frmMenu(QWidget* parent = nullptr);
    ~frmMenu() override;

    void square_Click();
    void Triangle_Click();
    void trape_Click();
    void para_Click();
    void circ_Click();
    void RecSolid_Click();
    void Cylinder_Click();
    void Cone_Click();
    void Sphere_Click();
    void Pyramid_Click();
    void DistAndMidPoint_Click();
    void Therom_Click();

    void Combo1_Click();
    void Combo2_Click();
    void Textbox_Change();
    void MCombo1_Click();
    void MCombo2_Click();
    void MTextBox_Change();

    // The two converters: each reads its value box and unit lists and writes
    // its result and arithmetic labels.
    void update();
    void m_update();
    using QWidget::update;

protected:
    void Form_Load() override;

private:
    std::unique_ptr<Ui::frmMenu> ui;
};
