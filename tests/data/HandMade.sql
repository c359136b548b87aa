-- A small DUZEDO made so that every query result can be worked out on paper. Its traps are
-- deliberate:
--
-- - Names stored in another letter case than the rankings spell them: scores has "VODAD R"
--   (game 7), "MÜLLER K" (game 14) and "ÁBDO K" (game 20); tables has "ABEL M", "MÜLLER K",
--   "ÁBDO K" and the whole Dadidurez VII table under "DADIDUREZ VII". Case-insensitive matching
--   gives abel M and Ábdo K two tournaments each, case-sensitive matching only one.
-- - Names whose sort order needs a dictionary sort: "Abco D" < "Ábdo K" < "abel M", "Ísland" before
--   "Ostland", "Águila Trophy" before "Spring Cup". "José P" differs from "Jose P" (no such name).
-- - "O'Neil S", a name with an apostrophe.
-- - The World Cup final tables are stored in tables under "World Cup I " and "World Cup II "
--   (trailing blank); their games under "World Cup I Round 1 - Group A" and the like, plus one
--   game of a third World Cup. [tournament players] names the World Cups "World Cup I (Dartford)"
--   and "World Cup II (Athens)", so the final tables do not join it.
-- - "Spring Cup" (a cup: [Cup?] = -1, no table) has its games under "Spring Cup Semi-finals" and
--   "Spring Cup Final"; "Dadidurez VII" its games under "Dadidurez VII Round 1", "... Round 2" and
--   "... Cup". Neither phase name has a row in [tournament players].
-- - Game id 17 was entered last: it is the last stored row of scores although its id is 17.
-- - Two games with 20000 and 15000 goals for Team A push the goal totals past 32767
--   (sum(a) 35042, sum(b) 33, Vodad R's goals as Team A 35017).
-- - Goal totals a+b: 19 games above 2 and three games of exactly 2, so TOP 20 by a+b keeps 22
--   rows; goal differences: 20 games that are not draws, so TOP 20 by Abs(a-b) keeps exactly 20.
-- - Águila Trophy and Spring Cup share chrono 3; two players share first place in Águila Trophy.
-- - Velmoor Open 2002 is stored out of position order, and abel M's pts there is null.
-- - rankings: columns player, country, r, R1202, R0103, R0203, R0303; -1 means not ranked.
--   Vezuv L's country is "velmoor" (lower case). O'Neil S is -1 in every month.
--
-- The final tables are hand data, not derived from the games.

--include Duzedo.sql

INSERT INTO scores VALUES
    (1, 'Vodad R', 'Vezuv L', 3, 1, 'Velmoor Open 2002'),
    (2, 'Müller K', 'José P', 3, 0, 'Velmoor Open 2002'),
    (3, 'Abco D', 'abel M', 1, 1, 'Velmoor Open 2002'),
    (4, 'Vezuv L', 'Müller K', 2, 2, 'Velmoor Open 2002'),
    (5, 'José P', 'Vodad R', 0, 4, 'Velmoor Open 2002'),
    (6, 'abel M', 'Abco D', 0, 1, 'Velmoor Open 2002'),
    (7, 'VODAD R', 'Müller K', 1, 1, 'Velmoor Open 2002'),
    (8, 'Vezuv L', 'José P', 3, 0, 'Velmoor Open 2002'),
    (9, 'Vodad R', 'Vezuv L', 2, 1, 'World Cup I Round 1 - Group A'),
    (10, 'Vezuv L', 'Vodad R', 0, 0, 'World Cup I Round 1 - Group A'),
    (11, 'Vodad R', 'Müller K', 2, 1, 'World Cup I Round 2 - Group E'),
    (12, 'Müller K', 'Vodad R', 1, 0, 'World Cup II Round 1 - Group A'),
    (13, 'Vodad R', 'Müller K', 0, 0, 'World Cup II Round 1 - Group A'),
    (14, 'MÜLLER K', 'Abco D', 1, 0, 'World Cup III Round 1 - Group A'),
    (15, 'Vodad R', 'Abco D', 3, 2, 'Spring Cup Semi-finals'),
    (16, 'Ábdo K', 'Müller K', 1, 0, 'Spring Cup Semi-finals'),
    (18, 'Vodad R', 'Ábdo K', 2, 1, 'Spring Cup Final'),
    (19, 'Vezuv L', 'O''Neil S', 3, 1, 'Dadidurez VII Round 1'),
    (20, 'ÁBDO K', 'Vodad R', 1, 3, 'Dadidurez VII Round 1'),
    (21, 'O''Neil S', 'Vodad R', 1, 2, 'Dadidurez VII Round 2'),
    (22, 'Vezuv L', 'Vodad R', 2, 1, 'Dadidurez VII Cup'),
    (23, 'Abco D', 'Ábdo K', 0, 0, 'Águila Trophy'),
    (24, 'abel M', 'Abco D', 0, 2, 'Águila Trophy'),
    (25, 'Ábdo K', 'abel M', 2, 2, 'Águila Trophy'),
    (26, 'Vodad R', 'Müller K', 4, 2, 'Autumn League 2003'),
    (27, 'O''Neil S', 'Vezuv L', 2, 2, 'Autumn League 2003'),
    (28, 'Müller K', 'Vezuv L', 2, 2, 'Autumn League 2003'),
    (29, 'Vodad R', 'O''Neil S', 20000, 0, 'Autumn League 2003'),
    (30, 'Vodad R', 'Vezuv L', 15000, 1, 'Autumn League 2003'),
    -- A second leg entered after everything else.
    (17, 'Müller K', 'Ábdo K', 0, 0, 'Spring Cup Semi-finals');

INSERT INTO tables VALUES
    ('Velmoor Open 2002', 'Vodad R', 1, 5, 4, 1, 0, 12, 4, 13, 1),
    ('Velmoor Open 2002', 'Vezuv L', 2, 5, 3, 1, 1, 9, 5, 10, 1),
    ('Velmoor Open 2002', 'Müller K', 3, 5, 2, 2, 1, 8, 6, 8, 1),
    ('Velmoor Open 2002', 'José P', 6, 5, 0, 0, 5, 2, 14, 0, 1),
    ('Velmoor Open 2002', 'Abco D', 4, 5, 2, 0, 3, 6, 8, 6, 1),
    ('Velmoor Open 2002', 'abel M', 5, 5, 1, 0, 4, 4, 11, NULL, 1),
    ('World Cup I ', 'Vodad R', 1, 6, 5, 1, 0, 15, 5, 16, 2),
    ('World Cup I ', 'Vezuv L', 2, 6, 4, 0, 2, 11, 8, 12, 2),
    ('Águila Trophy', 'Abco D', 1, 2, 1, 1, 0, 2, 0, 4, 3),
    ('Águila Trophy', 'Ábdo K', 1, 2, 1, 1, 0, 3, 1, 4, 3),
    ('Águila Trophy', 'ABEL M', 3, 2, 0, 0, 2, 0, 4, 0, 3),
    ('DADIDUREZ VII', 'Vezuv L', 1, 4, 3, 0, 1, 7, 3, 9, 4),
    ('DADIDUREZ VII', 'Vodad R', 2, 4, 3, 0, 1, 8, 4, 9, 4),
    ('DADIDUREZ VII', 'O''Neil S', 3, 4, 1, 0, 3, 3, 7, 3, 4),
    ('DADIDUREZ VII', 'ÁBDO K', 4, 4, 0, 0, 4, 2, 8, 0, 4),
    ('Autumn League 2003', 'Vodad R', 1, 3, 2, 1, 0, 9, 3, 7, 5),
    ('Autumn League 2003', 'MÜLLER K', 2, 3, 1, 1, 1, 5, 5, 4, 5),
    ('Autumn League 2003', 'Vezuv L', 3, 3, 0, 2, 1, 5, 7, 2, 5),
    ('Autumn League 2003', 'O''Neil S', 4, 3, 0, 2, 1, 4, 8, 2, 5),
    ('World Cup II ', 'Müller K', 1, 6, 4, 2, 0, 10, 3, 14, 6),
    ('World Cup II ', 'Vodad R', 2, 6, 3, 2, 1, 9, 5, 11, 6);

CREATE TABLE "tournament players" ("tournament" TEXT, "chrono" SMALLINT, "country" TEXT,
                                   "date" TEXT, "Cup?" BOOLEAN, "players" SMALLINT);
INSERT INTO "tournament players" VALUES
    ('Velmoor Open 2002', 1, 'Velmoor', '14/12/2002', 0, 6),
    ('Spring Cup', 3, 'Ostland', '20/03/2003', -1, 4),
    ('World Cup I (Dartford)', 2, 'WC', '01/02/2003', 0, 8),
    ('Autumn League 2003', 5, 'Ísland', '18/10/2003', 0, 4),
    ('Dadidurez VII', 4, 'Velmoor', '10/05/2003', 0, 6),
    ('Águila Trophy', 3, 'Spain', '25/03/2003', 0, 3),
    ('World Cup II (Athens)', 6, 'WC', '01/12/2003', 0, 8);

CREATE TABLE "rankings" ("player" TEXT, "country" TEXT, "r" SMALLINT, "R1202" SMALLINT,
                         "R0103" SMALLINT, "R0203" SMALLINT, "R0303" SMALLINT);
INSERT INTO rankings VALUES
    ('Vodad R', 'Velmoor', 1, 1500, 1520, 1540, 1560),
    ('abel M', 'Velmoor', 6, -1, -1, 1180, 1200),
    ('Müller K', 'Ostland', 3, 1450, 1460, 1470, 1480),
    ('Abco D', 'Spain', 5, 1300, 1310, 1320, 1330),
    ('O''Neil S', 'Ísland', 0, -1, -1, -1, -1),
    ('Ábdo K', 'Ostland', 4, -1, 1350, 1360, 1420),
    ('José P', 'Spain', 7, 1100, 1120, 1140, 1600),
    ('Vezuv L', 'velmoor', 2, 1400, 1490, 1500, 1500);

-- The World Cups' group tables.
INSERT INTO "World Cup I Tables" VALUES
    ('Group A', 'Vezuv L', 2, 2, 0, 1, 1, 1, 2, 1, 2),
    ('Group A', 'Vodad R', 1, 2, 1, 1, 0, 2, 1, 4, 2),
    ('Group E', 'Vodad R', 1, 1, 1, 0, 0, 2, 1, 3, 2),
    ('Group E', 'Müller K', 2, 1, 0, 0, 1, 1, 2, 0, 2);
INSERT INTO "World Cup II Tables" VALUES
    ('Group A', 'Müller K', 1, 2, 1, 1, 0, 1, 0, 4, 6),
    ('Group A', 'Vodad R', 2, 2, 0, 1, 1, 0, 1, 1, 6);
