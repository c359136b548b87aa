#include "tournaments/Tournament.h"

#include <QString>
#include <algorithm>
#include <cstdio>

#include "core/DisplayLocale.h"
#include "core/QtText.h"
#include "db/Database.h"
#include "db/JetText.h"
#include "tournaments/TournamentLists.h"

namespace {

std::string Upper(std::string_view text) {
    return ToUtf8(ToQString(text).toUpper());
}

bool EndsInCup(std::string_view tournament) {
    return ToQString(tournament).right(3).toUpper() == QStringLiteral("CUP");
}

std::string EqualsCondition(std::string_view tournament) {
    return "tournament=" + SqlQuote(tournament);
}

// The names that begin with tournament, picked as the engine's LIKE picks them, so that the
// games are then found through the index of names instead of by a LIKE over every game.
std::string PrefixCondition(std::string_view tournament, const Texts& gameTournaments) {
    const std::string pattern = std::string(tournament) + "%";
    std::string names;
    for (const std::string& name : gameTournaments) {
        if (!JetLike(name, pattern)) continue;
        names += (names.empty() ? "" : ",") + SqlQuote(name);
    }
    return names.empty() ? "1=0" : "tournament in (" + names + ")";
}

// Field 0 of every record, as text.
Texts FirstFields(const std::string& sql) {
    Texts values;
    for (const Record row : Query(sql)) values.push_back(row[0].toString());
    return values;
}

}  // namespace

std::string TournamentDateText(const DbValue& value) {
    if (value.kind() != DbValue::Kind::Date) return value.toString();
    LocalDateTime when;
    const std::string iso = value.toString();
    if (std::sscanf(iso.c_str(), "%d-%d-%d %d:%d:%d", &when.year, &when.month, &when.day,
                    &when.hour, &when.minute, &when.second) < 3) {
        return iso;
    }
    const bool midnight = when.hour == 0 && when.minute == 0 && when.second == 0;
    return midnight ? CurrentLocale().shortDate(when) : CurrentLocale().generalDate(when);
}

Texts TournamentNames(const std::optional<std::string>& country) {
    std::string sql = "select tournament from [tournament players]";
    if (country) sql += " where country=" + SqlQuote(*country);
    Texts listed;
    for (std::string& name : FirstFields(sql + " order by chrono, tournament")) {
        if (!IsWorldCup(name)) listed.push_back(std::move(name));
    }
    return listed;
}

ViewTexts TournamentListView(const std::optional<std::string>& country) {
    ViewTexts view;
    view.set("lstTournaments", TournamentNames(country));
    return view;
}

bool IsMultiPhase(std::string_view tournament) {
    return Upper(tournament) == kMultiPhaseTournament;
}

Texts GameTournamentNames() {
    return FirstFields("select distinct tournament from scores where tournament is not null");
}

std::string PlayerFilterCondition(std::string_view tournament, const Texts& gameTournaments) {
    return EndsInCup(tournament) ? PrefixCondition(tournament, gameTournaments)
                                 : EqualsCondition(tournament);
}

std::string GamesCondition(std::string_view tournament, const Texts& gameTournaments) {
    const bool phases = EndsInCup(tournament) || IsMultiPhase(tournament);
    return phases ? PrefixCondition(tournament, gameTournaments) : EqualsCondition(tournament);
}

TournamentKind KindOf(std::string_view tournament) {
    const std::int64_t cup = ScalarQuery(
        "select [Cup?] from [tournament players] where tournament =" + SqlQuote(tournament));
    if (cup == -1) return TournamentKind::Cup;
    return IsMultiPhase(tournament) ? TournamentKind::MultiPhase : TournamentKind::Ordinary;
}

std::string TournamentHeading(std::string_view tournament) {
    const std::string where = " from [tournament players] where tournament=" + SqlQuote(tournament);
    const std::string name(tournament);
    QueryResult held;
    try {
        held = Query("select [date],country" + where);
    } catch (const DbError&) {
        // Older databases have no host countries: the heading goes without one.
        held = Query("select [date]" + where);
        return name + " - held on " + (held.empty() ? "" : TournamentDateText(held[0]["date"]));
    }
    if (held.empty()) return name + " - held in  on ";
    return name + " - held in " + held[0]["country"].toString() + " on " +
           TournamentDateText(held[0]["date"]);
}

Grid TableRows(const std::string& sql) {
    Grid grid = {kTableHeader};
    for (const Record row : Query(sql)) {
        auto& cells = grid.emplace_back();
        for (const char* field : {"p", "player", "g", "w", "d", "l", "gs", "gc", "pts"}) {
            cells.push_back(row[field].toString());
        }
    }
    return grid;
}

Grid GameRows(const std::string& sql) {
    Grid grid = {kGamesHeader};
    for (const Record game : Query(sql)) {
        grid.push_back({game["TEAM A"].toString(), game["TEAM B"].toString(), game["A"].toString(),
                        game["B"].toString()});
    }
    return grid;
}

Grid TournamentTable(std::string_view tournament) {
    return TableRows("select * from tables where tournament=" + SqlQuote(tournament));
}

Texts GamesFilterItems(std::string_view tournament, const Texts& gameTournaments) {
    const std::string condition = PlayerFilterCondition(tournament, gameTournaments);
    Texts items{std::string(kAllPlayersItem)};
    for (std::string& name :
         FirstFields("select distinct [TEAM A]  from scores where " + condition))
        items.push_back(std::move(name));
    for (std::string& name :
         FirstFields("select distinct [TEAM B]  from scores where " + condition)) {
        if (std::find(items.begin(), items.end(), name) == items.end())
            items.push_back(std::move(name));
    }
    return items;
}

Grid TournamentGames(std::string_view tournament, std::string_view player,
                     const Texts& gameTournaments) {
    std::string sql = "select * from scores where " + GamesCondition(tournament, gameTournaments);
    if (!player.empty()) {
        const std::string name = SqlQuote(player);
        sql += " and ([TEAM A]=" + name + " or [TEAM B]=" + name + ")";
    }
    return GameRows(sql + " order by id");
}

ViewTexts TournamentView(std::string_view tournament, std::string_view player) {
    return TournamentView(tournament, player, GameTournamentNames());
}

ViewTexts TournamentView(std::string_view tournament, std::string_view player,
                         const Texts& gameTournaments) {
    ViewTexts view;
    view.set("lblTournamentDate", TournamentHeading(tournament));
    const TournamentKind kind = KindOf(tournament);
    view.set("Label2_0", kind == TournamentKind::Cup ? "No table available" : "Table");
    view.set("lblTournamentCup", "This tournament was a cup competition");
    if (kind == TournamentKind::Ordinary) {
        view.set("grdTournamentTables", TournamentTable(tournament));
    } else {
        view.set("grdTournamentTables", Visibility{false});
    }
    view.set("fraDadidurez", Visibility{kind == TournamentKind::MultiPhase});

    ComboList filter;
    for (std::string& item : GamesFilterItems(tournament, gameTournaments))
        filter.items.push_back({std::move(item)});
    filter.selected = 0;
    if (!player.empty()) {
        const auto found = std::find_if(filter.items.begin() + 1, filter.items.end(),
                                        [&](const ComboItem& item) { return item.text == player; });
        filter.selected =
            found == filter.items.end() ? -1 : static_cast<int>(found - filter.items.begin());
    }
    view.set("cmbGamesFilter", std::move(filter));
    view.set("grdTournamentGames", TournamentGames(tournament, player, gameTournaments));
    return view;
}

ViewTexts WinnersView() {
    Grid grid = {kWinnersHeader};
    for (const Record winner :
         Query("select tournament, player from tables where p=1 order by chrono")) {
        grid.push_back({winner[0].toString(), winner[1].toString()});
    }
    ViewTexts view;
    view.set("grdTournamentWinners", std::move(grid));
    return view;
}
