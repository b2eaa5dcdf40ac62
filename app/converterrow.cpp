#include "app/converterrow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "convert/lengthconversion.h"
#include "geometry/spoken.h"
#include "model/announcement.h"
#include "model/controls.h"

ConverterRow::ConverterRow(const LengthConverter& converter, const Controls& controls, QWidget* window)
    : QObject(window)
    , m_converter(converter)
    , m_controls(controls)
    , m_window(window)
    , m_resultDescription(controls.result->accessibleDescription())
    , m_mathDescription(controls.math->accessibleDescription())
{
    for (QComboBox* list : {m_controls.from, m_controls.to})
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { update(list); });
    connect(m_controls.value, &QLineEdit::textChanged, this, [this] { update(nullptr); });
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

// Writes the result, then the arithmetic; nothing when there is nothing to
// show. A screen reader is told the result with its unit (the result alone
// where there is no arithmetic, an overflow): after a pick, at once and
// after the unit picked ("Feet: 144 Inches"); after typing, once it pauses.
// The result is named by what it says, the arithmetic in words.
void ConverterRow::update(const QComboBox* picked)
{
    const std::optional<LengthConversion> conversion = convertLength(
        m_converter, m_controls.value->text(), m_controls.from->currentIndex(), m_controls.to->currentIndex());
    if (!conversion)
        return;
    setWholeCaption(m_controls.result, conversion->result);
    setWholeCaption(m_controls.math, conversion->math);
    const QString result =
        conversion->math.isEmpty() ? conversion->result : conversion->result + u' ' + m_controls.to->currentText();
    m_controls.result->setAccessibleName(result);
    m_controls.result->setAccessibleDescription(m_resultDescription);
    m_controls.math->setAccessibleName(spokenText(conversion->math));
    m_controls.math->setAccessibleDescription(m_mathDescription);
    if (picked)
        announce(m_window, picked->currentText() + QStringLiteral(": ") + result);
    else
        announceAfterTyping(m_window, result);
}
