#include "testkit.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/application.h"

namespace testkit {

namespace {
QtMessageHandler passOn = nullptr;
}

void start()
{
    setupApplication();
    passOn = qInstallMessageHandler([](QtMsgType kind, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            passOn(kind, context, text);
    });
}

void type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

Form& open(const CalculatorWindow& window)
{
    Form& form = window.show();
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("%s did not become active", window.type->className());
    return form;
}

void enter(Form& form, const QStringList& entries)
{
    for (const QString& entry : entries)
        type(control<QLineEdit>(&form, entry.section(u'=', 0, 0)), entry.section(u'=', 1));
}

void calculateExample(Form& form, const CalculatorWindow& window)
{
    const QStringList example = QString::fromLatin1(window.example).split(u' ');
    const QList<Form::Entry> entries = form.entries();
    for (qsizetype i = 0; i < example.size(); ++i)
        type(entries.at(i).box, example[i]);
    click(calculateButton(form));
}

QPushButton* calculateButton(const Form& form)
{
    return form.findChild<QPushButton*>();
}

QStringList lines(const Form& form)
{
    QStringList captions;
    for (const StepLine* line : form.stepLines())
        captions << QString(line->caption()).replace(u' ', u'·');
    return captions;
}

QStringList messageBoxes(const std::function<void()>& action)
{
    QStringList seen;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QCOMPARE(box->icon(), QMessageBox::Warning);
        seen << box->windowTitle() + QStringLiteral(": ") + box->text();
        box->button(QMessageBox::Ok)->click();
    });
    watcher.start();
    action();
    watcher.stop();
    return seen;
}

} // namespace testkit
