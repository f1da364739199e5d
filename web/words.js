'use strict';
// The words and signs a Russian pupil uses for a choice, beside its own label, by its menu and
// key. A word is read whole, blanks included; the figures' names, and every label of one word, in
// any case form too (the endings below).
const figcalcWords = {
  kMainMenu: { 2: ['фигуры', 'фигура'] },
  kOneNumberMenu: {
    a: ['в квадрат', 'возвести в квадрат', '²'],
    b: ['корень', 'квадратный корень', 'извлечь корень', '√'],
    s: ['sin'],
    c: ['cos'],
    t: ['tg', 'tan', 'тг'],
    k: ['ctg', 'cot', 'ктг'],
  },
  kTwoNumberMenu: {
    '+': ['плюс', 'сложить', 'прибавить'],
    '-': ['минус', 'вычесть', 'отнять', '−', '–'],
    '*': ['умножить', '×', '·', 'х'],
    '/': ['разделить', 'поделить', ':', '÷'],
    a: ['степень', 'в степень', 'возвести', 'возвести в степень', '^'],
  },
  caseEndings: ['а', 'у', 'ом', 'е', 'ы', 'и', 'ов', 'ам', 'ами', 'ах'],
};
if (typeof module === 'object') module.exports = figcalcWords;
