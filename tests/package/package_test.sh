#!/bin/bash
# Builds the Debian package and checks its control fields, lintian (no errors),
# desktop entry, metainfo and icons; the unpacked planner must start under Xvfb
# with its icon set. Usage: package_test.sh build-dir e2e-dir artefact-dir
set -euo pipefail
build=$1 here=$2 artefacts=$3
work=$(mktemp -d) root=$work/root
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
. "$here/x_helpers.sh"
mkdir -p "$artefacts"
cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(echo "$work"/kethmor-planner_*_amd64.deb)
[ -f "$deb" ] || { echo "no package built"; exit 1; }
cp "$deb" "$artefacts/"
dpkg-deb -f "$deb" Package Version Section Maintainer Depends Recommends | tee "$work/fields"
grep -q '^Section: games$' "$work/fields"
grep -q '^Depends: qt6-qpa-plugins, .*libqt6widgets6' "$work/fields"
lintian --tag-display-limit 0 "$deb" | tee "$work/lintian" || true
if grep -q '^E:' "$work/lintian"; then echo "lintian reports errors"; exit 1; fi
dpkg -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
grep -q '^Exec=kethmor-planner %f$' "$root"/usr/share/applications/*.desktop
for icon in 48x48/apps/kethmor-planner.png 256x256/apps/kethmor-planner.png scalable/apps/kethmor-planner.svg; do
  [ -s "$root/usr/share/icons/hicolor/$icon" ] || { echo "missing icon $icon"; exit 1; }
done
# Started as the desktop entry starts it, a file argument included.
start_xvfb
start_planner "$root/usr/games/kethmor-planner" "$work/no-such-sheet.txt"
xprop -id "$win" _NET_WM_ICON | grep 'Icon (48 x 48)' >/dev/null || { echo "the window has no icon"; exit 1; }
echo "the packaged planner started with its icon"
