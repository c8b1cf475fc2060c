// The desktop's end-to-end session (tests/e2e/session_test.sh) played on the
// web page in headless Chromium or, given "firefox", Firefox ESR: real mouse
// clicks at the layout's positions and real keys or, given "keys", the keyboard
// alone; SAVE's download must be exactly the expected sheet, under the name the
// desktop proposes. Given "phone" or "tablet", played by taps alone on a touch
// screen of that size: the narrow layout (a tablet's in two columns), never
// wider than the screen, what a finger acts on at least 44 pixels square, its
// text at least 13, and the sheet shared from the menu.
// Usage: node session_test.js page.html expected_session.txt artefact-dir [mouse|keys|phone|tablet] [firefox]
'use strict';
const fs = require('fs');
const { openPage, openFirefox, click } = require('./browser');

const [pagePath, expectedPath, artefacts, mode = 'mouse', browserName = 'chromium'] = process.argv.slice(2);
const firefox = browserName === 'firefox';
const touch = {phone: {viewport: {width: 390, height: 844}, hasTouch: true, isMobile: true, deviceScaleFactor: 3},
               tablet: {viewport: {width: 768, height: 1024}, hasTouch: true}}[mode];

// Every target shown smaller than 44 pixels square, every text under 13 pixels, a sideways scroll.
function faults(when) {
  const out = [], view = document.documentElement;
  for (const e of document.querySelectorAll('#window > :not(.hidden, .spoken, .band), #window > * > [role=option], .menu *, #goal:not([hidden]) :is(.button, select, input[type=number])')) {
    const r = e.getBoundingClientRect(), size = parseFloat(getComputedStyle(e).fontSize);
    if (e.matches(':not(.label, .menu *), [role=menuitem]') && r.width && (r.width < 44 || r.height < 44)) out.push(`${when}: ${e.id || e.textContent} is ${r.width}x${r.height}`);
    if (size < 13) out.push(`${when}: ${e.id || e.textContent} has ${size}px text`);
  }
  if (view.scrollWidth > view.clientWidth) out.push(`${when}: the page scrolls sideways`);
  return out;
}

(async () => {
  // Where the browser shares, the data shared kept for the test.
  const { browser, page, errors } = await (firefox ? openFirefox : openPage)(pagePath, touch, touch && (() => {
    navigator.share = (data) => { window.shared = data; return Promise.resolve(); };
    navigator.canShare = (data) => !!data.files;
  }));
  const failures = [];
  const key = async (...keys) => { for (const k of keys) await page.keyboard.press(k); };
  // Tab along the reading order until the named control has the focus.
  const tabTo = async (name) => {
    for (let i = 0; await page.evaluate(() => document.activeElement.id) !== name; ++i) {
      if (i === 100) throw new Error('Tab does not reach ' + name);
      await key('Tab');
    }
  };
  const press = async (name) => { await tabTo(name); await key(firefox ? ' ' : 'Space'); };  // as each driver names it
  const type = (text) => page.keyboard.type(text, {delay: 5});
  // In Firefox the download is taken from the page's link as it is clicked: its name and the bytes of its address.
  const download = firefox ? page.evaluate(() => { HTMLAnchorElement.prototype.click = function () {
    const name = this.download, html = document.documentElement;
    fetch(this.href).then((r) => r.arrayBuffer()).then((b) => { html.dataset.saved = JSON.stringify([name, [...new Uint8Array(b)]]); });
  }; }).then(() => page.waitForSelector('html[data-saved]', {timeout: 60000})).then(() => page.$eval('html', (e) => JSON.parse(e.dataset.saved)))
    : page.waitForEvent('download').then(async (d) => [d.suggestedFilename(), fs.readFileSync(await d.path())]);
  if (mode === 'keys') {                           // the race list has the focus first
    await key('Home', 'Enter');                    // Dwarf
    await tabTo('Background_Selection'); await key('Home', 'ArrowDown', 'Enter');  // Apprentice to a Shopkeeper
    await tabTo('Spell_list'); await key('Home', 'Enter');  // Unseen Force
    await press('Tech_select');
    await tabTo('Tech_list'); await key('Home', 'ArrowDown', 'ArrowDown');  // Explosives
    await tabTo('Schematic_list'); await key('Home', 'Enter');  // Bullets
    await tabTo('PCname'); await type('Kethmor Dwarf Adventurer X');
    for (const b of ['Hitpoints_plus', 'levelup', 'Clear', 'Magick_select']) await press(b);
    await tabTo('Spell_list'); await key('Home', 'Enter');  // Unseen Force again
    await tabTo('alternativebackground'); await type('Line one'); await key('Enter'); await type('Line two');
    for (const b of ['ST_plus', 'bow_plus', 'SAVE']) await press(b);
  } else if (touch) {
    const tap = async (selector, times = 1) => {
      for (let i = 0; i < times; ++i) await page.tap(selector);
      failures.push(...await page.evaluate(faults, `after ${selector}`));
    };
    await tap('#PCname'); await type('Kethmor Dwarf Adventurer X');
    await tap('#alternativebackground'); await type('Line one'); await key('Enter'); await type('Line two');
    await tap('#Race_Selection-0'); await tap('#Race_Selection-apply');  // Dwarf
    await tap('#Background_Selection-1', 2);       // a double tap
    for (const b of ['ST_plus', 'Hitpoints_plus', 'bow_plus']) await tap('#' + b);
    await tap('#Spell_list-0'); await tap('#Spell_list-apply');  // Unseen Force
    await tap('#Tech_select'); await tap('#Tech_list-2');        // Explosives
    await tap('#Schematic_list-0', 2);             // Bullets
    for (const b of ['levelup', 'Clear', 'Magick_select']) await tap('#' + b);
    await tap('#Spell_list-0', 2);                 // Unseen Force again
    await tap('#menu-button'); await tap('.menu [data-command=plan]');
    if (!await page.$eval('#plan', (e) => e.offsetWidth === document.documentElement.clientWidth)) failures.push('the level plan is narrower than the screen');
    await tap('#plan [data-do=close]');
    await tap('#menu-button'); await tap('.menu [data-command=goal]'); await tap('#goal [data-do=add]');
    if (!await page.$eval('#goal', (e) => e.offsetWidth === document.documentElement.clientWidth &&
                          /^Least level: 1$/m.test(e.querySelector('textarea').value))) failures.push('the goal panel is narrower than the screen, or without its answer');
    await tap('#goal [data-do=close]');
    await tap('#menu-button'); await tap('.menu [data-command=share]');
    const sent = await page.evaluate(async () => { const [file] = window.shared.files; return [file.name, Array.from(new Uint8Array(await file.arrayBuffer()))]; });
    if (!Buffer.from(sent[1]).equals(fs.readFileSync(expectedPath))) failures.push(`the sheet shared as ${sent[0]} differs`);
    await page.addScriptTag({path: require.resolve('axe-core')});
    const broken = await page.evaluate(() => globalThis.axe.run(document, {rules: {'color-contrast': {enabled: false}}})
      .then((r) => r.violations.map((v) => v.id)));
    if (broken.length) failures.push('axe-core finds ' + broken.join(', '));
    await page.focus('#Race_Selection'); await key('Tab');  // a keyboard beside the touch screen
    if (await page.evaluate(() => document.activeElement.id) !== 'Race_Selection-apply') failures.push('Tab skips the Apply button');
    await page.focus('#menu-button'); await key('Tab');
    if (await page.evaluate(() => document.activeElement.id) === 'menu-button') failures.push('Tab stays on the menu button');
    await tap('#SAVE');
    // Turned wide enough, the window's layout; turned back, the column (a tablet's two, side by side).
    for (const [viewport, width] of [[{width: 844, height: 390}, 790], [touch.viewport, mode === 'tablet' ? 728 : 360]]) {
      await page.setViewportSize(viewport);
      await page.waitForFunction((w) => document.getElementById('window').offsetWidth === w, width, {timeout: 3000})
        .catch(() => failures.push(`turned to ${viewport.width} pixels wide, the page is not ${width} wide`));
    }
    if (mode === 'phone') {  // a phone narrower than the column
      const small = await openPage(pagePath, {...touch, viewport: {width: 320, height: 568}});
      if (await small.page.evaluate(() => visualViewport.width < document.documentElement.scrollWidth)) failures.push('a 320-pixel screen shows part of the column');
      await small.browser.close();
    }
  } else {
    await click(page, 'PCname'); await type('Kethmor Dwarf Adventurer X');  // 26 characters: 22 are kept
    await click(page, 'alternativebackground'); await type('Line one'); await key('Enter'); await type('Line two');
    await click(page, 'Race_Selection#5'); await key('Home', 'Enter');  // opens on Human/male; Home moves to the dwarf
    await click(page, 'Background_Selection#1', 2);  // not selected before: the first press selects it
    for (const b of ['ST_plus', 'Hitpoints_plus', 'bow_plus']) await click(page, b);
    await click(page, 'Spell_list#0', 2);           // Unseen Force
    await click(page, 'Tech_select'); await click(page, 'Magick_list#2');  // the rectangle now holds the tech list: Explosives
    await click(page, 'Spell_list#0', 2);           // the schematic list's first row: Bullets
    for (const b of ['levelup', 'Clear', 'Magick_select']) await click(page, b);
    await click(page, 'Spell_list#0', 2);           // Unseen Force again
    await click(page, 'SAVE');
  }
  const [name, bytes] = await download, got = Buffer.from(bytes);
  fs.mkdirSync(artefacts, {recursive: true});
  await page.screenshot({path: `${artefacts}/web-session-${mode}${firefox ? '-firefox' : ''}.png`});
  await browser.close();
  const want = fs.readFileSync(expectedPath);
  if (errors.length) failures.push('the page reported errors: ' + errors.join('; '));
  if (name !== 'Kethmor Dwarf Adventur.txt') failures.push('download named ' + name);
  if (!got.equals(want)) failures.push('the downloaded sheet differs:\n' + JSON.stringify(got.toString('latin1')));
  if (failures.length) {
    console.error(failures.join('\n'));
    process.exit(1);
  }
  console.log(`${mode} session on the page in ${browserName} downloaded the expected sheet`);
})().catch((e) => { console.error(e); process.exit(1); });
