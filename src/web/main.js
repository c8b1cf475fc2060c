// The page's one entry: the session compiled to WebAssembly started, the
// window drawn once its fonts are in, and the page's parts added. The page
// maker (scripts/make_web_page.py) sets emscripten's factory and the
// WebAssembly's bytes (base64) before the modules, in the one module scope.
/* global KethmorPlanner, kethmorWasm */
import {Planner} from './window.js';
import {installKeys} from './keys.js';
import {installSheets} from './sheets.js';
import {installShare, followAddress} from './share.js';
import {installPlan} from './plan.js';

const root = document.getElementById('window');
// The fonts asked for at once, while the WebAssembly compiles: the window's text shows at its first paint.
const fonts = Promise.all(Array.from(document.fonts, (face) => face.load()));
const bytes = (base64) => {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
  const text = atob(base64), out = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) out[i] = text.charCodeAt(i);
  return out;
};
let started = false;
Promise.resolve().then(() => Promise.all([KethmorPlanner({wasmBinary: bytes(kethmorWasm)}), fonts])).then(([wasm]) => {
  started = true;
  const planner = new Planner(wasm, root);
  // A part that fails says so in the message box; the others, and every command they hold, still work.
  for (const install of [installKeys, installSheets, installShare, installPlan, followAddress]) {
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
