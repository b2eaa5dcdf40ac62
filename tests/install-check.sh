#!/bin/sh
# Installs the built program into a scratch directory, as `make install`
# would into /usr, and checks that a Linux desktop finds everything it needs:
# the program, its manual page, a valid desktop entry, valid AppStream
# metadata and the icon at every hicolor size the entry's Icon= names.
set -eu
# The validators come with the tests' set-up: a check that cannot run fails.
for t in desktop-file-validate appstreamcli; do command -v $t >/dev/null || { echo "no $t: tools/install-deps.sh test installs it"; exit 1; }; done
build="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
share="$root/usr/share"
id=io.tessaro.tessaro

test -x "$root/usr/bin/tessaro" || { echo "no program in /usr/bin"; exit 1; }
test -s "$root/usr/share/man/man1/tessaro.1" || { echo "no manual page"; exit 1; }
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"

icon="$(sed -n 's/^Icon=//p' "$share/applications/$id.desktop")"
for size in 16 22 24 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$icon.png"
  test -s "$png" || { echo "missing $png"; exit 1; }
  # The PNG header holds width and height as 4-byte big-endian numbers.
  dims="$(od -An -tu4 --endian=big -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')"
  [ "$dims" = "$size $size" ] || { echo "$png is not ${size}x${size}: $dims"; exit 1; }
done
echo "installed layout is complete"
