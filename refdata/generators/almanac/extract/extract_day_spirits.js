#!/usr/bin/env node
// Writes ../day_spirits.tsv: for every month branch and day pillar, the
// activities (宜/忌) and the spirits of the day (吉神/凶煞) as carried by the
// npm package lunar-javascript (MIT). Development-time only; the build reads
// the committed TSV and never needs Node.
//
//   cd "$(mktemp -d)" && npm install lunar-javascript@1.7.7
//   NODE_PATH="$PWD/node_modules" node /path/to/extract_day_spirits.js
//
// The package keys its activity table by the month pillar; the lists depend
// on the month branch alone (checked below), so one pillar per branch suffices.
'use strict';
const fs = require('fs');
const path = require('path');
const { LunarUtil } = require('lunar-javascript');
const version = require('lunar-javascript/package.json').version;

const branches = '子丑寅卯辰巳午未申酉戌亥';
const pillars = LunarUtil.JIA_ZI;  // 60 pillars, 甲子 first

// Spellings used by the rest of the program.
const rename = { '馀事勿取': '余事勿取', '齐醮': '斋醮', '元武': '玄武' };
const tidy = (list) => {
  const out = [];
  for (const w of list) {
    const word = rename[w] || w;
    if (word !== '无' && !out.includes(word)) out.push(word);
  }
  return out.join(' ');
};

const rows = [];
for (let b = 0; b < 12; b++) {
  const monthPillars = pillars.filter((p) => p[1] === branches[b]);
  for (const day of pillars) {
    const yi = LunarUtil.getDayYi(monthPillars[0], day);
    const ji = LunarUtil.getDayJi(monthPillars[0], day);
    for (const other of monthPillars.slice(1)) {
      if (JSON.stringify(LunarUtil.getDayYi(other, day)) !== JSON.stringify(yi) ||
          JSON.stringify(LunarUtil.getDayJi(other, day)) !== JSON.stringify(ji)) {
        throw new Error(`activities of ${day} differ between ${monthPillars[0]} and ${other}`);
      }
    }
    rows.push([branches[b], day, tidy(yi), tidy(ji),
               tidy(LunarUtil.getDayJiShen(b, day)), tidy(LunarUtil.getDayXiongSha(b, day))]);
  }
}

const header = [
  `# Almanac activities and spirits by month branch and day pillar (${rows.length} rows).`,
  `# Extracted from the npm package lunar-javascript ${version} by extract/extract_day_spirits.js;`,
  '# see LICENSE-lunar-javascript.txt beside this file (MIT). Words are separated by blanks;',
  '# an empty field means the source lists nothing for that day.',
  'month_branch\tday_pillar\tyi\tji\tjsyq\txsyq',
];
const out = path.join(__dirname, '..', 'day_spirits.tsv');
fs.writeFileSync(out, header.concat(rows.map((r) => r.join('\t'))).join('\n') + '\n');
console.log(`wrote ${rows.length} rows to ${out}`);
