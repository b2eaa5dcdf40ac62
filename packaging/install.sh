#!/bin/sh
# `make install` and `make uninstall`. Installing runs cmake --install
# (the program stripped) under PREFIX inside DESTDIR and records in the build
# folder the files it put in place and the folders it had to make;
# uninstalling removes exactly those files, then those folders if empty.
#   packaging/install.sh install BUILD_DIR PREFIX [DESTDIR]
#   packaging/install.sh uninstall BUILD_DIR
set -eu
export LC_ALL=C
build="$2"
files="$build/install_manifest.txt"
dirs="$build/install_dirs.txt"

case "$1" in
install)
  root="${4:-}$3"
  before="$(mktemp)"
  made="$(mktemp)"
  trap 'rm -f "$before" "$made"' EXIT
  # The folders there before: those under the root and the root's parents.
  {
    find "$root" -type d 2>/dev/null || true
    d="$root"
    while [ "$d" != / ]; do [ -d "$d" ] && echo "$d"; d="$(dirname "$d")"; done
    echo /
  } | sort -u > "$before"
  [ ! -f "$dirs" ] || cp "$dirs" "$made"   # made by an earlier install
  DESTDIR="${4:-}" cmake --install "$build" --prefix "$3" --strip
  while IFS= read -r f; do
    d="$(dirname "$f")"
    while [ "$d" != / ]; do echo "$d"; d="$(dirname "$d")"; done
  done < "$files" | sort -u | comm -23 - "$before" | cat - "$made" | sort -u > "$dirs" ;;
uninstall)
  [ -f "$files" ] || { echo "nothing installed from $build"; exit 1; }
  xargs -r -d '\n' rm -vf -- < "$files"
  [ ! -f "$dirs" ] || sort -r "$dirs" | xargs -r -d '\n' rmdir -v --ignore-fail-on-non-empty --
  rm -f "$files" "$dirs" ;;
*)
  echo "usage: $0 install BUILD_DIR PREFIX [DESTDIR] | uninstall BUILD_DIR" >&2
  exit 2 ;;
esac
