#include "headtohead/Prediction.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "core/DisplayFormat.h"
#include "db/Database.h"
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
// [tournament players] have no chrono and come last.
std::string LatestGames(std::string_view fields, const std::string& condition) {
    return "select  " + std::string(fields) +
           ", scores.TOURNAMENT as tourn from scores left join [tournament players] on "
           "scores.tournament=[tournament players].tournament where " +
           condition + "  order by chrono desc, scores.tournament";
}

bool SameWholePart(double a, double b) {
    return std::floor(a) == std::floor(b);
}

enum class Role { Home, Away };

Form ReadForm(Role role, std::string_view player) {
    const bool home = role == Role::Home;
    const std::string column = home ? "[TEAM A]" : "[TEAM B]";
    const QueryResult games =
        Query(LatestGames(column + ", A, B", column + "=" + SqlQuote(player)), kRecentGames);
    if (games.empty()) return {};
    std::int64_t a = 0, b = 0;
    for (const Record& game : games) {
        a += NullToZero(game["A"]);
        b += NullToZero(game["B"]);
    }
    const auto n = static_cast<double>(games.size());
    const double scored = static_cast<double>(home ? a : b) / n;
    const double conceded = static_cast<double>(home ? b : a) / n;
    return {scored, conceded};
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
    std::int64_t sH = 0, sA = 0, wH = 0, d = 0, wA = 0;
    for (const MeetingScore& game : meetings) {
        sH += game.home, sA += game.away;
        wH += game.home > game.away ? 1 : 0;
        d += game.home == game.away ? 1 : 0;
        wA += game.away > game.home ? 1 : 0;
    }
    const auto n = static_cast<double>(meetings.size());
    m.met = true;
    m.eH = static_cast<double>(sH) / n;
    m.eA = static_cast<double>(sA) / n;
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
        return ScalarQuery("select " + mColumn + " from rankings where player=" + SqlQuote(player));
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

Prediction PredictGame(std::string_view home, std::string_view away, RandomSource& random,
                       PredictionReader& reader) {
    random.Reseed();
    const std::int64_t rH = reader.Ranking(home);
    const std::int64_t rA = reader.Ranking(away);
    const MeetingExpectation m = reader.Meetings(home, away);
    const Form homeForm = reader.HomeForm(home);
    const Form awayForm = reader.AwayForm(away);

    double eH = Expectation(m.eH, BothRates(homeForm.scored, awayForm.conceded));
    double eA = Expectation(m.eA, BothRates(awayForm.scored, homeForm.conceded));
    if (!m.met && rH != 0 && rA != 0) {
        if (rH > rA) eH += static_cast<double>(rH - rA) / kPointsPerGoal * random.Draw();
        if (rA > rH) eA += static_cast<double>(rA - rH) / kPointsPerGoal * random.Draw();
    }
    eH -= kLargestReduction * random.Draw();
    eA -= kLargestReduction * random.Draw();
    return {Goals(eH), Goals(eA), homeForm.scored.has_value(), awayForm.scored.has_value()};
}

Prediction PredictGame(std::string_view home, std::string_view away, RandomSource& random,
                       const std::string& rankingColumn) {
    PredictionReader reader(rankingColumn);
    return PredictGame(home, away, random, reader);
}

Prediction PredictGame(std::string_view home, std::string_view away, RandomSource& random) {
    return PredictGame(home, away, random, CurrentRankingPeriod().column);
}
