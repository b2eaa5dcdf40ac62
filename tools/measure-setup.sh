#!/bin/bash
# Measures what the README's first steps cost on a fresh Debian 12 machine,
# in fresh debootstrap (minbase) roots, with the README's own commands:
# `apt-get install git make sudo` (recommended packages included, as apt
# does by default), a clone of the project, `cd`, then `make run`,
# `make test` and `make package`. The parts:
#   root     as root, one goal after the other;
#   user     the same as a user with passwordless sudo;
#   scratch  each goal alone, from the root as it is after the first steps;
#   deb      the package built by the root part installed alone on a fresh
#            root, as the README has it, with and without recommended packages.
# For each step: packages added (dpkg), download (the .debs apt fetched),
# disk (du of the root without the clone and its build folder, apt's .deb
# cache and the project's mount: what the installed packages take), the
# clone with its build folder, wall time, and the 5-minute load average at
# the step's end (above the number of cores, other work shared the machine
# and the time is too long); then, for each step, the lines of its output
# that look like a warning or a question, and what /tmp holds after it (a
# tmpfs of its own for each root).
# The commands run without a terminal and without a display: `make run`
# counts as done when the program is built and says it has no display.
#
# Run by hand as root on a Debian 12 machine that reaches the mirror; all
# parts take about 40 minutes on two cores, -q about 20. Each step's output
# goes to its log, not the screen. The roots and their mounts are removed at
# the end, also after a failure or Ctrl-C; the report and the logs stay.
#
#   tools/measure-setup.sh [-q] PROJECT
#     PROJECT  a git checkout; what is committed at its HEAD is cloned
#     -q       the root and deb parts only
#   Environment: WORK (a new folder under /var/tmp), MIRROR, SECURITY
#   (deb.debian.org), STEP_TIMEOUT (seconds, 3600).
set -eu

usage() { echo "usage: $0 [-q] PROJECT   (as root; see the comment at its top)" >&2; exit 2; }
parts="root deb user scratch"
[ "${1:-}" = -q ] && { parts="root deb"; shift; }
[ $# -eq 1 ] && [ -d "$1" ] || usage
[ "$(id -u)" -eq 0 ] || { echo "$0: run as root (debootstrap, chroot, mount)" >&2; exit 2; }
project=$(cd "$1" && pwd)
MIRROR=${MIRROR:-http://deb.debian.org/debian}
SECURITY=${SECURITY:-http://deb.debian.org/debian-security}
STEP_TIMEOUT=${STEP_TIMEOUT:-3600}
WORK=$(realpath "${WORK:-$(mktemp -d /var/tmp/measure-setup.XXXXXX)}")
roots=$WORK/roots logs=$WORK/logs report=$WORK/report.txt notes=$WORK/notes.txt
mkdir -p "$roots" "$logs"
: >"$report"
: >"$notes"
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap

# leave DIR: ends what still runs in the roots under DIR (a test's bus or X
# server) and unmounts what is mounted there.
leave() {
  local p sig
  for sig in TERM KILL; do
    for p in /proc/[0-9]*; do
      case "$(readlink "$p/root" 2>/dev/null)" in "$1" | "$1"/*) kill -"$sig" "${p#/proc/}" 2>/dev/null || true ;; esac
    done
    [ $sig = TERM ] && sleep 1
  done
  awk -v d="$1/" 'index($2, d) == 1 { print $2 }' /proc/mounts | sort -r |
    while read -r m; do umount "$m" || umount -l "$m"; done
}
cleanup() {
  leave "$roots"
  if grep -q " $roots/" /proc/mounts; then
    echo "$0: mounts are left under $roots; it is not removed" >&2
  else
    rm -rf --one-file-system "$roots"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# What a chroot needs, each mount private to it; /tmp a tmpfs of its own;
# the project's bare clone read-only at /srv/tessaro.git.
enter() {
  mount -t proc proc "$1/proc"
  mount -t sysfs sysfs "$1/sys"
  mount --bind /dev "$1/dev" && mount --make-private "$1/dev"
  mount --bind /dev/pts "$1/dev/pts" && mount --make-private "$1/dev/pts"
  mount -t tmpfs -o mode=1777 shm "$1/dev/shm"
  mount -t tmpfs -o mode=1777 tmp "$1/tmp"
  mkdir -p "$1/srv/tessaro.git"
  mount --bind "$WORK/tessaro.git" "$1/srv/tessaro.git" && mount --make-private "$1/srv/tessaro.git"
  mount -o remount,bind,ro "$1/srv/tessaro.git"
}

# in_root ROOT USER DIR COMMAND: runs COMMAND in DIR of ROOT as USER with
# the environment a login gives, no terminal (standard input /dev/null)
# and no display.
in_root() {
  local home=/root path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
  [ "$2" = root ] || { home=/home/$2; path=/usr/local/bin:/usr/bin:/bin; }
  timeout --foreground "$STEP_TIMEOUT" chroot --userspec="$2:$2" "$1" /usr/bin/env -i HOME="$home" USER="$2" \
    LOGNAME="$2" SHELL=/bin/bash PATH="$path" /bin/sh -c "cd $3 && $4" </dev/null
}

kib2mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
packages() { dpkg-query --admindir="$1/var/lib/dpkg" -W -f='${db:Status-Abbrev}\n' | grep -c '^ii'; }
disk() {
  du -sxk --exclude="$1$2" --exclude="$1/var/cache/apt/archives" --exclude="$1/srv/tessaro.git" "$1" | cut -f1
}
downloaded() {
  find "$1/var/cache/apt/archives" -maxdepth 1 -name '*.deb' -printf '%s\n' | awk '{ s += $1 } END { printf "%d", s / 1024 }'
}
row() { printf '%-8s %-30s %-15s %5s %5s %8s %9s %8s %8s %6s %5s\n' "$@" | tee -a "$report"; }

# step PART NAME ROOT USER DIR PROJECT COMMAND: runs COMMAND and measures it;
# PROJECT is the clone, left out of the disk column.
step() {
  local log rc=0 p0 d0 t0 p1 d1 t result
  log="$logs/$(echo "$1 $2" | tr -cs 'A-Za-z0-9\n' -).log"
  rm -f "$3"/var/cache/apt/archives/*.deb
  p0=$(packages "$3") d0=$(disk "$3" "$6") t0=$(date +%s)
  in_root "$3" "$4" "$5" "$7" >"$log" 2>&1 || rc=$?
  t=$(($(date +%s) - t0)) p1=$(packages "$3") d1=$(disk "$3" "$6")
  if [ $rc -eq 0 ]; then
    result=ok
  elif [ "$2" = "make run" ] && [ -x "$3$6/build/tessaro" ] && grep -Eq '^[^ ]*tessaro: .*display' "$log"; then
    result="ok, no display"
  elif [ $rc -eq 124 ]; then
    result="TIMED OUT"
  else
    result="FAILED ($rc)"
  fi
  row "$1" "$2" "$result" $((p1 - p0)) "$p1" "$(kib2mib "$(downloaded "$3")")" "$(kib2mib $((d1 - d0)))" \
    "$(kib2mib "$d1")" "$(kib2mib "$(du -sk "$3$6" 2>/dev/null | cut -f1 || echo 0)")" "$((t / 60))m$(printf %02d $((t % 60)))s" \
    "$(cut -d' ' -f2 /proc/loadavg)"
  {
    echo "== $1: $2 ($log)"
    grep -Ei "^debconf: |^[WEN]: |^sudo:|^[^ ]*tessaro: |\\b(warning|error|fail(ed)?|unable|cannot|can't|not found|denied|deprecated)\\b|\\[y/n]|\\?\$" "$log" |
      grep -v ' 0 tests failed' | cut -c1-160 | sort | uniq -c | sort -rn | head -n 25 || true
    echo "   left in /tmp: $(ls -A "$3/tmp" | tr '\n' ' ')"
  } >>"$notes"
}

# sequence PART ROOT USER GOAL...: clones the project into USER's home and
# runs `make GOAL` in the clone for each GOAL in turn.
sequence() {
  local part=$1 r=$2 user=$3 home=/root
  shift 3
  [ "$user" = root ] || home=/home/$user
  enter "$r"
  step "$part" "git clone" "$r" "$user" "$home" "$home/tessaro" "git clone -q /srv/tessaro.git tessaro"
  for goal; do step "$part" "make $goal" "$r" "$user" "$home/tessaro" "$home/tessaro" "make $goal"; done
  leave "$r"
}

start=$(date +%s)
git clone -q --bare "$project" "$WORK/tessaro.git"
{
  echo "Machine: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), $(nproc) cores," \
    "$(free -g | awk '/^Mem:/ { print $2 }') GiB memory; $(date '+%Y-%m-%d %H:%M %Z')"
  echo "Project: $project at $(git -C "$WORK/tessaro.git" log -1 --format='%h %cd' --date=short)"
  echo "Mirror: $MIRROR bookworm, bookworm-updates; $SECURITY bookworm-security"
} | tee -a "$report"
row part step result +pkgs pkgs 'get MiB' '+disk MiB' 'disk MiB' 'proj MiB' time load

# The fresh Debian 12: minbase, the sources an installed system has, its
# host name known, and apt's lists fetched.
base=$roots/base
t0=$(date +%s)
if ! debootstrap --variant=minbase bookworm "$base" "$MIRROR" >"$logs/debootstrap.log" 2>&1; then
  echo "$0: debootstrap failed; does $MIRROR answer? (see $logs/debootstrap.log)" >&2
  exit 1
fi
printf 'deb %s bookworm main\ndeb %s bookworm-updates main\ndeb %s bookworm-security main\n' \
  "$MIRROR" "$MIRROR" "$SECURITY" >"$base/etc/apt/sources.list"
uname -n >"$base/etc/hostname"
printf '127.0.0.1 localhost\n127.0.1.1 %s\n' "$(uname -n)" >"$base/etc/hosts"
cp /etc/resolv.conf "$base/etc/resolv.conf"
enter "$base"
in_root "$base" root / "apt-get update" >"$logs/apt-get-update.log" 2>&1 ||
  { echo "$0: apt-get update failed (see $logs/apt-get-update.log)" >&2; exit 1; }
leave "$base"
echo "debootstrap minbase and apt-get update: $(($(date +%s) - t0)) s" | tee -a "$report"

# root: the first steps, kept as the start of the other parts, then the goals.
cp -a "$base" "$roots/root"
enter "$roots/root"
step root "apt-get install git make sudo" "$roots/root" root /root /root/tessaro "apt-get install -y git make sudo"
leave "$roots/root"
cp -a "$roots/root" "$roots/first-steps"
sequence root "$roots/root" root run test package
cp "$roots"/root/root/tessaro/build/tessaro_*.deb "$WORK"/ 2>/dev/null || echo "no package was built" | tee -a "$report"
rm -rf --one-file-system "$roots/root"

# deb: the README's install line, `apt-get install ./build/tessaro_*.deb`, from
# the project's build folder under /root, then the same with
# --no-install-recommends; the package counts as installed when
# `tessaro --list` works.
case " $parts " in *" deb "*)
  for deb in "$WORK"/tessaro_*.deb; do
    [ -f "$deb" ] || break
    for how in "" --no-install-recommends; do
      cp -a "$base" "$roots/deb"
      mkdir -p "$roots/deb/root/tessaro/build"
      cp "$deb" "$roots/deb/root/tessaro/build/"
      enter "$roots/deb"
      step deb "install .deb${how:+, no recommends}" "$roots/deb" root /root/tessaro /root/tessaro/build \
        "apt-get install -y $how ./build/tessaro_*.deb && tessaro --list >/dev/null"
      leave "$roots/deb"
      rm -rf --one-file-system "$roots/deb"
    done
  done ;;
esac

# user: a user with passwordless sudo, as the README's sudo path has it.
case " $parts " in *" user "*)
  cp -a "$roots/first-steps" "$roots/user"
  chroot "$roots/user" useradd -m -s /bin/bash tester
  echo 'tester ALL=(ALL) NOPASSWD: ALL' >"$roots/user/etc/sudoers.d/tester"
  chmod 440 "$roots/user/etc/sudoers.d/tester"
  # git clones only from a repository of the cloning user's own.
  chown -R "$(chroot "$roots/user" id -u tester):$(chroot "$roots/user" id -g tester)" "$WORK/tessaro.git"
  sequence user "$roots/user" tester run test package
  chown -R 0:0 "$WORK/tessaro.git"
  rm -rf --one-file-system "$roots/user" ;;
esac

# scratch: each goal alone after the first steps.
case " $parts " in *" scratch "*)
  for goal in run test package; do
    cp -a "$roots/first-steps" "$roots/scratch"
    sequence scratch "$roots/scratch" root "$goal"
    rm -rf --one-file-system "$roots/scratch"
  done ;;
esac

echo "Whole run: $((($(date +%s) - start) / 60)) min. Lines that look like warnings or questions:" | tee -a "$report"
tee -a "$report" <"$notes"
echo "Report: $report; logs: $logs"
