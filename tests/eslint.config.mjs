// ESLint's rules for the page's scripts (web/*.js) and the tests' (tests/*.js), run from the
// project's folder as the test web.lint.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    files: ['web/*.js', 'tests/*.js'],
    languageOptions: {
      sourceType: 'script',
      globals: {
        ...globals.browser, ...globals.node, figcalc: 'writable', figcalcModel: 'readonly',
        figcalcWords: 'readonly', figcalcDialogue: 'readonly', figcalcReader: 'readonly',
        figcalcRun: 'readonly',
      },
    },
    rules: {
      'no-nested-ternary': 'error',
      'max-len': ['error', { code: 100 }],
      'no-shadow': ['error', { builtinGlobals: false }],
      complexity: ['error', 10],
      curly: ['error', 'multi-line'],
      'no-unused-vars': ['error', { vars: 'local' }],
      'no-redeclare': ['error', { builtinGlobals: false }],
    },
  },
];
