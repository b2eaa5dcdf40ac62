#include "model/form.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>

#include "model/accessibility.h"
#include "model/announcement.h"
#include "model/definition.h"
#include "model/optiongroup.h"
#include "model/readingorder.h"
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
    if (!findChildren<StepLine*>().isEmpty()) {
        recordWrittenLines();
        addCopyWorkedSolution();
        stackInReadingOrder(this);
        // Once an entry changes, the results told are no longer current.
        for (QLineEdit* box : findChildren<QLineEdit*>())
            connect(box, &QLineEdit::textChanged, this, [this] { announce(this, QString()); });
        for (QRadioButton* option : findChildren<QRadioButton*>())
            connect(option, &QRadioButton::toggled, this, [this] { announce(this, QString()); });
    }
    runHandler([this] { Form_Load(); });

    // The caret starts in the first control of the tab order that takes it.
    for (QWidget* control : std::as_const(m_tabOrder)) {
        if (control->isEnabled() && !control->isHidden()) {
            control->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

// Each step line written goes into the records of the runs under way.
void Form::recordWrittenLines()
{
    for (StepLine* line : findChildren<StepLine*>())
        connect(line, &StepLine::written, this, [this, line] {
            for (QList<StepLine*>* run : std::as_const(m_runs))
                *run << line;
        });
}

void Form::addCopyWorkedSolution()
{
    // Ctrl+Shift+C, or the window's context menu.
    auto* copy = new QAction(QStringLiteral("Copy Worked Solution"), this);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, [this] {
        // The text, and a picture of the window for documents that take one.
        auto* copied = new QMimeData;
        copied->setText(workedSolution().text());
        copied->setImageData(grab().toImage());
        QGuiApplication::clipboard()->setMimeData(copied);
    });
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

WorkedSolution Form::workedSolution() const
{
    return WorkedSolution::shownIn(this, m_workedFrom);
}

QList<StepLine*> Form::stepLines() const
{
    return stepLinesInReadingOrder(this);
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
    const QList<WorkedSolution::Entered> entered = enteredNow();
    // The lines this run writes, in the order of writing.
    QList<StepLine*> written;
    m_runs << &written;
    QString message;
    try {
        handler();
    } catch (const RuntimeError& error) {
        message = error.message();
    } catch (const std::exception& error) {
        message = QStringLiteral("Error: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    m_runs.removeLast();
    if (!written.isEmpty())
        m_workedFrom = entered;
    bool emptied = false;
    if (!message.isEmpty()) {
        // No line may show a value that belongs to other inputs.
        for (StepLine* line : findChildren<StepLine*>()) {
            if (!written.contains(line)) {
                line->setCaption(QString());
                emptied = true;
            }
        }
    }
    if (!written.isEmpty() || emptied)
        announceResults(this, message.isEmpty() ? written : QList<StepLine*>());
    if (!message.isEmpty())
        showMessage(message, QMessageBox::Warning, QStringLiteral("Tessaro"));
}

// The entries, one per text box; a box that cannot be typed into stands for
// the side being solved for.
QList<WorkedSolution::Entered> Form::enteredNow() const
{
    QList<WorkedSolution::Entered> entered;
    for (const Entry& entry : entries()) {
        const bool solvedFor = !entry.box->isEnabled();
        entered.append({entry.label, solvedFor ? QString() : entry.box->text(), solvedFor});
    }
    return entered;
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
