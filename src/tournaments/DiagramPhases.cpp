#include "tournaments/DiagramPhases.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <map>

#include "core/QtText.h"
#include "db/Database.h"
#include "tournaments/Tournament.h"

namespace {

bool Has(const std::vector<std::string>& words, std::initializer_list<std::string_view> any) {
    return std::any_of(words.begin(), words.end(), [&](const std::string& word) {
        return std::find(any.begin(), any.end(), word) != any.end();
    });
}

// "play off", "play-off" and "playoff" alike.
bool HasJoined(const std::vector<std::string>& words, std::string_view first,
               std::initializer_list<std::string_view> second) {
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == first &&
            std::find(second.begin(), second.end(), words[i + 1]) != second.end())
            return true;
    }
    return false;
}

bool IsPlayout(const std::vector<std::string>& w) {
    return Has(w, {"playout", "playouts"}) || HasJoined(w, "play", {"out", "outs"});
}

bool IsPlayoff(const std::vector<std::string>& w) {
    return Has(w, {"playoff", "playoffs"}) || HasJoined(w, "play", {"off", "offs"});
}

// "round 1", "round one", "round i", "first round", "1st round"; likewise for round 2.
bool IsRound(const std::vector<std::string>& w, int number) {
    if (number == 1) {
        return HasJoined(w, "round", {"1", "one", "i"}) || HasJoined(w, "first", {"round"}) ||
               HasJoined(w, "1st", {"round"});
    }
    return HasJoined(w, "round", {"2", "two", "ii"}) || HasJoined(w, "second", {"round"}) ||
           HasJoined(w, "2nd", {"round"});
}

bool IsKnockOutStage(const std::vector<std::string>& w) {
    return Has(w, {"quarter", "quarters", "quarterfinal", "quarterfinals", "semi", "semis",
                   "semifinal", "semifinals", "final", "finals", "third", "3rd", "bronze"}) ||
           HasJoined(w, "round", {"of"}) || HasJoined(w, "last", {"16", "8", "4", "32"});
}

}  // namespace

std::vector<DiagramPlan> DiagramPlans() {
    std::string base = "Dadidurez VII";
    for (const Record row : Query("select tournament from [tournament players]")) {
        if (IsMultiPhase(row[0].toString())) base = row[0].toString();
    }
    std::vector<DiagramPlan> plans = {
        {"Gr7R1.bmp", base + " - League Round 1", base, PhaseKind::RoundOne},
        {"Gr7R2.bmp", base + " - League Round 2", base, PhaseKind::RoundTwo},
        {"Gr7Off.bmp", base + " - League Playouts", base, PhaseKind::Playouts},
        {"Gr7Out.bmp", base + " - League Playoffs", base, PhaseKind::Playoffs},
        {"Gr7Cup.bmp", base + " - Cup", base, PhaseKind::Cup},
    };
    for (const char* worldCup : {"World Cup I", "World Cup II"}) {
        const std::string n = worldCup == std::string_view("World Cup I") ? "1" : "2";
        plans.push_back({"wc" + n + "ploff.bmp", std::string(worldCup) + " - Playoff tree",
                         worldCup, PhaseKind::Playoffs});
        plans.push_back({"wc" + n + "plout.bmp", std::string(worldCup) + " - Playout tree",
                         worldCup, PhaseKind::Playouts});
    }
    return plans;
}

std::vector<std::string> PhaseWords(std::string_view base, std::string_view tournament) {
    const QString name = ToQString(tournament);
    const QString start = ToQString(base);
    if (!name.startsWith(start, Qt::CaseInsensitive)) return {};
    QString rest = name.mid(start.size()).toLower();
    if (rest.isEmpty() || rest[0].isLetterOrNumber()) return {};
    for (QChar& c : rest) {
        if (!c.isLetterOrNumber()) c = QLatin1Char(' ');
    }
    std::vector<std::string> words;
    for (const QString& word : rest.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words.push_back(ToUtf8(word));
    return words;
}

bool IsThirdPlace(const std::vector<std::string>& words) {
    return Has(words, {"third", "3rd", "bronze"});
}

bool IsPhaseOf(const std::vector<std::string>& w, PhaseKind kind) {
    if (w.empty()) return false;
    const bool playout = IsPlayout(w);
    const bool playoff = IsPlayoff(w) && !playout;
    const bool cup = Has(w, {"cup"}) && !playoff && !playout;
    switch (kind) {
        case PhaseKind::Playouts:
            return playout;
        case PhaseKind::Playoffs:
            return playoff || (IsKnockOutStage(w) && !playout && !cup && !IsRound(w, 1) &&
                               !IsRound(w, 2) && !Has(w, {"group", "groups", "league"}));
        case PhaseKind::Cup:
            return cup;
        case PhaseKind::RoundOne:
            return IsRound(w, 1) && !playoff && !playout && !cup;
        case PhaseKind::RoundTwo:
            return IsRound(w, 2) && !playoff && !playout && !cup;
    }
    return false;
}

std::vector<PhaseGroup> FindPhaseGames(const DiagramPlan& plan) {
    const QueryResult games =
        Query("select id, [TEAM A], [TEAM B], A, B, tournament from scores where tournament like " +
              SqlQuote(plan.base + "%") + " order by id");
    const QString base = ToQString(plan.base);
    std::map<std::string, PhaseGroup> byName;
    std::vector<std::string> order;
    for (const Record game : games) {
        const std::string tournament = game[5].toString();
        auto found = byName.find(tournament);
        if (found == byName.end()) {
            if (!IsPhaseOf(PhaseWords(plan.base, tournament), plan.kind)) continue;
            const QString label = ToQString(tournament).mid(base.size()).trimmed();
            found = byName.emplace(tournament, PhaseGroup{tournament, ToUtf8(label), {}}).first;
            order.push_back(tournament);
        }
        found->second.games.push_back({NullToZero(game[0]), game[1].toString(), game[2].toString(),
                                       NullToZero(game[3]), NullToZero(game[4])});
    }
    std::vector<PhaseGroup> groups;
    for (const std::string& name : order) groups.push_back(std::move(byName[name]));
    return groups;
}

std::string LookedFor(const DiagramPlan& plan) {
    static const char* const kWhat[] = {
        "the first league round (\"round 1\")", "the second league round (\"round 2\")",
        "the playouts (\"playout\")",
        ("the playoffs (\"playoff\", or quarter-finals, semi-finals, "
         "final and third place)"),
        "the cup (\"cup\")"};
    return "Looked for games of tournaments whose names begin with \"" + plan.base +
           "\" and name " + kWhat[static_cast<int>(plan.kind)] + ", and found none.";
}
