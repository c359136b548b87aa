-- A tiny DUZEDO: three players, one three-game league and two ranking months.

--include Duzedo.sql

INSERT INTO scores VALUES
    (1, 'Aris', 'Bodo', 2, 1, 'Spring League 2003'),
    (2, 'Bodo', 'Cleo', 0, 0, 'Spring League 2003'),
    (3, 'Cleo', 'Aris', 1, 3, 'Spring League 2003');

INSERT INTO tables VALUES
    ('Spring League 2003', 'Aris', 1, 2, 2, 0, 0, 5, 2, 6, 1),
    ('Spring League 2003', 'Bodo', 2, 2, 0, 1, 1, 1, 2, 1, 1),
    ('Spring League 2003', 'Cleo', 3, 2, 0, 1, 1, 1, 3, 1, 1);

CREATE TABLE "tournament players" ("tournament" TEXT, "chrono" SMALLINT, "country" TEXT,
                                   "date" TEXT, "Cup?" BOOLEAN, "players" SMALLINT);
INSERT INTO "tournament players" VALUES
    ('Spring League 2003', 1, 'Velmoor', 'April 2003', 0, 3);

CREATE TABLE "rankings" ("player" TEXT, "country" TEXT, "r" SMALLINT, "R0403" SMALLINT,
                         "R0503" SMALLINT);
INSERT INTO rankings VALUES
    ('Aris', 'Velmoor', 1, -1, 120),
    ('Bodo', 'Ostland', 2, -1, 95),
    ('Cleo', 'Velmoor', 3, -1, 80);
