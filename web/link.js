'use strict';
// Links figcalc for the page (cmake/web.cmake's linker launcher): `node link.js EM++ ARGS...`.
// binaryen only warns of a pattern of ASYNCIFY_ONLY that matches no function, as after libc++
// renamed one, and the page would then not read: the link fails instead.
const { spawnSync } = require('child_process');

const [linker, ...args] = process.argv.slice(2);
const link = spawnSync(linker, args, { encoding: 'utf8' });
process.stdout.write(link.stdout ?? '');
process.stderr.write(link.stderr ?? '');
if (/non-matching pattern/.test(`${link.stdout}${link.stderr}`)) {
  console.error('error: ASYNCIFY_ONLY: a pattern matches no function');
  process.exitCode = 1;
} else {
  process.exitCode = link.status ?? 1;
}
