#!/bin/sh
# Builds the Debian package the way a distribution does, with
# dpkg-buildpackage from debian/, and copies the program's .deb and its
# -dbgsym .deb into OUT.
#   packaging/build-deb.sh OUT [WORK]
# dpkg-buildpackage writes its results beside the source tree, so the build
# runs in a copy of the working tree (the files git tracks or would add) in
# WORK, OUT/deb by default; the copy is removed afterwards, the .changes and
# .buildinfo stay in WORK.
set -eu
out="$(mkdir -p "$1" && cd "$1" && pwd)"
work="${2:-$out/deb}"
top="$(cd "$(dirname "$0")/.." && pwd)"

rm -rf "$work"
mkdir -p "$work/tessaro"
work="$(cd "$work" && pwd)"
git -C "$top" ls-files -z --cached --others --exclude-standard |
  (cd "$top" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
  tar -C "$top" --null -T - -cf - | tar -C "$work/tessaro" -xf -

(cd "$work/tessaro" && dpkg-buildpackage -b -us -uc --jobs-try="$(nproc)")
rm -rf "$work/tessaro"
cp "$work"/tessaro_*.deb "$work"/tessaro-dbgsym_*.deb "$out"/
ls "$work"/*.deb
