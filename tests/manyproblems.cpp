#include "manyproblems.h"

#include <QJsonDocument>
#include <QJsonObject>

QByteArray asSeparateCalls(const QStringList& problems, bool json,
                           const std::function<QByteArray(const QStringList& arguments)>& call)
{
    QByteArray expected;
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const QStringList arguments = QStringList{"--solve"} + problems[i].split(u' ', Qt::SkipEmptyParts)
            + (json ? QStringList{"--json"} : QStringList());
        const QByteArray alone = call(arguments);
        if (alone.isEmpty())
            continue;
        if (json) {
            QJsonObject object = QJsonDocument::fromJson(alone).object();
            object.insert(QStringLiteral("line"), i + 1);
            expected += QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
        } else {
            expected += (expected.isEmpty() ? "" : "\n") + alone;
        }
    }
    return expected;
}
