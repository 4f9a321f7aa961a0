-- Tgcode.dll: character elements, ten gods, na-yin, solar-term moments, hexagrams.
-- Keys compare without trailing blanks, as the look-ups expect.
create table hzwh (hz text not null, wh text);
create table Shishen (jiazi text collate rtrim not null primary key, ShiShen text);
create table jiazi (jiazi text collate rtrim not null primary key, layin text);
create table JQ (JQ text not null, SJ text not null, YearA integer not null);
create index JQ_by_year on JQ (YearA, SJ);
create table "64gua" (ID integer not null primary key, GuaCode text collate rtrim not null unique,
                      GuaTite text, GuaValue text);
