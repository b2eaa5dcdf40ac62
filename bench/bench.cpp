// Timings: one conversion of each kind between numbers and their texts, one
// press of "Calculate" in every calculator window, one recompute of each
// length converter; then start-up, from the start of the process to the
// splash and from the click on the splash to the menu, side by side with a
// bare Qt window, and the resident memory of both; then the command line: a
// worksheet of random problems in one call and in a call each, and a
// command line of 100,000 arguments. `make bench` builds and runs it;
// tables of the figures follow Qt Test's own report.
//
// TESSARO_BENCH_STARTS     how many times each program is started (default 15)
// TESSARO_BENCH_PROBLEMS   how many problems the worksheet holds (default 1000)
// TESSARO_BENCH_BATCH      how many problems and qalc expressions are timed in
//                          processor time (default 100,000)

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>

#include "app/application.h"
#include "app/frmmenu.h"
#include "bench/worksheet.h"
#include "figures/windowtable.h"
#include "model/calculator.h"
#include "numeric/numbertext.h"
#include "tests/manyproblems.h"

namespace {

// Two sets of entries taken in turn, so that every press rewrites every line.
const QString entries[2] = {QStringLiteral("12.5"), QStringLiteral("3.75")};

// One start of a traced program: what it printed ("event value" lines).
struct Run
{
    qint64 started = 0;
    QHash<QString, qint64> values;
    QString failure;
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

qint64 monotonicNanoseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

Run runTraced(const QString& program, const QStringList& expected)
{
    Run run;
    QProcess process;
    run.started = monotonicNanoseconds();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        run.failure = QStringLiteral("%1 failed: %2 %3")
                          .arg(program, process.errorString(), QString::fromLocal8Bit(process.readAllStandardError()));
        return run;
    }
    const QStringList lines = QString::fromLatin1(process.readAllStandardOutput()).split(u'\n');
    for (const QString& line : lines) {
        const QStringList parts = line.split(u' ');
        if (parts.size() == 2)
            run.values[parts[0]] = parts[1].toLongLong();
    }
    for (const QString& key : expected) {
        if (!run.values.contains(key))
            run.failure = program + QStringLiteral(" printed: ") + lines.join(u'|');
    }
    return run;
}

// The start-up of a bare Qt window and of Tessaro, started in turn so that
// whatever else the machine does falls on both alike; the first start of
// each only warms the file cache.
struct Startup
{
    QList<double> bare; // from starting the process to its window being exposed, ms
    QList<double> splash; // from starting the process to the splash being exposed, ms
    QList<double> menu; // from the click on the splash to the menu being exposed, ms
    QList<double> bareMemory; // resident memory with the window shown, MB
    QList<double> fullMemory; // with the menu and all twelve calculator windows open, MB
    QString failure;
};

Startup measureStartup(int starts)
{
    Startup result;
    for (int i = 0; i <= starts; ++i) {
        const auto startBare = [] { return runTraced(QStringLiteral(BARE_TRACED), {"window-exposed", "rss-kb"}); };
        const auto startTessaro = [] {
            return runTraced(QStringLiteral(TESSARO_TRACED), {"window-exposed", "click", "menu-exposed", "rss-kb"});
        };
        // Each goes first every other time.
        const Run first = i % 2 ? startTessaro() : startBare();
        const Run second = i % 2 ? startBare() : startTessaro();
        const Run& bare = i % 2 ? second : first;
        const Run& tessaro = i % 2 ? first : second;
        result.failure = bare.failure.isEmpty() ? tessaro.failure : bare.failure;
        if (!result.failure.isEmpty())
            return result;
        if (i == 0)
            continue;
        result.bare << double(bare.values["window-exposed"] - bare.started) / 1e6;
        result.splash << double(tessaro.values["window-exposed"] - tessaro.started) / 1e6;
        result.menu << double(tessaro.values["menu-exposed"] - tessaro.values["click"]) / 1e6;
        result.bareMemory << double(bare.values["rss-kb"]) / 1024;
        result.fullMemory << double(tessaro.values["rss-kb"]) / 1024;
    }
    return result;
}

// The offscreen platform says on every opening that it cannot raise a window.
QtMessageHandler passOn = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    passOn(type, context, message);
}

} // namespace

class tst_Bench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setupApplication();
        finishSetup();
        passOn = qInstallMessageHandler(quietPlatform);
    }
    void numberText_data();
    void numberText();
    void calculate_data();
    void calculate();
    void converter_data();
    void converter();
};

void tst_Bench::numberText_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("ValueOfText(12345.678)") << 0;
    QTest::newRow("ValueOfText(-1.5e-7 cm)") << 1;
    QTest::newRow("SpacedNumberText(12345.678)") << 2;
    QTest::newRow("SpacedNumberText(1.5E+300)") << 3;
    QTest::newRow("PlainNumberText(0.125)") << 4;
    QTest::newRow("Round(2.675, 2)") << 5;
    QTest::newRow("SquareRoot(2)") << 6;
}

// The inputs are read through volatile variables and every result feeds a
// sum that is checked, so that no call is optimised away.
void tst_Bench::numberText()
{
    QFETCH(int, kind);
    static const QString texts[2] = {QStringLiteral("12345.678"), QStringLiteral("-1.5e-7 cm")};
    static const double numbers[] = {0, 0, 12345.678, 1.5e300, 0.125, 2.675, 2};
    volatile double number = numbers[kind];
    double sum = 0;
    qsizetype length = 0;
    switch (kind) {
    case 0:
    case 1: {
        const QString& text = texts[kind];
        QBENCHMARK
        {
            sum += ValueOfText(text);
        }
        QVERIFY(sum != 0);
        break;
    }
    case 2:
    case 3:
        QBENCHMARK
        {
            length += SpacedNumberText(number).size();
        }
        QVERIFY(length > 0);
        break;
    case 4:
        QBENCHMARK
        {
            length += PlainNumberText(number).size();
        }
        QVERIFY(length > 0);
        break;
    case 5:
        QBENCHMARK
        {
            sum += Round(number, 2);
        }
        QVERIFY(sum > 0);
        break;
    default:
        QBENCHMARK
        {
            sum += SquareRoot(number);
        }
        QVERIFY(sum > 0);
        break;
    }
}

void tst_Bench::calculate_data()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < int(calculatorWindows.size()); ++i)
        QTest::newRow(calculatorWindows[size_t(i)].type->className()) << i;
}

// Presses as the user makes them: a click on the button and the window
// repainted with its new lines. The entries change between presses, so that
// every press rewrites every line; typing them is not timed. All windows are
// open and pressed in turn, so that whatever else the machine does falls on
// all of them alike; each window's figure is the median of its presses.
QList<double> measurePresses(int window)
{
    static QList<QList<double>> presses;
    if (!presses.isEmpty())
        return presses.value(window);

    struct Open
    {
        QWidget* form;
        QPushButton* button;
        QList<QLineEdit*> boxes;
    };
    QList<Open> open;
    for (const CalculatorWindow& calculator : calculatorWindows) {
        Open o{&calculator.show(), nullptr, {}};
        if (!QTest::qWaitForWindowExposed(o.form))
            return {};
        o.button = o.form->findChild<QPushButton*>();
        for (QLineEdit* box : o.form->findChildren<QLineEdit*>()) {
            if (box->isEnabled())
                o.boxes << box;
        }
        if (!o.button || o.boxes.isEmpty())
            return {};
        open << o;
    }

    presses.resize(open.size());
    QElapsedTimer clock;
    // The first press of each window also lays out the lines' first captions.
    for (int press = -1; press < 300; ++press) {
        for (qsizetype w = 0; w < open.size(); ++w) {
            for (QLineEdit* box : open[w].boxes)
                box->setText(entries[(press + 2) % 2]);
            QCoreApplication::processEvents();
            clock.start();
            QTest::mouseClick(open[w].button, Qt::LeftButton, {}, open[w].button->rect().center());
            QCoreApplication::processEvents();
            if (press >= 0)
                presses[w] << double(clock.nsecsElapsed()) / 1e6;
        }
    }
    for (const Open& o : open)
        o.form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return presses.value(window);
}

void tst_Bench::calculate()
{
    QFETCH(int, window);
    const QList<double> presses = measurePresses(window);
    QVERIFY2(!presses.isEmpty(), "a calculator window did not open or lacks a control");
    QTest::setBenchmarkResult(median(presses), QTest::WalltimeMilliseconds);
}

void tst_Bench::converter_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("US length") << "Textbox";
    QTest::newRow("metric length") << "MTextBox";
}

// A change of the value box recomputes the converter; the menu is repainted.
void tst_Bench::converter()
{
    QFETCH(QString, box);
    QWidget* menu = &showForm<frmMenu>();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    auto* value = menu->findChild<QLineEdit*>(box);
    QVERIFY(value);
    // Different units on either side, so that the arithmetic is shown.
    for (QComboBox* list : menu->findChildren<QComboBox*>()) {
        if (list->objectName().endsWith(QLatin1String("2")))
            list->setCurrentIndex(list->count() - 1);
    }

    int change = 0;
    QBENCHMARK
    {
        value->setText(entries[change++ % 2]);
        QCoreApplication::processEvents();
    }
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

QString cpuModel()
{
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : info.readAll().split('\n')) {
            if (line.startsWith("model name"))
                return QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
        }
    }
    return QStringLiteral("unknown processor");
}

QString duration(double milliseconds)
{
    if (milliseconds < 0.001)
        return QStringLiteral("%1 ns").arg(milliseconds * 1e6, 0, 'f', 1);
    if (milliseconds < 1)
        return QStringLiteral("%1 us").arg(milliseconds * 1e3, 0, 'f', 2);
    return QStringLiteral("%1 ms").arg(milliseconds, 0, 'f', 2);
}

// The table of Qt Test's comma-separated results:
// "function","tag","metric",value per iteration,total,iterations
void printTable(const QString& csv)
{
    QFile file(csv);
    if (!file.open(QIODevice::ReadOnly))
        return;
    static const QRegularExpression row(
        QStringLiteral("^\"([^\"]*)\",\"([^\"]*)\",\"([^\"]*)\",([^,]+),([^,]+),([0-9]+)"));
    qsizetype width = 0;
    QList<std::pair<QString, QString>> rows;
    QString slowest;
    double slowestPress = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QRegularExpressionMatch m = row.match(QString::fromUtf8(line));
        if (!m.hasMatch() || m.captured(3) != QLatin1String("WalltimeMilliseconds"))
            continue;
        const QString name = m.captured(1) + QStringLiteral(": ") + m.captured(2);
        const double time = m.captured(4).toDouble();
        rows.append({name, duration(time)});
        if (m.captured(1) == QLatin1String("calculate") && time > slowestPress) {
            slowestPress = time;
            slowest = m.captured(2);
        }
        width = std::max(width, name.size());
    }
    QTextStream out(stdout);
    out << "\nTessaro timings on " << cpuModel() << ", " << QThread::idealThreadCount() << " cores, platform "
        << QGuiApplication::platformName() << "\n";
    out << QStringLiteral("benchmark").leftJustified(width) << "  time per iteration\n";
    out << QString(width, u'-') << "  ------------------\n";
    for (const auto& [name, time] : rows)
        out << name.leftJustified(width) << "  " << time.rightJustified(12) << "\n";
    if (!slowest.isEmpty())
        out << "The slowest press of Calculate: " << slowest << ", " << duration(slowestPress) << "\n";
}

// The start-up table: medians with their spread, and the ratios to the bare
// window that the goals are set in.
void printStartup(const Startup& measured, int starts)
{
    QTextStream out(stdout);
    if (!measured.failure.isEmpty()) {
        out << "\nStart-up not measured: " << measured.failure << "\n";
        return;
    }
    auto row = [&out](const QString& name, const QList<double>& values, const char* unit) {
        const auto [least, most] = std::minmax_element(values.begin(), values.end());
        out << name.leftJustified(44)
            << QStringLiteral("%1 %2   (%3 to %4)\n")
                   .arg(median(values), 7, 'f', 1)
                   .arg(QLatin1String(unit))
                   .arg(*least, 0, 'f', 1)
                   .arg(*most, 0, 'f', 1);
    };
    auto ratio = [&out](const QString& name, double value, double goal) {
        out << name.leftJustified(44)
            << QStringLiteral("%1      (goal at most %2: %3)\n")
                   .arg(value, 7, 'f', 2)
                   .arg(goal, 0, 'f', 1)
                   .arg(value <= goal ? "met" : "MISSED");
    };
    out << "\nStart-up, " << starts << " starts of each program in turn: median (minimum to maximum)\n";
    row(QStringLiteral("bare Qt window: start to window exposed"), measured.bare, "ms");
    row(QStringLiteral("Tessaro: start to splash exposed"), measured.splash, "ms");
    ratio(QStringLiteral("ratio of the medians"), median(measured.splash) / median(measured.bare), 1.2);
    row(QStringLiteral("Tessaro: click on splash to menu exposed"), measured.menu, "ms");
    out << QString(44, u' ')
        << QStringLiteral("        (goal under 50 ms: %1)\n").arg(median(measured.menu) < 50 ? "met" : "MISSED");
    row(QStringLiteral("bare Qt window: resident memory"), measured.bareMemory, "MB");
    row(QStringLiteral("Tessaro, menu and twelve windows open"), measured.fullMemory, "MB");
    ratio(QStringLiteral("ratio of the medians"), median(measured.fullMemory) / median(measured.bareMemory), 1.5);
}

// The program's standard output for the arguments and standard input.
QByteArray tessaroOutput(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess program;
    program.start(QStringLiteral(TESSARO_PROGRAM), arguments);
    program.write(input);
    program.closeWriteChannel();
    program.waitForFinished(-1);
    return program.readAllStandardOutput();
}

// The processor time, user and system, that a program takes from its start
// to its end, in milliseconds, with standard input read from a file and its
// output thrown away; -1 if it cannot be started. Several are started side
// by side and waited for together: their times add up.
double cpuMilliseconds(const QList<QStringList>& commands, const QString& input = QStringLiteral("/dev/null"))
{
    QList<pid_t> started;
    for (const QStringList& command : commands) {
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 0, QFile::encodeName(input).constData(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
        QList<QByteArray> words;
        for (const QString& word : command)
            words << QFile::encodeName(word);
        QList<char*> argv;
        for (QByteArray& word : words)
            argv << word.data();
        argv << nullptr;
        pid_t pid = 0;
        const int failed = posix_spawnp(&pid, argv.first(), &files, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&files);
        if (failed)
            return -1;
        started << pid;
    }
    double total = 0;
    for (const pid_t pid : std::as_const(started)) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) != pid)
            return -1;
        total += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    return total;
}

// The median processor time of a command run alone, a number of times.
double medianCpuMilliseconds(const QStringList& command, int runs)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i)
        times << cpuMilliseconds({command});
    return median(times);
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QStringList& lines)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(lines.join(u'\n').toUtf8() + '\n');
    return file.fileName();
}

// The worksheet solved by one call of `--solve -` and by a call for each
// problem: the time per problem each way, and whether both print the same.
bool printManyProblems(int count)
{
    const QStringList problems = randomProblems(count, 1);
    QElapsedTimer clock;
    clock.start();
    const QByteArray together = tessaroOutput({"--solve", "-"}, problems.join(u'\n').toUtf8());
    const double oneCall = double(clock.nsecsElapsed()) / 1e6;
    clock.restart();
    const QByteArray separate =
        asSeparateCalls(problems, false, [](const QStringList& arguments) { return tessaroOutput(arguments); });
    const double separateCalls = double(clock.nsecsElapsed()) / 1e6;
    clock.restart();
    tessaroOutput(QStringList{"--solve", "circle"} + QStringList(100000, QStringLiteral("radius=1")));
    const double manyArguments = double(clock.nsecsElapsed()) / 1e6;

    QTextStream out(stdout);
    out << "\nThe command line, a worksheet of " << count << " random problems: time per problem\n";
    out << QStringLiteral("one call of --solve -").leftJustified(44) << duration(oneCall / count).rightJustified(12)
        << QStringLiteral("   (%1 s in all)\n").arg(oneCall / 1000, 0, 'f', 2);
    out << QStringLiteral("a call for each problem").leftJustified(44)
        << duration(separateCalls / count).rightJustified(12)
        << QStringLiteral("   (%1 s in all)\n").arg(separateCalls / 1000, 0, 'f', 2);
    out << QStringLiteral("the same output both ways").leftJustified(44) << (together == separate ? "yes" : "NO")
        << "\n";
    out << QStringLiteral("100,000 arguments answered in").leftJustified(44)
        << duration(manyArguments).rightJustified(12) << "\n";
    return together == separate;
}

// The command line's processor time against a general calculator's, in
// the same run: a worksheet of random problems over every figure in one
// call of --solve -, and one call of --solve; qalc on simple expressions
// from a file, and one qalc call. qalc waits some 20 ms an expression for
// its calculation thread, so its expressions go in files of 1,000, each to
// a qalc of its own, all side by side: their processor times add up,
// start-ups included.
void printProcessorTimes(int batch)
{
    QTextStream out(stdout);
    const auto row = [&out](const QString& name, double milliseconds, const QString& note = {}) {
        out << name.leftJustified(44) << duration(milliseconds).rightJustified(12) << note << "\n";
    };
    QTemporaryDir dir;
    const QString worksheet = writeFile(dir, QStringLiteral("worksheet"), randomProblems(batch, 1));
    const double solving = cpuMilliseconds({{TESSARO_PROGRAM, "--solve", "-"}}, worksheet);
    const double one =
        medianCpuMilliseconds({TESSARO_PROGRAM, "--solve", "cone", "radius=3", "height=4", "slength=5"}, 21);
    out << "\nProcessor time (user and system) of the command line, beside qalc in the same run\n";
    row(QStringLiteral("--solve -, %1 problems: a problem").arg(batch), solving / batch,
        QStringLiteral("   (%1 s in all; goal at most 20 us: %2)")
            .arg(solving / 1000, 0, 'f', 2)
            .arg(solving / batch <= 0.02 ? "met" : "MISSED"));
    row(QStringLiteral("--solve, one call (median of 21)"), one,
        QStringLiteral("   (goal at most 10 ms: %1)").arg(one <= 10 ? "met" : "MISSED"));

    // The same worksheet's first thousand problems as an answer key.
    const QStringList thousand = randomProblems(std::min(batch, 1000), 1);
    const QString key = dir.filePath(QStringLiteral("key.pdf"));
    QElapsedTimer clock;
    clock.start();
    const double printing = cpuMilliseconds({{TESSARO_PROGRAM, "--solve", "-", "--pdf", key}},
                                            writeFile(dir, QStringLiteral("thousand"), thousand));
    const double printingWall = double(clock.nsecsElapsed()) / 1e6;
    row(QStringLiteral("--solve - --pdf, %1 problems").arg(thousand.size()), printing,
        QStringLiteral("   (%1 s on the clock; %2 KB)")
            .arg(printingWall / 1000, 0, 'f', 2)
            .arg(QFileInfo(key).size() / 1024));

    QList<QStringList> qalcs;
    QRandomGenerator random(3);
    for (int file = 0; file * 1000 < batch; ++file) {
        QStringList expressions;
        for (int i = 0; i < std::min(1000, batch - file * 1000); ++i)
            expressions << QStringLiteral("%1*%2+%3/2")
                               .arg(random.bounded(1, 1000))
                               .arg(random.bounded(1, 100))
                               .arg(random.bounded(1, 10));
        qalcs << QStringList{"qalc", "-f", writeFile(dir, QStringLiteral("qalc%1").arg(file), expressions)};
    }
    const double calculating = cpuMilliseconds(qalcs);
    if (calculating < 0) {
        out << "qalc not measured: it could not be started (make bench installs it)\n";
        return;
    }
    const double qalcOne = medianCpuMilliseconds({"qalc", "3*4+5/2"}, 5);
    row(QStringLiteral("qalc -f, %1 expressions: an expression").arg(batch), calculating / batch,
        QStringLiteral("   (%1 s in all, in %2 files)").arg(calculating / 1000, 0, 'f', 2).arg(qalcs.size()));
    row(QStringLiteral("qalc, one call (median of 5)"), qalcOne);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tst_Bench bench;
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("results.csv"));
    QStringList arguments = app.arguments();
    arguments << "-o" << csv + QStringLiteral(",csv") << "-o" << QStringLiteral("-,txt");
    const int failures = QTest::qExec(&bench, arguments);
    printTable(csv);

    bool ok = false;
    int starts = qEnvironmentVariableIntValue("TESSARO_BENCH_STARTS", &ok);
    if (!ok || starts < 1)
        starts = 15;
    const Startup startup = measureStartup(starts);
    printStartup(startup, starts);
    int problems = qEnvironmentVariableIntValue("TESSARO_BENCH_PROBLEMS", &ok);
    if (!ok || problems < 1)
        problems = 1000;
    const bool same = printManyProblems(problems);
    int batch = qEnvironmentVariableIntValue("TESSARO_BENCH_BATCH", &ok);
    if (!ok || batch < 1)
        batch = 100000;
    printProcessorTimes(batch);
    return failures + (startup.failure.isEmpty() ? 0 : 1) + (same ? 0 : 1);
}

#include "bench.moc"
