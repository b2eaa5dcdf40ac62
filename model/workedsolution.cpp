#include "model/workedsolution.h"

#include <QGroupBox>
#include <QJsonArray>
#include <QJsonObject>

#include "model/controls.h"
#include "model/readingorder.h"

namespace {

QString shownEntry(const WorkedSolution::Entered& entered)
{
    return entered.solvedFor ? QStringLiteral("solved for") : entered.entry;
}

} // namespace

WorkedSolution WorkedSolution::shownIn(const QWidget* window, const QList<Entered>& workedFrom)
{
    WorkedSolution solution{window->windowTitle().trimmed(), workedFrom, {}};
    for (const QGroupBox* frame : framesLeftToRight(window)) {
        Frame& shown = solution.frames.emplace_back(Frame{frame->title(), {}});
        for (const StepLine* line : linesTopToBottom(frame)) {
            if (!line->caption().isEmpty())
                shown.lines << line->caption();
        }
    }
    return solution;
}

QString WorkedSolution::text() const
{
    QStringList text{caption};
    for (const Entered& entered : entries)
        text << entered.label + QStringLiteral(": ") + shownEntry(entered);
    for (const Frame& frame : frames)
        text << QString() << frame.caption << frame.lines;
    return text.join(u'\n') + u'\n';
}

QJsonObject WorkedSolution::json(const QString& figure, const std::optional<Message>& error) const
{
    QJsonArray entered;
    for (const Entered& entry : entries) {
        const QJsonValue value = entry.solvedFor ? QJsonValue() : QJsonValue(entry.entry);
        entered.append(QJsonObject{{"name", entry.label}, {"value", value}, {"solvedFor", entry.solvedFor}});
    }
    QJsonArray shown;
    for (const Frame& frame : frames)
        shown.append(QJsonObject{{"caption", frame.caption}, {"lines", QJsonArray::fromStringList(frame.lines)}});
    QJsonValue message;
    if (error)
        message = QJsonObject{{"title", error->title}, {"message", error->text}};
    return {{"figure", figure}, {"caption", caption}, {"entries", entered}, {"frames", shown}, {"error", message}};
}
