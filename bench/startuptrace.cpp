// Linked into the start-up benchmark's build of the program, beside the
// program's own main(): when the application object comes into being it
// starts watching the windows. It prints the monotonic clock (the one the
// benchmark reads before it starts the process) when the splash is first
// exposed, clicks the splash as a user would, prints the clock when the menu
// is first exposed and ends the program.

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>

#include "app/model/form.h"
#include "app/frmmenu.h"
#include "app/frmsplash.h"

namespace {

void stamp(const char* event)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    std::printf("%s %lld\n", event, static_cast<long long>(ns));
    std::fflush(stdout);
}

bool isWindowOf(QObject* window, QWidget* form)
{
    return form && form->windowHandle() == window;
}

class StartupTrace : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || !static_cast<QWindow*>(watched)->isExposed())
            return false;
        if (!m_splashSeen && isWindowOf(watched, formInstance<frmSplash>())) {
            m_splashSeen = true;
            stamp("splash-exposed");
            // Once the expose is handled and the splash painted, a click on it.
            QTimer::singleShot(0, this, &StartupTrace::clickSplash);
        } else if (m_clicked && !m_menuSeen && isWindowOf(watched, formInstance<frmMenu>())) {
            m_menuSeen = true;
            stamp("menu-exposed");
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    void clickSplash()
    {
        QWidget* splash = formInstance<frmSplash>();
        const QPointF at = QRectF(splash->rect()).center();
        const QPointF global = splash->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        stamp("click");
        m_clicked = true;
        QCoreApplication::sendEvent(splash, &press);
        QCoreApplication::sendEvent(splash, &release);
    }

    bool m_splashSeen = false;
    bool m_clicked = false;
    bool m_menuSeen = false;
};

void startTracing()
{
    qApp->installEventFilter(new StartupTrace(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startTracing)
