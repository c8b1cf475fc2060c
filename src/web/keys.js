// The keyboard: Tab and Shift+Tab in the desktop's reading order, every key
// on a list handed to the session, Enter on a focused button as Space, and
// the commands' keys as the session's command table gives them.

// A key as the commands name it: "Ctrl+Shift+Z". A letter of another
// alphabet (a Cyrillic or Greek layout) is named by its key's Latin letter,
// as the desktop matches it.
function keyName(ev) {
  let key = ev.key.length === 1 ? ev.key.toUpperCase() : ev.key;
  if (key.length === 1 && key > '~' && /^Key[A-Z]$/.test(ev.code)) key = ev.code.slice(3);
  return (ev.ctrlKey || ev.metaKey ? 'Ctrl+' : '') + (ev.shiftKey ? 'Shift+' : '') + (ev.altKey ? 'Alt+' : '') + key;
}

export function installKeys(planner) {
  // Undo and redo of the sheet; while a box typed in has the focus, of the
  // typing in it (the box's own).
  const sheetStep = (name) => () => {
    if (planner.isTypingBox(document.activeElement)) return false;
    planner.redraw(planner.call(name));
    return true;
  };
  planner.actions.set('undo', {run: sheetStep('kp_undo'), enabled: () => planner.canUndo});
  planner.actions.set('redo', {run: sheetStep('kp_redo'), enabled: () => planner.canRedo});

  const commandOfKey = new Map();
  for (const command of planner.table.commands) for (const key of command.keys) commandOfKey.set(key, command.name);

  // The controls Tab visits, in reading order: those that take the focus and are shown, each
  // followed by the touch button that stands beside it, the menu's last.
  const shown = (e) => e && !e.classList.contains('hidden');
  const tab = (back) => {
    const stops = [], beside = planner.touchButtons;
    for (const {id} of planner.table.reading) {
      if (planner.control(id).focus === 'tab' && shown(planner.elements[id])) stops.push(planner.elements[id]);
      if (shown(beside.get(id))) stops.push(beside.get(id));
    }
    if (shown(beside.get(-1))) stops.push(beside.get(-1));
    const at = stops.indexOf(document.activeElement), n = stops.length;
    if (n) stops[at < 0 ? (back ? n - 1 : 0) : (at + (back ? n - 1 : 1)) % n].focus();
  };

  document.addEventListener('keydown', (ev) => {
    if (document.querySelector('dialog[open]')) return;  // About keeps every key while it shows
    // A command's key; one the browser delivers as its own event (copy, paste) is left to it.
    const action = planner.actions.get(commandOfKey.get(keyName(ev)));
    if (action && !action.byBrowser && action.run() !== false) {
      ev.preventDefault();
      return;
    }
    // Tab follows the window's reading order; in the plan panel, a menu or a dialog it is the browser's.
    const inWindow = planner.root.contains(document.activeElement) && !document.activeElement.closest('.menu') ||
                     document.activeElement === document.body;
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
}

// A key on a list, as the session takes it, with the rows a page moves (the
// rows in sight less one); the entry it highlights brought wholly into sight.
function listKey(planner, id, ev) {
  if (ev.ctrlKey || ev.altKey || ev.metaKey || ev.defaultPrevented) return;
  const list = planner.elements[id];
  const rowHeight = list.firstElementChild ? list.firstElementChild.offsetHeight : 0;
  const pageRows = rowHeight ? Math.max(1, Math.floor(list.clientHeight / rowHeight) - 1) : 1;
  if (!planner.run('kp_list_key', id, ev.key, pageRows, ev.timeStamp).handled) return;
  ev.preventDefault();
  const entry = list.children[planner.shown[id].index];
  if (entry) entry.scrollIntoView({block: 'nearest'});
}
