'use strict';
// A run of the web page (web/run.js) against a fake figcalc and a fake view: by a table of what
// the pupil does and when, then by a property on generated sessions (fast-check).
const fc = require('fast-check');
const { modelOf } = require('../web/model.js');
const { create, states } = require('../web/run.js');
const model = modelOf(require('fs').readFileSync(require.resolve('../src/messages.h'), 'utf8'));
const { texts } = model;

// A fake figcalc: the dialogue down to a sum, written and read as figcalc does, by the run's
// events: a read skips blanks, and at the end of input fails, and every later one too. The sum
// is written where every answer was read. Returns what it got.
const fakeFigcalc = async (step) => {
  let unread = '', got = '', ended = false;
  const read = async (pattern) => { // what `pattern` takes of what is unread, blanks skipped
    unread = unread.trimStart();
    while (!unread && !ended) {
      const bytes = await new Promise((resolve) => step({ type: 'read', size: 256, resolve }));
      const text = new TextDecoder().decode(bytes);
      ended = !text;
      got += text;
      unread = text.trimStart();
    }
    const [taken] = pattern.exec(unread);
    unread = unread.slice(taken.length);
    return taken;
  };
  const write = (...names) =>
    step({ type: 'output', text: names.map((name) => texts[name] ?? name).join('') });
  write('kMainMenu', '\n');
  const keys = [await read(/^.?/)];
  write('kModeMenu', '\n');
  keys.push(await read(/^.?/));
  write('kEnterNumbers', '\n\n', 'kPrompt1');
  const first = Number(await read(/^\S*/));
  write('kPrompt2');
  const second = Number(await read(/^\S*/));
  write('kTwoNumberMenu', '\n');
  keys.push(await read(/^.?/));
  if (keys.join('') === '12+') write('\n', 'kResult', String(first + second), '\n');
  step({ type: 'exit', code: 0 });
  return got;
};
// The view: what it shows and says, in a log; its field; the runs it starts.
const fakeView = () => {
  const view = { log: [], echoes: '', fieldText: '', restarts: [] };
  const note = (kind) => (...args) => view.log.push([kind, ...args]);
  return Object.assign(view, {
    show: note('show'), ask: note('ask'), setStatus: note('tell'), fit: note('fit'),
    refuse: ({ said }) => view.log.push(['refuse', said]),
    ended: (said, restartable, held) => view.log.push(['ended', said, held]),
    echo: (sent, label) => { view.echoes += sent; view.log.push(['echo', sent, label]); },
    field: () => view.fieldText,
    setField: (text) => { view.fieldText = text; },
    restart: (typed) => view.restarts.push(typed),
  });
};
const settle = () => new Promise(setImmediate);
// Runs `actions` (an event's type and text, or its type alone; 'start' where figcalc starts; or a
// function of the view and the run's step) and returns the run, the view, and what figcalc got.
const session = async (actions) => {
  const view = fakeView();
  const { run, step } = create(model, view);
  let figcalc;
  for (const action of actions) {
    if (action === 'start') figcalc = fakeFigcalc(step);
    else if (typeof action === 'function') action(view, step);
    else step(typeof action === 'string' ? { type: action } : { type: action[0], text: action[1] });
    await settle();
  }
  return { run, view, got: await figcalc };
};
const saidLast = (view, kind) => view.log.filter(([logged]) => logged === kind).at(-1)?.[1];

// What the pupil does, and then what figcalc got, the run's state, what the field holds, the runs
// started after it with what, how many outputs were shown, and whether the end says that the
// input ended early or quotes a line typed after it.
const fails = () => { throw new Error('a view that fails, on purpose'); };
const rows = [
  ['type-ahead before figcalc starts', [['typed', '1\n2\n6 3\n+\n'], 'start'],
    { got: '1\n2\n6 3\n+\n', state: 'ended', early: false }],
  ['a line at a time, resized at every wait', ['start', 'resize', ['typed', '1\n'], 'resize',
    ['typed', 'два числа\n'], 'resize', ['typed', '6 3\n'], 'resize', ['typed', 'плюс\n']],
    { got: '1\n2\n6 3\n+\n', fits: 4, early: false }],
  ['Ctrl+D after the second number', ['start', ['typed', '1\n2\n6\n3\n'], ['endInput', '']],
    { got: '1\n2\n6\n3\n', state: 'ended', early: true }],
  ['a line after Ctrl+D, said and kept for the next run', [['typed', '1\n'], ['endInput', ''],
    ['typed', '2\n'], 'start'], { got: '1\n', told: '«2»', held: '2\n' }],
  ['a refusal keeps what was typed after it', [['typed', '1\nx\n'], (view) => {
    view.fieldText = '2';
  }, 'start', ['endInput', '']], { got: '1\n', field: 'x 2', state: 'ended' }],
  ['typing at the end of a run starts the next',
    [['typed', '1 2 6 3 +\n'], 'start', ['typed', '5\n']],
    { got: '1 2 6 3 +\n', restarts: ['5\n'], early: false }],
  ['a stale run: its figcalc, stopped, reaches nothing', ['start', 'fault', 'resize', 'abort',
    (view, step) => step({ type: 'output', text: '1:' })],
    { got: '', state: 'ended', shows: 1, fits: 0 }],
  ['an abort before figcalc wrote', ['abort'], { state: 'ended', shows: 0 }],
  ['a view that fails stops the run, and its figcalc', [(view) => { view.ask = fails; }, 'start'],
    { got: '', state: 'ended' }],
];
const resultSaid = (async () => saidLast((await session(rows[0][1])).view, 'ended'))();
const outcome = async (actions) => {
  const { run, view, got } = await session(actions);
  const ended = saidLast(view, 'ended') ?? '';
  const result = await resultSaid;
  const count = (kind) => view.log.filter(([logged]) => logged === kind).length;
  return { got, state: run.state, field: view.fieldText, restarts: view.restarts,
           early: ended !== result && ended.endsWith(result), told: saidLast(view, 'tell'),
           held: view.log.find(([kind]) => kind === 'ended')?.[2],
           shows: count('show'), fits: count('fit'), echoed: view.echoes === (got ?? '') };
};
const matches = (actual, expected) => Object.entries(expected).every(([name, value]) => {
  if (name === 'told') return actual.told?.includes(value);
  return JSON.stringify(actual[name]) === JSON.stringify(value);
});

// On any session: figcalc ends once the input does, what is shown in bold is what it got, and
// nothing fails.
const vocabulary = ['1', '2', '+', 'два', 'x', '6 3', 'с', '1 000', '', 'плюс 5'];
const action = fc.oneof(fc.constant('resize'),
  fc.tuple(fc.constantFrom('typed', 'endInput'), fc.constantFrom(...vocabulary))
    .map(([type, text]) => [type, type === 'typed' ? text + '\n' : text]));
const sessions = fc.tuple(fc.array(action, { maxLength: 8 }), fc.nat(8)).map(([actions, at]) =>
  [...actions.slice(0, at), 'start', ...actions.slice(at), ...Array(3).fill(['endInput', ''])]);
const runs = 300;
const errors = []; // what the runs report to the browser's console
console.error = (error) => errors.push(error);
(async () => {
  let failed = 0;
  for (const [name, actions, expected] of rows) {
    const actual = await outcome(actions);
    if (matches(actual, { ...expected, echoed: true })) continue;
    failed++;
    console.log(`FAILED: ${name}: ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`);
  }
  console.log(`${rows.length - failed} of ${rows.length} rows as expected`);
  errors.length = 0;
  const property = fc.asyncProperty(sessions, async (actions) => {
    const actual = await outcome(actions);
    return actual.state === states.ENDED && actual.echoed && errors.length === 0;
  });
  const report = await fc.check(property, { numRuns: runs, seed: 43 }); // the same every time
  console.log(report.failed ? `FAILED: ${fc.defaultReportMessage(report)}`
    : `the run's property held in ${report.numRuns} generated sessions`);
  process.exitCode = failed || report.failed ? 1 : 0;
})();
