// Read before the rest of the page, as a plain script: the WebAssembly's
// bytes (base64, put in by the page maker) compiled
// while the browser still reads the page's style and its module script,
// which takes the compiled module (or why it failed) from this script's
// element. A block: the page defines no global.
{
  const base64 = 'WASM_BASE64';
  const bytes = () => {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
    const text = atob(base64), out = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) out[i] = text.charCodeAt(i);
    return out;
  };
  document.currentScript.compiled = Promise.resolve().then(() => WebAssembly.compile(bytes()));
}
