#!/bin/bash
# Builds the Debian package and checks its fields, lintian (no errors or warnings), licence, desktop entry,
# metainfo, icons; the unpacked planner must start under Xvfb with its icon. Usage: package_test.sh build e2e artefacts
set -euo pipefail
build=$1 here=$2 artefacts=$3 work=$(mktemp -d)
root=$work/root icons=$work/root/usr/share/icons/hicolor
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
. "$here/x_helpers.sh"
mkdir -p "$artefacts" && cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/kethmor-planner_*_amd64.deb)
cp "$deb" "$artefacts/"
fields=$(dpkg-deb -f "$deb" Package Version Section Maintainer Depends Recommends | tee /dev/stderr)
[ "$(grep -cE '^(Section: games|Depends: qt6-qpa-plugins, .*libqt6widgets6)' <<<"$fields")/$(grep -c ^Recommends <<<"$fields")" = 2/0 ]
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || { echo "lintian reports errors or warnings"; exit 1; }
dpkg -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
grep -qx 'License: GPL-3+' "$root"/usr/share/doc/kethmor-planner/copyright \
  && grep -q '>GPL-3.0-or-later<' "$root"/usr/share/metainfo/*.metainfo.xml || { echo "no licence found"; exit 1; }
grep -q '^Exec=kethmor-planner %f$' "$root"/usr/share/applications/*.desktop
test -s "$icons/48x48/apps/kethmor-planner.png" -a -s "$icons/256x256/apps/kethmor-planner.png" \
  -a -s "$icons/scalable/apps/kethmor-planner.svg" || { echo "an icon is missing"; exit 1; }
# The command line: --help and --version need no display; an unknown option fails with a usage line.
planner=$root/usr/games/kethmor-planner
grep -q '^Usage: .*kethmor-planner \[options\] \[file|code\]$' <<<"$(env -u DISPLAY QT_QPA_PLATFORM= "$planner" --help)"
[ "$(env -u DISPLAY "$planner" --version)" = "kethmor-planner $(dpkg-deb -f "$deb" Version)" ]
if env -u DISPLAY "$planner" --no-such-option 2>"$work/usage"; then exit 1; fi
grep -q '^Usage: ' "$work/usage"
# Started as the desktop entry starts it, a file argument included.
start_xvfb
start_planner "$planner" "$work/no-such-sheet.txt"
xprop -id "$win" _NET_WM_ICON | grep 'Icon (48 x 48)' >/dev/null || { echo "the window has no icon"; exit 1; }
echo "the packaged planner started with its icon"
