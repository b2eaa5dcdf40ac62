#pragma once

// A length converter on the menu: a value box, the unit to convert from and
// the unit to convert to, the result and the arithmetic. Every pick of a
// unit and every change of the value recomputes it; a screen reader is
// told the new result with its unit, at once after a pick, once typing has
// paused after a change of the value.

#include <QObject>
#include <QString>

struct LengthConverter;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

class ConverterRow : public QObject
{
public:
    struct Controls
    {
        QLineEdit* value;
        QComboBox* from;
        QComboBox* to;
        QLabel* result;
        QLabel* math;
    };

    // The window owns the row.
    ConverterRow(const LengthConverter& converter, const Controls& controls, QWidget* window);

    // Fills both unit lists and picks the first unit in each: the value
    // then shows in its own unit.
    void prepare();

private:
    // Recomputes after a pick in a list, or a change of the value (null).
    void update(const QComboBox* picked);

    const LengthConverter& m_converter;
    Controls m_controls;
    QWidget* m_window;
    // Which converter the result and the arithmetic belong to, as a screen
    // reader describes them; their names are what they say, whole.
    QString m_resultDescription;
    QString m_mathDescription;
};
