#include "app/runtimedir.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

namespace {

// A folder Qt takes without a word: a folder itself, not a link to one,
// owned by the user and open to the user alone.
bool fit(const std::string& path)
{
    struct stat status;
    return !path.empty() && lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == geteuid()
        && (status.st_mode & 07777) == S_IRWXU;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string made;

void removeMade()
{
    rmdir(made.c_str());
}

// Ended by a signal (the session closing, Ctrl+C), the run still removes it.
void removeMadeOnSignal(int signal)
{
    removeMade();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

void useFitRuntimeDir()
{
    if (fit(environment("XDG_RUNTIME_DIR")))
        return;
    const passwd* user = getpwuid(geteuid());
    std::string temporary = environment("TMPDIR");
    if (temporary.empty())
        temporary = "/tmp";
    std::string home = environment("HOME");
    if (home.empty() && user)
        home = user->pw_dir;
    const std::string candidates[] = {
        "/run/user/" + std::to_string(geteuid()),
        user ? temporary + "/runtime-" + user->pw_name : std::string(),
        home,
    };
    for (const std::string& candidate : candidates) {
        if (fit(candidate)) {
            setenv("XDG_RUNTIME_DIR", candidate.c_str(), 1);
            return;
        }
    }
    std::string pattern = temporary + "/tessaro-XXXXXX";
    if (mkdtemp(pattern.data())) {
        made = pattern;
        std::atexit(removeMade);
        std::at_quick_exit(removeMade);
        for (const int signal : {SIGHUP, SIGINT, SIGTERM}) {
            if (std::signal(signal, removeMadeOnSignal) == SIG_IGN)
                std::signal(signal, SIG_IGN);
        }
        setenv("XDG_RUNTIME_DIR", made.c_str(), 1);
    }
}
