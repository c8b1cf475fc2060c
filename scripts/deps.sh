#!/bin/bash
# Installs the Debian packages the planner needs to build, run and test,
# when any is missing. Safe to run again: it does nothing when all are there.
set -euo pipefail
packages=(qt6-base-dev qt6-qpa-plugins libgtest-dev cmake ninja-build g++ fonts-wine
          xvfb xdotool imagemagick x11-utils libbenchmark-dev locales python3-fonttools
          dpkg-dev lintian desktop-file-utils appstream at-spi2-core dbus python3-pyatspi
          poppler-utils emscripten chromium firefox-esr python3-brotli webp)
# The web page's tests run on Node.js; any Node.js of 18 or later will do.
command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
if [ ${#missing[@]} -ne 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The tests run the model and a session under a comma-decimal locale, and
# the sorted list under one whose case folding differs.
for l in de_DE tr_TR; do
  if ! locale -a 2>/dev/null | grep -qx "$l.utf8"; then
    echo "generating $l.UTF-8"
    $sudo localedef -i "$l" -f UTF-8 "$l.UTF-8"
  fi
done
# The page's linter and the browser drivers of its tests (Chromium's, Firefox's), pinned in package-lock.json.
top=$(dirname "$0")/..
if ! [ "$top/node_modules/.installed" -nt "$top/package-lock.json" ]; then
  echo "installing the page's tools (npm ci)"
  (cd "$top" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error && touch node_modules/.installed)
fi
