#include "app/application.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QPalette>

#include "app/controls.h"
#include "app/style.h"

static void initResources()
{
    Q_INIT_RESOURCE(tessaro);
}

void setupApplication()
{
    initResources();
    QAccessible::installFactory(accessibleImageBox);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.tessaro.Tessaro"));
    // Every window has the 32-pixel cube; the other sizes let a taskbar or
    // a task switcher show a crisp one of its own size.
    QIcon icon(QStringLiteral(":/icon.png"));
    for (int size : {16, 22, 24, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tessaro-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

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
