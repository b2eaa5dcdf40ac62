// Every letter drawn whole, with large entries in every box: a label that keeps its size shows what it shows when
// tall enough (a descender may lose two rows), or "…" where a letter would fall below it; a step line its text, or
// whole characters and "…" in its frame.

#include <QTest>

#include "app/frmmenu.h"
#include "testkit.h"

using namespace testkit;

class tst_Captions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { start(); }
    void noGlyphCut_data()
    {
        QTest::addColumn<int>("window"); // -1 for the menu
        for (int i = -1; i < int(calculatorWindows.size()); ++i)
            QTest::newRow(i < 0 ? "menu" : calculatorWindows[size_t(i)].figure.name) << i;
    }
    void noGlyphCut();
};

void tst_Captions::noGlyphCut()
{
    QFETCH(int, window);
    Form& form = window < 0 ? static_cast<Form&>(showForm<frmMenu>()) : open(calculatorWindows[size_t(window)]);
    for (const Form::Entry& entry : form.entries())
        type(entry.box, "-1.23456789012345e15");
    if (QPushButton* calculate = calculateButton(form))
        messageBoxes([calculate] { click(calculate); });
    int cut = 0;
    for (QLabel* label : form.findChildren<QLabel*>()) {
        QString whole = label->toolTip().isEmpty() ? QString() : label->text(), drawn = label->text();
        if (auto* line = qobject_cast<StepLine*>(label); line && line->autoSize() && !drawn.isEmpty()) {
            const QRect room = line->rect() & QRect(-line->pos(), line->parentWidget()->size()).adjusted(1, 1, -1, -1);
            const QImage shown = ink(line->grab(room).toImage());
            whole = room == line->rect() ? QString() : drawn;
            while (!whole.isEmpty() && !drawn.isEmpty() && ink(line, drawn + u'…') != shown)
                drawn.chop(1);
            QCOMPARE(shown, ink(line, whole.isEmpty() ? drawn : drawn + u'…'));
        } else if (label->wordWrap()) {
            const QImage shown = label->grab(label->contentsRect()).toImage();
            label->resize(label->width(), label->height() + 100);
            const QImage tall = label->grab(label->contentsRect()).toImage();
            // Shown whole, a label shows what it shows when tall enough, but
            // for a descender's lowest two rows at most.
            const QImage descenders =
                tall.copy(0, 0, tall.width(), shown.height() + 2 * int(label->devicePixelRatio()));
            QVERIFY(whole.isEmpty() ? ink(shown) == ink(tall.copy(shown.rect())) && ink(descenders) == ink(tall)
                                    : ink(tall.copy(shown.rect())) != ink(tall));
        }
        cut += !whole.isEmpty() && qobject_cast<StepLine*>(label);
        // A converter's labels tell their whole text by their names, and their converter by their descriptions.
        QCOMPARE(label->toolTip(), whole.trimmed());
        if (!label->property("calculatedFrom").isValid())
            QCOMPARE(label->accessibleDescription(), whole);
    }
    QCOMPARE(cut > 0, window >= 0);
}

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
