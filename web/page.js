'use strict';
// The page: figcalc's dialogue in the log, and the view of its runs (run.js), which give figcalc
// what the pupil types an answer at a time, as the reader (reader.js) reads it, when it reads.
(() => {
  const $ = (id) => document.getElementById(id);
  const screen = $('screen'), log = $('log'), form = $('form'), line = $('line'), keys = $('keys');
  const status = $('status'), asked = $('asked'), end = $('end'), again = $('again');
  const places = new Map(); // the Latin key each character was last typed with
  let run; // the current run's `run` and `step` (figcalcRun.create)
  let out = $('out'); // the current run's transcript
  let shownSinceAnswer = ''; // what figcalc wrote since it last got an answer
  let answeredByButton = false;
  let refusedField; // what a refusal put back into the field
  let nextField = ''; // what the next run's field starts with: what was typed after Ctrl+D

  // The figures' pictures, in the order of figcalc's menu of figures, and the one chosen.
  const pictures = [...$('pictures').children];
  let picture;
  let waitShown; // the wait the last question was asked at
  // At a figure's prompt, its picture, with the part asked for marked and said: the one whose
  // label is the prompt's («1:», «R=»).
  const showPicture = (wait) => {
    const part = wait.prompt?.slice(0, -1);
    pictures.forEach((shown) => shown.toggleAttribute('hidden', shown !== picture || !part));
    if (!picture || !part) return [];
    const parts = picture.querySelectorAll('g');
    parts.forEach((shown) => shown.classList.toggle('asked', shown.textContent === part));
    picture.setAttribute('aria-label', `${picture.dataset.says}. figcalc спрашивает: ${part}.`);
    return [picture.id];
  };
  const newElement = (tag, properties) => Object.assign(document.createElement(tag), properties);
  // The answer field takes the rest of its line, or the next line where little is left.
  const fitField = () => {
    line.style.width = '0';
    const right = screen.getBoundingClientRect().right - screen.clientLeft -
                  parseFloat(getComputedStyle(screen).paddingRight);
    const room = Math.floor(right - line.getBoundingClientRect().left) - 1;
    const roomEnough = room > 6 * parseFloat(getComputedStyle(line).fontSize);
    line.style.width = roomEnough ? room + 'px' : '100%';
  };
  new ResizeObserver(() => run?.step({ type: 'resize' })).observe(screen);
  // The status line, and the answer field marked invalid while it says why.
  const setStatus = (said) => {
    status.textContent = said;
    line.setAttribute('aria-invalid', Boolean(said) && run.run.state !== figcalcRun.states.ENDED);
    if (said) status.scrollIntoView({ block: 'nearest' });
  };
  // The buttons, in view: the choices offered, each answering with its key and described by the
  // question. The focus leaves them first, for the field, or the first new one where a button
  // answered.
  const showButtons = (choices) => {
    if (keys.contains(document.activeElement)) line.focus();
    const buttonFor = ({ label, key }) => {
      const button = newElement('button', { type: 'button', value: key, textContent: label });
      button.setAttribute('aria-describedby', 'asked');
      return button;
    };
    keys.replaceChildren(...choices.map(buttonFor));
    if (answeredByButton && keys.firstChild) keys.firstChild.focus();
    (choices.length ? keys : line).scrollIntoView({ block: 'nearest' });
  };

  const view = {
    show: (text) => {
      out.append(text);
      shownSinceAnswer += text;
      line.scrollIntoView({ block: 'nearest' });
    },
    // What figcalc got, in bold and exactly; a screen reader hears the choice's name after it. An
    // answer that figcalc's next output would follow on its line ends the line on the screen.
    echo: (sent, label) => {
      const echo = newElement('b', { textContent: sent });
      echo.classList.toggle('joined', !sent.endsWith('\n'));
      out.append(echo);
      screen.removeAttribute('data-waiting');
      const heard = newElement('span', { className: 'unseen', textContent: ` — ${label}` });
      if (label) out.append(heard);
      const figures = figcalcModel.menus.find(({ name }) => name === 'kFigureMenu');
      const index = figures.choices.findIndex(({ key }) => key === sent.trim());
      if (waitShown?.menu === figures) picture = pictures[index];
      shownSinceAnswer = '';
    },
    // The question, which the field and the buttons are described by; the page's instructions
    // (#hint) are in the field's description at the first.
    ask: (wait, first) => {
      waitShown = wait;
      asked.textContent = wait.question;
      const pictured = showPicture(wait);
      const described = ['status', 'asked', ...pictured, ...(first ? ['hint'] : [])];
      line.setAttribute('aria-describedby', described.join(' '));
      screen.setAttribute('data-waiting', '');
      fitField();
      showButtons(wait.menu?.choices ?? []);
      if (pictured.length) picture.scrollIntoView({ block: 'nearest' });
      if (pictured.length) line.scrollIntoView({ block: 'nearest' }); // the question first
      setStatus('');
      if (!keys.contains(document.activeElement)) line.focus();
      again.hidden = true; // with the focus on the field, once it has the question
    },
    refuse: ({ said, offered }) => {
      refusedField = line.value;
      showButtons(offered);
      setStatus(said);
      line.focus();
      line.select();
    },
    setStatus,
    field: () => line.value,
    setField: (text) => { line.value = text; },
    // After a resize, in the next frame: a size changed in the observer's callback would make the
    // browser report a loop.
    fit: () => requestAnimationFrame(fitField),
    // Where figcalc cannot run on, the page says why; where it ran, the card goes under its
    // transcript, in the log (heard after the result), and the focus to «Запустить снова», which
    // tells both.
    ended: (said, restartable, held = '', lines = []) => {
      nextField = held.trim();
      showButtons([]);
      showPicture({});
      screen.removeAttribute('data-waiting');
      line.disabled = end.hidden = form.hidden = true;
      const card = newElement('div', { className: 'card' });
      card.append(...lines.map((text) => newElement('p', { textContent: text })));
      if (lines.length) log.append(card);
      setStatus(said);
      if (!restartable) return;
      const restart = `Enter — ${again.textContent.toLowerCase()}.`;
      asked.textContent = [shownSinceAnswer, ...lines, said, restart].join(' ');
      again.hidden = false;
      again.focus();
      again.scrollIntoView({ block: 'nearest' });
    },
    restart: (typed) => {
      answeredByButton = false; // what is typed answers in the field
      start();
      line.value += typed;
      line.focus(); // where the key that started it types
    },
  };

  // A new run, below the earlier ones and a line; its program's calls reach only its own run.
  const start = () => {
    if (out.childNodes.length) {
      out.removeAttribute('id');
      out = newElement('span', { id: 'out' });
      log.append(document.createElement('hr'), out);
    }
    const current = run = figcalcRun.create(figcalcModel, view, places);
    picture = undefined;
    shownSinceAnswer = '';
    line.disabled = end.hidden = form.hidden = false;
    line.value = nextField;
    setStatus('');
    if (typeof WebAssembly !== 'object' || typeof DecompressionStream !== 'function') {
      view.ended('Этот браузер слишком стар для figcalc: откройте страницу в более новом ' +
                 'браузере.');
      return;
    }
    // What figcalc writes, decoded as it comes and shown together, at the latest when it waits or
    // ends.
    let written = [];
    const decoder = new TextDecoder();
    const flush = () => {
      if (!written.length) return;
      const text = decoder.decode(Uint8Array.from(written), { stream: true });
      written = [];
      current.step({ type: 'output', text });
      performance.mark('figcalc-output');
    };
    const write = (byte) => written.push(byte & 0xff) === 1 && queueMicrotask(flush);
    const stepAfterOutput = (event) => {
      flush();
      current.step(event);
    };
    figcalc({
      readInput: (size) => new Promise((resolve) => {
        stepAfterOutput({ type: 'read', size, resolve });
      }),
      stdout: write,
      stderr: write,
      onExit: (code) => stepAfterOutput({ type: 'exit', code }),
      onAbort: () => stepAfterOutput({ type: 'abort' }),
    }).catch(() => {}); // an abort, which onAbort has told
  };

  const send = (type, text) => {
    line.value = '';
    run.step({ type, text });
  };
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    answeredByButton = false;
    send('typed', line.value + '\n');
  });
  keys.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (!button) return;
    answeredByButton = true;
    if (line.value === refusedField) line.value = ''; // the button answers instead
    run.step({ type: 'typed', text: button.value + '\n' });
  });
  line.addEventListener('keydown', (event) => {
    const typesOne = [...event.key].length === 1 && !event.ctrlKey && !event.altKey;
    if (typesOne && !event.metaKey) places.set(event.key, figcalcReader.latin(event));
  });
  // Ctrl+D by the key's place, whatever the layout (Russian: «в») or Caps Lock: what is typed,
  // then the end of input. Typing at the end of a run starts the next one in the field.
  const ended = () => run.run.state === figcalcRun.states.ENDED;
  addEventListener('keydown', (event) => {
    const ctrlD = event.ctrlKey && event.code === 'KeyD';
    const typesOne = /^\S$/u.test(event.key) && !event.ctrlKey && !event.altKey && !event.metaKey;
    if (ctrlD && !ended()) {
      event.preventDefault();
      send('endInput', line.value);
    } else if (typesOne && ended() && !again.hidden) {
      run.step({ type: 'typed', text: '' });
    }
  });
  // A character typed at a menu's button goes to the field, where it answers, and is not lost.
  keys.addEventListener('keydown', (event) => {
    if (!/^\S$/u.test(event.key) || event.ctrlKey || event.altKey || event.metaKey) return;
    answeredByButton = false;
    line.focus();
  });
  end.addEventListener('click', () => {
    send('endInput', line.value);
    line.focus();
  });
  screen.addEventListener('click', () => ended() || line.focus());
  const help = $('help'); // opened, in view from its top
  help.addEventListener('toggle', () => help.open && help.scrollIntoView());
  again.addEventListener('click', () => ended() && start());
  // Nothing left uncaught (the browser's console shows it) leaves a run waiting: it stops the run,
  // with a new one offered. But a run that has waited for input ends with an exception
  // (emscripten's ExitStatus) that rejects the promise of its last wait, and a resize that
  // changed a size the browser was about to report is reported so: no error either.
  addEventListener('error', (event) => {
    if (!/ResizeObserver/.test(event.message)) run.step({ type: 'fault' });
  });
  addEventListener('unhandledrejection', (event) => {
    if (event.reason?.name === 'ExitStatus') event.preventDefault();
    else run.step({ type: 'fault' });
  });
  start();
})();
