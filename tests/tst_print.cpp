// Printed pages, read back as text by pdftotext: the answer key holds each
// problem's worked solution as the copy gives it, in order, each whole on
// one page; the question sheet holds what is given and no result; the file
// is the same for the same problems whatever the locale and the time.

#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/application.h"
#include "app/commandline/problem.h"
#include "geometry/catalogue.h"
#include "print/pages.h"
#include "testkit.h"

namespace {

// A worksheet with every figure, an overflow, a rejection and a line that
// is refused.
const QStringList worksheet = {
    "rectangle length=5 width=3",
    "triangle height=4 base=6 side1=3 side2=4 side3=5",
    "trapezoid height=4 side1=3 side2=4 side3=5 side4=6 base2=5 base1=3",
    "parallelogram slength=5 height=2 base=3",
    "circle radius=1e200",
    "rectangular-solid length=4 height=2 width=3",
    "cylinder height=3 radius=2",
    "cone radius=3 height=4 slength=5",
    "hexagon",
    "sphere radius=2",
    "pyramid slength=5 length=4 height=3",
    "distance x1=1 y1=2 x2=4 y2=6",
    "pythagorean solve=a b=5 c=4",
    "pythagorean a=3 b=4",
};

// The worksheet as the program's standard input.
const QString input = u'<' + worksheet.join(u'\n');

// The text of a PDF file's pages, one page each, every line without its blanks.
QList<QStringList> pages(const QString& file)
{
    QProcess reader;
    reader.start("pdftotext", {file, "-"});
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        qFatal("pdftotext failed: %s", qPrintable(reader.errorString()));
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts)) {
        QStringList lines;
        for (QString line : page.split(u'\n'))
            lines << line.remove(u' ');
        pages << lines;
    }
    return pages;
}

// Whether the lines stand in the text in this order, each whole on a line
// (blanks aside), from the place given on.
bool inOrder(const QStringList& text, const QStringList& lines, qsizetype& at)
{
    for (QString line : lines) {
        line.remove(u' ');
        if (line.isEmpty())
            continue;
        at = text.indexOf(line, at);
        if (at < 0)
            return false;
    }
    return true;
}

} // namespace

using namespace testkit;

class tst_Print : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { loadResources(); }
    void answerKey();
    void questionSheet();
    void sameFileAnywhere();
    void workedSolutionPage();

private:
    QTemporaryDir m_dir;
};

// Each problem that is not refused, numbered in input order, with its
// worked solution as the copy gives it (the lines reached and the message
// that ended the working), whole on one page.
void tst_Print::answerKey()
{
    const QString file = m_dir.filePath("key.pdf");
    QCOMPARE(tessaro({"--solve", "-", "--pdf", file, input}).status, 2);
    QVERIFY(pages(file).first().first() == "Answerkey" && pages(file).first().contains("2.Triangle")); // headed, full
    int number = 0;
    for (const QString& line : worksheet) {
        if (line == "hexagon")
            continue;
        const WorkedSolution solution = solve(readProblem(line.split(u' '))); // as the window would copy it
        QStringList copy = solution.text().split(u'\n');
        copy.first().prepend(QStringLiteral("%1. ").arg(++number));
        if (solution.message)
            copy << (solution.message->title == "Tessaro" ? "" : solution.message->title + ": ")
                    + solution.message->text;
        bool found = false;
        for (const QStringList& page : pages(file)) {
            qsizetype at = 0;
            found = found || inOrder(page, copy, at);
        }
        QVERIFY2(found, qPrintable(line));
    }
    // Every word lies within the margins, above the footer ("Page n of m");
    // a page after the first begins at the top.
    QProcess reader;
    reader.start("pdftotext", {"-bbox", file, "-"});
    QVERIFY(reader.waitForFinished() && reader.exitCode() == 0);
    static const QRegularExpression word(R"re(yMin="([\d.]+)".*yMax="([\d.]+)">([^<]*)<)re");
    const QStringList texts = QString::fromUtf8(reader.readAllStandardOutput()).split("<page ").mid(1);
    const qreal margin = 18 / 25.4 * 72;
    for (const QString& page : texts) {
        QList<std::pair<qreal, qreal>> body;
        qreal footer = 0, footerHeight = 0;
        for (const QRegularExpressionMatch& found : word.globalMatch(page)) {
            const qreal top = found.captured(1).toDouble(), bottom = found.captured(2).toDouble();
            QVERIFY(top >= margin - 0.5 && bottom <= 842 - margin + 0.5);
            if (found.captured(3) == "Page")
                std::tie(footer, footerHeight) = std::pair(top, bottom - top);
            else
                body << std::pair(top, bottom);
        }
        // The heading of the page, or of its first problem, set larger than the footer.
        QVERIFY(body.first().second - body.first().first > 1.4 * footerHeight);
        for (const auto& [top, bottom] : std::as_const(body))
            QVERIFY(top == footer || bottom <= footer);
        QVERIFY(!body.isEmpty() && body.first().first < margin + 0.5);
    }
}

// The same numbering, each problem with what is given and what to find, and
// none of its working or results.
void tst_Print::questionSheet()
{
    const QString file = m_dir.filePath("questions.pdf");
    QCOMPARE(tessaro({"--solve", "-", "--questions", "--pdf", file, input}).status, 2);
    QStringList text;
    for (const QStringList& page : pages(file))
        text << page;
    int number = 0;
    qsizetype at = 0;
    for (const QString& line : worksheet) {
        if (line == "hexagon")
            continue;
        const WorkedSolution solution = solve(readProblem(line.split(u' '))); // as the window would copy it
        QVERIFY(inOrder(text, {QStringLiteral("%1. %2").arg(++number).arg(solution.caption)}, at));
        for (const WorkedSolution::Frame& frame : solution.frames) {
            QVERIFY2(!text.contains(QString(frame.caption).remove(u' ')), qPrintable(frame.caption));
            for (const QString& worked : frame.lines)
                QVERIFY2(!text.contains(QString(worked).remove(u' ')), qPrintable(worked));
        }
    }
    QVERIFY(text.contains("Find:Volume,SurfaceArea"));
    QVERIFY(text.contains("Find:A"));
}

// Run again, in another locale, at another time, the file is the same byte
// for byte.
void tst_Print::sameFileAnywhere()
{
    QByteArray files[2];
    const QStringList environments[2] = {{"@LC_ALL=C.UTF-8", "@TZ=UTC"}, {"@LC_ALL=de_DE.UTF-8", "@TZ=Asia/Tokyo"}};
    for (int i = 0; i < 2; ++i) {
        QTest::qWait(i * 1100);
        const QString name = m_dir.filePath(QStringLiteral("same%1.pdf").arg(i));
        QCOMPARE(tessaro(environments[i] + QStringList{"--solve", "-", "--pdf", name, input}).status, 2);
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        files[i] = file.readAll();
    }
    QVERIFY(!files[0].isEmpty());
    QVERIFY(files[0] == files[1]);
}

// The window's page: its caption as the heading, the entries and the
// working as the copy gives them.
void tst_Print::workedSolutionPage()
{
    const WorkedSolution solution = geometry::cone.solve({"5", "4", "3"});
    const QString file = m_dir.filePath("window.pdf");
    {
        QPdfWriter writer(file);
        QCOMPARE(setOnPages(writer, {{&geometry::cone, solution}}, Sheet::WorkedSolution), 1);
    }
    qsizetype at = 0;
    QVERIFY(inOrder(pages(file).first(), solution.text().split(u'\n'), at));
    QCOMPARE(pages(file).first().first(), "Cone");
    // The picture as it was drawn, without lossy compression, on white
    // paper: its grey ground is white there.
    QCOMPARE(QProcess::execute("pdfimages", {"-png", file, m_dir.filePath("picture")}), 0);
    QImage drawn = QImage(":/cone@2x.bmp").convertToFormat(QImage::Format_RGB32);
    drawn.setDevicePixelRatio(1);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            drawn.setPixel(x, y, drawn.pixel(x, y) == qRgb(224, 223, 227) ? qRgb(255, 255, 255) : drawn.pixel(x, y));
    }
    QCOMPARE(QImage(m_dir.filePath("picture-000.png")).convertToFormat(QImage::Format_RGB32), drawn);
}

QTEST_MAIN(tst_Print)
#include "tst_print.moc"
