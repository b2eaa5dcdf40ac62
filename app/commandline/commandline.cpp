#include "app/commandline/commandline.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>

#include "app/commandline/problem.h"
#include "geometry/catalogue.h"

namespace {

const char synopsis[] =
    "tessaro --solve FIGURE [NAME=VALUE]... [--json] | --solve - [--json] | --list | --help | --version";

const char usage[] = R"usage(Usage: tessaro [Qt options]
       tessaro --solve FIGURE [NAME=VALUE]... [--json]
       tessaro --solve - [--json]
       tessaro --list | --help | --version

Without options Tessaro opens its windows, the splash first; Qt's options
(-platform, -display, -style, ...) go with that form alone.

  --solve FIGURE [NAME=VALUE]...
      Prints the worked solution of the figure for the given entries: the
      text that "Copy Worked Solution" gives after typing them into the
      figure's window and pressing "Calculate". NAME is the label of a box;
      case does not matter and blanks may be left out. VALUE is a number
      as a whole: an optional sign, digits with at most one ".", an
      optional exponent (-2.5, 1e6); anything else, such as 1,5, is
      refused. A box left out is read as an empty box, as in the window:
      as 0, so name every box the results need.
      For the Pythagorean theorem, solve=a, solve=b or solve=c picks the
      side to solve for (c unless given).
  --solve -
      Reads problems from standard input, one a line, each written as
      after --solve (cone radius=3 height=4 slength=5); # starts a comment
      and blank lines are skipped. Prints the worked solutions in turn,
      separated by a blank line. A wrong line is reported on standard
      error with its number and skipped.
  --json
      With --solve, anywhere after it: each worked solution as one JSON
      object on a line (figure, caption, entries, frames with their
      captions and lines, error; with --solve -, the line's number).
  --list
      Prints each figure's name with the names of its boxes.
  --version
      Prints the version.
  -h, --help
      Prints this text.

Exit status: 0 done; 1 the calculation failed, or the window rejected the
entries (the lines reached are printed, the message goes to standard
error), or the output could not be written; 2 the command line is wrong.
With --solve -, the worst of the lines.

Examples:
  tessaro --solve cone radius=3 height=4 slength=5
  for n in 1 2 3; do
    echo "cone radius=$((3*n)) height=$((4*n)) slength=$((5*n))"
  done | tessaro --solve -
)usage";

// The worked solution as text, or as one JSON object on a line.
QString output(const WorkedSolution& solution, bool json, qsizetype line)
{
    if (!json)
        return solution.text();
    QJsonObject object = solution.json();
    if (line > 0)
        object.insert(QStringLiteral("line"), line);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
}

// A message of the window: its box's title and text; the program's own
// title is the "tessaro: " the line starts with.
QString shown(const WorkedSolution::Message& message)
{
    return (message.title == RuntimeErrorTitle ? QString() : message.title + QStringLiteral(": ")) + message.text;
}

// Prints the worked solution, and the window's message on standard error
// (with the line's number for --solve -); 1 where the window gave one.
int print(const WorkedSolution& solution, bool json, qsizetype line, QTextStream& out, QTextStream& err)
{
    out << output(solution, json, line);
    if (!solution.message)
        return 0;
    const QString where = line > 0 ? QStringLiteral("line %1: ").arg(line) : QString();
    err << "tessaro: " << where << shown(*solution.message) << '\n';
    return 1;
}

int solveOne(const QStringList& words, bool json, QTextStream& out, QTextStream& err)
{
    return print(solve(readProblem(words)), json, 0, out, err);
}

// --solve -: a problem a line, each printed as --solve prints it alone.
int solveLines(bool json, QTextStream& out, QTextStream& err)
{
    int worst = 0;
    bool printed = false;
    std::string read;
    for (qsizetype number = 1; std::getline(std::cin, read) && out.status() == QTextStream::Ok; ++number) {
        QString line = QString::fromLocal8Bit(read).section(u'#', 0, 0);
        const QStringList words = line.replace(u'\t', u' ').replace(u'\r', u' ').split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        try {
            const WorkedSolution solution = solve(readProblem(words));
            if (printed && !json)
                out << '\n';
            worst = std::max(worst, print(solution, json, number, out, err));
            printed = true;
        } catch (const UsageError& error) {
            err << "tessaro: line " << number << ": " << error.message << '\n';
            worst = 2;
        }
        out.flush();
        err.flush();
    }
    return worst;
}

int solveCommand(QStringList arguments, QTextStream& out, QTextStream& err)
{
    const bool json = arguments.removeAll(QStringLiteral("--json")) > 0;
    for (const QString& argument : std::as_const(arguments)) {
        if (argument.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("unknown option %1").arg(quoted(argument))};
    }
    if (arguments.value(0) != QLatin1String("-"))
        return solveOne(arguments, json, out, err);
    if (arguments.size() > 1)
        throw UsageError{
            QStringLiteral("%1: with --solve -, the problems come from standard input").arg(quoted(arguments[1]))};
    return solveLines(json, out, err);
}

// --list: each figure with the names of its boxes.
void list(QTextStream& out)
{
    for (const Figure* figure : catalogue) {
        out << QString::fromLatin1(figure->name).leftJustified(19) << figure->boxLabels().join(QStringLiteral(", "));
        if (figure->options.size() > 0)
            out << "; solve=" << figure->optionCaptions().join(u'|').toLower();
        out << '\n';
    }
}

int run(QStringList arguments, QTextStream& out, QTextStream& err)
{
    const QString mode = arguments.takeFirst();
    if (mode == QLatin1String("--solve"))
        return solveCommand(arguments, out, err);
    const bool known = mode == QLatin1String("--list") || mode == QLatin1String("--help") || mode == QLatin1String("-h")
        || mode == QLatin1String("--version");
    if (!known && mode.startsWith(QLatin1String("--")) && mode != QLatin1String("--json"))
        throw UsageError{QStringLiteral("unknown option %1").arg(quoted(mode))};
    if (!known)
        throw UsageError{QStringLiteral("the first argument must be --solve, --list, --help or --version, not %1")
                             .arg(quoted(mode))};
    if (!arguments.isEmpty())
        throw UsageError{QStringLiteral("%1 takes no arguments, not %2").arg(mode, quoted(arguments.first()))};
    if (mode == QLatin1String("--list"))
        list(out);
    else if (mode == QLatin1String("--version"))
        out << "tessaro " << TESSARO_VERSION << '\n';
    else
        out << usage;
    return 0;
}

int wrongCommandLine(const QString& message)
{
    QTextStream(stderr) << "tessaro: " << message << "\ntessaro: usage: " << synopsis << '\n';
    return 2;
}

} // namespace

bool wantsCommandLine(int argc, char* argv[])
{
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strncmp(argument, "--", 2) == 0 || std::strcmp(argument, "-h") == 0;
    });
}

int runCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    int status = 0;
    try {
        status = run(arguments, out, err);
    } catch (const UsageError& error) {
        return wrongCommandLine(error.message);
    }
    out.flush();
    if (out.status() != QTextStream::Ok) {
        err << "tessaro: the output could not be written\n";
        return std::max(status, 1);
    }
    return status;
}

int refuseLeftArguments(int argc, char* argv[])
{
    if (argc < 2)
        return 0;
    return wrongCommandLine(QStringLiteral("unknown argument %1").arg(quoted(QString::fromLocal8Bit(argv[1]))));
}
