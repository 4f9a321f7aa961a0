-- KunBirth.dll: the scrambled article texts.
create table Noter (Cid text not null primary key, Tite text, content text);
