#!/bin/sh
# Installs the Debian packages that building, running and testing Tessaro
# need; asks apt-get only for those that are missing, so a second run does
# nothing. clang and its run-time libraries build the number text fuzzer.
set -eu

packages="g++ make cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fontconfig fonts-dejavu-core xvfb xauth desktop-file-utils appstream dpkg-dev file clang libclang-rt-dev"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
