#include "bench/worksheet.h"

#include <QRandomGenerator>

#include "geometry/catalogue.h"

QStringList randomProblems(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    const QStringList odd{"1e200", "-3", "0", "abc", "1,5", "+7"};
    QStringList problems;
    for (int i = 0; i < count; ++i) {
        const Figure& figure = *catalogue[random.bounded(quint32(catalogue.size()))];
        QStringList words{QString::fromLatin1(figure.name)};
        for (const QString& box : figure.boxLabels()) {
            if (random.bounded(6) == 0)
                continue;
            const QString value =
                random.bounded(12) ? QString::number(random.bounded(1, 2000) / 100.0) : odd[random.bounded(odd.size())];
            words << QString(box).remove(u' ').toLower() + u'=' + value;
        }
        if (figure.options.size() > 0 && random.bounded(2))
            words << QStringLiteral("solve=") + QChar(u'a' + random.bounded(3));
        if (random.bounded(30) == 0)
            words << QStringLiteral("depth=1");
        problems << words.join(u' ');
    }
    return problems;
}
