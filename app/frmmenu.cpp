#include "app/frmmenu.h"
#include "ui_frmmenu.h"

#include <QSignalBlocker>

#include "model/announcement.h"
#include "convert/lengthconversion.h"
#include "figures/windowtable.h"

frmMenu::frmMenu(QWidget* parent)
    : Form(parent)
    , ui(std::make_unique<Ui::frmMenu>())
{
    ui->setupUi(this);
    onClick(ui->square, &frmMenu::square_Click);
    onClick(ui->Triangle, &frmMenu::Triangle_Click);
    onClick(ui->trape, &frmMenu::trape_Click);
    onClick(ui->para, &frmMenu::para_Click);
    onClick(ui->circ, &frmMenu::circ_Click);
    onClick(ui->RecSolid, &frmMenu::RecSolid_Click);
    onClick(ui->Cylinder, &frmMenu::Cylinder_Click);
    onClick(ui->Cone, &frmMenu::Cone_Click);
    onClick(ui->Sphere, &frmMenu::Sphere_Click);
    onClick(ui->Pyramid, &frmMenu::Pyramid_Click);
    onClick(ui->DistAndMidPoint, &frmMenu::DistAndMidPoint_Click);
    onClick(ui->Therom, &frmMenu::Therom_Click);

    onClick(ui->Combo1, &frmMenu::Combo1_Click);
    onClick(ui->Combo2, &frmMenu::Combo2_Click);
    onChange(ui->Textbox, &frmMenu::Textbox_Change);
    onClick(ui->MCombo1, &frmMenu::MCombo1_Click);
    onClick(ui->MCombo2, &frmMenu::MCombo2_Click);
    onChange(ui->MTextBox, &frmMenu::MTextBox_Change);
}

frmMenu::~frmMenu() = default;

namespace {

// Fills a unit list with the converter's units, leaving it without a
// selection: adding the first item would otherwise select it and raise the
// list's Click before the lists are complete.
void fillUnits(QComboBox* list, const LengthTable& table)
{
    const QSignalBlocker quiet(list);
    for (QStringView unit : table.units)
        list->addItem(unit.toString());
    list->setCurrentIndex(-1);
}

// Writes a converter's result, then its arithmetic; nothing when there is
// nothing to show.
void showConversion(const std::optional<LengthConversion>& conversion, QLabel* result, QLabel* math)
{
    if (!conversion)
        return;
    setWholeCaption(result, conversion->result);
    setWholeCaption(math, conversion->math);
}

// What a screen reader is told of a converter's result: the value with its
// unit, or the result alone where there is no arithmetic (an overflow).
QString spokenResult(const QLabel* result, const QLabel* math, const QComboBox* toUnit)
{
    if (math->text().isEmpty())
        return result->text();
    return result->text() + u' ' + toUnit->currentText();
}

} // namespace

void frmMenu::Form_Load()
{
    // Each selection raises its list's Click: the first finds the other list
    // still without selection and shows nothing, the second shows the value
    // in its own unit.
    fillUnits(ui->Combo1, usLengths);
    fillUnits(ui->Combo2, usLengths);
    ui->Combo1->setCurrentIndex(0);
    ui->Combo2->setCurrentIndex(0);

    fillUnits(ui->MCombo1, metricLengths);
    fillUnits(ui->MCombo2, metricLengths);
    ui->MCombo1->setCurrentIndex(0);
    ui->MCombo2->setCurrentIndex(0);
}

void frmMenu::square_Click()
{
    calculatorWindow(u"square").show();
}

void frmMenu::Triangle_Click()
{
    calculatorWindow(u"Triangle").show();
}

void frmMenu::trape_Click()
{
    calculatorWindow(u"trape").show();
}

void frmMenu::para_Click()
{
    calculatorWindow(u"para").show();
}

void frmMenu::circ_Click()
{
    calculatorWindow(u"circ").show();
}

void frmMenu::RecSolid_Click()
{
    calculatorWindow(u"RecSolid").show();
}

void frmMenu::Cylinder_Click()
{
    calculatorWindow(u"Cylinder").show();
}

void frmMenu::Cone_Click()
{
    calculatorWindow(u"Cone").show();
}

void frmMenu::Sphere_Click()
{
    calculatorWindow(u"Sphere").show();
}

void frmMenu::Pyramid_Click()
{
    calculatorWindow(u"Pyramid").show();
}

void frmMenu::DistAndMidPoint_Click()
{
    calculatorWindow(u"DistAndMidPoint").show();
}

void frmMenu::Therom_Click()
{
    calculatorWindow(u"Therom").show();
}

void frmMenu::Combo1_Click()
{
    update();
    announce(this, spokenResult(ui->Result, ui->Math, ui->Combo2));
}

void frmMenu::Combo2_Click()
{
    update();
    announce(this, spokenResult(ui->Result, ui->Math, ui->Combo2));
}

void frmMenu::Textbox_Change()
{
    update();
    announceAfterTyping(this, spokenResult(ui->Result, ui->Math, ui->Combo2));
}

void frmMenu::MCombo1_Click()
{
    m_update();
    announce(this, spokenResult(ui->MResult, ui->mMath, ui->MCombo2));
}

void frmMenu::MCombo2_Click()
{
    m_update();
    announce(this, spokenResult(ui->MResult, ui->mMath, ui->MCombo2));
}

void frmMenu::MTextBox_Change()
{
    m_update();
    announceAfterTyping(this, spokenResult(ui->MResult, ui->mMath, ui->MCombo2));
}

void frmMenu::update()
{
    showConversion(
        convertLength(usLengths, ui->Textbox->text(), ui->Combo1->currentIndex(), ui->Combo2->currentIndex()),
        ui->Result, ui->Math);
}

void frmMenu::m_update()
{
    showConversion(
        convertLength(metricLengths, ui->MTextBox->text(), ui->MCombo1->currentIndex(), ui->MCombo2->currentIndex()),
        ui->MResult, ui->mMath);
}
