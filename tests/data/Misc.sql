-- An empty DUZEDO but for the one tournament "League", for the misc statistics' tests to fill.

--include Duzedo.sql

CREATE TABLE "tournament players" ("tournament" TEXT, "chrono" SMALLINT, "country" TEXT,
                                   "date" TEXT, "Cup?" BOOLEAN, "players" SMALLINT);
INSERT INTO "tournament players" VALUES ('League', 1, 'Velmoor', 'May 2003', 0, 2);
CREATE TABLE "rankings" ("player" TEXT, "country" TEXT, "r" SMALLINT, "R0503" SMALLINT);
