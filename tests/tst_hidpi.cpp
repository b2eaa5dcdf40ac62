// On a screen with two device pixels to the pixel (run with
// QT_SCALE_FACTOR=2) the windows keep their layout and draw every picture
// from its twice-as-large companion, at the size of the bitmap the
// definition names, and the window text is the 1x text with every pixel a
// 2 x 2 block.

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
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
    void textKeepsItsSize_data();
    void textKeepsItsSize();
    void textIsTheLargeBitmapText_data();
    void textIsTheLargeBitmapText();
};

namespace {

// Captions of the windows with their widths in pixels at 1x, where the
// windows were laid out for them.
void captionRows()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::newRow("cylinder volume") << QStringLiteral("Volume=pi*R\u00b2*H") << 76;
    QTest::newRow("cylinder surface") << QStringLiteral("Surface Area=2pi*R*H+pi*R\u00b2") << 135;
    QTest::newRow("cone volume") << QStringLiteral("Volume=1/3*pi*R\u00b2H") << 93;
    QTest::newRow("trapezoid area") << QStringLiteral("Area=0.5*H*(B\u00b9+B\u00b2)") << 91;
    QTest::newRow("cone note") << QStringLiteral("Note:S and SLength stand for Slant Length and pi = 3.14") << 269;
    QTest::newRow("distance") << QStringLiteral("Distance= Square root of (X1-X2) \u00b2+(Y1-Y2) \u00b2") << 209;
    QTest::newRow("midpoint") << QStringLiteral("Midpoint=(x1+x2)/2 , (y1+y2)/2") << 145;
    QTest::newRow("menu caption") << QStringLiteral("Rectangular Solid") << 84;
    QTest::newRow("converter frame") << QStringLiteral("Metric Conversions:") << 93;
    QTest::newRow("unit") << QStringLiteral("Millimeters") << 48;
    QTest::newRow("button") << QStringLiteral("Calculate") << 44;
    QTest::newRow("result") << QStringLiteral("37.68+ 25.12") << 63;
}

// The dialog font's bitmap, as the windows draw it at 1x.
QFont bitmapFont()
{
    QFont font(QStringLiteral("Tessaro Dialog"));
    font.setPixelSize(11);
    return font;
}

// The text in black on a white ground as wide as its advance (and a pixel
// either side) and as high as the font, at that device pixel ratio; the
// ratio is then forgotten, so that the images compare device pixel for
// device pixel.
QImage drawnText(const QFont& font, const QString& text, qreal ratio)
{
    const QFontMetrics metrics(font);
    QImage image(QSize(metrics.horizontalAdvance(text) + 2, metrics.height()) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(1, metrics.ascent(), text);
    painter.end();
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace

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

void tst_HighDensity::textKeepsItsSize_data()
{
    captionRows();
}

void tst_HighDensity::textKeepsItsSize()
{
    QFETCH(QString, caption);
    QFETCH(int, width);

    // In pixels, not device pixels: what the layout sees.
    const QFontMetrics metrics(QApplication::font());
    QCOMPARE(metrics.horizontalAdvance(caption), width);
    QCOMPARE(metrics.height(), 13);
    QCOMPARE(metrics.ascent(), 11);
    QCOMPARE(QFontMetrics(bitmapFont()).horizontalAdvance(caption), width);
}

void tst_HighDensity::textIsTheLargeBitmapText_data()
{
    captionRows();
}

void tst_HighDensity::textIsTheLargeBitmapText()
{
    QFETCH(QString, caption);

    const QFont bitmap = bitmapFont();
    QCOMPARE(QFontInfo(bitmap).family(), QStringLiteral("Tessaro Dialog"));
    QCOMPARE(QFontInfo(bitmap).pixelSize(), 13); // the strike the windows use at 1x
    const QImage small = drawnText(bitmap, caption, 1);
    const QImage large = drawnText(QApplication::font(), caption, 2);

    // Crisp: every device pixel is ink or ground, nothing in between.
    int ink = 0;
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) {
            const QRgb pixel = large.pixel(x, y);
            QVERIFY2(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255),
                     qPrintable(QStringLiteral("grey at %1, %2").arg(x).arg(y)));
            ink += pixel == qRgb(0, 0, 0);
        }
    }
    QVERIFY(ink > 0);
    // Shaped exactly like the 1x text, each pixel a 2 x 2 block.
    QCOMPARE(large, small.scaled(small.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QTEST_MAIN(tst_HighDensity)
#include "tst_hidpi.moc"
