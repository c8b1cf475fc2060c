#!/bin/bash
# The window as a screen reader sees it: under Xvfb, on a private D-Bus
# session with its own accessibility bus, lists the planner's accessible
# tree, finds a sample of controls by name, spends the 5 CPs on "Strength
# plus" and presses "Bow plus" through their accessible actions, and hears the
# message box announce "No CPs left" once. Skips (77) when the accessibility bus cannot run.
#
# Usage: atspi_test.sh planner here artefact-dir
set -euo pipefail
planner=$1 here=$2 artefacts=$3
launcher=/usr/libexec/at-spi-bus-launcher
for need in dbus-run-session "$launcher" Xvfb; do
  command -v "$need" >/dev/null || { echo "skipped: $need is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }
if [ -z "${KETHMOR_PRIVATE_BUS:-}" ]; then
  KETHMOR_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
trap 'kill ${app:-} ${bus:-} ${xvfb:-} 2>/dev/null || true' EXIT
. "$here/x_helpers.sh"
start_xvfb
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
for k in $(seq 51); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  [ "$k" = 51 ] && { echo "skipped: the accessibility bus did not start"; exit 77; }
  sleep 0.1
done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_planner "$planner"
mkdir -p "$artefacts"
/usr/bin/python3 - "$artefacts/atspi-tree.txt" <<'PY'
import sys, time
import pyatspi
from gi.repository import GLib

def planner():
    for _ in range(100):
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name == "kethmor-planner":
                return a
        time.sleep(0.1)
    sys.exit("the planner is not on the accessibility bus")

def walk(o):
    return [o] + [n for c in o for n in walk(c)]

def value(o):
    return o.queryText().getText(0, -1) if "Text" in pyatspi.utils.listInterfaces(o) else ""

def pump(seconds):
    end = time.time() + seconds
    while time.time() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)

def press(name, done):  # an accessible press is an animated click: wait for its effect
    named[name].queryAction().doAction(0)
    end = time.time() + 5
    while not done() and time.time() < end:
        pump(0.05)

nodes = walk(planner())
named = {n.name: n for n in nodes}
with open(sys.argv[1], "w") as f:
    for n in nodes:
        print(f"{n.getRoleName()} | {n.name} | {n.description} | {value(n)}", file=f)
fails = [w for w in ("Strength, base", "Strength, adjusted", "Strength plus", "Bow", "Bow minus", "Race Selection",
                     "Spells", "Name", "Messages", "SAVE") if w not in named]
said = []
pyatspi.Registry.registerEventListener(
    lambda e: said.append(e.any_data) if e.source.name == "Messages" else None, "object:text-changed:insert")
cps = named["Character points remaining"]
for _ in range(5):
    before = value(cps)
    press("Strength plus", lambda: value(cps) != before)
press("Bow plus", lambda: said)
pump(0.5)
for w in ("Strength, base", "Bow plus", "Race Selection", "Character points remaining", "Messages"):
    n = named[w]
    print(f"heard: {n.name}, {n.getRoleName()}, {value(n) or n.description}")
# The new message is announced once: the box's own text event, no echo.
if value(named["Messages"]) != "No CPs left" or said.count("No CPs left") != 1:
    fails.append(f"message box: {value(named['Messages'])!r}, announced {said!r}")
if fails:
    sys.exit(f"not found or wrong: {fails}")
print(f"{len(nodes)} accessible objects; the refused purchase was announced")
PY
