// The folder for a web host (build-web/site), served over http://127.0.0.1 by
// this test's own server: Chromium finds the planner installable, and with
// the server gone and the browser offline, a reload still opens the planner.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');

const site = path.resolve(process.argv[2]);
const kTypes = {'.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json',
                '.png': 'image/png'};

function check(fact, what) {
  if (!fact) {
    console.error('FAIL: ' + what);
    process.exitCode = 1;
  }
}

async function main() {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname).replace(/\/$/, '/index.html');
    const file = path.join(site, path.normalize(name));
    fs.readFile(file.startsWith(site + path.sep) ? file : site, (error, body) => {
      response.writeHead(error ? 404 : 200, {'Content-Type': kTypes[path.extname(file)] || 'text/plain'});
      response.end(error ? '' : body);
    });
  });
  await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
  // A profile of its own: Chromium installs nothing from a private window.
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'kethmor-site-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.KETHMOR_CHROMIUM || '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run']});
  try {
    const page = await context.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    const kept = page.waitForFunction(() => navigator.serviceWorker.controller, null, {timeout: 20000});
    check(await kept.then(() => true, () => false), 'no service worker keeps the page');
    const cdp = await context.newCDPSession(page);
    const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
    check(installabilityErrors.length === 0, 'not installable: ' + JSON.stringify(installabilityErrors));
    server.closeAllConnections();
    server.close();  // the host gone, and the network too
    await context.setOffline(true);
    if (await page.reload().then(() => true, (e) => check(false, 'offline, no page: ' + e.message.split('\n')[0]))) {
      const shown = page.getByText('SAVE', {exact: true}).waitFor({timeout: 20000});
      check(await shown.then(() => true, () => false), 'offline, the page shows no planner (no SAVE)');
    }
  } finally {
    if (server.listening) server.close();
    await context.close();
    fs.rmSync(profile, {recursive: true, force: true});
  }
}

setTimeout(() => {
  check(false, 'no end within 120 s');
  process.exit();
}, 120000).unref();
main().catch((e) => check(false, e.message));
