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

// A bitmap that the windows name, drawn for a device pixel ratio of 1; with
// twice set, also drawn twice as large as <name>@2x.bmp for high-density
// screens.
struct Picture
{
    const char* name;
    std::function<QImage(int scale)> draw;
    bool twice;
};

// Writes an image; a bitmap gets 24 bits to the pixel.
static bool save(const QImage& image, const QString& path)
{
    const QImage written =
        path.endsWith(QLatin1String(".bmp")) ? image.convertToFormat(QImage::Format_RGB888) : image;
    if (written.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

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
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!loadLetteringFont()) {
        std::fprintf(stderr, "cannot load the lettering font %s\n", TESSARO_LETTERING_FONT);
        return 1;
    }

    const Picture pictures[] = {
        {"square", drawRectangle, true},
        {"triangle", drawTriangle, true},
        {"trapezoid", drawTrapezoid, true},
        {"parallelogram", drawParallelogram, true},
        {"circle", drawCircle, true},
        {"recsolid", drawRectangularSolid, true},
        {"cylinder", drawCylinder, true},
        {"cone", drawCone, true},
        {"sphere", drawSphere, true},
        {"pyramid", drawPyramid, true},
        {"distmid", drawDistanceAndMidpoint, true},
        {"theorem", drawTheorem, true},
        {"menuback", drawMenuBackground, true},
        {"rootsign", drawRootSign, true},
        {"splash", [](int) { return drawSplash(); }, false},
    };
    for (const Picture& picture : pictures) {
        const QString name = QString::fromLatin1(picture.name);
        if (!save(picture.draw(1), out.filePath(name + QLatin1String(".bmp"))))
            return 1;
        if (picture.twice && !save(picture.draw(2), out.filePath(name + QLatin1String("@2x.bmp"))))
            return 1;
    }

    // The cube icon: the windows' common one, and one for every size an
    // installed desktop entry may ask for.
    if (!save(drawIcon(32), out.filePath(QStringLiteral("icon.png"))))
        return 1;
    if (!out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create the icons folder\n");
        return 1;
    }
    for (int size : kIconSizes) {
        if (!save(drawIcon(size), out.filePath(QStringLiteral("icons/tessaro-%1.png").arg(size))))
            return 1;
    }
    return 0;
}
