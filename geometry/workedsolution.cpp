#include "geometry/workedsolution.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

QString shownEntry(const WorkedSolution::Entered& entered)
{
    return entered.solvedFor ? QStringLiteral("solved for") : entered.entry;
}

} // namespace

QString WorkedSolution::text() const
{
    QStringList text{caption};
    for (const Entered& entered : entries)
        text << entered.label + QStringLiteral(": ") + shownEntry(entered);
    for (const Frame& frame : frames)
        text << QString() << frame.caption << frame.lines;
    return text.join(u'\n') + u'\n';
}

QJsonObject WorkedSolution::json() const
{
    QJsonArray entered;
    for (const Entered& entry : entries) {
        const QJsonValue value = entry.solvedFor ? QJsonValue() : QJsonValue(entry.entry);
        entered.append(QJsonObject{{"name", entry.label}, {"value", value}, {"solvedFor", entry.solvedFor}});
    }
    QJsonArray shown;
    for (const Frame& frame : frames)
        shown.append(QJsonObject{{"caption", frame.caption}, {"lines", QJsonArray::fromStringList(frame.lines)}});
    QJsonValue error;
    if (message)
        error = QJsonObject{{"title", message->title}, {"message", message->text}};
    return {{"figure", figure}, {"caption", caption}, {"entries", entered}, {"frames", shown}, {"error", error}};
}
