'use strict';
// The sheet on the page: SAVE downloads it (the desktop's bytes, named as
// the desktop proposes), Ctrl+O and a file dropped on the page open one, the
// last session is kept in the browser's storage when the page closes or
// Quit is pressed (only when it differs from the blank start and from the
// one kept, which stays a generation back), and Ctrl+Shift+O opens it.

const kLastSession = 'kethmor-planner/last-session.txt';
const kPreviousSession = 'kethmor-planner/last-session.1.txt';

// Bytes as a string of one character per byte, the way the storage keeps them, and back.
const bytesToString = (bytes) => Array.from(bytes, (b) => String.fromCharCode(b)).join('');
const stringToBytes = (s) => Uint8Array.from(s, (ch) => ch.charCodeAt(0));

Planner.parts.push((planner) => {
  // The sheet's bytes; with `session`, none for the blank start.
  const sheet = (session) => {
    const at = planner.raw('kp_sheet', session ? 1 : 0);
    return planner.wasm.HEAPU8.slice(at, at + planner.raw('kp_sheet_size'));
  };

  // Bytes downloaded as a file of that name.
  planner.download = (bytes, name) => {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'text/plain'}));
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  };
  const save = () => {
    planner.run('kp_click', planner.id('SAVE'));
    planner.download(sheet(false), planner.text('kp_file_name'));
    return true;
  };

  // Opens a sheet's bytes (null: there is no such file) as one action;
  // a refusal names the file, shortened in the middle when the message box
  // is too narrow, and in full as the box's tool tip.
  const open = (name, bytes, files = 1) => {
    const at = bytes ? planner.bytesIn(bytes) : 0;
    planner.run('kp_open', name, at, bytes ? bytes.length : -1, files);
    if (at) planner.wasm._free(at);
    fitMessage(planner, name);
  };

  const openFile = (files) => {
    if (!files || !files.length) return;
    const [first, count] = [files[0], files.length];
    first.arrayBuffer().then((buffer) => open(first.name, new Uint8Array(buffer), count));
  };

  const picker = document.getElementById('open-file');
  picker.addEventListener('change', () => {
    openFile(picker.files);
    picker.value = '';
  });

  const storage = () => {
    try {
      return window.localStorage;
    } catch (e) {
      return null;  // storage refused: nothing is kept
    }
  };
  const keepLastSession = () => {
    const store = storage();
    const bytes = sheet(true);
    if (!store || bytes.length === 0) return;
    const text = bytesToString(bytes);
    const kept = store.getItem(kLastSession);
    if (text === kept) return;
    try {
      if (kept !== null) store.setItem(kPreviousSession, kept);
      store.setItem(kLastSession, text);
    } catch (e) {
      // Storage full or refused: silently skipped, as a folder that cannot be written.
    }
  };
  const openLastSession = () => {
    const store = storage();
    const kept = store && store.getItem(kLastSession);
    open('last-session.txt', kept === null || kept === undefined ? null : stringToBytes(kept));
    return true;
  };

  planner.commands.set('open', {label: 'Open\u2026', keys: ['Ctrl+O'], run: () => (picker.click(), true)});
  planner.commands.set('openLast', {label: 'Open last session', keys: ['Ctrl+Shift+O'], run: openLastSession});
  planner.commands.set('save', {label: 'Save\u2026', keys: ['Ctrl+S'], run: save});
  planner.openSheet = open;
  planner.sheet = sheet;

  // Files dropped anywhere on the page open; text dropped into a box stays the box's.
  const hasFiles = (ev) => ev.dataTransfer && Array.from(ev.dataTransfer.types).includes('Files');
  document.addEventListener('dragover', (ev) => {
    if (hasFiles(ev)) ev.preventDefault();
  });
  document.addEventListener('drop', (ev) => {
    if (!hasFiles(ev)) return;
    ev.preventDefault();
    openFile(ev.dataTransfer.files);
  });

  // Closing the page, or Quit, keeps the last session; Quit closes the page where the browser allows it.
  window.addEventListener('pagehide', keepLastSession);
  planner.ended = () => {
    keepLastSession();
    window.close();
  };
  planner.elements[planner.table.reading[0][0]].focus({preventScroll: true});  // the first in reading order, as the desktop starts
});

// A failed open's message with the file's name shortened in the middle to
// fit the message box, as the desktop shortens it ("..." : the font's own
// ellipsis reads as an underscore).
function fitMessage(planner, name) {
  const box = planner.element('message_window');
  const full = box.value;
  const at = full.indexOf(name);
  if (at < 0) return;
  const head = full.slice(0, at), tail = full.slice(at + name.length);
  const canvas = fitMessage.canvas || (fitMessage.canvas = document.createElement('canvas'));
  const metrics = canvas.getContext('2d');
  metrics.font = getComputedStyle(box).font;
  const width = (s) => metrics.measureText(s).width;
  const room = Math.max(box.offsetWidth - 8 - width(head + tail), width('...'));
  if (width(name) <= room) return;
  const chars = Array.from(name);
  let keep = chars.length - 1;
  let shown = '...';
  for (; keep > 0; --keep) {
    shown = chars.slice(0, Math.ceil(keep / 2)).join('') + '...' + chars.slice(chars.length - Math.floor(keep / 2)).join('');
    if (width(shown) <= room) break;
  }
  const message = head + shown + tail;
  planner.raw('kp_set_text', planner.id('message_window'), message);
  box.value = message;
  box.title = full;
  planner.shown[planner.id('message_window')].text = message;
}
