#include "rankings/RankingColumn.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/Settings.h"
#include "db/Database.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int Digits(std::string_view s) {
    int value = 0;
    for (const char c : s) value = value * 10 + (c - '0');
    return value;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

std::string MonthAndYear(int month, int year) {
    return CurrentLocale().monthName(month) + " " + std::to_string(year);
}

}  // namespace

bool IsRankingColumnName(std::string_view name) {
    if (name.size() != 5 || (name[0] != 'R' && name[0] != 'r')) return false;
    if (!std::all_of(name.begin() + 1, name.end(), IsDigit)) return false;
    const int month = Digits(name.substr(1, 2));
    return month >= 1 && month <= 12;
}

std::string RankingColumnName(int month, int year) {
    char text[16];
    std::snprintf(text, sizeof text, "R%02d%02d", month, year % 100);
    return text;
}

std::string RankingColumnFromItemData(std::int64_t data) {
    std::string digits = std::to_string(data);
    if (digits.size() < 4) digits.insert(0, "0");
    return "R" + digits;
}

std::int64_t RankingItemData(std::string_view column) {
    return Digits(column.substr(1));
}

std::string RankingMonthText(std::string_view column) {
    return CurrentLocale().monthName(Digits(column.substr(1, 2))) + " 20" +
           std::string(column.substr(3, 2));
}

std::optional<std::string> CurrentRankingColumn() {
    const auto modified = FileModifiedTime(ConnectedDbPath());
    if (!modified) return std::nullopt;
    return RankingColumnName(modified->month, modified->year);
}

std::vector<std::string> RankingColumns() {
    // A query for a player no table holds: it returns the columns and no row.
    const QueryResult none = Query("select * from rankings where player='0'");
    std::vector<std::string> columns;
    for (int i = 0; i < none.fieldCount(); ++i) {
        if (IsRankingColumnName(none.fieldName(i))) columns.push_back(none.fieldName(i));
    }
    return columns;
}

RankingPeriod ChooseRankingPeriod(const std::optional<LocalDateTime>& fileDate,
                                  const std::vector<std::string>& columns) {
    if (columns.empty()) return {"", "The rankings table holds no month"};
    const std::string& latest = columns.back();
    if (!fileDate) {
        return {latest, "The database file has no date: showing " + RankingMonthText(latest)};
    }
    const std::string current = RankingColumnName(fileDate->month, fileDate->year);
    for (const std::string& column : columns) {
        if (SameName(column, current)) return {column, ""};
    }
    // Later than the latest column is the usual case: the month's ranking is not out yet.
    const int latestYear = 2000 + Digits(latest.substr(3, 2));
    const int latestMonth = Digits(latest.substr(1, 2));
    const bool later =
        std::pair(fileDate->year, fileDate->month) > std::pair(latestYear, latestMonth);
    return {latest, "No ranking for " + MonthAndYear(fileDate->month, fileDate->year) +
                        (later ? " yet" : "") + ": showing " + RankingMonthText(latest)};
}

RankingPeriod CurrentRankingPeriod() {
    return ChooseRankingPeriod(FileModifiedTime(ConnectedDbPath()), RankingColumns());
}
