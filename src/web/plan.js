// The level plan beside the window (Ctrl+L): the plan of the character on
// show, following every change; Copy, Save... (a download of the session's
// bytes under the name it proposes), Print..., a level box with "Show this
// level" (one step that Ctrl+Z takes back), and Close (or Escape); each with
// its Alt key, in the window's fonts and button faces. It stands where the
// session places it in the page's room, as the desktop places its window.
import {download} from './sheets.js';
import {copyText} from './share.js';

// An element whose text is a label of the session's ("S&how this level"): the letter after "&" underlined.
export function labelled(e, label) {
  const at = label.indexOf('&');
  const letter = document.createElement('u');
  letter.textContent = label[at + 1];
  e.append(label.slice(0, at), letter, label.slice(at + 2));
  e.setAttribute('aria-keyshortcuts', 'Alt+' + letter.textContent.toUpperCase());
  return e;
}

// Where the session places a panel beside the window (the plan, the goal) in
// the page's room, clear of the other panel where it is open, at the
// desktop's size, no narrower than its widest row of controls, nor lower than
// `leastHeight` (0: as the plan).
export function placePanel(planner, panel, rows, leastHeight = 0) {
  if (panel.hidden) return;
  const style = getComputedStyle(panel);
  const sides = parseFloat(style.paddingLeft) * 2 + parseFloat(style.borderLeftWidth) * 2;
  const least = Math.max(...rows.map((r) => Array.from(r.children).reduce((w, e) => w + e.offsetWidth, 0) +
                                             parseFloat(getComputedStyle(r).columnGap) * (r.children.length - 1)));
  const view = document.documentElement, drawn = planner.root.getBoundingClientRect();
  const {width, height} = planner.table.plan;
  const open = Array.from(document.querySelectorAll('.panel')).find((p) => p !== panel && !p.hidden);
  const other = open ? open.getBoundingClientRect() : {left: 0, top: 0, width: 0, height: 0};
  const at = planner.call('kp_plan_place', view.clientWidth, view.clientHeight, Math.round(drawn.left),
                          Math.round(drawn.top), width, height, Math.ceil(least + sides), leastHeight,
                          ...[other.left, other.top, other.width, other.height].map(Math.round));
  Object.assign(panel.style, {left: at.x + 'px', top: at.y + 'px', width: at.width + 'px', height: at.height + 'px'});
}

// The controls of a panel's table: a label for each one naming a box or a
// list of `boxes`, else a button whose data-do names its action; `keys`: an
// Alt key's letter -> its control.
export function panelControls(controls, boxes) {
  const keys = new Map(), c = {};
  for (const {name, label} of controls) {
    const box = boxes[name];
    c[name] = labelled(document.createElement(box ? 'label' : 'button'), label);
    if (box) c[name].htmlFor = box.id;
    else Object.assign(c[name], {type: 'button', className: 'button'}).dataset.do = name;
    keys.set(label[label.indexOf('&') + 1].toUpperCase(), box || c[name]);
  }
  return {c, keys};
}

// A panel beside the window (the plan, the goal) that `command` opens: a
// dialog under its title in the window's font, made when first opened by
// `make(panel)`, which gives its {title, rows, keys, actions, text, first,
// follow, onKey, leastHeight}. A button runs the action its data-do names, an Alt key
// reaches its control, Escape (or Close) closes it and gives the focus back;
// Ctrl+C with nothing selected in it copies `text`; it stands where the
// session places it and follows the character while shown.
export function installPanel(planner, command, id, make) {
  let made = null;  // made when first asked for
  let from = null;  // the control that had the focus before it
  const close = () => {
    made.panel.hidden = true;
    planner.focusBack(from);
  };
  const build = () => {
    const panel = Object.assign(document.createElement('div'), {id, className: 'panel', hidden: true});
    panel.style.font = planner.font('B8');
    const parts = make(panel);
    panel.setAttribute('role', 'dialog');
    panel.setAttribute('aria-label', parts.title);
    panel.prepend(Object.assign(document.createElement('div'), {className: 'title', textContent: parts.title}));
    const actions = {...parts.actions, close};
    for (const b of panel.querySelectorAll('button')) b.addEventListener('click', () => actions[b.dataset.do]());
    panel.addEventListener('keydown', (ev) => {
      const key = ev.altKey && !ev.ctrlKey && !ev.metaKey && /^Key[A-Z]$/.test(ev.code) && parts.keys.get(ev.code.slice(3));
      if (key) {
        ev.preventDefault();
        if (key.tagName === 'BUTTON' || key.type === 'checkbox') key.click();
        if (key.tagName !== 'BUTTON') key.focus();
      }
      if (ev.key === 'Escape') close();
      else if (parts.onKey) parts.onKey(ev, actions);
    });
    panel.addEventListener('focusin', () => { planner.panelText = () => parts.text.value; });
    panel.addEventListener('focusout', () => { planner.panelText = null; });
    document.body.appendChild(panel);
    made = {panel, ...parts};
  };

  const place = () => made && placePanel(planner, made.panel, made.rows, made.leastHeight);
  window.addEventListener('resize', place);
  const follow = () => {
    if (made && !made.panel.hidden) made.follow();
  };
  planner.onRefresh.push(follow);
  planner.root.addEventListener('input', follow);  // what is typed follows at once

  planner.actions.set(command, {run: () => {
    if (!made) build();
    if (!made.panel.contains(document.activeElement)) from = document.activeElement;
    made.panel.hidden = false;
    follow();
    place();
    made.first.focus({preventScroll: true});
  }});
}

export function installPlan(planner) {
  const {title, controls} = planner.table.plan;
  installPanel(planner, 'plan', 'plan', (panel) => {
    const text = document.createElement('textarea');
    text.className = 'box';
    text.readOnly = true;
    text.setAttribute('aria-label', title);
    text.style.font = planner.font('R8');
    const level = document.createElement('input');
    Object.assign(level, {type: 'number', min: 1, value: 1, className: 'box', id: 'plan-level'});
    const {c, keys} = panelControls(controls, {level});
    const levelRow = document.createElement('div'), buttons = document.createElement('div');
    levelRow.className = buttons.className = 'row';
    levelRow.append(c.level, level, c.show);
    buttons.append(c.copy, c.save, c.print, document.createElement('span'), c.close);
    panel.append(text, levelRow, buttons);
    const actions = {
      show: () => planner.run('kp_show_level', planner.raw('kp_plan_level', level.value)),
      copy: () => copyText(planner, text.value),
      save: () => {
        planner.raw('kp_plan_bytes');
        download(planner.bytesOut(), planner.call('kp_plan').fileName);
      },
      print: () => window.print(),  // the plan: the panel has the focus; Ctrl+P prints it too
    };
    const follow = () => {
      const shown = planner.call('kp_plan');
      if (text.value !== shown.text) text.value = shown.text;
      level.max = shown.levels;
    };
    const onKey = (ev) => { if (ev.key === 'Enter' && ev.target === level) actions.show(); };
    return {title, rows: [levelRow, buttons], keys, actions, text, first: text, follow, onKey};
  });
}
