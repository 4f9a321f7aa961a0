#!/usr/bin/env node
// Development check: compares a generated huangdao.tsv with the day-by-day
// answers of the npm package lunar-javascript and counts the days on which
// each field differs, with a few examples. The package computes its own term
// moments, so a day on which the two disagree about the term's date shows up
// in the month-dependent fields.
//
//   NODE_PATH=/path/to/node_modules node crosscheck.js build-dir/.../huangdao.tsv
'use strict';
const fs = require('fs');
const { Solar } = require('lunar-javascript');

const rename = { '馀事勿取': '余事勿取', '齐醮': '斋醮', '元武': '玄武' };
const words = (list) => list.map((w) => rename[w] || w).filter((w) => w !== '无');
const monthNames = ['', '正月', '二月', '三月', '四月', '五月', '六月', '七月', '八月', '九月', '十月', '冬月', '腊月'];

const lines = fs.readFileSync(process.argv[2], 'utf8').split('\n').filter((l) => l);
const columns = lines[0].split('\t');
const differences = {};
const note = (field, gn, ours, theirs) => {
  const d = (differences[field] = differences[field] || { count: 0, examples: [] });
  d.count++;
  (d.all = d.all || []).push(gn.slice(0, 4));
  if (d.examples.length < 5) d.examples.push(`${gn}: ours ${ours} | theirs ${theirs}`);
};
for (const line of lines.slice(1)) {
  const row = Object.fromEntries(line.split('\t').map((v, i) => [columns[i], v]));
  const [y, m, d] = row.gn.split('-').map(Number);
  const l = Solar.fromYmd(y, m, d).getLunar();
  const spirit = l.getDayTianShen();
  const expected = {
    suici: `${l.getYearInGanZhiByLiChun()}年 ${l.getMonthInGanZhi()}月 ${l.getDayInGanZhi()}日`,
    tszf: l.getDayPositionTai().replace(' ', ''),
    wuhang: `${l.getDayNaYin()} ${l.getZhiXing()}执位`,
    cong: `冲${l.getDayChongShengXiao()}(${l.getDayChongGan()}${l.getDayChong()})煞${l.getDaySha()}`,
    pzbj: `${l.getPengZuGan()} ${l.getPengZuZhi()}`,
    lunar: `农历${l.getMonth() < 0 ? '闰' : ''}${monthNames[Math.abs(l.getMonth())]}${l.getDayInChinese()}`,
    spirit: `${spirit}${l.getDayTianShenType()}日`,
    yi: words(l.getDayYi()).join(' ') || '无',
    ji: words(l.getDayJi()).join(' ') || '无',
  };
  const [lunar, , spiritText] = row.nn.split(' ');
  const ours = { ...row, lunar, spirit: spiritText };
  for (const field of Object.keys(expected))
    if (ours[field] !== expected[field]) note(field, row.gn, ours[field], expected[field]);
  // Our spirit lists add the day spirit where the table leaves it out.
  const js = words(l.getDayJiShen()), xs = words(l.getDayXiongSha());
  const theirsJs = js.join(' ') || '无', theirsXs = xs.join(' ') || '无';
  if (row.jsyq !== theirsJs && row.jsyq !== [...js, spirit].join(' ')) note('jsyq', row.gn, row.jsyq, theirsJs);
  if (row.xsyq !== theirsXs && row.xsyq !== [...xs, spirit].join(' ')) note('xsyq', row.gn, row.xsyq, theirsXs);
}
console.log(`${lines.length - 1} days compared`);
for (const [field, d] of Object.entries(differences)) {
  console.log(`${field}: ${d.count} days differ`);
  for (const e of d.examples) console.log(`  ${e}`);
  if (d.count < 400) console.log('  years: ' + [...new Set(d.all)].join(' '));
}
