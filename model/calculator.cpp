#include "model/calculator.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>

#include "geometry/spoken.h"
#include "model/announcement.h"
#include "model/readingorder.h"
#include "print/pages.h"

Calculator::Calculator(const Figure& figure, QWidget* parent)
    : Form(parent)
    , m_figure(figure)
{
    setWindowTitle(figure.caption.toString());
    setProperty("picture", figure.picture.toString());
}

void Calculator::bind(const QList<QLineEdit*>& boxes, QPushButton* calculate, const QList<QRadioButton*>& options)
{
    m_boxes = boxes;
    m_calculate = calculate;
    m_options = options;
    // A box is named by the label that points to it, or by its own
    // accessible name where none does (the options stand beside it).
    const QStringList labels = m_figure.boxLabels();
    for (qsizetype box = 0; box < m_boxes.size(); ++box) {
        m_boxes[box]->setMaxLength(int(BoxLength));
        m_boxes[box]->setAccessibleName(labels[box]);
    }
    for (QLabel* label : findChildren<QLabel*>()) {
        if (const qsizetype box = m_boxes.indexOf(label->buddy()); box >= 0) {
            label->setText(labels[box]);
            m_boxes[box]->setAccessibleName(QString());
        }
    }

    // A screen reader hears a frame's caption and its lines in words.
    m_solution = m_figure.unworked();
    const QList<QGroupBox*> frames = framesLeftToRight(this);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        frames[i]->setTitle(m_solution.frames[i].caption);
        frames[i]->setAccessibleName(spokenCaption(m_solution.frames[i].caption));
        m_frameLines << linesTopToBottom(frames[i]);
    }

    const QStringList captions = m_figure.optionCaptions();
    for (qsizetype i = 0; i < m_options.size(); ++i) {
        m_options[i]->setText(captions[i]);
        connect(m_options[i], &QRadioButton::toggled, this, [this, i](bool picked) {
            if (picked)
                solveFor(i);
        });
    }
    if (m_figure.defaultOption >= 0)
        m_options[m_figure.defaultOption]->setChecked(true);

    addCopyAndPrint();
    stackInReadingOrder(this);
    // Once an entry changes, the results told are no longer current.
    for (QLineEdit* box : std::as_const(m_boxes))
        connect(box, &QLineEdit::textChanged, this, [this] { tell(QString()); });
}

// The option's box is the one solved for: it takes no entry. A screen
// reader hears which box that is now, and which to fill in.
void Calculator::solveFor(qsizetype option)
{
    const qsizetype solved = m_figure.boxSolvedFor(option);
    QStringList given = m_figure.boxLabels();
    const QString solvedFor = given.takeAt(solved);
    for (qsizetype box = 0; box < m_boxes.size(); ++box)
        m_boxes[box]->setEnabled(box != solved);
    tell(QString());
    if (isVisible())
        announce(this, QStringLiteral("Solving for %1 from %2").arg(solvedFor, given.join(QStringLiteral(" and "))));
}

// Tells the results, or withdraws them with an empty text; "Calculate"
// holds them for a screen reader's Where Am I meanwhile.
void Calculator::tell(const QString& results)
{
    announce(this, results);
    if (m_calculate)
        m_calculate->setAccessibleDescription(results);
}

void Calculator::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_calculate) {
        if (!event->isAutoRepeat())
            m_calculate->click();
        return;
    }
    Form::keyPressEvent(event);
}

void Calculator::calculate()
{
    QStringList entries;
    for (const QLineEdit* box : std::as_const(m_boxes))
        entries << box->text();
    qsizetype option = -1;
    for (qsizetype i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked())
            option = i;
    }
    showSolution(m_figure.solve(entries, option));
}

void Calculator::showSolution(const WorkedSolution& solution)
{
    m_solution = solution;
    for (qsizetype i = 0; i < m_frameLines.size(); ++i) {
        const QList<StepLine*>& lines = m_frameLines[i];
        for (qsizetype j = 0; j < lines.size(); ++j) {
            lines[j]->setCaption(solution.frames[i].lines.value(j));
            lines[j]->setAccessibleName(spokenText(lines[j]->caption()));
        }
    }
    tell(spokenResults(solution));
    if (solution.message)
        showMessage(solution.message->text, QMessageBox::Warning, solution.message->title);
}

QList<StepLine*> Calculator::stepLines() const
{
    QList<StepLine*> lines;
    for (const QList<StepLine*>& frame : m_frameLines)
        lines << frame;
    return lines;
}

void Calculator::addCopyAndPrint()
{
    // Ctrl+Shift+C, or the window's context menu.
    auto* copy = new QAction(QStringLiteral("Copy Worked Solution"), this);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, [this] {
        // The text, and a picture of the window for documents that take one.
        auto* copied = new QMimeData;
        copied->setText(m_solution.text());
        copied->setImageData(grab().toImage());
        QGuiApplication::clipboard()->setMimeData(copied);
        announce(this, QStringLiteral("Worked solution copied"));
    });
    addAction(copy);

    // Ctrl+P, or beside the copy: the print dialog, which also prints to a
    // PDF file, and the worked solution set on a page as a textbook sets it.
    auto* print = new QAction(QStringLiteral("Print Worked Solution\u2026"), this);
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    connect(print, &QAction::triggered, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(windowTitle().trimmed() + QStringLiteral(" worked solution"));
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("Print Worked Solution"));
        dialog.setAccessibleName(dialog.windowTitle());
        if (dialog.exec() == QDialog::Accepted)
            setOnPages(printer, {{&m_figure, m_solution}}, Sheet::WorkedSolution);
    });
    addAction(print);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}
