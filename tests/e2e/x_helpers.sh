# Steps shared by the tests that drive the real window under their own Xvfb.
# Sourced; sets $xvfb, $app, $win, $ox, $oy; the caller's EXIT trap kills
# ${app:-} ${xvfb:-}.

start_xvfb() {  # a private X server on a display number it finds free; exports DISPLAY
  local fifo n
  fifo=$(mktemp -u) && mkfifo "$fifo"
  # -noreset: a planner started right after the last one closed must not meet
  # a server in the middle of its reset.
  Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb=$!
  read -r -t 10 n <"$fifo" || true
  rm -f "$fifo"
  [ -n "$n" ] || { echo "Xvfb did not start"; return 1; }
  export DISPLAY=:$n
}

find_window() {  # prints the id of the visible window titled $1, waiting up to 10 s
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

start_planner() {  # runs "$@" and waits for its window; its client area's origin in $ox $oy
  QT_QPA_PLATFORM=xcb "$@" >/dev/null 2>&1 &
  app=$!
  win=$(find_window "Kethmor Character Planner") || { echo "the window did not open"; return 1; }
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$win")"
  ox=$X oy=$Y
}

key() { xdotool key --delay 40 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 15 "$1"; sleep 0.2; }

save_through_dialog() {  # types $1 without its ".txt" into the open save dialog
  local dialog
  dialog=$(find_window "Save character sheet") || { echo "the save dialog did not open"; return 1; }
  sleep 0.5
  [ -n "${point_at_dialog:-}" ] && eval "$(xdotool getwindowgeometry --shell "$dialog")" &&
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  sleep 0.3
  type_text "${1%.txt}"  # the default suffix adds ".txt"
  key Return
  for _ in $(seq 50); do [ -s "$1" ] && break; sleep 0.1; done
  sleep 0.3
}

same_sheet() {  # compares the saved sheet $2 with the expected $1 byte for byte
  cmp "$1" "$2" && return 0
  diff <(od -c "$1") <(od -c "$2") | head -40 || true
  return 1
}
