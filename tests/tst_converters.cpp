// The menu's two length converters, driven as a user drives them: typing,
// deleting and pasting into the value box, picking units from the lists.
//
// Expected results are written with a decimal point; under the German locale
// of the tst_converters_de_DE entry the result labels show a comma instead,
// the arithmetic labels never do.

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

// A result as the result label writes it in the locale of this run.
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
    void everyChangeRecomputes();
    void paste();
    void overflowShowsInPlace_data();
    void overflowShowsInPlace();
    void decimalComma();

private:
    void addConversionColumns();
    void convert(const Converter& c, const QString& value, const QString& from, const QString& to);
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

// Picks the two units, then types the value key by key.
void tst_Converters::convert(const Converter& c, const QString& value, const QString& from,
                             const QString& to)
{
    for (const auto& [list, unit] : {std::pair{c.from, from}, std::pair{c.to, to}}) {
        auto* box = control<QComboBox>(menu, list);
        QVERIFY2(box->findText(unit) >= 0, qPrintable(unit));
        box->setCurrentIndex(box->findText(unit));
    }
    type(menu, c.value, value);
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

void tst_Converters::addConversionColumns()
{
    QTest::addColumn<bool>("isUS");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("math");
}

void tst_Converters::conversion_data()
{
    addConversionColumns();
    auto row = [](const char* name, bool isUS, const char* value, const char* from,
                  const char* to, const char* result, const char* math) {
        QTest::newRow(name) << isUS << value << from << to << result << math;
    };
    row("1 in to ft, 5 decimals", true, "1", "Inches", "Feet", "0.08333", " 1/12");
    row("100 ft to yd", true, "100", "Feet", "Yards", "33.33333", " 100/3");
    row("ft to in, not rounded", true, "1.23456789", "Feet", "Inches", "14.81481468", " 1.23456789*12");
    row("in to ft, rounded", true, "14.81481468", "Inches", "Feet", "1.23457", " 14.81481468/12");
    row("half to even", true, "0.1875", "Inches", "Feet", "0.01562", " .1875/12");
    row("2 mi to ft", true, "2", "Miles", "Feet", "10560", " 2*5280");
    row("1 in to mi", true, "1", "Inches", "Miles", "0.00002", " 1/63360");
    row("negative", true, "-24", "Inches", "Feet", "-2", "-24/12");
    row("negative rounds to zero", true, "-0.00001", "Inches", "Miles", "0", "-.00001/63360");
    row("word", true, "ten", "Yards", "Miles", "0", " 0/1760");
    row("comma ends the number", true, "1,5", "Yards", "Inches", "36", " 1*36");
    row("same unit, not rounded", true, "0.123456789", "Feet", "Feet", "0.123456789", " .123456789*1");
    row("long US result", true, "123456789", "Miles", "Inches", "7822222151040", " 123456789*63360");

    row("1 m to km", false, "1", "Meters", "Kilometers", "0.001", " 1/1,000");
    row("250 cm to m", false, "250", "Centimeters", "Meters", "2.5", " 250/100");
    row("2.5 m to mm", false, "2.5", "Meters", "Millimeters", "2500", " 2.5*1,000");
    row("7 km to cm", false, "7", "Kilometers", "Centimeters", "700000", " 7*100,000");
    row("9 decimals", false, "1234.56789", "Millimeters", "Kilometers", "0.001234568", " 1234.56789/1,000,000");
    row("metric half to even", false, "0.009765625", "Millimeters", "Centimeters", "0.000976562", " .009765625/10");
    row("km to m, not rounded", false, "1.234567890123", "Kilometers", "Meters", "1234.567890123", " 1.234567890123*1,000");
    row("metric negative", false, "-5", "Millimeters", "Centimeters", "-0.5", "-5/10");
    row("long metric result", false, "1e20", "Kilometers", "Millimeters", "1E+26", " 1E+20*1,000,000");
}

void tst_Converters::conversion()
{
    QFETCH(bool, isUS);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, result);
    QFETCH(QString, math);
    const Converter& c = isUS ? us : metric;
    const QSize resultSize = control(menu, c.result)->size();

    convert(c, value, from, to);
    QCOMPARE(shown(c), QStringList({inLocale(result), math}));
    // A long result is cut off; the label keeps its size and shows all of
    // it when the pointer rests on it.
    QCOMPARE(control(menu, c.result)->size(), resultSize);
    QCOMPARE(control(menu, c.result)->toolTip(), inLocale(result));
    QCOMPARE(control(menu, c.math)->toolTip(), math.trimmed());
    // Neither converter touches the other's labels.
    QCOMPARE(shown(isUS ? metric : us), QStringList({"1", " 1*1"}));
}

// Each keystroke, each deletion and each pick shows the new conversion at
// once; a list without selection leaves the labels as they are.
void tst_Converters::everyChangeRecomputes()
{
    auto* edit = control<QLineEdit>(menu, "Textbox");
    auto* from = control<QComboBox>(menu, "Combo1");
    auto* to = control<QComboBox>(menu, "Combo2");

    convert(us, "12", "Inches", "Feet");
    QCOMPARE(shown(us), QStringList({"1", " 12/12"}));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(shown(us), QStringList({inLocale("0.08333"), " 1/12"}));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(shown(us), QStringList({"0", " 0/12"}));

    QTest::keyClicks(edit, "36");
    to->setFocus();
    QTest::keyClick(to, Qt::Key_Down);
    QCOMPARE(to->currentText(), "Yards");
    QCOMPARE(shown(us), QStringList({"1", " 36/36"}));
    from->setCurrentIndex(2);
    QCOMPARE(shown(us), QStringList({"36", " 36*1"}));

    to->setCurrentIndex(-1);
    QTest::keyClick(edit, '0');
    QCOMPARE(shown(us), QStringList({"36", " 36*1"}));
    // Both lists without selection count as the same position.
    from->setCurrentIndex(-1);
    QCOMPARE(shown(us), QStringList({"360", " 360*1"}));
}

void tst_Converters::paste()
{
    convert(metric, "1", "Meters", "Centimeters");
    QApplication::clipboard()->setText("2.5 m");
    auto* edit = control<QLineEdit>(menu, "MTextBox");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), "2.5 m");
    QCOMPARE(shown(metric), QStringList({"250", " 2.5*100"}));
}

void tst_Converters::overflowShowsInPlace_data()
{
    // What shows once the last character of the value is deleted.
    addConversionColumns();
    QTest::newRow("entry beyond a double, same unit")
        << true << "1e999" << "Inches" << "Inches" << "1E+99" << " 1E+99*1";
    QTest::newRow("negative entry beyond a double, dividing")
        << false << "-1e999" << "Meters" << "Kilometers" << "-1E+96" << "-1E+99/1,000";
    QTest::newRow("product overflows")
        << true << "1e308" << "Miles" << "Inches" << "6.336E+34" << " 1E+30*63360";
    QTest::newRow("metric product overflows")
        << false << "1e305" << "Kilometers" << "Millimeters" << "1E+36" << " 1E+30*1,000,000";
}

// A run-time error shows "Overflow" in place of the result and no arithmetic,
// with no message box; the next conversion that succeeds shows as usual.
void tst_Converters::overflowShowsInPlace()
{
    QFETCH(bool, isUS);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, result);
    QFETCH(QString, math);
    const Converter& c = isUS ? us : metric;
    auto* edit = control<QLineEdit>(menu, c.value);

    QStringList overflow, recovered, again;
    const MessageBoxSeen boxes = answerMessageBoxes([&] {
        convert(c, value, from, to);
        overflow = shown(c);
        QTest::keyClick(edit, Qt::Key_Backspace);
        recovered = shown(c);
        QTest::keyClicks(edit, value.right(1));
        again = shown(c);
    });
    QCOMPARE(boxes.count, 0);
    QCOMPARE(overflow, QStringList({"Overflow", ""}));
    QCOMPARE(recovered, QStringList({inLocale(result), math}));
    QCOMPARE(again, QStringList({"Overflow", ""}));
}

// The result label writes the decimal separator of the user's locale, the
// arithmetic label always a point, and entered text always reads the point.
void tst_Converters::decimalComma()
{
    if (!qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE")))
        QSKIP("runs under LC_ALL=de_DE.UTF-8 (the tst_converters_de_DE entry)");
    QCOMPARE(QLocale::system().decimalPoint(), ",");

    convert(us, "1.5", "Inches", "Feet");
    QCOMPARE(shown(us), QStringList({"0,125", " 1.5/12"}));
    type(menu, us.value, "1,5");
    QCOMPARE(shown(us), QStringList({"0,08333", " 1/12"}));
}

QTEST_MAIN(tst_Converters)
#include "tst_converters.moc"
