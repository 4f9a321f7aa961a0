-- dream.dll: mobile-number verdicts and the bone-weight tables.
create table shouji (num text not null primary key, title text, jx text, content text);
create table chenggu (weight text not null primary key, content text, content2 text);
create table chenggu1 ("year" text not null primary key, weight text);
create table chenggu2 (month2 text not null primary key, weight text);
create table chenggu3 (day2 text not null primary key, weight text);
create table chenggu4 ("time" text not null primary key, weight text);
