#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/DisplayLocale.h"

// A ranking column of table rankings is "R", the two-digit month and the two-digit year of its
// period: R0503 holds the ranking points of May 2003, -1 when the player was not ranked.

// R followed by four digits whose first two are a month from 01 to 12, in either letter case.
bool IsRankingColumnName(std::string_view name);
// The column of a month: (5, 2003) gives R0503.
std::string RankingColumnName(int month, int year);
// The month list's item data (the digits after the R, read as one number) back to the column:
// 503 gives R0503 and 1202 gives R1202; one "0" is put in front of a number shorter than 4 digits.
std::string RankingColumnFromItemData(std::int64_t data);
// The column's digits as one number: R0503 gives 503.
std::int64_t RankingItemData(std::string_view column);
// The month list's text for a column: "May 2003", the month name from the current locale.
std::string RankingMonthText(std::string_view column);

// The column of the month in which the database file was last changed (a file changed on 18 May
// 2003 gives R0503), whether or not the table has it; nullopt when the file has no date.
std::optional<std::string> CurrentRankingColumn();

// The ranking columns of the table, oldest first (the table's column order). Other columns than
// player, country and r that are not named like a month are left out.
std::vector<std::string> RankingColumns();

// The ranking the views show for "now". Copying the database file changes its date, so its month
// often has no column yet; then the most recent column stands in and note says so.
struct RankingPeriod {
    std::string column;  // empty only when the table has no ranking column at all
    std::string note;    // empty when column is the current period's own
};
RankingPeriod CurrentRankingPeriod();
// The same choice for a given file date and the table's columns.
RankingPeriod ChooseRankingPeriod(const std::optional<LocalDateTime>& fileDate,
                                  const std::vector<std::string>& columns);
