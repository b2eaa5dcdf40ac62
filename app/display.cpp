#include "app/display.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

namespace {

const char* program = "tessaro";

// Whether a program of that name is on the PATH.
bool installed(const char* name)
{
    const char* path = std::getenv("PATH");
    for (const QByteArray& folder : QByteArray(path ? path : "").split(':')) {
        if (!folder.isEmpty() && access((folder + '/' + name).constData(), X_OK) == 0)
            return true;
    }
    return false;
}

// Says, on one line, that the windows need a display, and what can be done
// from here: the program as it was started under a virtual X server, or
// how to get one, and worked solutions without windows.
[[noreturn]] void sayNoDisplay()
{
    const QByteArray xvfb =
        installed("xvfb-run") ? QByteArray() : QByteArray(" (install it first: sudo apt-get install xvfb xauth)");
    std::fprintf(stderr,
                 "tessaro: no display to open the windows on: they need a desktop. Under a virtual X server they "
                 "run but show nothing on the screen (for screenshots and automated runs): "
                 "xvfb-run -a -s '-screen 0 1280x1024x24' %s%s. Without windows: %s --list, "
                 "%s --solve cone radius=3 height=4 slength=5\n",
                 program, xvfb.constData(), program, program);
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
    program = argv[0];
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
