-- The tables that every hand-made DUZEDO declares alike, included by their scripts; each script
-- declares its own rankings (its months) and tournament players (a date as text or as a date).
CREATE TABLE "scores" ("id" INTEGER, "TEAM A" TEXT, "TEAM B" TEXT, "A" SMALLINT, "B" SMALLINT,
                       "TOURNAMENT" TEXT);
CREATE TABLE "tables" ("tournament" TEXT, "player" TEXT, "p" SMALLINT, "g" SMALLINT,
                       "w" SMALLINT, "d" SMALLINT, "l" SMALLINT, "gs" SMALLINT, "gc" SMALLINT,
                       "pts" SMALLINT, "chrono" SMALLINT);
CREATE TABLE "World Cup I Tables" ("tournament" TEXT, "player" TEXT, "p" SMALLINT, "g" SMALLINT,
                                   "w" SMALLINT, "d" SMALLINT, "l" SMALLINT, "gs" SMALLINT,
                                   "gc" SMALLINT, "pts" SMALLINT, "chrono" SMALLINT);
CREATE TABLE "World Cup II Tables" ("tournament" TEXT, "player" TEXT, "p" SMALLINT, "g" SMALLINT,
                                    "w" SMALLINT, "d" SMALLINT, "l" SMALLINT, "gs" SMALLINT,
                                    "gc" SMALLINT, "pts" SMALLINT, "chrono" SMALLINT);
