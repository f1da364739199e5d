'use strict';
// The card under a finished run: its computation in school notation, and what a pupil of grades
// 5–9 could misread in figcalc's text, in her words. It is made only from the model, what figcalc
// wrote and the answers it read; its own arithmetic only tells whether six digits rounded.
const figcalcCard = (() => {
  // The notes, the most important first.
  const notes = {
    noFigure: 'Стороны и радиус бывают только больше нуля: такой фигуры нет.',
    noTriangle: 'nan: такого треугольника нет, ведь одна его сторона длиннее суммы двух других.',
    flat: 'Площадь 0: треугольник сплющен в отрезок, одна сторона равна сумме двух других.',
    tiny: 'Крошечное число вместо нуля: точный ответ — 0, а последние знаки figcalc неточны.',
    undefined: '«- Не определён»: тире — не минус; тангенса этого угла не существует.',
    noCotangent: 'inf: котангенса этого угла не существует.',
    division: 'На ноль делить нельзя: у такого деления нет ответа.',
    nan: 'nan (и -nan) значит «ответа нет»: такого числа не существует, например √ из минус 4.',
    inf: 'inf («бесконечность»): число слишком велико для figcalc.',
    radians: 'Котангенс figcalc считает от угла в радианах, а не в градусах; котангенс угла в ' +
             'градусах — это 1 : tg угла.',
    root: '«?» стоит на месте знака корня √.',
    another: '«Другое решение» — не второй ответ, а то же число десятичной дробью.',
    rounded: 'figcalc пишет не больше шести цифр, поэтому ответ округлён (≈): точный длиннее.',
    power: '«e+06» значит «× 10⁶», «e-16» — «× 10⁻¹⁶».',
    point: 'figcalc пишет дробь с точкой, а в тетради — с запятой: 0.5 — это 0,5.',
    zero: '−0 — то же число, что 0.',
    pi: 'figcalc берёт π точнее, чем 3,14, поэтому ответ чуть отличается от ответа с π ≈ 3,14.',
    circle: 'Периметр круга называют длиной окружности.',
    perimeter: '«Перимерт» — опечатка figcalc: правильно «периметр».',
  };
  const superscript = (text) => [...text]
    .map((character) => '⁰¹²³⁴⁵⁶⁷⁸⁹⁻⁻'['0123456789-−'.indexOf(character)]).join('');
  // A number as figcalc wrote or read it, in school notation: the minus sign, a decimal comma,
  // ×10ⁿ for figcalc's «e+n»; nan and inf as they are.
  const school = (text) => {
    const [, sign, digits, power] = /^([+-]?)(\d*\.?\d*)(?:e([+-]?\d+))?$/i.exec(text) ?? [];
    if (!digits) return text;
    const decimal = digits.replace(/^\./, '0.').replace(/\.$/, '').replace('.', ',');
    const mantissa = (sign === '-' ? '−' : '') + decimal;
    return power ? `${mantissa} × 10${superscript(String(Number(power)))}` : mantissa;
  };
  // A number after an operation's sign, or raised to a power: a negative one, or one times a
  // power of ten, in brackets.
  const operand = (text) => (/^−| × /.test(text) ? `(${text})` : text);

  // The computations «Результат:» reports, by menu and key: how school writes one, of the
  // numbers in school notation, and its value, of the numbers read.
  const power = (x, y) =>
    (/^−?\d+$/.test(y) ? operand(x) + superscript(y) : `${operand(x)}^${operand(y)}`);
  const computations = {
    kOneNumberMenu: {
      a: [([x]) => `${operand(x)}²`, ([x]) => x * x],
      b: [([x]) => `√${operand(x)}`, ([x]) => Math.sqrt(x)],
    },
    kTwoNumberMenu: {
      '+': [([x, y]) => `${x} + ${operand(y)}`, ([x, y]) => x + y],
      '-': [([x, y]) => `${x} − ${operand(y)}`, ([x, y]) => x - y],
      '*': [([x, y]) => `${x} × ${operand(y)}`, ([x, y]) => x * y],
      '/': [([x, y]) => `${x} : ${operand(y)}`, ([x, y]) => x / y],
      a: [([x, y]) => power(x, y), ([x, y]) => x ** y],
    },
  };
  const degrees = Math.PI / 180;
  const functions = {
    kSin: (x) => Math.sin(x * degrees),
    kCos: (x) => Math.cos(x * degrees),
    kTg: (x) => Math.tan(x * degrees),
    kCtg: (x) => 1 / Math.tan(x), // in radians
  };
  const heron = ([a, b, c]) => {
    const p = (a + b + c) / 2;
    return Math.sqrt(p * (p - a) * (p - b) * (p - c));
  };
  // A figure's area and perimeter as school writes them, of its numbers, with what they are
  // (`is`), and their values.
  const figures = {
    Triangle: [([a, b, c], is) => `S = √(p(p − ${operand(a)})(p − ${operand(b)})(p − ` +
      `${operand(c)})) ${is}, где p = (${a} + ${operand(b)} + ${operand(c)}) : 2 (формула Герона)`,
    heron, ([a, b, c], is) => `P = ${a} + ${operand(b)} + ${operand(c)} ${is}`,
    ([a, b, c]) => a + b + c],
    Circle: [([r], is) => `S = πR² = π × ${operand(r)}² ${is}`, ([r]) => Math.PI * r * r,
      ([r], is) => `C = 2πR = 2 × π × ${operand(r)} ${is}`, ([r]) => 2 * Math.PI * r],
    Rectangle: [([a, b], is) => `S = a × b = ${a} × ${operand(b)} ${is}`, ([a, b]) => a * b,
      ([a, b], is) => `P = 2 × (a + b) = 2 × (${a} + ${operand(b)}) ${is}`,
      ([a, b]) => 2 * (a + b)],
    Square: [([a], is) => `S = a² = ${operand(a)}² ${is}`, ([a]) => a * a,
      ([a], is) => `P = 4 × a = 4 × ${operand(a)} ${is}`, ([a]) => 4 * a],
  };

  // The result of the calculator of numbers, or its refusal to divide by zero.
  const arithmetic = ({ texts, answered, shown, values, lineAfter, equals, said, noted }) => {
    const result = lineAfter(texts.kResult);
    const chosen = answered.map(({ menu, answer }) => computations[menu?.name]?.[answer])
      .find(Boolean);
    if (lineAfter(texts.kDivisionByZero) !== undefined) {
      said.push(`${shown[0]} : ${operand(shown[1])} — ${texts.kDivisionByZero}`);
      noted.add('division');
    } else if (result !== undefined && chosen) {
      const [show, value] = chosen;
      said.push(`${show(shown)} ${equals(result, value(values))}`);
    }
  };
  // A trigonometric function's value: figcalc's line names it and its angle, and gives an exact
  // form before «Другое решение», or says it is undefined.
  const trigonometry = ({ texts, written, lineAfter, equals, said, noted }) => {
    const named = Object.keys(functions).find((name) => written.includes(`\n${texts[name]}`));
    if (!named) return;
    const line = lineAfter(`\n${texts[named]}`);
    const [, angle, inDegrees, rest] = /^([^°)]*)(°?)\)(.*)$/.exec(line);
    const value = rest.slice(texts.kRadiansIs.length - 1);
    const unit = inDegrees ? '°' : ' (в радианах)';
    const name = `${texts[named].slice(0, -1)} ${school(angle)}${unit}`;
    if (!inDegrees) noted.add('radians');
    const exact = functions[named](Number(angle));
    const another = lineAfter(`${texts.kAnotherSolution}\n`);
    if (`${line}\n`.includes(texts.kUndefined.slice(1))) {
      said.push(`${name} не существует`);
      noted.add('undefined');
    } else if (another !== undefined) {
      const exactForm = value.replace(/\?/g, '√').replace(/^-/, '−');
      said.push(`${name} = ${exactForm} ${equals(another.split(' = ')[1], exact)}`);
      noted.add('root').add('another');
    } else if (/inf/.test(value)) {
      said.push(`${name} не существует`);
      noted.add('noCotangent');
    } else {
      said.push(`${name} ${equals(value, exact)}`);
      const tiny = value !== '0' && Math.abs(Number(value)) < 1e-9;
      if (tiny) noted.add('tiny');
    }
  };
  // Why a figure is impossible, if it is: a side or radius not above zero, a triangle's side as
  // long as the other two or longer.
  const whyImpossible = (named, values, areaWritten) => {
    if (!values.every((value) => value > 0)) return 'noFigure';
    if (named !== 'Triangle') return undefined;
    if (/nan/.test(areaWritten)) return 'noTriangle';
    return areaWritten === '0' ? 'flat' : undefined;
  };
  // A figure's area and perimeter, and what is wrong with an impossible figure.
  const figure = ({ model, texts, shown, values, lineAfter, equals, said, noted }) => {
    const writtenOf = (name) => lineAfter(`${texts[name]}\n`);
    const named = model.results.map(({ name }) => /^k(\w+)Area$/.exec(name)?.[1])
      .find((name) => name && writtenOf(`k${name}Area`) !== undefined);
    if (!named) return;
    const [area, areaOf, perimeter, perimeterOf] = figures[named];
    const areaWritten = writtenOf(`k${named}Area`);
    said.push(area(shown, equals(areaWritten, areaOf(values))));
    said.push(perimeter(shown, equals(writtenOf(`k${named}Perimeter`), perimeterOf(values))));
    const why = whyImpossible(named, values, areaWritten);
    if (why) noted.delete('nan'); // what it means here
    if (why) noted.add(why);
    if (named === 'Circle') noted.add('pi').add('circle');
    noted.add('perimeter');
  };

  // The card of a run whose dialogue is `model`, where figcalc wrote `written` and read
  // `answers` (each as sent, in order): its lines in school notation (`said`) and its notes'
  // names (`noted`); none where there is no result, or figcalc read the end of input.
  const cardOf = (model, written, answers) => {
    const noted = new Set();
    // Each answer, at the menu or prompt figcalc wrote it after.
    const waits = [
      ...model.menus.map((menu) => ({ at: written.indexOf(`${menu.text}\n`), menu })),
      ...model.prompts.map((prompt) => ({ at: written.indexOf(prompt) })),
    ].filter(({ at }) => at >= 0).sort((one, other) => one.at - other.at);
    // Where figcalc read the end of input before an answer, its result is of numbers unknown.
    if (waits.length > answers.length) return { said: [], noted: [] };
    const answered = waits.map((wait, i) => ({ ...wait, answer: answers[i].trim() }));
    const numbers = answered.filter(({ menu }) => !menu).map(({ answer }) => answer);
    const lineAfter = (text) => {
      const at = written.indexOf(text);
      return at < 0 ? undefined : written.slice(at + text.length).split('\n')[0];
    };
    // figcalc's `value` as school writes it, after «=» or «≈» where six digits rounded `exact`.
    const equals = (value, exact) => {
      const special = /nan|inf/i.exec(value)?.[0].toLowerCase();
      if (special) {
        noted.add(special);
        return special === 'nan' ? '— такого числа нет' : '— слишком большое число';
      }
      if (/e/i.test(value)) noted.add('power');
      if (value.includes('.')) noted.add('point');
      if (value === '-0') noted.add('zero');
      const rounded = Math.abs(Number(value) - exact) > 1e-9 * Math.abs(exact);
      if (rounded) noted.add('rounded');
      return `${rounded ? '≈' : '='} ${school(value)}`;
    };
    const card = { model, texts: model.texts, written, answered, shown: numbers.map(school),
                   values: numbers.map(Number), lineAfter, equals, said: [], noted };
    [arithmetic, trigonometry, figure].forEach((part) => part(card));
    return { said: card.said, noted: Object.keys(notes).filter((name) => noted.has(name)) };
  };
  // The card's lines: the computation, then the notes.
  const linesOf = ({ said, noted }) => [...said, ...noted.map((name) => notes[name])];
  return { cardOf, linesOf, school };
})();
if (typeof module === 'object') module.exports = figcalcCard;
