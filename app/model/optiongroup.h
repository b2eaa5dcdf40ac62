#pragma once

// The keyboard of a window's option buttons: the options that share a
// container are one stop of the Tab key. Tab enters the group on the
// selected option and leaves it for the next control; the arrow keys select
// round the group, and so raise the newly selected option's Click.

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

    QWidget* m_window;
    QList<QRadioButton*> m_options;
};
