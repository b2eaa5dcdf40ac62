#include "testkit.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QVERIFY(box->button(QMessageBox::Ok)->icon().isNull());
        seen << box->windowTitle() + QStringLiteral(": ") + box->text();
        box->button(QMessageBox::Ok)->click();
    });
    watcher.start();
    action();
    watcher.stop();
    return seen;
}

namespace {
bool isInk(QRgb pixel)
{
    return qGray(pixel) < 100;
}

QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}
} // namespace

QImage ink(const QImage& image)
{
    QImage mask = image.copy(inkBounds(image)).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x)
            mask.setPixel(x, y, isInk(mask.pixel(x, y)) ? 0 : 0xffffffu);
    }
    return mask;
}

QImage ink(const QWidget* widget, const QString& text)
{
    const qreal ratio = widget->devicePixelRatioF();
    const QFontMetrics metrics = widget->fontMetrics();
    QImage image(QSize(metrics.horizontalAdvance(text) + 4, metrics.height()) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(widget->font());
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, metrics.ascent()), text);
    painter.end();
    return ink(image);
}

} // namespace testkit
