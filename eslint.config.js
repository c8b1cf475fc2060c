// ESLint over the page's modules (src/web, run in the browser) and these
// tests (tests/web, run by Node.js; the functions they hand to the page run in the
// browser), from the project's top folder: any warning fails.
'use strict';
const js = require('@eslint/js');
const globals = require('globals');

const rules = {...js.configs.recommended.rules, 'no-implicit-globals': 'error', 'no-unused-vars': 'error',
               'no-undef': 'error', strict: ['error', 'safe']};
module.exports = [
  {files: ['src/web/*.js'], rules,
   languageOptions: {sourceType: 'module', ecmaVersion: 'latest', globals: globals.browser}},
  {files: ['tests/web/*.js'], rules,
   languageOptions: {sourceType: 'commonjs', ecmaVersion: 'latest', globals: {...globals.node, ...globals.browser}}},
];
