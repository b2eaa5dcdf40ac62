#!/bin/sh
# Builds the Debian package the way a distribution does, with
# dpkg-buildpackage from debian/, and copies the program's .deb and its
# -dbgsym .deb into OUT, and names the copies.
#   packaging/build-deb.sh OUT [WORK]
# dpkg-buildpackage writes its results beside the source tree, so the build
# runs in a copy of the working tree (the files git tracks or would add) in
# WORK, OUT/deb by default; the copy is removed afterwards, the .changes and
# .buildinfo stay in WORK. Every file of the copy is dated SOURCE_DATE_EPOCH
# (by default the date of the last entry of debian/changelog), so that the
# package does not depend on when the tree was checked out.
set -eu
out="$(mkdir -p "$1" && cd "$1" && pwd)"
work="${2:-$out/deb}"
top="$(cd "$(dirname "$0")/.." && pwd)"
SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$top/debian/changelog" -S Timestamp)}"
export SOURCE_DATE_EPOCH

rm -rf "$work"
mkdir -p "$work/tessaro"
work="$(cd "$work" && pwd)"
git -C "$top" ls-files -z --cached --others --exclude-standard |
  (cd "$top" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
  tar -C "$top" --null -T - --mtime="@$SOURCE_DATE_EPOCH" -cf - | tar -C "$work/tessaro" -xf -

# The package builds the same whether or not a make started this script: no
# flags, variables or directory lines of an outer make reach debian/rules.
unset MAKEFLAGS MFLAGS MAKELEVEL
(cd "$work/tessaro" && dpkg-buildpackage -b -us -uc --jobs-try="$(nproc)")
rm -rf "$work/tessaro"
cp "$work"/tessaro_*.deb "$work"/tessaro-dbgsym_*.deb "$out"/
echo "The package: ${1%/}/$(basename "$work"/tessaro_*.deb)" \
  "(its debug symbols: ${1%/}/$(basename "$work"/tessaro-dbgsym_*.deb))"
