#include "model/accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "model/form.h"

namespace {

class AccessibleLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLabel(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString name = label()->accessibleName();
        switch (kind) {
        case QAccessible::Name:
            return name.isEmpty() ? label()->text() : name;
        case QAccessible::Description:
            return name.isEmpty() ? label()->accessibleDescription() : label()->text();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        const QString box = label()->property("calculatedFrom").toString();
        QWidget* from = box.isEmpty() ? nullptr : label()->window()->findChild<QWidget*>(box);
        if (from && (match & QAccessible::Controller))
            related.append({QAccessible::queryAccessibleInterface(from), QAccessible::Controller});
        return related;
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

class SelectAfterFocusTold : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            return false;
        // The box takes the focus as from code, which selects nothing; Qt
        // tells of the focus when this event is done.
        auto* box = static_cast<QLineEdit*>(watched);
        QFocusEvent quiet(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(box, &quiet);
        QTimer::singleShot(0, box, [box] {
            if (box->hasFocus() && !box->hasSelectedText())
                box->selectAll();
        });
        return true;
    }
};
} // namespace

void selectAfterFocusTold(QWidget* window)
{
    auto* filter = new SelectAfterFocusTold(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(filter);
}

QAccessibleInterface* accessibleWindowPart(const QString& className, QObject* object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (qobject_cast<Form*>(widget) && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && (className == QLatin1String("StepLine") || label->property("calculatedFrom").isValid()))
        return new AccessibleLabel(label);
    if (className == QLatin1String("QWidget") && !widget->isWindow() && !widget->accessibleName().isEmpty())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}
