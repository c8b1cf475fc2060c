#!/bin/bash
# The mouse session of session_test.sh again, with the keyboard alone: Tab
# and Shift+Tab between the controls, arrows and Enter in the lists, Space on
# the buttons, and the save dialog typed into. Its saved sheet must be the
# mouse session's, byte for byte.
#
# Usage: keyboard_test.sh planner expected-dir
set -euo pipefail
planner=$1 here=$2
work=$(mktemp -d)
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
. "$here/x_helpers.sh"

start_xvfb
start_planner "$planner"
xdotool windowfocus --sync "$win"
tabs() { key $(printf 'Tab %.0s' $(seq "$1")); }
backtabs() { key $(printf 'shift+Tab %.0s' $(seq "$1")); }

# The race list has the focus first.
key Home Return                                 # Dwarf
key Tab Home Down Return                        # Apprentice to a Shopkeeper
tabs 4; key Home Return                         # Spell_list: Unseen Force
backtabs 2; key space                           # Tech
key Tab Home Down Down                          # Explosives
key Tab Home Return                             # Bullets
key Tab; type_text "Kethmor Dwarf Adventurer X" # 22 of 26 kept
tabs 2; key space                               # hit points +
tabs 3; key space                               # Level-up
tabs 2; key space                               # Clear
backtabs 11; key space                          # Magick
tabs 3; key Home Return                         # Unseen Force again
tabs 9; type_text "Line one"; key Return; type_text "Line two"
key Tab space                                   # ST +
tabs 17; key space                              # Bow +
tabs 31; key space                              # SAVE
sheet="$work/sheet.txt"
save_through_dialog "$sheet"
same_sheet "$here/expected_session.txt" "$sheet"
echo "keyboard session saved and matched"
