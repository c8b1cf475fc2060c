#!/bin/bash
# The window as a screen reader sees it (the tree is kept among the artefacts),
# on a private D-Bus session and accessibility bus: controls found by name, the
# 5 CPs spent on "Strength plus" and "Bow plus" pressed by accessible actions,
# "No CPs left" announced once. Skips (77) when the bus cannot run.
# Usage: atspi_test.sh planner here artefact-dir
set -euo pipefail
planner=$1 here=$2 artefacts=$3
launcher=/usr/libexec/at-spi-bus-launcher
for need in dbus-run-session "$launcher" Xvfb; do
  command -v "$need" >/dev/null || { echo "skipped: $need is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }
[ -n "${KETHMOR_PRIVATE_BUS:-}" ] || KETHMOR_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
trap 'kill ${app:-} ${bus:-} ${xvfb:-} 2>/dev/null || true' EXIT
. "$here/x_helpers.sh"
start_xvfb
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
timeout 5 sh -c 'until dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress; do
  sleep 0.1; done' >/dev/null 2>&1 || { echo "skipped: the accessibility bus did not start"; exit 77; }
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_planner "$planner"
mkdir -p "$artefacts"
/usr/bin/python3 - "$artefacts/atspi-tree.txt" <<'PY'
import sys, time
import pyatspi
from gi.repository import GLib

def wait(done, seconds=5):
    end = time.time() + seconds
    while not done() and time.time() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)
    return done()
def planner():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "kethmor-planner"), None)
def walk(o):
    return [o] + [n for c in o for n in walk(c)]
def value(o):
    return o.queryText().getText(0, -1) if "Text" in pyatspi.utils.listInterfaces(o) else ""
def press(name, done):  # an accessible press is an animated click: wait for its effect
    named[name].queryAction().doAction(0)
    wait(done)

if not wait(planner, 10):
    sys.exit("the planner is not on the accessibility bus")
nodes = walk(planner())
named = {n.name: n for n in nodes}
with open(sys.argv[1], "w") as f:
    f.writelines(f"{n.getRoleName()} | {n.name} | {n.description} | {value(n)}\n" for n in nodes)
fails = [w for w in ("Strength, base", "Strength, adjusted", "Strength plus", "Bow", "Bow minus", "Bow plus",
                     "Race Selection", "Spells", "Name", "Messages", "SAVE", "Character points remaining")
         if w not in named]
if fails:
    sys.exit(f"not found: {fails}")
said = []
pyatspi.Registry.registerEventListener(
    lambda e: said.append(e.any_data) if e.source.name == "Messages" else None, "object:text-changed:insert")
cps = named["Character points remaining"]
for _ in range(5):
    before = value(cps)
    press("Strength plus", lambda: value(cps) != before)
press("Bow plus", lambda: said)
wait(lambda: False, 0.5)  # time for any echo: the box's own text event must be the only one
if value(named["Messages"]) != "No CPs left" or said.count("No CPs left") != 1:
    sys.exit(f"message box: {value(named['Messages'])!r}, announced {said!r}")
print(f"{len(nodes)} accessible objects; the refused purchase was announced")
PY
