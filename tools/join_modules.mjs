// Joins the page's ES modules into one file, so that the page downloads one
// script rather than one per module before the game can start. Each module
// becomes a function run once, after the modules it imports, that returns
// what it exports. Only the forms the page's modules use are taken, and
// anything else stops the build:
//   import { a, b } from './file.js';      one line, names as they are
//   export const|function|async function|class NAME ...   at a line's start
//   node join_modules.mjs ENTRY.js OUT.js
import fs from 'node:fs';
import path from 'node:path';

const [entry, out] = process.argv.slice(2);
const dir = path.dirname(entry);
const IMPORT = /^import \{( *[\w$]+(?: *, *[\w$]+)* *)\} from '\.\/([\w-]+\.js)';$/;
const EXPORT = /^export (?:const|function|async function|class) ([\w$]+)/;
const done = new Map();  // file -> the name its exports are kept under
const parts = [];

function fail(file, n, why) {
  console.error(`join_modules: ${path.join(dir, file)}:${n}: ${why}`);
  process.exit(1);
}

function join(file, from) {
  if (done.has(file)) {
    if (!done.get(file)) fail(file, 1, `imported again while it loads (from ${from}): a cycle`);
    return done.get(file);
  }
  done.set(file, null);
  const lines = fs.readFileSync(path.join(dir, file), 'utf8').split('\n');
  const exported = [];
  const body = lines.map((line, i) => {
    const imp = IMPORT.exec(line);
    if (imp) return `const {${imp[1]}} = ${join(imp[2], file)};`;
    if (/^\s*import\b|\bimport\(|^\s*export\b(?! (?:const|function|async function|class) )/.test(line))
      fail(file, i + 1, 'an import or export of a form not taken here');
    const exp = EXPORT.exec(line);
    if (!exp) return line;
    exported.push(exp[1]);
    return line.slice('export '.length);
  });
  const name = '$' + file.replace(/\W/g, '_');
  parts.push(`// --- ${file} ---\nconst ${name} = (() => {\n${body.join('\n').trimEnd()}\nreturn { ${exported.join(', ')} };\n})();\n`);
  done.set(file, name);
  return name;
}

join(path.basename(entry), 'the page');
fs.writeFileSync(out, `// The page's modules (web/*.js) joined into one by tools/join_modules.mjs.\n${parts.join('\n')}`);
