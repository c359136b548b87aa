// The Find Pair comparison and the match prediction with fixed draws, against figures worked out
// by hand on the pair DUZEDO (each prediction pair's games are the home player's only games as
// Team A and the away player's only games as Team B, so the form rates equal the meetings').

#include <gtest/gtest.h>

#include <QJsonArray>
#include <set>

#include "headtohead/PairComparison.h"
#include "headtohead/PairDuzedo.h"
#include "headtohead/Prediction.h"
#include "headtohead/Random.h"
#include "support/ConnectedDuzedo.h"
#include "support/FixedDraws.h"

namespace {

class PairComparisonTest : public ConnectedSuite<WritePairDuzedo> {
  protected:
    PairComparison Compare(const std::string& p1, const std::string& p2) {
        return ComparePair(p1, p2, draws);
    }
    FixedDraws draws{std::vector<double>{}};
};

TEST_F(PairComparisonTest, SamePlayerGetsAJokeAndNoFigures) {
    // Unranked: one blank before the asterisk.
    draws = FixedDraws({0.0});
    EXPECT_EQ(Compare("Cleo", "Cleo").view.text("lblPair"), "Cleo vs Cleo * personality crisis *");
    EXPECT_EQ(draws.reseeds, 1);
}

TEST(PairJokes, EveryDrawPicksOneOfTheSix) {
    const auto jokes = PairJokes("Vezuv L");
    EXPECT_NE(jokes[3].text.find("Vezuv L would beat Vezuv L"), std::string::npos);
    for (const auto& [draw, index] : {std::pair(0.0, 0), {0.1666, 0}, {0.17, 1}, {0.999999, 5}}) {
        FixedDraws random({draw});
        EXPECT_EQ(ChooseJoke("Vezuv L", random), jokes[static_cast<std::size_t>(index)]) << draw;
    }
}

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

// Predictions on the pair DUZEDO with the draws given (tests/data/Predictions.json), each with
// the score worked out by hand, in the ranking month R0203 unless another column is named.
TEST_F(PredictionTest, ScoresFromHandWorkedFigures) {
    for (const QJsonValue& c : TestJson("Predictions.json").array()) {
        SCOPED_TRACE(c["why"].toString().toStdString());
        std::vector<double> draws;
        for (const QJsonValue& draw : c["draws"].toArray()) draws.push_back(draw.toDouble());
        const Prediction p =
            Predict(c["home"].toString().toStdString(), c["away"].toString().toStdString(), draws,
                    c["column"].toString("R0203").toStdString());
        EXPECT_EQ(Score(p), std::pair(c["score"][0].toInt(), c["score"][1].toInt()));
    }
}

TEST_F(PredictionTest, FormTellsWhoLacksGamesInARole) {
    // Solo has no game as Team A, Ruth none as Team B.
    const Prediction solo = Predict("Solo", "Ivan", {0, 0});
    EXPECT_FALSE(solo.homeHasForm);
    EXPECT_TRUE(solo.awayHasForm);
    EXPECT_FALSE(Predict("Hugo", "Ruth", {0, 0}).awayHasForm);
    // Nobody at all: 0-0, and the names are quoted safely.
    const Prediction nobody = Predict("Nob'ody", "Nemo", {0, 0});
    EXPECT_EQ(Score(nobody), std::pair(0, 0));
    EXPECT_FALSE(nobody.homeHasForm || nobody.awayHasForm);
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
    // A seeded source ignores reseeds, so a league can be played again.
    SeededRandom a(7), b(7);
    b.Reseed();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(a.Draw(), b.Draw());
}

}  // namespace
