// Where each run's program comes from: in a web page, the element #program, gzipped in base64,
// which the browser expands at the first run (a failure is the run's abort); under node, the
// file figcalc.wasm beside this one. Run as `node figcalc.js`: figcalc on standard input and
// standard output, with its exit status.
if (typeof document === 'object') {
  const start = figcalc, expand = async () => {
    const text = document.getElementById('program').text;
    const packed = Uint8Array.fromBase64?.(text) ??
                   Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
    const expanded = new Response(packed).body.pipeThrough(new DecompressionStream('gzip'));
    return new Response(expanded).arrayBuffer();
  };
  let program;
  figcalc = (settings) => (program ||= expand())
    .then((wasmBinary) => start({ ...settings, wasmBinary }), settings.onAbort);
} else if (typeof module === 'object' && typeof require === 'function' && require.main === module) {
  const fs = require('fs');
  const writeTo = (fd) => (byte) => fs.writeSync(fd, Uint8Array.of(byte & 0xff));
  figcalc({
    wasmBinary: fs.readFileSync(require('path').join(__dirname, 'figcalc.wasm')),
    readInput: async (size) => {
      const bytes = Buffer.alloc(size);
      return bytes.subarray(0, fs.readSync(0, bytes, 0, size, null));
    },
    stdout: writeTo(1),
    stderr: writeTo(2),
    onExit: (status) => { process.exitCode = status; },
  });
}
