// ESLint's rules for the page's scripts (web/*.js) and the tests' (tests/*.js), as the test web.lint.
import js from '@eslint/js';
import globals from 'globals';

const pageGlobals = Object.fromEntries(['', 'Model', 'Words', 'Dialogue', 'Reader', 'Card', 'Run']
  .map((name) => ['figcalc' + name, name ? 'readonly' : 'writable'])); // figcalc: each run's program
export default [js.configs.recommended, { files: ['web/*.js', 'tests/*.js'],
  languageOptions: { sourceType: 'script', globals: { ...globals.browser, ...globals.node, ...pageGlobals } },
  rules: { 'no-nested-ternary': 'error', 'max-len': ['error', { code: 100 }], 'no-shadow': 'error',
    complexity: ['error', 10], curly: ['error', 'multi-line'], 'no-unused-vars': ['error', { vars: 'local' }],
    'no-redeclare': ['error', { builtinGlobals: false }] } }];
