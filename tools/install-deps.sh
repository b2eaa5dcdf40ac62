#!/bin/sh
# Installs the Debian packages that one kind of work on Tessaro needs, and
# asks apt-get only for those that are missing, so a second run does nothing.
#   tools/install-deps.sh run                 # build and start the program
#   tools/install-deps.sh run test            # and build and run every test
#   tools/install-deps.sh run test a11y       # and the same path under the screen reader
#   tools/install-deps.sh run bench           # and time it beside a general calculator
#   tools/install-deps.sh run fuzz            # and fuzz the number text
#   tools/install-deps.sh run package         # and build the Debian package
#   tools/install-deps.sh run package package-check   # and check it
set -eu

# Building and running: the compiler, CMake and Qt with its X11 platform
# plugin; fontconfig and one system font so that Qt starts without warnings;
# a virtual X server for machines without a display (xvfb-run needs xauth).
run="g++ make cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fontconfig fonts-dejavu-core xvfb xauth"
# The tests: the desktop's own validators for the installed layout; Python
# (which Qt's development files bring anyway) for the font table test.
test="desktop-file-utils appstream python3"
# pdftotext, by which the print test reads back the text of a printed PDF.
test="$test poppler-utils"
# The screen-reader test: a session bus, the accessibility bus, a window
# manager, a key sender, the AT-SPI client, and xprop, by which the desktop
# knows that the window manager answers.
test="$test dbus at-spi2-core openbox xdotool python3-pyatspi x11-utils"
# make test-a11y: the same path under the screen reader itself, and pgrep,
# by which Orca and the test tell a screen reader already running; with a
# synthesizer, as a desktop has one, which the test's own speech settings
# must keep silent.
a11y="orca procps speech-dispatcher-espeak-ng"
# make bench: a general calculator whose processor time the command line's
# is set beside.
bench="qalc"
# The number text fuzzer: clang and its run-time libraries, which alone
# have libFuzzer.
fuzz="clang libclang-rt-dev"
# The Debian package: debhelper and dpkg-dev build it.
package="build-essential debhelper dpkg-dev"
# Checking the package: lintian and the desktop's validators.
package_check="lintian desktop-file-utils appstream"

packages="$run"
for group in "$@"; do
  case "$group" in
    run) ;;
    test) packages="$packages $test" ;;
    a11y) packages="$packages $a11y" ;;
    bench) packages="$packages $bench" ;;
    format) packages="$packages clang-format" ;;
    fuzz) packages="$packages $fuzz" ;;
    package) packages="$packages $package" ;;
    package-check) packages="$packages $package_check" ;;
    *) echo "usage: $0 [run] [test] [a11y] [bench] [format] [fuzz] [package] [package-check]" >&2; exit 2 ;;
  esac
done

# Installed, or installed with triggers still to run: both are usable.
missing=""
for p in $packages; do
  case " $missing " in *" $p "*) continue ;; esac
  case "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" in
    installed | triggers-pending | triggers-awaited) ;;
    *) missing="$missing $p" ;;
  esac
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
# No package may stop to ask a question. sudo drops the caller's
# environment, so the setting is given on apt-get's own command line.
apt="env DEBIAN_FRONTEND=noninteractive apt-get"
[ "$(id -u)" -ne 0 ] && apt="sudo $apt"
$apt update -qq
# shellcheck disable=SC2086
$apt install -y -qq --no-install-recommends $missing
