#include "geometry/figure.h"

#include "numeric/numbertext.h"

namespace {

QStringList texts(std::initializer_list<QStringView> list)
{
    QStringList texts;
    for (QStringView text : list)
        texts << text.toString();
    return texts;
}

} // namespace

QStringList Figure::boxLabels() const
{
    return texts(boxes);
}

QStringList Figure::optionCaptions() const
{
    return texts(options);
}

qsizetype Figure::boxSolvedFor(qsizetype option) const
{
    return option >= 0 && option < qsizetype(options.size()) ? option : -1;
}

WorkedSolution Figure::unworked() const
{
    WorkedSolution solution;
    solution.figure = QString::fromLatin1(name);
    solution.caption = caption.trimmed().toString();
    for (QStringView frame : frames)
        solution.frames.append({frame.toString(), {}});
    return solution;
}

WorkedSolution Figure::solve(const QStringList& entries, qsizetype option) const
{
    if (option < 0)
        option = defaultOption;
    WorkedSolution solution = unworked();
    const QStringList labels = boxLabels();
    for (qsizetype box = 0; box < labels.size(); ++box) {
        const bool solvedFor = box == boxSolvedFor(option);
        solution.entries.append({labels[box], solvedFor ? QString() : entries.value(box), solvedFor});
    }

    Working working(entries, option, solution);
    try {
        work(working);
    } catch (const RuntimeError& error) {
        solution.message = WorkedSolution::Message{RuntimeErrorTitle, error.message()};
        solution.failedFrame = working.currentFrame();
    }
    return solution;
}

Working::Working(const QStringList& entries, qsizetype option, WorkedSolution& solution)
    : m_entries(entries)
    , m_option(option)
    , m_solution(solution)
{
}

double Working::value(qsizetype box) const
{
    return ValueOfText(m_entries.value(box));
}

QStringList& Working::frame(qsizetype frame)
{
    m_frame = frame;
    return m_solution.frames[frame].lines;
}

void Working::reject(const QString& title, const QString& text)
{
    m_solution.message = WorkedSolution::Message{title, text};
}
