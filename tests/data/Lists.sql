-- A DUZEDO of a few rows for the main window's lists. rankings: columns player, COUNTRY, r,
-- R1202, R0103 and a stray "Rnotes"; players Tomas (Spain), Zora (Spain), Abel (no country).
-- [tournament players]: Spring League (Velmoor), World Cup II (Athens) and "WORLD cup III" (WC),
-- Worldwide Open (Ostland), Autumn Cup (Ísland). scores and tables are empty, with no column but
-- tournament.

CREATE TABLE "scores" ("tournament" TEXT);
CREATE TABLE "tables" ("tournament" TEXT);

CREATE TABLE "tournament players" ("tournament" TEXT, "chrono" SMALLINT, "country" TEXT);
INSERT INTO "tournament players" VALUES
    ('Spring League', 1, 'Velmoor'),
    ('World Cup II (Athens)', 2, 'WC'),
    ('WORLD cup III', 3, 'WC'),
    ('Worldwide Open', 4, 'Ostland'),
    ('Autumn Cup', 5, 'Ísland');

-- A stray column after the months, and the country's name in capitals.
CREATE TABLE "rankings" ("player" TEXT, "COUNTRY" TEXT, "r" SMALLINT, "R1202" SMALLINT,
                         "R0103" SMALLINT, "Rnotes" TEXT);
INSERT INTO rankings VALUES
    ('Tomas', 'Spain', 1, 10, 12, ''),
    ('Zora', 'Spain', 2, 8, 9, ''),
    ('Abel', NULL, 3, -1, 5, '');
