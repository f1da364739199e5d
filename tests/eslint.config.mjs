// ESLint's rules for the page's scripts (web/*.js) and the tests' (tests/*.js), run from the
// project's folder as the test web.lint. The scripts share the page's globals: figcalc*.
import js from '@eslint/js';
import globals from 'globals';

const pageGlobals = ['Model', 'Words', 'Dialogue', 'Reader', 'Run'].map((name) => 'figcalc' + name);
export default [js.configs.recommended, {
  files: ['web/*.js', 'tests/*.js'],
  languageOptions: { sourceType: 'script', globals: { ...globals.browser, ...globals.node,
    ...Object.fromEntries(pageGlobals.map((name) => [name, 'readonly'])), figcalc: 'writable' } },
  rules: { 'no-nested-ternary': 'error', 'max-len': ['error', { code: 100 }], 'no-shadow': 'error',
    complexity: ['error', 10], curly: ['error', 'multi-line'],
    'no-unused-vars': ['error', { vars: 'local' }], 'no-redeclare': ['error', { builtinGlobals: false }] },
}];
