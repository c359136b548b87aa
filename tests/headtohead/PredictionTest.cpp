// The match prediction with fixed draws, against figures worked out by hand on the pair DUZEDO
// (each pair's games are the home player's only games as Team A and the away player's only
// games as Team B, so the form rates equal the meetings').

#include <gtest/gtest.h>

#include <set>

#include "headtohead/PairDuzedo.h"
#include "headtohead/Prediction.h"
#include "headtohead/Random.h"
#include "support/ConnectedDuzedo.h"
#include "support/FixedDraws.h"

namespace {

void ExpectMeetings(const std::vector<MeetingScore>& games, double eH, double eA) {
    const MeetingExpectation m = ExpectFromMeetings(games);
    EXPECT_TRUE(m.met);
    EXPECT_DOUBLE_EQ(m.eH, eH);
    EXPECT_DOUBLE_EQ(m.eA, eA);
}

TEST(MeetingExpectation, BonusesEachSeeTheValuesBeforeThem) {
    // 2.5 and 1.5; more wins than twice the defeats and no defeat: two bonuses; floors differ.
    ExpectMeetings({{3, 1}, {2, 2}}, 3.5, 1.5);
    // 0.5 for no defeat makes the floors equal with no defeat: 1.0; then they differ.
    ExpectMeetings({{0, 0}, {0, 0}}, 1.0, 0.0);
    // A lost meeting leaves the home side at 0.
    ExpectMeetings({{0, 2}}, 0.0, 2.0);
    // Equal floors and no draw: the home side's bonus, after which the floors differ.
    ExpectMeetings({{1, 2}, {2, 1}}, 2.0, 1.5);
    // Equal floors and no home win (but a draw): the away side's bonus.
    ExpectMeetings({{1, 1}, {1, 2}}, 1.0, 2.0);
    // Three wins against one defeat: only the win-ratio bonus.
    ExpectMeetings({{2, 0}, {2, 0}, {2, 0}, {0, 3}}, 2.0, 0.75);
    ExpectMeetings({{1, 1}, {2, 1}, {1, 2}, {1, 2}}, 1.25, 1.5);
    EXPECT_FALSE(ExpectFromMeetings({}).met);
}

class PredictionTest : public ConnectedSuite<WritePairDuzedo> {
  protected:
    // The score from the given draws; every draw must be used.
    Prediction Predict(const std::string& home, const std::string& away, std::vector<double> given,
                       const std::string& column = "R0203") {
        FixedDraws draws(given);
        const Prediction p = PredictGame(home, away, draws, column);
        EXPECT_EQ(draws.drawn(), given.size()) << home << " v " << away;
        EXPECT_EQ(draws.reseeds, 1);
        return p;
    }
    static std::pair<int, int> Score(const Prediction& p) { return {p.home, p.away}; }
};

TEST_F(PredictionTest, MeetingsWeighThreeTimesAgainstEachRate) {
    // eH = (2.5 + 2.5 + 3 * 3.5) / 4 = 3.875, eA = (1.5 + 1.5 + 3 * 1.5) / 4 = 1.875; they met,
    // so the ranking points (500 and 900) give no bonus and only two draws are made.
    EXPECT_EQ(Score(Predict("Hugo", "Ivan", {0, 0})), std::pair(4, 2));
    EXPECT_EQ(Score(Predict("Hugo", "Ivan", {0.5, 0.5})), std::pair(3, 1));
    // 2.5 and 0.5 after the reduction: halves go to the even number.
    EXPECT_EQ(Score(Predict("Hugo", "Ivan", {0.6875, 0.6875})), std::pair(2, 0));
}

TEST_F(PredictionTest, GoallessMeetingsAndALostMeeting) {
    // eH = (0 + 0 + 3 * 1.0) / 4 = 0.75; eA stays 0 and is taken from the rates, all 0.
    EXPECT_EQ(Score(Predict("Jan", "Kai", {0, 0})), std::pair(1, 0));
    EXPECT_EQ(Score(Predict("Jan", "Kai", {0.125, 0})), std::pair(0, 0));
    // Never negative.
    EXPECT_EQ(Score(Predict("Jan", "Kai", {0.99, 0.99})), std::pair(0, 0));
    // Lost 0-2: eH from the rates alone (0), eA = (2 + 2 + 3 * 2) / 4 = 2.5; met, so no bonus
    // for Max's 900 more points.
    EXPECT_EQ(Score(Predict("Lev", "Max", {0, 0})), std::pair(0, 2));
}

TEST_F(PredictionTest, RankingBonusOnlyForPlayersWhoNeverMet) {
    // Rates of 1 each: 2 and 2. High's 1499 against Low's -1 adds 1500 / 300 * 0.5 = 2.5.
    EXPECT_EQ(Score(Predict("Low", "High", {0.5, 0, 0})), std::pair(2, 4));
    EXPECT_EQ(Score(Predict("Low", "High", {0.5, 0.25, 0.75})), std::pair(2, 3));
    // Just under 5 goals at most.
    EXPECT_EQ(Score(Predict("Low", "High", {0.999999, 0, 0})), std::pair(2, 7));
    // Without a ranking column there is nothing to compare.
    EXPECT_EQ(Score(Predict("Low", "High", {0, 0}, "")), std::pair(2, 2));
}

TEST_F(PredictionTest, LatestFourMeetingsByChronoThenTournamentName) {
    // Delta, Epsilon twice and Alpha Cup (before Beta Cup of the same chrono): four 1-0 wins,
    // eH 2.0. Zeta Phase has no chrono and comes last. With Beta Cup or Zeta Phase it would be
    // 3 or more.
    EXPECT_EQ(Score(Predict("Nils", "Otto", {0, 0})), std::pair(2, 0));
}

TEST_F(PredictionTest, MissingRoleUsesTheOtherSidesRates) {
    // Solo has no game as Team A: his goals come from Ivan's conceding away (2.5) counted for
    // both rates, Ivan's from his own scoring away (1.5) counted for both.
    const Prediction solo = Predict("Solo", "Ivan", {0, 0});
    EXPECT_EQ(Score(solo), std::pair(5, 3));
    EXPECT_FALSE(solo.homeHasForm);
    EXPECT_TRUE(solo.awayHasForm);
    // Ruth has no game as Team B.
    const Prediction ruth = Predict("Hugo", "Ruth", {0, 0});
    EXPECT_TRUE(ruth.homeHasForm);
    EXPECT_FALSE(ruth.awayHasForm);
    // Nobody at all: 0-0, and the names are quoted safely.
    const Prediction nobody = Predict("Nob'ody", "Nemo", {0, 0});
    EXPECT_EQ(Score(nobody), std::pair(0, 0));
    EXPECT_FALSE(nobody.homeHasForm);
    EXPECT_FALSE(nobody.awayHasForm);
}

TEST_F(PredictionTest, NeverMetHalvesWhereTheOtherSideConcedesMoreThanThisOneScores) {
    // Hugo scores 2.5 at home against Kai's 0 conceded away: 2.5 stays. Kai scores 0 away
    // against Hugo's 1.5 conceded at home: 1.5 is halved. Kai's 300 more points add nothing.
    EXPECT_EQ(Score(Predict("Hugo", "Kai", {0, 0, 0})), std::pair(2, 1));
}

TEST_F(PredictionTest, CurrentPeriodStandsInForTheRankingColumn) {
    // The file's month has no column: the latest, R0203, is used.
    FixedDraws draws({0.5, 0, 0});
    EXPECT_EQ(Score(PredictGame("Low", "High", draws)), std::pair(2, 4));
}

TEST(RandomSources, ReseedsMixTheClockIntoTheState) {
    // A clock that never moves: the draws after each reseed still differ.
    ClockRandom random([] { return 3600.0; });
    std::set<double> draws;
    for (int i = 0; i < 50; ++i) {
        random.Reseed();
        const double r = random.Draw();
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
        draws.insert(r);
    }
    EXPECT_EQ(draws.size(), 50U);

    SeededRandom a(7), b(7);
    b.Reseed();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(a.Draw(), b.Draw());
}

}  // namespace
