// The page's module joiner: the joined file runs the modules once each, the
// imported before the importer, with what each exports and nothing else
// shared; forms it does not take, and cycles, stop it with the file and line.
//   node join_modules_test.mjs JOIN_MODULES.mjs
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const joiner = process.argv[2];
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'gobbler-join-'));
let failed = 0;
const check = (ok, what) => { console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`); failed += !ok; };
const join = (files) => {
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), text);
  return spawnSync('node', [joiner, path.join(dir, 'page.js'), path.join(dir, 'out.mjs')], { encoding: 'utf8' });
};

// Two modules with the same private name, one imported twice.
const run = join({
  'page.js': "import { twice } from './b.js';\nimport { count, log } from './a.js';\nconst hidden = 'page';\n" +
             "log.push(hidden + ' ' + twice(count));\nconsole.log(log.join(','));\n",
  'b.js': "import { count, log } from './a.js';\nconst hidden = 'b';\nlog.push(hidden);\n" +
          "export function twice(n) { return 2 * n; }\n",
  'a.js': "const hidden = 'a';\nexport const log = [hidden];\nexport const count = 21;\n",
});
check(run.status === 0, `the modules join (${run.stderr.trim()})`);
const out = run.status === 0 ? execFileSync('node', [path.join(dir, 'out.mjs')], { encoding: 'utf8' }).trim() : '';
check(out === 'a,b,page 42', `each runs once, after what it imports, with its own names (${out})`);

for (const [what, files, where] of [
  ['a default export', { 'page.js': "import { x } from './a.js';\n", 'a.js': 'const x = 1;\nexport default x;\n' }, 'a.js:2'],
  ['an import over two lines', { 'page.js': "import {\n  x } from './a.js';\n", 'a.js': 'export const x = 1;\n' }, 'page.js:1'],
  ['a renamed import', { 'page.js': "import { x as y } from './a.js';\n", 'a.js': 'export const x = 1;\n' }, 'page.js:1'],
  ['a cycle', { 'page.js': "import { x } from './a.js';\n", 'a.js': "import { y } from './page.js';\nexport const x = 1;\n" },
   'page.js:1'],
]) {
  fs.rmSync(dir, { recursive: true }), fs.mkdirSync(dir);
  const r = join(files);
  check(r.status === 1 && r.stderr.includes(where) && !fs.existsSync(path.join(dir, 'out.mjs')),
        `${what} stops the join at ${where} (${r.stderr.trim()})`);
}
fs.rmSync(dir, { recursive: true });
process.exit(failed ? 1 : 0);
