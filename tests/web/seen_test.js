'use strict';
// What the player sees of the session on the page, through the page's own C
// functions (the WebAssembly build under Node.js, the browser's storage
// stood in for), line by line as the window test writes it for the desktop:
// node seen_test.js kethmor_planner_wasm.js > seen-page.txt
const fs = require('fs');
const stored = new Map();
globalThis.window = {localStorage: {getItem: (k) => (stored.has(k) ? stored.get(k) : null), setItem: (k, v) => stored.set(k, v)}};
const script = process.argv[2];
require(script)({wasmBinary: fs.readFileSync(script.replace(/\.js$/, '.wasm'))}).then((m) => {
  const json = (name, ...args) => JSON.parse(m.UTF8ToString(m['_' + name](...args.map((a) => (typeof a === 'string' ? put(a) : a)))));
  const put = (s) => {
    const bytes = new TextEncoder().encode(s + '\0'), at = m._malloc(bytes.length);
    m.HEAPU8.set(bytes, at);
    return at;
  };
  const table = json('kp_table');
  const id = (name) => table.controls.findIndex((c) => c.name === name);
  const seen = table.commands.flatMap((c) => [c.label + ' ' + c.keys.join('; ')].concat(c.endsGroup ? ['-'] : []));
  let box = '';
  const said = (answer) => {
    for (const c of answer.controls) if (c.id === id('message_window')) box = c.text;
    seen.push(box + ' | ' + answer.message);
  };
  const open = (name, text, files) => {
    const bytes = Uint8Array.from(text, (ch) => ch.charCodeAt(0)), at = m._malloc(bytes.length + 1);
    m.HEAPU8.set(bytes, at);
    said(json('kp_open', name, at, bytes.length, '', files));
  };
  const bytes = () => String.fromCharCode(...m.HEAPU8.slice(m._kp_bytes(), m._kp_bytes() + m._kp_bytes_size()));
  json('kp_start');
  open('b'.repeat(32) + '.txt', 'Hello', 1);
  said(json('kp_paste', '', 'paste'));
  m._kp_typed(id('PCname'), put('Hero.TXT'));
  seen.push(json('kp_save').name + ' ' + json('kp_plan').fileName);
  json('kp_click', id('ST_plus'));
  const saved = (json('kp_save'), bytes());
  json('kp_click', id('levelup'));
  open('good.txt', saved, 2);
  said(json('kp_open_last', 0));
  const print = (key) => {
    const kept = stored.get('kethmor-planner/' + key);
    return kept === undefined ? 'none' : kept.length + '/' + Array.from(kept).reduce((n, ch) => n + ch.charCodeAt(0), 0);
  };
  for (const plus of ['CN_plus', 'DX_plus']) {
    json('kp_click', id(plus));
    m._kp_keep();
    json('kp_start');
    seen.push(print('last-session.txt') + ' ' + print('last-session.1.txt'));
  }
  process.stdout.write(seen.join('\n') + '\n');
}).catch((e) => { console.error(e); process.exit(1); });
