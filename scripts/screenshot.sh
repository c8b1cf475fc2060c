#!/bin/bash
# Takes a screenshot of the planner's window under a private Xvfb display.
# Usage: scripts/screenshot.sh [build-dir] [output.png]
set -euo pipefail
build=${1:-build}
out=${2:-docs/window.png}
mkdir -p "$(dirname "$out")"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/kethmor-planner" &
app=$!
for _ in $(seq 50); do
  if DISPLAY=$display xdotool search --name "Kethmor Character Planner" >/dev/null 2>&1; then break; fi
  sleep 0.2
done
sleep 1
win=$(DISPLAY=$display xdotool search --name "Kethmor Character Planner" | head -1)
DISPLAY=$display import -window "$win" "$out"
echo "$out"
