// The level plan beside the window (Ctrl+L): the plan of the character on
// show, following every change; Copy, Save... (a download of the session's
// bytes under the name it proposes), Print..., a level box with "Show this
// level" (one step that Ctrl+Z takes back), and Close (or Escape).
import {download} from './sheets.js';
import {copyText} from './share.js';

export function installPlan(planner) {
  let plan = null;  // made when first asked for
  const make = () => {
    const panel = document.createElement('div');
    panel.id = 'plan';
    panel.setAttribute('role', 'dialog');
    panel.setAttribute('aria-label', 'Level plan');
    panel.innerHTML = `<div class="title">Level plan</div><textarea readonly aria-label="Level plan"></textarea>
      <div class="row"><label>Level: <input type="number" min="1" value="1"></label>
      <button type="button" data-do="show">Show this level</button></div>
      <div class="row"><button type="button" data-do="copy">Copy</button><button type="button" data-do="save">Save...</button>
      <button type="button" data-do="print">Print...</button><span></span><button type="button" data-do="close">Close</button></div>`;
    const text = panel.querySelector('textarea');
    const level = panel.querySelector('input');
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
        planner.root.focus();
      },
    };
    for (const b of panel.querySelectorAll('button')) b.addEventListener('click', () => actions[b.dataset.do]());
    panel.addEventListener('keydown', (ev) => {
      if (ev.key === 'Escape') actions.close();
      if (ev.key === 'Enter' && ev.target === level) actions.show();
    });
    // Ctrl+C with nothing selected in it copies the whole plan; Ctrl+P prints it.
    panel.addEventListener('focusin', () => { planner.panelText = () => text.value; });
    panel.addEventListener('focusout', () => { planner.panelText = null; });
    document.body.appendChild(panel);
    plan = {panel, text, level};
  };

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
    plan.panel.hidden = false;
    follow();
    plan.text.focus();
  }});
}
