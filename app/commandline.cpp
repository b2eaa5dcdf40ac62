#include "app/commandline.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/application.h"
#include "app/model/form.h"
#include "figures/windowtable.h"

namespace {

const char usage[] = R"(Usage: tessaro [--solve FIGURE [NAME=VALUE]... [--json] | --list | --help]

Without options Tessaro opens its windows, the splash first.

  --solve FIGURE [NAME=VALUE]...
      Prints the worked solution of the figure for the given entries: the
      text that "Copy Worked Solution" gives after typing them into the
      figure's window and pressing "Calculate". NAME is the label of a box;
      case does not matter and blanks may be left out. A box not named
      stays empty. For the Pythagorean theorem, solve=a, solve=b or solve=c
      picks the side to solve for (c unless given).
  --json
      With --solve: the worked solution as one JSON object (figure,
      caption, entries, frames with their captions and lines, error).
  --list
      Prints each figure's name with the names of its boxes.
  -h, --help
      Prints this text.

Exit status: 0 done; 1 the calculation failed, or the window rejected the
entries (the lines reached are printed, the message goes to standard
error), or the output could not be written; 2 the command line is wrong.

Example: tessaro --solve cylinder radius=2 height=3
)";

// The command line's own options.
bool isCommandOption(const char* argument)
{
    for (const char* option : {"--solve", "--json", "--list", "--help", "-h"}) {
        if (std::strcmp(argument, option) == 0)
            return true;
    }
    return false;
}

// A command line that cannot be carried out: what is wrong with it.
struct UsageError
{
    QString message;
};

// A name as the command line compares it: case and blanks do not matter.
QString key(const QString& name)
{
    return QString(name).remove(u' ').toCaseFolded();
}

QStringList figureNames()
{
    QStringList names;
    for (const CalculatorWindow& window : calculatorWindows)
        names << QString::fromLatin1(window.name);
    return names;
}

QStringList boxNames(const Form& form)
{
    QStringList names;
    for (const Form::Entry& entry : form.entries())
        names << entry.label;
    return names;
}

// The options that pick what the window solves for, by their captions.
QStringList optionNames(const Form& form)
{
    QStringList names;
    for (const QRadioButton* option : form.findChildren<QRadioButton*>())
        names << key(option->text());
    std::sort(names.begin(), names.end());
    return names;
}

const CalculatorWindow& figure(const QString& name)
{
    const CalculatorWindow* window = calculatorWindowNamed(key(name));
    if (!window)
        throw UsageError{QStringLiteral("there is no figure \"%1\"; the figures are: %2")
                             .arg(name, figureNames().join(QStringLiteral(", ")))};
    return *window;
}

// Picks the option solve= names; its Click enables the boxes to type into.
void pickOption(const Form& form, const QString& value)
{
    for (QRadioButton* option : form.findChildren<QRadioButton*>()) {
        if (key(option->text()) == key(value)) {
            option->click();
            return;
        }
    }
    throw UsageError{QStringLiteral("solve takes %1, not \"%2\"").arg(optionNames(form).join(u'|'), value)};
}

void typeEntry(const Form& form, const QString& figure, const QString& name, const QString& value)
{
    for (const Form::Entry& entry : form.entries()) {
        if (key(entry.label) != key(name))
            continue;
        if (!entry.box->isEnabled())
            throw UsageError{QStringLiteral("%1 is the side solved for; it takes no value").arg(entry.label)};
        // What cannot be typed into a box cannot be given either: a control
        // character, or a break that would end the entry's line.
        if (std::any_of(value.begin(), value.end(), [](QChar c) {
                return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
                       || c.category() == QChar::Separator_Paragraph;
            }))
            throw UsageError{QStringLiteral("the value of %1 holds a line break or a control character").arg(entry.label)};
        entry.box->setText(value);
        return;
    }
    QStringList names = boxNames(form);
    if (!optionNames(form).isEmpty())
        names << QStringLiteral("solve");
    throw UsageError{QStringLiteral("the %1 has no box \"%2\"; its boxes are: %3")
                         .arg(figure, name, names.join(QStringLiteral(", ")))};
}

// --solve FIGURE [NAME=VALUE]... [--json]: types the entries into the
// figure's window and presses its "Calculate".
int solve(QStringList arguments, QTextStream& out, QTextStream& err)
{
    const bool json = arguments.removeAll(QStringLiteral("--json")) > 0;
    if (arguments.isEmpty())
        throw UsageError{QStringLiteral("--solve needs a figure: %1").arg(figureNames().join(QStringLiteral(", ")))};
    const CalculatorWindow& window = figure(arguments.takeFirst());
    const QString name = QString::fromLatin1(window.name);
    std::unique_ptr<Form> form = window.build();
    QList<WorkedSolution::Message> messages;
    QObject::connect(form.get(), &Form::message, form.get(), [&messages](const QString& title, const QString& prompt) {
        messages.append({title, prompt});
    });

    // The option first: it decides which box is solved for.
    const bool hasOptions = !optionNames(*form).isEmpty();
    QList<std::pair<QString, QString>> entries;
    QStringList named;
    for (const QString& argument : std::as_const(arguments)) {
        const qsizetype equals = argument.indexOf(u'=');
        if (argument.startsWith(QLatin1String("--")) || equals <= 0)
            throw UsageError{QStringLiteral("\"%1\" is not NAME=VALUE").arg(argument)};
        const QString box = argument.left(equals);
        if (named.contains(key(box)))
            throw UsageError{QStringLiteral("%1 is given twice").arg(box)};
        named << key(box);
        if (hasOptions && key(box) == QLatin1String("solve"))
            pickOption(*form, argument.mid(equals + 1));
        else
            entries.append({box, argument.mid(equals + 1)});
    }
    for (const auto& [box, value] : std::as_const(entries))
        typeEntry(*form, name, box, value);
    form->findChild<QPushButton*>()->click();

    const WorkedSolution solution = form->workedSolution();
    if (json) {
        const auto error = messages.isEmpty() ? std::nullopt : std::optional(messages.first());
        out << QJsonDocument(solution.json(name, error)).toJson(QJsonDocument::Compact) << '\n';
    } else {
        out << solution.text();
    }
    for (const WorkedSolution::Message& message : std::as_const(messages))
        err << message.title << ": " << message.text << '\n';
    return messages.isEmpty() ? 0 : 1;
}

// --list: each figure with the names of its boxes.
void list(QTextStream& out)
{
    for (const CalculatorWindow& window : calculatorWindows) {
        const std::unique_ptr<Form> form = window.build();
        out << QString::fromLatin1(window.name).leftJustified(19) << boxNames(*form).join(QStringLiteral(", "));
        const QStringList options = optionNames(*form);
        if (!options.isEmpty())
            out << "; solve=" << options.join(u'|');
        out << '\n';
    }
}

// Qt's notes on the platform it runs on are not for the shell's user.
void onlyFailures(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << '\n';
}

} // namespace

bool wantsCommandLine(int argc, char* argv[])
{
    return std::any_of(argv + 1, argv + argc, isCommandOption);
}

int runCommandLine(int argc, char* argv[])
{
    // The windows are worked without being shown: no display is needed,
    // whatever platform the arguments name (the last one named counts).
    std::vector<char*> withPlatform(argv, argv + argc);
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    withPlatform.insert(withPlatform.end(), {platform, offscreen, nullptr});
    int count = argc + 2;
    qInstallMessageHandler(onlyFailures);
    QApplication app(count, withPlatform.data());
    setupApplication();
    finishSetup();

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString mode = arguments.isEmpty() ? QString() : arguments.takeFirst();
    int status = 0;
    try {
        if (mode == QLatin1String("--solve")) {
            status = solve(arguments, out, err);
        } else if (mode == QLatin1String("--list")) {
            if (!arguments.isEmpty())
                throw UsageError{QStringLiteral("--list takes no arguments")};
            list(out);
        } else if (mode == QLatin1String("--help") || mode == QLatin1String("-h")) {
            out << usage;
        } else {
            throw UsageError{QStringLiteral("the first argument must be --solve, --list or --help, not \"%1\"").arg(mode)};
        }
    } catch (const UsageError& error) {
        err << "tessaro: " << error.message << "\nTry 'tessaro --help' for more.\n";
        return 2;
    }
    out.flush();
    if (out.status() != QTextStream::Ok) {
        err << "tessaro: the output could not be written\n";
        return 1;
    }
    return status;
}
