// Copying, pasting and printing the sheet, links, About and the menu of
// every command: Ctrl+C copies the whole sheet unless a box has text
// selected, Copy link a link to the page that opens the build (its code as
// the fragment), Ctrl+V opens a pasted sheet, code or link (into the boxes
// typed in it pastes text), a page opened from a link shows its build,
// Print prints the sheet in a fixed-pitch font with its columns standing as
// in the file, and a right click (but on the boxes typed in), Shift+F10 or
// the Menu key opens the menu, in the order, with the labels and keys of the
// session's command table, Undo and Redo greyed when there is nothing to do.

// Text put on the clipboard; a clipboard the browser refused is said in the message box.
export function copyText(planner, text) {
  return navigator.clipboard.writeText(text).catch((error) => planner.run('kp_failed', 'copy', error.message));
}

export function installShare(planner) {
  const selectedText = () => {
    const e = document.activeElement;
    if (e && (e.tagName === 'INPUT' || e.tagName === 'TEXTAREA')) return e.selectionStart !== e.selectionEnd;
    return !!String(window.getSelection() || '');
  };
  const pasteText = (text) => planner.run('kp_paste', text, 'paste');
  // The sheet, or what the plan panel asks to be copied and printed while it has the focus.
  const sheetText = () => (planner.panelText ? planner.panelText() : planner.text('kp_sheet_text'));

  // The keys reach the browser's own copy and paste, which hand the text here.
  document.addEventListener('copy', (ev) => {
    if (selectedText()) return;
    ev.preventDefault();
    ev.clipboardData.setData('text/plain', sheetText());
  });
  document.addEventListener('paste', (ev) => {
    if (planner.isTypingBox(document.activeElement)) return;  // a box's own paste
    ev.preventDefault();
    pasteText(ev.clipboardData.getData('text/plain'));
  });

  // Printing: the sheet (or the plan) as the page's only printed content.
  const printed = document.createElement('pre');
  printed.id = 'printed';
  document.body.appendChild(printed);
  window.addEventListener('beforeprint', () => { printed.textContent = sheetText(); });

  const about = () => {
    const {title, text} = planner.table.about;
    const box = document.createElement('div');
    box.className = 'dialog';
    box.setAttribute('role', 'dialog');
    box.setAttribute('aria-label', title);
    const body = document.createElement('p');
    body.textContent = text;
    const ok = document.createElement('button');
    ok.textContent = 'OK';
    ok.addEventListener('click', () => box.remove());
    box.addEventListener('keydown', (ev) => { if (ev.key === 'Escape') box.remove(); });
    box.append(body, ok);
    document.body.appendChild(box);
    ok.focus();
  };

  // A link to this page that opens the build: the page's own address with the build code as its fragment.
  const link = () => location.href.split('#')[0] + '#' + planner.text('kp_code');
  const pasteRefused = (error) => planner.run('kp_failed', 'paste', error.message);
  planner.actions.set('copy', {run: () => copyText(planner, sheetText()), byBrowser: true});
  planner.actions.set('paste', {run: () => navigator.clipboard.readText().then(pasteText, pasteRefused), byBrowser: true});
  planner.actions.set('link', {run: () => copyText(planner, link())});
  planner.actions.set('print', {run: () => window.print()});
  planner.actions.set('about', {run: about});

  // The menu, made when asked for.
  let menu = null;
  const closeMenu = () => {
    if (menu) menu.remove();
    menu = null;
  };
  const menuItem = (command) => {
    const item = document.createElement('div');
    item.setAttribute('role', 'menuitem');
    item.tabIndex = -1;
    item.dataset.command = command.name;
    item.append(...[command.label, command.keys.join(', ')].map((text) => {
      const span = document.createElement('span');
      span.textContent = text;
      return span;
    }));
    const action = planner.actions.get(command.name);
    if (action.enabled && !action.enabled()) item.setAttribute('aria-disabled', 'true');
    item.addEventListener('mousedown', (ev) => ev.preventDefault());
    item.addEventListener('click', () => {
      if (item.getAttribute('aria-disabled')) return;
      closeMenu();
      action.run();
    });
    return item;
  };
  const openMenu = (x, y) => {
    closeMenu();
    menu = document.createElement('div');
    menu.className = 'menu';
    menu.setAttribute('role', 'menu');
    const commands = planner.table.commands;
    commands.forEach((command, at) => {
      menu.appendChild(menuItem(command));
      if (command.endsGroup && at + 1 < commands.length) menu.appendChild(document.createElement('div')).className = 'separator';
    });
    menu.addEventListener('keydown', menuKey);
    document.body.appendChild(menu);
    const view = document.documentElement;
    menu.style.left = Math.max(0, Math.min(x, view.clientWidth - menu.offsetWidth)) + 'px';
    menu.style.top = Math.max(0, Math.min(y, view.clientHeight - menu.offsetHeight)) + 'px';
    menu.querySelector('[role=menuitem]:not([aria-disabled])').focus();
  };
  const menuKey = (ev) => {
    const items = Array.from(menu.querySelectorAll('[role=menuitem]:not([aria-disabled])'));
    const at = items.indexOf(document.activeElement);
    if (ev.key === 'ArrowDown' || ev.key === 'ArrowUp') {
      items[(at + (ev.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
    } else if (ev.key === 'Enter' || ev.key === ' ') {
      if (at >= 0) items[at].click();
    } else if (ev.key === 'Escape' || ev.key === 'Tab') {
      closeMenu();
    } else {
      return;
    }
    ev.preventDefault();
    ev.stopPropagation();
  };

  // A page opened from a link shows its build, one step that Ctrl+Z takes
  // back; a fragment that is no proper escape is handed on as it stands.
  if (location.hash.length > 1) {
    let code = location.hash.slice(1);
    try {
      code = decodeURIComponent(code);
    } catch {
      // the session says what is wrong with it
    }
    planner.run('kp_paste', code, 'open');
  }

  planner.root.addEventListener('contextmenu', (ev) => {
    if (planner.isTypingBox(ev.target)) return;  // the boxes typed in keep their own menus
    ev.preventDefault();
    openMenu(ev.clientX, ev.clientY);
  });
  document.addEventListener('mousedown', (ev) => { if (menu && !menu.contains(ev.target)) closeMenu(); }, true);
  document.addEventListener('keydown', (ev) => {
    if ((ev.key === 'F10' && ev.shiftKey) || ev.key === 'ContextMenu') {
      if (planner.isTypingBox(document.activeElement)) return;
      ev.preventDefault();
      const r = (document.activeElement || planner.root).getBoundingClientRect();
      openMenu(r.left + 4, r.top + 4);
    }
  });
}
