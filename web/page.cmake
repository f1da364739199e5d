# Run when building (cmake/web.cmake): the page PAGE from PAGE.in, with the program JS, its
# WebAssembly gzipped in base64 (figcalc.js has the browser expand it), and a
# Content-Security-Policy that names its inline scripts and style by their SHA-256 (from the
# files inlined, the page's own in the folder WEB), allows WebAssembly and nothing else.
cmake_minimum_required(VERSION 3.25)
string(REGEX REPLACE "js$" wasm wasm ${JS})
execute_process(
  COMMAND ${NODE} -e [[const { createHash } = require('crypto'), { readFileSync } = require('fs');
    const [wasm, ...inlined] = process.argv.slice(1);
    console.log(require('zlib').gzipSync(readFileSync(wasm), { level: 9 }).toString('base64'));
    for (const file of inlined)
      console.log(`'sha256-${createHash('sha256').update(readFileSync(file)).digest('base64')}'`)]]
          ${wasm} ${JS} ${WEB}/page.js ${WEB}/page.css
  OUTPUT_VARIABLE hashes COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[^\n]+" scripts "${hashes}")
list(POP_FRONT scripts program)
list(POP_BACK scripts style)
list(JOIN scripts " " scripts)
file(READ ${PAGE}.in page)
file(READ ${JS} js)
string(REPLACE "@policy@" "default-src 'none'; script-src ${scripts} 'wasm-unsafe-eval'; \
style-src ${style}; img-src data:; base-uri 'none'; form-action 'none'" page "${page}")
string(REPLACE "@js@" "${js}" page "${page}")
string(REPLACE "@program@" "${program}" page "${page}")
file(WRITE ${PAGE} "${page}")
