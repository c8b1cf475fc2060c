// Copying, pasting and printing the sheet, links, About and the menu of
// every command: Ctrl+C copies the whole sheet unless a box has text
// selected, Copy link a link to the page that opens the build (its code as
// the fragment), Ctrl+V opens a pasted sheet, code or link (into the boxes
// typed in it pastes text), a page opened from a link shows its build,
// Print prints the sheet in a fixed-pitch font with its columns standing as
// in the file, and a right click (but on the boxes typed in), Shift+F10 or
// the Menu key opens the menu, in the order, with the labels and keys of the
// session's command table, Undo and Redo greyed when there is nothing to do.

// Text put on the clipboard (where the page has no clipboard of its own,
// plain http from a LAN address, through the browser's copy); a clipboard
// the browser refused is said in the message box. Whether it was copied.
export function copyText(planner, text) {
  const refused = (error) => {
    if (error && error.message) planner.run('kp_failed', 'copy', error.message);
    else planner.run('kp_note', 2);
    return false;
  };
  if (navigator.clipboard) return navigator.clipboard.writeText(text).then(() => true, refused);
  planner.copying = text;
  const copied = document.execCommand('copy');
  planner.copying = null;
  return Promise.resolve(copied || refused());
}

// A link to this page that opens the build: the page's own address with the build code as its fragment.
export function pageLink(planner) {
  return location.href.split('#')[0] + '#' + planner.text('kp_code');
}

export function installShare(planner) {
  const selectedText = () => {
    const e = document.activeElement;
    if (e && (e.tagName === 'INPUT' || e.tagName === 'TEXTAREA')) return e.selectionStart !== e.selectionEnd;
    return !!String(window.getSelection() || '');
  };
  const pasteText = (text) => planner.run('kp_paste', text, 'paste');
  planner.copying = null;  // the text a copy hands the clipboard instead of the sheet
  // The sheet, or what the plan panel asks to be copied and printed while it has the focus.
  const sheetText = () => (planner.panelText ? planner.panelText() : planner.text('kp_sheet_text'));

  // The keys reach the browser's own copy and paste, which hand the text here.
  document.addEventListener('copy', (ev) => {
    if (planner.copying === null && selectedText()) return;
    ev.preventDefault();
    ev.clipboardData.setData('text/plain', planner.copying ?? sheetText());
  });
  document.addEventListener('paste', (ev) => {
    // A box's own paste: the name, the alternative background, the plan's level.
    const e = document.activeElement;
    if (planner.isTypingBox(e) || (e.tagName === 'INPUT' && !planner.root.contains(e))) return;
    ev.preventDefault();
    pasteText(ev.clipboardData.getData('text/plain'));
  });

  // Printing: the sheet (or the plan) as the page's only printed content.
  const printed = document.createElement('pre');
  printed.id = 'printed';
  document.body.appendChild(printed);
  window.addEventListener('beforeprint', () => { printed.textContent = sheetText(); });

  // About, modal: Tab stays on its OK, Escape or OK closes it, and the focus goes back where it was.
  const about = (from) => {
    const {title, text} = planner.table.about;
    const box = document.createElement('dialog');
    box.className = 'dialog';
    box.setAttribute('aria-label', title);
    const body = document.createElement('p');
    body.textContent = text;
    const ok = document.createElement('button');
    ok.className = 'button';
    ok.textContent = 'OK';
    const close = () => {
      box.remove();
      planner.focusBack(from);
    };
    ok.addEventListener('click', close);
    box.addEventListener('keydown', (ev) => {
      if (ev.key !== 'Escape' && ev.key !== 'Tab') return;
      ev.preventDefault();
      if (ev.key === 'Escape') close();
    });
    box.append(body, ok);
    document.body.appendChild(box);
    box.showModal();
    ok.focus();
  };

  const pasteRefused = (error) => (error && error.message ? planner.run('kp_failed', 'paste', error.message) : planner.run('kp_note', 2));
  const paste = () => {
    if (!navigator.clipboard || !navigator.clipboard.readText) return planner.run('kp_note', 3);
    return navigator.clipboard.readText().then(pasteText, pasteRefused);
  };
  planner.actions.set('copy', {run: () => copyText(planner, sheetText()), byBrowser: true});
  planner.actions.set('paste', {run: paste, byBrowser: true});
  planner.actions.set('link', {run: () => copyText(planner, pageLink(planner)).then((copied) => copied && planner.run('kp_note', 1))});
  planner.actions.set('print', {run: () => window.print()});
  planner.actions.set('about', {run: () => about(document.activeElement)});

  // The menu, made when asked for; closed, it gives the focus back to the control it came from.
  let menu = null, menuFrom = null;
  const closeMenu = () => {
    if (!menu) return;
    menu.remove();
    menu = null;
    if (!document.querySelector('dialog[open]')) planner.focusBack(menuFrom);
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
    menuFrom = document.activeElement;
    menu = document.createElement('div');
    menu.className = 'menu';
    menu.setAttribute('role', 'menu');
    const commands = planner.table.commands.filter((command) => planner.actions.has(command.name));  // Share where the browser shares
    commands.forEach((command, at) => {
      menu.appendChild(menuItem(command));
      if (command.endsGroup && at + 1 < commands.length) menu.appendChild(document.createElement('div')).className = 'separator';
    });
    menu.addEventListener('keydown', menuKey);
    planner.root.appendChild(menu);
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
    } else if (ev.key === 'Home' || ev.key === 'End') {
      items[ev.key === 'Home' ? 0 : items.length - 1].focus();
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

  planner.root.addEventListener('contextmenu', (ev) => {
    if (planner.isTypingBox(ev.target)) return;  // the boxes typed in keep their own menus
    ev.preventDefault();
    openMenu(ev.clientX, ev.clientY);
  });
  document.addEventListener('mousedown', (ev) => { if (menu && !menu.contains(ev.target)) closeMenu(); }, true);
  document.addEventListener('keydown', (ev) => {
    if ((ev.key === 'F10' && ev.shiftKey) || ev.key === 'ContextMenu') {
      if (planner.isTypingBox(document.activeElement) || document.querySelector('dialog[open]')) return;
      ev.preventDefault();
      const r = (document.activeElement || planner.root).getBoundingClientRect();
      openMenu(r.left + 4, r.top + 4);
    }
  });
}

// The address follows the build: a page opened from a link shows its build,
// one step that Ctrl+Z takes back, and so does a fragment the player changes
// (a link pasted into the same tab); after each step the fragment is the
// build's code, replaced without an entry in the browser's history, so that
// a reload, a bookmark or the address bar's copy give the build as it stands.
export function followAddress(planner) {
  let code = null;  // the build's code the address holds
  const fragment = () => {
    const text = location.hash.slice(1);
    try {
      return decodeURIComponent(text);
    } catch {
      return text;  // no proper escape: handed on as it stands, the session says what is wrong with it
    }
  };
  const open = () => {
    if (location.hash.length > 1 && fragment() !== code) planner.run('kp_paste', fragment(), 'open');
    code = planner.text('kp_code');
  };
  let waiting = 0;
  const follow = () => {
    waiting = 0;
    const now = planner.text('kp_code');
    if (now !== code) history.replaceState(history.state, '', '#' + now);
    code = now;
  };
  // Steps come quickly (a key held on a list): the address is written once they pause.
  const soon = () => { waiting = waiting || setTimeout(follow, 100); };
  window.addEventListener('hashchange', open);
  planner.onRefresh.push(soon);
  planner.root.addEventListener('input', soon);
  open();
}
