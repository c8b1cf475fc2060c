// Checks of the page in headless Chromium, one fact each, named, each as a
// player meets it: a caption's place, colour and font, a refusal's message
// (spoken), undo and redo of the sheet and of typing (under a Cyrillic
// layout too), the address following the build, the Tab order, double
// clicks on a scroll bar, opening a sheet and refusing a file that is none,
// the focus handed on from a list hidden, the level plan's place and keys, the goal applied and undone,
// the menu and About from the keyboard, the printed sheet, Quit in a tab,
// the last session, files and a folder dropped, the clipboard refused or
// missing, links broken at start, a browser without WebAssembly, and axe-core;
// given "firefox", those that matter in Firefox ESR alone.
// Usage: node page_test.js page.html [firefox]
'use strict';
const fs = require('fs');
const path = require('path');
const { openPage, openFirefox, click } = require('./browser');
const pageUrl = 'file://' + path.resolve(process.argv[2]);

const failures = [];
const expect = (what, got, want) => {
  if (JSON.stringify(got) !== JSON.stringify(want)) failures.push(`${what}: got ${JSON.stringify(got)}, want ${JSON.stringify(want)}`);
};
const sheet = fs.readFileSync(path.join(__dirname, '../e2e/expected_session.txt'));

// In Firefox: the address follows the build, a double click on a list's scroll bar applies nothing, About is modal.
async function firefoxChecks() {
  const { browser, page, errors } = await openFirefox(process.argv[2]);
  const value = (id) => page.$eval('#' + id, (e) => e.value ?? e.textContent), keys = page.keyboard;
  const entries = await page.evaluate(() => history.length);
  await click(page, 'ST_plus'), await new Promise((resolve) => setTimeout(resolve, 150));
  expect('the address holds the build, with no entry added to the history',
         await page.evaluate(() => [location.hash.slice(0, 6), history.length]), ['#KCP1:', entries]);
  await click(page, 'Race_Selection'), await keys.press('Home');
  const r = await page.$eval('#Race_Selection', (e) => e.getBoundingClientRect().toJSON());
  for (const y of [r.top + 9, r.top + r.height / 2, r.bottom - 9]) await page.mouse.click(r.right - 9, y, {count: 2, delay: 20});
  expect('a double click on a list\'s scroll bar, its arrows or track, applies nothing',
         [await value('Current_race'), await value('Strength')], ['Human/male', '9']);
  await keys.down('Shift'), await keys.press('F10'), await keys.up('Shift');
  for (const k of ['End', 'Enter', 'Tab', 'Tab']) await keys.press(k);
  const kept = await page.evaluate(() => [document.querySelector('dialog:modal') !== null, document.activeElement.textContent]);
  await keys.press('Escape');
  expect('About opens modal, Tab stays in it; Escape closes it, the focus back where it was', [...kept,
         await page.$$eval('dialog', (d) => d.length), await page.evaluate(() => document.activeElement.id)], [true, 'OK', 0, 'Race_Selection']);
  expect('no errors on the page', errors, []);
  await browser.close();
}

(async () => {
  if (process.argv[3] === 'firefox') return firefoxChecks();
  const { browser, page, errors } = await openPage(process.argv[2]);
  const value = (id) => page.$eval('#' + id, (e) => e.value ?? e.textContent);
  const focused = () => page.evaluate(() => document.activeElement.id);
  const message = () => value('message_window');
  const keys = async (...names) => { for (const k of names) await page.keyboard.press(k); };
  const cdp = await page.context().newCDPSession(page);
  const entries = await page.evaluate(() => history.length);

  expect('the page titled with the caption', await page.title(), 'Kethmor Character Planner v 1.7');
  const st = await page.$eval('#Label5', (e) => {
    const r = e.getBoundingClientRect(), s = getComputedStyle(e);
    return [e.textContent, r.left, r.top, r.width, r.height, s.color, s.fontWeight, s.fontSize];
  });
  expect('"ST:" caption: text, place, size, colour, weight, size', st,
         ['ST:', 520, 64, 25, 17, 'rgb(0, 255, 255)', '700', '13px']);
  expect('centred captions stand on whole pixels', await page.$$eval('.label > div', (es) => es.filter((e) => {
    const text = new Range(); text.selectNodeContents(e); return !Number.isInteger(text.getBoundingClientRect().left);
  }).map((e) => e.textContent)), []);

  for (let i = 0; i < 6; ++i) await click(page, 'ST_plus');
  expect('the sixth strength point is refused in red, and spoken', [await message(), await page.$eval('#message_window',
    (e) => getComputedStyle(e).color), await page.textContent('[role=status]')], ['No CPs left', 'rgb(255, 0, 0)', 'No CPs left']);

  for (const type of ['rawKeyDown', 'keyUp']) await cdp.send('Input.dispatchKeyEvent', {type, modifiers: 2, key: 'я', code: 'KeyZ'});
  expect('Ctrl+Z takes back a point, under a Cyrillic layout too', [await value('Strength'), await value('CPs_remaining')], ['12', '1']);
  await page.keyboard.press('Control+y');
  expect('Ctrl+Y does it again', await value('Strength'), '13');
  await page.waitForTimeout(150);
  expect('the address holds the build, with no entry added to the history',
         await page.evaluate(() => [location.hash.slice(0, 6), history.length]), ['#KCP1:', entries]);
  await click(page, 'PCname');
  await page.keyboard.type('Abc');
  await page.keyboard.press('Control+z');
  expect('Ctrl+Z in the name box undoes the typing', [await value('PCname'), await value('Strength')], ['', '13']);

  await page.reload();
  await page.waitForSelector('html[data-ready="1"]');
  expect('a reload gives the build as it stands', await value('Strength'), '13');
  const visited = [await focused()];
  for (let i = 0; i < 9; ++i) await page.keyboard.press('Tab'), visited.push(await focused());
  expect('Tab visits in reading order', visited,
         ['Race_Selection', 'Background_Selection', 'Magick_select', 'Tech_select', 'Magick_list', 'Spell_list', 'PCname',
          'Hitpoints_minus', 'Hitpoints_plus', 'Fatigue_minus']);
  for (let i = 0; i < 10; ++i) await page.keyboard.press('Shift+Tab');
  expect('Shift+Tab before the first control is Quit', await focused(), 'Quit');
  await click(page, 'Race_Selection');
  await keys('Home');  // Dwarf/male highlighted, not applied
  const r = await page.$eval('#Race_Selection', (e) => e.getBoundingClientRect().toJSON());
  for (const y of [r.top + 9, r.top + r.height / 2, r.bottom - 9]) await page.mouse.click(r.right - 9, y, {clickCount: 2, delay: 20});
  expect('a double click on a list\'s scroll bar, its arrows or track, applies nothing',
         [await value('Current_race'), await value('Strength')], ['Human/male', '13']);
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

  await page.keyboard.press('Control+l');
  expect('Ctrl+L shows the plan of the character on show', (await page.$eval('#plan textarea', (e) => e.value)).split('\n')[1],
         'Level 1 (5 CPs): Strength, Hit points, Bow, Unseen Force');
  const inView = () => page.$eval('#plan', (e) => {
    const r = e.getBoundingClientRect();
    return [scrollX, r.left >= 0 && r.right <= innerWidth && r.bottom <= innerHeight, getComputedStyle(e).fontFamily];
  });
  expect('the plan stands inside the page at 800x600, in the window\'s font', await inView(), [0, true, '"Kethmor Sans 8"']);
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.evaluate(() => navigator.clipboard.writeText('2'));
  await keys('Alt+L', 'Control+A', 'Control+V');
  expect('Alt+L goes to the plan\'s level box, where Ctrl+V pastes the number', await page.$eval('#plan-level', (e) => e.value), '2');
  await page.setViewportSize({width: 1024, height: 768});
  expect('the plan placed again in a page resized', (await inView())[1], true);
  await keys('Alt+O');
  expect('Alt+O closes the plan, the focus back where it was', [await page.$eval('#plan', (e) => e.hidden), await focused()],
         [true, 'Tech_list']);
  await page.mouse.click(300, 462, {button: 'right'});  // on a caption
  expect('a right click opens the menu, Redo greyed with nothing to do again',
         await page.$$eval('.menu [aria-disabled]', (es) => es.map((e) => e.dataset.command)), ['redo']);
  const item = () => page.evaluate(() => document.activeElement.dataset.command);
  await keys('End');
  const last = await item();
  await keys('Home');
  expect('End and Home move in the menu', [last, await item()], ['about', 'open']);
  await keys('Escape');
  expect('Escape gives the focus back to the control the menu came from', await focused(), 'Tech_list');
  await keys('Shift+F10', 'End', 'Enter');
  expect('About names the version', (await page.$eval('.dialog p', (e) => e.textContent)).split('\n')[0],
         'Kethmor Character Planner 1.7');
  await keys('Tab', 'Tab');
  const kept = await page.evaluate(() => document.activeElement.textContent);
  await keys('Escape');
  expect('Tab stays in About; Escape closes it, the focus back where it was',
         [kept, await page.$$eval('dialog', (d) => d.length), await focused()], ['OK', 0, 'Tech_list']);
  const pdf = path.join(require('os').tmpdir(), `kethmor-sheet-${process.pid}.pdf`);
  await page.pdf({path: pdf});
  const printed = require('child_process').execFileSync('pdftotext', ['-layout', pdf, '-']).toString();
  fs.unlinkSync(pdf);
  const line = (head) => printed.split('\n').find((l) => l.startsWith(head)) || '';
  expect('the printed sheet holds its lines', /^Bow:\s+1\s+Dodge:\s+0$/.test(line('Bow:')), true);
  expect('the printed sheet keeps its columns', line('Bow:').indexOf('Dodge:'), line('Melee:').indexOf('Throwing:'));

  const goalSaid = async () => (await page.$eval('#goal textarea', (e) => e.value)).split('\n').slice(0, 2);
  const beforeGoal = [await value('Clevel'), await value('Willpower')];
  await keys('Control+g');
  await page.selectOption('#goal-pick', {label: 'Willpower'});
  await keys('Enter', 'Alt+L', 'Control+A', '1', '4');
  expect('Ctrl+G: a target picked, its value typed, the answer shown at once', await goalSaid(),
         ['Goal for Dwarf, background apprentice to a shopkeeper: Willpower 14', 'Least level: 2']);
  await page.click('#goal [data-do=apply]');
  expect('Apply makes the answer\'s build', [await value('Clevel'), await value('Adjwillpower')], ['2', '14']);
  await keys('Control+z');
  expect('Ctrl+Z in the goal takes Apply back', [await value('Clevel'), await value('Willpower')], beforeGoal);
  await page.setViewportSize({width: 1280, height: 800});  // room on the right for one panel
  await keys('Control+l');
  expect('the plan opened beside the goal stands clear of it', await page.evaluate(() => {
    const [p, g] = ['plan', 'goal'].map((id) => document.getElementById(id).getBoundingClientRect());
    return p.right <= g.left || g.right <= p.left || p.bottom <= g.top || g.bottom <= p.top;
  }), true);
  await keys('Escape', 'Escape');

  const built = await page.evaluate(() => location.hash);
  await click(page, 'Quit');
  await page.waitForTimeout(100);
  expect('Quit in a tab the browser keeps open says so', await message(), 'the character is kept in this browser');
  const start = async (p, url) => (await p.goto(url), await p.waitForSelector('html[data-ready]'));
  await start(page, pageUrl);
  expect('the page opened without a build starts on the blank character', await value('PCname'), '');
  await page.evaluate((built) => { location.hash = built; }, built);
  await page.waitForTimeout(100);
  const changed = await value('Current_race');
  await keys('Control+z');
  expect('a fragment changed on the open page opens its build, one step', [changed, await value('Current_race')], ['Dwarf', 'Human/male']);
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
  const folder = fs.mkdtempSync(path.join(require('os').tmpdir(), 'kethmor-folder-'));
  for (const type of ['dragEnter', 'dragOver', 'drop']) {
    await cdp.send('Input.dispatchDragEvent', {type, x: 300, y: 300, data: {items: [], files: [folder], dragOperationsMask: 1}});
  }
  fs.rmdirSync(folder);
  expect('a folder dropped is said to be no sheet', await message(), 'a folder is no character sheet');
  await keys('Control+Shift+C');
  await page.waitForTimeout(100);
  expect('Ctrl+Shift+C says the link was copied', await message(), 'link copied');
  await page.context().clearPermissions();
  await keys('Shift+F10');
  await page.click('.menu [data-command=paste]');
  expect('a clipboard the browser refuses is said with its reason', (await page.$eval('#message_window', (e) => e.title)).startsWith(
    'could not paste: Failed to execute \'readText\''), true);

  await page.addScriptTag({path: require.resolve('axe-core')});
  await keys('Control+l', 'Shift+F10');
  expect('axe-core finds no violation (the contrast of the window\'s own colours aside)', await page.evaluate(() =>
    globalThis.axe.run(document, {rules: {'color-contrast': {enabled: false}}}).then((r) => r.violations.map((v) => v.id))), []);
  for (const [tail, said] of [['#KCP1:%', 'could not open: code is damaged'], [built + '%E0%A4%A', '']]) {
    await page.goto('about:blank');
    await start(page, pageUrl + tail);
    const shown = await message();
    await keys('Shift+F10');
    const menu = await page.$$eval('.menu [role=menuitem]', (es) => es.length);
    await keys('Escape', 'Control+l');
    expect(`a link ending ${tail.slice(-9)} starts saying what failed, the menu and Ctrl+L working`,
           [shown, menu, await page.$eval('#plan', (e) => !e.hidden)], [said, 13, true]);
  }
  expect('no errors on the page', errors, []);
  const lan = await browser.newPage();
  await lan.route('http://lan.test/**', (route) => route.fulfill({path: process.argv[2]}));
  await start(lan, 'http://lan.test/kethmor-planner.html');
  await lan.keyboard.press('Shift+F10');
  await lan.click('.menu [data-command=paste]');
  expect('a page with no clipboard (plain http from a LAN address) says to use Ctrl+V',
         await lan.$eval('#message_window', (e) => e.value), 'no clipboard here: use Ctrl+V');
  const bare = await browser.newPage();
  await bare.addInitScript(() => { delete globalThis.WebAssembly; });
  await start(bare, pageUrl);
  expect('a browser without WebAssembly is told what it lacks', await bare.$eval('#lacking', (e) => !e.hidden), true);
  await browser.close();
})().then(() => {
  if (failures.length) {
    console.error(failures.join('\n'));
    process.exit(1);
  }
  console.log('page checks passed');
}).catch((e) => { console.error(e); process.exit(1); });
