#include "site/SiteDates.h"

#include <chrono>
#include <cstdio>
#include <optional>

#include "db/Database.h"
#include "rankings/RankingColumn.h"
#include "rankings/RankingMonths.h"

namespace {

constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string Day(int year, int month, int day) {
    return std::to_string(day) + " " + kMonths[month - 1] + " " + std::to_string(year);
}

// The date of the latest tournament: its games are the newest the database holds.
std::optional<DbValue> NewestGamesDate() {
    const QueryResult rows = Query(
        "select [date] from [tournament players] where [date] is not null order by chrono desc");
    if (rows.empty()) return std::nullopt;
    return rows[0][0];
}

std::string NewestGamesDay() {
    const auto date = NewestGamesDate();
    return date ? DayText(*date) : std::string();
}

// "2003-12-17" from a date, or from a text such as "17 December 2003"; empty for another text.
std::string IsoDay(const DbValue& value) {
    const std::string text = value.toString();
    int year = 0;
    int month = 0;
    int day = 0;
    char name[16] = {};
    if (value.kind() == DbValue::Kind::Date) {
        if (std::sscanf(text.c_str(), "%d-%d-%d", &year, &month, &day) != 3) return {};
    } else if (std::sscanf(text.c_str(), "%d %15s %d", &day, name, &year) == 3) {
        for (int m = 0; m < 12; ++m) {
            if (std::string_view(name).starts_with(kMonths[m])) month = m + 1;
        }
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1000 || year > 9999) return {};
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", year, month, day);
    return iso;
}

}  // namespace

std::string DayText(const DbValue& value) {
    const std::string text = value.toString();
    int year = 0;
    int month = 0;
    int day = 0;
    if (value.kind() != DbValue::Kind::Date ||
        std::sscanf(text.c_str(), "%d-%d-%d", &year, &month, &day) != 3 || month < 1 ||
        month > 12) {
        return text;
    }
    return Day(year, month, day);
}

std::string DataCoverage() {
    std::string games;
    std::string rankings;
    try {
        games = NewestGamesDay();
    } catch (const DbError&) {
        // Left out: the footer says what it can.
    }
    try {
        const ComboList months = RankingMonthList();  // oldest first
        if (!months.items.empty()) rankings = months.items.back().text;
    } catch (const DbError&) {
        // Likewise.
    }
    std::string text = games.empty() ? "" : "Games to " + games;
    if (!rankings.empty()) text += (text.empty() ? "Rankings to " : ", rankings to ") + rankings;
    return text;
}

std::string DataDay() {
    try {
        if (const auto date = NewestGamesDate()) {
            if (std::string day = IsoDay(*date); !day.empty()) return day;
        }
        const ComboList months = RankingMonthList();
        if (months.items.empty()) return {};
        const std::string column = RankingColumnFromItemData(months.items.back().data);
        return "20" + column.substr(3, 2) + "-" + column.substr(1, 2);
    } catch (const DbError&) {
        return {};
    }
}

std::string RunDay() {
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day date(today);
    return Day(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
               static_cast<int>(unsigned(date.day())));
}
