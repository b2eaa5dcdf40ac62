// Soak: every calculator window (the Pythagorean one under each option) fed
// thousands of random entries of every magnitude, garbage and long pastes;
// no line may ever show "inf", "nan" or a negative zero, and a press that
// stops says so with one of the known messages. Then every window opened and
// closed again and again without leaving a widget behind.
// TESSARO_SOAK_PRESSES   presses in all (default 1500)
// TESSARO_SOAK_REOPENS   openings of each window (default 50)
// TESSARO_SOAK_SEED      the generator's seed (default 1)

#include <QApplication>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <random>

#include "app/frmmenu.h"
#include "testkit.h"

using namespace testkit;

namespace {

int setting(const char* name, int fallback)
{
    return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
}

// Digits, signs, points, exponents and blanks in every mix, numbers of
// every magnitude, words, and now and then a 10,000-character paste.
QString randomEntry(std::mt19937_64& random)
{
    const auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    switch (pick(8)) {
    case 0:
        return QString();
    case 1: {
        static const QStringList words = {"abc", "-", ".", "1e", "inf", "nan", "0x1f", "- 5", "1,5", "\t3\n"};
        return words[pick(int(words.size()))];
    }
    case 2:
        return QString(10000, QChar(u"9. -e"[pick(5)]));
    default: {
        static const QString keys = QStringLiteral("0123456789012345678901234567890123456789.-+eE ");
        QString text;
        for (int i = pick(12); i >= 0; --i)
            text += keys[pick(int(keys.size()))];
        if (pick(2))
            text = QString::number(double(random()) / double(random() | 1), 'g', 1 + pick(17))
                + QStringLiteral("e%1").arg(pick(640) - 320);
        return text;
    }
    }
}

const QRegularExpression notANumber(QStringLiteral("inf|nan|(?<![E\\d])-0(?![.\\d])"),
                                    QRegularExpression::CaseInsensitiveOption);

} // namespace

class tst_Soak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void calculate();
    void reopen();

private:
    std::mt19937_64 m_random;
};

void tst_Soak::initTestCase()
{
    start();
    const int seed = setting("TESSARO_SOAK_SEED", 1);
    qInfo("seed %d (TESSARO_SOAK_SEED)", seed);
    m_random.seed(quint64(seed));
}

void tst_Soak::calculate()
{
    const QStringList known = QStringList{Overflow, NegativeRoot} + InvalidEntry;
    const int presses = setting("TESSARO_SOAK_PRESSES", 1500);
    for (const CalculatorWindow& window : calculatorWindows)
        window.show();
    for (int i = 0; i < presses; ++i) {
        const CalculatorWindow& window = calculatorWindows[m_random() % calculatorWindows.size()];
        Calculator& form = *window.instance();
        for (QRadioButton* option : form.findChildren<QRadioButton*>()) {
            if (m_random() % 3 == 0)
                option->click();
        }
        for (const Form::Entry& entry : form.entries())
            entry.box->setText(randomEntry(m_random));
        const QStringList boxes = messageBoxes([&form] { calculateButton(form)->click(); });
        QVERIFY(boxes.size() <= 1 && known.contains(boxes.value(0, known.first())));
        for (const StepLine* line : form.stepLines()) {
            QVERIFY2(
                !line->caption().contains(notANumber),
                qPrintable(
                    QStringLiteral("%1 %2: %3").arg(window.type->className(), line->objectName(), line->caption())));
        }
    }
    for (const CalculatorWindow& window : calculatorWindows)
        window.instance()->close();
}

// Opening and closing every window again and again leaves no widget behind.
void tst_Soak::reopen()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    const qsizetype widgets = QApplication::allWidgets().size();
    const int reopens = setting("TESSARO_SOAK_REOPENS", 50);
    for (int i = 0; i < reopens; ++i) {
        showForm<frmMenu>();
        for (const CalculatorWindow& window : calculatorWindows)
            calculateExample(window.show());
        for (QWidget* shown : QApplication::topLevelWidgets())
            shown->close();
        QTest::qWait(0);
    }
    QTRY_COMPARE(QApplication::allWidgets().size(), widgets);
}

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
