#include "app/model/optiongroup.h"

#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

OptionGroupKeys::OptionGroupKeys(QWidget* window, const QList<QWidget*>& tabOrder)
    : QObject(window)
    , m_window(window)
{
    for (QWidget* control : tabOrder) {
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            m_options << option;
            option->installEventFilter(this);
        }
    }
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

bool OptionGroupKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::KeyPress)
        return false;
    auto* option = qobject_cast<QRadioButton*>(watched);
    if (!option)
        return false;
    const QList<QRadioButton*> group = groupOf(option);
    const auto selected = std::find_if(group.begin(), group.end(), [](const QRadioButton* o) { return o->isChecked(); });
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (selected != group.end() && *selected != option
            && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            (*selected)->setFocus(reason);
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        QWidget* next = option;
        do
            next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        while (next != option && (group.contains(next) || !(next->focusPolicy() & Qt::TabFocus)
                                  || !next->isEnabled() || !next->isVisibleTo(m_window)));
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    const int step = key->key() == Qt::Key_Down || key->key() == Qt::Key_Right ? 1
                     : key->key() == Qt::Key_Up || key->key() == Qt::Key_Left ? -1
                                                                              : 0;
    if (step == 0)
        return false;
    QRadioButton* target = group[(group.indexOf(option) + step + group.size()) % group.size()];
    target->setFocus(Qt::OtherFocusReason);
    target->click();
    return true;
}
