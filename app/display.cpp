#include "app/display.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void sayNoDisplay()
{
    std::fputs("tessaro: no display to open the windows on; run it under a virtual X server: "
               "xvfb-run -s '-screen 0 1280x1024x24' tessaro; or worked solutions without a display: "
               "tessaro --solve \u2026\n",
               stderr);
    std::quick_exit(2);
}

// The value of the last option of that name, or else the environment variable.
QByteArray setting(int argc, char* argv[], const char* option, const char* variable)
{
    for (int i = argc - 2; i > 0; --i) {
        if (std::strcmp(argv[i], option) == 0)
            return argv[i + 1];
    }
    return qgetenv(variable);
}

// Whether Qt would try X11 alone with no X display named: known before it
// starts, and before it warns (fatally under QT_FATAL_WARNINGS) that it
// cannot connect.
bool noX11DisplayNamed(int argc, char* argv[])
{
    QByteArray platforms = setting(argc, argv, "-platform", "QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
        platforms = wayland ? "wayland;xcb" : "xcb";
    }
    for (const QByteArray& platform : platforms.split(';')) {
        if (platform.split(':').first() != "xcb")
            return false;
    }
    return setting(argc, argv, "-display", "DISPLAY").isEmpty();
}

struct Note
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<Note> held;
QtMessageHandler previous = nullptr;

// Holds Qt's notes while it starts, until it is known whether a platform
// could be started: if none could, Qt's fatal message says so.
void holdNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg)
        held.append({type, context.category, text});
    else if (text.contains(QLatin1String("no Qt platform plugin could be initialized")))
        sayNoDisplay();
    else
        previous(type, context, text);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[])
{
    if (noX11DisplayNamed(argc, argv))
        sayNoDisplay();
    previous = qInstallMessageHandler(holdNotes);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const Note& note : std::as_const(held))
        qt_message_output(note.type, QMessageLogContext(nullptr, 0, nullptr, note.category.constData()), note.text);
    held.clear();
    return application;
}
