#!/bin/sh
# Installs the Debian packages that one kind of work on Tessaro needs, and
# asks apt-get only for those that are missing, so a second run does nothing.
#   tools/install-deps.sh run           # build and start the program
#   tools/install-deps.sh run test      # and build and run every test
#   tools/install-deps.sh run package   # and build and check the Debian package
set -eu

# Building and running: the compiler, CMake and Qt with its X11 platform
# plugin; fontconfig and one system font so that Qt starts without warnings.
run="g++ make cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fontconfig fonts-dejavu-core"
# The tests: clang and its run-time libraries build the number text fuzzer;
# a virtual X server for the benchmarks; the desktop's own validators for
# the installed layout; fontTools for the font table test (python3-munkres
# settles fontTools' choice between it and SciPy, which would bring some
# thirty packages more).
test="clang libclang-rt-dev xvfb xauth desktop-file-utils appstream python3-munkres python3-fonttools"
test="$test dbus at-spi2-core openbox xdotool python3-pyatspi orca"  # the screen-reader tests
# The Debian package: debhelper and dpkg-dev build it, lintian and the
# desktop validators check it.
package="build-essential debhelper dpkg-dev lintian desktop-file-utils appstream"

packages="$run"
for group in "$@"; do
  case "$group" in
    run) ;;
    test) packages="$packages $test" ;;
    package) packages="$packages $package" ;;
    *) echo "usage: $0 [run] [test] [package]" >&2; exit 2 ;;
  esac
done

# Installed, or installed with triggers still to run: both are usable.
missing=""
for p in $packages; do
  case "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" in
    installed | triggers-pending | triggers-awaited) ;;
    *) missing="$missing $p" ;;
  esac
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
