#include "support/HostileDuzedos.h"

std::span<const HostileEdit> HostileEdits() {
    static const HostileEdit edits[] = {
        {"columns-missing", R"(ALTER TABLE scores DROP COLUMN "TEAM B";
                               ALTER TABLE rankings DROP COLUMN country;
                               ALTER TABLE tables DROP COLUMN pts;)"},
        {"tables-missing", R"(DROP TABLE "tournament players"; DROP TABLE rankings;)"},
        {"text-numbers", R"(UPDATE scores SET A = 'many' WHERE id % 7 = 0;
                            UPDATE scores SET B = x'00ff' WHERE id % 11 = 0;
                            UPDATE tables SET pts = 'lots', gs = 2.5;
                            UPDATE rankings SET R0303 = 'top', r = 'first';
                            UPDATE "tournament players" SET players = 'ten',
                                   chrono = 'late', date = 'someday';)"},
        {"no-rows", R"(DELETE FROM scores; DELETE FROM tables;
                       DELETE FROM "tournament players"; DELETE FROM rankings;)"},
        // Goals that reach the limits when a view adds or subtracts them.
        {"limit-goals", R"(UPDATE scores SET A = 9223372036854775807, B = -5 WHERE id % 7 = 3;
                          UPDATE scores SET A = 2147483647 WHERE id % 7 = 5;)"},
        {"huge-numbers", R"(UPDATE scores SET A = 9223372036854775807,
                                   B = -9223372036854775808 WHERE id % 5 = 0;
                            UPDATE tables SET g = 9223372036854775807, gc = -9223372036854775808;
                            UPDATE rankings SET r = 9223372036854775807, R1103 = 1e308;
                            UPDATE "tournament players" SET players = -9223372036854775808
                                   WHERE rowid % 3 = 0;)"},
        {"zero-counts", R"(UPDATE tables SET g = 0, p = 0;
                           UPDATE "tournament players" SET players = 0;
                           UPDATE rankings SET r = 0, R1203 = 0;)"},
        {"names", R"(
            UPDATE scores SET "TEAM A" = 'O''Neil S' || char(0) || 'x' WHERE id % 9 = 0;
            UPDATE scores SET "TEAM B" = '<img src=/dev/zero>' || char(1, 27, 10, 13, 9)
                   WHERE id % 13 = 0;
            UPDATE rankings SET country = char(0) || '&amp;' || char(27) || '[31m' WHERE rowid = 3;
            UPDATE tables SET player = char(65533, 55296 + 1, 8238) || player WHERE rowid % 4 = 0;
            UPDATE "tournament players" SET tournament = '', country = NULL WHERE rowid = 1;)"},
        {"full-text-table", R"(
            CREATE VIRTUAL TABLE t2 USING fts5(tournament, chrono, country, date, "Cup?", players);
            INSERT INTO t2 SELECT * FROM "tournament players";
            DROP TABLE "tournament players";
            ALTER TABLE t2 RENAME TO "tournament players";)"},
        {"unknown-module", R"(
            CREATE TABLE x (v); DROP TABLE rankings;
            PRAGMA writable_schema = ON;
            UPDATE sqlite_master SET sql = 'CREATE VIRTUAL TABLE rankings USING nowhere(a)',
                   name = 'rankings', tbl_name = 'rankings', rootpage = 0 WHERE name = 'x';)"},
    };
    return edits;
}
