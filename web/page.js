'use strict';
(() => {
  const $ = (id) => document.getElementById(id);
  const screen = $('screen'), form = $('form'), line = $('line'), keys = $('keys');
  const status = $('status'), end = $('end'), again = $('again');
  const encoder = new TextEncoder();
  // What a character typed at a menu may have meant when it is none of its
  // keys: the key in its place on the Latin (US) layout, for a pupil who
  // forgot to switch from the Russian one; the Latin letter it looks like; the
  // one it sounds like, as Russian schools name the Latin letters.
  const table = (from, to) => Object.fromEntries([...from].map((letter, i) => [letter, to[i]]));
  const shapes = table('асеорхукВНМТ−–—', 'aceopxykbhmt---');
  const sounds = table('абвгдезиклмнопрстуфхцэ', 'abvgdeziklmnoprstufhce');
  const signs = {
    Backquote: '`~', Minus: '-_', Equal: '=+', BracketLeft: '[{', BracketRight: ']}',
    Backslash: '\\|', Semicolon: ';:', Quote: '\'"', Comma: ',<', Period: '.>', Slash: '/?',
    NumpadAdd: '++', NumpadSubtract: '--', NumpadMultiply: '**', NumpadDivide: '//',
    NumpadDecimal: '..', NumpadComma: ',,', NumpadEqual: '==',
  };
  const latin = ({ code, shiftKey }) => {
    const [, kind, name] = /^(Key|Digit|Numpad|)(.*)$/.exec(code);
    if (kind === 'Key') return name.toLowerCase();
    if (kind && /^\d$/.test(name)) return kind === 'Digit' && shiftKey ? ')!@#$%^&*('[name] : name;
    return signs[code] && signs[code][shiftKey ? 1 : 0];
  };
  // Where each character was typed last: a phone's keyboard may not say.
  const places = new Map();
  let out = $('out'), input, pending, ending, ended, exited, reader, decoder, written, text;
  let menu, choices, refused, byButton;

  // What the program writes: bytes, decoded as they come and shown together,
  // at the latest when the program waits or ends; `text` since it last read.
  const show = (shown, typed) => {
    const node = typed ? document.createElement('span') : document.createTextNode(shown);
    if (typed) {
      node.className = 'typed';
      node.textContent = shown;
    }
    out.append(node);
    line.scrollIntoView({ block: 'nearest' });
  };
  const flush = () => {
    if (!written) return;
    const shown = decoder.decode(Uint8Array.from(written), { stream: true });
    written = undefined;
    text += shown;
    show(shown);
    performance.mark('figcalc-output');
  };
  const write = (byte) => {
    if (!written) {
      written = [];
      queueMicrotask(flush);
    }
    written.push(byte & 0xff);
  };

  // The answer field takes the rest of its line, or the next line where
  // little is left.
  const fit = () => {
    line.style.width = '0';
    const right = screen.getBoundingClientRect().right - screen.clientLeft -
                  parseFloat(getComputedStyle(screen).paddingRight);
    const room = Math.floor(right - line.getBoundingClientRect().left) - 1;
    line.style.width = room > 6 * parseFloat(getComputedStyle(line).fontSize) ? room + 'px' : '100%';
  };
  new ResizeObserver(() => form.hidden || fit()).observe(screen);

  // The menu the program waits at, if the last line it wrote since it last
  // read is one: its choices, "text (key)" each.
  const question = () => {
    const last = /(?:^|\n)([^\n]*)\n$/.exec(text);
    return last && /^(?:[^()]+\(.\))+ *$/.test(last[1])
      ? [...last[1].matchAll(/ *([^():=]+?) *\((.)\)/g)].map(([, label, key]) => ({ label, key }))
      : [];
  };
  // The choices offered, as buttons that answer with their key.
  const offer = () => {
    keys.replaceChildren(...choices.map(({ label, key }) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.value = key;
      button.textContent = label;
      return button;
    }));
    (choices.length ? keys : line).scrollIntoView({ block: 'nearest' });
    if (byButton) (keys.firstChild || line).focus();
  };

  // The keys of the menu that a character typed at it may mean: itself, or
  // else each of its readings that is one.
  const meant = (typed) => {
    const itself = menu.filter(({ key }) => key === typed);
    if (itself.length) return itself;
    const lower = typed.toLowerCase();
    const readings = [places.get(typed), lower, shapes[typed], shapes[lower], sounds[lower]];
    return menu.filter(({ key }) => readings.includes(key));
  };
  const or = (items) => items.slice(0, -1).join(', ') + (items[1] ? ' или ' : '') + items.at(-1);
  // A number written as figcalc reads one; it must also be within a double's
  // range, beyond which figcalc fails and reads nothing more.
  const number = /^[+-]?(?:\d+\.?\d*|\.\d+)(?:e[+-]?\d+)?$/i;

  // What cannot be sent goes back into the answer field, with the rest of its
  // line, for the pupil to mend, and nothing after it is sent, the end of
  // input neither: the status line says why.
  const refuse = (why, offered) => {
    refused = line.value = pending.trim();
    pending = '';
    ending = false;
    status.textContent = why;
    choices = offered;
    offer();
    line.focus();
    line.select();
  };
  // The next answer of what is typed, to the question figcalc asks now: at a
  // menu one character, sent as the key it means; at a prompt a word, sent
  // only if it is a number (with a decimal comma as a point). The blanks
  // after it go with it, so that figcalc asks its next question before the
  // next answer is looked at; what is shown is what figcalc gets.
  const answer = () => {
    const [whole, blanks, word] = /^(\s*)(\S*)\s*/.exec(pending);
    if (!word && ending) {
      pending = '';
      return;
    }
    let taken = whole, sent;
    if (menu.length) {
      const typed = [...word][0], meanings = typed ? meant(typed) : [];
      if (meanings.length > 1) {
        const which = meanings.map(({ label, key }) => `${label} (${key})`);
        return refuse(`«${typed}» — это ${or(which)}?`, meanings);
      }
      if (!meanings.length) {
        const all = or(menu.map(({ key }) => key));
        return refuse(typed ? `В этом меню нет «${typed}»: выберите ${all}.` : `Выберите ${all}.`,
                      menu);
      }
      if (typed !== word) taken = blanks + typed;
      sent = blanks + meanings[0].key + taken.slice(blanks.length + typed.length);
    } else {
      const read = word.replace(/,/g, '.'), written = number.test(read);
      if (!written || !Number.isFinite(+read)) {
        const what = written ? 'слишком большое по модулю число' : 'не число';
        return refuse(`${word ? `«${word}» — ${what}. ` : ''}Введите число цифрами, например 7.5.`,
                      []);
      }
      sent = blanks + read + whole.slice(blanks.length + word.length);
    }
    pending = pending.slice(taken.length);
    status.textContent = '';
    input = encoder.encode(sent);
    show(sent, true);
  };

  // What is typed: given to the program an answer at a time when it reads.
  const deliver = () => {
    if (!reader) return;
    if (!input.length && pending) answer();
    if (!input.length && !pending && ending) ended = true;
    if (!input.length && !ended) return;
    screen.removeAttribute('data-waiting');
    keys.replaceChildren();
    const bytes = input.slice(0, reader.size);
    // Blanks alone leave the program at the same question, and its menu.
    if (bytes.some((b) => b !== 32 && (b < 9 || b > 13))) text = '';
    input = input.slice(bytes.length);
    reader.resolve(bytes);
    reader = undefined;
  };
  const send = (typed, end) => {
    if (exited) return;
    pending += typed;
    ending = end;
    deliver();
  };
  // Ctrl+D sends what is typed, then the end of input; an empty line, only
  // the end.
  const endInput = () => {
    const typed = line.value;
    line.value = '';
    send(typed, true);
  };
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    byButton = false;
    const typed = line.value;
    line.value = '';
    send(typed + '\n', false);
  });
  keys.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (!button) return;
    byButton = true;
    // The button answers instead of what could not be sent.
    if (line.value === refused) line.value = '';
    send(button.value + '\n', false);
  });
  line.addEventListener('keydown', (event) => {
    if ([...event.key].length === 1 && !event.ctrlKey && !event.altKey && !event.metaKey) {
      places.set(event.key, latin(event));
    }
  });
  // Ctrl+D by the key's place, whatever the layout (Russian: «в») or Caps Lock.
  addEventListener('keydown', (event) => {
    if (event.ctrlKey && event.code === 'KeyD' && !exited) {
      event.preventDefault();
      endInput();
    }
  });
  end.addEventListener('click', () => { endInput(); line.focus(); });
  screen.addEventListener('click', () => exited || line.focus());

  // Where the program cannot run, the page says why.
  const stop = (why) => {
    exited = true;
    keys.replaceChildren();
    line.disabled = end.hidden = form.hidden = true;
    status.textContent = why;
  };
  // A new run keeps the earlier ones above a line.
  const run = () => {
    if (out.childNodes.length) {
      out.removeAttribute('id');
      out = document.createElement('span');
      out.id = 'out';
      form.before(document.createElement('hr'), out);
    }
    input = new Uint8Array(0);
    pending = text = status.textContent = '';
    ending = ended = exited = byButton = false;
    decoder = new TextDecoder();
    menu = choices = [];
    again.hidden = true;
    line.disabled = end.hidden = form.hidden = false;
    line.focus();
    if (typeof WebAssembly !== 'object' || typeof DecompressionStream !== 'function') {
      stop('Этот браузер слишком стар для figcalc: откройте страницу в более новом браузере.');
      return;
    }
    figcalc({
      readInput: (size) => new Promise((resolve) => {
        flush();
        reader = { size, resolve };
        menu = choices = question();
        deliver();
        if (!reader) return;
        screen.setAttribute('data-waiting', '');
        fit();
        offer();
      }),
      stdout: write,
      stderr: write,
      // The output first, then the status, then the focus: onto the status,
      // where an Enter typed as an answer does nothing.
      onExit: (code) => {
        flush();
        stop('Программа завершилась' + (code ? ' с кодом ' + code : '') + '.');
        again.hidden = false;
        status.focus();
        again.scrollIntoView({ block: 'nearest' });
      },
      onAbort: () => stop('figcalc не запустилась: браузер не разрешил выполнить её программу ' +
                          '(WebAssembly). Откройте эту страницу в другом браузере.'),
    }).catch(() => {});
  };
  again.addEventListener('click', run);
  // A run that has waited for input ends with an exception (emscripten's
  // ExitStatus) that rejects the promise of its last wait: no error.
  addEventListener('unhandledrejection', (event) => {
    if (event.reason && event.reason.name === 'ExitStatus') event.preventDefault();
  });
  run();
})();
