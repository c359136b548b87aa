-- A DUZEDO for the head-to-head and prediction tests, every figure worked out by hand. The
-- ranking month in force is R0203 (the file's own month has none).
--
-- Comparison: Aris beat Bodo 3-1 at home (id 2) and lost 0-2 away (id 1, stored after id 2);
-- Cleo played Dara twice, both times at home (1-1, 2-0); O'Neil lost to Aris 1-2 at home;
-- Eryk drew 0-0 at home to Aris.
-- r: Aris 3, Bodo 12, Cleo 0, Dara 5, O'Neil 7; Eryk has no row.
--
-- Prediction, each pair's games the only games of the home player as Team A and of the away
-- player as Team B:
-- - Hugo (500) at home to Ivan (900): 3-1 and 2-2.
-- - Jan at home to Kai: 0-0 twice.
-- - Lev (100) at home to Max (1000): 0-2 once.
-- - Low (-1) and High (1499) never met: Low drew 1-1 at home to Pia, High 1-1 away at Pia.
-- - Nils at home to Otto, six times: Delta (chrono 7) 1-0, Epsilon (6) 1-0 twice, Alpha Cup
--   (5) 1-0, Beta Cup (5) 5-0, Zeta Phase (no row in [tournament players], highest id) 9-0.
-- - Solo (no row) has only an away game: 1-2 at Ruth (no row), who has only that home game.

--include Duzedo.sql

INSERT INTO scores VALUES
    (2, 'Aris', 'Bodo', 3, 1, 'Spring League'),
    (1, 'Bodo', 'Aris', 2, 0, 'Autumn Cup'),
    (3, 'Cleo', 'Dara', 1, 1, 'Spring League'),
    (4, 'Cleo', 'Dara', 2, 0, 'Autumn Cup'),
    (5, 'O''Neil', 'Aris', 1, 2, 'Spring League'),
    (6, 'Eryk', 'Aris', 0, 0, 'Spring League'),
    (10, 'Hugo', 'Ivan', 3, 1, 'Spring League'),
    (11, 'Hugo', 'Ivan', 2, 2, 'Autumn Cup'),
    (12, 'Jan', 'Kai', 0, 0, 'Spring League'),
    (13, 'Jan', 'Kai', 0, 0, 'Autumn Cup'),
    (14, 'Lev', 'Max', 0, 2, 'Spring League'),
    (15, 'Low', 'Pia', 1, 1, 'Spring League'),
    (16, 'Pia', 'High', 1, 1, 'Autumn Cup'),
    (20, 'Nils', 'Otto', 1, 0, 'Delta'),
    (21, 'Nils', 'Otto', 1, 0, 'Epsilon'),
    (22, 'Nils', 'Otto', 1, 0, 'Epsilon'),
    (23, 'Nils', 'Otto', 5, 0, 'Beta Cup'),
    (24, 'Nils', 'Otto', 1, 0, 'Alpha Cup'),
    (25, 'Nils', 'Otto', 9, 0, 'Zeta Phase'),
    (30, 'Ruth', 'Solo', 2, 1, 'Spring League');


CREATE TABLE "tournament players" ("tournament" TEXT, "chrono" SMALLINT, "country" TEXT,
                                   "date" TEXT, "Cup?" BOOLEAN, "players" SMALLINT);
INSERT INTO "tournament players" VALUES
    ('Spring League', 1, 'Velmoor', '2003', 0, 8),
    ('Autumn Cup', 2, 'Velmoor', '2003', 0, 8),
    ('Beta Cup', 5, 'Velmoor', '2003', 0, 8),
    ('Alpha Cup', 5, 'Velmoor', '2003', 0, 8),
    ('Epsilon', 6, 'Velmoor', '2003', 0, 8),
    ('Delta', 7, 'Velmoor', '2003', 0, 8);

CREATE TABLE "rankings" ("player" TEXT, "country" TEXT, "r" SMALLINT, "R0103" SMALLINT,
                         "R0203" SMALLINT);
INSERT INTO rankings VALUES
    ('Aris', 'Velmoor', 3, 1400, 1400),
    ('Bodo', 'Velmoor', 12, 900, 900),
    ('Cleo', 'Velmoor', 0, -1, -1),
    ('Dara', 'Velmoor', 5, 1100, 1100),
    ('O''Neil', 'Velmoor', 7, 1000, 1000),
    ('Hugo', 'Velmoor', 20, 500, 500),
    ('Ivan', 'Velmoor', 21, 900, 900),
    ('Jan', 'Velmoor', 22, 300, 300),
    ('Kai', 'Velmoor', 23, 800, 800),
    ('Lev', 'Velmoor', 24, 100, 100),
    ('Max', 'Velmoor', 25, 1000, 1000),
    ('Low', 'Velmoor', 0, -1, -1),
    ('High', 'Velmoor', 26, 1499, 1499),
    ('Pia', 'Velmoor', 27, 700, 700),
    ('Nils', 'Velmoor', 28, 200, 200),
    ('Otto', 'Velmoor', 29, 900, 900);
