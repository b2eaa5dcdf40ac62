// The window model: single instances, a fresh window after a close, AutoSize
// step lines and the common look.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QTest>

#include "app/application.h"
#include "app/form.h"
#include "figures/plane/frmsquare.h"
#include "testkit.h"

using namespace testkit;

class tst_WindowModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupApplication(); }
    void cleanup();

    void showingTwiceGivesOneWindow();
    void closeAndReopenGivesAFreshWindow();
    void autoSizeLineFitsItsCaption_data();
    void autoSizeLineFitsItsCaption();
    void dialogFont();
    void copyWorkedSolution();

private:
    static int windowsNamed(const QString& name);
};

void tst_WindowModel::cleanup()
{
    if (formInstance<frmsquare>())
        formInstance<frmsquare>()->close();
    QTRY_VERIFY(formInstance<frmsquare>().isNull());
}

int tst_WindowModel::windowsNamed(const QString& name)
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == name && w->isVisible();
    return count;
}

void tst_WindowModel::showingTwiceGivesOneWindow()
{
    frmsquare* first = &showForm<frmsquare>();
    type(first, "Lenth", "5");
    frmsquare* second = &showForm<frmsquare>();
    QCOMPARE(second, first);
    QCOMPARE(windowsNamed("frmsquare"), 1);
    QCOMPARE(control<QLineEdit>(second, "Lenth")->text(), "5");
}

void tst_WindowModel::closeAndReopenGivesAFreshWindow()
{
    frmsquare* form = &showForm<frmsquare>();
    type(form, "Lenth", "5");
    type(form, "Wid", "3");
    click(form, "calculate");
    QCOMPARE(caption(form, "DispArea2"), "A = 15");

    form->close();
    QTRY_VERIFY(formInstance<frmsquare>().isNull());
    QCOMPARE(windowsNamed("frmsquare"), 0);

    form = &showForm<frmsquare>();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(control<QLineEdit>(form, "Lenth")->text(), "");
    QCOMPARE(control<QLineEdit>(form, "Wid")->text(), "");
    QCOMPARE(caption(form, "DispArea2"), "");
    QCOMPARE(form->focusWidget()->objectName(), "Lenth");
}

void tst_WindowModel::autoSizeLineFitsItsCaption_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("grows") << "1" << "123456789012";
    QTest::newRow("shrinks") << "123456789012" << "1";
}

void tst_WindowModel::autoSizeLineFitsItsCaption()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    frmsquare* form = &showForm<frmsquare>();
    auto* line = control<QLabel>(form, "DispArea1");
    const QFontMetrics metrics = line->fontMetrics();

    for (const QString& length : {first, second}) {
        type(form, "Lenth", length);
        type(form, "Wid", "1");
        click(form, "calculate");
        QCOMPARE(line->size(), QSize(metrics.horizontalAdvance(line->text()), metrics.height()));
        QVERIFY(!line->wordWrap());
    }
    // A line longer than its frame runs past the frame's edge, on one line.
    if (second.size() > first.size())
        QVERIFY(line->geometry().right() > line->parentWidget()->width());
}

void tst_WindowModel::dialogFont()
{
    const QFont font = QApplication::font();
    QCOMPARE(font.family(), "Tessaro Dialog");
    QCOMPARE(font.pixelSize(), 11);
    frmsquare* form = &showForm<frmsquare>();
    QCOMPARE(control(form, "Lenth")->font().family(), "Tessaro Dialog");
}

void tst_WindowModel::copyWorkedSolution()
{
    frmsquare* form = &showForm<frmsquare>();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QGuiApplication::clipboard()->clear();

    // Before the first press only the captions are copied.
    QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "Rectangle\n\nArea=L*W\n\nPerimeter=2L*2W\n");

    type(form, "Lenth", "5");
    type(form, "Wid", "3");
    click(form, "calculate");
    QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "Rectangle\n\nArea=L*W\nA = 5 *  3\nA = 15\n\n"
             "Perimeter=2L*2W\nP = 2* 5 + 2* 3\nP = 10+ 6\nP = 16\n");

    // The same action is on the window's context menu.
    QCOMPARE(form->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(form->actions().size(), 1);
    QCOMPARE(form->actions().front()->text(), "Copy Worked Solution");
}

QTEST_MAIN(tst_WindowModel)
#include "tst_windowmodel.moc"
