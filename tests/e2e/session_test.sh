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
. "$here/x_helpers.sh"

QT_QPA_PLATFORM=offscreen "$probe" > "$work/layout" 2>/dev/null

start_xvfb
# Without a window manager the keyboard goes where the pointer is.
export XDG_STATE_HOME=$work/state
last=$work/state/kethmor-planner/last-session.txt
# KETHMOR_LOCALE (de_DE.UTF-8, say) starts the planner as a desktop of that
# locale would; the sheet must not change.
start() { start_planner ${KETHMOR_LOCALE:+env LANG=$KETHMOR_LOCALE LC_ALL=$KETHMOR_LOCALE} "$planner" "$@"; }
start

centre() {  # prints the screen point at the centre of a control or list row
  awk -v n="$1" -v ox="$ox" -v oy="$oy" '$1 == n { printf "%d %d", ox + $2 + int($4 / 2), oy + $3 + int($5 / 2) }' "$work/layout"
}
click() { xdotool mousemove $(centre "$1") sleep 0.1 click 1 sleep 0.25; }
dclick() { xdotool mousemove $(centre "$1") sleep 0.1 click --repeat 2 --delay 60 1 sleep 0.3; }

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
point_at_dialog=1 save_through_dialog "$sheet"
import -window root "$artefacts/e2e-session.png" 2>/dev/null || true

same_sheet "$here/expected_session.txt" "$sheet"

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
