#include "model/optiongroup.h"

#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

OptionGroupKeys::OptionGroupKeys(QWidget* window, const QList<QWidget*>& tabOrder)
    : QObject(window)
{
    for (QWidget* control : tabOrder) {
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            m_options << option;
            option->installEventFilter(this);
            connect(option, &QRadioButton::toggled, this, &OptionGroupKeys::updateTabStops);
        }
    }
    updateTabStops();
}

// The options of the same container, in the order of the Tab key.
QList<QRadioButton*> OptionGroupKeys::groupOf(const QRadioButton* option) const
{
    QList<QRadioButton*> group;
    for (QRadioButton* other : m_options) {
        if (other->parentWidget() == option->parentWidget())
            group << other;
    }
    return group;
}

void OptionGroupKeys::updateTabStops()
{
    for (QRadioButton* option : std::as_const(m_options)) {
        const QList<QRadioButton*> group = groupOf(option);
        const bool noneSelected =
            std::none_of(group.begin(), group.end(), [](const QRadioButton* o) { return o->isChecked(); });
        option->setFocusPolicy(option->isChecked() || noneSelected ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool OptionGroupKeys::eventFilter(QObject* watched, QEvent* event)
{
    auto* option = qobject_cast<QRadioButton*>(watched);
    if (event->type() != QEvent::KeyPress || !option)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
        : key == Qt::Key_Up || key == Qt::Key_Left               ? -1
                                                                 : 0;
    if (step == 0)
        return false;
    const QList<QRadioButton*> group = groupOf(option);
    QRadioButton* target = group[(group.indexOf(option) + step + group.size()) % group.size()];
    target->click();
    target->setFocus(Qt::OtherFocusReason);
    return true;
}
