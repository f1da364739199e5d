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
  console.log(`${rows.length - failed} of ${rows.length} rows as expected`);
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
