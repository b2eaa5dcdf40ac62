#include "app/application.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QPalette>

#include "app/style.h"

static void initResources()
{
    Q_INIT_RESOURCE(tessaro);
}

void setupApplication()
{
    initResources();
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.tessaro.Tessaro"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));

    // The same look on every desktop, dark themes included.
    auto* style = new TessaroStyle;
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());

    // The 8-point dialog font the windows were laid out for, at 96 dots per
    // inch: 11 pixels, scaled with the windows on high-density screens.
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/ms_sans_serif.ttf"));
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0, QStringLiteral("Sans Serif")));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}
