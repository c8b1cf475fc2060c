// Checks of the page in headless Chromium, one fact each, named: a caption's
// place, colour and font, a refusal's message, undo and redo of the sheet and
// of typing, the Tab order, opening a sheet and refusing a file that is none,
// the focus handed on from a list hidden, the level plan, the menu, About,
// the printed sheet, the last session kept by Quit and opened by
// Ctrl+Shift+O, and files dropped on a text box.
// Usage: node page_test.js page.html
'use strict';
const fs = require('fs');
const path = require('path');
const { openPage, click } = require('./browser');

const failures = [];
const expect = (what, got, want) => {
  if (JSON.stringify(got) !== JSON.stringify(want)) failures.push(`${what}: got ${JSON.stringify(got)}, want ${JSON.stringify(want)}`);
};
const sheet = fs.readFileSync(path.join(__dirname, '../e2e/expected_session.txt'));

(async () => {
  const { browser, page, errors } = await openPage(process.argv[2]);
  const value = (id) => page.$eval('#' + id, (e) => e.value ?? e.textContent);
  const focused = () => page.evaluate(() => document.activeElement.id);

  expect('the page titled with the caption', await page.title(), 'Kethmor Character Planner v 1.7');
  const st = await page.$eval('#Label5', (e) => {
    const r = e.getBoundingClientRect(), s = getComputedStyle(e);
    return [e.textContent, r.left, r.top, r.width, r.height, s.color, s.fontWeight, s.fontSize];
  });
  expect('"ST:" caption: text, place, size, colour, weight, size', st,
         ['ST:', 520, 64, 25, 17, 'rgb(0, 255, 255)', '700', '13px']);

  for (let i = 0; i < 6; ++i) await click(page, 'ST_plus');
  expect('the sixth strength point is refused', await value('message_window'), 'No CPs left');
  expect('a refusal is written in red', await page.$eval('#message_window', (e) => getComputedStyle(e).color), 'rgb(255, 0, 0)');

  await page.keyboard.press('Control+z');
  expect('Ctrl+Z takes back a point', [await value('Strength'), await value('CPs_remaining')], ['12', '1']);
  await page.keyboard.press('Control+y');
  expect('Ctrl+Y does it again', await value('Strength'), '13');
  await page.keyboard.press('Control+z');
  await page.keyboard.press('Control+Shift+Z');
  expect('Ctrl+Shift+Z does it again', await value('Strength'), '13');
  await click(page, 'PCname');
  await page.keyboard.type('Abc');
  await page.keyboard.press('Control+z');
  expect('Ctrl+Z in the name box undoes the typing', [await value('PCname'), await value('Strength')], ['', '13']);

  await page.reload();
  await page.waitForSelector('html[data-ready="1"]');
  const visited = [await focused()];
  for (let i = 0; i < 9; ++i) await page.keyboard.press('Tab'), visited.push(await focused());
  expect('Tab visits in reading order', visited,
         ['Race_Selection', 'Background_Selection', 'Magick_select', 'Tech_select', 'Magick_list', 'Spell_list', 'PCname',
          'Hitpoints_minus', 'Hitpoints_plus', 'Fatigue_minus']);
  for (let i = 0; i < 10; ++i) await page.keyboard.press('Shift+Tab');
  expect('Shift+Tab before the first control is Quit', await focused(), 'Quit');
  await click(page, 'Magick_list#1');
  await click(page, 'Tech_select');
  expect('the magick list hidden with the focus hands it to the tech list in its place', await focused(), 'Tech_list');

  const open = async (name, buffer) => {
    await page.setInputFiles('#open-file', {name, mimeType: 'text/plain', buffer});
    await page.waitForFunction(() => true);
    await page.waitForTimeout(100);
  };
  await open('notes.txt', Buffer.from('hello\r\n'));
  expect('a file that is no sheet is refused, in full as the message box\'s tool tip',
         await page.$eval('#message_window', (e) => e.title), 'notes.txt is not a character sheet');
  await open('hero.txt', sheet);
  expect('a sheet opens into its character', [await value('PCname'), await value('Current_race'), await value('Clevel')],
         ['Kethmor Dwarf Adventur', 'Dwarf', '2']);
  await page.keyboard.press('Control+z');
  expect('Ctrl+Z takes the opened sheet back', await value('Current_race'), 'Human/male');
  await page.keyboard.press('Control+y');

  await page.keyboard.press('Control+l');
  expect('Ctrl+L shows the plan of the character on show', (await page.$eval('#plan textarea', (e) => e.value)).split('\n')[1],
         'Level 1 (5 CPs): Strength, Hit points, Bow, Unseen Force');
  await page.keyboard.press('Escape');
  await page.mouse.click(300, 462, {button: 'right'});  // on a caption
  expect('a right click opens the menu, Redo greyed with nothing to do again',
         await page.$$eval('.menu [aria-disabled]', (es) => es.map((e) => e.dataset.command)), ['redo']);
  await page.click('.menu [data-command=about]');
  expect('About names the version', (await page.$eval('.dialog p', (e) => e.textContent)).split('\n')[0],
         'Kethmor Character Planner 1.7');
  await page.click('.dialog button');
  const pdf = path.join(require('os').tmpdir(), `kethmor-sheet-${process.pid}.pdf`);
  await page.pdf({path: pdf});
  const printed = require('child_process').execFileSync('pdftotext', ['-layout', pdf, '-']).toString();
  fs.unlinkSync(pdf);
  const line = (head) => printed.split('\n').find((l) => l.startsWith(head)) || '';
  expect('the printed sheet holds its lines', /^Bow:\s+1\s+Dodge:\s+0$/.test(line('Bow:')), true);
  expect('the printed sheet keeps its columns', line('Bow:').indexOf('Dodge:'), line('Melee:').indexOf('Throwing:'));

  await click(page, 'Quit');
  await page.reload();
  await page.waitForSelector('html[data-ready="1"]');
  expect('the page starts on the blank character', await value('PCname'), '');
  await page.keyboard.press('Control+Shift+O');
  expect('Ctrl+Shift+O opens the last session, kept by Quit', await value('PCname'), 'Kethmor Dwarf Adventur');
  await page.keyboard.press('Control+z');
  const dropped = await page.evaluateHandle((text) => {
    const files = new DataTransfer();
    for (const name of ['dropped.txt', 'second.txt']) files.items.add(new File([text], name, {type: 'text/plain'}));
    return files;
  }, sheet.toString('latin1'));
  await page.dispatchEvent('#alternativebackground', 'drop', {dataTransfer: dropped});
  await page.waitForTimeout(200);
  expect('of two files dropped on a text box the first opens, and the message says so',
         [await value('PCname'), await value('message_window')], ['Kethmor Dwarf Adventur', 'only the first of 2 files was opened']);
  expect('no errors on the page', errors, []);
  await browser.close();
  if (failures.length) {
    console.error(failures.join('\n'));
    process.exit(1);
  }
  console.log('page checks passed');
})().catch((e) => { console.error(e); process.exit(1); });
