'use strict';
// Makes the page when figcalc is built (cmake/web.cmake), run by node:
//   node build.js PAGE FIGCALC_JS FIGCALC_WASM STYLE MESSAGES_H SCRIPT...
// into PAGE from PAGE.in: figcalc.js, its WebAssembly gzipped in base64, the page's style, and
// its scripts after the model of figcalc's dialogue that model.js makes of messages.h; both
// scripts made smaller by terser (Debian's), and a Content-Security-Policy that names them by
// their SHA-256, allows WebAssembly and nothing else.
const fs = require('fs');
const crypto = require('crypto');
const zlib = require('zlib');
const terser = require('terser');

const read = (file) => fs.readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`;
const smaller = async (code) => (await terser.minify(code)).code;

const build = async ([page, js, wasm, style, header, ...scripts]) => {
  const modelScript = scripts.find((file) => file.endsWith('model.js'));
  const model = require(modelScript).modelOf(read(header));
  const script = `const figcalcModel = ${JSON.stringify(model)};\n${scripts.map(read).join('')}`;
  const parts = {
    js: await smaller(read(js)),
    style: read(style),
    script: await smaller(script),
    program: zlib.gzipSync(fs.readFileSync(wasm), { level: 9 }).toString('base64'),
  };
  parts.policy = `default-src 'none'; script-src ${hash(parts.js)} ${hash(parts.script)} ` +
    `'wasm-unsafe-eval'; style-src ${hash(parts.style)}; img-src data:; base-uri 'none'; ` +
    "form-action 'none'";
  fs.writeFileSync(page, read(`${page}.in`).replace(/%%(\w+)%%/g, (_, part) => parts[part]));
};
build(process.argv.slice(2)).catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
