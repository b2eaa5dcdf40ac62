#!/bin/sh
# Runs a command on a desktop of its own, as a screen-reader user has one: a
# session bus, a virtual X server with a window manager, the accessibility
# bus (up before the command starts) and a home of its own. Exits 77
# (skipped) where a part is missing.
#   tools/a11y-desktop.sh COMMAND...
for tool in dbus-run-session dbus-send xvfb-run openbox xdotool /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_RUNTIME_DIR="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
dbus-run-session -- xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
  openbox >/dev/null 2>&1 &
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  for i in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
  done
  "$@"' sh "$@"
