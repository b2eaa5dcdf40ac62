#include "geometry/spoken.h"

#include "geometry/workedsolution.h"

#include <QList>
#include <QStringList>

#include <algorithm>

namespace {

// The words for each symbol, longest first where one begins another.
struct SymbolWords
{
    QStringView shown;
    QStringView said;
};
constexpr SymbolWords symbolWords[] = {
    {u"Square root of", u"the square root of"},
    {u"√", u"the square root of"},
    {u"*", u"times"},
    {u"/", u"divided by"},
    {u"²", u"squared"},
    {u"³", u"cubed"},
    {u"(", u"open bracket"},
    {u")", u"close bracket"},
    {u"=", u"equals"},
    {u"+", u"plus"},
    {u"-", u"minus"},
};

// The whole numbers said as a fraction when "/3" follows them.
constexpr SymbolWords thirds[] = {
    {u"1", u"one third"},
    {u"4", u"four thirds"},
};

struct Token
{
    enum class Kind { Number, Name, Symbol };
    Kind kind;
    QStringView text;
    // A symbol's words: the table's, or the symbol itself where it has none.
    QStringView said;
};

bool isDigitAt(QStringView text, qsizetype i)
{
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

// The length of the number that starts the text: digits, thousands groups
// (",000"), a fraction (".5") and an exponent ("E+20", "E-07").
qsizetype numberLength(QStringView text)
{
    qsizetype i = 0;
    while (isDigitAt(text, i))
        ++i;
    while (text.mid(i).startsWith(u',') && isDigitAt(text, i + 1) && isDigitAt(text, i + 2) && isDigitAt(text, i + 3))
        i += 4;
    if (text.mid(i).startsWith(u'.') && isDigitAt(text, i + 1)) {
        ++i;
        while (isDigitAt(text, i))
            ++i;
    }
    if (text.mid(i).startsWith(u'E')) {
        qsizetype digits = i + 1;
        if (text.mid(digits).startsWith(u'+') || text.mid(digits).startsWith(u'-'))
            ++digits;
        if (isDigitAt(text, digits)) {
            i = digits;
            while (isDigitAt(text, i))
                ++i;
        }
    }
    return i;
}

// The length of the name that starts the text: letters, then any digits ("pi", "s1").
qsizetype nameLength(QStringView text)
{
    const auto letters = std::find_if_not(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    const auto digits = std::find_if_not(letters, text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits - text.begin();
}

// The shown text as numbers, names and symbols; blanks only separate them.
QList<Token> tokensOf(QStringView text)
{
    QList<Token> tokens;
    while (!text.isEmpty()) {
        if (text.front().isSpace()) {
            text = text.mid(1);
            continue;
        }
        const auto symbol = std::find_if(std::begin(symbolWords), std::end(symbolWords),
                                         [&](const SymbolWords& s) { return text.startsWith(s.shown); });
        Token token{Token::Kind::Symbol, text.left(1), text.left(1)};
        if (symbol != std::end(symbolWords))
            token = {Token::Kind::Symbol, symbol->shown, symbol->said};
        else if (isDigitAt(text, 0) || (text.startsWith(u'.') && isDigitAt(text, 1)))
            token = {Token::Kind::Number, text.left(numberLength(text)), {}};
        else if (text.front().isLetter())
            token = {Token::Kind::Name, text.left(nameLength(text)), {}};
        tokens.append(token);
        text = text.mid(token.text.size());
    }
    return tokens;
}

// A number as the synthesizer reads it: "0" before a leading point, and an
// exponent in words ("1.5E-07" as "1.5 times 10 to the power of minus 7").
QString numberWords(QStringView number)
{
    const qsizetype e = number.indexOf(u'E');
    const QStringView mantissa = number.left(e < 0 ? number.size() : e);
    QString words = mantissa.startsWith(u'.') ? u'0' + mantissa.toString() : mantissa.toString();
    if (e < 0)
        return words;
    QStringView exponent = number.mid(e + 1);
    words += u" times 10 to the power of ";
    if (exponent.startsWith(u'-'))
        words += u"minus ";
    if (exponent.startsWith(u'-') || exponent.startsWith(u'+'))
        exponent = exponent.mid(1);
    while (exponent.size() > 1 && exponent.startsWith(u'0'))
        exponent = exponent.mid(1);
    words += exponent;
    return words;
}

// "one third" or "four thirds" where the tokens from i on are "1", "/", "3"
// or "4", "/", "3"; otherwise empty.
QStringView thirdWords(const QList<Token>& tokens, qsizetype i)
{
    if (i + 2 >= tokens.size() || tokens[i + 1].text != u"/" || tokens[i + 2].text != u"3")
        return {};
    for (const SymbolWords& third : thirds) {
        if (tokens[i].text == third.shown)
            return third.said;
    }
    return {};
}

} // namespace

QString spokenText(QStringView shown)
{
    const QList<Token> tokens = tokensOf(shown);
    QStringList words;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        const QStringView third = thirdWords(tokens, i);
        if (!third.isEmpty()) {
            words.append(third.toString());
            i += 2;
        } else if (token.kind == Token::Kind::Number) {
            words.append(numberWords(token.text));
        } else if (token.kind == Token::Kind::Name) {
            words.append(token.text.compare(u"pi", Qt::CaseInsensitive) == 0 ? QStringLiteral("pi")
                                                                             : token.text.toString());
        } else if (token.text == u"," && !words.isEmpty()) {
            // A comma is a pause after the word before it.
            words.last() += u',';
        } else {
            words.append(token.said.toString());
        }
    }
    return words.join(u' ');
}

QString spokenCaption(QStringView caption)
{
    const QString name = resultName(caption);
    if (name.isEmpty())
        return spokenText(caption);
    const QString formula = spokenText(caption.mid(caption.indexOf(u'=') + 1));
    return formula.isEmpty() ? name : name + QStringLiteral(", ") + formula;
}

namespace {

// "Radius was empty", "X1 and Y2 were empty", "Side 1, Side 2 and Side 3
// were empty"; nothing where every box was filled in.
QString emptyBoxes(const WorkedSolution& solution)
{
    QStringList empty;
    for (const WorkedSolution::Entered& entered : solution.entries) {
        if (!entered.solvedFor && entered.entry.trimmed().isEmpty())
            empty << entered.label;
    }
    if (empty.isEmpty())
        return {};
    const QString last = empty.takeLast();
    return empty.isEmpty()
        ? last + QStringLiteral(" was empty")
        : empty.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last + QStringLiteral(" were empty");
}

} // namespace

QString spokenResults(const WorkedSolution& solution)
{
    QStringList parts;
    if (const QString empty = emptyBoxes(solution); !empty.isEmpty())
        parts << empty;
    for (qsizetype i = 0; i < solution.frames.size(); ++i) {
        const WorkedSolution::Frame& frame = solution.frames[i];
        if (i == solution.failedFrame)
            parts << spokenCaption(frame.caption) + QStringLiteral(": could not be worked out");
        else if (!frame.lines.isEmpty())
            parts << spokenCaption(frame.caption) + QStringLiteral(": ") + spokenText(frame.lines.last());
    }
    return parts.join(QStringLiteral("; "));
}
