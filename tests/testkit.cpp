#include "testkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/controls.h"

namespace testkit {

QWidget* control(QWidget* form, const QString& name)
{
    auto* widget = form->findChild<QWidget*>(name);
    if (!widget)
        qFatal("no control named %s in %s", qPrintable(name), qPrintable(form->objectName()));
    return widget;
}

void type(QWidget* form, const QString& box, const QString& text)
{
    auto* edit = control<QLineEdit>(form, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void click(QWidget* form, const QString& name)
{
    QWidget* widget = control(form, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QString caption(QWidget* form, const QString& label)
{
    return control<QLabel>(form, label)->text();
}

QStringList captions(QWidget* form, const QStringList& labels)
{
    QStringList result;
    for (const QString& label : labels)
        result << caption(form, label);
    return result;
}

MessageBoxSeen runtimeErrorBox(const QString& message)
{
    if (message.isEmpty())
        return {};
    return {1, QStringLiteral("Tessaro"), message, QMessageBox::Warning, {QStringLiteral("OK")}};
}

char* toString(const MessageBoxSeen& seen)
{
    return QTest::toString(QStringLiteral("%1 box(es) \"%2\": \"%3\", icon %4, buttons %5")
                               .arg(seen.count)
                               .arg(seen.title, seen.text)
                               .arg(int(seen.icon))
                               .arg(seen.buttons.join(u',')));
}

MessageBoxSeen answerMessageBoxes(const std::function<void()>& action)
{
    MessageBoxSeen seen;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ++seen.count;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons.clear();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text().remove(u'&');
        box->buttons().value(0)->click();
    });
    watcher.start();
    action();
    watcher.stop();
    return seen;
}

void addControlRows(const QList<ControlRow>& rows)
{
    QTest::addColumn<ControlRow>("row");
    for (const ControlRow& row : rows)
        QTest::newRow(qPrintable(row.name)) << row;
}

static QString kindOf(QWidget* widget)
{
    if (qobject_cast<ImageBox*>(widget))
        return QStringLiteral("Image");
    if (qobject_cast<QLabel*>(widget))
        return QStringLiteral("Label");
    if (qobject_cast<QLineEdit*>(widget))
        return QStringLiteral("TextBox");
    if (qobject_cast<QGroupBox*>(widget))
        return QStringLiteral("Frame");
    if (qobject_cast<QPushButton*>(widget))
        return QStringLiteral("CommandButton");
    if (qobject_cast<QComboBox*>(widget))
        return QStringLiteral("ComboBox");
    if (qobject_cast<QRadioButton*>(widget))
        return QStringLiteral("OptionButton");
    return QString::fromLatin1(widget->metaObject()->className());
}

static QString captionOf(QWidget* widget)
{
    if (qobject_cast<ImageBox*>(widget))
        return QString();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    return QString();
}

void checkControlRow(QWidget* form)
{
    QFETCH(ControlRow, row);
    QWidget* widget = control(form, row.name);
    QCOMPARE(kindOf(widget), row.kind);
    QCOMPARE(widget->parentWidget()->objectName(), row.container);
    if (row.kind != QLatin1String("Image"))
        QCOMPARE(captionOf(widget), row.caption);

    auto* line = qobject_cast<StepLine*>(widget);
    if (row.autoSize == QLatin1String("yes"))
        QVERIFY2(line && line->autoSize(), "an AutoSize step line");
    else if (row.autoSize == QLatin1String("no"))
        QVERIFY2(!line || !line->autoSize(), "a label of fixed size");
    if (row.kind == QLatin1String("Label") && !(line && line->autoSize()))
        QVERIFY2(qobject_cast<QLabel*>(widget)->wordWrap(), "a fixed label wraps its caption");

    // An AutoSize line's stored size is only its starting size.
    const QRect g = widget->geometry();
    QCOMPARE(QPoint(g.x() * 15, g.y() * 15), QPoint(row.left, row.top));
    if (!(line && line->autoSize()))
        QCOMPARE(QSize(g.width() * 15, g.height() * 15), QSize(row.width, row.height));
}

void checkForm(QWidget* form, const QString& name, const QString& caption, int clientLeft,
               int clientTop, int clientWidth, int clientHeight)
{
    QCOMPARE(form->objectName(), name);
    QCOMPARE(form->windowTitle(), caption);
    const QRect client = form->geometry();
    QCOMPARE(client, QRect(clientLeft / 15, clientTop / 15, clientWidth / 15, clientHeight / 15));
}

QStringList tabOrder(QWidget* form)
{
    QStringList names;
    QWidget* start = form->focusWidget();
    if (!start)
        return names;
    QWidget* w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(form))
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start);
    return names;
}

} // namespace testkit
