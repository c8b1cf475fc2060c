#!/bin/bash
# Installs what is missing, builds the planner and opens it; with --web,
# builds the web page and opens it in the desktop's browser (or, with no
# desktop, prints where it is).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
if [ "${1:-}" = --web ]; then
  emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DKETHMOR_WERROR=ON >/dev/null
  cmake --build build-web --target web_page
  page=$PWD/build-web/kethmor-planner.html
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null; then
    xdg-open "$page" >/dev/null 2>&1 || echo "$page"
  else
    echo "$page"
  fi
  exit 0
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKETHMOR_WERROR=ON >/dev/null
cmake --build build --target kethmor-planner
exec build/kethmor-planner "$@"
