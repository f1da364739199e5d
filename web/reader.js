'use strict';
// How the page reads what a pupil types, at the question figcalc waits at: pure functions, which
// node runs in a table too (tests/reader_test.js).
const figcalcReader = (() => {
  const table = (from, to) => Object.fromEntries([...from].map((letter, i) => [letter, to[i]]));
  // What a character typed at a menu may mean when it is none of its keys: the key in its place
  // on the Latin (US) layout, for a pupil who forgot to switch from the Russian one; the Latin
  // letter it looks like; the one it sounds like, as Russian schools name the Latin letters.
  const shapes = table('асеорхукВНМТ−–—', 'aceopxykbhmt---');
  const sounds = table('абвгдезиклмнопрстуфхцэ', 'abvgdeziklmnoprstufhce');
  // A function's name as a result writes it, for its choice.
  const names = { sin: 'синус', cos: 'косинус', tg: 'тангенс', ctg: 'котангенс' };
  const signs = {
    Backquote: '`~', Minus: '-_', Equal: '=+', BracketLeft: '[{', BracketRight: ']}',
    Backslash: '\\|', Semicolon: ';:', Quote: '\'"', Comma: ',<', Period: '.>', Slash: '/?',
    NumpadAdd: '++', NumpadSubtract: '--', NumpadMultiply: '**', NumpadDivide: '//',
    NumpadDecimal: '..', NumpadComma: ',,', NumpadEqual: '==',
  };
  // The character a key types in its place on the Latin layout, by the key's code.
  const latin = ({ code, shiftKey }) => {
    const [, kind, name] = /^(Key|Digit|Numpad|)(.*)$/.exec(code);
    if (kind === 'Key') return name.toLowerCase();
    if (kind && /^\d$/.test(name)) return kind === 'Digit' && shiftKey ? ')!@#$%^&*('[name] : name;
    return signs[code] && signs[code][shiftKey ? 1 : 0];
  };
  // The choices of the menu that `text`, all figcalc wrote since it last read, ends with, if its
  // last line is one: "label (key)" each.
  const menu = (text) => {
    const last = /(?:^|\n)([^\n]*)\n$/.exec(text);
    return last && /^(?:[^()]+\(.\))+ *$/.test(last[1])
      ? [...last[1].matchAll(/ *([^():=]+?) *\((.)\)/g)].map(([, label, key]) => ({ label, key }))
      : [];
  };
  const or = (items) => items.slice(0, -1).join(', ') + (items[1] ? ' или ' : '') + items.at(-1);
  // A number written as figcalc reads one; it must also be within a double's range, beyond which
  // figcalc fails and reads nothing more.
  const number = /^[+-]?(?:\d+\.?\d*|\.\d+)(?:e[+-]?\d+)?$/i;

  // The next answer in `line` to the menu `choices` (none at a number prompt), with `places` the
  // Latin key each character was typed with, and `last` the page's last refusal. At a menu a
  // word of letters is read whole, as a choice's label or its beginning, or a function's name;
  // other characters one at a time. At a prompt a word between blanks, only if it is a number (a
  // decimal comma sent as a point). Returns what figcalc gets and how much of `line` that takes,
  // with the blanks around it; or `why` it is refused, what to offer instead, and what to say,
  // which also tells how to answer when it was said last time.
  const read = (line, choices, places, last) => {
    const [, blanks, word] = /^(\s*)(\S*)/.exec(line), rest = line.slice(blanks.length);
    const refuse = (why, offered, how) => ({ why, offered, said: why === last?.why ? `${why} ${how}` : why });
    const take = (piece, sent) => { // with the blanks after it, none where the word goes on
      const after = /^\s*/.exec(rest.slice(piece.length))[0];
      return { sent: blanks + sent + after, taken: blanks.length + piece.length + after.length };
    };
    if (!choices.length) {
      const read = word.replace(/,/g, '.'), written = number.test(read);
      if (written && Number.isFinite(+read)) return take(word, read);
      const what = written ? 'слишком большое по модулю число' : 'не число';
      return refuse(`${word ? `«${word}» — ${what}. ` : ''}Введите число цифрами, например 7.5.`, [],
                    'Кнопок здесь нет: наберите число и нажмите Enter.');
    }
    const lower = rest.toLowerCase(), full = choices.find(({ label }) =>
      lower.startsWith(label.toLowerCase()) && !/\p{L}/u.test(rest[label.length] ?? ''));
    if (full) return take(rest.slice(0, full.label.length), full.key);
    const letters = /^\p{L}{2,}/u.exec(word)?.[0], typed = letters ?? [...word][0] ?? '';
    const spelt = (map) => [...typed].map((c) => map(c) ?? c).join('').toLowerCase();
    const readings = [typed.toLowerCase(), spelt((c) => places.get(c)),
                      spelt((c) => shapes[c] ?? shapes[c.toLowerCase()]), sounds[typed.toLowerCase()]];
    const keyed = choices.filter(({ key }) => key === typed);
    const meant = letters ? choices.filter(({ label }) => readings.some((reading) =>
      label.toLowerCase().startsWith(reading) || names[reading] === label.toLowerCase()))
      : keyed.length ? keyed : choices.filter(({ key }) => readings.includes(key));
    const how = ({ label, key }) => `Напишите слово целиком («${label}»), «${key}»` +
      `${/\p{L}/u.test(key) ? ' в латинской раскладке' : ''} или нажмите кнопку.`;
    if (meant.length === 1) return take(typed, meant[0].key);
    if (meant.length) {
      return refuse(`«${typed}» — это ${or(meant.map(({ label, key }) => `${label} (${key})`))}?`, meant, how(meant[0]));
    }
    const all = or(choices.map(({ key }) => key));
    return refuse(typed ? `В этом меню нет «${typed}»: выберите ${all}.` : `Выберите ${all}.`, choices, how(choices[0]));
  };
  return { latin, menu, read };
})();
if (typeof module === 'object') module.exports = figcalcReader;
