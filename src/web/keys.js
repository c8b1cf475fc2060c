'use strict';
// The keyboard: Tab and Shift+Tab in the desktop's reading order, the lists'
// keys (arrows, Page Up and Down, Home, End, a letter; Enter a double click),
// Enter and Space on a focused button, and the commands' keys (Ctrl+Z,
// Ctrl+Y, Ctrl+Shift+Z; the others are sheets.js's).

// A key as the commands name it: "Ctrl+Shift+Z".
function keyName(ev) {
  const key = ev.key.length === 1 ? ev.key.toUpperCase() : ev.key;
  return (ev.ctrlKey || ev.metaKey ? 'Ctrl+' : '') + (ev.shiftKey ? 'Shift+' : '') + (ev.altKey ? 'Alt+' : '') + key;
}

Planner.parts.push((planner) => {
  // Undo and redo of the sheet; while the name or the alternative background
  // box has the focus, of the typing in it (the box's own).
  const sheetStep = (name) => () => {
    if (planner.isTypingBox(document.activeElement)) return false;
    planner.redraw(planner.call(name));
    return true;
  };
  planner.commands.set('undo', {label: 'Undo', keys: ['Ctrl+Z'], run: sheetStep('kp_undo'),
                                enabled: () => planner.canUndo});
  planner.commands.set('redo', {label: 'Redo', keys: ['Ctrl+Y', 'Ctrl+Shift+Z'], run: sheetStep('kp_redo'),
                                enabled: () => planner.canRedo});

  // The controls Tab visits, in reading order: those that take the focus and are shown.
  const chain = () => planner.table.reading.map(([id]) => id);
  const tabStop = (id) => planner.control(id).focus === 'tab' && !planner.elements[id].classList.contains('hidden');
  const tab = (back) => {
    const order = chain();
    const at = order.indexOf(planner.elements.indexOf(document.activeElement));
    const n = order.length;
    for (let step = 1; step <= n; ++step) {
      const id = order[((at < 0 ? (back ? 0 : n - 1) : at) + (back ? -step : step) + n * 2) % n];
      if (tabStop(id)) return planner.elements[id].focus();
    }
  };

  document.addEventListener('keydown', (ev) => {
    const name = keyName(ev);
    for (const command of planner.commands.values()) {
      if (command.keys && command.keys.includes(name) && command.run() !== false) {
        ev.preventDefault();
        return;
      }
    }
    // Tab follows the window's reading order; in the plan panel, a menu or a dialog it is the browser's.
    const inWindow = planner.root.contains(document.activeElement) || document.activeElement === document.body;
    if (ev.key === 'Tab' && inWindow && !ev.ctrlKey && !ev.altKey && !ev.metaKey) {
      ev.preventDefault();
      tab(ev.shiftKey);
    }
  }, true);

  for (const [id, e] of planner.elements.entries()) {
    const c = planner.control(id);
    if (c.kind === 'button') {
      // Enter presses a button as Space does, once however long it is held.
      e.addEventListener('keydown', (ev) => { if (ev.key === 'Enter' && ev.repeat) ev.preventDefault(); });
    } else if (c.kind === 'list') {
      e.addEventListener('keydown', (ev) => listKey(planner, id, ev));
    }
  }
});

// A key on a list: a move is a click on the entry moved to, brought wholly
// into sight; Enter applies or buys the highlighted entry (a double click).
function listKey(planner, id, ev) {
  if (ev.ctrlKey || ev.altKey || ev.metaKey) return;
  const list = planner.elements[id];
  const n = list.children.length;
  const row = planner.shown[id].index;
  const rowHeight = n ? list.children[0].offsetHeight : 1;
  const page = Math.max(1, Math.floor(list.clientHeight / rowHeight) - 1);
  const moves = {ArrowUp: row < 0 ? 0 : row - 1, ArrowDown: row < 0 ? 0 : row + 1, PageUp: row < 0 ? 0 : row - page,
                 PageDown: row < 0 ? 0 : row + page, Home: 0, End: n - 1};
  let to;
  if (ev.key === 'Enter') {
    ev.preventDefault();
    planner.run('kp_dblclick', id);
    return;
  } else if (ev.key in moves) {
    to = Math.min(Math.max(moves[ev.key], 0), n - 1);
  } else if (ev.key.length === 1 && ev.key !== ' ') {
    // A letter jumps to the next entry that starts with it.
    const letter = ev.key.toLowerCase();
    for (let step = 1; step <= n && to === undefined; ++step) {
      const r = (Math.max(row, -1) + step) % n;
      if (list.children[r].textContent.toLowerCase().startsWith(letter)) to = r;
    }
    if (to === undefined) return;
  } else {
    return;
  }
  ev.preventDefault();
  if (n === 0) return;
  if (to !== row) planner.run('kp_select', id, to);
  const entry = list.children[planner.shown[id].index];
  if (entry) entry.scrollIntoView({block: 'nearest'});
}
