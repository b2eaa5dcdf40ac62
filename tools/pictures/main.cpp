// The picture program: draws every bitmap and icon that Tessaro compiles in
// and writes it into the folder given on the command line (resources/).
//
//   tessaro-pictures OUTPUT_DIR

#include <QGuiApplication>

#include <cstdio>

#include "drawing.h"
#include "pictures.h"

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
    if (!loadLetteringFont()) {
        std::fprintf(stderr, "cannot load the lettering font %s\n", TESSARO_LETTERING_FONT);
        return 1;
    }
    return writePictures(QDir(QString::fromLocal8Bit(argv[1]))) ? 0 : 1;
}
