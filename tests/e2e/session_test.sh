#!/bin/bash
# A whole session in the real window under Xvfb, driven by real X input at
# the control positions: name and background typed (past their limits), a
# race chosen with Enter and a background by double click, statistics, hit
# points, a skill, a spell and a schematic bought (switching with "Tech" and
# "Magick", clicking the hidden list's rectangle), a level-up, Clear, and a
# save through the real dialog. The saved sheet must match the expected one
# byte for byte and be kept as the last session on Quit, and the sheet named
# on the command line must open; a screenshot is kept among the artefacts.
#
# Usage: [KETHMOR_LOCALE=locale] session_test.sh planner layout_probe expected-dir artefact-dir
set -euo pipefail
planner=$1 probe=$2 here=$3 artefacts=$4
mkdir -p "$artefacts"
work=$(mktemp -d)
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT

QT_QPA_PLATFORM=offscreen "$probe" > "$work/layout" 2>/dev/null

display=:$((200 + $$ % 300))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# Without a window manager the keyboard goes where the pointer is.
export QT_QPA_PLATFORM=xcb XDG_STATE_HOME=$work/state
# KETHMOR_LOCALE (de_DE.UTF-8, say) starts the planner as a desktop of that
# locale would; the sheet must not change.
last=$work/state/kethmor-planner/last-session.txt
find_window() {  # prints the visible window of that name, waiting up to 10 s
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
start() {  # starts the planner with the given arguments and waits for its window
  ${KETHMOR_LOCALE:+env LANG=$KETHMOR_LOCALE LC_ALL=$KETHMOR_LOCALE} "$planner" "$@" >/dev/null 2>&1 &
  app=$!
  win=$(find_window "Kethmor Character Planner")
  [ -n "$win" ] || { echo "the window did not open"; exit 1; }
  sleep 0.5
}
start
eval "$(xdotool getwindowgeometry --shell "$win")"
ox=$X oy=$Y

centre() {  # prints the screen point at the centre of a control or list row
  awk -v n="$1" -v ox="$ox" -v oy="$oy" '$1 == n { printf "%d %d", ox + $2 + int($4 / 2), oy + $3 + int($5 / 2) }' "$work/layout"
}
click() { xdotool mousemove $(centre "$1") sleep 0.1 click 1 sleep 0.25; }
dclick() { xdotool mousemove $(centre "$1") sleep 0.1 click --repeat 2 --delay 60 1 sleep 0.3; }
key() { xdotool key "$@"; sleep 0.2; }
type_text() { xdotool type --delay 15 "$1"; sleep 0.2; }

click PCname
type_text "Kethmor Dwarf Adventurer X"          # 26 characters: 22 are kept
click alternativebackground
type_text "Line one"; key Return; type_text "Line two"

# The race list opens on Human/male; Home moves to the dwarf, Enter applies it.
click "Race_Selection#5"
key Home
key Return
# A double click on an entry not selected before: its first press selects it.
dclick "Background_Selection#1"                 # Apprentice to a Shopkeeper

click ST_plus
click Hitpoints_plus
click bow_plus
dclick "Spell_list#0"                           # Unseen Force
click Tech_select
click "Magick_list#2"                           # the rectangle now holds the tech list: Explosives
dclick "Spell_list#0"                           # the schematic list's first row: Bullets
click levelup
click Clear
click Magick_select
dclick "Spell_list#0"                           # Unseen Force again

sheet="$work/sheet.txt"
click SAVE
dialog=$(find_window "Save character sheet")
[ -n "$dialog" ] || { echo "the save dialog did not open"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
sleep 0.3
type_text "${sheet%.txt}"                       # the default suffix adds ".txt"
key Return
for _ in $(seq 50); do [ -s "$sheet" ] && break; sleep 0.1; done
sleep 0.3
import -window root "$artefacts/e2e-session.png" 2>/dev/null || true

if ! cmp "$here/expected_session.txt" "$sheet"; then
  diff <(od -c "$here/expected_session.txt") <(od -c "$sheet") | head -40 || true
  exit 1
fi

# Quit ends the program.
click Quit
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "Quit did not end the program"; exit 1; fi
app=""
cmp "$sheet" "$last" || { echo "closing did not keep the last session"; exit 1; }

# The command line opens a sheet; Quit keeps it again as the last session.
rm "$last"
start "$sheet"
click Quit
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
app=""
cmp "$sheet" "$last" || { echo "the sheet named on the command line did not open"; exit 1; }
echo "session saved and matched, opened again from the command line"
