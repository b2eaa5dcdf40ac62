#include "app/commandline/problem.h"

#include "geometry/catalogue.h"

namespace {

// A name as the command line compares it: case and blanks do not matter.
QString key(const QString& name)
{
    return QString(name).remove(u' ').toCaseFolded();
}

qsizetype indexOfKey(const QStringList& names, const QString& wanted)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (key(names[i]) == wanted)
            return i;
    }
    return -1;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A number as a whole: an optional sign, digits with at most one ".", an
// optional exponent (E or e, optional sign, digits); blanks around it.
bool isNumber(QStringView text)
{
    qsizetype at = 0;
    const auto next = [&](auto test) {
        const bool taken = at < text.size() && test(text[at]);
        at += taken;
        return taken;
    };
    const auto blank = [](QChar c) { return c == u' '; };
    const auto sign = [](QChar c) { return c == u'+' || c == u'-'; };
    const auto digits = [&] {
        qsizetype count = 0;
        while (next(isDigit))
            ++count;
        return count;
    };
    while (next(blank)) { }
    next(sign);
    qsizetype mantissa = digits();
    if (next([](QChar c) { return c == u'.'; }))
        mantissa += digits();
    if (mantissa == 0)
        return false;
    if (next([](QChar c) { return c == u'e' || c == u'E'; })) {
        next(sign);
        if (digits() == 0)
            return false;
    }
    while (next(blank)) { }
    return at == text.size();
}

// What a value that is not a number says, with the number meant where a
// decimal comma stands for the point.
QString notANumber(const QString& name, const QString& value)
{
    QString message = QStringLiteral("%1: %2 is not a number").arg(escaped(name), quoted(value));
    const QString pointed = QString(value).replace(u',', u'.');
    if (value.count(u',') == 1 && isNumber(pointed))
        message += QStringLiteral(" (write %1)").arg(escaped(pointed.trimmed()));
    return message;
}

} // namespace

QString figureNames()
{
    QStringList names;
    for (const Figure* figure : catalogue)
        names << QString::fromLatin1(figure->name);
    return names.join(QStringLiteral(", "));
}

Problem readProblem(const QStringList& words)
{
    if (words.isEmpty())
        throw UsageError{QStringLiteral("--solve needs a figure: %1").arg(figureNames())};
    Problem problem;
    problem.figure = figureNamed(key(words.first()));
    if (!problem.figure)
        throw UsageError{
            QStringLiteral("there is no figure %1; the figures are: %2").arg(quoted(words.first()), figureNames())};
    const QString figure = QString::fromLatin1(problem.figure->name);
    const QStringList boxes = problem.figure->boxLabels();
    const QStringList options = problem.figure->optionCaptions();

    // Each box named once, and solve= once: the last place stands for it.
    QList<bool> named(boxes.size() + 1, false);
    for (qsizetype i = 1; i < words.size(); ++i) {
        const qsizetype equals = words[i].indexOf(u'=');
        if (equals <= 0)
            throw UsageError{QStringLiteral("%1 is not NAME=VALUE").arg(quoted(words[i]))};
        const QString name = words[i].left(equals);
        const QString value = words[i].mid(equals + 1);
        const qsizetype box = indexOfKey(boxes, key(name));
        const bool solve = box < 0 && !options.isEmpty() && key(name) == QLatin1String("solve");
        if (box < 0 && !solve) {
            const QString names =
                (boxes + (options.isEmpty() ? QStringList() : QStringList{"solve"})).join(QStringLiteral(", "));
            throw UsageError{
                QStringLiteral("the %1 has no box %2; its boxes are: %3").arg(figure, quoted(name), names)};
        }
        if (std::exchange(named[solve ? boxes.size() : box], true))
            throw UsageError{QStringLiteral("%1 is given twice").arg(escaped(name))};
        if (solve) {
            const qsizetype option = indexOfKey(options, key(value));
            if (option < 0)
                throw UsageError{QStringLiteral("solve takes %1, not %2").arg(key(options.join(u'|')), quoted(value))};
            problem.option = option;
        } else if (!isNumber(value)) {
            throw UsageError{notANumber(name, value)};
        } else {
            problem.entries.append({box, name, value});
        }
    }
    return problem;
}

WorkedSolution solve(const Problem& problem)
{
    const Figure& figure = *problem.figure;
    const qsizetype option = problem.option < 0 ? figure.defaultOption : problem.option;
    QStringList entries(qsizetype(figure.boxes.size()));
    for (const Problem::Entry& given : problem.entries) {
        if (given.box == figure.boxSolvedFor(option))
            throw UsageError{QStringLiteral("%1 is the side solved for; it takes no value").arg(escaped(given.name))};
        if (given.value.size() > BoxLength) {
            const QString start = given.value.left(20) + QStringLiteral("\u2026");
            throw UsageError{QStringLiteral("%1: %2 (%3 characters) is longer than the box holds (%4)")
                                 .arg(escaped(given.name), quoted(start))
                                 .arg(given.value.size())
                                 .arg(BoxLength)};
        }
        entries[given.box] = given.value;
    }
    return figure.solve(entries, option);
}

QString escaped(QStringView text)
{
    // A long piece of input is echoed by its start alone.
    constexpr qsizetype Echoed = 40;
    const bool cut = text.size() > Echoed;
    QString shown;
    for (const char32_t c : text.left(Echoed).toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (c == U'\\')
            shown += QStringLiteral("\\\\");
        else if (c == U'\n')
            shown += QStringLiteral("\\n");
        else if (c == U'\t')
            shown += QStringLiteral("\\t");
        else if (c == U'\r')
            shown += QStringLiteral("\\r");
        else if (category == QChar::Other_Control || category == QChar::Other_Format
                 || category == QChar::Other_Surrogate || category == QChar::Separator_Line
                 || category == QChar::Separator_Paragraph)
            shown += (c > 0xFFFF ? QStringLiteral("\\U%1") : QStringLiteral("\\u%1"))
                         .arg(QString::number(c, 16).toUpper(), c > 0xFFFF ? 8 : 4, u'0');
        else
            shown += QString::fromUcs4(&c, 1);
    }
    return cut ? shown + QStringLiteral("\u2026") : shown;
}

QString quoted(QStringView text)
{
    return u'"' + escaped(text).replace(u'"', QStringLiteral("\\\"")) + u'"';
}
