-- KunFile.dll: one almanac entry per day, keyed by the date as YYYY-MM-DD.
create table huangdao (
  gn text not null primary key,
  nn text, suici text, tszf text, wuhang text, cong text, pzbj text,
  jsyq text, yi text, xsyq text, ji text, jishi text
);
-- KunFile.dll: the pages of the illustrated articles (picture as PNG bytes).
create table PicturePage (
  Article integer not null, Page integer not null, Picture blob, Content text,
  primary key (Article, Page)
);
