'use strict';
(() => {
  const $ = (id) => document.getElementById(id);
  const screen = $('screen'), form = $('form'), line = $('line'), keys = $('keys');
  const status = $('status'), end = $('end'), again = $('again');
  const encoder = new TextEncoder();
  // Cyrillic letters that look like the Latin keys of the menus.
  const lookalikes = { а: 'a', А: 'a', с: 'c', С: 'c', к: 'k', К: 'k' };
  let out = $('out'), input, ended, exited, reader, decoder, written, text, menu, byButton;

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
  // read is one: its choices, "text (key)" each, as buttons that answer with
  // their key.
  const offer = () => {
    const last = /(?:^|\n)([^\n]*)\n$/.exec(text);
    menu = last && /^(?:[^()]+\(.\))+ *$/.test(last[1])
      ? [...last[1].matchAll(/ *([^():=]+?) *\((.)\)/g)].map(([, label, key]) => ({ label, key }))
      : [];
    keys.replaceChildren(...menu.map(({ label, key }) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.value = key;
      button.textContent = label;
      return button;
    }));
    (menu.length ? keys : line).scrollIntoView({ block: 'nearest' });
    if (byButton) (keys.firstChild || line).focus();
  };

  // What is typed: queued, and given to the program when it reads. A pupil's
  // decimal comma goes as a point, and at a menu a Cyrillic letter that looks
  // like one of its keys as that key; what is shown is what the program gets.
  const deliver = () => {
    if (!reader || (!input.length && !ended)) return;
    screen.removeAttribute('data-waiting');
    keys.replaceChildren();
    menu = [];
    const bytes = input.slice(0, reader.size);
    // Blanks alone leave the program at the same question, and its menu.
    if (bytes.some((b) => b !== 32 && (b < 9 || b > 13))) text = '';
    input = input.slice(bytes.length);
    reader.resolve(bytes);
    reader = undefined;
  };
  const send = (typed) => {
    if (exited || !typed) return;
    typed = typed.replace(/,/g, '.').replace(/[аАсСкК]/g, (letter) =>
      (menu.some(({ key }) => key === lookalikes[letter]) ? lookalikes[letter] : letter));
    show(typed, true);
    input = Uint8Array.of(...input, ...encoder.encode(typed));
    deliver();
  };
  const endInput = () => {
    send(line.value);
    line.value = '';
    ended = true;
    deliver();
  };
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    byButton = false;
    send(line.value + '\n');
    line.value = '';
  });
  keys.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (!button) return;
    byButton = true;
    send(button.value + '\n');
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
    ended = exited = byButton = false;
    decoder = new TextDecoder();
    text = status.textContent = '';
    menu = [];
    again.hidden = true;
    line.disabled = end.hidden = form.hidden = false;
    line.focus();
    if (typeof WebAssembly !== 'object') {
      stop('Этот браузер не умеет выполнять WebAssembly, на котором работает figcalc: ' +
           'откройте страницу в более новом браузере.');
      return;
    }
    figcalc({
      readInput: (size) => new Promise((resolve) => {
        flush();
        reader = { size, resolve };
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
  // emscripten fetches the program from its own data: URL where fetch is
  // there, which the policy refuses (no connection); else it decodes it.
  window.fetch = undefined;
  // A run that has waited for input ends with an exception (emscripten's
  // ExitStatus) that rejects the promise of its last wait: no error.
  addEventListener('unhandledrejection', (event) => {
    if (event.reason && event.reason.name === 'ExitStatus') event.preventDefault();
  });
  run();
})();
