# Steps shared by the tests that drive the real window under their own Xvfb.
# Sourced; sets $xvfb, $app, $win, $ox, $oy; the caller's EXIT trap kills ${app:-} ${xvfb:-}.
start_xvfb() {  # a private X server on a free display number; exports DISPLAY
  local fifo n
  fifo=$(mktemp -u) && mkfifo "$fifo"
  # -noreset: a planner started right after the last one closed must not meet a server resetting.
  Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb=$!
  read -r -t 10 n <"$fifo" || true
  rm -f "$fifo"
  [ -n "$n" ] || { echo "Xvfb did not start"; return 1; }
  export DISPLAY=:$n
}
find_window() {  # prints the id of the visible window titled $1, waiting up to 10 s
  timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .
}
start_planner() {  # runs "$@" and waits for its window; its client area's origin in $ox $oy
  QT_QPA_PLATFORM=xcb "$@" >/dev/null 2>&1 &
  app=$!
  win=$(find_window "Kethmor Character Planner") || { echo "the window did not open"; return 1; }
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$win")"
  ox=$X oy=$Y
}
ended() { timeout 5 tail -s 0.1 --pid="$app" -f /dev/null && app=""; }  # waits up to 5 s for the planner's end
key() { xdotool key --delay 40 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 15 "$1"; sleep 0.2; }
save_through_dialog() {  # types $1 without its ".txt" (the default suffix) into the open save dialog
  local dialog
  dialog=$(find_window "Save character sheet") || { echo "the save dialog did not open"; return 1; }
  sleep 0.5
  [ -n "${point_at_dialog:-}" ] && eval "$(xdotool getwindowgeometry --shell "$dialog")" &&
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  sleep 0.3
  type_text "${1%.txt}"
  key Return
  for _ in $(seq 50); do [ -s "$1" ] && break; sleep 0.1; done
  sleep 0.3
}
