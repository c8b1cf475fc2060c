// The planner's window on the page: every control drawn from the session's
// layout table, every click, double click and entry chosen handed to the
// session, and after each event only the controls whose state changed drawn
// again. The other modules add the keyboard (keys.js), the sheet's files
// (sheets.js), the clipboard, printing and the menu (share.js) and the level
// plan (plan.js) as the page's `actions`, by the commands' names.

// The desktop's system colours (0x800000nn) as the window's classic palette has them.
const kSystemColours = {0x05: '#ffffff', 0x08: '#000000', 0x0e: '#ffffff', 0x0f: '#efefef', 0x12: '#000000',
                        0x16: '#ffffff', 0x18: '#ffffdc'};

// A colour of the model (0x00BBGGRR, or a system colour) as CSS.
function cssColour(colour) {
  const v = colour >>> 0;
  if ((v & 0xff000000) >>> 0 === 0x80000000) return kSystemColours[v & 0xff] || '#efefef';
  const hex = (x) => x.toString(16).padStart(2, '0');
  return '#' + hex(v & 0xff) + hex((v >>> 8) & 0xff) + hex((v >>> 16) & 0xff);
}

const utf8 = new TextDecoder();

export class Planner {
  constructor(wasm, root) {
    this.wasm = wasm;
    this.root = root;
    this.table = this.call('kp_table');
    this.elements = [];
    this.shown = [];           // each control's state as drawn
    this.actions = new Map();  // a command's name -> {run, enabled, byBrowser}: what the page does for it
    this.onRefresh = [];       // told every answer after its redraw
    this.touchButtons = new Map();  // a list's id -> the touch button beside it (-1: the menu's), where the page has them
    this.canUndo = false;
    this.canRedo = false;
    document.title = this.table.caption;
    root.replaceChildren();  // what the page says while it cannot start
    root.setAttribute('aria-label', this.table.caption);
    // The caption as the page's heading; the message box's words, and a
    // value a "+" or "-" changed, spoken: for a screen reader alone.
    const heading = root.appendChild(document.createElement('h1'));
    heading.textContent = this.table.caption;
    this.spoken = root.appendChild(document.createElement('div'));
    heading.className = this.spoken.className = 'spoken';
    this.spoken.setAttribute('role', 'status');
    root.style.width = this.table.client.width + 'px';
    root.style.height = this.table.client.height + 'px';
    root.style.backgroundColor = cssColour(this.table.back);
    // The window's four fonts as classes, each read once.
    document.head.appendChild(document.createElement('style')).textContent =
      Object.keys(this.table.fonts).map((name) => `.font-${name} { font: ${this.font(name)}; }`).join('\n');
    this.table.controls.forEach((c, id) => this.build(c, id));
    // A press on a caption or the window's face leaves the focus where it was, as on the desktop.
    root.addEventListener('mousedown', (ev) => { if (ev.target === root || ev.target.closest('.label')) ev.preventDefault(); });
    for (const {id, name} of this.table.reading) this.elements[id].setAttribute('aria-label', name);
    this.redraw(this.call('kp_start'));
  }

  control(id) { return this.table.controls[id]; }

  // A font of the window's ("B8") as CSS.
  font(name) {
    const {family, pixels, bold} = this.table.fonts[name];
    return `${bold ? 'bold ' : ''}${pixels}px '${family}'`;
  }

  // Calls the session with numbers, strings (a C string ends at a NUL,
  // which no sheet holds: it is left out) and bytes; its answer as it comes.
  raw(name, ...args) {
    const held = [];
    const values = args.map((a) => {
      if (typeof a === 'number') return a;
      const bytes = a instanceof Uint8Array ? a : new TextEncoder().encode(a.replace(/\0/g, '') + '\0');
      const at = this.wasm._malloc(Math.max(1, bytes.length));
      this.wasm.HEAPU8.set(bytes, at);
      held.push(at);
      return at;
    });
    const answer = this.wasm['_' + name](...values);
    held.forEach((at) => this.wasm._free(at));
    return answer;
  }
  text(name, ...args) {
    const at = this.raw(name, ...args), heap = this.wasm.HEAPU8;
    return utf8.decode(heap.subarray(at, heap.indexOf(0, at)));
  }
  call(name, ...args) { return JSON.parse(this.text(name, ...args)); }

  // The bytes the session last handed out (SAVE's, the plan's).
  bytesOut() {
    const at = this.raw('kp_bytes');
    return this.wasm.HEAPU8.slice(at, at + this.raw('kp_bytes_size'));
  }

  build(c, id) {
    const tags = {label: 'div', button: 'button', list: 'div', box: c.multiline ? 'textarea' : 'input'};
    const e = document.createElement(tags[c.kind]);
    const {left, top, width, height} = c.at;
    e.style.cssText = `left: ${left}px; top: ${top}px; width: ${width}px; height: ${height}px`;
    e.className = `${c.kind} font-${c.font}`;
    e.id = c.name;
    if (c.tip) e.title = c.tip;
    if (c.center && c.kind !== 'label') e.style.textAlign = 'center';
    e.tabIndex = c.focus === 'tab' ? 0 : -1;
    if (c.kind === 'button') {
      e.type = 'button';
      // A button takes the focus from Tab only: a press leaves it where it was.
      e.addEventListener('mousedown', (ev) => ev.preventDefault());
      e.addEventListener('click', () => this.press(id));
      if (c.box !== undefined) e.setAttribute('aria-describedby', this.control(c.box).name);
    } else if (c.kind === 'list') {
      e.setAttribute('role', 'listbox');
      e.addEventListener('mousedown', (ev) => this.listPress(id, ev));
    } else if (c.kind === 'box') {
      if (!c.multiline) e.type = 'text';
      e.readOnly = c.readonly;
      e.spellcheck = false;
      e.autocomplete = 'off';
      if (c.max > 0) e.maxLength = c.max;
      if (c.focus === 'none') e.addEventListener('mousedown', (ev) => ev.preventDefault());
      if (!c.readonly) e.addEventListener('input', () => this.typed(id));
      if (c.name === 'message_window') this.message = {id, box: e, tip: c.tip};
    }
    this.root.appendChild(e);
    this.elements[id] = e;
    this.shown[id] = {};
  }

  // The session's answer to an event drawn: only what changed.
  redraw(answer) {
    this.toScroll = [];
    this.toFocus = null;
    for (const s of answer.controls) this.apply(s);
    // Read the layout once, after every change is written.
    for (const entry of this.toScroll) this.scrollToEntry(entry);
    if (this.toFocus) this.toFocus.focus();
    // While a message shows, the box's tool tip holds it in full, as the desktop's does.
    this.message.box.title = answer.message || this.message.tip;
    if (answer.message && answer.controls.some((s) => s.id === this.message.id)) this.spoken.textContent = answer.message;
    this.canUndo = answer.undo;
    this.canRedo = answer.redo;
    this.onRefresh.forEach((f) => f(answer));
    return answer;
  }

  apply(s) {
    const c = this.control(s.id);
    const e = this.elements[s.id];
    const was = this.shown[s.id];
    if (s.back !== was.back && c.kind !== 'label') e.style.backgroundColor = cssColour(s.back);
    if (s.fore !== was.fore) e.style.color = cssColour(s.fore);
    if (c.kind === 'list') {
      if (s.items) this.fill(e, s.items);
      else s.items = was.items;
      if (s.items !== was.items || s.index !== was.index) this.select(e, s.index);
    } else if (s.text !== was.text) {
      if (s.lines) {
        // A centred caption line by line, each on a whole pixel as the session places it.
        e.replaceChildren(...s.lines.map(([indent, text]) => {
          const line = document.createElement('div');
          line.style.paddingLeft = indent + 'px';
          line.textContent = text;
          return line;
        }));
      } else if (c.kind === 'box') {
        if (e.value !== s.text) e.value = s.text;  // shown from its start, as a box not typed in shows it
      } else {
        e.textContent = s.text;
      }
    }
    if (s.visible !== was.visible) {
      // A control hidden while it has the focus hands it on as the session says.
      if (!s.visible && document.activeElement === e) {
        const next = this.raw('kp_focus_after', s.id);
        this.toFocus = next >= 0 ? this.elements[next] : this.root;
      }
      e.classList.toggle('hidden', !s.visible);
    }
    this.shown[s.id] = s;
  }

  fill(list, items) {
    list.replaceChildren(...items.map((text, row) => {
      const entry = document.createElement('div');
      entry.textContent = text;
      entry.setAttribute('role', 'option');
      entry.setAttribute('aria-selected', 'false');
      entry.dataset.row = row;
      entry.id = `${list.id}-${row}`;
      return entry;
    }));
  }

  // The entry the session selected shown selected; scrolled to only when out
  // of sight, so that the second press of a double click lands on it again.
  select(list, index) {
    for (const entry of list.querySelectorAll('.selected')) {
      entry.classList.remove('selected');
      entry.setAttribute('aria-selected', 'false');
    }
    const entry = list.children[index];
    // The entry a screen reader announces in the list.
    if (entry) list.setAttribute('aria-activedescendant', entry.id);
    else list.removeAttribute('aria-activedescendant');
    if (!entry) return;
    entry.classList.add('selected');
    entry.setAttribute('aria-selected', 'true');
    this.toScroll.push(entry);
  }

  // The list's rows are all of one height, measured once: a redraw reads no layout of the page.
  scrollToEntry(entry) {
    const list = entry.parentElement;
    if (!list.rowHeight) {
      list.rowHeight = entry.offsetHeight;
      list.rowsTop = list.firstChild.offsetTop - list.clientTop;
      list.viewHeight = list.clientHeight;
      list.seen = list.scrollTop;
      list.addEventListener('scroll', () => { list.seen = list.scrollTop; }, {passive: true});
    }
    const top = list.rowsTop + Number(entry.dataset.row) * list.rowHeight, bottom = top + list.rowHeight;
    if (bottom <= list.seen || top >= list.seen + list.viewHeight) {
      entry.scrollIntoView({block: 'nearest'});
      list.seen = list.scrollTop;
    }
  }

  // The focus handed back to the control it came from (when a menu, About or
  // the plan closes), or to the first in reading order, as the window starts.
  focusBack(e) {
    const shown = e && e !== document.body && e.isConnected && !e.closest('.hidden, [hidden]');
    (shown ? e : this.elements[this.table.reading[0].id]).focus({preventScroll: true});
  }

  // Whether the element is a box that keeps the undo keys, its paste and its menu while it has the focus.
  isTypingBox(e) {
    const id = this.elements.indexOf(e);
    return id >= 0 && this.control(id).typing;
  }

  // One event of the window: a click on a button or a list hands the undo
  // keys back to the sheet, as the session has them.
  run(name, ...args) {
    if (this.isTypingBox(document.activeElement)) this.root.focus();
    return this.redraw(this.call(name, ...args));
  }

  press(id) {
    const {name, box} = this.control(id);
    if (name === 'SAVE') return this.actions.get('save').run();  // a download, which the page makes
    const answer = this.run('kp_click', id);
    // The number a "+" or "-" changed, with the box's name, spoken unless a message is.
    if (box !== undefined && !answer.message) this.spoken.textContent = `${this.elements[box].getAttribute('aria-label')} ${this.elements[box].value}`;
  }

  // An entry clicked (the press selects it) or double clicked (a second
  // press on another entry clicks that entry first); a press on the scroll
  // bar or below the entries only scrolls, however quick.
  listPress(id, ev) {
    if (ev.button !== 0) return;
    const list = this.elements[id];
    list.focus({preventScroll: true});
    const entry = ev.target.closest('[role=option]');
    if (entry) ev.preventDefault();  // a press on the scroll bar still scrolls
    const row = entry ? Number(entry.dataset.row) : -1;
    if (row < 0) return;
    if (ev.detail % 2 === 1 || row !== this.shown[id].index) this.run('kp_select', id, row);
    if (ev.detail % 2 === 0) this.run('kp_dblclick', id);
  }

  typed(id) {
    const e = this.elements[id];
    const clean = e.value.replace(/\0/g, '');  // as raw() hands it on
    if (clean !== e.value) e.value = clean;
    this.raw('kp_typed', id, clean);
    this.shown[id] = {...this.shown[id], text: clean};
  }
}
