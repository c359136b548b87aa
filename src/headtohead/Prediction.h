#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
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
