#include "app/application.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "model/accessibility.h"
#include "model/announcement.h"
#include "model/controls.h"
#include "model/style.h"

void loadResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(tessaro);
        return true;
    }();
    Q_UNUSED(loaded)
}

static QString fontFamily(const QString& file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    return QFontDatabase::applicationFontFamilies(id).value(0, QStringLiteral("Sans Serif"));
}

static void followScreens()
{
    bool dense = false;
    for (const QScreen* screen : QGuiApplication::screens())
        dense = dense || screen->devicePixelRatio() > 1;
    if (!dense)
        return;
    static const QString pixels = fontFamily(QStringLiteral(":/fonts/tessaro-dialog-pixels.ttf"));
    if (QApplication::font().family() == pixels)
        return;
    QFont font(pixels);
    font.setPixelSize(13);
    font.setStyleHint(QFont::SansSerif);
    // The edges lie on the pixel grid already: hinting could only move
    // them, and subpixel antialiasing would fringe them with colour.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    QApplication::setFont(font);
}

static void watchScreen(QScreen* screen)
{
    QObject::connect(screen, &QScreen::logicalDotsPerInchChanged, qApp, followScreens);
    QObject::connect(screen, &QScreen::geometryChanged, qApp, followScreens);
}

void joinAccessibilityBus()
{
    // Qt 6.4 asks once, as the application starts, whether a screen reader
    // is on (the ScreenReaderEnabled and IsEnabled properties of
    // org.a11y.Status) and never again: it does not follow the properties,
    // so a screen reader started after Tessaro would never see it. Its only
    // other switch is this variable, which makes it join the accessibility
    // bus regardless, as toolkits that are always accessible do; a screen
    // reader started later finds Tessaro there like any other application.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
}

void setupApplication()
{
    loadResources();
    QAccessible::installFactory(accessibleImageBox);
    QAccessible::installFactory(accessibleWindowPart);
    QAccessible::installFactory(accessibleAnnouncement);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.tessaro.tessaro"));

    // The same look on every desktop, dark themes included.
    auto* style = new TessaroStyle;
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
}

void finishSetup()
{
    static bool done = false;
    if (done)
        return;
    done = true;

    // Every window has the 32-pixel cube; the other sizes let a taskbar or
    // a task switcher show a crisp one of its own size.
    QIcon icon(QStringLiteral(":/icon.png"));
    for (int size : {16, 22, 24, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tessaro-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    // The 8-point dialog font the windows were laid out for, at 96 dots per
    // inch: 11 pixels, drawn from the font's 13-pixel bitmap strike.
    QFont font(fontFamily(QStringLiteral(":/fonts/tessaro-dialog.ttf")));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);

    // A bitmap cannot be scaled: with more than one device pixel to the
    // pixel its glyphs would stay small while the text grew wide. There the
    // windows take the same strike with each of its pixels a square outline,
    // at the size where a font pixel is a pixel: every glyph is the 1x glyph
    // with each pixel a crisp block of device pixels, and every caption is
    // as wide and high as at 1x. A screen joining later, or changing its
    // scale, switches to it; the outline font draws the same pixels at 1x.
    followScreens();
    QObject::connect(qApp, &QGuiApplication::screenAdded, qApp, [](QScreen* screen) {
        watchScreen(screen);
        followScreens();
    });
    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
}

namespace {

// Watches a window for its first exposure; then posts the action, so that it
// runs once the window is painted, and goes.
class AfterShown : public QObject
{
public:
    AfterShown(QWindow* window, void (*action)())
        : QObject(window)
        , m_action(action)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, m_action);
            deleteLater();
        }
        return false;
    }

private:
    void (*m_action)();
};

} // namespace

void afterShown(QWidget* window, void (*action)())
{
    QWindow* handle = window->windowHandle();
    Q_ASSERT_X(handle, "afterShown", "the window has not been shown");
    // Some platforms expose a window while showing it.
    if (handle->isExposed())
        QTimer::singleShot(0, qApp, action);
    else
        new AfterShown(handle, action);
}
