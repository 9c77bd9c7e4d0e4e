// Types each clause's pinyin through the console and prints what it committed, one line per clause.
//   node type-clauses.js CONSOLE CLAUSES_TSV [--set SECTION.KEY=VALUE]...
// Each clause runs in a console of its own (a fresh user folder: nothing learned carries over): the
// letters, then Space until the composition closes.
'use strict';
const fs = require('fs');
const { spawnSync } = require('child_process');

const [consolePath, clausesPath, ...settings] = process.argv.slice(2);
const spaces = '{Space}'.repeat(24);
for (const line of fs.readFileSync(clausesPath, 'utf8').split('\n').filter(Boolean)) {
  const letters = line.split('\t')[1];
  const run = spawnSync(consolePath, ['--json', '--keys', letters + spaces, ...settings], { encoding: 'utf8' });
  if (run.status !== 0) throw new Error(`console failed on ${letters}: ${run.stderr}`);
  const steps = run.stdout.split('\n').filter(Boolean).map((step) => JSON.parse(step));
  let committed = '';
  for (const step of steps.slice(letters.length)) {
    if (step.commit !== null) committed += step.commit;
    if (step.composition === '') break;
  }
  process.stdout.write(committed.replace(/\n/g, ' ') + '\n');
}
