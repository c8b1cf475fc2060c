'use strict';
// Copying, pasting and printing the sheet, links, and the menu of every
// command: Ctrl+C copies the whole sheet unless a box has text selected,
// Ctrl+Shift+C a link to the page that opens the build (its code as the
// fragment), Ctrl+V opens a pasted sheet, code or link (into the name and
// alternative background boxes it pastes text), a page opened from a link
// shows its build, Ctrl+P prints the sheet in a fixed-pitch font with its columns
// standing as in the file, and a right click (but on the two boxes typed in),
// Shift+F10 or the Menu key opens the menu, Undo and Redo greyed when there
// is nothing to do.

Planner.parts.push((planner) => {
  const selectedText = () => {
    const e = document.activeElement;
    if (e && (e.tagName === 'INPUT' || e.tagName === 'TEXTAREA')) return e.selectionStart !== e.selectionEnd;
    return !!String(window.getSelection() || '');
  };
  const pasteText = (text) => planner.run('kp_paste', text.replace(/\0/g, ''), 'paste');

  // The keys reach the browser's own copy and paste, which hand the text here.
  document.addEventListener('copy', (ev) => {
    if (selectedText()) return;
    ev.preventDefault();
    ev.clipboardData.setData('text/plain', planner.copyText ? planner.copyText() : planner.text('kp_sheet_text'));
  });
  document.addEventListener('paste', (ev) => {
    if (planner.isTypingBox(document.activeElement)) return;  // a box's own paste
    if (planner.pasteHere && planner.pasteHere()) return;
    ev.preventDefault();
    pasteText(ev.clipboardData.getData('text/plain'));
  });

  // Printing: the sheet (or the plan, while the plan panel asks for it) as
  // the page's only printed content.
  const printed = document.createElement('pre');
  printed.id = 'printed';
  document.body.appendChild(printed);
  window.addEventListener('beforeprint', () => {
    printed.textContent = planner.printText ? planner.printText() : planner.text('kp_sheet_text');
  });
  const print = () => (window.print(), true);

  const about = () => {
    const box = dialog('About Kethmor Character Planner', planner.text('kp_about'));
    box.querySelector('button').focus();
    return true;
  };
  const dialog = (title, text) => {
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
    return box;
  };

  planner.commands.set('copy', {label: 'Copy sheet', keys: [], shown: 'Ctrl+C',
    run: () => (navigator.clipboard.writeText(planner.text('kp_sheet_text')), true)});
  planner.commands.set('paste', {label: 'Paste sheet', keys: [], shown: 'Ctrl+V',
    run: () => (navigator.clipboard.readText().then(pasteText), true)});
  planner.commands.set('print', {label: 'Print\u2026', keys: ['Ctrl+P'], run: print});
  // A link to this page that opens the build: the page's own address with the build code as its fragment.
  const link = () => location.href.split('#')[0] + '#' + planner.text('kp_code');
  planner.commands.set('link', {label: 'Copy link', keys: ['Ctrl+Shift+C'],
    run: () => (navigator.clipboard.writeText(link()), true)});
  planner.link = link;
  planner.commands.set('about', {label: 'About', keys: [], run: about});

  // The menu, in the desktop's order, made when asked for.
  const kMenu = ['open', 'openLast', 'save', null, 'copy', 'link', 'paste', 'print', 'plan', null, 'undo', 'redo', null, 'about'];
  let menu = null;
  const closeMenu = () => {
    if (menu) menu.remove();
    menu = null;
  };
  const openMenu = (x, y) => {
    closeMenu();
    menu = document.createElement('div');
    menu.className = 'menu';
    menu.setAttribute('role', 'menu');
    for (const name of kMenu) {
      const command = name && planner.commands.get(name);
      if (name && !command) continue;
      const item = document.createElement('div');
      if (!command) {
        item.className = 'separator';
      } else {
        item.setAttribute('role', 'menuitem');
        item.tabIndex = -1;
        item.dataset.command = name;
        const keys = command.shown || (command.keys || []).join(', ');
        item.innerHTML = '<span></span><span></span>';
        item.firstChild.textContent = command.label;
        item.lastChild.textContent = keys;
        if (command.enabled && !command.enabled()) item.setAttribute('aria-disabled', 'true');
        item.addEventListener('mousedown', (ev) => ev.preventDefault());
        item.addEventListener('click', () => {
          if (item.getAttribute('aria-disabled')) return;
          closeMenu();
          command.run();
        });
      }
      menu.appendChild(item);
    }
    menu.addEventListener('keydown', menuKey);
    document.body.appendChild(menu);
    const view = document.documentElement;
    const room = [view.clientWidth - menu.offsetWidth, view.clientHeight - menu.offsetHeight];
    menu.style.left = Math.max(0, Math.min(x, room[0])) + 'px';
    menu.style.top = Math.max(0, Math.min(y, room[1])) + 'px';
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
  planner.openMenu = openMenu;

  // A page opened from a link shows its build, one step that Ctrl+Z takes back.
  if (location.hash.length > 1) planner.run('kp_paste', decodeURIComponent(location.hash.slice(1)), 'open');

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
});
