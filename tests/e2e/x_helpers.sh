# Steps shared by the tests that drive the real window under their own Xvfb.
# Sourced; sets $xvfb, $app, $win; the caller's EXIT trap kills ${app:-} ${xvfb:-}.
start_xvfb() {  # a private X server on a free display number; exports DISPLAY
  # -noreset: a planner started right after the last one closed must not meet a server resetting.
  coproc XVFB { exec Xvfb -displayfd 1 -noreset -screen 0 "${1:-1024x768x24}" -nolisten tcp 2>/dev/null; }
  xvfb=$XVFB_PID
  read -r -t 10 n <&"${XVFB[0]}" || { echo "Xvfb did not start"; return 1; }
  export DISPLAY=:$n
}
# Prints the id of the visible window titled $1, waiting up to 10 s.
find_window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; }
start_planner() {  # runs "$@" and waits for its window to settle
  QT_QPA_PLATFORM=xcb "$@" >/dev/null 2>&1 & app=$!
  win=$(find_window "Kethmor Character Planner") || { echo "the window did not open"; return 1; }
  sleep 0.5
}
ended() { timeout 5 tail -s 0.1 --pid="$app" -f /dev/null && app=""; }  # waits up to 5 s for the planner's end
key() { xdotool key --delay 40 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 15 "$1"; sleep 0.2; }
save_through_dialog() {  # types $1 without its ".txt" (the default suffix) into the open save dialog
  dialog=$(find_window "Save character sheet") || { echo "the save dialog did not open"; return 1; }
  sleep 0.5
  [ -z "${point_at_dialog:-}" ] || xdotool mousemove --window "$dialog" 100 100
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  sleep 0.3
  type_text "${1%.txt}"
  key Return
  timeout 5 sh -c 'until [ -s "$0" ]; do sleep 0.1; done; sleep 0.3' "$1" || true
}
