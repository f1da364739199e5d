# Run when building (cmake/web.cmake): the page PAGE from PAGE.in, with the program JS and a
# Content-Security-Policy that names its inline scripts and style by their SHA-256 (from the
# files inlined, the page's own in the folder WEB), allows WebAssembly and nothing else.
cmake_minimum_required(VERSION 3.25)
execute_process(
  COMMAND ${NODE} -e [[const { createHash } = require('crypto'), { readFileSync } = require('fs');
    for (const file of process.argv.slice(1))
      console.log(`'sha256-${createHash('sha256').update(readFileSync(file)).digest('base64')}'`)]]
          ${JS} ${WEB}/page.js ${WEB}/page.css
  OUTPUT_VARIABLE hashes COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[^\n]+" scripts "${hashes}")
list(POP_BACK scripts style)
list(JOIN scripts " " scripts)
file(READ ${PAGE}.in page)
file(READ ${JS} js)
string(REPLACE "@policy@" "default-src 'none'; script-src ${scripts} 'wasm-unsafe-eval'; \
style-src ${style}; img-src data:; base-uri 'none'; form-action 'none'" page "${page}")
string(REPLACE "@js@" "${js}" page "${page}")
file(WRITE ${PAGE} "${page}")
