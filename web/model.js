'use strict';
// figcalc's dialogue as the page knows it, made from src/messages.h when the page is built (the
// page gets it as figcalcModel) and by the tests: its menus, its prompts with the heading that
// says what they ask for, and the lines that report a result.
const figcalcDialogue = (() => {
  const modelOf = (header) => {
    const constants = header.matchAll(/constexpr char (k\w+)\[\] =\s*"([^"]*)"/g);
    const texts = Object.fromEntries([...constants].map(([, name, text]) => [name, text]));
    const named = (pattern) => Object.keys(texts).filter((name) => pattern.test(name));
    // A menu's line is its choices, "label (key)" each.
    const choicesOf = (text) => [...text.matchAll(/ *([^()]+?) *\((.)\)/g)]
      .map(([, label, key]) => ({ label, key }));
    const menus = named(/Menu$/)
      .map((name) => ({ name, text: texts[name], choices: choicesOf(texts[name]) }));
    // A heading («Введите радиус:») comes before its prompts; they ask for its last words.
    const headings = named(/^kEnter/).map((name) => ({
      text: texts[name],
      asks: texts[name].replace(/^\S+ /, '').replace(/:$/, ''),
    }));
    const prompts = named(/^kPrompt/).map((name) => texts[name]);
    // A result's line begins with its label: the result, a figure's measure, a function's name.
    const results = named(/^k(Result|DivisionByZero|\w+(Area|Perimeter)|Sin|Cos|Tg|Ctg)$/)
      .map((name) => ({ name, text: texts[name] }));
    return { texts, menus, headings, prompts, results };
  };

  // Where figcalc waits, from all it wrote in this run: at the menu whose line ends it, or at the
  // prompt that ends it, asking for what the last heading before it names.
  const waitOf = (model, written) => {
    const menu = model.menus.find(({ text }) => written.endsWith(text + '\n'));
    if (menu) return { menu, question: menu.text.trim() };
    const prompt = model.prompts.find((text) => written.endsWith(text));
    if (!prompt) return undefined;
    const headingAt = ({ text }) => written.lastIndexOf(text);
    const lastHeading = model.headings.filter((heading) => headingAt(heading) >= 0)
      .sort((one, other) => headingAt(other) - headingAt(one))[0];
    const question = lastHeading ? `${lastHeading.text} ${prompt}` : prompt;
    return { prompt, asks: lastHeading?.asks, question };
  };

  // Whether what figcalc wrote holds a result.
  const hasResult = (model, written) => model.results.some(({ text }) => written.includes(text));

  return { modelOf, waitOf, hasResult };
})();
if (typeof module === 'object') module.exports = figcalcDialogue;
