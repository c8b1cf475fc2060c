// The goal beside the window (Ctrl+G): targets picked from what the
// window's lists offer, each with the value it asks for, the level at most,
// the current race and background or every pair; the answer following every
// edit, Apply (one step that Ctrl+Z takes back), Copy, and Close (or
// Escape); each control with its Alt key, in the window's fonts and button
// faces. It stands where the session places the plan, as on the desktop.
import {copyText} from './share.js';
import {installPanel, panelControls} from './plan.js';

export function installGoal(planner) {
  installPanel(planner, 'goal', 'goal', (panel) => {
    const {title, controls, choices, mostValue, levelCap, leastHeight} = planner.call('kp_goal_table');
    const made = (tag, props) => Object.assign(document.createElement(tag), props);
    const e = {
      pick: made('select', {id: 'goal-pick', className: 'box'}),
      targets: made('select', {id: 'goal-targets', className: 'list', size: 5}),
      value: made('input', {id: 'goal-value', className: 'box', type: 'number', min: 0, max: mostValue}),
      byLevel: made('input', {id: 'goal-by-level', className: 'box', type: 'number', min: 1, max: levelCap}),
      allPairs: made('input', {id: 'goal-all-pairs', type: 'checkbox'}),
    };
    const text = made('textarea', {className: 'box', readOnly: true});
    e.pick.append(...choices.map(({name}) => made('option', {textContent: name})));
    text.style.font = e.targets.style.font = planner.font('R8');
    text.setAttribute('aria-label', title);
    const {c, keys} = panelControls(controls, e);
    const row = (...children) => {
      const r = made('div', {className: 'row'});
      r.append(...children);
      return r;
    };
    const side = made('div', {className: 'side'});
    side.append(row(c.value, e.value), row(c.remove));
    const rows = [row(c.pick, e.pick, c.add), row(c.byLevel, e.byLevel, row(e.allPairs, c.allPairs)),
                  row(c.apply, c.copy, made('span'), c.close)];
    panel.append(rows[0], c.targets, row(e.targets, side), rows[1], text, rows[2]);

    // The panel drawn as the session has it; what is being typed in is left as typed.
    const draw = (s, typing) => {
      const names = Array.from(e.targets.options, (o) => o.textContent);
      if (names.join('\n') !== s.targets.join('\n')) e.targets.replaceChildren(...s.targets.map((t) => made('option', {textContent: t})));
      e.targets.selectedIndex = s.selected;
      if (typing !== e.value) e.value.value = s.value;
      if (typing !== e.byLevel) e.byLevel.value = s.byLevel;
      e.value.disabled = !s.valued;
      c.remove.disabled = s.selected < 0;
      e.allPairs.checked = s.allPairs;
      if (text.value !== s.text) text.value = s.text;
      c.apply.disabled = !s.canApply;
    };
    const edit = (name, ...args) => draw(planner.call(name, ...args), document.activeElement);
    const actions = {
      add: () => edit('kp_goal_add', e.pick.selectedIndex),
      remove: () => edit('kp_goal_remove'),
      apply: () => planner.run('kp_goal_apply'),
      copy: () => copyText(planner, text.value),
    };
    e.targets.addEventListener('change', () => edit('kp_goal_select', e.targets.selectedIndex));
    e.value.addEventListener('input', () => edit('kp_goal_value', Math.trunc(Number(e.value.value)) || 0));
    e.byLevel.addEventListener('input', () => edit('kp_goal_by_level', Math.trunc(Number(e.byLevel.value)) || levelCap));
    for (const box of [e.value, e.byLevel]) box.addEventListener('change', () => draw(planner.call('kp_goal')));
    e.allPairs.addEventListener('change', () => edit('kp_goal_all_pairs', e.allPairs.checked ? 1 : 0));
    const onKey = (ev) => {
      if (ev.key === 'Enter' && ev.target === e.pick) {
        ev.preventDefault();  // not the browser's list of choices: Enter adds, as on the desktop
        actions.add();
      }
      if (ev.key === 'Delete' && ev.target === e.targets) actions.remove();
    };
    // The answer follows the character: its race and background, what is typed.
    const follow = () => draw(planner.call('kp_goal'));
    return {title, rows, keys, actions, text, first: e.pick, follow, onKey, leastHeight};
  });
}
