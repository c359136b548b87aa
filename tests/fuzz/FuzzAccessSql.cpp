// Any query text is rewritten without a crash; a query SQLite already takes stays one it takes,
// with the same columns (LIMIT, which Access does not know, left out). With TOP n in front, the
// rewriting keeps n, and when SQLite takes it, the hidden tie columns are all it added and the
// tie columns lie within the result.
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "db/AccessSql.h"
#include "db/DbValue.h"

namespace {

constexpr const char* kSchema = R"(
CREATE TABLE scores (id INTEGER, "TEAM A" TEXT, "TEAM B" TEXT, A SMALLINT, B SMALLINT,
                     TOURNAMENT TEXT);
CREATE TABLE tables (tournament TEXT, player TEXT, p SMALLINT, g SMALLINT, w SMALLINT,
                     d SMALLINT, l SMALLINT, gs SMALLINT, gc SMALLINT, pts SMALLINT, chrono INTEGER);
CREATE TABLE "tournament players" (tournament TEXT, chrono INTEGER, country TEXT, date TEXT,
                                   "Cup?" BOOLEAN, players SMALLINT);
CREATE TABLE rankings (player TEXT, country TEXT, r SMALLINT, R0101 SMALLINT, R0201 SMALLINT);
)";

sqlite3* SampleSchema() {
    static sqlite3* const db = [] {
        sqlite3* opened = nullptr;
        sqlite3_open(":memory:", &opened);
        sqlite3_exec(opened, kSchema, nullptr, nullptr, nullptr);
        return opened;
    }();
    return db;
}

// The result's column count when SQLite takes sql as one whole statement; nullopt otherwise.
std::optional<int> PreparedColumns(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    const char* rest = nullptr;
    const int rc = sqlite3_prepare_v2(SampleSchema(), sql.c_str(), static_cast<int>(sql.size()),
                                      &statement, &rest);
    std::optional<int> columns;
    const bool whole = rest != nullptr && std::string_view(rest).find_first_not_of(" \t\r\n;") ==
                                              std::string_view::npos;
    if (rc == SQLITE_OK && statement != nullptr && whole && sqlite3_stmt_readonly(statement)) {
        columns = sqlite3_column_count(statement);
    }
    sqlite3_finalize(statement);
    return columns;
}

bool StartsWithWord(std::string_view text, std::string_view word) {
    return text.size() > word.size() &&
           std::isspace(static_cast<unsigned char>(text[word.size()])) &&
           std::equal(word.begin(), word.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

// The rewritten query; nullopt for one refused with DbError, as a number out of range is.
std::optional<TranslatedQuery> Translated(std::string_view query) {
    try {
        return TranslateAccessSql(query);
    } catch (const DbError&) {
        return std::nullopt;
    }
}

void CheckTop(std::string_view query, int columns, long n) {
    const std::string withTop =
        "SELECT TOP " + std::to_string(n) + " " + std::string(query.substr(7));
    const auto translated = Translated(withTop);
    if (!translated) return;
    FUZZ_CHECK(translated->top == n);
    const auto prepared = PreparedColumns(translated->sql);
    if (!prepared) return;
    FUZZ_CHECK(*prepared == columns + translated->hiddenColumns);
    for (const int column : translated->tieColumns) FUZZ_CHECK(column >= 0 && column < *prepared);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string query(AsText(data, size));
    const auto translated = Translated(query);
    if (query.find('\0') != std::string::npos) return 0;
    const auto columns = PreparedColumns(query);
    // SQLite takes no query that the rewriting refuses.
    FUZZ_CHECK(translated || !columns);
    if (!columns || translated->top) return 0;
    std::string lower = query;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.find("limit") == std::string::npos) {
        FUZZ_CHECK(PreparedColumns(translated->sql) == columns);
    }
    if (StartsWithWord(query, "select") && !StartsWithWord(query.substr(7), "distinct")) {
        CheckTop(query, *columns, 1 + static_cast<long>(size % 50));
    }
    return 0;
}
