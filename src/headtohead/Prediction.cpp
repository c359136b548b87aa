#include "headtohead/Prediction.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "core/DisplayFormat.h"
#include "db/Database.h"
#include "db/JetText.h"
#include "db/WideNumber.h"
#include "headtohead/Random.h"
#include "rankings/RankingColumn.h"

namespace {

constexpr long kRecentGames = 4;         // meetings and form games read per query
constexpr double kMeetingBonus = 0.5;    // each of the meeting bonuses
constexpr double kMeetingWeight = 3;     // the meetings against each form rate once
constexpr double kPointsPerGoal = 300;   // ranking points worth one expected goal
constexpr double kLargestReduction = 2;  // the random reduction is below this
constexpr std::int64_t kMostGoals = 32767;

// The latest games first, by the tournament's chrono; games of a tournament without a row in
// [tournament players] have no chrono and come last. Every game without a condition.
std::string LatestGames(std::string_view fields, const std::string& condition) {
    const std::string where = condition.empty() ? std::string() : " where " + condition;
    return "select  " + std::string(fields) +
           ", scores.TOURNAMENT as tourn from scores left join [tournament players] on "
           "scores.tournament=[tournament players].tournament" +
           where + "  order by chrono desc, scores.tournament";
}

// The player named by a field, unless it is empty.
std::string NameIn(const DbValue& field) {
    return field.isNull() ? std::string() : field.toString();
}

bool SameWholePart(double a, double b) {
    return std::floor(a) == std::floor(b);
}

enum class Role { Home, Away };

// Goals per game from the sums over a player's latest games in one role.
Form FormOf(std::int64_t games, WideInt scored, WideInt conceded) {
    if (games == 0) return {};
    return {WideRatio(scored, games), WideRatio(conceded, games)};
}

Form ReadForm(Role role, std::string_view player) {
    const bool home = role == Role::Home;
    const std::string column = home ? "[TEAM A]" : "[TEAM B]";
    const QueryResult games =
        Query(LatestGames(column + ", A, B", column + "=" + SqlQuote(player)), kRecentGames);
    if (games.empty()) return {};
    WideInt a = 0, b = 0;
    for (const Record& game : games) {
        a += NullToZero(game["A"]);
        b += NullToZero(game["B"]);
    }
    const auto n = static_cast<std::int64_t>(games.size());
    return home ? FormOf(n, a, b) : FormOf(n, b, a);
}

// The latest games as Team A, as Team B and against one another, summed while the games go by
// from the latest.
struct Latest {
    std::int64_t games = 0;
    WideInt a = 0, b = 0;
    void Add(std::int64_t goalsA, std::int64_t goalsB) {
        if (games == kRecentGames) return;
        ++games, a += goalsA, b += goalsB;
    }
};

std::uint64_t PairKey(std::uint32_t home, std::uint32_t away) {
    return static_cast<std::uint64_t>(home) << 32 | away;
}

// The value read for key, once only when remember is set.
template <typename T, typename Read>
T Remembered(std::map<std::string, T, std::less<>>& known, bool remember, std::string_view key,
             Read read) {
    if (!remember) return read();
    auto it = known.find(key);
    if (it == known.end()) it = known.emplace(std::string(key), read()).first;
    return it->second;
}

// The two rates that predict one side's goals: its own scoring and the other side's conceding.
// A rate that is missing (no games in that role) takes the other's value, so the formula keeps
// its weights; with neither, both are 0.
struct Rates {
    double own = 0;
    double other = 0;
};

Rates BothRates(std::optional<double> own, std::optional<double> other) {
    if (own && other) return {*own, *other};
    if (own) return {*own, *own};
    if (other) return {*other, *other};
    return {};
}

// The expectation of one side from its meetings' value e and its rates.
double Expectation(double e, const Rates& r) {
    if (e == 0) {
        e = r.other + r.own;
        // The other side concedes more per game than this one scores.
        if (2 * r.own < e) e /= 2;
        return e;
    }
    return (r.other + r.own + kMeetingWeight * e) / 4;
}

int Goals(double expected) {
    return static_cast<int>(std::clamp<std::int64_t>(RoundHalfEven(expected), 0, kMostGoals));
}

}  // namespace

MeetingExpectation ExpectFromMeetings(const std::vector<MeetingScore>& meetings) {
    MeetingExpectation m;
    if (meetings.empty()) return m;
    WideInt sH = 0, sA = 0;
    std::int64_t wH = 0, d = 0, wA = 0;
    for (const MeetingScore& game : meetings) {
        sH += game.home, sA += game.away;
        wH += game.home > game.away ? 1 : 0;
        d += game.home == game.away ? 1 : 0;
        wA += game.away > game.home ? 1 : 0;
    }
    const auto n = static_cast<WideInt>(meetings.size());
    m.met = true;
    m.eH = WideRatio(sH, n);
    m.eA = WideRatio(sA, n);
    // Each test sees the values the ones before it left.
    if (wH > 2 * wA) m.eH += kMeetingBonus;
    if (wA == 0) m.eH += kMeetingBonus;
    if (SameWholePart(m.eH, m.eA) && wA == 0) m.eH += kMeetingBonus;
    if (SameWholePart(m.eH, m.eA) && d == 0) m.eH += kMeetingBonus;
    if (SameWholePart(m.eH, m.eA) && wH == 0) m.eA += kMeetingBonus;
    return m;
}

PredictionReader::PredictionReader(std::string rankingColumn, bool remember)
    : mColumn(std::move(rankingColumn)), mRemember(remember) {}

std::int64_t PredictionReader::Ranking(std::string_view player) {
    if (mColumn.empty()) return 0;
    return Remembered(mRankings, mRemember, player, [&] {
        // Points beyond the 64-bit range weigh as the range's end: the gap is a real number.
        const QueryResult rows =
            Query("select " + mColumn + " from rankings where player=" + SqlQuote(player), 1);
        return rows.empty() ? 0 : ClampedNullToZero(rows[0][0]);
    });
}

MeetingExpectation PredictionReader::Meetings(std::string_view home, std::string_view away) {
    const QueryResult games =
        Query(LatestGames("[TEAM A], [TEAM B], A, B",
                          "([TEAM A]=" + SqlQuote(home) + " and [TEAM B]=" + SqlQuote(away) + ")"),
              kRecentGames);
    std::vector<MeetingScore> scores;
    for (const Record& game : games) {
        scores.push_back({NullToZero(game["A"]), NullToZero(game["B"])});
    }
    return ExpectFromMeetings(scores);
}

Form PredictionReader::HomeForm(std::string_view player) {
    return Remembered(mHomeForms, mRemember, player, [&] { return ReadForm(Role::Home, player); });
}

Form PredictionReader::AwayForm(std::string_view player) {
    return Remembered(mAwayForms, mRemember, player, [&] { return ReadForm(Role::Away, player); });
}

Prediction PredictFromFacts(const PredictionFacts& facts, RandomSource& random) {
    random.Reseed();
    const std::int64_t rH = facts.homeRanking;
    const std::int64_t rA = facts.awayRanking;
    const MeetingExpectation& m = facts.meetings;
    const Form& homeForm = facts.homeForm;
    const Form& awayForm = facts.awayForm;

    double eH = Expectation(m.eH, BothRates(homeForm.scored, awayForm.conceded));
    double eA = Expectation(m.eA, BothRates(awayForm.scored, homeForm.conceded));
    if (!m.met && rH != 0 && rA != 0) {
        const auto gap = static_cast<double>(WideInt{rH} - rA);
        if (rH > rA) eH += gap / kPointsPerGoal * random.Draw();
        if (rA > rH) eA += -gap / kPointsPerGoal * random.Draw();
    }
    eH -= kLargestReduction * random.Draw();
    eA -= kLargestReduction * random.Draw();
    return {Goals(eH), Goals(eA), homeForm.scored.has_value(), awayForm.scored.has_value()};
}

Prediction PredictGame(std::string_view home, std::string_view away, RandomSource& random,
                       PredictionReader& reader) {
    PredictionFacts facts;
    facts.homeRanking = reader.Ranking(home);
    facts.awayRanking = reader.Ranking(away);
    facts.meetings = reader.Meetings(home, away);
    facts.homeForm = reader.HomeForm(home);
    facts.awayForm = reader.AwayForm(away);
    return PredictFromFacts(facts, random);
}

PredictionInputs::PredictionInputs(const std::vector<std::string>& players,
                                   const std::string& rankingColumn) {
    for (const std::string& player : players) {
        const auto next = static_cast<std::uint32_t>(mNames.size());
        mNameOf.push_back(mNames.try_emplace(JetFoldKey(player), next).first->second);
    }
    mRankings.assign(mNames.size(), 0);
    ReadRankings(rankingColumn);
    if (!players.empty()) ReadGames(players);
}

std::optional<std::uint32_t> PredictionInputs::Known(std::string_view name) const {
    const auto it = mNames.find(JetFoldKey(name));
    if (it == mNames.end()) return std::nullopt;
    return it->second;
}

void PredictionInputs::ReadRankings(const std::string& rankingColumn) {
    if (rankingColumn.empty()) return;
    std::vector<bool> seen(mRankings.size());
    // The first row of a player counts, as a query for his row would find it.
    for (const Record& row : Query("select player, " + rankingColumn + " from rankings")) {
        const std::optional<std::uint32_t> player = Known(row[0].toString());
        if (!player || seen[*player]) continue;
        seen[*player] = true;
        mRankings[*player] = ClampedNullToZero(row[1]);
    }
}

namespace {

// The games with one of players on either side. The unary + keeps SQLite off the name indexes,
// so the games reach the sort in table order, as they do in one player's own query, and games
// of the same tournament come out in the same order.
std::string AnyOf(const std::vector<std::string>& players) {
    std::string names;
    for (const std::string& player : players)
        names += (names.empty() ? "" : ",") + SqlQuote(player);
    return "+[TEAM A] in (" + names + ") or +[TEAM B] in (" + names + ")";
}

}  // namespace

void PredictionInputs::ReadGames(const std::vector<std::string>& players) {
    std::vector<Latest> home(mNames.size()), away(mNames.size());
    std::unordered_map<std::uint64_t, std::vector<MeetingScore>> meetings;
    // The latest first, as each player's own query reads them.
    for (const Record& game : Query(LatestGames("[TEAM A], [TEAM B], A, B", AnyOf(players)))) {
        const std::optional<std::uint32_t> a = Known(NameIn(game[0]));
        const std::optional<std::uint32_t> b = Known(NameIn(game[1]));
        if (!a && !b) continue;
        const std::int64_t goalsA = NullToZero(game[2]);
        const std::int64_t goalsB = NullToZero(game[3]);
        if (a) home[*a].Add(goalsA, goalsB);
        if (b) away[*b].Add(goalsA, goalsB);
        if (!a || !b) continue;
        std::vector<MeetingScore>& met = meetings[PairKey(*a, *b)];
        if (met.size() < kRecentGames) met.push_back({goalsA, goalsB});
    }
    for (std::size_t i = 0; i < mNames.size(); ++i) {
        mHomeForms.push_back(FormOf(home[i].games, home[i].a, home[i].b));
        mAwayForms.push_back(FormOf(away[i].games, away[i].b, away[i].a));
    }
    for (const auto& [pair, scores] : meetings) mMeetings.emplace(pair, ExpectFromMeetings(scores));
}

PredictionFacts PredictionInputs::Facts(std::size_t home, std::size_t away) const {
    const std::uint32_t h = mNameOf.at(home);
    const std::uint32_t a = mNameOf.at(away);
    PredictionFacts facts{.homeRanking = mRankings[h],
                          .awayRanking = mRankings[a],
                          .homeForm = mHomeForms[h],
                          .awayForm = mAwayForms[a]};
    if (const auto it = mMeetings.find(PairKey(h, a)); it != mMeetings.end()) {
        facts.meetings = it->second;
    }
    return facts;
}

Prediction PredictGame(std::string_view home, std::string_view away, RandomSource& random,
                       const std::string& rankingColumn) {
    PredictionReader reader(rankingColumn);
    return PredictGame(home, away, random, reader);
}

Prediction PredictGame(std::string_view home, std::string_view away, RandomSource& random) {
    return PredictGame(home, away, random, CurrentRankingPeriod().column);
}
