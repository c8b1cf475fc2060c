#!/bin/bash
# A whole session in the real window under Xvfb by X input, the mouse at layout_probe's centres or, given
# "keys", the keyboard alone: name and background typed past their limits, race, background, statistics, hit
# points, a skill, a spell and a schematic bought, a level-up, Clear, and a save through the real dialog matching
# the expected sheet byte for byte. Quit must then keep it as the last session; the command line opens it again.
# At scale 1.75 the window must fit the 1280x1024 screen, and SIGTERM keep its sheet as the last session.
# Usage: [KETHMOR_LOCALE=locale] session_test.sh planner layout_probe expected-dir artefact-dir [keys]
set -euo pipefail
planner=$1 probe=$2 here=$3 artefacts=$4 mode=${5:-mouse} want=$3/expected_session.txt work=$(mktemp -d)
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
. "$here/x_helpers.sh"
mkdir -p "$artefacts" && QT_QPA_PLATFORM=offscreen "$probe" > "$work/layout" 2>/dev/null
start_xvfb 1280x1024x24
export XDG_STATE_HOME=$work/state
last=$work/state/kethmor-planner/last-session.txt sheet=$work/sheet.txt
# KETHMOR_LOCALE starts the planner as a desktop of that locale would; the sheet must not change.
start() { start_planner ${KETHMOR_LOCALE:+env LANG=$KETHMOR_LOCALE LC_ALL=$KETHMOR_LOCALE} "$planner" "$@"; }
click() {  # a control or list row by name; "click name 2", a double click. The keyboard goes where the pointer is.
  xdotool mousemove --window "$win" $(awk -v n="$1" '$1 == n { print $2, $3 }' "$work/layout") sleep 0.1 \
    click --repeat "${2:-1}" --delay 60 1 sleep 0.3
}
# With the keys alone: Tab or Shift+Tab from the focused control to the named one, counted along the
# window's own Tab chain without the controls hidden at the moment ($hidden).
focused=Race_Selection hidden="Tech_list Schematic_list"
tab_to() {
  local from to n
  read -r from to < <(awk -v a="$focused" -v b="$1" -v h=" $hidden " '$1 == "tab" && index(h, " " $2 " ") == 0 {
    n++; if ($2 == a) i = n; if ($2 == b) j = n } END { print i + 0, j + 0 }' "$work/layout")
  [ "$from" -gt 0 ] && [ "$to" -gt 0 ] || { echo "Tab cannot reach $1 from $focused"; exit 1; }
  n=$((to - from)); focused=$1
  if [ $n -gt 0 ]; then key $(printf "Tab %.0s" $(seq $n)); elif [ $n -lt 0 ]; then key $(printf "shift+Tab %.0s" $(seq $((-n)))); fi
}
press() { tab_to "$1"; key space; }
start
if [ "$mode" = keys ]; then
  xdotool windowfocus --sync "$win"             # the race list has the focus first
  key Home Return                               # Dwarf
  tab_to Background_Selection; key Home Down Return  # Apprentice to a Shopkeeper
  tab_to Spell_list; key Home Return            # Unseen Force
  press Tech_select; hidden="Magick_list Spell_list"
  tab_to Tech_list; key Home Down Down          # Explosives
  tab_to Schematic_list; key Home Return        # Bullets
  tab_to PCname; type_text "Kethmor Dwarf Adventurer X"
  press Hitpoints_plus; press levelup; press Clear
  press Magick_select; hidden="Tech_list Schematic_list"
  tab_to Spell_list; key Home Return            # Unseen Force again
  tab_to alternativebackground; type_text "Line one"; key Return; type_text "Line two"
  press ST_plus; press bow_plus
  press SAVE; save_through_dialog "$sheet"
else
  click PCname; type_text "Kethmor Dwarf Adventurer X"  # 26 characters: 22 are kept
  click alternativebackground; type_text "Line one"; key Return; type_text "Line two"
  click "Race_Selection#5"; key Home; key Return  # opens on Human/male; Home moves to the dwarf
  click "Background_Selection#1" 2              # not selected before: the first press selects it
  click ST_plus; click Hitpoints_plus; click bow_plus
  click "Spell_list#0" 2                        # Unseen Force
  click Tech_select; click "Magick_list#2"      # the rectangle now holds the tech list: Explosives
  click "Spell_list#0" 2                        # the schematic list's first row: Bullets
  click levelup; click Clear; click Magick_select
  click "Spell_list#0" 2                        # Unseen Force again
  click SAVE; point_at_dialog=1 save_through_dialog "$sheet"
fi
import -window root "$artefacts/e2e-session-$mode.png" 2>/dev/null || true
cmp "$want" "$sheet" || { diff <(od -c "$want") <(od -c "$sheet") | head -40; exit 1; }
[ "$mode" = keys ] && { echo "keyboard session saved and matched"; exit 0; }
for opened in "" "$sheet"; do                   # the second time, the sheet named on the command line
  [ -z "$opened" ] || { rm "$last"; start "$opened"; }
  click Quit
  ended || { echo "Quit did not end the program"; exit 1; }
  cmp "$sheet" "$last" || { echo "Quit did not keep the ${opened:+opened }sheet as the last session"; exit 1; }
done
QT_SCALE_FACTOR=1.75 start                     # too big for the screen at this scale: it must fit and scroll,
xdotool windowfocus --sync "$win"; key Home Down Return  # and SIGTERM (a logout) keep the elf as the last session
eval "$(xdotool getwindowgeometry --shell "$win")"; import -window root "$artefacts/e2e-fit-1.75.png" 2>/dev/null || true
kill -TERM "$app"; ended && grep -q "^Race:  Elf/female" "$last" && [ "$WIDTH" -le 1280 ] && [ "$HEIGHT" -le 1024 ] ||
  { echo "at 1.75 the window is ${WIDTH}x$HEIGHT; after SIGTERM the last session holds: $(head -2 "$last")"; exit 1; }
echo "session saved and matched, opened again from the command line, kept on SIGTERM"
