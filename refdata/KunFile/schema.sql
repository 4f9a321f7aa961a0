-- KunFile.dll: one almanac entry per day, keyed by the date as YYYY-MM-DD.
create table huangdao (
  gn text not null primary key,
  nn text, suici text, tszf text, wuhang text, cong text, pzbj text,
  jsyq text, yi text, xsyq text, ji text, jishi text
);
