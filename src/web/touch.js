// The page on a phone or a tablet: where the viewport is narrower than the
// window, the same controls (their state, names and reading order one set)
// stand where the session's narrow table places them, a column centred on
// the page (two side by side where the page has room for them, as on a
// tablet held upright), in the window's fonts drawn larger, its groups named
// for a screen reader; a button beside each list that a double click applies
// or buys from does what the double click does, and one opens the menu. The
// page turns between the window and the narrow layout as the phone turns. Where the browser shares
// (a phone's apps), the menu shares the sheet.
import {pageLink} from './share.js';

export function installTouch(planner) {
  const {narrow, client, controls, fonts} = planner.table;
  const root = planner.root;
  const big = (font) => fonts[font].pixels * narrow.controls[0].fontScale;
  // The menu, the plan and goal panels and About in the larger font too.
  document.head.appendChild(document.createElement('style')).textContent =
    `.narrow .menu, .narrow #plan, .narrow #goal, .narrow .dialog { font-size: ${big('B8')}px; }\n` +
    `.narrow :is(#plan, #goal) * { font-size: ${big('B8')}px !important; }`;

  // The groups: a band each to read them apart by, and a heading each for a
  // screen reader before its first control.
  const firsts = new Map();
  narrow.controls.forEach((at, id) => { if (!firsts.has(at.group)) firsts.set(at.group, planner.elements[id]); });
  const shown = [];  // what the narrow page alone shows: [element, what it stands beside]
  const placed = [];  // what the narrow page alone shows, and where in the one column: [element, {group, left, top, width, height}]
  narrow.groups.forEach((group, g) => {
    const band = document.createElement('div');
    band.className = 'band';
    placed.push([band, {group: g, left: 4, top: group.top, width: narrow.width - 8, height: group.height}]);
    root.insertBefore(band, root.children[2]);  // after the caption and the spoken status, under every control
    const heading = document.createElement('h2');
    heading.className = 'spoken';
    heading.textContent = group.name;
    firsts.get(g).before(heading);
    shown.push([band, null], [heading, null]);
  });

  // A list's double click, or the menu, as a button.
  for (const b of narrow.buttons) {
    const e = document.createElement('button');
    e.type = 'button';
    e.className = 'button touch font-B8';
    e.textContent = b.caption;
    e.style.fontSize = big('B8') + 'px';
    placed.push([e, b]);
    e.addEventListener('mousedown', (ev) => ev.preventDefault());
    e.id = b.list < 0 ? 'menu-button' : `${controls[b.list].name}-apply`;
    if (b.list < 0) {
      e.setAttribute('aria-haspopup', 'menu');
      e.addEventListener('click', () => {
        const r = e.getBoundingClientRect();
        e.dispatchEvent(new MouseEvent('contextmenu', {bubbles: true, cancelable: true, clientX: r.left, clientY: r.top}));
      });
      root.appendChild(e);
    } else {
      const list = planner.elements[b.list];
      e.setAttribute('aria-label', `${b.caption} ${list.getAttribute('aria-label')}`);
      e.addEventListener('click', () => planner.run('kp_dblclick', b.list));
      list.after(e);
    }
    shown.push([e, b.list < 0 ? null : planner.elements[b.list]]);
    planner.touchButtons.set(b.list, e);
  }

  const html = document.documentElement;
  const wide = matchMedia(`(min-width: ${client.width}px)`), twoFit = matchMedia(`(min-width: ${narrow.two.room}px)`);
  const isNarrow = () => html.classList.contains('narrow');
  const follow = () => {
    for (const [e, beside] of shown) e.classList.toggle('hidden', !isNarrow() || !!beside && beside.classList.contains('hidden'));
  };
  // A place in the one column, or moved with its group into the second of two.
  const put = (e, at, shift = {left: 0, top: 0}) => Object.assign(e.style, {left: at.left + shift.left + 'px',
    top: at.top + shift.top + 'px', width: at.width + 'px', height: at.height + 'px'});
  const arrange = () => {
    const small = !wide.matches, two = small && twoFit.matches;
    const shift = (group) => two ? narrow.two.shifts[group] : undefined;
    html.classList.toggle('narrow', small);
    for (const [e, at] of placed) put(e, at, shift(at.group));
    controls.forEach((c, id) => {
      const e = planner.elements[id], at = small ? narrow.controls[id] : c.at;
      put(e, at, small ? shift(at.group) : undefined);
      e.style.fontSize = small ? fonts[c.font].pixels * at.fontScale + 'px' : '';
      if (c.kind === 'label' && c.center) e.style.textAlign = small ? 'center' : '';
      if (c.kind !== 'list') return;
      e.style.setProperty('--row', small ? at.rowHeight + 'px' : '');
      e.rowHeight = 0;  // measured again when next scrolled to
    });
    const size = two ? narrow.two : small ? narrow : client;
    Object.assign(root.style, {width: size.width + 'px', height: size.height + 'px'});
    follow();
    // Each list's highlighted entry kept in sight at its new size; the layout read once, after every change.
    for (const entry of root.querySelectorAll('.list > .selected')) {
      const list = entry.parentElement, below = entry.offsetTop + entry.offsetHeight - list.clientHeight;
      list.scrollTop = Math.min(Math.max(list.scrollTop, below), entry.offsetTop);
    }
  };
  // A screen narrower than the column shows it whole: the page is the column's width, which the browser scales down.
  const viewport = document.querySelector('meta[name=viewport]');
  const fit = () => {
    const scale = screen.width / narrow.width;
    viewport.content = scale < 1 ? `width=${narrow.width}, initial-scale=${scale}` : 'width=device-width, initial-scale=1';
  };
  if (screen.orientation) screen.orientation.addEventListener('change', fit);
  fit();
  wide.addEventListener('change', arrange);
  twoFit.addEventListener('change', arrange);
  if (wide.matches) follow();  // drawn as the window already: no layout read at start
  else arrange();

  // A message said after an action whose box is out of sight floats at the foot of the screen while it shows.
  const message = document.getElementById('message_window');
  planner.onRefresh.push((answer) => {
    follow();
    if (!answer.message || !isNarrow()) return message.classList.remove('floating');
    if (!answer.controls.some((s) => s.id === planner.message.id)) return;
    const r = message.getBoundingClientRect();
    if (r.bottom <= 0 || r.top >= innerHeight) message.classList.add('floating');
  });

  if (!navigator.share) return;
  planner.actions.set('share', {run: () => {
    const {name} = planner.run('kp_save');  // the bytes SAVE downloads
    const file = new File([planner.bytesOut()], name, {type: 'text/plain'});
    const files = navigator.canShare && navigator.canShare({files: [file]});
    return navigator.share(files ? {files: [file], title: name} : {title: planner.table.caption, url: pageLink(planner)})
      .catch((error) => { if (error.name !== 'AbortError') planner.run('kp_failed', 'share', error.message); });
  }});
}
