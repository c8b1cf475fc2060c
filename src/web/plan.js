'use strict';
// The level plan beside the window (Ctrl+L): the plan of the character on
// show, following every change; Copy, Save... (a download in the sheet's
// code page and line ends), Print..., a level box with "Show this level"
// (one step that Ctrl+Z takes back), and Close (or Escape).

Planner.parts.push((planner) => {
  let panel = null;
  const make = () => {
    panel = document.createElement('div');
    panel.id = 'plan';
    panel.setAttribute('role', 'dialog');
    panel.setAttribute('aria-label', 'Level plan');
    panel.innerHTML = `<div class="title">Level plan</div><textarea readonly aria-label="Level plan"></textarea>
      <div class="row"><label>Level: <input type="number" min="1" value="1"></label>
      <button type="button" data-do="show">Show this level</button></div><div class="message"></div>
      <div class="row"><button type="button" data-do="copy">Copy</button><button type="button" data-do="save">Save...</button>
      <button type="button" data-do="print">Print...</button><span></span><button type="button" data-do="close">Close</button></div>`;
    const text = panel.querySelector('textarea');
    const level = panel.querySelector('input');
    const message = panel.querySelector('.message');
    const actions = {
      show: () => planner.run('kp_show_level', Math.max(1, Math.min(Number(level.value) || 1, Number(level.max)))),
      copy: () => navigator.clipboard.writeText(text.value).then(() => { message.textContent = ''; },
                                                                  () => { message.textContent = 'could not copy'; }),
      save: () => {
        const at = planner.raw('kp_plan_bytes');
        const sheetName = planner.text('kp_file_name');
        planner.download(planner.wasm.HEAPU8.slice(at, at + planner.raw('kp_sheet_size')),
                         sheetName.endsWith('.txt') ? sheetName.slice(0, -4) + ' plan.txt' : 'plan.txt');
      },
      print: () => {
        planner.printText = () => text.value;
        window.print();
        planner.printText = null;
      },
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
    panel.addEventListener('focusin', () => {
      planner.copyText = () => text.value;
      planner.printText = () => text.value;
    });
    panel.addEventListener('focusout', () => {
      planner.copyText = null;
      planner.printText = null;
    });
    document.body.appendChild(panel);
    planner.plan = {panel, text, level, actions};
  };

  const follow = () => {
    if (!panel || panel.hidden) return;
    const shown = planner.text('kp_plan_text');
    if (planner.plan.text.value !== shown) planner.plan.text.value = shown;
    planner.plan.level.max = Number(planner.shown[planner.id('Clevel')].text) || 1;
  };
  planner.onRefresh.push(follow);
  planner.element('PCname').addEventListener('input', follow);  // the name typed follows at once

  planner.commands.set('plan', {label: 'Level plan', keys: ['Ctrl+L'], run: () => {
    if (!panel) make();
    panel.hidden = false;
    follow();
    planner.plan.text.focus();
    return true;
  }});
});
