#!/usr/bin/env python3
"""Makes the web page: one self-contained HTML file holding the page's style
and script, the WebAssembly model (emscripten's script and its module), the
window's fonts as WOFF2 web fonts and the background picture as a WebP. The page's
ES modules are joined into its one inline module script: each module after
those it imports, without its import lines and export keywords, in one
module scope with emscripten's factory, so that the page defines no global
and opens from its file.

Usage: make_web_page.py --out PAGE --wasm-script JS --background BMP --fonts DIR
                        --early early.js --icon SVG --version VERSION page.html page.css module.js...
"""
import argparse
import base64
import gzip
import io
import json
import math
import os
import re
import struct
import subprocess
import sys
import tempfile

from fontTools.ttLib import TTFont

LIMIT = 400 * 1024  # the page stays within 400 KiB


def rgb_from_bmp(path):
    """An 8-bit palette BMP (bottom-up, uncompressed): its width, height and
    its pixels' RGB bytes, top row first."""
    data = open(path, 'rb').read()
    offset, = struct.unpack_from('<I', data, 10)
    header, width, height, _, bits, compression, _, _, _, colours, _ = struct.unpack_from('<IiiHHIIiiII', data, 14)
    if bits != 8 or compression != 0:
        sys.exit(f'{path}: not an uncompressed 8-bit BMP')
    table = data[14 + header:14 + header + 4 * (colours or 256)]
    colour = [table[i + 2:i + 3] + table[i + 1:i + 2] + table[i:i + 1] for i in range(0, len(table), 4)]
    stride = (width + 3) & ~3
    rows = [data[offset + y * stride:offset + y * stride + width] for y in range(abs(height))]
    if height > 0:
        rows.reverse()
    return width, abs(height), b''.join(colour[p] for row in rows for p in row)


def webp_from_bmp(path, quality=90, least_psnr=45.0):
    """The BMP as a lossy WebP (cwebp), a small fraction of its size, checked
    to be indistinguishable from it: decoded again (dwebp), its peak signal
    to noise ratio against the BMP's pixels is at least `least_psnr` dB."""
    width, height, rgb = rgb_from_bmp(path)
    with tempfile.TemporaryDirectory() as folder:
        ppm, webp, back = (os.path.join(folder, name) for name in ('in.ppm', 'out.webp', 'back.ppm'))
        with open(ppm, 'wb') as out:
            out.write(b'P6\n%d %d\n255\n' % (width, height) + rgb)
        subprocess.run(['cwebp', '-quiet', '-q', str(quality), '-m', '6', ppm, '-o', webp], check=True)
        subprocess.run(['dwebp', '-quiet', webp, '-ppm', '-o', back], check=True)
        decoded = open(back, 'rb').read()[-len(rgb):]
        picture = open(webp, 'rb').read()
    squared = sum((a - b) ** 2 for a, b in zip(rgb, decoded)) / len(rgb)
    psnr = 10 * math.log10(255 ** 2 / squared) if squared else math.inf
    if psnr < least_psnr:
        sys.exit(f'{path}: as WebP {psnr:.1f} dB from the picture, less than {least_psnr}')
    return picture


def woff2(path):
    """A font file as WOFF2 (fontTools, with Brotli): the same outlines, a fraction of the bytes."""
    font = TTFont(path)
    font.flavor = 'woff2'
    out = io.BytesIO()
    font.save(out)
    return out.getvalue()


def data_url(kind, data):
    return f'data:{kind};base64,' + base64.b64encode(data).decode('ascii')


IMPORT = re.compile(r"import \{[\w\s,]+\} from '\./([\w.-]+\.js)';")
EXPORT = re.compile(r'export (?=(async )?(function|class|const) )')
DECLARED = re.compile(r'(?:async )?(?:function\*?|class|const|let|var) (\w+)')


def bundle(paths, defined):
    """The modules as one module's text, each after those it imports.
    `defined`: names the text before them declares."""
    modules = {os.path.basename(p): open(p, encoding='utf-8').read().splitlines() for p in paths}
    order = []

    def visit(name, path=()):
        if name in path:
            sys.exit(f'{name}: imports itself through {" -> ".join(path)}')
        if name in order:
            return
        if name not in modules:
            sys.exit(f"{path[-1]}: imports {name}, which is not one of the page's modules")
        for line in modules[name]:
            found = IMPORT.fullmatch(line)
            if found:
                visit(found.group(1), path + (name,))
            elif line.startswith(('import', 'export')) and not EXPORT.match(line):
                sys.exit(f'{name}: "{line}" is not an import or export the page maker joins')
        order.append(name)

    for name in modules:
        visit(name)
    text = []
    for name in order:
        for line in modules[name]:
            if IMPORT.fullmatch(line):
                continue
            line = EXPORT.sub('', line)
            # One scope: a top-level name declared twice would stop the page.
            declared = DECLARED.match(line)
            if declared:
                if declared.group(1) in defined:
                    sys.exit(f"{name}: {declared.group(1)} is declared twice in the page's module")
                defined.add(declared.group(1))
            text.append(line)
    return '\n'.join(text)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--out', required=True)
    parser.add_argument('--wasm-script', required=True)
    parser.add_argument('--background', required=True)
    parser.add_argument('--fonts', required=True)
    parser.add_argument('--early', required=True)
    parser.add_argument('--icon', required=True)
    parser.add_argument('--version', required=True)
    parser.add_argument('parts', nargs='+')
    args = parser.parse_args()
    html = next(p for p in args.parts if p.endswith('.html'))
    css = ''.join(open(p, encoding='utf-8').read() for p in args.parts if p.endswith('.css'))
    # The WebAssembly beside emscripten's script, handed to it by the page,
    # gzipped (the same bytes each build): the browser inflates it as it compiles.
    wasm = gzip.compress(open(args.wasm_script[:-3] + '.wasm', 'rb').read(), 9, mtime=0)
    early = open(args.early, encoding='utf-8').read()
    if early.count("'WASM_BASE64'") != 1:
        sys.exit(f"{args.early}: 'WASM_BASE64' must stand once, where the WebAssembly's bytes go")
    early = early.replace("'WASM_BASE64'", "'" + base64.b64encode(wasm).decode('ascii') + "'")
    scripts = [open(args.wasm_script, encoding='utf-8').read(),
               bundle([p for p in args.parts if p.endswith('.js')], {'KethmorPlanner'})]
    # The fonts go to the early script, which adds them to the page from
    # their bytes: no fetch of a data: address, in before the window's text.
    faces = [[family, weight, base64.b64encode(woff2(f'{args.fonts}/{file}.ttf')).decode('ascii')]
             for family, file, weight in (('Kethmor Sans 8', 'sans8', 'normal'), ('Kethmor Sans 8', 'sans8-bold', 'bold'),
                                          ('Kethmor Sans 10', 'sans10', 'normal'), ('Kethmor Sans 10', 'sans10-bold', 'bold'))]
    if early.count('/*FONT_FACES*/[]') != 1:
        sys.exit(f"{args.early}: /*FONT_FACES*/[] must stand once, where the fonts go")
    early = early.replace('/*FONT_FACES*/[]', json.dumps(faces, separators=(',', ':')))
    css = css.replace('BACKGROUND_PICTURE', data_url('image/webp', webp_from_bmp(args.background)))
    script = '\n'.join(s.replace('</script', '<\\/script') for s in scripts)
    page = open(html, encoding='utf-8').read().replace('/*STYLE*/', css).replace('/*SCRIPT*/', script)
    page = page.replace('/*EARLY*/', early.replace('</script', '<\\/script'))
    icon = data_url('image/svg+xml', open(args.icon, 'rb').read())
    page = page.replace('href="ICON"', f'href="{icon}"').replace('<title>Kethmor Character Planner v VERSION',
                                                              f'<title>Kethmor Character Planner v {args.version}')
    size = len(page.encode('utf-8'))
    if size > LIMIT:
        sys.exit(f'{args.out}: {size} bytes, more than {LIMIT}')
    with open(args.out, 'w', encoding='utf-8') as out:
        out.write(page)


if __name__ == '__main__':
    main()
