#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "db/DbFile.h"
#include "support/RecordingSink.h"

// Short spellings for the hand-written tables of test databases.
inline DbValue I(std::int64_t v) {
    return DbValue::integer(v);
}
inline DbValue R(double v) {
    return DbValue::real(v);
}
inline DbValue T(std::string v) {
    return DbValue::text(std::move(v));
}
inline DbValue D(std::string iso) {
    return DbValue::date(std::move(iso));
}
inline const DbValue kNull;

using DbRow = std::vector<DbValue>;

inline void AddTable(TableSink& out, const std::string& name, const std::vector<ColumnDef>& columns,
                     const std::vector<DbRow>& rows) {
    out.beginTable(name, columns);
    for (const auto& row : rows) out.addRow(row);
    out.endTable();
}

// A hand-made DUZEDO: the four tables the program reads, as rows in the columns of the program's
// own files, the rankings with the given months.
struct DuzedoRows {
    std::vector<DbRow> scores{};       // id, TEAM A, TEAM B, A, B, TOURNAMENT
    std::vector<DbRow> tables{};       // tournament, player, p, g, w, d, l, gs, gc, pts, chrono
    std::vector<DbRow> tournaments{};  // tournament, chrono, country, date, Cup?, players
    std::vector<std::string> months{};
    std::vector<DbRow> rankings{};  // player, country, r, a value per month
    // Written after the four; one of their names replaces that table, as a damaged file has it.
    std::vector<RecordedTable> others{};
};
// Writes the tables as an SQLite DUZEDO at path, replacing any file there.
void WriteDuzedo(const std::string& path, const DuzedoRows& rows);
// The columns of two of them: tables, which the World Cups' group tables share, and
// [tournament players].
std::vector<ColumnDef> TablesColumns();
std::vector<ColumnDef> TournamentPlayersColumns();

inline DbRow GameRow(std::int64_t id, const char* teamA, const char* teamB, std::int64_t a,
                     std::int64_t b, const char* tournament) {
    return {I(id), T(teamA), T(teamB), I(a), I(b), T(tournament)};
}
// A final-table row; its games, wins, draws, losses and goals are 3, 1, 1, 1, 4 and 4 unless
// given.
inline DbRow StandingRow(const char* tournament, const char* player, std::int64_t p, DbValue pts,
                         std::int64_t chrono,
                         std::vector<std::int64_t> gwdlsc = {3, 1, 1, 1, 4, 4}) {
    DbRow row = {T(tournament), T(player), I(p)};
    for (const std::int64_t n : gwdlsc) row.push_back(I(n));
    row.push_back(std::move(pts));
    row.push_back(I(chrono));
    return row;
}
