#!/bin/bash
# The real window under Xvfb at display scales 1, 1.5 (set per screen) and 2:
# in its X screenshots every caption must have grown by the factor and every
# button face must show exactly its colour (fonts_tests measures them).
# Usage: scale_test.sh planner fonts_tests artefact-dir
set -euo pipefail
planner=$1 check=$2 artefacts=$3 shots=""
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null || true' EXIT
. "$(dirname "$0")/x_helpers.sh"
mkdir -p "$artefacts" && start_xvfb 1700x1250x24
for setting in QT_SCALE_FACTOR=1 QT_SCREEN_SCALE_FACTORS=1.5 QT_SCALE_FACTOR=2; do
  start_planner env "$setting" "$planner" || { echo "at $setting"; exit 1; }
  shot=$artefacts/scale-${setting#*=}.png next=$artefacts/scale-next.png
  for _ in $(seq 20); do  # until two shots agree: the window has finished painting
    import -window "$win" -define png:exclude-chunks=date,time "$next"
    cmp -s "$next" "$shot" && break || mv "$next" "$shot"
    sleep 0.3
  done
  rm -f "$next"; shots+="${setting#*=}=$shot "
  kill "$app"; wait "$app" 2>/dev/null || true
done
KETHMOR_SHOTS=$shots QT_QPA_PLATFORM=offscreen "$check" captionsFacesAndBoldGrowWithTheScale
