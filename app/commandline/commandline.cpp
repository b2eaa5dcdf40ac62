#include "app/commandline/commandline.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "app/application.h"
#include "app/commandline/problem.h"
#include "app/runtimedir.h"
#include "geometry/catalogue.h"
#include "print/pdffile.h"

namespace {

const char synopsis[] = "tessaro --solve FIGURE [NAME=VALUE]... [--json | --pdf FILE [--questions]] | --solve - [same] "
                        "| --list | --help | --version";

const char usage[] = R"usage(Usage: tessaro [Qt options]
       tessaro --solve FIGURE [NAME=VALUE]... [--json | --pdf FILE [--questions]]
       tessaro --solve - [--json | --pdf FILE [--questions]]
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
  --pdf FILE
      With --solve, anywhere after it: the worked solutions go to FILE
      as an answer key, on A4 pages, instead of standard output: the
      problems numbered in input order, each with its picture and never
      split across pages. The file is written whole or not at all, and
      the same problems give the same file.
  --questions
      With --pdf: the question sheet instead, numbered as the answer key
      is, each problem with what is given, what to find and room to work.
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
  tessaro --solve - --pdf questions.pdf --questions < problems.txt
  tessaro --solve - --pdf answers.pdf < problems.txt
  for n in 1 2 3; do
    echo "cone radius=$((3*n)) height=$((4*n)) slength=$((5*n))"
  done | tessaro --solve -
)usage";

// Only Qt's failures reach the shell's user, and as the program's own.
void onlyFailures(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << "tessaro: " << message << '\n';
}

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

// Where the worked solutions go: standard output, as text or as JSON
// lines, or the pages of a PDF file.
struct Destination
{
    bool json = false;
    // The PDF file's sheet, and the problems gathered for its pages.
    std::optional<Sheet> sheet;
    QList<PrintedProblem> pages;
    bool given = false;
};

// Gives the worked solution to its destination, and the window's message
// to standard error (with the line's number for --solve -); 1 where the
// window gave one.
int deliver(const Problem& problem, const WorkedSolution& solution, Destination& to, qsizetype line, QTextStream& out,
            QTextStream& err)
{
    if (to.sheet) {
        to.pages << PrintedProblem{problem.figure, solution};
    } else {
        if (to.given && !to.json)
            out << '\n';
        out << output(solution, to.json, line);
    }
    to.given = true;
    if (!solution.message)
        return 0;
    const QString where = line > 0 ? QStringLiteral("line %1: ").arg(line) : QString();
    err << "tessaro: " << where << solution.message->line() << '\n';
    return 1;
}

int solveOne(const QStringList& words, Destination& to, QTextStream& out, QTextStream& err)
{
    const Problem problem = readProblem(words);
    return deliver(problem, solve(problem), to, 0, out, err);
}

// The longest line that can hold a problem: a figure's name and, for each
// of at most eight words, a name with a value as long as a box holds.
constexpr qsizetype LongestLine = 8 * (BoxLength + 64);

// Standard input, a line at a time, read with the system's own reads so
// that a read that fails is told from the end of the input. A line longer
// than any problem can be is not kept whole: only its start, and whether
// it went on.
class LineReader
{
public:
    struct Line
    {
        QByteArray start;
        bool tooLong = false;
    };

    // The next line, or nothing at the end of the input; throws the
    // system's reason where a read fails.
    std::optional<Line> next()
    {
        Line line;
        bool any = false;
        for (;;) {
            if (m_at == m_filled && !fill())
                return any ? std::optional(line) : std::nullopt;
            any = true;
            const char* begin = m_buffer + m_at;
            const char* end = static_cast<const char*>(std::memchr(begin, '\n', size_t(m_filled - m_at)));
            const qsizetype taken = (end ? end : m_buffer + m_filled) - begin;
            const qsizetype room = std::max<qsizetype>(0, LongestLine - line.start.size());
            line.start.append(begin, std::min(taken, room));
            line.tooLong = line.tooLong || taken > room;
            m_at += taken + (end ? 1 : 0);
            if (end)
                return line;
        }
    }

private:
    bool fill()
    {
        for (;;) {
            const ssize_t read = ::read(0, m_buffer, sizeof m_buffer);
            if (read >= 0) {
                m_at = 0;
                m_filled = read;
                return read > 0;
            }
            if (errno != EINTR)
                throw std::system_error(errno, std::generic_category());
        }
    }

    char m_buffer[1 << 16];
    qsizetype m_at = 0;
    qsizetype m_filled = 0;
};

// --solve -: a problem a line, each given as --solve gives it alone.
int solveLines(Destination& to, QTextStream& out, QTextStream& err)
{
    int worst = 0;
    LineReader input;
    std::optional<LineReader::Line> read;
    qsizetype number = 0;
    try {
        while (out.status() == QTextStream::Ok && (read = input.next())) {
            ++number;
            QString line = QString::fromLocal8Bit(read->start);
            const bool comment = line.contains(u'#');
            line = line.section(u'#', 0, 0);
            const QStringList words = line.replace(u'\t', u' ').replace(u'\r', u' ').split(u' ', Qt::SkipEmptyParts);
            try {
                if (read->tooLong && !comment)
                    throw UsageError{QStringLiteral("longer than any problem can be")};
                if (words.isEmpty())
                    continue;
                const Problem problem = readProblem(words);
                worst = std::max(worst, deliver(problem, solve(problem), to, number, out, err));
            } catch (const UsageError& error) {
                err << "tessaro: line " << number << ": " << error.message << '\n';
                worst = 2;
            }
            out.flush();
            err.flush();
        }
    } catch (const std::system_error& error) {
        err << "tessaro: standard input: " << QString::fromLocal8Bit(error.code().message()) << '\n';
        worst = std::max(worst, 1);
    }
    return worst;
}

// The option's value where it is given ("--pdf FILE"), taken out of the
// arguments; an option without a value is a wrong command line.
std::optional<QString> takeValue(QStringList& arguments, const QString& option)
{
    const qsizetype at = arguments.lastIndexOf(option);
    if (at < 0)
        return std::nullopt;
    if (at + 1 == arguments.size())
        throw UsageError{QStringLiteral("%1 needs a file name").arg(option)};
    const QString value = arguments.takeAt(at + 1);
    arguments.removeAt(at);
    return value;
}

// Painting pages needs Qt's GUI: an application on the offscreen platform,
// told nothing of the arguments, with the print fonts and pictures
// compiled in, and hashing that does not change from run to run, so that
// the same pages give the same file.
std::unique_ptr<QGuiApplication> startForPages()
{
    static char name[] = "tessaro";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* arguments[] = {name, platform, offscreen, nullptr};
    static int count = 3;
    QHashSeed::setDeterministicGlobalSeed();
    // The PDF writer notes the time it writes in local time, which the file
    // then forgets; in universal time the note, and so the file, has the
    // same length everywhere.
    qputenv("TZ", "UTC");
    useFitRuntimeDir();
    qInstallMessageHandler(onlyFailures);
    auto application = std::make_unique<QGuiApplication>(count, arguments);
    loadResources();
    return application;
}

int solveCommand(QStringList arguments, QTextStream& out, QTextStream& err)
{
    Destination to;
    to.json = arguments.removeAll(QStringLiteral("--json")) > 0;
    const bool questions = arguments.removeAll(QStringLiteral("--questions")) > 0;
    const std::optional<QString> pdf = takeValue(arguments, QStringLiteral("--pdf"));
    for (const QString& argument : std::as_const(arguments)) {
        if (argument.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("unknown option %1").arg(quoted(argument))};
    }
    if (questions && !pdf)
        throw UsageError{QStringLiteral("--questions sets a question sheet in the file that --pdf FILE names"), false};
    if (pdf && to.json)
        throw UsageError{QStringLiteral("--json prints on standard output, --pdf writes a file: give one of them")};
    std::optional<PdfFile> file;
    if (pdf) {
        to.sheet = questions ? Sheet::Questions : Sheet::AnswerKey;
        file.emplace(*pdf);
        if (!file->error().isEmpty())
            throw UsageError{QStringLiteral("%1 cannot be written: %2").arg(quoted(*pdf), file->error()), false};
    }

    int status = 0;
    if (arguments.value(0) != QLatin1String("-")) {
        status = solveOne(arguments, to, out, err);
    } else if (arguments.size() > 1) {
        throw UsageError{
            QStringLiteral("%1: with --solve -, the problems come from standard input").arg(quoted(arguments[1]))};
    } else {
        status = solveLines(to, out, err);
    }
    if (file) {
        const auto application = startForPages();
        if (!file->write(to.pages, *to.sheet)) {
            err << "tessaro: " << quoted(*pdf) << " could not be written: " << file->error() << '\n';
            status = std::max(status, 1);
        }
    }
    return status;
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

int wrongCommandLine(const QString& message, bool showUsage = true)
{
    QTextStream err(stderr);
    err << "tessaro: " << message << '\n';
    if (showUsage)
        err << "tessaro: usage: " << synopsis << '\n';
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
        return wrongCommandLine(error.message, error.showUsage);
    }
    out.flush();
    if (out.status() != QTextStream::Ok) {
        err << "tessaro: the output could not be written\n";
        return std::max(status, 1);
    }
    return status;
}

namespace {

// Qt's options for the windows, each with whether a value follows it (as
// the next argument, or after "=").
struct QtOption
{
    const char* name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    {"-platform", true},        {"-platformpluginpath", true}, {"-platformtheme", true}, {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},        {"-qwindowtitle", true},  {"-session", true},
    {"-display", true},         {"-geometry", true},           {"-style", true},         {"-stylesheet", true},
    {"-qmljsdebugger", true},   {"-reverse", false},           {"-widgetcount", false},
};

// The longest style sheet the windows take.
constexpr qint64 LongestStyleSheet = 1 << 20;

// A style sheet Qt can read at once: a regular file, readable, of a
// sensible size (Qt would read a device such as /dev/zero for ever).
bool readableStyleSheet(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.isReadable() && file.size() <= LongestStyleSheet;
}

} // namespace

int refuseWrongArguments(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString name = argument.section(u'=', 0, 0);
        const auto option = std::find_if(std::begin(qtOptions), std::end(qtOptions),
                                         [&name](const QtOption& o) { return name == QLatin1String(o.name); });
        if (option == std::end(qtOptions))
            return wrongCommandLine(QStringLiteral("unknown argument %1").arg(quoted(argument)));
        if (!option->takesValue)
            continue;
        const bool joined = argument.contains(u'=');
        if (!joined && i + 1 == argc)
            return wrongCommandLine(QStringLiteral("%1 needs a value").arg(name));
        const QString value = joined ? argument.section(u'=', 1) : QString::fromLocal8Bit(argv[++i]);
        if (name == QLatin1String("-stylesheet") && !readableStyleSheet(value))
            return wrongCommandLine(
                QStringLiteral("-stylesheet: %1 is not a readable style sheet file of at most 1 MiB")
                    .arg(quoted(value)),
                false);
    }
    return 0;
}

int refuseLeftArguments(int argc, char* argv[])
{
    if (argc < 2)
        return 0;
    return wrongCommandLine(QStringLiteral("unknown argument %1").arg(quoted(QString::fromLocal8Bit(argv[1]))));
}
