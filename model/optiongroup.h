#pragma once

// The keyboard of a window's option buttons: the options that share a
// container are one stop of the Tab key, the selected one (all of them
// while none is selected); the others take the focus only from the mouse.
// The arrow keys select round the group, and so raise the newly selected
// option's Click, and then move the focus to it, so that a screen reader
// hears of the option already selected.

#include <QList>
#include <QObject>

class QRadioButton;
class QWidget;

class OptionGroupKeys : public QObject
{
    Q_OBJECT

public:
    // Watches every option button among the controls, which are in the
    // order of the Tab key; the window owns the watcher.
    OptionGroupKeys(QWidget* window, const QList<QWidget*>& tabOrder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QRadioButton*> groupOf(const QRadioButton* option) const;
    void updateTabStops();

    QList<QRadioButton*> m_options;
};
