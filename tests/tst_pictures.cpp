// Every bitmap and icon in resources/ is exactly what the picture program
// draws, so a change of a drawing cannot go unnoticed, nor a bitmap edited
// by hand.

#include <QTest>

#include "drawing.h"
#include "pictures.h"

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(loadLetteringFont()); }
    void committedIsDrawn_data();
    void committedIsDrawn();
};

void tst_Pictures::committedIsDrawn_data()
{
    QTest::addColumn<int>("index");
    const QList<Picture> pictures = allPictures();
    for (int i = 0; i < pictures.size(); ++i)
        QTest::newRow(qPrintable(pictures[i].file)) << i;
}

void tst_Pictures::committedIsDrawn()
{
    QFETCH(int, index);
    const Picture picture = allPictures().at(index);
    const QImage committed(QStringLiteral(TESSARO_SOURCE_DIR "/resources/") + picture.file);
    QVERIFY2(!committed.isNull(), qPrintable(picture.file));
    QImage drawn = picture.draw();
    if (picture.file.endsWith(QLatin1String(".bmp")))
        drawn = drawn.convertToFormat(QImage::Format_RGB888);
    QCOMPARE(committed.convertToFormat(QImage::Format_ARGB32), drawn.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
