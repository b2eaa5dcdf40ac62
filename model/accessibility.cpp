#include "model/accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
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
            if (!label()->accessibleDescription().isEmpty() || name.isEmpty())
                return label()->accessibleDescription();
            return label()->text();
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

// The text of a control as a screen reader reads it: pieces by offset, and
// its attributes (it has none) in one run over the whole text.
class WholeText : public QAccessibleTextInterface
{
public:
    QString text(int startOffset, int endOffset) const override
    {
        return startOffset > endOffset ? QString() : wholeText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(wholeText().size()); }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

protected:
    virtual QString wholeText() const = 0;
};

// A text box told as Qt tells it, but for its text attributes. Qt gives the
// attributes at an offset as a run from the offset to itself, holding no
// character; Orca splits each line it speaks at those runs and so drops the
// last character ("1" for 12, "2." for 2.5). A box has no attributes: one run
// holds its whole text.
class AccessibleBox : public QAccessibleWidget, public WholeText, public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleBox(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        // Every box of Tessaro takes typing.
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    using WholeText::text;
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void scrollToSubstring(int, int endOffset) override { box()->setCursorPosition(endOffset); }

    void selection(int index, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }

    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }

    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }

    // Where the character is on the screen, measured from the text's start,
    // as Qt measures it.
    QRect characterRect(int offset) const override
    {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        const QFontMetrics metrics(box()->font());
        const QPoint at(metrics.horizontalAdvance(box()->text().left(offset)), box()->textMargins().top());
        return {box()->mapToGlobal(at), QSize(metrics.horizontalAdvance(character), metrics.height())};
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }

    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QString wholeText() const override { return box()->text(); }
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

// A drop-down list told by its own name and then its item ("US unit to
// convert from combo box Inches"). Qt names a list by its item alone, and
// Orca asks for the item as the list's text or as the selected one of its
// children, neither of which Qt's list gives: here the item is the text.
class AccessibleList : public QAccessibleWidget, public WholeText
{
public:
    explicit AccessibleList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    using WholeText::text;
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? item() : QAccessibleWidget::text(kind);
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    int selectionCount() const override { return 0; }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }

private:
    QString wholeText() const override { return item(); }
    QString item() const { return static_cast<QComboBox*>(widget())->currentText(); }
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
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleBox(static_cast<QLineEdit*>(widget));
    if (className == QLatin1String("QComboBox") && !widget->accessibleName().isEmpty())
        return new AccessibleList(static_cast<QComboBox*>(widget));
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && (className == QLatin1String("StepLine") || label->property("calculatedFrom").isValid()))
        return new AccessibleLabel(label);
    if (className == QLatin1String("QWidget") && !widget->isWindow() && !widget->accessibleName().isEmpty())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}
