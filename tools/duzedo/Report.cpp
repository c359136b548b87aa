#include "duzedo/Report.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "core/ViewTexts.h"
#include "db/Database.h"
#include "duzedo/WholeNumber.h"
#include "misc/AllPlayerRecords.h"
#include "misc/MiscStats.h"
#include "options/Options.h"
#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/Positions.h"
#include "rankings/RankingColumn.h"
#include "rankings/RankingMonths.h"
#include "rankings/RankingProgress.h"
#include "rankings/Rankings.h"

namespace {

// The picture size of the graph windows at design, in twips.
constexpr int kDefaultGraphWidth = 9135;
constexpr int kDefaultGraphHeight = 5295;

class ReportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::int64_t Number(const ReportOptions& options, std::string_view name, std::int64_t fallback,
                    std::int64_t min, std::int64_t max) {
    const auto it = options.find(name);
    if (it == options.end()) return fallback;
    return WholeNumberOption(name, it->second, min, max);
}

const std::string& Required(const ReportOptions& options, std::string_view name) {
    const auto it = options.find(name);
    if (it == options.end()) throw ReportError("missing option " + std::string(name));
    return it->second;
}

int Dimension(const ReportOptions& options, std::string_view name, int fallback) {
    return static_cast<int>(Number(options, name, fallback, 1000, 100000));
}

ViewTexts Rankings(const ReportOptions& options) {
    RankingsChoice choice;
    if (options.count("--month") != 0) {
        const std::int64_t data = Number(options, "--month", 0, 0, 9999);
        choice.column = RankingColumnFromItemData(data);
        const std::vector<std::string> columns = RankingColumns();
        if (std::find(columns.begin(), columns.end(), choice.column) == columns.end()) {
            throw ReportError("the database has no ranking month " + std::to_string(data));
        }
    }
    if (const auto it = options.find("--country"); it != options.end()) choice.country = it->second;
    choice.participationLimit = Number(options, "--limit", 1, 0, 1) == 1;
    return RankingsView(choice);
}

ViewTexts Months(const ReportOptions&) {
    return RankingMonthsView();
}

ViewTexts Player(const ReportOptions& options) {
    return PlayerStatsView(Required(options, "--name"));
}

ViewTexts Games(const ReportOptions& options) {
    const auto mode = static_cast<int>(Number(options, "--mode", kHomeGames, 1, 2));
    const auto order = static_cast<int>(Number(options, "--order", 0, 0, 5));
    return GamesView(Required(options, "--player"), mode, order);
}

ViewTexts Positions(const ReportOptions& options) {
    std::optional<int> row;
    if (options.count("--row") != 0) row = static_cast<int>(Number(options, "--row", 0, 1, 32767));
    return PositionsView(Required(options, "--player"),
                         Dimension(options, "--width", kDefaultGraphWidth),
                         Dimension(options, "--height", kDefaultGraphHeight), row);
}

ViewTexts Progress(const ReportOptions& options) {
    return ProgressView(Required(options, "--player"),
                        Dimension(options, "--width", kDefaultGraphWidth),
                        Dimension(options, "--height", kDefaultGraphHeight));
}

int MinGames(const ReportOptions& options) {
    return static_cast<int>(Number(options, "--min-games", 20, 0, 32767));
}

ViewTexts Misc(const ReportOptions& options) {
    return MiscView(MiscPlayers(), MinGames(options));
}

ViewTexts Records(const ReportOptions& options) {
    if (options.count("--stat") == 0) throw ReportError("missing option --stat");
    const auto stat = static_cast<int>(Number(options, "--stat", 0, 0, kRecordCategoryCount - 1));
    return AllPlayerRecordsView(MiscPlayers(), stat, Number(options, "--limit", 1, 0, 1) == 1,
                                MinGames(options));
}

// The options as the program starts with them when it has no settings file.
ViewTexts Options(const ReportOptions&) {
    SetOptionDefaults();
    return OptionsView(CurrentOptions());
}

struct ReportView {
    std::string_view name;
    std::vector<std::string_view> options;  // besides --format
    ViewTexts (*make)(const ReportOptions&);
};

const std::vector<ReportView>& Views() {
    static const std::vector<ReportView> views = {
        {"rankings", {"--month", "--country", "--limit"}, Rankings},
        {"months", {}, Months},
        {"player", {"--name"}, Player},
        {"games", {"--player", "--mode", "--order"}, Games},
        {"positions", {"--player", "--row", "--width", "--height"}, Positions},
        {"progress", {"--player", "--width", "--height"}, Progress},
        {"misc", {"--min-games"}, Misc},
        {"records", {"--stat", "--limit", "--min-games"}, Records},
        {"options", {}, Options},
    };
    return views;
}

const ReportView& FindView(std::string_view name) {
    for (const ReportView& view : Views()) {
        if (view.name == name) return view;
    }
    std::string known;
    for (const ReportView& view : Views())
        known += (known.empty() ? "" : ", ") + std::string(view.name);
    throw ReportError("unknown view '" + std::string(name) + "'; views: " + known);
}

void CheckOptions(const ReportView& view, const ReportOptions& options) {
    for (const auto& [name, value] : options) {
        if (name == "--format") {
            if (value != "json" && value != "csv") {
                throw ReportError("option --format: '" + value + "' is neither json nor csv");
            }
        } else if (std::find(view.options.begin(), view.options.end(), name) ==
                   view.options.end()) {
            throw ReportError("option " + name + " does not apply to view " +
                              std::string(view.name));
        }
    }
}

}  // namespace

const std::vector<std::string_view>& ReportOptionNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all = {"--format"};
        for (const ReportView& view : Views()) {
            for (const std::string_view option : view.options) {
                if (std::find(all.begin(), all.end(), option) == all.end()) all.push_back(option);
            }
        }
        return all;
    }();
    return names;
}

void RunReport(std::string_view viewName, const std::string& db, const ReportOptions& options,
               std::ostream& out) {
    const ReportView& view = FindView(viewName);
    CheckOptions(view, options);
    const auto format = options.find("--format");
    const bool csv = format != options.end() && format->second == "csv";

    gDbPath = db;
    std::string error;
    if (!ConnectDb(&error)) {
        throw ReportError("cannot open the database " + db + (error.empty() ? "" : ": " + error));
    }
    struct Disconnect {
        ~Disconnect() { DisconnectDb(); }
    } disconnect;

    const ViewTexts texts = view.make(options);
    if (!csv) {
        out << ToJson(texts);
        return;
    }
    const Grid* grid = texts.mainGrid();
    if (grid == nullptr) throw ReportError("view " + std::string(view.name) + " has no grid");
    out << ToCsv(*grid);
}
