#include "app/converterrow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "convert/lengthconversion.h"
#include "model/announcement.h"
#include "model/controls.h"

ConverterRow::ConverterRow(const LengthConverter& converter, const Controls& controls, QWidget* window)
    : QObject(window)
    , m_converter(converter)
    , m_controls(controls)
    , m_window(window)
{
    for (QComboBox* list : {m_controls.from, m_controls.to})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { update(Tell::AtOnce); });
    connect(m_controls.value, &QLineEdit::textChanged, this, [this] { update(Tell::AfterTyping); });
}

void ConverterRow::prepare()
{
    // The lists are filled without a selection: adding the first unit would
    // otherwise select it and recompute before the lists are complete.
    for (QComboBox* list : {m_controls.from, m_controls.to}) {
        const QSignalBlocker quiet(list);
        for (const LengthUnit& unit : m_converter.units)
            list->addItem(unit.name.toString());
        list->setCurrentIndex(-1);
    }
    // The first pick finds the other list still without selection and
    // shows nothing; the second shows the value in its own unit.
    m_controls.from->setCurrentIndex(0);
    m_controls.to->setCurrentIndex(0);
}

// Writes the result, then the arithmetic, and tells a screen reader the
// value with its unit, or the result alone where there is no arithmetic (an
// overflow); nothing when there is nothing to show.
void ConverterRow::update(Tell tell)
{
    const std::optional<LengthConversion> conversion = convertLength(
        m_converter, m_controls.value->text(), m_controls.from->currentIndex(), m_controls.to->currentIndex());
    if (!conversion)
        return;
    setWholeCaption(m_controls.result, conversion->result);
    setWholeCaption(m_controls.math, conversion->math);
    const QString spoken =
        conversion->math.isEmpty() ? conversion->result : conversion->result + u' ' + m_controls.to->currentText();
    if (tell == Tell::AtOnce)
        announce(m_window, spoken);
    else
        announceAfterTyping(m_window, spoken);
}
