#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class RandomSource;

// A predicted score, and whether the rates it rests on were all there.
struct Prediction {
    int home = 0;  // goals of the home player (Team A), 0 to 32767
    int away = 0;  // goals of the away player (Team B), 0 to 32767
    // False when the home player has no game as Team A, or the away player none as Team B: the
    // score then rests on the other side's rates alone.
    bool homeHasForm = true;
    bool awayHasForm = true;
};

// What the latest meetings with the same roles say: the expected goals of each side after the
// meeting bonuses; met false and both 0 when there are none.
struct MeetingExpectation {
    bool met = false;
    double eH = 0;
    double eA = 0;
};
struct MeetingScore {
    std::int64_t home = 0;
    std::int64_t away = 0;
};
MeetingExpectation ExpectFromMeetings(const std::vector<MeetingScore>& meetings);

// Goals per game scored and conceded over a player's latest games in one role; none when he has
// no game in that role.
struct Form {
    std::optional<double> scored{};
    std::optional<double> conceded{};
};

// What predictions read from the database. A league keeps one for all its games: a player's
// ranking value and form cannot change meanwhile, so with remember they are read once.
class PredictionReader {
  public:
    // rankingColumn: the ranking column in force; empty when there is none (every value 0).
    explicit PredictionReader(std::string rankingColumn, bool remember = false);

    // The player's value in the ranking column; 0 when he has none.
    std::int64_t Ranking(std::string_view player);
    // The latest meetings with home as Team A and away as Team B.
    MeetingExpectation Meetings(std::string_view home, std::string_view away);
    // The player's latest games as Team A, or as Team B.
    Form HomeForm(std::string_view player);
    Form AwayForm(std::string_view player);

  private:
    std::string mColumn;
    bool mRemember;
    std::map<std::string, std::int64_t, std::less<>> mRankings;
    std::map<std::string, Form, std::less<>> mHomeForms;
    std::map<std::string, Form, std::less<>> mAwayForms;
};

// What one prediction rests on: both ranking values, the meetings in these roles and each side's
// form in his role.
struct PredictionFacts {
    std::int64_t homeRanking = 0;
    std::int64_t awayRanking = 0;
    MeetingExpectation meetings{};
    Form homeForm{};
    Form awayForm{};
};

// The score those facts give: random is reseeded, then drawn from as PredictGame says.
Prediction PredictFromFacts(const PredictionFacts& facts, RandomSource& random);

// Everything the predictions among a fixed list of players read, gathered before the first one
// from a single pass over the games and one over the rankings; each prediction is then
// arithmetic alone, with the same draws in the same order as PredictGame's.
class PredictionInputs {
  public:
    // rankingColumn: as for PredictionReader. Throws DbError when the database cannot answer.
    PredictionInputs(const std::vector<std::string>& players, const std::string& rankingColumn);

    // home and away index the players given.
    PredictionFacts Facts(std::size_t home, std::size_t away) const;
    Prediction Predict(std::size_t home, std::size_t away, RandomSource& random) const {
        return PredictFromFacts(Facts(home, away), random);
    }

  private:
    void ReadRankings(const std::string& rankingColumn);
    void ReadGames(const std::vector<std::string>& players);
    // The player's place among the distinct names; none for a name not in the list.
    std::optional<std::uint32_t> Known(std::string_view name) const;

    // Position in the list given -> distinct name (names equal as the database compares them).
    std::vector<std::uint32_t> mNameOf;
    std::unordered_map<std::string, std::uint32_t> mNames;  // by folded name
    std::vector<std::int64_t> mRankings;
    std::vector<Form> mHomeForms;
    std::vector<Form> mAwayForms;
    // By home name << 32 | away name; pairs that never met in these roles are absent.
    std::unordered_map<std::uint64_t, MeetingExpectation> mMeetings;
};

// Predicts the score of home (Team A) against away (Team B) from their latest meetings in these
// roles, each one's latest form in his role and, when they never met so, their ranking values.
// random is reseeded from the clock, then drawn from: one draw for a ranking bonus when there is
// one, then one for each side's random reduction. Throws DbError when the database cannot answer.
Prediction PredictGame(std::string_view home, std::string_view away, RandomSource& random,
                       PredictionReader& reader);
// The same reading everything afresh, with rankingColumn's values or the current period's.
Prediction PredictGame(std::string_view home, std::string_view away, RandomSource& random,
                       const std::string& rankingColumn);
Prediction PredictGame(std::string_view home, std::string_view away, RandomSource& random);
