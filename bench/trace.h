#pragma once

// What the start-up traces print, a line each, for the benchmark to read:
// an event with the monotonic clock (the one the benchmark reads before it
// starts the process) in nanoseconds, and the resident memory in kilobytes.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWindow>

#include <chrono>
#include <cstdio>

namespace trace {

inline void stamp(const char* event)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    std::printf("%s %lld\n", event, static_cast<long long>(ns));
    std::fflush(stdout);
}

inline void residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            std::printf("rss-kb %lld\n", line.mid(6).trimmed().split(' ').value(0).toLongLong());
            std::fflush(stdout);
        }
    }
}

// Once the events waiting are handled (the windows painted): the resident
// memory, and the end of the program.
inline void residentMemoryThenQuit()
{
    QMetaObject::invokeMethod(
        qApp,
        [] {
            residentMemory();
            QCoreApplication::quit();
        },
        Qt::QueuedConnection);
}

// The window the event tells has come on the screen, or null.
inline QWindow* exposed(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Expose)
        return nullptr;
    auto* window = qobject_cast<QWindow*>(watched);
    return window && window->isExposed() ? window : nullptr;
}

} // namespace trace
