#pragma once

// A calculator window: a Form that shows a figure's working. Its caption,
// its boxes' labels, its frames' captions and its options' captions are the
// figure's; its frames, left to right, show the figure's frames, each line
// of a frame in the frame's step lines from the top; a step line beyond the
// lines worked stays empty. "Calculate" works the figure from the boxes
// and shows the worked solution; a message that ended the working is shown
// in a message box. A screen reader is told the results in words, and
// hears them again from "Calculate" until an entry changes.

#include "geometry/figure.h"
#include "model/form.h"

class Calculator : public Form
{
    Q_OBJECT

public:
    explicit Calculator(const Figure& figure, QWidget* parent = nullptr);

    const Figure& figure() const { return m_figure; }

    // The worked solution the window shows: before the first "Calculate",
    // the frames' captions alone.
    const WorkedSolution& workedSolution() const { return m_solution; }

    // The step lines in the order in which a pupil reads them.
    QList<StepLine*> stepLines() const;

protected:
    // Ties the figure to the window's controls, once they are built: its
    // boxes in the figure's order, its "Calculate" button, and its options,
    // each of which makes its box the one solved for (that box takes no
    // entry). The figure's default option is picked.
    void bind(const QList<QLineEdit*>& boxes, QPushButton* calculate, const QList<QRadioButton*>& options = {});

    // Works the figure from the boxes and the option picked, and shows the
    // worked solution.
    void calculate();

    // Enter presses "Calculate", from a box, an option or the button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSolution(const WorkedSolution& solution);
    void solveFor(qsizetype option);
    void tell(const QString& results);
    void addCopyAndPrint();

    const Figure& m_figure;
    QList<QLineEdit*> m_boxes;
    QPushButton* m_calculate = nullptr;
    QList<QRadioButton*> m_options;
    // Each frame's step lines, frames and lines in reading order.
    QList<QList<StepLine*>> m_frameLines;
    WorkedSolution m_solution;
};
