'use strict';
// A run of the web page (web/run.js) against a fake figcalc and a fake view: by a table of what
// the pupil does and when, then by a property on generated sessions (fast-check).
const fc = require('fast-check');
const { modelOf } = require('../web/model.js');
const { create, exited, endedEarly, states } = require('../web/run.js');
const model = modelOf(require('fs').readFileSync(require.resolve('../src/messages.h'), 'utf8'));

// A fake figcalc: the dialogue down to its last menu, an answer a read. Returns what it got.
const fakeFigcalc = async (step) => {
  let got = '';
  for (const names of [['kMainMenu', '\n'], ['kModeMenu', '\n'],
    ['kEnterNumbers', '\n\n', 'kPrompt1'], ['kPrompt2'], ['kTwoNumberMenu', '\n']]) {
    step({ type: 'output', text: names.map((name) => model.texts[name] ?? name).join('') });
    const bytes = await new Promise((resolve) => step({ type: 'read', size: 256, resolve }));
    got += new TextDecoder().decode(bytes);
  }
  step({ type: 'exit', code: 0 });
  return got;
};
// Runs `actions`, each an event's type and text ('start': figcalc starts; 'field': what the pupil
// typed in the field; 'failing': a call of the view that throws), with a fake view that logs each
// call, and returns what came of it.
const outcome = async (actions) => {
  const view = new Proxy({ log: [], fieldText: '', field: () => view.fieldText,
    setField: (text) => { view.fieldText = text; } },
  { get: (target, called) => target[called] ?? ((...args) => target.log.push([called, ...args])) });
  const { run, step } = create(model, view);
  const figcalc = [];
  for (const [, type, text] of actions.map((action) => /^(\w+) ?(.*)$/s.exec(action))) {
    if (type === 'start') figcalc.push(fakeFigcalc(step));
    else if (type === 'field') view.fieldText = text;
    else if (type === 'failing') view[text] = () => { throw new Error(`${text}, on purpose`); };
    else step({ type, text });
    await new Promise(setImmediate);
  }
  const got = (await figcalc[0]) ?? '';
  const calls = (name) => view.log.filter(([called]) => called === name).map(([, ...args]) => args);
  const [said = '', , held = ''] = calls('ended').at(-1) ?? [];
  const status = String(calls('setStatus').at(-1));
  return { got, state: run.state, field: view.fieldText, restarts: calls('restart').flat(),
           shows: calls('show').length, fits: calls('fit').length, ended: said.includes(exited(0)),
           early: endedEarly.some((text) => said.startsWith(text)), held,
           toldHeld: Boolean(held) && status.includes(`«${held.trim()}»`),
           echoed: calls('echo').map(([sent]) => sent).join('') === got };
};

// What the pupil does, then what came of it.
const rows = [
  ['type-ahead before figcalc starts', ['typed 1\n2\n6 3\n+\n', 'start'],
    { got: '1\n2\n6 3\n+\n', state: 'ended', early: false, ended: true }],
  ['a line at a time, resized at every wait', ['start', 'resize', 'typed 1\n', 'resize',
    'typed два числа\n', 'resize', 'typed 6 3\n', 'resize', 'typed плюс\n'],
    { got: '1\n2\n6 3\n+\n', fits: 4 }],
  ['Ctrl+D after the second number', ['start', 'typed 1\n2\n6\n3\n', 'endInput '],
    { got: '1\n2\n6\n3\n', state: 'ended', early: true, ended: true }],
  ['a line after Ctrl+D, said and kept for the next run',
    ['typed 1\n', 'endInput ', 'typed 2\n', 'start'], { got: '1\n', toldHeld: true, held: '2\n' }],
  ['a refusal keeps what was typed after it', ['typed 1\nx\n', 'field 2', 'start', 'endInput '],
    { got: '1\n', field: 'x 2', state: 'ended' }],
  ['typing at the end of a run starts the next', ['typed 1 2 6 3 +\n', 'start', 'typed 5\n'],
    { got: '1 2 6 3 +\n', restarts: ['5\n'] }],
  ['a stale run: its figcalc, stopped, reaches nothing', ['start', 'fault', 'resize', 'abort',
    'output 1:'], { got: '', state: 'ended', shows: 1, fits: 0 }],
  ['an abort before figcalc wrote', ['abort'], { state: 'ended', shows: 0 }],
  ['a failing view stops the run, figcalc too', ['failing ask', 'start'],
    { got: '', state: 'ended' }],
];

// The card of a run of the program named on the command line, fed the answers: its lines in
// school notation, then the names of its notes.
const { cardOf, school } = require('../web/card.js');
const [program, ...programArgs] = process.argv.slice(2);
const writtenBy = (answers) => require('child_process').execFileSync(program, programArgs,
  { input: answers.join('\n') + '\n', encoding: 'utf8' });
const cards = [
  ['1 1 45 s', 'sin 45° = √2/2 ≈ 0,707107', 'root another rounded point'],
  ['1 1 60 t', 'tg 60° = √3 ≈ 1,73205', 'root another rounded point'],
  ['1 2 1234567 3 *', '1234567 × 3 ≈ 3,7037 × 10⁶', 'rounded power point'],
  ['1 1 180 s', 'sin 180° ≈ 1,22465 × 10⁻¹⁶', 'tiny rounded power point'],
  ['1 1 30 s', 'sin 30° = 0,5', 'point'], // no ≈ for a double's last bit
  ['1 1 225 c', 'cos 225° ≈ −0,707107', 'rounded point'],
  ['1 1 -4 b', '√(−4) — такого числа нет', 'nan'],
  ['1 2 -8 0.5 a', '(−8)^0,5 — такого числа нет', 'nan'],
  ['1 2 10 400 a', '10⁴⁰⁰ — слишком большое число', 'inf'],
  ['1 2 2 -1 a', '2⁻¹ = 0,5', 'point'],
  ['1 1 -0 b', '√(−0) = −0', 'zero'],
  ['1 1 1e5 a', '(1 × 10⁵)² = 1 × 10¹⁰', 'power'],
  ['1 2 5 -3 -', '5 − (−3) = 8', ''],
  ['1 2 1 0 /', '1 : 0 — на 0 делить нельзя!', 'division'],
  ['1 1 45 k', 'ctg 45 (в радианах) ≈ 0,61737', 'radians rounded point'],
  ['1 1 90 t', 'tg 90° не существует', 'undefined'],
  ['1 1 0 k', 'ctg 0 (в радианах) не существует', 'noCotangent radians'],
  ['2 1 3 4 5', 'S = √(p(p − 3)(p − 4)(p − 5)) = 6, где p = (3 + 4 + 5) : 2 (формула Герона)|' +
    'P = 3 + 4 + 5 = 12', 'perimeter'],
  ['2 1 1 1 3', 'S = √(p(p − 1)(p − 1)(p − 3)) — такого числа нет, где p = (1 + 1 + 3) : 2 ' +
    '(формула Герона)|P = 1 + 1 + 3 = 5', 'noTriangle perimeter'],
  ['2 1 1 2 3', 'S = √(p(p − 1)(p − 2)(p − 3)) = 0, где p = (1 + 2 + 3) : 2 (формула Герона)|' +
    'P = 1 + 2 + 3 = 6', 'flat perimeter'],
  ['2 2 3', 'S = πR² = π × 3² ≈ 28,2743|C = 2πR = 2 × π × 3 ≈ 18,8496',
    'rounded point pi circle perimeter'],
  ['2 3 -2 5', 'S = a × b = −2 × 5 = −10|P = 2 × (a + b) = 2 × (−2 + 5) = 6',
    'noFigure perimeter'],
  ['2 4 2.5', 'S = a² = 2,5² = 6,25|P = 4 × a = 4 × 2,5 = 10', 'point perimeter'],
  ['2 1 3', '', ''], // the end of input before a side: no card
];
// On any run, the card's numbers are figcalc's or the pupil's, rewritten, or the formulas' own.
const shapes = [...[...'abstck'].map((key) => `1 1 # ${key}`), '2 1 # # #', '2 2 #', '2 3 # #',
  ...[...'+-*/a'].map((key) => `1 2 # # ${key}`), '2 4 #'];
const anyRun = fc.tuple(fc.constantFrom(...shapes), fc.array(fc.oneof(fc.integer({ min: -400,
  max: 400 }), fc.double({ noNaN: true, noDefaultInfinity: true })), { minLength: 3 }))
  .map(([shape, numbers]) => shape.split(' ')
    .map((word, i) => (word === '#' ? String(numbers[i % 3]) : word)));
const ownNumbersOnly = (answers) => {
  const written = writtenBy(answers);
  const digitsOf = (text) => text.match(/\d+/g) ?? [];
  const allowed = new Set(['2', '4', '10', ...[...answers, ...written.match(/\S+/g)]
    .flatMap((word) => digitsOf(school(word.replace(/^\D*:/, ''))))]);
  return cardOf(model, written, answers).said.every((line) => digitsOf(line)
    .every((digits) => allowed.has(digits)));
};

// On any session: figcalc ends once the input does, what is shown in bold is what it got, and
// nothing fails.
const texts = fc.constantFrom('1', '2', '+', 'два', 'x', '6 3', 'с', '1 000', '', 'плюс 5');
const action = fc.oneof(fc.constant('resize'), texts.map((text) => `typed ${text}\n`),
                        texts.map((text) => `endInput ${text}`));
const sessions = fc.tuple(fc.array(action, { maxLength: 8 }), fc.nat(8)).map(([actions, at]) =>
  [...actions.slice(0, at), 'start', ...actions.slice(at), ...Array(3).fill('endInput ')]);
const errors = []; // what the runs report to the browser's console
console.error = (error) => errors.push(error);
(async () => {
  let failed = 0;
  for (const [name, actions, expected] of rows) {
    const actual = await outcome(actions);
    const same = (key) => JSON.stringify(actual[key]) === JSON.stringify(expected[key]);
    if (Object.keys(expected).every(same) && actual.echoed) continue;
    failed++;
    console.log(`FAILED: ${name}: ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`);
  }
  failed += cards.filter(([answers, said, noted]) => {
    const card = cardOf(model, writtenBy(answers.split(' ')), answers.split(' '));
    const actual = [card.said.join('|'), card.noted.join(' ')];
    const wrong = actual[0] !== said || actual[1] !== noted;
    const expected = `[${said}, ${noted}]`;
    if (wrong) console.log(`FAILED: ${answers}'s card: ${JSON.stringify(actual)}, not ${expected}`);
    return wrong;
  }).length;
  const all = rows.length + cards.length;
  console.log(`${all - failed} of ${all} rows as expected`);
  const own = fc.check(fc.property(anyRun, ownNumbersOnly), { numRuns: 300, seed: 44 });
  failed += own.failed;
  console.log(own.failed ? `FAILED: ${fc.defaultReportMessage(own)}`
    : `a card showed only its run's numbers in ${own.numRuns} generated runs`);
  errors.length = 0;
  const property = fc.asyncProperty(sessions, async (actions) => {
    const actual = await outcome(actions);
    return actual.state === states.ENDED && actual.echoed && errors.length === 0;
  });
  const report = await fc.check(property, { numRuns: 300, seed: 43 }); // the same every time
  console.log(report.failed ? `FAILED: ${fc.defaultReportMessage(report)}`
    : `the run's property held in ${report.numRuns} generated sessions`);
  process.exitCode = failed || report.failed ? 1 : 0;
})();
