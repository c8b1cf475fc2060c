// The page's one entry: the session compiled to WebAssembly started, the
// window drawn once its fonts are in, and the page's parts added. The page
// maker (scripts/make_web_page.py) sets emscripten's factory before the
// modules, in the one module scope; the WebAssembly is compiled already by
// the plain script read before the page's style (early.js).
/* global KethmorPlanner */
import {Planner} from './window.js';
import {installKeys} from './keys.js';
import {installSheets} from './sheets.js';
import {installShare, followAddress} from './share.js';
import {installPlan} from './plan.js';
import {installTouch} from './touch.js';
import {installGoal} from './goal.js';

// The fonts asked for at once: the window's text shows at its first paint.
const fonts = Promise.all(Array.from(document.fonts, (face) => face.load()));
const model = new Promise((resolve, reject) => {
  const instantiateWasm = (imports, done) => {
    document.getElementById('early').compiled.then((module) => WebAssembly.instantiate(module, imports))
      .then((instance) => done(instance), reject);
    return {};
  };
  KethmorPlanner({instantiateWasm}).then(resolve, reject);
});
let started = false;
Promise.all([model, fonts]).then(([wasm]) => {
  started = true;
  const planner = new Planner(wasm, document.getElementById('window'));
  // A part that fails says so in the message box; the others, and every command they hold, still work.
  for (const install of [installKeys, installSheets, installShare, installPlan, installGoal, installTouch, followAddress]) {
    try {
      install(planner);
    } catch (error) {
      planner.run('kp_failed', 'start', String(error && error.message || error));
    }
  }
  performance.mark('kethmor-ready');  // navigation to a window that answers input, its text shown
  document.documentElement.dataset.ready = '1';
}).catch((error) => {
  // No window to answer: the page says what the browser lacks (or, once it ran, what failed), and why.
  const said = document.getElementById('lacking');
  if (started) said.textContent = '';
  said.append(String(error));
  said.hidden = false;
  document.documentElement.dataset.ready = 'failed';
});
