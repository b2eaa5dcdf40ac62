// The splash picture: the committed bitmap is exactly what the picture
// program draws, and the ray-traced scene under its lettering shows the five
// solids in their colours, mirrored by the floor, with the lettering areas
// left calm.

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTest>

#include <cmath>
#include <cstdint>

#include "drawing.h"
#include "raytracer.h"
#include "splash.h"

namespace {

const QString kBitmapPath = QStringLiteral(TESSARO_SOURCE_DIR "/resources/splash.bmp");

constexpr int kWidth = 398;
constexpr int kHeight = 300;
// The part of the bitmap that the splash window shows.
constexpr int kShownWidth = 395;
constexpr int kShownHeight = 298;

std::uint32_t littleEndian32(const QByteArray& bytes, int at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

std::uint16_t littleEndian16(const QByteArray& bytes, int at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes.at(at)) |
                                      static_cast<std::uint8_t>(bytes.at(at + 1)) << 8);
}

// The mean colour of the 5 x 5 pixels around (x, y).
QColor patch(const QImage& image, int x, int y)
{
    int r = 0, g = 0, b = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QRgb c = image.pixel(x + dx, y + dy);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    }
    return QColor(r / 25, g / 25, b / 25);
}

double distance(const QColor& a, const QColor& b)
{
    const double dr = a.red() - b.red(), dg = a.green() - b.green(), db = a.blue() - b.blue();
    return std::sqrt(dr * dr + dg * dg + db * db);
}

// Relative luminance and contrast ratio as the accessibility guidelines
// define them.
double luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast of any pixel of the area against the given colour.
double lowestContrast(const QImage& image, const QRect& area, QRgb against)
{
    double lowest = 1e9;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            lowest = std::min(lowest, contrast(image.pixel(x, y), against));
    return lowest;
}

} // namespace

class tst_SplashPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bitmapIsA398x300TrueColourBmp();
    void bitmapIsWhatTheProgramDraws();
    void renderDoesNotDependOnThreadCount();
    void solidsShowInTheirColours_data();
    void solidsShowInTheirColours();
    void floorMirrorsEverySolid_data();
    void floorMirrorsEverySolid();
    void letteringAreasAreCalm();
    void hiddenEdgesHoldNothing();

private:
    QImage m_scene;
};

void tst_SplashPicture::initTestCase()
{
    QVERIFY(loadLetteringFont());
    m_scene = drawSplashScene();
    QCOMPARE(m_scene.size(), QSize(kWidth, kHeight));
}

void tst_SplashPicture::bitmapIsA398x300TrueColourBmp()
{
    QFile file(kBitmapPath);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(kBitmapPath));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 54);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(littleEndian32(bytes, 2), static_cast<std::uint32_t>(bytes.size()));
    QVERIFY(littleEndian32(bytes, 14) >= 40);  // an info header
    QCOMPARE(static_cast<std::int32_t>(littleEndian32(bytes, 18)), kWidth);
    QCOMPARE(std::abs(static_cast<std::int32_t>(littleEndian32(bytes, 22))), kHeight);
    QCOMPARE(littleEndian16(bytes, 26), std::uint16_t(1));   // planes
    QCOMPARE(littleEndian16(bytes, 28), std::uint16_t(24));  // bits per pixel
    QCOMPARE(littleEndian32(bytes, 30), std::uint32_t(0));   // uncompressed
    // Rows of 3 bytes per pixel, padded to 4 bytes.
    const std::uint32_t rowBytes = (kWidth * 3 + 3) / 4 * 4;
    QCOMPARE(littleEndian32(bytes, 10) + rowBytes * kHeight, static_cast<std::uint32_t>(bytes.size()));
}

void tst_SplashPicture::bitmapIsWhatTheProgramDraws()
{
    const QImage drawn = drawSplash().convertToFormat(QImage::Format_RGB888);
    const QImage committed = QImage(kBitmapPath).convertToFormat(QImage::Format_RGB888);
    QCOMPARE(committed.size(), drawn.size());
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) != committed.pixel(x, y)) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3 in resources/splash.bmp but drawn as %4; "
                                                "run `make pictures`")
                                     .arg(x)
                                     .arg(y)
                                     .arg(QColor(committed.pixel(x, y)).name(), QColor(drawn.pixel(x, y)).name())));
            }
        }
    }
    // And the file itself, byte for byte, as the picture program writes it.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(QImageWriter(&buffer, "bmp").write(drawn));
    QFile file(kBitmapPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(buffer.data() == file.readAll());
}

void tst_SplashPicture::renderDoesNotDependOnThreadCount()
{
    const QImage one = renderSolidsScene(120, 90, 2, 1);
    const QImage three = renderSolidsScene(120, 90, 2, 3);
    QCOMPARE(one.size(), QSize(120, 90));
    QVERIFY(one == three);
}

void tst_SplashPicture::solidsShowInTheirColours_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<double>("lowestHue");
    QTest::addColumn<double>("highestHue");
    // Points on the lit side of each solid; hues in degrees.
    QTest::newRow("red cube") << QPoint(30, 145) << -12.0 << 12.0;
    QTest::newRow("magenta cylinder") << QPoint(125, 135) << 280.0 << 320.0;
    QTest::newRow("green cone") << QPoint(200, 140) << 100.0 << 150.0;
    QTest::newRow("gold pyramid") << QPoint(270, 140) << 34.0 << 46.0;
    QTest::newRow("yellow sphere") << QPoint(350, 135) << 50.0 << 64.0;
}

void tst_SplashPicture::solidsShowInTheirColours()
{
    QFETCH(QPoint, at);
    QFETCH(double, lowestHue);
    QFETCH(double, highestHue);
    const QColor c = patch(m_scene, at.x(), at.y());
    double hue = c.hsvHueF() * 360;
    if (hue > 180 && lowestHue < 0)
        hue -= 360;
    QVERIFY2(hue >= lowestHue && hue <= highestHue, qPrintable(QStringLiteral("hue %1 of %2").arg(hue).arg(c.name())));
    QVERIFY2(c.hsvSaturationF() > 0.5, qPrintable(c.name()));
    QVERIFY2(c.valueF() > 0.45, qPrintable(c.name()));
}

void tst_SplashPicture::floorMirrorsEverySolid_data()
{
    QTest::addColumn<QPoint>("solid");
    QTest::addColumn<QPoint>("reflection");
    QTest::addColumn<QPoint>("bareFloor");
    QTest::newRow("cube") << QPoint(30, 145) << QPoint(45, 200) << QPoint(90, 200);
    QTest::newRow("cylinder") << QPoint(125, 135) << QPoint(125, 200) << QPoint(160, 200);
    QTest::newRow("cone") << QPoint(200, 140) << QPoint(200, 200) << QPoint(160, 200);
    QTest::newRow("pyramid") << QPoint(270, 140) << QPoint(272, 200) << QPoint(240, 200);
    QTest::newRow("sphere") << QPoint(350, 135) << QPoint(345, 195) << QPoint(310, 195);
}

// Below each solid the floor takes on the solid's colour: it is nearer to
// that colour than the bare floor beside it.
void tst_SplashPicture::floorMirrorsEverySolid()
{
    QFETCH(QPoint, solid);
    QFETCH(QPoint, reflection);
    QFETCH(QPoint, bareFloor);
    const QColor colour = patch(m_scene, solid.x(), solid.y());
    const QColor mirrored = patch(m_scene, reflection.x(), reflection.y());
    const QColor floor = patch(m_scene, bareFloor.x(), bareFloor.y());
    QVERIFY2(distance(mirrored, colour) < distance(floor, colour) - 20,
             qPrintable(QStringLiteral("solid %1, reflection %2, floor %3")
                            .arg(colour.name(), mirrored.name(), floor.name())));
}

// Black lettering at the top, light grey credit lines along the bottom: the
// scene under them keeps enough contrast everywhere.
void tst_SplashPicture::letteringAreasAreCalm()
{
    const QRgb black = qRgb(0, 0, 0);
    const QRgb lightGrey = qRgb(200, 200, 204);
    // The prompt at the top left, small letters.
    QVERIFY(lowestContrast(m_scene, QRect(0, 0, 200, 20), black) >= 4.5);
    // The name at the top right, large letters.
    QVERIFY(lowestContrast(m_scene, QRect(kShownWidth - 150, 0, 150, 45), black) >= 3.0);
    // The credit lines along the bottom, small letters.
    QVERIFY(lowestContrast(m_scene, QRect(0, kShownHeight - 15, kShownWidth, 15), lightGrey) >= 4.5);
}

// The window hides the 3 rightmost columns and the 2 bottom rows: nothing
// there differs much from the pixels just inside.
void tst_SplashPicture::hiddenEdgesHoldNothing()
{
    for (int y = 0; y < kHeight; ++y) {
        for (int x = kShownWidth; x < kWidth; ++x) {
            const QColor inside(m_scene.pixel(kShownWidth - 1, y)), hidden(m_scene.pixel(x, y));
            QVERIFY2(distance(inside, hidden) < 16, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
    for (int y = kShownHeight; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QColor inside(m_scene.pixel(x, kShownHeight - 1)), hidden(m_scene.pixel(x, y));
            QVERIFY2(distance(inside, hidden) < 16, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
}

QTEST_MAIN(tst_SplashPicture)
#include "tst_splashpicture.moc"
