'use strict';
// The web page's reader (web/reader.js) by a table: what figcalc wrote last (a text of src/messages.h by
// name), what is typed, then what figcalc gets and what is left, or what the page says and its buttons'
// keys. Options: `codes`, the key (event.code) that typed a character; `twice`, the same typed again.
const { latin, menu, read } = require('../web/reader.js');
const texts = Object.fromEntries([...require('fs').readFileSync(require.resolve('../src/messages.h'), 'utf8')
  .matchAll(/constexpr char (k\w+)\[\] =\s*"([^"]*)"/g)].map(([, name, text]) => [name, text]));
const number = 'Введите число цифрами, например 7.5.', how = 'или нажмите кнопку.';
const rows = [
  ['kMainMenu', '1\n', '1\n', ''], // a key
  ['kMainMenu', '12 6 3 /\n', '1', '2 6 3 /\n'], // digits and signs a character at a time
  ['kMainMenu', ' калькулятор чисел 1\n', ' 1 ', '1\n'], // a label in full
  ['kFigureMenu', 'Круг\n', '2\n', ''],
  ['kOneNumberMenu', 'косинус\n', 'c\n', ''], // a word, never its first letter
  ['kOneNumberMenu', 'КОС 60', 'c ', '60'], // its beginning
  ...Object.entries({ sin: 's', cos: 'c', tg: 't', ctg: 'k' }).map(([name, key]) => ['kOneNumberMenu', name, key, '']),
  ['kOneNumberMenu', 'ышт\n', 's\n', '', { codes: { ы: 'KeyS', ш: 'KeyI', т: 'KeyN' } }], // sin, typed in Russian
  ['kOneNumberMenu', 'соs\n', 'c\n', ''], // Cyrillic с and о look like c and o
  ['kOneNumberMenu', 'ы\n', 's\n', '', { codes: { ы: 'KeyS' } }], // a key by its place
  ['kTwoNumberMenu', '.\n', '/\n', '', { codes: { '.': 'Slash' } }],
  ['kOneNumberMenu', 'В\n', 'b\n', ''], // a capital that looks like a Latin letter
  ['kOneNumberMenu', 'ц\n', 'c\n', ''], // the Latin letter it sounds like
  ['kOneNumberMenu', 'с\n', '«с» — это синус (s) или косинус (c)?', 'sc'], // two fits
  ['kOneNumberMenu', 'с\n', '«с» — это синус (s) или косинус (c)? Напишите слово целиком («синус»), «s» в ' +
   `латинской раскладке ${how}`, 'sc', { twice: true }],
  ['kOneNumberMenu', 'ко\n', '«ко» — это корень (b), косинус (c) или котангенс (k)?', 'bck'],
  ['kOneNumberMenu', 'кубик\n', 'В этом меню нет «кубик»: выберите a, b, s, c, t или k.', 'absctk'], // none
  ['kMainMenu', '3', 'В этом меню нет «3»: выберите 1 или 2. Напишите слово целиком («калькулятор чисел»), «1» ' +
   how, '12', { twice: true }], // a key that is no letter: no layout named
  ['kModeMenu', '\n', 'Выберите 1 или 2.', '12'],
  ['kEnterNumber', '7.5 2\n', '7.5 ', '2\n'], // numbers a word at a time
  ['kPrompt1', '-1e-400\n', '-1e-400\n', ''],
  ['kPromptRadius', '7,5\n', '7.5\n', ''], // a decimal comma
  ['kEnterNumber', '1e400\n', `«1e400» — слишком большое по модулю число. ${number}`, ''], // a double's range
  ['kEnterNumber', '0x5 семь\n', `«0x5» — не число. ${number}`, ''],
  ['kEnterNumber', 'inf\n', `«inf» — не число. ${number}`, ''],
  ['kEnterNumber', ' \n', number, ''],
  ['kEnterNumber', 'x', `«x» — не число. ${number} Кнопок здесь нет: наберите число и нажмите Enter.`, '', { twice: true }],
];
const failed = rows.filter(([name, typed, expected, left, { codes = {}, twice } = {}]) => {
  const places = new Map(Object.entries(codes).map(([character, code]) => [character, latin({ code })]));
  const choices = menu(texts[name] + '\n'), first = twice && read(typed, choices, places);
  const { sent, taken, said, offered } = read(typed, choices, places, first);
  const got = said ? [said, offered.map(({ key }) => key).join('')] : [sent, typed.slice(taken)];
  if (got[0] === expected && got[1] === left) return false;
  console.log(`FAILED: at ${name}, ${JSON.stringify(typed)} gives ${JSON.stringify(got)}, not ${JSON.stringify([expected, left])}`);
  return true;
}).length;
console.log(`${rows.length - failed} of ${rows.length} rows as expected`);
process.exitCode = failed ? 1 : 0;
