// The page's one entry: the session compiled to WebAssembly started, the
// window drawn once its fonts are in, and the page's parts added. The page
// maker (scripts/make_web_page.py) sets emscripten's factory and the
// WebAssembly's bytes (base64) before the modules, in the one module scope.
/* global KethmorPlanner, kethmorWasm */
import {Planner} from './window.js';
import {installKeys} from './keys.js';
import {installSheets} from './sheets.js';
import {installShare} from './share.js';
import {installPlan} from './plan.js';

const root = document.getElementById('window');
const model = KethmorPlanner({wasmBinary: Uint8Array.from(atob(kethmorWasm), (c) => c.charCodeAt(0))});
Promise.all([model, document.fonts.ready]).then(([wasm]) => {
  const planner = new Planner(wasm, root);
  for (const install of [installKeys, installSheets, installShare, installPlan]) install(planner);
  performance.mark('kethmor-ready');  // navigation to a window that answers input
  document.documentElement.dataset.ready = '1';
}).catch((error) => {
  // No window to answer: the page says why in its place.
  root.textContent = String(error);
  document.documentElement.dataset.ready = 'failed';
});
