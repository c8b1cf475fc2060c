// The desktop's end-to-end session (tests/e2e/session_test.sh) played on the
// web page in headless Chromium or, given "firefox", Firefox ESR: real mouse
// clicks at the layout's positions and real keys or, given "keys", the keyboard
// alone; SAVE's download must be exactly the expected sheet, under the name the desktop proposes.
// Usage: node session_test.js page.html expected_session.txt artefact-dir [mouse|keys] [firefox]
'use strict';
const fs = require('fs');
const { openPage, openFirefox, click } = require('./browser');

const [pagePath, expectedPath, artefacts, mode = 'mouse', browserName = 'chromium'] = process.argv.slice(2);
const firefox = browserName === 'firefox';

(async () => {
  const { browser, page, errors } = await (firefox ? openFirefox : openPage)(pagePath);
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
  const failures = [];
  if (errors.length) failures.push('the page reported errors: ' + errors.join('; '));
  if (name !== 'Kethmor Dwarf Adventur.txt') failures.push('download named ' + name);
  if (!got.equals(want)) failures.push('the downloaded sheet differs:\n' + JSON.stringify(got.toString('latin1')));
  if (failures.length) {
    console.error(failures.join('\n'));
    process.exit(1);
  }
  console.log(`${mode} session on the page in ${browserName} downloaded the expected sheet`);
})().catch((e) => { console.error(e); process.exit(1); });
