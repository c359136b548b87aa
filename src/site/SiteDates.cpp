#include "site/SiteDates.h"

#include <chrono>
#include <cstdio>

#include "db/Database.h"
#include "rankings/RankingMonths.h"

namespace {

constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string Day(int year, int month, int day) {
    return std::to_string(day) + " " + kMonths[month - 1] + " " + std::to_string(year);
}

// The date of the latest tournament: its games are the newest the database holds.
std::string NewestGamesDay() {
    const QueryResult rows = Query(
        "select [date] from [tournament players] where [date] is not null order by chrono "
        "desc");
    return rows.empty() ? std::string() : DayText(rows[0][0]);
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

std::string RunDay() {
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day date(today);
    return Day(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
               static_cast<int>(unsigned(date.day())));
}
