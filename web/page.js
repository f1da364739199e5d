'use strict';
// The page: figcalc's dialogue in the log, and what the pupil types given to figcalc an answer at
// a time, as the reader (reader.js) reads it, when figcalc reads.
(() => {
  const $ = (id) => document.getElementById(id);
  const screen = $('screen'), log = $('log'), form = $('form'), line = $('line'), keys = $('keys');
  const status = $('status'), asked = $('asked'), end = $('end'), again = $('again');
  const { latin, menu, read } = figcalcReader, encoder = new TextEncoder();
  const places = new Map(); // the Latin key each character was last typed with
  // The run: `wait`, figcalc's read that waits; `input`, the answer it reads; `pending`, what is
  // typed and not yet read, up to an `ending` (Ctrl+D); `written`, bytes not yet shown, `text`,
  // all shown since figcalc last read; `choices`, the menu it waits at; `refusal`, the page's last,
  // and `refused`, what it put back in the field; `byButton`, a button answered last; `exited`.
  let run, out = $('out');

  // What figcalc writes, decoded as it comes and shown together, at the latest when it waits or
  // ends; what it was sent, in bold.
  const show = (shown, typed) => {
    out.append(typed ? Object.assign(document.createElement('b'), { textContent: shown }) : shown);
    line.scrollIntoView({ block: 'nearest' });
  };
  const flush = () => {
    if (!run.written.length) return;
    const shown = run.decoder.decode(Uint8Array.from(run.written), { stream: true });
    run.written = [];
    run.text += shown;
    show(shown);
    performance.mark('figcalc-output');
  };
  const write = (byte) => run.written.push(byte & 0xff) === 1 && queueMicrotask(flush);
  // The answer field takes the rest of its line, or the next line where little is left.
  const fit = () => {
    line.style.width = '0';
    const right = screen.getBoundingClientRect().right - screen.clientLeft -
                  parseFloat(getComputedStyle(screen).paddingRight);
    const room = Math.floor(right - line.getBoundingClientRect().left) - 1;
    line.style.width = room > 6 * parseFloat(getComputedStyle(line).fontSize) ? room + 'px' : '100%';
  };
  new ResizeObserver(() => form.hidden || fit()).observe(screen);
  // The status line, and the answer field marked invalid while it says why.
  const tell = (why) => {
    status.textContent = why;
    line.setAttribute('aria-invalid', Boolean(why) && !run.exited);
    if (why) status.scrollIntoView({ block: 'nearest' });
  };
  // The buttons, in view: the choices offered, each answering with its key. The focus leaves them
  // first, for the field, or the first new one where a button answered.
  const offer = (choices) => {
    if (keys.contains(document.activeElement)) line.focus();
    keys.replaceChildren(...choices.map(({ label, key }) =>
      Object.assign(document.createElement('button'), { type: 'button', value: key, textContent: label })));
    if (run.byButton && keys.firstChild) keys.firstChild.focus();
    (choices.length ? keys : line).scrollIntoView({ block: 'nearest' });
  };

  // The next answer in what is typed, sent; or, refused, what is typed goes back into the field
  // (its lines a blank apart) for the pupil to mend, and nothing after it is sent, the end of
  // input neither.
  const answer = () => {
    const decided = read(run.pending, run.choices, places, run.refusal);
    if (decided.said) {
      run.refusal = decided;
      run.refused = line.value = run.pending.trim().replace(/\s+/g, ' ');
      run.pending = '';
      run.ending = false;
      offer(decided.offered);
      tell(decided.said);
      line.focus();
      line.select();
      return;
    }
    run.pending = run.pending.slice(decided.taken);
    run.refusal = undefined;
    tell('');
    run.input = encoder.encode(decided.sent);
    show(decided.sent, true);
  };
  // What is typed, given to figcalc an answer at a time while it waits.
  const deliver = () => {
    if (!run.wait) return;
    if (!run.input.length && run.pending) {
      if (run.ending && !run.pending.trim()) run.pending = '';
      else answer();
    }
    const ended = !run.input.length && !run.pending && run.ending;
    if (!run.input.length && !ended) return;
    const bytes = run.input.slice(0, run.wait.size);
    // Blanks alone leave figcalc at the same question, and its menu.
    if (bytes.some((b) => b !== 32 && (b < 9 || b > 13))) run.text = '';
    run.input = run.input.slice(bytes.length);
    screen.removeAttribute('data-waiting');
    const { resolve } = run.wait;
    run.wait = undefined;
    resolve(bytes);
  };
  // Where figcalc cannot run on, the page says why; where it ran, the focus goes to «Запустить
  // снова», which tells its result.
  const stop = (why, started) => {
    flush();
    run.exited = true;
    offer([]);
    line.disabled = end.hidden = form.hidden = true;
    tell(why);
    if (!started) return;
    asked.textContent = `${run.text} ${why} Enter — запустить снова.`.trim().replace(/\s+/g, ' ');
    again.hidden = false;
    again.focus();
    again.scrollIntoView({ block: 'nearest' });
  };
  const send = (typed, ending) => {
    if (run.exited || run.ending) return; // nothing after the end of input
    run.pending += typed;
    run.ending = ending;
    deliver();
  };
  // Ctrl+D sends what is typed, then the end of input; an empty line, only the end.
  const endInput = () => {
    const typed = line.value;
    line.value = '';
    send(typed, true);
  };
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    run.byButton = false;
    const typed = line.value;
    line.value = '';
    send(typed + '\n', false);
  });
  keys.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (!button) return;
    run.byButton = true;
    if (line.value === run.refused) line.value = ''; // the button answers instead
    send(button.value + '\n', false);
  });
  line.addEventListener('keydown', (event) => {
    if ([...event.key].length === 1 && !event.ctrlKey && !event.altKey && !event.metaKey) {
      places.set(event.key, latin(event));
    }
  });
  // Ctrl+D by the key's place, whatever the layout (Russian: «в») or Caps Lock.
  addEventListener('keydown', (event) => {
    if (event.ctrlKey && event.code === 'KeyD' && !run.exited) {
      event.preventDefault();
      endInput();
    }
  });
  end.addEventListener('click', () => { endInput(); line.focus(); });
  screen.addEventListener('click', () => run.exited || line.focus());

  // A new run, below the earlier ones and a line; its program's calls reach only its own state.
  const start = () => {
    if (out.childNodes.length) {
      out.removeAttribute('id');
      out = Object.assign(document.createElement('span'), { id: 'out' });
      log.append(document.createElement('hr'), out);
    }
    const own = (act) => (...args) => run === state && !state.exited && act(...args);
    const state = run = { input: new Uint8Array(0), pending: '', text: '', written: [], choices: [],
                          decoder: new TextDecoder() };
    line.disabled = end.hidden = form.hidden = false;
    tell('');
    if (typeof WebAssembly !== 'object' || typeof DecompressionStream !== 'function') {
      stop('Этот браузер слишком стар для figcalc: откройте страницу в более новом браузере.');
      return;
    }
    figcalc({
      readInput: (size) => new Promise(own((resolve) => {
        flush();
        run.wait = { size, resolve };
        run.choices = menu(run.text);
        deliver();
        if (!run.wait) return;
        asked.textContent = run.text.trim();
        screen.setAttribute('data-waiting', '');
        fit();
        offer(run.choices);
        if (!keys.contains(document.activeElement)) line.focus();
        again.hidden = true; // with the focus on the field, once it has the question
      })),
      stdout: own(write),
      stderr: own(write),
      onExit: own((code) => stop('Программа завершилась' + (code ? ' с кодом ' + code : '') + '.', true)),
      onAbort: own(() => {
        flush();
        stop(out.hasChildNodes() ? 'figcalc остановилась посреди работы: браузер прервал её программу.'
          : 'figcalc не запустилась: браузер не разрешил выполнить её программу (WebAssembly). ' +
            'Откройте эту страницу в другом браузере.', out.hasChildNodes());
      }),
    }).catch(() => {}); // an abort, which onAbort has told
  };
  again.addEventListener('click', () => run.exited && start());
  // Nothing left uncaught (the browser's console shows it) leaves a run waiting: it stops the run,
  // with a new one offered. But a run that has waited for input ends with an exception (emscripten's
  // ExitStatus) that rejects the promise of its last wait: no error.
  const broke = () => run.exited || stop('Ошибка на странице: этот запуск остановлен.', true);
  addEventListener('error', broke);
  addEventListener('unhandledrejection', (event) =>
    event.reason?.name === 'ExitStatus' ? event.preventDefault() : broke());
  start();
})();
