#!/bin/bash
# The window as a screen reader sees it on a private D-Bus session and accessibility bus (the tree is kept
# among the artefacts): controls found by name, the 5 CPs spent on "Strength plus" and "Bow plus" pressed by
# accessible actions, "No CPs left" announced once. Skips (77) when the bus cannot run.
# Usage: atspi_test.sh planner here artefact-dir
set -euo pipefail
planner=$1 here=$2 artefacts=$3 launcher=/usr/libexec/at-spi-bus-launcher
skip() { echo "skipped: $1"; exit 77; }
for need in dbus-run-session gdbus "$launcher" Xvfb; do command -v "$need" >/dev/null || skip "$need is missing"; done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is missing"
[ -n "${KETHMOR_PRIVATE_BUS:-}" ] || KETHMOR_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
trap 'kill ${app:-} ${bus:-} ${xvfb:-} 2>/dev/null || true' EXIT
. "$here/x_helpers.sh"
start_xvfb && mkdir -p "$artefacts"
"$launcher" --launch-immediately >/dev/null 2>&1 & bus=$!
gdbus wait --session --timeout 5 org.a11y.Bus || skip "the accessibility bus did not start"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_planner "$planner"
/usr/bin/python3 - "$artefacts/atspi-tree.txt" <<'PY'
import sys, time, pyatspi
from gi.repository import GLib

def wait(done, seconds=5):
    end = time.time() + seconds
    while not done() and time.time() < end:
        GLib.MainContext.default().iteration(False) or time.sleep(0.01)  # rest only when nothing came
    return done()
def walk(o):
    return [o] + [n for c in o for n in walk(c)]
def value(o):
    return o.queryText().getText(0, -1) if "Text" in pyatspi.utils.listInterfaces(o) else ""
app = lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "kethmor-planner"), None)
if not wait(app, 10):
    sys.exit("the planner is not on the accessibility bus")
nodes = walk(app())
named = {n.name: n for n in nodes}
open(sys.argv[1], "w").writelines(f"{n.getRoleName()} | {n.name} | {n.description} | {value(n)}\n" for n in nodes)
wanted = {"Strength, base", "Strength, adjusted", "Strength plus", "Bow", "Bow minus", "Bow plus", "Race Selection",
          "Spells", "Name", "Messages", "SAVE", "Character points remaining"}
if missing := wanted - named.keys():
    sys.exit(f"not found: {sorted(missing)}")
said, cps, refused = [], named["Character points remaining"], ("Messages", "No CPs left")
pyatspi.Registry.registerEventListener(lambda e: said.append((e.source.name, e.any_data)), "object:text-changed:insert")
for name in ["Strength plus"] * 5 + ["Bow plus"]:  # an accessible press is an animated click: wait for its effect
    before = value(cps)
    named[name].queryAction().doAction(0)
    wait(lambda: refused in said if name == "Bow plus" else value(cps) != before)
wait(lambda: False, 0.5)  # time for any echo: the box's own text event must be the only one
if value(named["Messages"]) != "No CPs left" or said.count(refused) != 1:
    sys.exit(f"message box: {value(named['Messages'])!r}, announced {said!r}")
print(f"{len(nodes)} accessible objects; the refused purchase was announced")
PY
