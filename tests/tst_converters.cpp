// The menu's two length converters, driven as a user drives them: typing
// into the value box, pasting, deleting, and picking units from the lists.
//
// The expected results are written with a decimal point; under a locale with
// another decimal separator (the tst_converters_de_DE entry) the result
// labels show that separator instead, the arithmetic labels never do.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include "app/application.h"
#include "app/form.h"
#include "app/frmmenu.h"
#include "testkit.h"

using namespace testkit;

namespace {

// The controls of one converter.
struct Converter
{
    QString value, from, to, result, math;
};
const Converter us{"Textbox", "Combo1", "Combo2", "Result", "Math"};
const Converter metric{"MTextBox", "MCombo1", "MCombo2", "MResult", "mMath"};

const Converter& converterNamed(const QString& name)
{
    return name == QLatin1String("US") ? us : metric;
}

// A number as the result label writes it in the locale of this run.
QString inLocale(QString text)
{
    return text.replace(u'.', QLocale::system().decimalPoint());
}

} // namespace

class tst_Converters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupApplication(); }
    void init();
    void cleanup();

    void firstResultWhenTheMenuShows();
    void conversion_data();
    void conversion();
    void everyChangeRecomputes_data();
    void everyChangeRecomputes();
    void pickingWithTheKeyboard();
    void paste();
    void overflowShowsInPlace_data();
    void overflowShowsInPlace();
    void decimalComma();

private:
    void pick(const QString& list, const QString& unit);
    QStringList shown(const Converter& c) { return captions(menu, {c.result, c.math}); }

    frmMenu* menu = nullptr;
};

void tst_Converters::init()
{
    menu = &showForm<frmMenu>();
    QVERIFY(QTest::qWaitForWindowActive(menu));
}

void tst_Converters::cleanup()
{
    menu->close();
    QTRY_VERIFY(formInstance<frmMenu>().isNull());
}

void tst_Converters::pick(const QString& list, const QString& unit)
{
    auto* box = control<QComboBox>(menu, list);
    const int position = box->findText(unit);
    QVERIFY2(position >= 0, qPrintable(unit));
    box->setCurrentIndex(position);
}

void tst_Converters::firstResultWhenTheMenuShows()
{
    const QStringList usUnits{"Inches", "Feet", "Yards", "Miles"};
    const QStringList metricUnits{"Millimeters", "Centimeters", "Meters", "Kilometers"};
    const QList<std::pair<QString, QStringList>> lists = {
        {us.from, usUnits}, {us.to, usUnits}, {metric.from, metricUnits}, {metric.to, metricUnits}};
    for (const auto& [list, units] : lists) {
        auto* box = control<QComboBox>(menu, list);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, units);
        QCOMPARE(box->currentIndex(), 0);
    }
    QCOMPARE(shown(us), QStringList({"1", " 1*1"}));
    QCOMPARE(shown(metric), QStringList({"1", " 1*1"}));
}

void tst_Converters::conversion_data()
{
    QTest::addColumn<QString>("converter");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("math");

    auto row = [](const char* name, const char* converter, const char* value, const char* from,
                  const char* to, const char* result, const char* math) {
        QTest::newRow(name) << converter << value << from << to << result << math;
    };
    row("12 in to ft", "US", "12", "Inches", "Feet", "1", " 12/12");
    row("1 in to ft, 5 decimals", "US", "1", "Inches", "Feet", "0.08333", " 1/12");
    row("100 ft to yd", "US", "100", "Feet", "Yards", "33.33333", " 100/3");
    row("ft to in not rounded", "US", "1.23456789", "Feet", "Inches", "14.81481468", " 1.23456789*12");
    row("in to ft rounded", "US", "14.81481468", "Inches", "Feet", "1.23457", " 14.81481468/12");
    row("half to even", "US", "0.1875", "Inches", "Feet", "0.01562", " .1875/12");
    row("2 mi to ft", "US", "2", "Miles", "Feet", "10560", " 2*5280");
    row("1 mi to in", "US", "1", "Miles", "Inches", "63360", " 1*63360");
    row("1 in to mi", "US", "1", "Inches", "Miles", "0.00002", " 1/63360");
    row("1760 yd to mi", "US", "1760", "Yards", "Miles", "1", " 1760/1760");
    row("1 yd to in", "US", "1", "Yards", "Inches", "36", " 1*36");
    row("negative", "US", "-24", "Inches", "Feet", "-2", "-24/12");
    row("negative rounds to zero", "US", "-0.00001", "Inches", "Miles", "0", "-.00001/63360");
    row("empty, same unit", "US", "", "Yards", "Yards", "0", " 0*1");
    row("word", "US", "ten", "Inches", "Feet", "0", " 0/12");
    row("unit after number", "US", "3ft", "Feet", "Inches", "36", " 3*12");
    row("comma ends the number", "US", "1,5", "Inches", "Feet", "0.08333", " 1/12");
    row("same unit unrounded", "US", "2.50", "Feet", "Feet", "2.5", " 2.5*1");
    row("same unit, many decimals", "US", "0.123456789", "Miles", "Miles", "0.123456789", " .123456789*1");
    row("long result", "US", "123456789", "Miles", "Inches", "7822222151040", " 123456789*63360");

    row("1 mm to cm", "metric", "1", "Millimeters", "Centimeters", "0.1", " 1/10");
    row("1 m to km", "metric", "1", "Meters", "Kilometers", "0.001", " 1/1,000");
    row("250 cm to m", "metric", "250", "Centimeters", "Meters", "2.5", " 250/100");
    row("2.5 m to mm", "metric", "2.5", "Meters", "Millimeters", "2500", " 2.5*1,000");
    row("7 km to cm", "metric", "7", "Kilometers", "Centimeters", "700000", " 7*100,000");
    row("9 decimals", "metric", "1234.56789", "Millimeters", "Kilometers", "0.001234568", " 1234.56789/1,000,000");
    row("1 mm to km", "metric", "1", "Millimeters", "Kilometers", "0.000001", " 1/1,000,000");
    row("1 cm to km", "metric", "1", "Centimeters", "Kilometers", "0.00001", " 1/100,000");
    row("1 km to mm", "metric", "1", "Kilometers", "Millimeters", "1000000", " 1*1,000,000");
    row("1 m to cm", "metric", "1", "Meters", "Centimeters", "100", " 1*100");
    row("metric half to even", "metric", "0.009765625", "Millimeters", "Centimeters", "0.000976562", " .009765625/10");
    row("km to m not rounded", "metric", "1.234567890123", "Kilometers", "Meters", "1234.567890123", " 1.234567890123*1,000");
    row("metric negative", "metric", "-5", "Millimeters", "Centimeters", "-0.5", "-5/10");
    row("metric empty", "metric", "", "Meters", "Kilometers", "0", " 0/1,000");
    row("long metric result", "metric", "1e20", "Kilometers", "Millimeters", "1E+26", " 1E+20*1,000,000");
}

// The units are picked first and the value typed last, so the last
// recompute is the one of a keystroke.
void tst_Converters::conversion()
{
    QFETCH(QString, converter);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, result);
    QFETCH(QString, math);
    const Converter& c = converterNamed(converter);
    const Converter& other = &c == &us ? metric : us;

    pick(c.from, from);
    pick(c.to, to);
    type(menu, c.value, value);
    QCOMPARE(shown(c), QStringList({inLocale(result), math}));

    // Picking the units after the value gives the same.
    type(menu, c.value, value);
    control<QComboBox>(menu, c.from)->setCurrentIndex(-1);
    control<QComboBox>(menu, c.to)->setCurrentIndex(-1);
    pick(c.from, from);
    pick(c.to, to);
    QCOMPARE(shown(c), QStringList({inLocale(result), math}));

    // Neither converter touches the other's labels.
    QCOMPARE(shown(other), QStringList({"1", " 1*1"}));
}

void tst_Converters::everyChangeRecomputes_data()
{
    QTest::addColumn<QString>("converter");
    QTest::newRow("US") << "US";
    QTest::newRow("metric") << "metric";
}

// Each keystroke, each deletion and each pick in either list shows the new
// conversion at once; a list without selection leaves the labels as they are.
void tst_Converters::everyChangeRecomputes()
{
    QFETCH(QString, converter);
    const Converter& c = converterNamed(converter);
    auto* edit = control<QLineEdit>(menu, c.value);
    auto* from = control<QComboBox>(menu, c.from);
    auto* to = control<QComboBox>(menu, c.to);

    to->setCurrentIndex(1);
    const QString op = &c == &us ? "/12" : "/10";
    QCOMPARE(shown(c), QStringList({inLocale(&c == &us ? "0.08333" : "0.1"), " 1" + op}));

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, '2');
    QCOMPARE(control<QLabel>(menu, c.math)->text(), " 12" + op);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(control<QLabel>(menu, c.math)->text(), " 1" + op);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(shown(c), QStringList({"0", " 0" + op}));

    QTest::keyClicks(edit, "30");
    from->setCurrentIndex(1);   // same unit again
    QCOMPARE(shown(c), QStringList({"30", " 30*1"}));
    from->setCurrentIndex(2);   // from the larger unit: multiplies
    QVERIFY(control<QLabel>(menu, c.math)->text().startsWith(" 30*"));

    // A list without selection: the labels keep what they show, until both
    // lists are without selection, which counts as the same position.
    const QStringList before = shown(c);
    to->setCurrentIndex(-1);
    QCOMPARE(shown(c), before);
    QTest::keyClick(edit, '0');
    QCOMPARE(shown(c), before);
    from->setCurrentIndex(-1);
    QCOMPARE(shown(c), QStringList({"300", " 300*1"}));
}

void tst_Converters::pickingWithTheKeyboard()
{
    auto* to = control<QComboBox>(menu, "Combo2");
    type(menu, "Textbox", "36");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), to);
    QTest::keyClick(to, Qt::Key_Down);
    QCOMPARE(shown(us), QStringList({"3", " 36/12"}));
    QTest::keyClick(to, Qt::Key_Down);
    QCOMPARE(shown(us), QStringList({"1", " 36/36"}));
    QTest::keyClick(to, Qt::Key_End);
    QCOMPARE(shown(us), QStringList({inLocale("0.00057"), " 36/63360"}));
}

void tst_Converters::paste()
{
    QApplication::clipboard()->setText("2.5 m");
    auto* edit = control<QLineEdit>(menu, "MTextBox");
    pick("MCombo1", "Meters");
    pick("MCombo2", "Centimeters");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), "2.5 m");
    QCOMPARE(shown(metric), QStringList({"250", " 2.5*100"}));

    // Pasting into the middle of the text: 2.5 m becomes 2.55 m.
    QApplication::clipboard()->setText("5");
    edit->setCursorPosition(3);
    edit->paste();
    QCOMPARE(shown(metric), QStringList({"255", " 2.55*100"}));
}

void tst_Converters::overflowShowsInPlace_data()
{
    QTest::addColumn<QString>("converter");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    // What shows once the last character of the value is deleted.
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("math");

    QTest::newRow("entry beyond a double, same unit")
        << "US" << "1e999" << "Inches" << "Inches" << "1E+99" << " 1E+99*1";
    QTest::newRow("entry beyond a double, dividing")
        << "US" << "1e999" << "Inches" << "Feet" << "8.33333333333333E+97" << " 1E+99/12";
    QTest::newRow("negative entry beyond a double")
        << "metric" << "-1e999" << "Meters" << "Kilometers" << "-1E+96" << "-1E+99/1,000";
    QTest::newRow("product overflows")
        << "US" << "1e308" << "Miles" << "Inches" << "6.336E+34" << " 1E+30*63360";
    QTest::newRow("negative product overflows")
        << "US" << "-1e308" << "Yards" << "Feet" << "-3E+30" << "-1E+30*3";
    QTest::newRow("metric product overflows")
        << "metric" << "1e305" << "Kilometers" << "Millimeters" << "1E+36" << " 1E+30*1,000,000";
}

// A run-time error shows "Overflow" in place of the result and no arithmetic,
// with no message box; the next conversion that succeeds shows as usual.
void tst_Converters::overflowShowsInPlace()
{
    QFETCH(QString, converter);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, result);
    QFETCH(QString, math);
    const Converter& c = converterNamed(converter);
    auto* edit = control<QLineEdit>(menu, c.value);

    const MessageBoxSeen boxes = answerMessageBoxes([&] {
        pick(c.from, from);
        pick(c.to, to);
        type(menu, c.value, value);
        QCOMPARE(shown(c), QStringList({"Overflow", ""}));

        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(shown(c), QStringList({inLocale(result), math}));

        // Typed again, the same character overflows again.
        QTest::keyClicks(edit, value.right(1));
        QCOMPARE(shown(c), QStringList({"Overflow", ""}));
    });
    QCOMPARE(boxes.count, 0);
}

// The result label writes the decimal separator of the user's locale, the
// arithmetic label always a point; entered text always reads the point. Runs
// under the German locale of the tst_converters_de_DE entry.
void tst_Converters::decimalComma()
{
    if (!qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE")))
        QSKIP("needs LC_ALL=de_DE.UTF-8 (the tst_converters_de_DE entry)");
    QCOMPARE(QLocale::system().decimalPoint(), ",");

    pick("Combo1", "Inches");
    pick("Combo2", "Feet");
    type(menu, "Textbox", "1.5");
    QCOMPARE(shown(us), QStringList({"0,125", " 1.5/12"}));
    type(menu, "Textbox", "1,5");
    QCOMPARE(shown(us), QStringList({"0,08333", " 1/12"}));

    pick("MCombo1", "Meters");
    pick("MCombo2", "Meters");
    type(menu, "MTextBox", "2.25");
    QCOMPARE(shown(metric), QStringList({"2,25", " 2.25*1"}));
}

QTEST_MAIN(tst_Converters)
#include "tst_converters.moc"
