'use strict';
// One run of figcalc as the page drives it: named states, and one function, `step`, that moves
// between them on each event. What the pupil sees and hears is the view's (web/page.js, or a
// test's fake). Nothing it throws leaves `step`: a fault ends the run, and figcalc's wait too.
const figcalcRun = (() => {
  const inNode = typeof module === 'object';
  const dialogue = inNode ? require('./model.js') : figcalcDialogue;
  const reader = inNode ? require('./reader.js') : figcalcReader;
  const card = inNode ? require('./card.js') : figcalcCard;
  // figcalc is loading, and what is typed is kept for it; it runs between two reads; it waits for
  // an answer; it waits, the answer typed refused for the pupil to mend; it has ended, or the
  // page has stopped it.
  const [STARTING, RUNNING, WAITING, REFUSED, ENDED] =
    ['starting', 'running', 'waiting', 'refused', 'ended'];
  const noInput = new Uint8Array(0);
  const encoder = new TextEncoder();
  const oneLine = (text) => text.trim().replace(/\s+/g, ' ');
  // What the end says where figcalc read the end of input: no result, or one without some answers.
  const early = 'Ввод закончился раньше, чем figcalc получила все ответы';
  const endedEarly = [`${early}, поэтому результата нет.`, `${early}: результат посчитан без них.`];
  // What the status says where figcalc exited with `code`.
  const exited = (code) => `Программа завершилась${code ? ' с кодом ' + code : ''}.`;

  // A run of the dialogue `model` (figcalcDialogue's), shown by `view`; `places`, the Latin key
  // each character was typed with. `pending` is what is typed and not yet read, up to the end of
  // input where `ending`; `held`, what is typed after it, for the next run's field;
  // `readEndOfInput`, whether figcalc asked for more; `answers`, what it got, for the card.
  const create = (model, view, places = new Map()) => {
    const run = { state: STARTING, written: '', pending: '', ending: false, held: '', questions: 0,
                  input: noInput, wait: undefined, at: undefined, refusal: undefined,
                  readEndOfInput: false, answers: [] };
    const giveFigcalc = (bytes) => {
      const { resolve } = run.wait;
      run.wait = undefined;
      run.state = RUNNING;
      resolve(bytes);
    };
    // The next answer in what is typed, to be sent; or, refused, what is typed goes back into the
    // field before what the pupil has typed there since, and the end of input is taken back.
    // Returns whether it is sent.
    const answerFromTyped = () => {
      const decided = reader.read(run.pending, run.at, places, run.refusal);
      if (decided.said) {
        view.ask(run.at, run.questions++ === 0);
        run.state = REFUSED;
        run.refusal = decided;
        view.setField(oneLine(`${run.pending} ${view.field()}`));
        run.pending = '';
        run.ending = false;
        view.refuse(decided);
        return false;
      }
      run.pending = run.pending.slice(decided.taken);
      run.refusal = undefined;
      run.input = encoder.encode(decided.sent);
      run.answers.push(decided.sent);
      view.echo(decided.sent, decided.label);
      return true;
    };
    // What is typed, given to figcalc an answer at a time while it waits; else the question.
    const deliverTyped = () => {
      const onlyBlanksLeft = run.ending && !run.pending.trim();
      if (onlyBlanksLeft) run.pending = '';
      const refused = !run.input.length && run.pending && !answerFromTyped();
      if (refused) return;
      if (run.input.length) {
        const bytes = run.input.slice(0, run.wait.size);
        run.input = run.input.slice(bytes.length);
        giveFigcalc(bytes);
      } else if (run.ending) {
        run.readEndOfInput = true;
        giveFigcalc(noInput);
      } else {
        run.state = WAITING;
        view.ask(run.at, run.questions++ === 0);
      }
    };
    const endRun = (said, restartable = true, lines = []) => {
      if (run.wait) giveFigcalc(noInput); // a stopped figcalc reads the end of input, and ends
      run.state = ENDED;
      view.ended(said, restartable, run.held, lines);
    };

    const on = {
      output: ({ text }) => {
        run.written += text;
        if (run.state === STARTING) run.state = RUNNING;
        view.show(text);
      },
      read: ({ size, resolve }) => {
        run.wait = { size, resolve };
        const lastLine = { question: run.written.trim().split('\n').at(-1) };
        run.at = dialogue.waitOf(model, run.written) ?? lastLine;
        deliverTyped();
      },
      typed: ({ text }) => {
        if (run.ending) {
          run.held += text;
          const held = oneLine(run.held);
          view.setStatus(`«${held}» набрано после конца ввода: это получит следующий запуск.`);
          return;
        }
        run.pending += text;
        if (run.wait) deliverTyped();
      },
      endInput: ({ text }) => {
        if (run.ending) return on.typed({ text });
        run.pending += text;
        run.ending = true;
        if (run.wait) deliverTyped();
      },
      exit: ({ code }) => {
        const status = exited(code);
        const hasResult = dialogue.hasResult(model, run.written);
        const saidOfEnd = run.readEndOfInput && endedEarly[Number(hasResult)];
        const held = run.held && `«${oneLine(run.held)}» будет в поле следующего запуска.`;
        const lines = card.linesOf(card.cardOf(model, run.written, run.answers));
        endRun([saidOfEnd, status, held].filter(Boolean).join(' '), true, lines);
      },
      abort: () => endRun(run.written
        ? 'figcalc остановилась посреди работы: браузер прервал её программу.'
        : 'figcalc не запустилась: браузер не разрешил выполнить её программу (WebAssembly). ' +
          'Откройте эту страницу в другом браузере.', Boolean(run.written)),
      fault: () => endRun('Ошибка на странице: этот запуск остановлен.'),
      resize: () => run.wait && view.fit(),
    };
    const stopAfterFault = () => {
      try {
        if (run.state !== ENDED) on.fault();
      } catch {
        run.state = ENDED; // the view failed too: the run has ended, though unsaid
      }
    };
    // The one way into the run. An ended run takes only typing, which starts the next run with
    // it in the field; a stale figcalc's output and reads reach nothing, and its reads get the end
    // of input.
    const step = (event) => {
      try {
        if (run.state !== ENDED) on[event.type](event);
        else if (event.type === 'typed') view.restart(event.text);
        else if (event.type === 'read') event.resolve(noInput);
      } catch (error) {
        console.error(error); // for the browser's console
        stopAfterFault();
      }
    };
    return { run, step };
  };
  return { create, exited, endedEarly, states: { STARTING, RUNNING, WAITING, REFUSED, ENDED } };
})();
if (typeof module === 'object') module.exports = figcalcRun;
