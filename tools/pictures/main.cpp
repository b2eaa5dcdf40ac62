// The picture program: draws every bitmap that Tessaro compiles in and
// writes it into the folder given on the command line (resources/).
//
//   tessaro-pictures OUTPUT_DIR

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <functional>

#include "drawing.h"
#include "figures.h"
#include "splash.h"

struct Picture
{
    const char* file;
    std::function<QImage()> draw;
};

int main(int argc, char* argv[])
{
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!loadLetteringFont()) {
        std::fprintf(stderr, "cannot load the lettering font %s\n", TESSARO_LETTERING_FONT);
        return 1;
    }

    const Picture pictures[] = {
        {"square.bmp", drawRectangle},
        {"triangle.bmp", drawTriangle},
        {"trapezoid.bmp", drawTrapezoid},
        {"parallelogram.bmp", drawParallelogram},
        {"circle.bmp", drawCircle},
        {"recsolid.bmp", drawRectangularSolid},
        {"cylinder.bmp", drawCylinder},
        {"cone.bmp", drawCone},
        {"sphere.bmp", drawSphere},
        {"pyramid.bmp", drawPyramid},
        {"distmid.bmp", drawDistanceAndMidpoint},
        {"theorem.bmp", drawTheorem},
        {"menuback.bmp", drawMenuBackground},
        {"rootsign.bmp", drawRootSign},
        {"splash.bmp", drawSplash},
        {"icon.png", drawIcon},
    };
    for (const Picture& picture : pictures) {
        QImage image = picture.draw();
        if (QString::fromLatin1(picture.file).endsWith(QLatin1String(".bmp")))
            image = image.convertToFormat(QImage::Format_RGB888);
        if (!image.save(out.filePath(QString::fromLatin1(picture.file)))) {
            std::fprintf(stderr, "cannot write %s\n", picture.file);
            return 1;
        }
    }
    return 0;
}
