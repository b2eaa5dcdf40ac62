#include "model/form.h"

#include <QCloseEvent>
#include <QPainter>

#include "geometry/figure.h"
#include "model/accessibility.h"
#include "model/definition.h"
#include "model/optiongroup.h"
#include "numeric/numbertext.h"

Form::Form(QWidget* parent)
    : QWidget(parent)
{
}

void Form::load()
{
    AppliedDefinition definition = applyDefinition(this);
    m_picture = definition.picture;
    m_tabOrder = definition.tabOrder;
    new OptionGroupKeys(this, m_tabOrder);
    selectAfterFocusTold(this);
    runHandler([this] { Form_Load(); });

    // The caret starts in the first control of the tab order that takes it.
    for (QWidget* control : std::as_const(m_tabOrder)) {
        if (control->isEnabled() && !control->isHidden()) {
            control->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

QList<Form::Entry> Form::entries() const
{
    QList<Entry> entries;
    for (QWidget* control : m_tabOrder) {
        auto* box = qobject_cast<QLineEdit*>(control);
        if (!box)
            continue;
        QString label = box->accessibleName();
        for (const QLabel* caption : findChildren<QLabel*>()) {
            if (caption->buddy() == box)
                label = caption->text();
        }
        entries.append({label, box});
    }
    return entries;
}

void Form::runHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeError& error) {
        showMessage(error.message(), QMessageBox::Warning, RuntimeErrorTitle);
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("Error: %1").arg(QString::fromLocal8Bit(error.what())), QMessageBox::Warning,
                    RuntimeErrorTitle);
    }
}

void Form::showMessage(const QString& prompt, QMessageBox::Icon icon, const QString& title)
{
    emit message(title, prompt);
    if (!m_messageBoxesShown)
        return;
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, this);
    box.exec();
}

void Form::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_picture.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_picture);
    }
}

void Form::closeEvent(QCloseEvent* event)
{
    runHandler([this] { Form_QueryUnload(); });
    event->accept();
}

void Form::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void Form::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton;
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        runHandler([this] { Form_Click(); });
}

void Form::keyPressEvent(QKeyEvent* event)
{
    // Only keys that produce a character raise KeyPress.
    const QString text = event->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    runHandler([this, code = int(text.front().unicode())] { Form_KeyPress(code); });
}
