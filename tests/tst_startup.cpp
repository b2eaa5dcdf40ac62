// Start-up: the splash window and its hand-over to the menu.

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/application.h"
#include "app/form.h"
#include "app/frmmenu.h"
#include "app/frmsplash.h"
#include "testkit.h"

// Notes whether the menu is on the screen at the moment the splash hides.
class MenuWatch : public QObject
{
public:
    bool shownWhenSplashHid = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            shownWhenSplashHid = formInstance<frmMenu>() && formInstance<frmMenu>()->isVisible();
        return QObject::eventFilter(watched, event);
    }
};

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupApplication(); }
    void init();
    void cleanup();

    void splashWindow();
    void leavingTheSplash_data();
    void leavingTheSplash();
    void handOverKeepsTheProgramRunning();

private:
    frmSplash* splash = nullptr;
};

void tst_Startup::init()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    splash = &showForm<frmSplash>();
    QVERIFY(QTest::qWaitForWindowActive(splash));
}

void tst_Startup::cleanup()
{
    // Closing the splash shows the menu, so the menu goes last.
    if (formInstance<frmSplash>())
        formInstance<frmSplash>()->close();
    if (formInstance<frmMenu>())
        formInstance<frmMenu>()->close();
    QTRY_VERIFY(formInstance<frmSplash>().isNull() && formInstance<frmMenu>().isNull());
}

void tst_Startup::splashWindow()
{
    // The first and only window: a picture without a title bar, centred,
    // of a fixed size, with the keyboard focus.
    QCOMPARE(QApplication::topLevelWidgets().count(), 1);
    QCOMPARE(splash->objectName(), "frmSplash");
    QCOMPARE(splash->windowTitle(), "");
    QCOMPARE(splash->size(), QSize(395, 298));
    QCOMPARE(splash->minimumSize(), splash->maximumSize());
    QCOMPARE(splash->windowType(), Qt::SplashScreen);
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash->geometry().center(),
             QGuiApplication::primaryScreen()->availableGeometry().center());
    QCOMPARE(QApplication::focusWidget(), splash);

    const QPixmap picture = splash->property("picture").value<QPixmap>();
    QCOMPARE(picture.size(), QSize(398, 300));
    QCOMPARE(splash->grab().toImage(), picture.copy(0, 0, 395, 298).toImage()
                                           .convertToFormat(splash->grab().toImage().format()));

    // Waiting does nothing.
    QTest::qWait(100);
    QVERIFY(splash->isVisible());
    QVERIFY(formInstance<frmMenu>().isNull());
}

void tst_Startup::leavingTheSplash_data()
{
    QTest::addColumn<int>("key");   // 0: a mouse click
    QTest::addColumn<bool>("leaves");
    QTest::newRow("click") << 0 << true;
    QTest::newRow("letter") << int(Qt::Key_A) << true;
    QTest::newRow("digit") << int(Qt::Key_7) << true;
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << false;
    QTest::newRow("arrow") << int(Qt::Key_Left) << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << false;
}

void tst_Startup::leavingTheSplash()
{
    QFETCH(int, key);
    QFETCH(bool, leaves);

    // Whether the menu was on the screen when the splash went.
    MenuWatch watch;
    splash->installEventFilter(&watch);

    if (key == 0)
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(300, 250));
    else
        QTest::keyClick(splash, Qt::Key(key));

    if (!leaves) {
        QTest::qWait(50);
        QVERIFY(formInstance<frmSplash>());
        QVERIFY(splash->isVisible());
        QVERIFY(formInstance<frmMenu>().isNull());
        return;
    }
    QTRY_VERIFY(formInstance<frmSplash>().isNull());
    QVERIFY(watch.shownWhenSplashHid);
    frmMenu* menu = formInstance<frmMenu>();
    QVERIFY(menu);
    QTRY_VERIFY(menu->isActiveWindow());
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{menu});
}

void tst_Startup::handOverKeepsTheProgramRunning()
{
    // In the running program the last window closing ends it: the splash
    // going must not count as that.
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool menuUp = false;
    QTimer::singleShot(0, this, [this, &menuUp, &lastWindowClosed] {
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(10, 10));
        QTimer::singleShot(100, this, [&menuUp, &lastWindowClosed] {
            menuUp = formInstance<frmSplash>().isNull() && formInstance<frmMenu>()
                     && formInstance<frmMenu>()->isVisible() && lastWindowClosed.isEmpty();
            QApplication::quit();
        });
    });
    QTimer::singleShot(5000, qApp, &QApplication::quit);
    QApplication::exec();
    QVERIFY(menuUp);
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
