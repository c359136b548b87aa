-- An empty DUZEDO but for the one tournament "League", for the misc statistics' tests to fill.

CREATE TABLE "scores" ("id" INTEGER, "TEAM A" TEXT, "TEAM B" TEXT, "A" SMALLINT, "B" SMALLINT,
                       "TOURNAMENT" TEXT);
CREATE TABLE "tables" ("tournament" TEXT, "player" TEXT, "p" SMALLINT, "g" SMALLINT,
                       "w" SMALLINT, "d" SMALLINT, "l" SMALLINT, "gs" SMALLINT, "gc" SMALLINT,
                       "pts" SMALLINT, "chrono" SMALLINT);
CREATE TABLE "tournament players" ("tournament" TEXT, "chrono" SMALLINT, "country" TEXT,
                                   "date" TEXT, "Cup?" BOOLEAN, "players" SMALLINT);
INSERT INTO "tournament players" VALUES ('League', 1, 'Velmoor', 'May 2003', 0, 2);
CREATE TABLE "rankings" ("player" TEXT, "country" TEXT, "r" SMALLINT, "R0503" SMALLINT);
