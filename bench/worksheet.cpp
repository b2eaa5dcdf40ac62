#include "bench/worksheet.h"

#include <QRandomGenerator>

#include "figures/windowtable.h"

QStringList randomProblems(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    const QStringList odd{"1e200", "-3", "0", "abc", "1,5", "+7"};
    QStringList problems;
    for (int i = 0; i < count; ++i) {
        const CalculatorWindow& window = calculatorWindows[random.bounded(quint32(calculatorWindows.size()))];
        QStringList words{QString::fromLatin1(window.name)};
        for (const QString& box : QString::fromLatin1(window.boxes).split(QStringLiteral(", "))) {
            if (random.bounded(6) == 0)
                continue;
            const QString value =
                random.bounded(12) ? QString::number(random.bounded(1, 2000) / 100.0) : odd[random.bounded(odd.size())];
            words << QString(box).remove(u' ').toLower() + u'=' + value;
        }
        if (*window.options && random.bounded(2))
            words << QStringLiteral("solve=") + QChar(u'a' + random.bounded(3));
        if (random.bounded(30) == 0)
            words << QStringLiteral("depth=1");
        problems << words.join(u' ');
    }
    return problems;
}
