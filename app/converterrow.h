#pragma once

// A length converter on the menu: a value box, the unit to convert from and
// the unit to convert to, the result and the arithmetic. Every pick of a
// unit and every change of the value recomputes it; a screen reader is
// told the new result with its unit, at once after a pick, once typing has
// paused after a change of the value.

#include <QObject>

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
    enum class Tell { AtOnce, AfterTyping };
    void update(Tell tell);

    const LengthConverter& m_converter;
    Controls m_controls;
    QWidget* m_window;
};
