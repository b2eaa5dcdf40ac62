// Linked into the bare program beside its main(): prints the clock when its
// window is first exposed, then the resident memory once it is painted, and
// ends the program.

#include <QCoreApplication>

#include "trace.h"

namespace {

class BareTrace : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && trace::exposed(watched, event)) {
            m_seen = true;
            trace::stamp("window-exposed");
            trace::residentMemoryThenQuit();
        }
        return false;
    }

private:
    bool m_seen = false;
};

void startTracing()
{
    qApp->installEventFilter(new BareTrace(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startTracing)
