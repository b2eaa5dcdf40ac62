#!/bin/sh
# Runs a command on a desktop of its own, as a screen-reader user has one: a
# session bus, a virtual X server with a window manager and the accessibility
# bus (both answering before the command starts) and a home of its own, whose
# speech server needs no synthesizer and no sound server. Exits 77 (skipped)
# where a part is missing.
#   tools/a11y-desktop.sh COMMAND...
for tool in dbus-run-session dbus-send xvfb-run openbox xdotool xprop /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_RUNTIME_DIR="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
# Orca starts speech-dispatcher, which takes its settings from this home
# before the system's: a voice that needs no synthesizer and no sound server
# (see the settings for why). Orca's log still has all it speaks.
mkdir -p "$XDG_CONFIG_HOME"
cp -R "$(dirname "$0")/a11y/speech-dispatcher" "$XDG_CONFIG_HOME/"
# The X server is kept from resetting when its last client leaves: the
# accessibility bus and each probe below come and go, and a reset drops a
# window manager that is still connecting.
# shellcheck disable=SC2016 # the desktop's own shell expands them
dbus-run-session -- xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' sh -c '
  openbox >"$HOME/window_manager.log" 2>&1 &
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$HOME/accessibility_bus.log" 2>&1 &
  up() {  # until the probe succeeds, for up to 30 s; else what the part said
    for i in $(seq 300); do "$1" && return; sleep 0.1; done
    echo "no $1 within 30 s" >&2; cat "$HOME/$1.log" >&2; exit 1
  }
  accessibility_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true
  }
  # The window manager answers once the window that the root names as its own
  # names itself too; a window asked to become active before that never is.
  window_manager() {
    wm=$(xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n "s/.* # //p")
    [ -n "$wm" ] && xprop -id "$wm" -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q " # $wm\$"
  }
  up accessibility_bus
  up window_manager
  "$@"' sh "$@"
