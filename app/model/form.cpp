#include "app/model/form.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDirIterator>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionFrame>

#include <algorithm>

#include "numeric/numbertext.h"

namespace {

// The twice-as-large companion of a compiled-in bitmap (":/x@2x.bmp" beside
// ":/x.bmp"), for screens with more than one device pixel to the pixel, at
// the same size on the screen; a picture without one is kept. A pixmap does
// not remember the file it was loaded from, so the bitmap is recognised by
// its pixels.
QPixmap highDensityPicture(const QPixmap& picture)
{
    struct Companion
    {
        QImage original;
        QString twice;
    };
    static const QList<Companion> companions = [] {
        QList<Companion> found;
        QDirIterator files(QStringLiteral(":/"), {QStringLiteral("*@2x.bmp")});
        while (files.hasNext()) {
            const QString twice = files.next();
            const QString original = QString(twice).replace(QLatin1String("@2x.bmp"), QLatin1String(".bmp"));
            found.append({QImage(original).convertToFormat(QImage::Format_RGB32), twice});
        }
        return found;
    }();

    if (picture.isNull())
        return picture;
    const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    for (const Companion& companion : companions) {
        if (companion.original == image) {
            QPixmap sharp(companion.twice);
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return picture;
}

// Where a text box writes the top of its text, as QLineEdit centres it.
int textTop(const QLineEdit* box)
{
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
    const QRect text = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box)
                           .marginsRemoved(box->textMargins());
    return text.y() + (text.height() - box->fontMetrics().height() + 1) / 2;
}

} // namespace

Form::Form(QWidget* parent)
    : QWidget(parent)
{
    // Closing a window destroys it with everything typed into it.
    setAttribute(Qt::WA_DeleteOnClose);
}

void Form::load()
{
    applyDefinition();
    runHandler([this] { Form_Load(); });

    // The caret starts in the first control of the tab order that takes it.
    for (QWidget* control : m_tabOrder) {
        if (control->isEnabled() && !control->isHidden()) {
            control->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void Form::applyDefinition()
{
    m_picture = property("picture").value<QPixmap>();

    // A high-density screen shows every picture from its twice-as-large
    // companion, in the same place and at the same size.
    if (devicePixelRatio() > 1) {
        m_picture = highDensityPicture(m_picture);
        for (QLabel* label : findChildren<QLabel*>()) {
            if (!label->pixmap().isNull())
                label->setPixmap(highDensityPicture(label->pixmap()));
        }
    }

    // Labels without AutoSize keep their size and wrap their caption in
    // it, in whole lines (paintWholeLines). A bordered label's text starts a
    // pixel inside its border.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (qobject_cast<ImageBox*>(label))
            continue;
        if (auto* line = qobject_cast<StepLine*>(label); line && line->autoSize())
            continue;
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        if (label->frameShape() != QFrame::NoFrame)
            label->setIndent(1);
        label->installEventFilter(this);
        setWholeCaption(label, label->text());
    }

    // A label beside the text box it names writes its text on the same
    // baseline as the box.
    for (QLabel* label : findChildren<QLabel*>()) {
        auto* box = qobject_cast<QLineEdit*>(label->buddy());
        if (box && box->parentWidget() == label->parentWidget() && label->y() < box->geometry().bottom()
            && box->y() < label->geometry().bottom())
            label->setContentsMargins(0, std::max(0, box->y() + textTop(box) - label->y()), 0, 0);
    }

    // Option buttons answer the keys as a group (optionEvent).
    for (QRadioButton* option : findChildren<QRadioButton*>())
        option->installEventFilter(this);

    // The Tab key visits the controls that take the focus by their
    // "tabIndex", lowest first.
    m_tabOrder.clear();
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->property("tabIndex").isValid() && (control->focusPolicy() & Qt::TabFocus))
            m_tabOrder << control;
    }
    std::stable_sort(m_tabOrder.begin(), m_tabOrder.end(), [](QWidget* a, QWidget* b) {
        return a->property("tabIndex").toInt() < b->property("tabIndex").toInt();
    });
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);

    const QList<StepLine*> lines = findChildren<StepLine*>();
    for (StepLine* line : lines)
        connect(line, &StepLine::written, this, [this, line] {
            for (QList<StepLine*>* run : std::as_const(m_runs))
                *run << line;
        });
    if (!lines.isEmpty())
        addCopyWorkedSolution();

    placeOnScreen();
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

QList<QGroupBox*> Form::framesLeftToRight() const
{
    QList<QGroupBox*> frames = findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(frames.begin(), frames.end(),
                     [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    return frames;
}

QList<StepLine*> Form::linesTopToBottom(const QGroupBox* frame)
{
    QList<StepLine*> lines = frame->findChildren<StepLine*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(lines.begin(), lines.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    return lines;
}

QList<StepLine*> Form::stepLines() const
{
    QList<StepLine*> lines;
    for (const QGroupBox* frame : framesLeftToRight())
        lines << linesTopToBottom(frame);
    return lines;
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

Form::WorkedSolution Form::workedSolution() const
{
    WorkedSolution solution{windowTitle().trimmed(), m_workedFrom, {}};
    for (const QGroupBox* frame : framesLeftToRight()) {
        WorkedSolution::Frame& shown = solution.frames.emplace_back(WorkedSolution::Frame{frame->title(), {}});
        for (const StepLine* line : linesTopToBottom(frame)) {
            if (!line->caption().isEmpty())
                shown.lines << line->caption();
        }
    }
    return solution;
}

QString Form::WorkedSolution::text() const
{
    QStringList text{caption};
    for (const Entered& entered : entries)
        text << entered.label + QStringLiteral(": ") + entered.entry;
    for (const Frame& frame : frames)
        text << QString() << frame.caption << frame.lines;
    return text.join(u'\n') + u'\n';
}

void Form::placeOnScreen()
{
    const QVariant position = property("clientPosition");
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect client(position.isValid() ? position.toPoint() : QPoint(), size());
    if (!position.isValid())
        client.moveCenter(available.center());
    // On a small screen the window moves (never shrinks) to stay on it.
    client.moveRight(std::min(client.right(), available.right()));
    client.moveBottom(std::min(client.bottom(), available.bottom()));
    client.moveLeft(std::max(client.left(), available.left()));
    client.moveTop(std::max(client.top(), available.top()));
    setGeometry(client);
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
        announceResults(message.isEmpty() ? written : QList<StepLine*>());
    if (!message.isEmpty())
        showMessageBox(this, message, QMessageBox::Warning, QStringLiteral("Tessaro"));
}

// The entries, one per text box; a box that cannot be typed into stands for
// the side being solved for.
QList<Form::WorkedSolution::Entered> Form::enteredNow() const
{
    QList<WorkedSolution::Entered> entered;
    for (const Entry& entry : entries())
        entered.append({entry.label, entry.box->isEnabled() ? entry.box->text() : QStringLiteral("solved for")});
    return entered;
}

// Tells a screen reader the new results after a handler rewrote the step
// lines: each frame's caption with the last of the given lines written to it.
// They become the description of the control that has the focus (the
// "Calculate" button after a click), which a screen reader speaks when it
// changes. After a run-time error no line counts, the description is emptied
// and the message box speaks for itself.
void Form::announceResults(const QList<StepLine*>& written)
{
    QStringList results;
    for (const QGroupBox* frame : framesLeftToRight()) {
        const auto last = std::find_if(written.rbegin(), written.rend(),
                                       [frame](const StepLine* line) { return line->parentWidget() == frame; });
        if (last != written.rend() && !(*last)->caption().isEmpty())
            results << frame->title() + QStringLiteral(": ") + (*last)->caption().trimmed();
    }
    // Qt tells the screen reader of every new description, also when the
    // results are the same as last time.
    QWidget* target = focusWidget() ? focusWidget() : this;
    target->setAccessibleDescription(results.join(QStringLiteral("; ")));
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && qobject_cast<QLabel*>(watched))
        return paintWholeLines(static_cast<QLabel*>(watched));
    if (auto* option = qobject_cast<QRadioButton*>(watched))
        return optionEvent(option, event);
    return false;
}

// A group of option buttons is one stop of the Tab key: Tab enters it on
// the selected option and leaves it for the next control; the arrow keys
// select round the group, and so run the option's Click.
bool Form::optionEvent(QRadioButton* option, QEvent* event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::KeyPress)
        return false;
    QList<QRadioButton*> group;
    for (QWidget* control : std::as_const(m_tabOrder)) {
        auto* other = qobject_cast<QRadioButton*>(control);
        if (other && other->parentWidget() == option->parentWidget())
            group << other;
    }
    const auto selected = std::find_if(group.begin(), group.end(), [](const QRadioButton* o) { return o->isChecked(); });
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (selected != group.end() && *selected != option
            && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            (*selected)->setFocus(reason);
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        QWidget* next = option;
        do
            next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        while (next != option && (group.contains(next) || !(next->focusPolicy() & Qt::TabFocus)
                                  || !next->isEnabled() || !next->isVisibleTo(this)));
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    const int step = key->key() == Qt::Key_Down || key->key() == Qt::Key_Right ? 1
                     : key->key() == Qt::Key_Up || key->key() == Qt::Key_Left ? -1
                                                                              : 0;
    if (step == 0)
        return false;
    QRadioButton* target = group[(group.indexOf(option) + step + group.size()) % group.size()];
    target->setFocus(Qt::OtherFocusReason);
    target->click();
    return true;
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

void showMessageBox(QWidget* parent, const QString& prompt, QMessageBox::Icon icon,
                    const QString& title)
{
    if (auto* form = qobject_cast<Form*>(parent ? parent->window() : nullptr)) {
        emit form->message(title, prompt);
        if (!form->messageBoxesShown())
            return;
    }
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, parent);
    box.exec();
}
