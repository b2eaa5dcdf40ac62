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
files="$build/installed_files.txt"
dirs="$build/installed_dirs.txt"

case "$1" in
install)
  destdir="${4:-}"
  root="$destdir$3"
  before="$(mktemp)"
  trap 'rm -f "$before"' EXIT
  # The folders there before: those under the root and the root's parents.
  {
    find "$root" -type d 2>/dev/null || true
    d="$root"
    while [ "$d" != / ]; do [ -d "$d" ] && echo "$d"; d="$(dirname "$d")"; done
    echo /
  } | sort -u > "$before"
  DESTDIR="$destdir" cmake --install "$build" --prefix "$3" --strip
  # CMake's manifest names the files without DESTDIR, and its last line has
  # no line end. An earlier install's records are kept.
  touch "$files" "$dirs"
  awk -v destdir="$destdir" '{ print destdir $0 }' "$build/install_manifest.txt" |
    cat - "$files" | sort -u > "$files.new"
  mv "$files.new" "$files"
  while IFS= read -r f; do
    d="$(dirname "$f")"
    while [ "$d" != / ]; do echo "$d"; d="$(dirname "$d")"; done
  done < "$files" | sort -u | comm -23 - "$before" | cat - "$dirs" | sort -u > "$dirs.new"
  mv "$dirs.new" "$dirs" ;;
uninstall)
  [ -f "$files" ] || { echo "nothing installed from $build"; exit 1; }
  xargs -r -d '\n' rm -vf -- < "$files"
  sort -r "$dirs" | while IFS= read -r d; do
    [ ! -d "$d" ] || rmdir -v --ignore-fail-on-non-empty -- "$d"
  done
  rm -f "$files" "$dirs" "$build/install_manifest.txt" ;;
*)
  echo "usage: $0 install BUILD_DIR PREFIX [DESTDIR] | uninstall BUILD_DIR" >&2
  exit 2 ;;
esac
