#include "pictures.h"

#include <cstdio>

#include "figures.h"
#include "splash.h"

QList<Picture> allPictures()
{
    using Draw = QImage (*)(int scale);
    const std::pair<const char*, Draw> bitmaps[] = {
        {"square", drawRectangle},
        {"triangle", drawTriangle},
        {"trapezoid", drawTrapezoid},
        {"parallelogram", drawParallelogram},
        {"circle", drawCircle},
        {"recsolid", drawRectangularSolid},
        {"cylinder", drawCylinder},
        {"cone", drawCone},
        {"sphere", drawSphere},
        {"pyramid", drawPyramid},
        {"distmid", drawDistanceAndMidpoint},
        {"theorem", drawTheorem},
        {"menuback", drawMenuBackground},
        {"rootsign", drawRootSign},
        {"splash", drawSplash},
    };
    QList<Picture> pictures;
    for (const auto& [name, draw] : bitmaps) {
        const QString file = QString::fromLatin1(name);
        pictures.append({file + QLatin1String(".bmp"), [draw] { return draw(1); }});
        pictures.append({file + QLatin1String("@2x.bmp"), [draw] { return draw(2); }});
    }
    // The cube icon: the windows' common one, and one for every size an
    // installed desktop entry may ask for.
    pictures.append({QStringLiteral("icon.png"), [] { return drawIcon(32); }});
    for (int size : kIconSizes)
        pictures.append({QStringLiteral("icons/tessaro-%1.png").arg(size), [size] { return drawIcon(size); }});
    return pictures;
}

bool writePictures(const QDir& folder)
{
    if (!folder.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.filePath(QStringLiteral("icons"))));
        return false;
    }
    for (const Picture& picture : allPictures()) {
        // A bitmap gets 24 bits to the pixel.
        QImage image = picture.draw();
        if (picture.file.endsWith(QLatin1String(".bmp")))
            image = image.convertToFormat(QImage::Format_RGB888);
        if (!image.save(folder.filePath(picture.file))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(picture.file)));
            return false;
        }
    }
    return true;
}
