-- A small DUZEDO for the Tournaments and World Cups frames. Its traps:
--
-- - [tournament players]: "Velmoor Open" (a real date, 18 May 2003), "O'Hara Cup" (a cup, no
--   table, games under "O'Hara Cup Semi-finals" and "O'Hara Cup Final"), "world cup I
--   (Dartford)" in lower case (never listed), "dadidurez vii" in lower case (games only under its
--   phases "Dadidurez VII League Round 1 - Group A" and "Dadidurez VII Cup - Final"), "Autumn
--   League" hosted in "O'Land", "Worldcup Open" (listed: no blank after "Worldcup"), "Spring
--   cup" (not a cup competition but its name ends in cup: games under "Spring cup" and "Spring
--   cup Final"; Eve and Fay share first place).
-- - Velmoor Open's games are stored in the order of ids 3, 1, 2, 4: Team A players Ann, Bob, Cid;
--   Dan only ever plays as Team B.
-- - World Cup final tables under "World Cup I ", "World Cup II " and "World Cup III " (trailing
--   blank), winners Ann, Cid and Dan; [World Cup I Tables] holds only Group A (Bob before Ann).
-- - Final tables: each player 3 games, 1 won, 1 drawn, 1 lost, 4 goals for and 4 against.

--include Duzedo.sql

INSERT INTO scores VALUES
    (3, 'Ann', 'Bob', 1, 0, 'Velmoor Open'),
    (1, 'Bob', 'Cid', 2, 2, 'Velmoor Open'),
    (2, 'Cid', 'Ann', 0, 3, 'Velmoor Open'),
    (4, 'Cid', 'Dan', 1, 1, 'Velmoor Open'),
    (11, 'Gus', 'Hal', 1, 2, 'O''Hara Cup Semi-finals'),
    (10, 'Eve', 'Fay', 3, 1, 'O''Hara Cup Semi-finals'),
    (12, 'Eve', 'Hal', 2, 0, 'O''Hara Cup Final'),
    (20, 'Ann', 'Bob', 1, 1, 'Dadidurez VII League Round 1 - Group A'),
    (21, 'Cid', 'Ann', 0, 2, 'Dadidurez VII Cup - Final'),
    (30, 'Eve', 'Fay', 1, 1, 'Spring cup'),
    (31, 'Gus', 'Eve', 0, 1, 'Spring cup Final'),
    (40, 'Ann', 'Bob', 2, 0, 'World Cup I Round 1 - Group A'),
    (41, 'Cid', 'Dan', 1, 0, 'World Cup II Round 1 - Group A'),
    (42, 'Dan', 'Eve', 4, 0, 'World Cup III Round 1 - Group A'),
    (43, 'Ann', 'Cid', 3, 2, 'World Cup I Playoffs - Final');

INSERT INTO tables VALUES
    ('Velmoor Open', 'Bob', 2, 3, 1, 1, 1, 4, 4, 4, 1),
    ('Velmoor Open', 'Ann', 1, 3, 1, 1, 1, 4, 4, 6, 1),
    ('World Cup I ', 'Ann', 1, 3, 1, 1, 1, 4, 4, 9, 3),
    ('World Cup I ', 'Bob', 2, 3, 1, 1, 1, 4, 4, 3, 3),
    ('Autumn League', 'Dan', 1, 3, 1, 1, 1, 4, 4, NULL, 5),
    ('Spring cup', 'Eve', 1, 3, 1, 1, 1, 4, 4, 4, 7),
    ('Spring cup', 'Fay', 1, 3, 1, 1, 1, 4, 4, 4, 7),
    ('World Cup II ', 'Cid', 1, 3, 1, 1, 1, 4, 4, 7, 8),
    ('World Cup III ', 'Dan', 1, 3, 1, 1, 1, 4, 4, 7, 9);

-- The date is a real date, not a text.
CREATE TABLE "tournament players" ("tournament" TEXT, "chrono" SMALLINT, "country" TEXT,
                                   "date" DATETIME, "Cup?" BOOLEAN, "players" SMALLINT);
INSERT INTO "tournament players" VALUES
    ('Velmoor Open', 1, 'Velmoor', '2003-05-18 00:00:00', 0, NULL),
    ('O''Hara Cup', 2, 'Ostland', '2003-06-01 00:00:00', -1, NULL),
    ('world cup I (Dartford)', 3, 'WC', '2003-07-01 00:00:00', 0, NULL),
    ('dadidurez vii', 4, 'Velmoor', '2003-08-01 00:00:00', 0, NULL),
    ('Autumn League', 5, 'O''Land', '2003-10-01 00:00:00', 0, NULL),
    ('Worldcup Open', 6, 'Velmoor', '2003-11-01 00:00:00', 0, NULL),
    ('Spring cup', 7, 'Velmoor', '2004-03-01 00:00:00', 0, NULL);

CREATE TABLE "rankings" ("player" TEXT, "country" TEXT, "r" SMALLINT, "R0503" SMALLINT);
INSERT INTO rankings VALUES
    ('Ann', 'Velmoor', NULL, 1500),
    ('Bob', 'O''Land', NULL, 1400);

INSERT INTO "World Cup I Tables" VALUES
    ('Group A', 'Bob', 2, 3, 1, 1, 1, 4, 4, 1, 3),
    ('Group A', 'Ann', 1, 3, 1, 1, 1, 4, 4, 4, 3);
INSERT INTO "World Cup II Tables" VALUES
    ('Group A', 'Cid', 1, 3, 1, 1, 1, 4, 4, 3, 8);
