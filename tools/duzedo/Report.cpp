#include "duzedo/Report.h"

#include <QSaveFile>
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

#include "core/Json.h"
#include "core/QtText.h"
#include "core/ViewTexts.h"
#include "db/Database.h"
#include "duzedo/Painting.h"
#include "duzedo/WholeNumber.h"
#include "fantasy/League.h"
#include "headtohead/PairComparison.h"
#include "headtohead/Prediction.h"
#include "headtohead/Random.h"
#include "misc/AllPlayerRecords.h"
#include "misc/MiscStats.h"
#include "options/Options.h"
#include "painting/PrintedPages.h"
#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/Positions.h"
#include "rankings/RankingColumn.h"
#include "rankings/RankingMonths.h"
#include "rankings/RankingProgress.h"
#include "rankings/Rankings.h"
#include "tournaments/Tournament.h"
#include "tournaments/WorldCup.h"

namespace {

// The picture size of the graph windows at design, in twips.
constexpr int kDefaultGraphWidth = 9135;
constexpr int kDefaultGraphHeight = 5295;

class ReportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The whole numbers the options that take one allow; the other options take text.
const std::map<std::string_view, WholeNumberRange, std::less<>>& NumberRanges() {
    static const std::map<std::string_view, WholeNumberRange, std::less<>> ranges = {
        {"--month", {0, 9999}},
        {"--limit", {0, 1}},
        {"--mode", {1, 2}},
        {"--order", {0, 5}},
        {"--row", {1, 32767}},
        {"--width", {1000, 100000}},
        {"--height", {1000, 100000}},
        {"--seed", {0, UINT64_MAX}},
        {"--count", {1, 100000}},
        {"--wc", {0, 1}},
        {"--phase", {0, kAllGamesPhase}},
        {"--min-games", {0, 32767}},
        {"--stat", {0, kRecordCount - 1}},
    };
    return ranges;
}

std::uint64_t Number(const ReportOptions& options, std::string_view name, std::uint64_t fallback) {
    const auto it = options.find(name);
    if (it == options.end()) return fallback;
    const WholeNumberRange range = NumberRanges().at(name);
    return WholeNumberOption(name, it->second, range.min, range.max);
}

const std::string& Required(const ReportOptions& options, std::string_view name) {
    const auto it = options.find(name);
    if (it == options.end()) throw ReportError("missing option " + std::string(name));
    return it->second;
}

int Dimension(const ReportOptions& options, std::string_view name, int fallback) {
    return static_cast<int>(Number(options, name, fallback));
}

ViewTexts Rankings(const ReportOptions& options) {
    RankingsChoice choice;
    if (options.count("--month") != 0) {
        const auto data = static_cast<int>(Number(options, "--month", 0));
        choice.column = RankingColumnFromItemData(data);
        const std::vector<std::string> columns = RankingColumns();
        if (std::find(columns.begin(), columns.end(), choice.column) == columns.end()) {
            throw ReportError("the database has no ranking month " + std::to_string(data));
        }
    }
    if (const auto it = options.find("--country"); it != options.end()) choice.country = it->second;
    choice.participationLimit = Number(options, "--limit", 1) == 1;
    return RankingsView(choice);
}

ViewTexts Months(const ReportOptions&) {
    return RankingMonthsView();
}

ViewTexts Player(const ReportOptions& options) {
    return PlayerStatsView(Required(options, "--name"));
}

ViewTexts Games(const ReportOptions& options) {
    const auto mode = static_cast<int>(Number(options, "--mode", kHomeGames));
    const auto order = static_cast<int>(Number(options, "--order", 0));
    return GamesView(Required(options, "--player"), mode, order);
}

ViewTexts Positions(const ReportOptions& options) {
    std::optional<int> row;
    if (options.count("--row") != 0) row = static_cast<int>(Number(options, "--row", 0));
    return PositionsView(Required(options, "--player"),
                         Dimension(options, "--width", kDefaultGraphWidth),
                         Dimension(options, "--height", kDefaultGraphHeight), row);
}

ViewTexts Progress(const ReportOptions& options) {
    return ProgressView(Required(options, "--player"),
                        Dimension(options, "--width", kDefaultGraphWidth),
                        Dimension(options, "--height", kDefaultGraphHeight));
}

// The draws of a run: repeatable with --seed, else as the program makes them.
std::unique_ptr<RandomSource> MakeRandom(const ReportOptions& options) {
    if (options.count("--seed") == 0) return std::make_unique<ClockRandom>();
    return std::make_unique<SeededRandom>(Number(options, "--seed", 0));
}

PairComparison Compare(const ReportOptions& options) {
    const std::string& p1 = Required(options, "--p1");
    const std::string& p2 = Required(options, "--p2");
    return ComparePair(p1, p2, *MakeRandom(options));
}

ViewTexts Pair(const ReportOptions& options) {
    return Compare(options).view;
}

// The frame's controls and, for the same player twice, the joke's message box.
std::string PairJson(const ReportOptions& options) {
    const PairComparison comparison = Compare(options);
    std::string out = ToJson(comparison.view);
    if (!comparison.joke) return out;
    out.resize(out.rfind('}'));
    while (!out.empty() && out.back() == '\n') out.pop_back();
    out += ",\n  \"message\": {\"title\": ";
    AppendJsonString(out, comparison.joke->title);
    out += ", \"text\": ";
    AppendJsonString(out, comparison.joke->text);
    out += "}\n}\n";
    return out;
}

// count predictions of one game, drawn one after another as the league draws them.
std::string PredictJson(const ReportOptions& options) {
    const std::string& home = Required(options, "--home");
    const std::string& away = Required(options, "--away");
    const std::uint64_t count = Number(options, "--count", 1);
    const std::unique_ptr<RandomSource> random = MakeRandom(options);
    const std::string column = CurrentRankingPeriod().column;
    std::string out = "{\"home\": ";
    AppendJsonString(out, home);
    out += ", \"away\": ";
    AppendJsonString(out, away);
    out += ", \"games\": [";
    for (std::uint64_t i = 0; i < count; ++i) {
        const Prediction p = PredictGame(home, away, *random, column);
        out +=
            (i == 0 ? "[" : ", [") + std::to_string(p.home) + ", " + std::to_string(p.away) + "]";
    }
    return out + "]}\n";
}

// "A;B;C": the names between the semicolons, blanks and all; empty names are left out.
std::vector<std::string> PlayerNames(const std::string& text) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        // A name given twice counts once, as in the window's chosen list.
        std::string name = text.substr(start, end - start);
        if (end > start && std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
        start = end + 1;
    }
    return names;
}

ViewTexts Fantasy(const ReportOptions& options) {
    return FantasyView(PlayerNames(Required(options, "--players")), *MakeRandom(options));
}

ViewTexts Tournaments(const ReportOptions& options) {
    std::optional<std::string> country;
    if (const auto it = options.find("--country"); it != options.end()) country = it->second;
    return TournamentListView(country);
}

ViewTexts Tournament(const ReportOptions& options) {
    const auto player = options.find("--player");
    return TournamentView(Required(options, "--name"),
                          player == options.end() ? std::string() : player->second);
}

ViewTexts WorldCup(const ReportOptions& options) {
    return WorldCupView(static_cast<int>(Number(options, "--wc", 0)),
                        static_cast<int>(Number(options, "--phase", 0)));
}

ViewTexts Winners(const ReportOptions&) {
    return WinnersView();
}

int MinGames(const ReportOptions& options) {
    return static_cast<int>(Number(options, "--min-games", 20));
}

ViewTexts Misc(const ReportOptions& options) {
    return MiscView(MiscPlayers(), MinGames(options));
}

ViewTexts Records(const ReportOptions& options) {
    if (options.count("--stat") == 0) throw ReportError("missing option --stat");
    const auto stat = static_cast<int>(Number(options, "--stat", 0));
    return AllPlayerRecordsView(MiscPlayers(), stat, Number(options, "--limit", 1) == 1,
                                MinGames(options));
}

// The options as the program starts with them when it has no settings file.
ViewTexts Options(const ReportOptions&) {
    SetOptionDefaults();
    return OptionsView(CurrentOptions());
}

struct ReportView {
    std::string_view name;
    std::string_view title;                 // of its printed pages
    std::vector<std::string_view> options;  // besides --format and --out
    ViewTexts (*make)(const ReportOptions&);
    // A view whose JSON is more than its controls writes it itself.
    std::string (*json)(const ReportOptions&) = nullptr;
};

const std::vector<ReportView>& Views() {
    static const std::vector<ReportView> views = {
        {"rankings", "World Rankings", {"--month", "--country", "--limit"}, Rankings},
        {"months", "Ranking Months", {}, Months},
        {"player", "Player Stats", {"--name"}, Player},
        {"games", "Games", {"--player", "--mode", "--order"}, Games},
        {"positions", "Ranking Positions", {"--player", "--row", "--width", "--height"}, Positions},
        {"progress", "Ranking Progress", {"--player", "--width", "--height"}, Progress},
        {"pair", "Find Pair", {"--p1", "--p2", "--seed"}, Pair, PairJson},
        {"predict", "Prediction", {"--home", "--away", "--seed", "--count"}, nullptr, PredictJson},
        {"fantasy", "Fantasy League", {"--players", "--seed"}, Fantasy},
        {"tournaments", "Tournaments", {"--country"}, Tournaments},
        {"tournament", "Tournament", {"--name", "--player"}, Tournament},
        {"worldcup", "World Cups", {"--wc", "--phase"}, WorldCup},
        {"winners", "World Cup Winners", {}, Winners},
        {"misc", "Misc Stats", {"--min-games"}, Misc},
        {"records", "All Player Records", {"--stat", "--limit", "--min-games"}, Records},
        {"options", "Options", {}, Options},
    };
    return views;
}

const ReportView& FindView(std::string_view name) {
    for (const ReportView& view : Views()) {
        if (view.name == name) return view;
    }
    throw ReportError("unknown view '" + std::string(name) + "'; views: " + ReportViewNames());
}

bool IsPdf(const ReportOptions& options) {
    const auto format = options.find("--format");
    return format != options.end() && format->second == "pdf";
}

void CheckOptions(const ReportView& view, const ReportOptions& options) {
    for (const auto& [name, value] : options) {
        if (name == "--format") {
            if (value != "json" && value != "csv" && value != "pdf") {
                throw ReportError("option --format: '" + value + "' is not json, csv or pdf");
            }
        } else if (name == "--out") {
            if (!IsPdf(options)) throw ReportError("option --out is only for --format pdf");
        } else if (std::find(view.options.begin(), view.options.end(), name) ==
                   view.options.end()) {
            throw ReportError("option " + name + " does not apply to view " +
                              std::string(view.name));
        }
    }
}

// The view's printed pages as the PDF file --out, whole or not at all.
void WritePdf(const ReportView& view, const ReportOptions& options, std::ostream& out) {
    const std::string& path = options.at("--out");
    std::optional<Painting> painting;  // the fonts, unless an application already has them
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) painting.emplace();
    const QByteArray pdf = PdfBytes(PrintedView(std::string(view.title), view.make(options)));
    QSaveFile file(ToQString(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
        throw ReportError("cannot write " + path + ": " + ToUtf8(file.errorString()));
    }
    out << "wrote " << path << "\n";
}

}  // namespace

const std::vector<ReportOption>& ReportOptionList() {
    static const std::vector<ReportOption> list = [] {
        std::vector<ReportOption> all = {
            {"--format", "json, csv for the view's main grid, or pdf for its printed pages", {}},
            {"--out", "the PDF file written (--format pdf)", {}}};
        for (const ReportView& view : Views()) {
            for (const std::string_view name : view.options) {
                auto option = std::find_if(all.begin(), all.end(),
                                           [&](const ReportOption& o) { return o.name == name; });
                if (option == all.end()) {
                    const auto range = NumberRanges().find(name);
                    all.push_back({std::string(name), "", {}});
                    if (range != NumberRanges().end()) all.back().range = range->second;
                    option = all.end() - 1;
                }
                option->description += (option->description.empty() ? "views: " : ", ");
                option->description += view.name;
            }
        }
        return all;
    }();
    return list;
}

std::vector<std::string_view> ReportViews() {
    std::vector<std::string_view> names;
    for (const ReportView& view : Views()) names.push_back(view.name);
    return names;
}

std::string ReportViewNames() {
    std::string names;
    for (const std::string_view name : ReportViews())
        names += (names.empty() ? "" : ", ") + std::string(name);
    return names;
}

void RunReport(std::string_view viewName, const std::string& db, const ReportOptions& options,
               std::ostream& out) {
    const ReportView& view = FindView(viewName);
    CheckOptions(view, options);
    if (IsPdf(options)) {
        if (view.make == nullptr) {
            throw ReportError("view " + std::string(view.name) + " has no printed pages");
        }
        if (options.count("--out") == 0 || options.at("--out").empty()) {
            throw ReportError("--format pdf writes a file: give it with --out FILE");
        }
    }
    const auto format = options.find("--format");
    const bool csv = format != options.end() && format->second == "csv";

    std::string error;
    if (!ConnectDb(db, &error)) {
        throw ReportError("cannot open the database " + db + (error.empty() ? "" : ": " + error));
    }
    struct Disconnect {
        ~Disconnect() { DisconnectDb(); }
    } disconnect;

    if (IsPdf(options)) {
        WritePdf(view, options, out);
        return;
    }
    if (!csv) {
        out << (view.json != nullptr ? view.json(options) : ToJson(view.make(options)));
        return;
    }
    if (view.make == nullptr) throw ReportError("view " + std::string(view.name) + " has no grid");
    const ViewTexts texts = view.make(options);
    const Grid* grid = texts.mainGrid();
    if (grid == nullptr) throw ReportError("view " + std::string(view.name) + " has no grid");
    out << ToCsv(*grid);
}
