// What the page tests share: Debian's Chromium (or Firefox ESR, over WebDriver
// BiDi), headless, opening the page from its file, and the centres of the controls where the page draws them
// (a list's row "Race_Selection#5" in the list shown in that rectangle).
'use strict';
const { chromium } = require('playwright-core');

const kFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
                '--disable-component-update', '--disable-sync', '--no-first-run'];

async function openPage(pagePath, options = {}, init = null) {
  const browser = await chromium.launch({executablePath: process.env.KETHMOR_CHROMIUM || '/usr/bin/chromium',
                                         args: kFlags, ignoreDefaultArgs: ['--hide-scrollbars']});
  const page = await browser.newPage({acceptDownloads: true, viewport: {width: 800, height: 600}, ...options});
  if (init) await page.addInitScript(init);
  return started(browser, page, pagePath);
}

// The same in Firefox ESR (puppeteer-core); a machine without it skips the test (exit code 77).
async function openFirefox(pagePath) {
  const firefox = process.env.KETHMOR_FIREFOX || '/usr/bin/firefox-esr';
  if (!require('fs').existsSync(firefox)) process.exit(console.log(`${firefox} is missing: skipped`) || 77);
  const browser = await require('puppeteer-core').launch({browser: 'firefox', protocol: 'webDriverBiDi', executablePath: firefox});
  const page = await browser.newPage();
  await page.setViewport({width: 800, height: 600});
  return started(browser, page, pagePath);
}

async function started(browser, page, pagePath) {
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto('file://' + require('path').resolve(pagePath));
  await page.waitForSelector('html[data-ready]', {timeout: 20000});
  if (await page.$('html[data-ready=failed]')) throw new Error('the page did not start: ' + await page.$eval('#lacking', (e) => e.textContent));
  return {browser, page, errors};
}

// The centre of a control, or of row n of "name#n", in page pixels.
function centre(page, target) {
  return page.evaluate((target) => {
    const [name, row] = target.split('#');
    const {left, top, width, height} = document.getElementById(name).style;
    if (row === undefined) return [parseInt(left) + parseInt(width) / 2, parseInt(top) + parseInt(height) / 2];
    const shown = Array.from(document.querySelectorAll('#window > :not(.hidden)'))
                       .find((e) => e.style.left === left && e.style.top === top);
    const r = shown.children[Number(row)].getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  }, target);
}

async function click(page, target, clickCount = 1) {
  const [x, y] = await centre(page, target);
  await page.mouse.click(x, y, {clickCount, count: clickCount, delay: 20});  // Playwright's count, Puppeteer's
}

module.exports = {openPage, openFirefox, centre, click};
