'use strict';
// The web page's reader (web/reader.js), at the waits of the model of figcalc's dialogue made
// from src/messages.h: by a table, then by properties on generated input (fast-check).
const fc = require('fast-check');
const { modelOf, waitOf } = require('../web/model.js');
const { latin, read } = require('../web/reader.js');
const words = require('../web/words.js');
const model = modelOf(require('fs').readFileSync(require.resolve('../src/messages.h'), 'utf8'));
// The wait after figcalc wrote the texts named, a line each, a menu's ended.
const at = (names) => waitOf(model, names.split(' ')
  .map((name) => model.texts[name] + (name.endsWith('Menu') ? '\n' : '')).join('\n'));

// Where figcalc waits, what is typed (`places`: by the Latin keys named), then what figcalc gets
// and what is left, or (refused) the keys offered; `twice`: typed again, which then says more.
const places = new Map(Object.entries({ ы: 'KeyS', ш: 'KeyI', т: 'KeyN', '.': 'Slash' })
  .map(([typed, code]) => [typed, latin({ code })]));
const menu1 = 'kOneNumberMenu', menu2 = 'kTwoNumberMenu', prompt = 'kEnterNumbers kPrompt1';
const rows = [
  ['kMainMenu', '1\n', ['1\n', '']], // a key
  ['kMainMenu', '12 6 3 /\n', ['1', '2 6 3 /\n']], // digits and signs a character at a time
  ['kMainMenu', ' калькулятор чисел 1\n', [' 1 ', '1\n']], // a label in full
  ['kMainMenu', 'площадь и периметр\n', ['2\n', '']], // its beginning, blanks and all
  ...words.caseEndings.map((ending) => ['kFigureMenu', 'Круг' + ending, ['2', '']]), // any form
  [menu1, 'КОС 60', ['c ', '60']], // a word, never its first letter
  // every label in full, and the school's words and signs
  ...model.menus.flatMap(({ name, choices }) =>
    choices.map(({ label, key }) => [name, label, [key, '']])),
  ...model.menus.flatMap(({ name }) => Object.entries(words[name] ?? {})
    .flatMap(([key, said]) => said.map((typed) => [name, typed + '\n', [key + '\n', '']]))),
  // Latin keys by their place (`places`: sin, s, /), look (Cyrillic с, о; a capital В), sound (ц)
  ...[[menu1, 'ышт', 's'], [menu1, 'ы', 's'], [menu2, '.', '/'], [menu1, 'соs', 'c'],
    [menu1, 'В', 'b'], [menu1, 'ц', 'c']].map(([menu, typed, key]) => [menu, typed, [key, '']]),
  [menu1, 'с\n', 'sc', 'twice'], // two fits: the page asks, then says more
  // asked: the labels «к» begins, and k; those «ко» begins; none; a phrase whole, not as «в»
  ...[['к', 'abck'], ['ко', 'bck'], ['кубик', 'absctk'], ['в степень', 'absctk']]
    .map(([typed, offered]) => [menu1, typed, offered]),
  ['kModeMenu', '\n', '12'],
  // numbers a word at a time, as figcalc writes them: a decimal point, the minus sign «-»
  ...[['7.5 2\n', '7.5 ', '2\n'], ['-1e-400\n', '-1e-400\n', ''], ['7,5\n', '7.5\n', ''],
    ['−5\n', '-5\n', '']].map(([typed, sent, left]) => [prompt, typed, [sent, left]]),
  // refused: grouped digits (one number or more?), too big, not a number, nothing
  ...['1 000\n', '−1 000 000,5', '12 345 6', '1e400', '0x5 семь', 'inf', ' \n', '7,5,1']
    .map((typed) => [prompt, typed, '']),
  [prompt, 'x', '', 'twice'],
];
// What a row's input gives, and whether a refusal said again says more.
const outcome = (where, typed, twice) => {
  const first = twice && read(typed, at(where), places);
  const decided = read(typed, at(where), places, first);
  const saysMore = !twice || decided.said?.startsWith(first.said + ' ');
  if (!decided.said) return { got: [decided.sent, typed.slice(decided.taken)], said: '', saysMore };
  return { got: decided.offered.map(({ key }) => key).join(''), said: decided.said, saysMore };
};
const failed = rows.filter(([where, typed, expected, twice]) => {
  const { got, said, saysMore } = outcome(where, typed, twice);
  if (JSON.stringify(got) === JSON.stringify(expected) && saysMore) return false;
  const again = saysMore ? '' : ', said again with nothing more';
  console.log(`FAILED: at ${where}, ${JSON.stringify(typed)} gives ${JSON.stringify(got)} ` +
              `(${said || 'sent'}${again}), not ${JSON.stringify(expected)}`);
  return true;
}).length;
console.log(`${rows.length - failed} of ${rows.length} rows as expected`);

// On any input, pupils' words among it, at any wait, each property (one that throws fails).
const labels = model.menus.flatMap(({ choices }) => choices.map(({ label }) => label));
const schoolWords = Object.values(words).flatMap(Object.values).flat();
const samples = [...labels, ...schoolWords, 'к', 'с', '1 000', '−5', '7,5', '1e400'];
const piece = fc.oneof(fc.string(), fc.string({ unit: 'grapheme' }), fc.constantFrom(...samples));
const typing = fc.array(fc.tuple(piece, fc.constantFrom(' ', '\n', '', '  \n')))
  .map((pieces) => pieces.flat().join(''));
const waits = fc.constantFrom(...model.menus.map(({ name }) => name), prompt,
                              'kEnterRadius kPromptRadius');
const number = /^[+-]?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?$/i; // as figcalc reads one whole
const properties = {
  'at a menu, only a key of that menu is sent, or the page asks among its choices':
    ({ sent, offered }, { menu }) => !menu || (sent === undefined
      ? offered.every((choice) => menu.choices.includes(choice))
      : menu.choices.some(({ key }) => sent.trim() === key)),
  'at a prompt, only a number that figcalc reads whole is sent, within a double\'s range':
    ({ sent }, { menu }) => Boolean(menu) || sent === undefined
      || (number.test(sent.trim()) && Number.isFinite(Number(sent))),
  'every answer takes at least one character of the line, or is refused':
    ({ taken, said }, wait, line) => Boolean(said) || (taken >= 1 && taken <= line.length),
};
const broken = Object.entries(properties).filter(([name, holds]) => {
  const property = fc.property(typing, waits, (line, where) =>
    holds(read(line, at(where), new Map()), at(where), line));
  const report = fc.check(property, { numRuns: 1000, seed: 43 }); // the same cases every time
  console.log(report.failed ? `FAILED: ${name}: ${fc.defaultReportMessage(report)}`
    : `${name}: held in ${report.numRuns} generated cases`);
  return report.failed;
}).length;
process.exitCode = failed || broken ? 1 : 0;
