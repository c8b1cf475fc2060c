// Read before the rest of the page, as a plain script: the WebAssembly's
// bytes (gzipped, base64, put in by the page maker) inflated and compiled as
// one stream while the browser still reads the page's style and its module
// script, which takes the compiled module (or why it failed) from this
// script's element; and the window's
// four fonts (WOFF2, base64) added to the page from their bytes, loaded
// before the window's first text without a fetch. A block: the page
// defines no global.
{
  const bytes = (base64) => {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
    const text = atob(base64), out = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) out[i] = text.charCodeAt(i);
    return out;
  };
  document.currentScript.compiled = new Promise((resolve) => {
    const inflated = new Blob([bytes('WASM_BASE64')]).stream().pipeThrough(new DecompressionStream('gzip'));
    resolve(WebAssembly.compileStreaming(new Response(inflated, {headers: {'Content-Type': 'application/wasm'}})));
  });
  const faces = /*FONT_FACES*/[];
  for (const [family, weight, base64] of faces) document.fonts.add(new FontFace(family, bytes(base64), {weight}));
}
