// Clauses of the sentence evaluation and the pinyin to type them with.
//   node make-clauses.js --cedict ALL_JS --unihan UNIHAN_READINGS_TXT --count N FOLDER...
// Reads every HTML and text file under the folders, takes the runs of 4 to 12 Chinese characters
// (markup, Latin letters, digits and punctuation end a run), drops repeats, and picks N spread
// evenly over them in path order. The pinyin of a clause is found word by word: the longest word
// of CC-CEDICT at each position (a common-word reading before a proper name's), and for a character
// CC-CEDICT does not cover, the first kMandarin reading of Unihan. Prints one line per clause:
// "text<TAB>pinyin letters"; clauses whose letters exceed the composition's 64 are left out.
'use strict';
const fs = require('fs');
const path = require('path');

const args = process.argv.slice(2);
const option = (name) => {
  const at = args.indexOf('--' + name);
  if (at < 0) return undefined;
  const [value] = args.splice(at, 2).slice(1);
  return value;
};
const cedictPath = option('cedict');
const unihanPath = option('unihan');
const count = Number(option('count') || 400);
const folders = args;

const isChinese = (c) => (c >= 0x4e00 && c <= 0x9fff) || (c >= 0x3400 && c <= 0x4dbf);

function filesUnder(folder) {
  const found = [];
  for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
    const full = path.join(folder, entry.name);
    if (entry.isDirectory()) found.push(...filesUnder(full));
    else if (entry.isFile() && /\.(html?|xhtml|txt)$/.test(entry.name)) found.push(full);
  }
  return found.sort();
}

function runsOf(text) {
  const runs = [];
  let run = '';
  for (const c of text.replace(/<[^>]*>/g, ' ')) {
    if (isChinese(c.codePointAt(0))) run += c;
    else if (run) { runs.push(run); run = ''; }
  }
  if (run) runs.push(run);
  return runs;
}

const seen = new Set();
const clauses = [];
for (const folder of folders) {
  for (const file of filesUnder(folder)) {
    for (const run of runsOf(fs.readFileSync(file, 'utf8'))) {
      if (run.length < 4 || run.length > 12 || seen.has(run)) continue;
      seen.add(run);
      clauses.push(run);
    }
  }
}

// Toneless pinyin letters, u-umlaut as v.
const letters = (syllable) => syllable.toLowerCase().replace(/u:/g, 'v').replace(/ü/g, 'v').replace(/[0-9]/g, '');
const plain = (syllable) =>
  syllable.normalize('NFD').replace(/\u0308/g, '\u0001').replace(/[\u0300-\u036f]/g, '').replace(/u\u0001/g, 'v');

const cedictText = fs.readFileSync(cedictPath, 'utf8');
const cedict = JSON.parse(cedictText.slice(cedictText.indexOf('{'), cedictText.lastIndexOf('}') + 1)).all;
const words = new Map();
for (const [, simplified, pinyin] of cedict) {
  const syllables = pinyin.split(' ');
  if (syllables.length !== [...simplified].length) continue;
  const properName = /^[A-Z]/.test(pinyin);
  const known = words.get(simplified);
  if (!known || (known.properName && !properName)) words.set(simplified, { syllables: syllables.map(letters), properName });
}
const readings = new Map();
for (const line of fs.readFileSync(unihanPath, 'utf8').split('\n')) {
  const fields = line.split('\t');
  if (fields[1] !== 'kMandarin' || !fields[0].startsWith('U+')) continue;
  readings.set(String.fromCodePoint(parseInt(fields[0].slice(2), 16)), plain(fields[2].split(' ')[0]));
}

function pinyinOf(clause) {
  const chars = [...clause];
  const out = [];
  for (let i = 0; i < chars.length;) {
    let length = Math.min(8, chars.length - i);
    for (; length > 1 && !words.has(chars.slice(i, i + length).join('')); --length);
    const word = chars.slice(i, i + length).join('');
    // A single character: Unihan's first reading is its most common one.
    const syllables = length === 1 ? [readings.get(word) || (words.get(word) || {}).syllables?.[0]] : words.get(word).syllables;
    if (syllables.some((s) => !s || !/^[a-z]+$/.test(s))) return undefined;
    out.push(...syllables);
    i += length;
  }
  return out.join('');
}

const typed = [];
for (const clause of clauses) {
  const pinyin = pinyinOf(clause);
  if (pinyin && pinyin.length <= 64) typed.push([clause, pinyin]);
}
const step = Math.max(1, typed.length / count);
for (let k = 0; k < count && Math.floor(k * step) < typed.length; ++k) {
  const [clause, pinyin] = typed[Math.floor(k * step)];
  process.stdout.write(`${clause}\t${pinyin}\n`);
}
