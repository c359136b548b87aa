-- The sample as an SQLite DUZEDO, changed by SQL a user's other tools might have run on it:
-- columns or tables missing, text where numbers belong, numbers at the 64-bit limits, odd names,
-- tables of another kind. Every tool run and every frame has to cope with each. Each edit runs
-- on its own sample, from its "-- edit: name" line to the next.

-- edit: columns-missing
ALTER TABLE scores DROP COLUMN "TEAM B";
ALTER TABLE rankings DROP COLUMN country;
ALTER TABLE tables DROP COLUMN pts;

-- edit: tables-missing
DROP TABLE "tournament players"; DROP TABLE rankings;

-- edit: text-numbers
UPDATE scores SET A = 'many' WHERE id % 7 = 0;
UPDATE scores SET B = x'00ff' WHERE id % 11 = 0;
UPDATE tables SET pts = 'lots', gs = 2.5;
UPDATE rankings SET R0303 = 'top', r = 'first';
UPDATE "tournament players" SET players = 'ten', chrono = 'late', date = 'someday';

-- edit: no-rows
DELETE FROM scores; DELETE FROM tables;
DELETE FROM "tournament players"; DELETE FROM rankings;

-- edit: limit-goals
-- Goals that reach the limits when a view adds or subtracts them.
UPDATE scores SET A = 9223372036854775807, B = -5 WHERE id % 7 = 3;
UPDATE scores SET A = 2147483647 WHERE id % 7 = 5;

-- edit: huge-numbers
UPDATE scores SET A = 9223372036854775807, B = -9223372036854775808 WHERE id % 5 = 0;
UPDATE tables SET g = 9223372036854775807, gc = -9223372036854775808;
UPDATE rankings SET r = 9223372036854775807, R1103 = 1e308;
UPDATE "tournament players" SET players = -9223372036854775808 WHERE rowid % 3 = 0;

-- edit: zero-counts
UPDATE tables SET g = 0, p = 0;
UPDATE "tournament players" SET players = 0;
UPDATE rankings SET r = 0, R1203 = 0;

-- edit: names
UPDATE scores SET "TEAM A" = 'O''Neil S' || char(0) || 'x' WHERE id % 9 = 0;
UPDATE scores SET "TEAM B" = '<img src=/dev/zero>' || char(1, 27, 10, 13, 9) WHERE id % 13 = 0;
UPDATE rankings SET country = char(0) || '&amp;' || char(27) || '[31m' WHERE rowid = 3;
UPDATE tables SET player = char(65533, 55296 + 1, 8238) || player WHERE rowid % 4 = 0;
UPDATE "tournament players" SET tournament = '', country = NULL WHERE rowid = 1;

-- edit: full-text-table
CREATE VIRTUAL TABLE t2 USING fts5(tournament, chrono, country, date, "Cup?", players);
INSERT INTO t2 SELECT * FROM "tournament players";
DROP TABLE "tournament players";
ALTER TABLE t2 RENAME TO "tournament players";

-- edit: unknown-module
CREATE TABLE x (v); DROP TABLE rankings;
PRAGMA writable_schema = ON;
UPDATE sqlite_master SET sql = 'CREATE VIRTUAL TABLE rankings USING nowhere(a)',
       name = 'rankings', tbl_name = 'rankings', rootpage = 0 WHERE name = 'x';
