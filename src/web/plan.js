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
// the page's room, at the desktop's size, no narrower than its widest row of
// controls, nor lower than `leastHeight` (0: as the plan).
export function placePanel(planner, panel, rows, leastHeight = 0) {
  if (panel.hidden) return;
  const style = getComputedStyle(panel);
  const sides = parseFloat(style.paddingLeft) * 2 + parseFloat(style.borderLeftWidth) * 2;
  const least = Math.max(...rows.map((r) => Array.from(r.children).reduce((w, e) => w + e.offsetWidth, 0) +
                                             parseFloat(getComputedStyle(r).columnGap) * (r.children.length - 1)));
  const view = document.documentElement, drawn = planner.root.getBoundingClientRect();
  const {width, height} = planner.table.plan;
  const at = planner.call('kp_plan_place', view.clientWidth, view.clientHeight, Math.round(drawn.left),
                          Math.round(drawn.top), width, height, Math.ceil(least + sides), leastHeight);
  Object.assign(panel.style, {left: at.x + 'px', top: at.y + 'px', width: at.width + 'px', height: at.height + 'px'});
}

export function installPlan(planner) {
  let plan = null;  // made when first asked for
  let from = null;  // the control that had the focus before it
  const make = () => {
    const {title, controls} = planner.table.plan;
    const panel = document.createElement('div');
    panel.id = 'plan';
    panel.setAttribute('role', 'dialog');
    panel.setAttribute('aria-label', title);
    panel.style.font = planner.font('B8');
    const text = document.createElement('textarea');
    text.className = 'box';
    text.readOnly = true;
    text.setAttribute('aria-label', title);
    text.style.font = planner.font('R8');
    const level = document.createElement('input');
    Object.assign(level, {type: 'number', min: 1, value: 1, className: 'box', id: 'plan-level'});
    const keys = new Map();  // an Alt key's letter -> its control
    const made = controls.map(({name, label}) => {
      const e = labelled(document.createElement(name === 'level' ? 'label' : 'button'), label);
      keys.set(label[label.indexOf('&') + 1].toUpperCase(), name === 'level' ? level : e);
      if (name === 'level') e.htmlFor = level.id;
      else Object.assign(e, {type: 'button', className: 'button'}).dataset.do = name;
      return e;
    });
    const levelRow = document.createElement('div'), buttons = document.createElement('div'), stretch = document.createElement('span');
    levelRow.className = buttons.className = 'row';
    levelRow.append(made[0], level, made[1]);
    buttons.append(made[2], made[3], made[4], stretch, made[5]);
    const heading = document.createElement('div');
    heading.className = 'title';
    heading.textContent = title;
    panel.append(heading, text, levelRow, buttons);
    const actions = {
      show: () => planner.run('kp_show_level', planner.raw('kp_plan_level', level.value)),
      copy: () => copyText(planner, text.value),
      save: () => {
        planner.raw('kp_plan_bytes');
        download(planner.bytesOut(), planner.call('kp_plan').fileName);
      },
      print: () => window.print(),  // the plan: the panel has the focus
      close: () => {
        panel.hidden = true;
        planner.focusBack(from);
      },
    };
    for (const b of panel.querySelectorAll('button')) b.addEventListener('click', () => actions[b.dataset.do]());
    panel.addEventListener('keydown', (ev) => {
      const key = ev.altKey && !ev.ctrlKey && !ev.metaKey && /^Key[A-Z]$/.test(ev.code) && keys.get(ev.code.slice(3));
      if (key) {
        ev.preventDefault();
        if (key === level) level.focus();
        else key.click();
      }
      if (ev.key === 'Escape') actions.close();
      if (ev.key === 'Enter' && ev.target === level) actions.show();
    });
    // Ctrl+C with nothing selected in it copies the whole plan; Ctrl+P prints it.
    panel.addEventListener('focusin', () => { planner.panelText = () => text.value; });
    panel.addEventListener('focusout', () => { planner.panelText = null; });
    document.body.appendChild(panel);
    plan = {panel, text, level, rows: [levelRow, buttons]};
  };

  // Where the session places it in the page's room, beside the window, at the desktop's size.
  const place = () => plan && placePanel(planner, plan.panel, plan.rows);
  window.addEventListener('resize', place);

  const follow = () => {
    if (!plan || plan.panel.hidden) return;
    const {text, levels} = planner.call('kp_plan');
    if (plan.text.value !== text) plan.text.value = text;
    plan.level.max = levels;
  };
  planner.onRefresh.push(follow);
  planner.root.addEventListener('input', follow);  // what is typed follows at once

  planner.actions.set('plan', {run: () => {
    if (!plan) make();
    if (!plan.panel.contains(document.activeElement)) from = document.activeElement;
    plan.panel.hidden = false;
    follow();
    place();
    plan.text.focus({preventScroll: true});
  }});
}
