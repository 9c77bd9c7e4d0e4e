// Scores the evaluation's conversions.
//   node score.js NAME CLAUSES_TSV OUTPUTS_TXT
// OUTPUTS_TXT holds one converted text per line, in the order of the clauses. Character accuracy is
// the share of the reference characters left after the edit distance between output and reference
// (per clause, never below 0); a clause is exact when the output equals it.
'use strict';
const fs = require('fs');

const [name, clausesPath, outputsPath] = process.argv.slice(2);
const references = fs.readFileSync(clausesPath, 'utf8').split('\n').filter(Boolean).map((l) => l.split('\t')[0]);
const outputs = fs.readFileSync(outputsPath, 'utf8').split('\n');

function distance(a, b) {
  const x = [...a];
  const y = [...b];
  let row = y.map((_, j) => j + 1);
  row.unshift(0);
  for (let i = 1; i <= x.length; ++i) {
    const next = [i];
    for (let j = 1; j <= y.length; ++j) {
      next.push(Math.min(row[j] + 1, next[j - 1] + 1, row[j - 1] + (x[i - 1] === y[j - 1] ? 0 : 1)));
    }
    row = next;
  }
  return row[y.length];
}

let characters = 0;
let right = 0;
let exact = 0;
references.forEach((reference, k) => {
  const output = outputs[k] || '';
  const length = [...reference].length;
  characters += length;
  right += Math.max(0, length - distance(output, reference));
  if (output === reference) ++exact;
});
const percent = (part, whole) => ((100 * part) / whole).toFixed(1);
console.log(`| ${name} | ${references.length} | ${percent(right, characters)} % | ${exact} (${percent(exact, references.length)} %) |`);
