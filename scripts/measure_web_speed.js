#!/usr/bin/env node
// Measures the web page in headless Chromium (Debian's): the time from
// navigation to a window that answers input with its text visible (its
// fonts loaded and the frame after it drawn), each load in a fresh browser
// context, side by side with a page of the same size that shows one label
// (rounds in turn: the medians, and the median of each round's ratio, which
// a machine busy with other work disturbs least),
// and a click's handler and redraw, layout included (median over many clicks
// of a statistic "+" and "-", and of a race double click).
// Usage: scripts/measure_web_speed.js [build-web/kethmor-planner.html] [rounds (15)]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');

const pagePath = path.resolve(process.argv[2] || path.join(__dirname, '../build-web/kethmor-planner.html'));
const rounds = Number(process.argv[3] || 15);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

(async () => {
  // The bare page: one label, and as many bytes of script as the planner's page.
  const size = fs.statSync(pagePath).size;
  const head = '<!DOCTYPE html><html><head><meta charset="utf-8"><title>bare</title></head><body><div>Label</div><script>const filler="';
  const tail = '";document.documentElement.dataset.ready="1";</script></body></html>';
  const barePath = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'kethmor-bare-')), 'bare.html');
  fs.writeFileSync(barePath, head + 'A'.repeat(Math.max(0, size - head.length - tail.length)) + tail);

  const browser = await chromium.launch({executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
           '--disable-sync', '--no-first-run']});
  // A load in a fresh context: the time to the first frame drawn once the
  // page is ready and its fonts are in (the page's text is then visible).
  const fresh = async (file) => {
    const context = await browser.newContext({viewport: {width: 800, height: 600}});
    await context.addInitScript(() => {
      const drawn = () => requestAnimationFrame(() => setTimeout(() => performance.mark('drawn')));
      new MutationObserver((changes, observer) => {
        if (!document.documentElement.dataset.ready) return;
        observer.disconnect();
        document.fonts.ready.then(drawn);
      }).observe(document, {attributes: true, subtree: true, attributeFilter: ['data-ready']});
    });
    const page = await context.newPage();
    await page.goto('file://' + file);
    await page.waitForFunction(() => performance.getEntriesByName('drawn').length);
    const at = await page.evaluate(() => performance.getEntriesByName('drawn')[0].startTime);
    return {context, page, at};
  };
  const load = async (file) => {
    const {context, at} = await fresh(file);
    await context.close();
    return at;
  };
  const planner = [], bare = [];
  await load(pagePath), await load(barePath);  // warm the browser's caches alike
  for (let i = 0; i < rounds; ++i) {
    planner.push(await load(pagePath));
    bare.push(await load(barePath));
  }
  const {page} = await fresh(pagePath);
  const clicks = await page.evaluate(() => {
    const timed = (f) => { const t = performance.now(); f(); void document.body.offsetHeight; return performance.now() - t; };
    const [plus, minus, races] = ['ST_plus', 'ST_minus', 'Race_Selection'].map((id) => document.getElementById(id));
    // A double click's second press on another entry: that entry clicked, then double clicked.
    const press = (entry) => entry.dispatchEvent(new MouseEvent('mousedown', {bubbles: true, cancelable: true, detail: 2}));
    let stat = [], race = [];
    // The second round of each: the first warms the page's code, fresh from its context.
    for (let round = 0; round < 2; ++round) {
      stat = [], race = [];
      for (let i = 0; i < 200; ++i) stat.push(timed(() => (i % 2 ? minus : plus).click()));
      for (let i = 0; i < 100; ++i) race.push(timed(() => press(races.children[i % 12])));
    }
    const med = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
    return {stat: med(stat), race: med(race) / 2};
  });
  await browser.close();
  const [p, b] = [median(planner), median(bare)];
  const ratio = median(planner.map((t, i) => t / bare[i]));
  console.log(`page size: ${size} bytes (${(size / 1048576).toFixed(2)} MiB)`);
  console.log(`navigation to a window that answers with its text visible, median of ${rounds}: planner ${p.toFixed(1)} ms, one-label page ${b.toFixed(1)} ms; median ratio ${ratio.toFixed(2)}`);
  console.log(`a click's handler and redraw, median: statistic + or - ${clicks.stat.toFixed(3)} ms, race entry click or double click ${clicks.race.toFixed(3)} ms`);
  const ok = size <= 1.5 * 1048576 && ratio <= 2 && clicks.stat <= 2 && clicks.race <= 2;
  process.exit(ok ? 0 : 1);
})().catch((e) => { console.error(e); process.exit(1); });
