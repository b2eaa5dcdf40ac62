// Soak: every calculator window pressed thousands of times with random
// entries of every kind, every result line checked against the shape of its
// window's step lines; the menu's converters fed the same entries and unit
// picks; and every window opened and closed hundreds of times without
// leaving a widget behind.
//
// TESSARO_SOAK_PRESSES   presses of "Calculate" in all, and changes of each
//                        converter (default 3500)
// TESSARO_SOAK_REOPENS   openings of each window (default 200)
// TESSARO_SOAK_SEED      the generator's seed (default: a fresh one, printed)

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <cmath>
#include <random>

#include "app/application.h"
#include "app/form.h"
#include "app/frmmenu.h"
#include "app/frmsplash.h"
#include "figures/coordinate/frmgrid.h"
#include "figures/coordinate/frmpryther.h"
#include "figures/plane/frmcircle.h"
#include "figures/plane/frmparallelogram.h"
#include "figures/plane/frmsquare.h"
#include "figures/plane/frmtrapezoid.h"
#include "figures/plane/frmtriangle.h"
#include "figures/solid/frmcone.h"
#include "figures/solid/frmcylinder.h"
#include "figures/solid/frmpyramid.h"
#include "figures/solid/frmrecsolid.h"
#include "figures/solid/frmsphere.h"
#include "numeric/numbertext.h"
#include "testkit.h"

using namespace testkit;

namespace {

const QString Overflow = QStringLiteral("Overflow: a result is too large to calculate.");
const QString NegativeRoot =
    QStringLiteral("Invalid calculation: square root of a negative number.");

// One step line: its name and its shape, the literal pieces with # where a
// number stands.
struct Step
{
    QString line;
    QString shape;
};

// One row of the soak: a window, the option button selected before the
// presses, its boxes and its step lines in the order the handler writes them.
struct Window
{
    QString row;
    QWidget* (*open)();
    bool (*loaded)();
    QString button;
    QStringList boxes;
    QList<Step> steps;
    QStringList spareLines = {};   // lines that no press writes
    int rootStep = -1;             // the step whose number is a square root
    QString option = {};
    // Pythagorean theorem: the press is refused when boxes[knownLeg] >= boxes[hypotenuse].
    int knownLeg = -1;
    int hypotenuse = -1;
};

template <class F> QWidget* openForm()
{
    return &showForm<F>();
}

template <class F> bool isLoaded()
{
    return !formInstance<F>().isNull();
}

const QList<Window>& windows()
{
    static const QList<Window> all = {
        {"rectangle", openForm<frmsquare>, isLoaded<frmsquare>, "calculate", {"Lenth", "Wid"},
         {{"DispArea1", "A =# * #"},
          {"DispArea2", "A =#"},
          {"DispPer1", "P = 2*# + 2*#"},
          {"DispPer2", "P =#+#"},
          {"DispPer3", "P =#"}}},
        {"triangle", openForm<FrmTriangle>, isLoaded<FrmTriangle>, "Command1",
         {"side1", "side2", "side3", "Base", "Hght"},
         {{"DispPer1", "# + # + #"},
          {"DispPer2", "#"},
          {"DispArea1", "# * # * 0.5 "},
          {"DispArea2", "#"}}},
        {"trapezoid", openForm<FrmTrapezoid>, isLoaded<FrmTrapezoid>, "Command1",
         {"Base1", "Base2", "Hgt", "Side1", "Side2", "Side3", "Side4"},
         {{"DispArea1", "0.5*#(#+#)"},
          {"DispArea2", "0.5*#*#"},
          {"DispArea3", "#"},
          {"DispPer1", "#+#+#+#"},
          {"DispPer2", "#"}},
         {"DispArea4", "DispPer3"}},
        {"parallelogram", openForm<FrmParallelogram>, isLoaded<FrmParallelogram>, "Command1",
         {"bse", "Hgt", "Slenght"},
         {{"DispArea1", "# * #"},
          {"DispArea2", "#"},
          {"DispPer1", "2*# + 2*#"},
          {"DispPer2", "# + #"},
          {"DispPer3", "#"}}},
        {"circle", openForm<FrmCircle>, isLoaded<FrmCircle>, "Command1", {"Radius"},
         {{"DispArea1", "pi*# ²"},
          {"DispArea2", "pi*#"},
          {"DispArea3", "#"},
          {"DispCir1", "2*pi*#"},
          {"DispCir2", "#"}}},
        {"rectangular solid", openForm<FrmRecSolid>, isLoaded<FrmRecSolid>, "Command1",
         {"Lnght", "Wdth", "hgt"},
         {{"DispVol1", "#*#*#"},
          {"DispVol2", "#"},
          {"DispSA1", "2(#*#)+2(#*#)+2(#*#)"},
          {"DispSA2", "#+#+#"},
          {"DispSA3", "#"}}},
        {"cylinder", openForm<FrmCylinder>, isLoaded<FrmCylinder>, "Command1", {"Hgt", "Radius"},
         {{"DispVol1", "pi *# ²*#"},
          {"DispVol2", "pi*#*#"},
          {"DispVol3", "#"},
          {"DispSA1", "2pi*#*#+2pi*# ²"},
          {"DispSA2", "2pi*#*#+2pi*#"},
          {"DispSA3", "#+#"},
          {"DispSA4", "#"}}},
        {"cone", openForm<FrmCone>, isLoaded<FrmCone>, "Command1", {"Slnght", "Hgt", "Radius"},
         {{"DispVol1", "1/3pi*# ²*#"},
          {"DispVol2", "1/3pi*#*#"},
          {"DispVol3", "#"},
          {"dispSA1", "0.5(2*pi*#)#+pi*# ²"},
          {"DispSA2", "0.5*#*#+pi*# ²"},
          {"DispSA3", "0.5*#*#+pi*#"},
          {"DispSA4", "#"}}},
        {"sphere", openForm<FrmSphere>, isLoaded<FrmSphere>, "Command1", {"Radius"},
         {{"DispVol1", "4/3pi*# ³"},
          {"DispVol2", "4/3pi*#"},
          {"DispVol3", "#"},
          {"DispSA1", "4pi*# ²"},
          {"DispSA2", "4pi*#"},
          {"DispSA3", "#"}}},
        {"square pyramid", openForm<FrmPyramid>, isLoaded<FrmPyramid>, "Command1",
         {"SLnght", "Lnght", "Hght"},
         {{"DispVol1", "1/3*# ²*#"},
          {"DispVol2", "1/3*#*#"},
          {"DispVol3", "#"},
          {"DispSA1", "2*#*#+# ²"},
          {"DispSA2", "2*#*#+#"},
          {"DispSA3", "#+#"},
          {"DispSa4", "#"}}},
        {"distance and midpoint", openForm<FrmGrid>, isLoaded<FrmGrid>, "Command1",
         {"Ix1", "Iy1", "Ix2", "Iy2"},
         {{"DispMid1", "(#+#)/2 , (#+#)/2"},
          {"DispMid2", "#/2 , #/2"},
          {"DispMid3", "# , #"},
          {"DispDist1", "(#-#) ² + (#-#) ²"},
          {"DispDist2", "# ² + # ²"},
          {"DispDist3", "# + #"},
          {"DispDist4", "#"},
          {"DispDist5", "#"}},
         {}, 7},
        {"Pythagorean C", openForm<FrmPryTher>, isLoaded<FrmPryTher>, "Command1",
         {"IputA", "IputB", "IputC"},
         {{"DispPry1", "# ² +# ²=C ²"},
          {"DispPry2", "#+#=C ²"},
          {"DispPry3", "#=C ²"},
          {"DispPry4", "#=C "}},
         {}, 3, "Oc"},
        {"Pythagorean A", openForm<FrmPryTher>, isLoaded<FrmPryTher>, "Command1",
         {"IputA", "IputB", "IputC"},
         {{"DispPry1", "A ² +# ² =# ²"},
          {"DispPry2", "A ² +#=#"},
          {"DispPry3", "A ² =#"},
          {"DispPry4", "A =#"}},
         {}, 3, "Oa", 1, 2},
        {"Pythagorean B", openForm<FrmPryTher>, isLoaded<FrmPryTher>, "Command1",
         {"IputA", "IputB", "IputC"},
         {{"DispPry1", "# ² + B ²  =# ²"},
          {"DispPry2", "#+ B²=#"},
          {"DispPry3", "B ² =#"},
          {"DispPry4", "B =#"}},
         {}, 3, "Ob", 0, 2},
    };
    return all;
}

// A number as a step line shows it: a blank or "-", then the digits with no
// trailing zeros after the point and no zero before it below 1, or a
// mantissa and a signed exponent of at least two digits.
const QString NumberPattern = QStringLiteral(
    "([ -](?:(?:0|[1-9][0-9]*)(?:\\.[0-9]*[1-9])?|\\.[0-9]*[1-9]"
    "|[1-9](?:\\.[0-9]*[1-9])?E[+-][0-9]{2,3}))");

QRegularExpression shapePattern(const QString& shape)
{
    QString pattern;
    for (QChar c : shape)
        pattern += c == u'#' ? NumberPattern : QRegularExpression::escape(QString(c));
    QRegularExpression re(QRegularExpression::anchoredPattern(pattern));
    re.optimize();
    return re;
}

// What is wrong with one number of a line, or nothing: at most 15
// significant digits, exponent form exactly outside 1E-9 <= |x| < 1E15 and
// within the range of a double, no negative zero.
QString numberFault(const QString& number)
{
    if (number == QLatin1String("-0"))
        return QStringLiteral("negative zero");
    const qsizetype e = number.indexOf(u'E');
    QString digits = number.mid(1, e < 0 ? -1 : e - 1).remove(u'.');
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    if (digits.size() > 15)
        return QStringLiteral("more than 15 significant digits");
    if (e >= 0) {
        const int exponent = number.mid(e + 1).toInt();
        if (exponent >= -9 && exponent < 15)
            return QStringLiteral("exponent form inside the fixed range");
        if (exponent > 308 || exponent < -324)
            return QStringLiteral("exponent beyond a double");
        return {};
    }
    const qsizetype point = number.indexOf(u'.');
    const qsizetype whole = point < 0 ? number.size() - 1 : point - 1;
    if (whole > 15)
        return QStringLiteral("fixed form of 1E+15 or more");
    static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
    if (whole == 0 && number.mid(point + 1).indexOf(nonZero) > 8)
        return QStringLiteral("fixed form below 1E-9");
    return {};
}

// Random entries: numbers of every magnitude written in every way a user
// might, and text that is no number at all.
class Entries
{
public:
    explicit Entries(quint64 seed) : m_random(seed) {}

    int below(int n) { return int(m_random() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }

    QString digits(int count, bool leadingNonZero)
    {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(u'0' + ((i == 0 && leadingNonZero) ? 1 + below(9) : below(10)));
        return text;
    }

    QString sign()
    {
        const int s = below(10);
        return s < 3 ? QStringLiteral("-") : s == 3 ? QStringLiteral("+") : QString();
    }

    // Digits with a point somewhere, a leading point, or none.
    QString mantissa()
    {
        const int count = 1 + below(chance(20) ? 20 : 6);
        QString m = digits(count, chance(80));
        const int p = below(count + 2);
        if (p == 0)
            m.prepend(u'.');
        else if (p < count)
            m.insert(p, u'.');
        return m;
    }

    QString exponent()
    {
        static const QStringList extremes = {"999", "-999", "4000", "-4000", "99999999999",
                                             "-99999999999", "309", "-325", "0308", "-0320"};
        if (chance(8))
            return extremes[below(int(extremes.size()))];
        const int e = below(661) - 330;
        QString text = QString::number(e);
        if (e >= 0 && chance(30))
            text.prepend(u'+');
        return text;
    }

    QString next()
    {
        static const QStringList special = {
            "-0", "-0.0", "-.0e5", "+0", "0e999", "1e308", "-1e308", "1.7976931348623157e308",
            "1.797693134862315e308", "1.797693134862316e308", "4.9e-324", "-4.9e-324",
            "2.2250738585072014e-308", "1e-320", "-1e-320", "1e-400", "-1e-400",
            "999999999999999", "999999999999999.5", "-999999999999999.4", "1e15", "-1e15",
            "1e-9", "-1e-9", "9.9999999999999999e-10", "0.1", ".1", "-.25", "1.5e2", "3cm",
            "1,5", "1 2", " 7 ", "\t-\t3\n", "2E3", "1e", "1e+", "e5", ".", "-", "+-1", "--1",
            "1..2", ".e1", "1e+-3", "inf", "-inf", "nan", "NaN", "Infinity", "0x1p4",
            "\u00B2", "\u0663", "\uFF11", "1\u00B2", "1E1.5", "123456789012345678901234567890"};
        static const QString garbage =
            QStringLiteral("0123456789.-+eE ,\t\nabcinfxyzINFNAN\u00B2\u00B3\u0663\uFF11#$%");

        switch (below(20)) {
        case 0:
            return QString();
        case 1:
        case 2:
        case 3:
        case 4:   // a short everyday number
            return sign() + mantissa();
        case 5:
        case 6:
        case 7:
        case 8:
        case 9:
        case 10:   // exponent form, any magnitude
            return sign() + mantissa() + (chance(50) ? u'e' : u'E') + exponent();
        case 11: {   // a magnitude written out in full
            if (chance(50))
                return sign() + digits(1 + below(330), true);
            return sign() + u'.' + QString(below(330), u'0') + digits(1 + below(5), true);
        }
        case 12:
        case 13:
        case 14:
            return special[below(int(special.size()))];
        case 15:
        case 16: {   // characters of every kind
            QString text;
            for (int n = below(14); n > 0; --n)
                text += garbage[below(int(garbage.size()))];
            return text;
        }
        case 17:   // a number with something after it
            return sign() + mantissa() + garbage[below(int(garbage.size()))] + mantissa();
        default:   // blanks inside and around
            return QStringLiteral(" ") + sign() + u' ' + mantissa() + u' ' + digits(1, false)
                   + u' ';
        }
    }

    // A text of 10,000 characters to paste.
    QString paste()
    {
        switch (below(6)) {
        case 0:
            return digits(10000, true);   // far beyond a double
        case 1:
            return QStringLiteral("0.") + digits(9998, false);
        case 2:
            return QStringLiteral("-") + QString(9999, u'0');   // a long negative zero
        case 3:
            return u'.' + QString(9998, u'0') + u'1';   // far below a double
        case 4:
            return QStringLiteral("1e") + QString(9998, u'9');
        default: {
            QString text;
            static const QString any = QStringLiteral("0123456789.-+eE ,xyz\u00B2");
            for (int i = 0; i < 10000; ++i)
                text += any[below(int(any.size()))];
            return text;
        }
        }
    }

private:
    std::mt19937_64 m_random;
};

int setting(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

QString shortened(const QString& text, qsizetype longest = 60)
{
    QString shown = text.size() > longest
                        ? text.left(20) + QStringLiteral("...(%1 chars)").arg(text.size())
                        : text;
    return u'"' + shown.replace(u'\n', QLatin1String("\\n")).replace(u'\t', QLatin1String("\\t"))
           + u'"';
}

// The offscreen platform says on every opening that it cannot raise a window
// or propagate size hints; thousands of openings would bury the test's own
// output under those lines.
QtMessageHandler passOn = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    passOn(type, context, message);
}

// One length converter of the menu: its controls, and the size of each of
// its units in the smallest one, in the order of its lists.
struct Converter
{
    QString row;
    QString box, from, to, result, math;
    std::array<double, 4> sizes;
    bool thousandsCommas;   // the factors of 1,000 and more are written with commas
};

const QList<Converter> converters = {
    {"US length", "Textbox", "Combo1", "Combo2", "Result", "Math", {1, 12, 36, 63360}, false},
    {"metric length", "MTextBox", "MCombo1", "MCombo2", "MResult", "mMath",
     {1, 10, 1000, 1000000}, true},
};

// How many of the smaller unit make the larger one.
double unitFactor(const Converter& c, int from, int to)
{
    return std::max(c.sizes[from], c.sizes[to]) / std::min(c.sizes[from], c.sizes[to]);
}

// The arithmetic's operation from one unit to another: "*1" for the same
// unit, otherwise the factor, dividing towards the larger unit.
QString operationText(const Converter& c, int from, int to)
{
    const double factor = unitFactor(c, from, to);
    QString digits = QString::number(qint64(factor));
    if (c.thousandsCommas) {
        for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
            digits.insert(i, u',');
    }
    return (c.sizes[from] < c.sizes[to] ? u'/' : u'*') + digits;
}

// What is wrong with a converter's two labels, or nothing.
QString conversionFault(const Converter& c, int from, int to, const QString& text,
                        const QString& result, const QString& math)
{
    static const QRegularExpression infOrNan(QStringLiteral("inf|nan"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (result.contains(infOrNan) || math.contains(infOrNan))
        return QStringLiteral("inf or nan");
    const double v = ValueOfText(text);
    const double factor = unitFactor(c, from, to);
    if (result == QLatin1String("Overflow")) {
        if (!math.isEmpty())
            return QStringLiteral("arithmetic shown with an overflow");
        if (std::isfinite(v * factor))
            return QStringLiteral("an overflow of a value that converts");
        return {};
    }

    // The result as the user's locale writes a number.
    const QString point = QRegularExpression::escape(QLocale::system().decimalPoint());
    const QRegularExpression plain(QRegularExpression::anchoredPattern(
        QStringLiteral("-?(?:(?:0|[1-9][0-9]*)(?:%1[0-9]*[1-9])?"
                       "|[1-9](?:%1[0-9]*[1-9])?E[+-][0-9]{2,3})")
            .arg(point)));
    if (!plain.match(result).hasMatch())
        return QStringLiteral("the result is no number");
    QString spaced = QString(result).replace(QLocale::system().decimalPoint(), QStringLiteral("."));
    if (!spaced.startsWith(u'-'))
        spaced.prepend(u' ');
    if (const QString fault = numberFault(spaced); !fault.isEmpty())
        return QStringLiteral("the result: ") + fault;

    const QRegularExpression arithmetic(QRegularExpression::anchoredPattern(
        NumberPattern + QRegularExpression::escape(operationText(c, from, to))));
    const QRegularExpressionMatch match = arithmetic.match(math);
    if (!match.hasMatch())
        return QStringLiteral("the arithmetic is not the value and \"%1\"")
            .arg(operationText(c, from, to));
    if (const QString fault = numberFault(match.captured(1)); !fault.isEmpty())
        return QStringLiteral("the arithmetic: ") + fault;
    return {};
}

enum class Outcome { Written, RuntimeError, Refused };

// What is wrong with the step lines and the message boxes after one press, or
// nothing; the lines in the order the handler writes them.
QString pressFault(const Window& w, const QList<QRegularExpression>& shapes,
                   const QStringList& typed, const QStringList& shown, const QStringList& spare,
                   const MessageBoxSeen& box, Outcome& outcome)
{
    static const QRegularExpression infOrNan(QStringLiteral("inf|nan"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression negativeZero(QStringLiteral("-0(?![0-9]|\\.[0-9])"));

    if (!spare.join(QString()).isEmpty())
        return QStringLiteral("a spare line was written");
    if (box.count > 1)
        return QStringLiteral("more than one message box");

    // The Pythagorean window refuses a known leg as long as the hypotenuse.
    if (w.knownLeg >= 0) {
        const bool refuse = ValueOfText(typed[w.knownLeg]) >= ValueOfText(typed[w.hypotenuse]);
        if (refuse != (box.count == 1 && box.title == QLatin1String("Invalid Entry")))
            return refuse ? QStringLiteral("no refusal") : QStringLiteral("a refusal");
        if (refuse) {
            outcome = Outcome::Refused;
            if (box.text != QLatin1String("Error: A + B Cannot be greater than C"))
                return QStringLiteral("the refusal's text");
            if (!shown.join(QString()).isEmpty())
                return QStringLiteral("lines written though refused");
            return {};
        }
    }

    // The lines written come first, each of its shape; a run-time error
    // leaves the rest empty and says so in a message box.
    qsizetype written = 0;
    while (written < shown.size() && !shown[written].isEmpty())
        ++written;
    for (qsizetype s = written; s < shown.size(); ++s) {
        if (!shown[s].isEmpty())
            return w.steps[s].line + QStringLiteral(" written after an empty line");
    }
    for (qsizetype s = 0; s < written; ++s) {
        const QString& line = shown[s];
        const QString& name = w.steps[s].line;
        if (line.contains(infOrNan))
            return name + QStringLiteral(" shows inf or nan");
        if (line.contains(negativeZero))
            return name + QStringLiteral(" shows a negative zero");
        const QRegularExpressionMatch match = shapes[s].match(line);
        if (!match.hasMatch())
            return name + QStringLiteral(" is not of the shape \"%1\"").arg(w.steps[s].shape);
        for (int n = 1; n <= match.lastCapturedIndex(); ++n) {
            const QString fault = numberFault(match.captured(n));
            if (!fault.isEmpty())
                return QStringLiteral("%1: \"%2\": %3").arg(name, match.captured(n), fault);
        }
    }
    if (written == shown.size())
        return box.count == 0 ? QString() : QStringLiteral("a message box with every line written");
    outcome = Outcome::RuntimeError;
    if (box.count != 1 || box.title != QLatin1String("Tessaro"))
        return QStringLiteral("lines left empty without the run-time error's message box");
    if (box.text != (written == w.rootStep ? NegativeRoot : Overflow))
        return QStringLiteral("the wrong run-time error");
    return {};
}

} // namespace

class tst_Soak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void calculate_data();
    void calculate();
    void reopen_data();
    void reopen();
    void reopenStart_data();
    void reopenStart();
    void converters_data();
    void converters();
    void cleanupTestCase();

private:
    quint64 m_seed = 0;
    int m_presses = 0;
    QElapsedTimer m_clock;
};

void tst_Soak::initTestCase()
{
    setupApplication();
    passOn = qInstallMessageHandler(quietPlatform);
    bool ok = false;
    m_seed = qEnvironmentVariable("TESSARO_SOAK_SEED").toULongLong(&ok);
    if (!ok)
        m_seed = std::random_device()() | (quint64(std::random_device()()) << 32);
    m_presses = setting("TESSARO_SOAK_PRESSES", 3500);
    qInfo("seed %llu (repeat with TESSARO_SOAK_SEED=%llu), %d presses", m_seed, m_seed,
          m_presses);
    m_clock.start();
}

void tst_Soak::cleanupTestCase()
{
    qInfo("%.1f s in all", double(m_clock.elapsed()) / 1000);
}

void tst_Soak::calculate_data()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < windows().size(); ++i)
        QTest::newRow(qPrintable(windows()[i].row)) << i;
}

void tst_Soak::calculate()
{
    QFETCH(int, window);
    const Window& w = windows()[window];
    // Each row has its own generator, so that a row repeats alone with the same seed.
    Entries entries(m_seed + quint64(window));
    const int presses = std::max(1, m_presses / int(windows().size()));

    QWidget* form = w.open();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    if (!w.option.isEmpty())
        click(form, w.option);

    QList<QRegularExpression> shapes;
    for (const Step& step : w.steps)
        shapes << shapePattern(step.shape);
    QList<QLineEdit*> boxes;
    for (const QString& name : w.boxes)
        boxes << control<QLineEdit>(form, name);

    int failed = 0, negativeRoots = 0, refused = 0, pasted = 0;
    QStringList typed(boxes.size());
    QStringList shown(w.steps.size());
    for (int press = 0; press < presses; ++press) {
        for (qsizetype b = 0; b < boxes.size(); ++b) {
            QLineEdit* box = boxes[b];
            if (entries.below(1000) < 3 && box->isEnabled()) {
                // Select everything and paste over it.
                typed[b] = entries.paste();
                QGuiApplication::clipboard()->setText(typed[b]);
                box->setFocus();
                box->selectAll();
                QTest::keySequence(box, QKeySequence::Paste);
                QCOMPARE(box->text().size(), 10000);
                ++pasted;
            } else {
                const QString entry = entries.next();
                // Now and then typed key by key, where every character is a key
                // of the main block that stays in the box.
                static const QRegularExpression keys(
                    QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Za-z .,+-]*")));
                if (entries.chance(3) && box->isEnabled() && keys.match(entry).hasMatch())
                    type(form, w.boxes[b], entry);
                else
                    box->setText(entry);
            }
            typed[b] = box->text();
        }

        const MessageBoxSeen box = answerMessageBoxes([&] { click(form, w.button); });

        for (qsizetype s = 0; s < w.steps.size(); ++s)
            shown[s] = caption(form, w.steps[s].line);
        const auto context = [&](const QString& fault) {
            QStringList text{QStringLiteral("seed %1, press %2: %3").arg(m_seed).arg(press).arg(
                fault)};
            for (qsizetype b = 0; b < boxes.size(); ++b)
                text << QStringLiteral("  %1 = %2").arg(w.boxes[b], shortened(typed[b]));
            for (qsizetype s = 0; s < w.steps.size(); ++s)
                text << QStringLiteral("  %1: %2").arg(w.steps[s].line, shortened(shown[s], 400));
            if (box.count)
                text << QStringLiteral("  box %1: %2").arg(box.title, box.text);
            return text.join(u'\n');
        };

        QStringList spare;
        for (const QString& name : w.spareLines)
            spare << caption(form, name);
        Outcome outcome = Outcome::Written;
        const QString fault = pressFault(w, shapes, typed, shown, spare, box, outcome);
        QVERIFY2(fault.isEmpty(), qPrintable(context(fault)));
        failed += outcome == Outcome::RuntimeError;
        negativeRoots += outcome == Outcome::RuntimeError && box.text == NegativeRoot;
        refused += outcome == Outcome::Refused;
    }
    qInfo("%d presses: %d ended by a run-time error (%d negative roots), %d refused, "
          "%d pastes of 10,000 characters",
          presses, failed, negativeRoots, refused, pasted);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w.loaded());
}

void tst_Soak::reopen_data()
{
    calculate_data();
}

// Opening a window builds it from its definition and closing it destroys it
// with all its controls.
void tst_Soak::reopen()
{
    QFETCH(int, window);
    const Window& w = windows()[window];
    Entries entries(m_seed + quint64(window));
    const int reopens = setting("TESSARO_SOAK_REOPENS", 200);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype windowCount = QApplication::topLevelWidgets().size();
    QVERIFY(!w.loaded());
    for (int i = 0; i < reopens; ++i) {
        QWidget* form = w.open();
        QVERIFY(w.loaded());
        QVERIFY(QApplication::allWidgets().size() > widgets);
        if (!w.option.isEmpty())
            click(form, w.option);
        // Now and then a press, also one that ends in a message box.
        if (i % 20 == 0) {
            for (const QString& name : w.boxes)
                control<QLineEdit>(form, name)
                    ->setText(i % 40 == 0 ? QStringLiteral("1e999") : entries.next());
            answerMessageBoxes([&] { click(form, w.button); });
        }
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w.loaded());
        QCOMPARE(QApplication::allWidgets().size(), widgets);
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), windowCount);
}

// The splash and the menu come and go as often: the splash hands over to the
// menu when it closes, and the menu's converters recompute now and then.
void tst_Soak::reopenStart_data()
{
    QTest::addColumn<bool>("splash");
    QTest::newRow("menu") << false;
    QTest::newRow("splash and menu") << true;
}

void tst_Soak::reopenStart()
{
    QFETCH(bool, splash);
    Entries entries(m_seed + 200);
    const int reopens = setting("TESSARO_SOAK_REOPENS", 200);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qsizetype widgets = QApplication::allWidgets().size();
    for (int i = 0; i < reopens; ++i) {
        if (splash) {
            showForm<frmSplash>().close();
            QVERIFY(formInstance<frmMenu>());
        } else {
            showForm<frmMenu>();
        }
        QWidget* menu = formInstance<frmMenu>();
        if (i % 20 == 0) {
            control<QLineEdit>(menu, "Textbox")->setText(entries.next());
            control<QComboBox>(menu, "Combo2")->setCurrentIndex(entries.below(4));
            control<QLineEdit>(menu, "MTextBox")->setText(entries.next());
            control<QComboBox>(menu, "MCombo1")->setCurrentIndex(entries.below(4));
        }
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!formInstance<frmMenu>() && !formInstance<frmSplash>());
        QCOMPARE(QApplication::allWidgets().size(), widgets);
    }
}

void tst_Soak::converters_data()
{
    QTest::addColumn<int>("converter");
    for (int i = 0; i < ::converters.size(); ++i)
        QTest::newRow(qPrintable(::converters[i].row)) << i;
}

// The menu's converters recompute on every pick and every change of the
// value, and each time show a number and its arithmetic, or the overflow.
void tst_Soak::converters()
{
    QFETCH(int, converter);
    const Converter& c = ::converters[converter];
    Entries entries(m_seed + 100 + quint64(converter));
    const int changes = m_presses;

    QWidget* menu = &showForm<frmMenu>();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    auto* box = control<QLineEdit>(menu, c.box);
    auto* from = control<QComboBox>(menu, c.from);
    auto* to = control<QComboBox>(menu, c.to);

    int overflows = 0;
    for (int change = 0; change < changes; ++change) {
        const MessageBoxSeen seen = answerMessageBoxes([&] {
            switch (entries.below(4)) {
            case 0:
                from->setCurrentIndex(entries.below(4));
                break;
            case 1:
                to->setCurrentIndex(entries.below(4));
                break;
            default:
                if (entries.below(1000) < 5)
                    box->setText(entries.paste());
                else
                    box->setText(entries.next());
            }
        });
        const QString result = caption(menu, c.result);
        const QString math = caption(menu, c.math);
        const QString fault = conversionFault(c, from->currentIndex(), to->currentIndex(),
                                              box->text(), result, math);
        QVERIFY2(seen.count == 0 && fault.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, change %2: %3\n  %4 = %5, %6 to %7\n  %8 | %9")
                                .arg(m_seed).arg(change)
                                .arg(seen.count ? QStringLiteral("a message box") : fault, c.box,
                                     shortened(box->text()), from->currentText(),
                                     to->currentText(), result, math)));
        overflows += result == QLatin1String("Overflow");
    }
    qInfo("%d changes, %d overflows", changes, overflows);
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
