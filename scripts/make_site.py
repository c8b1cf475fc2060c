#!/usr/bin/env python3
"""Makes the folder for any static web host: the one-file page as index.html
with one line added that loads install.js, install.js, the web app manifest,
the icons at 192 and 512 pixels drawn from the 256-pixel one by ImageMagick,
and the service worker, named after a digest of all of them.

Usage: make_site.py --out DIR --page PAGE --icon PNG --convert CONVERT
                    install.js manifest.webmanifest service-worker.js
"""
import argparse
import hashlib
import os
import subprocess
import sys

LOADER = "<script type=\"module\">import {installable} from './install.js'; installable();</script>\n"


def main():
    parser = argparse.ArgumentParser()
    for option in ('--out', '--page', '--icon', '--convert'):
        parser.add_argument(option, required=True)
    parser.add_argument('parts', nargs=3)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    page = open(args.page, 'rb').read()
    end = page.rfind(b'</body>')
    if end < 0:
        sys.exit(f'{args.page}: no </body>')
    made = {'index.html': page[:end] + LOADER.encode('ascii') + page[end:]}
    for part in args.parts[:2]:
        made[os.path.basename(part)] = open(part, 'rb').read()
    # 512 pixels: each pixel doubled; 192: resampled. No dates, so that the
    # same build makes the same bytes.
    for size, resize in ((192, ['-resize', '192x192']), (512, ['-filter', 'point', '-resize', '512x512'])):
        made[f'icon-{size}.png'] = subprocess.run(
            [args.convert, args.icon, *resize, '-strip', '-define', 'png:exclude-chunks=date,time', 'png:-'],
            check=True, capture_output=True).stdout
    build = hashlib.sha256(b''.join(name.encode() + made[name] for name in sorted(made))).hexdigest()[:16]
    worker = open(args.parts[2], encoding='utf-8').read()
    made['service-worker.js'] = worker.replace("'BUILD'", f"'{build}'").encode('utf-8')
    for name, data in made.items():
        with open(os.path.join(args.out, name), 'wb') as out:
            out.write(data)


if __name__ == '__main__':
    main()
