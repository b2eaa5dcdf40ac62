// On a screen with two device pixels to the pixel (run with
// QT_SCALE_FACTOR=2) the windows keep their layout and draw every picture
// from its twice-as-large companion, at the size of the bitmap the
// definition names.

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "app/application.h"
#include "app/controls.h"
#include "app/form.h"
#include "figures/plane/frmsquare.h"

class tst_HighDensity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void picturesComeFromTheLargeBitmaps_data();
    void picturesComeFromTheLargeBitmaps();
    void rectangleWindow();
};

void tst_HighDensity::initTestCase()
{
    setupApplication();
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void tst_HighDensity::picturesComeFromTheLargeBitmaps_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("twice");
    for (const char* name : {"square", "triangle", "trapezoid", "parallelogram", "circle", "recsolid", "cylinder",
                             "cone", "sphere", "pyramid", "distmid", "theorem", "menuback", "rootsign"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    // Without a companion a picture is shown as it is.
    QTest::newRow("splash") << QStringLiteral("splash") << false;
}

void tst_HighDensity::picturesComeFromTheLargeBitmaps()
{
    QFETCH(QString, name);
    QFETCH(bool, twice);

    Form form;
    auto* image = new ImageBox(&form);
    const QString file = QStringLiteral(":/%1.bmp").arg(name);
    const QSize size = QImage(file).size();
    image->setPixmap(QPixmap(file));
    form.load();

    const QPixmap shown = image->pixmap();
    const QString expected = twice ? QStringLiteral(":/%1@2x.bmp").arg(name) : file;
    QCOMPARE(shown.devicePixelRatio(), twice ? 2.0 : 1.0);
    QCOMPARE(shown.deviceIndependentSize(), QSizeF(size));
    QCOMPARE(image->sizeHint(), size);
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32),
             QImage(expected).convertToFormat(QImage::Format_RGB32));
}

void tst_HighDensity::rectangleWindow()
{
    // The same window built from its definition but never shown: where
    // every control belongs.
    const frmsquare definition;

    frmsquare* form = &showForm<frmsquare>();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->size(), definition.size());
    for (const QWidget* control : definition.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty())
            continue;
        const auto* shown = form->findChild<QWidget*>(control->objectName());
        QVERIFY2(shown, qPrintable(control->objectName()));
        QCOMPARE(shown->geometry(), control->geometry());
    }

    // The picture at the top left is the large bitmap pixel for pixel, on
    // the 68 x 46 pixels of the small one; the window's ground follows it.
    const QPixmap window = form->grab();
    QCOMPARE(window.devicePixelRatio(), 2.0);
    QCOMPARE(window.size(), form->size() * 2);
    const QImage large(QStringLiteral(":/square@2x.bmp"));
    QCOMPARE(large.size(), QSize(68, 46) * 2);
    const QImage drawn = window.toImage();
    QCOMPARE(drawn.copy(QRect(QPoint(0, 0), large.size())), large.convertToFormat(drawn.format()));
    const QColor ground = form->palette().color(QPalette::Window);
    QCOMPARE(drawn.pixelColor(large.width() + 1, large.height() / 2), ground);
    QCOMPARE(drawn.pixelColor(large.width() / 2, large.height() + 1), ground);

    form->close();
    QTest::qWait(0);
}

QTEST_MAIN(tst_HighDensity)
#include "tst_hidpi.moc"
