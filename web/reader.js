'use strict';
// How the page reads what a pupil types at the question figcalc waits at (figcalcDialogue's
// waitOf): pure functions, which node runs in tables too (tests/reader_test.js).
const figcalcReader = (() => {
  const words = typeof module === 'object' ? require('./words.js') : figcalcWords;
  const table = (from, to) => Object.fromEntries([...from].map((letter, i) => [letter, to[i]]));
  // What a letter typed at a menu may mean besides itself: the Latin letter it looks like, or the
  // one it sounds like, as Russian schools name the Latin letters.
  const shapes = table('асеорхукВНМТ−–—', 'aceopxykbhmt---');
  const shapeOf = (character) => shapes[character] ?? shapes[character.toLowerCase()];
  const sounds = table('абвгдезиклмнопрстуфхцэ', 'abvgdeziklmnoprstufhce');
  const signs = {
    Backquote: '`~', Minus: '-_', Equal: '=+', BracketLeft: '[{', BracketRight: ']}',
    Backslash: '\\|', Semicolon: ';:', Quote: '\'"', Comma: ',<', Period: '.>', Slash: '/?',
    NumpadAdd: '++', NumpadSubtract: '--', NumpadMultiply: '**', NumpadDivide: '//',
    NumpadDecimal: '..', NumpadComma: ',,', NumpadEqual: '==',
  };
  // The character a key types in its place on the Latin (US) layout, by the key's code: what a
  // pupil meant who forgot to switch from the Russian layout.
  const latin = ({ code, shiftKey }) => {
    const [, kind, name] = /^(Key|Digit|Numpad|)(.*)$/.exec(code);
    if (kind === 'Key') return name.toLowerCase();
    const digit = kind && /^\d$/.test(name);
    if (digit && kind === 'Digit' && shiftKey) return ')!@#$%^&*('[name];
    if (digit) return name;
    return signs[code]?.[shiftKey ? 1 : 0];
  };
  const or = (items) => items.slice(0, -1).join(', ') + (items[1] ? ' или ' : '') + items.at(-1);
  const isLetter = (character) => /\p{L}/u.test(character);

  // Everything a choice is called, in lower case: its label and the school's words for it.
  const namesOf = (menu, { label, key }) =>
    [label, ...(words[menu.name]?.[key] ?? [])].map((name) => name.toLowerCase());
  // Whether `typed` names `name`: as its beginning, or as a one-word name with a case ending.
  const fits = (typed, name) => {
    if (name.startsWith(typed)) return true;
    const ending = typed.slice(name.length);
    return !/\s/.test(name) && typed.startsWith(name) && words.caseEndings.includes(ending);
  };
  // `typed`, each character as `letterFor` reads it where it can.
  const spellWith = (typed, letterFor) =>
    [...typed].map((character) => letterFor(character) ?? character).join('');

  // The choices a word or phrase of letters names, read as typed, typed in Latin keys' places, or
  // in the Latin letters its letters look like.
  const meantByWord = (menu, phrase, places) => {
    const readings = [phrase, spellWith(phrase, (c) => places.get(c)), spellWith(phrase, shapeOf)]
      .map((reading) => reading.toLowerCase());
    const meant = (named) => menu.choices.filter((choice) => namesOf(menu, choice)
      .some((name) => readings.some((reading) => named(reading, name))));
    // A choice's whole name is that choice, though it begins another's («квадрат»).
    const whole = meant((reading, name) => reading === name);
    return whole.length ? whole : meant(fits);
  };
  // The choices a lone letter may mean: every label it begins, every key it is read as, and a
  // choice it is the school's sign of (Cyrillic «х»).
  const meantByLetter = (menu, letter, places) => {
    const lower = letter.toLowerCase();
    const keys = [lower, places.get(letter), shapeOf(letter), sounds[lower]];
    const begins = ({ label }) => label.toLowerCase().startsWith(lower);
    const isKey = ({ key }) => keys.includes(key);
    const isSign = (choice) => namesOf(menu, choice).includes(lower);
    return menu.choices.filter((choice) => begins(choice) || isKey(choice) || isSign(choice));
  };
  // The choices another lone character means: first as a sign of a choice's, only then as the
  // key in its place or the sign it looks like.
  const meantBySign = (menu, sign, places) => {
    const bySign = menu.choices.filter((choice) => namesOf(menu, choice).includes(sign));
    if (bySign.length) return bySign;
    return menu.choices.filter(({ key }) => key === places.get(sign) || key === shapeOf(sign));
  };

  // What `rest` begins with at a menu, and the choices it means. Read in this order: a word or
  // phrase of letters, whole; a lone character that is a key; a lone letter; a lone sign.
  const readChoice = (rest, menu, places) => {
    const phrase = /^\p{L}+(?:[ \t]+\p{L}+)*/u.exec(rest)?.[0];
    if (phrase && [...phrase].length > 1) {
      return { typed: phrase, meant: meantByWord(menu, phrase, places) };
    }
    const typed = [...rest][0] ?? '';
    const keyed = menu.choices.filter(({ key }) => key === typed);
    if (!typed || keyed.length) return { typed, meant: keyed };
    if (isLetter(typed)) return { typed, meant: meantByLetter(menu, typed, places) };
    return { typed, meant: meantBySign(menu, typed, places) };
  };

  // A number written as figcalc reads one whole; it must also be within a double's range, beyond
  // which figcalc fails and reads nothing more.
  const number = /^[+-]?(?:\d+\.?\d*|\.\d+)(?:e[+-]?\d+)?$/i;
  // Digits grouped in thousands («1 000»): one number or several, which the pupil must say.
  const grouped = /^[+\-−–]?\d{1,3}(?:[ \u00a0\u202f]\d{3})+(?:[.,]\d*)?(?=\s|$)/;
  // The number a pupil wrote: the minus sign «−» read as figcalc's «-», a decimal comma as a point.
  const asFigcalcWrites = (word) => word.replace(/^[−–]/, '-').replace(/,/g, '.');

  // The number `rest` begins with at a prompt that asks for `asks`: what figcalc gets of the piece
  // it takes, or why it is refused and how to answer.
  const readNumber = (rest, asks) => {
    const noButtons = 'Кнопок здесь нет: наберите число и нажмите Enter.';
    const groups = grouped.exec(rest)?.[0];
    if (groups) {
      const whole = asFigcalcWrites(groups.replace(/\s/g, ''));
      const why = `«${groups}» — это одно число ${whole}? Тогда напишите его без пробелов. ` +
                  'Если это разные числа, введите их по одному, нажимая Enter после каждого.';
      return { why, offered: [], how: noButtons };
    }
    const piece = /^\S*/.exec(rest)[0];
    const written = asFigcalcWrites(piece);
    const isNumber = number.test(written);
    if (isNumber && Number.isFinite(+written)) return { piece, sent: written };
    const what = isNumber ? 'слишком большое по модулю число' : 'не число';
    const example = `Введите ${asks ?? 'число'} цифрами, например 7.5.`;
    const why = piece ? `«${piece}» — ${what}. ${example}` : example;
    return { why, offered: [], how: noButtons };
  };
  // The choice `rest` begins with at `menu`: its key and label, and the piece that names it; or
  // why it is refused, the choices to offer, and how to answer.
  const readMenu = (rest, menu, places) => {
    const { typed, meant } = readChoice(rest, menu, places);
    const how = ({ label, key }) => `Напишите слово целиком («${label}»), «${key}»` +
      `${isLetter(key) ? ' в латинской раскладке' : ''} или нажмите кнопку.`;
    if (meant.length === 1) return { piece: typed, sent: meant[0].key, label: meant[0].label };
    if (meant.length) {
      const named = meant.map(({ label, key }) => `${label} (${key})`);
      return { why: `«${typed}» — это ${or(named)}?`, offered: meant, how: how(meant[0]) };
    }
    const all = or(menu.choices.map(({ key }) => key));
    const why = typed ? `В этом меню нет «${typed}»: выберите ${all}.` : `Выберите ${all}.`;
    return { why, offered: menu.choices, how: how(menu.choices[0]) };
  };

  // The next answer in `line` at `wait` (figcalcDialogue's waitOf), with `places` the Latin key
  // each character was typed with, and `last` the page's last refusal. Returns what figcalc gets
  // and how much of `line` that takes, with the blanks around it (and at a menu, the choice's
  // `label`); or `why` it is refused, the choices `offered` instead, and what is `said`, which
  // also tells how to answer when it was said last time too.
  const read = (line, wait, places, last) => {
    const blanks = /^\s*/.exec(line)[0];
    const rest = line.slice(blanks.length);
    const decided = wait.menu ? readMenu(rest, wait.menu, places) : readNumber(rest, wait.asks);
    if (decided.why) {
      const { why, offered, how } = decided;
      return { why, offered, said: why === last?.why ? `${why} ${how}` : why };
    }
    // With the blanks after it, none where the word goes on.
    const after = /^\s*/.exec(rest.slice(decided.piece.length))[0];
    const taken = blanks.length + decided.piece.length + after.length;
    return { sent: blanks + decided.sent + after, taken, label: decided.label };
  };
  return { latin, read };
})();
if (typeof module === 'object') module.exports = figcalcReader;
