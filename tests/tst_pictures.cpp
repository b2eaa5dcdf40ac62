// The compiled-in pictures and the icons: every bitmap has the size its
// windows were laid out for, in 24 bits, with a companion twice as large that
// shows the same drawing; the icon comes in every size a desktop asks for;
// and on an ordinary screen the windows show the bitmaps as they are.

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTest>
#include <QtEndian>

#include "app/application.h"
#include "app/controls.h"
#include "app/form.h"
#include "figures/plane/frmsquare.h"

#include <algorithm>
#include <cmath>

namespace {

// The sizes a desktop entry's icon is installed at.
const QList<int> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// The header fields of a Windows bitmap file.
struct BitmapHeader
{
    bool valid = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

BitmapHeader readBitmapHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(54);
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return {};
    const auto at = [&](int offset) { return bytes.constData() + offset; };
    // An uncompressed picture stored bottom-up, as every program reads it.
    const bool plain = qFromLittleEndian<quint32>(at(30)) == 0;
    return {plain, qFromLittleEndian<qint32>(at(18)), qFromLittleEndian<qint32>(at(22)),
            qFromLittleEndian<quint16>(at(28))};
}

// How far a picture twice as large is from the small one when each 2 x 2
// block is taken as one pixel: the mean difference per colour channel, 0 to
// 255.
double meanDifferenceAtHalfSize(const QImage& twice, const QImage& once)
{
    const QImage large = twice.convertToFormat(QImage::Format_RGB32);
    const QImage small = once.convertToFormat(QImage::Format_RGB32);
    using Channel = int (*)(QRgb);
    const Channel channels[] = {qRed, qGreen, qBlue};
    double total = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            const QRgb block[] = {large.pixel(2 * x, 2 * y), large.pixel(2 * x + 1, 2 * y),
                                  large.pixel(2 * x, 2 * y + 1), large.pixel(2 * x + 1, 2 * y + 1)};
            const QRgb pixel = small.pixel(x, y);
            for (Channel channel : channels) {
                double mean = 0;
                for (QRgb c : block)
                    mean += channel(c) / 4.0;
                total += std::abs(mean - channel(pixel));
            }
        }
    }
    return total / (3.0 * small.width() * small.height());
}

} // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void bitmaps_data();
    void bitmaps();
    void hicolorIcons_data();
    void hicolorIcons();
    void applicationIconHasEverySize();
    void ordinaryScreenShowsTheBitmapsAsTheyAre_data();
    void ordinaryScreenShowsTheBitmapsAsTheyAre();
    void rectangleWindowOnAnOrdinaryScreen();
};

void tst_Pictures::initTestCase()
{
    setupApplication();
    QCOMPARE(qApp->devicePixelRatio(), 1.0);
}

void tst_Pictures::bitmaps_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("twice");
    // The sizes of the pictures and images in the window definitions.
    const struct
    {
        const char* name;
        QSize size;
        bool twice;
    } rows[] = {
        {"square", {68, 46}, true},       {"triangle", {95, 46}, true},   {"trapezoid", {82, 39}, true},
        {"parallelogram", {100, 52}, true}, {"circle", {74, 73}, true},   {"recsolid", {93, 42}, true},
        {"cylinder", {47, 77}, true},     {"cone", {80, 106}, true},      {"sphere", {72, 71}, true},
        {"pyramid", {91, 94}, true},      {"distmid", {50, 50}, true},    {"theorem", {89, 26}, true},
        {"menuback", {100, 100}, true},   {"rootsign", {233, 22}, true},
        // The splash picture has no companion yet.
        {"splash", {398, 300}, false},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.size << row.twice;
}

void tst_Pictures::bitmaps()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, twice);

    const QString once = QStringLiteral(":/%1.bmp").arg(name);
    const BitmapHeader header = readBitmapHeader(once);
    QVERIFY2(header.valid, qPrintable(once));
    QCOMPARE(QSize(header.width, header.height), size);
    QCOMPARE(header.bitsPerPixel, 24);

    const QString doubled = QStringLiteral(":/%1@2x.bmp").arg(name);
    QCOMPARE(QFile::exists(doubled), twice);
    if (!twice)
        return;
    const BitmapHeader doubledHeader = readBitmapHeader(doubled);
    QVERIFY2(doubledHeader.valid, qPrintable(doubled));
    QCOMPARE(QSize(doubledHeader.width, doubledHeader.height), size * 2);
    QCOMPARE(doubledHeader.bitsPerPixel, 24);

    // The same drawing: seen at half size, the large picture differs from
    // the small one only where smoothing falls differently.
    const double difference = meanDifferenceAtHalfSize(QImage(doubled), QImage(once));
    QVERIFY2(difference < 4, qPrintable(QStringLiteral("mean difference %1").arg(difference)));
}

void tst_Pictures::hicolorIcons_data()
{
    QTest::addColumn<int>("size");
    for (int size : kIconSizes)
        QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(size))) << size;
}

void tst_Pictures::hicolorIcons()
{
    QFETCH(int, size);
    // The files that are installed into the desktop's icon theme.
    const QString path = QStringLiteral(TESSARO_SOURCE_DIR "/resources/icons/tessaro-%1.png").arg(size);
    const QImage icon(path);
    QVERIFY2(!icon.isNull(), qPrintable(path));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    // The cube stands on a transparent ground, its lines drawn solid.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
    int solid = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            solid += qAlpha(icon.pixel(x, y)) == 255;
    }
    QVERIFY(solid >= 4 * size);
}

void tst_Pictures::applicationIconHasEverySize()
{
    const QIcon icon = QApplication::windowIcon();
    QList<QSize> expected;
    for (int size : kIconSizes)
        expected << QSize(size, size);
    QList<QSize> available = icon.availableSizes();
    std::sort(available.begin(), available.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    QCOMPARE(available, expected);

    // A taskbar asking for a size gets that size's own drawing, and the
    // windows keep the common 32-pixel icon.
    for (int size : kIconSizes) {
        const QString file = size == 32 ? QStringLiteral(":/icon.png")
                                        : QStringLiteral(":/icons/tessaro-%1.png").arg(size);
        QCOMPARE(icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(file).convertToFormat(QImage::Format_ARGB32));
    }
}

void tst_Pictures::ordinaryScreenShowsTheBitmapsAsTheyAre_data()
{
    bitmaps_data();
}

void tst_Pictures::ordinaryScreenShowsTheBitmapsAsTheyAre()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);

    Form form;
    auto* image = new ImageBox(&form);
    const QString file = QStringLiteral(":/%1.bmp").arg(name);
    image->setPixmap(QPixmap(file));
    form.load();

    const QPixmap shown = image->pixmap();
    QCOMPARE(shown.devicePixelRatio(), 1.0);
    QCOMPARE(shown.size(), size);
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32),
             QImage(file).convertToFormat(QImage::Format_RGB32));
}

void tst_Pictures::rectangleWindowOnAnOrdinaryScreen()
{
    frmsquare* form = &showForm<frmsquare>();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const QImage window = form->grab().toImage();
    const QImage picture(QStringLiteral(":/square.bmp"));
    QCOMPARE(window.copy(QRect(QPoint(0, 0), picture.size())), picture.convertToFormat(window.format()));
    form->close();
    QTest::qWait(0);
}

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
