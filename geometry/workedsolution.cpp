#include "geometry/workedsolution.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

QString resultName(QStringView caption)
{
    const qsizetype equals = caption.indexOf(u'=');
    const QString name = equals < 0 ? QString() : caption.left(equals).toString().simplified();
    const bool letters = std::all_of(name.begin(), name.end(), [](QChar c) { return c.isLetter() || c == u' '; });
    return letters ? name : QString();
}

QString WorkedSolution::Entered::line() const
{
    return label + QStringLiteral(": ") + (solvedFor ? QStringLiteral("solved for") : entry);
}

QString WorkedSolution::Message::line() const
{
    return (title == RuntimeErrorTitle ? QString() : title + QStringLiteral(": ")) + text;
}

QString WorkedSolution::text() const
{
    QStringList text{caption};
    for (const Entered& entered : entries)
        text << entered.line();
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
