// duzedo report: every view of the tool's own list prints its controls as one JSON object, with
// the options it takes reaching it; bad requests are refused; and what the tool adds to the views,
// the joke's message, repeatable draws and the names between semicolons.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <map>
#include <memory>
#include <sstream>

#include "duzedo/Report.h"
#include "headtohead/PairDuzedo.h"
#include "support/HandMadeDuzedo.h"
#include "support/TempDir.h"

namespace {

// Reports on a database that Write makes once for the whole suite.
template <void (*Write)(const std::string&)>
class ReportSuite : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<TempDir>("report");
        db_ = (*dir_ / "duzedo.mdb").string();
        Write(db_);
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static std::string Run(const std::string& view, const ReportOptions& options) {
        std::ostringstream out;
        RunReport(view, db_, options, out);
        return out.str();
    }

    static inline std::unique_ptr<TempDir> dir_;
    static inline std::string db_;
};

class Report : public ReportSuite<WriteHandMadeDuzedo> {};

// Each view with options of its own, and a part of what it then prints that they decide.
const std::map<std::string_view, std::pair<ReportOptions, std::string>> kShown = {
    {"rankings",
     {{{"--month", "0303"}, {"--country", "Spain"}}, "[\"1\", \"Abco D\", \"Spain\", \"1330\"]"}},
    {"months", {{}, "{\"text\": \"December 2002\", \"data\": 1202}"}},
    {"player", {{{"--name", "Vodad R"}}, "\"Label2_1\": \"Vodad R ( #1 - 1560 pts )\""}},
    {"games",
     {{{"--player", "Vodad R"}, {"--mode", "2"}, {"--order", "3"}},
      "[\"2\", \"ÁBDO K\", \"Vodad R\", \"1\", \"3\", \"-2\""}},
    {"positions",
     {{{"--player", "Vodad R"}, {"--row", "2"}, {"--width", "9000"}},
      "{\"x\": 3120, \"y\": 1002, \"radius\": 80, \"colour\": \"#ffff00\""}},
    {"progress",
     {{{"--player", "abel M"}, {"--height", "6000"}},
      "\"height\": 6000,\n    \"scale\": {\"top\": 1300, \"bottom\": 1080,"}},
    {"pair",
     {{{"--p1", "Vodad R"}, {"--p2", "Vezuv L"}},
      "\"lblPair\": \"Vodad R (#1) vs Vezuv L (#2) \""}},
    {"predict",
     {{{"--home", "Vodad R"}, {"--away", "Vezuv L"}, {"--count", "2"}},
      "{\"home\": \"Vodad R\", \"away\": \"Vezuv L\", \"games\": [["}},
    // A name given twice counts once, and an empty one not at all.
    {"fantasy",
     {{{"--players", "Vodad R;Abco D;;Nobody X;Vodad R"}, {"--seed", "9"}},
      "[\"3\", \"Abco D\", \"0\", \"1\", \"3\", \"2\", \"2195\", \"1\"]\n  ],\n  \"note\": \"Too "
      "few games for a full prediction: 1 player\\nNobody X (no games)\""}},
    {"tournaments",
     {{{"--country", "Spain"}}, "\"lstTournaments\": [\n    \"Águila Trophy\"\n  ]"}},
    {"tournament",
     {{{"--name", "Velmoor Open 2002"}, {"--player", "José P"}}, "], \"selected\": 3}"}},
    {"worldcup",
     {{{"--wc", "1"}, {"--phase", "0"}},
      "[\"1\", \"Müller K\", \"2\", \"1\", \"1\", \"0\", \"1\", \"0\", \"4\"]"}},
    {"winners", {{}, "[\"Águila Trophy\", \"Ábdo K\"]"}},
    {"misc", {{{"--min-games", "3"}}, "[\"Best defense avg\", \"Abco D (0.83)\"]"}},
    {"records",
     {{{"--stat", "6"}, {"--limit", "0"}, {"--min-games", "3"}},
      "[\"8\", \"José P\", \"4.00\", \"1\"]"}},
    {"options", {{}, "\"txtOptGames\": \"20\""}},
};

TEST_F(Report, EveryViewPrintsOneJsonObjectOfWhatItsOptionsAsk) {
    for (const std::string_view view : ReportViews()) {
        SCOPED_TRACE(view);
        ASSERT_TRUE(kShown.contains(view));
        const auto& [options, part] = kShown.at(view);
        const std::string json = Run(std::string(view), options);
        QJsonParseError error;
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << json;
        EXPECT_FALSE(document.object().isEmpty()) << json;
        EXPECT_NE(json.find(part), std::string::npos) << json;
    }
}

TEST_F(Report, PrintsJsonLaidOutTheMainGridAsCsvAndRefusesBadRequests) {
    EXPECT_EQ(Run("rankings", {{"--month", "0303"}, {"--country", "Spain"}}),
              "{\n  \"grdRankings\": [\n    [\"Pos\", \"Player\", \"Country\", \"Points\"],\n    "
              "[\"1\", \"Abco D\", \"Spain\", \"1330\"]\n  ],\n  \"lblNote\": \"\"\n}\n");
    const std::string csv =
        Run("rankings", {{"--month", "303"}, {"--limit", "0"}, {"--format", "csv"}});
    EXPECT_EQ(csv.substr(0, csv.find('\n', 26)), "Pos,Player,Country,Points\n1,José P,Spain,1600");
    EXPECT_THROW(Run("charts", {}), std::runtime_error);
    EXPECT_THROW(Run("rankings", {{"--name", "Vodad R"}}), std::runtime_error);
    EXPECT_THROW(Run("rankings", {{"--month", "704"}}), std::runtime_error);
    EXPECT_THROW(Run("progress", {{"--player", "Vodad R"}, {"--format", "csv"}}),
                 std::runtime_error);
    EXPECT_THROW(Run("records", {}), std::runtime_error);
    EXPECT_THROW(Run("fantasy", {{"--players", "Vodad R"}, {"--seed", "x"}}), std::runtime_error);
    EXPECT_THROW(Run("predict", {{"--home", "A"}, {"--away", "B"}, {"--count", "0"}}),
                 std::runtime_error);
}

class HeadToHeadReport : public ReportSuite<WritePairDuzedo> {};

// The same player twice: the joke's message box after the controls, the same for the same seed.
TEST_F(HeadToHeadReport, PairAddsTheJokesMessage) {
    EXPECT_EQ(Run("pair", {{"--p1", "Cleo"}, {"--p2", "Dara"}}).find("message"), std::string::npos);
    const std::string self = Run("pair", {{"--p1", "Aris"}, {"--p2", "Aris"}, {"--seed", "3"}});
    EXPECT_NE(self.find(",\n  \"message\": {\"title\": \""), std::string::npos) << self;
    EXPECT_EQ(self, Run("pair", {{"--p1", "Aris"}, {"--p2", "Aris"}, {"--seed", "3"}}));
}

TEST_F(HeadToHeadReport, PredictDrawsOneGameAfterAnother) {
    const ReportOptions seeded = {
        {"--home", "Hugo"}, {"--away", "Ivan"}, {"--seed", "5"}, {"--count", "30"}};
    const std::string games = Run("predict", seeded);
    EXPECT_EQ(games, Run("predict", seeded));
    EXPECT_EQ(std::count(games.begin(), games.end(), '['), 31);
    // Hugo's expectation is 3.875 before a reduction of under 2: never below 2 nor above 4.
    for (std::size_t at = games.find("[[") + 1; at != std::string::npos;
         at = games.find('[', at + 1)) {
        const int home = games[at + 1] - '0';
        EXPECT_TRUE(home >= 2 && home <= 4) << games.substr(at, 6);
    }
}

}  // namespace
