// The sample's tables as the DUZEDO holds them.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/DbValue.h"
#include "duzedo/SampleDuzedoDetail.h"

namespace sample_detail {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}

std::string RankingColumn(int month) {
    return "R" + TwoDigits(month % 12 + 1) + TwoDigits(YearOf(month) % 100);
}

std::string DateText(int month, int day) {
    return std::to_string(day) + " " + std::string(kMonthNames[month % 12]) + " " +
           std::to_string(YearOf(month));
}

DbValue Int(std::int64_t v) {
    return DbValue::integer(v);
}
DbValue Text(std::string_view s) {
    return DbValue::text(std::string(s));
}

class Writer {
  public:
    Writer(const SampleData& data, TableSink& sink) : data_(data), sink_(sink) {}

    void scores() {
        sink_.beginTable("scores", {{"id", ColumnType::Integer32},
                                    {"TEAM A", ColumnType::Text},
                                    {"TEAM B", ColumnType::Text},
                                    {"A", ColumnType::Integer16},
                                    {"B", ColumnType::Integer16},
                                    {"TOURNAMENT", ColumnType::Text}});
        for (std::size_t i = 0; i < data_.games.size(); ++i) {
            const Game& g = data_.games[i];
            sink_.addRow({Int(static_cast<std::int64_t>(i) + 1), nameOf(g.a), nameOf(g.b),
                          Int(g.goalsA), Int(g.goalsB), Text(g.tournament)});
        }
        sink_.endTable();
    }

    void tables(const std::string& name, const std::vector<TableRow>& rows) {
        sink_.beginTable(name, {{"tournament", ColumnType::Text},
                                {"player", ColumnType::Text},
                                {"p", ColumnType::Integer16},
                                {"g", ColumnType::Integer16},
                                {"w", ColumnType::Integer16},
                                {"d", ColumnType::Integer16},
                                {"l", ColumnType::Integer16},
                                {"gs", ColumnType::Integer16},
                                {"gc", ColumnType::Integer16},
                                {"pts", ColumnType::Integer16},
                                {"chrono", ColumnType::Integer32}});
        for (const TableRow& r : rows) {
            sink_.addRow({Text(r.tournament), nameOf(r.player), Int(r.p), Int(r.g), Int(r.w),
                          Int(r.d), Int(r.l), Int(r.gs), Int(r.gc),
                          r.ptsNull ? DbValue() : Int(r.pts), Int(r.chrono)});
        }
        sink_.endTable();
    }

    void tournamentPlayers() {
        sink_.beginTable("tournament players", {{"tournament", ColumnType::Text},
                                                {"chrono", ColumnType::Integer32},
                                                {"country", ColumnType::Text},
                                                {"date", ColumnType::Text},
                                                {"Cup?", ColumnType::YesNo},
                                                {"players", ColumnType::Integer16}});
        for (const Event& e : data_.events) {
            sink_.addRow({Text(e.name), Int(e.chrono), Text(e.country),
                          Text(DateText(e.month, e.day)), Int(e.kind == EventKind::Cup ? -1 : 0),
                          Int(e.players)});
        }
        sink_.endTable();
    }

    // Ranked players by their current points, best first; then the unranked, with r = 0.
    void rankings() {
        std::vector<ColumnDef> columns = {{"player", ColumnType::Text},
                                          {"country", ColumnType::Text},
                                          {"r", ColumnType::Integer16}};
        for (int m = 0; m < kMonths; ++m)
            columns.push_back({RankingColumn(m), ColumnType::Integer16});
        sink_.beginTable("rankings", columns);
        int position = 0;
        for (std::size_t index : rankingOrder()) {
            const Player& p = data_.players[index];
            const int current = data_.monthPoints.back()[index];
            std::vector<DbValue> values = {Text(p.name), Text(p.country),
                                           Int(current < 0 ? 0 : ++position)};
            for (const std::vector<int>& month : data_.monthPoints)
                values.push_back(Int(month[index]));
            sink_.addRow(values);
        }
        sink_.endTable();
    }

  private:
    DbValue nameOf(int player) const {
        return Text(data_.players[static_cast<std::size_t>(player)].name);
    }

    std::vector<std::size_t> rankingOrder() const {
        const std::vector<int>& current = data_.monthPoints.back();
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < data_.players.size(); ++i) order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [&current](std::size_t x, std::size_t y) {
            if ((current[x] < 0) != (current[y] < 0)) return current[x] >= 0;
            return current[x] > current[y];
        });
        return order;
    }

    const SampleData& data_;
    TableSink& sink_;
};

}  // namespace

void WriteSampleTables(const SampleData& data, TableSink& sink) {
    Writer writer(data, sink);
    writer.scores();
    writer.tables("tables", data.tables);
    writer.tournamentPlayers();
    writer.rankings();
    writer.tables("World Cup I Tables", data.worldCupTables[0]);
    writer.tables("World Cup II Tables", data.worldCupTables[1]);
}

}  // namespace sample_detail
