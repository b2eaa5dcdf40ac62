#include "testkit.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include "app/application.h"
#include "app/frmmenu.h"
#include "app/frmsplash.h"

namespace testkit {

namespace {
QtMessageHandler passOn = nullptr;
}

void start(Setup setup)
{
    setupApplication();
    if (setup == Setup::Whole)
        finishSetup();
    passOn = qInstallMessageHandler([](QtMsgType kind, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            passOn(kind, context, text);
    });
}

Run tessaro(QStringList arguments)
{
    QTemporaryDir temporary;
    const QString home = temporary.filePath(QStringLiteral("home"));
    QDir().mkdir(home);
    QFile::setPermissions(home, QFile::Permissions(0x7755));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("QT_FATAL_WARNINGS"), QStringLiteral("1"));
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    environment.insert(QStringLiteral("HOME"), home);
    while (!arguments.isEmpty() && arguments.first().startsWith(u'@')) {
        const QString setting = arguments.takeFirst().mid(1).replace(QStringLiteral("%t"), temporary.path());
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    QByteArray input;
    const QString last = arguments.isEmpty() ? QString() : arguments.last();
    if (last.startsWith(u'>'))
        program.setStandardOutputFile(last.mid(1));
    else if (last == QLatin1String("<&-"))
        program.setChildProcessModifier([] { close(0); });
    else if (last.startsWith(QLatin1String("<@")))
        program.setStandardInputFile(last.mid(2));
    else if (last.startsWith(u'<'))
        input = last.mid(1).toUtf8();
    if (last.startsWith(u'>') || last.startsWith(u'<'))
        arguments.removeLast();
    program.start(QStringLiteral(TESSARO_PROGRAM), arguments);
    program.write(input);
    program.closeWriteChannel();
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit)
        return {-1, {}, program.errorString(), {}};
    QStringList left = QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    left.removeOne(QStringLiteral("home"));
    left += QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError()), left};
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

void closeAll()
{
    if (frmSplash* splash = formInstance<frmSplash>())
        splash->close();
    QList<Form*> open{formInstance<frmMenu>().data()};
    for (const CalculatorWindow& window : calculatorWindows)
        open.prepend(window.instance());
    for (Form* form : open) {
        if (form)
            form->close();
    }
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

Calculator& open(const CalculatorWindow& window)
{
    Calculator& form = window.show();
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("%s did not become active", window.type->className());
    return form;
}

void enter(Form& form, const QStringList& entries)
{
    for (const QString& entry : entries) {
        if (entry.startsWith(QLatin1String("*="))) {
            for (const Form::Entry& every : form.entries())
                type(every.box, entry.mid(2));
            continue;
        }
        QWidget* box = control(&form, entry.section(u'=', 0, 0));
        if (auto* list = qobject_cast<QComboBox*>(box))
            list->setCurrentIndex(entry.section(u'=', 1).toInt());
        else
            type(static_cast<QLineEdit*>(box), entry.section(u'=', 1));
    }
}

void calculateExample(Calculator& form)
{
    const QList<Form::Entry> entries = form.entries();
    qsizetype i = 0;
    for (QStringView entry : form.figure().example)
        type(entries.at(i++).box, entry.toString());
    click(calculateButton(form));
}

QPushButton* calculateButton(const Form& form)
{
    return form.findChild<QPushButton*>();
}

QStringList lines(const Calculator& form)
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
        // A warning, told as an alert, with a plain OK; anything else is
        // seen as it is, and the box closed all the same.
        const bool plain = box->icon() == QMessageBox::Warning && box->button(QMessageBox::Ok)->icon().isNull()
            && QAccessible::queryAccessibleInterface(box)->role() == QAccessible::AlertMessage;
        seen << (plain ? QString() : QStringLiteral("not a plain warning: ")) + box->windowTitle()
                + QStringLiteral(": ") + box->text();
        box->button(QMessageBox::Ok)->click();
    });
    watcher.start();
    action();
    watcher.stop();
    return seen;
}

} // namespace testkit
