#!/bin/sh
# Builds the Debian package twice, in two folders of different names, with
# the same SOURCE_DATE_EPOCH, and checks that both builds give the same .deb
# and -dbgsym .deb byte for byte; then runs lintian on the package, and
# desktop-file-validate and appstreamcli on the files it installs. Any
# finding of any of them fails the check.
#   packaging/check-deb.sh OUT
set -eu
out="$(mkdir -p "$1" && cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$here/../debian/changelog" -S Timestamp)}"
export SOURCE_DATE_EPOCH
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

"$here/build-deb.sh" "$out"
"$here/build-deb.sh" "$out/deb-again" "$out/deb-again/another/folder"
echo "Two builds, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH:"
status=0
for deb in "$out"/deb/*.deb; do
  again="$out/deb-again/another/folder/$(basename "$deb")"
  sha256sum "$deb" "$again"
  cmp -s "$deb" "$again" || { echo "not reproducible: $(basename "$deb")"; status=1; }
done

echo "lintian:"
lintian --display-info --fail-on error,warning "$out"/deb/tessaro_*.changes || status=1

for deb in "$out"/deb/*.deb; do dpkg-deb -x "$deb" "$root"; done
found="$(desktop-file-validate "$root"/usr/share/applications/*.desktop 2>&1)" || status=1
[ -z "$found" ] || { echo "desktop-file-validate: $found"; status=1; }
found="$(appstreamcli validate --pedantic --no-net "$root"/usr/share/metainfo/*.metainfo.xml 2>&1)" || status=1
echo "appstreamcli validate --pedantic: $found"
# The one finding let pass: Debian 12's AppStream 0.16 does not know the
# developer block of AppStream 1.0, which carries the developer's id.
! echo "$found" | grep '^[EWIP]: ' | grep -v -q ': unknown-tag developer$' || status=1

[ "$status" -eq 0 ] && echo "package check passed" || echo "package check FAILED"
exit "$status"
