#!/usr/bin/env python3
"""Every source file includes only its own layer and those below it:
rules, catalogues, model, sheet, window, session, then the two faces (ui,
web), which never include each other."""
import pathlib
import re
import sys

ORDER = ['rules', 'catalogues', 'model', 'sheet', 'window', 'session']
FACES = ['ui', 'web']
src = pathlib.Path(sys.argv[1])
faults = []
for path in sorted(src.rglob('*')):
    if path.suffix not in ('.h', '.cpp', '.def', '.in'):
        continue
    layer = path.relative_to(src).parts[0]
    rank = ORDER.index(layer) if layer in ORDER else len(ORDER)
    for line_no, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        m = re.match(r'\s*#\s*include\s+"([^/"]+)/', line)
        if not m:
            continue
        used = m.group(1)
        if used in ORDER and ORDER.index(used) <= rank:
            continue
        if used == layer:
            continue
        faults.append(f'{path}:{line_no}: the {layer} layer includes {used}')
print('\n'.join(faults) or 'every include goes down the layers')
sys.exit(1 if faults else 0)
