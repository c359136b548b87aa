// duzedo report: every view of the tool's own list prints its controls as one JSON object, with
// the options it takes reaching it; bad requests are refused; and what the tool adds to the views,
// the joke's message, repeatable draws and the names between semicolons.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <memory>
#include <sstream>

#include "duzedo/Report.h"
#include "headtohead/PairDuzedo.h"
#include "support/HandMadeDuzedo.h"
#include "support/TempDir.h"
#include "support/TestData.h"

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

// Each view with options of its own (tests/data/ReportViews.json), and a part of what it then
// prints that they decide. A name given twice to fantasy counts once, and an empty one not at all.
TEST_F(Report, EveryViewPrintsOneJsonObjectOfWhatItsOptionsAsk) {
    const QJsonObject shown = TestJson("ReportViews.json").object();
    for (const std::string_view view : ReportViews()) {
        SCOPED_TRACE(view);
        const QJsonObject c = shown[QString::fromUtf8(view.data(), std::ssize(view))].toObject();
        ASSERT_FALSE(c.isEmpty());
        ReportOptions options;
        for (const QString& name : c["options"].toObject().keys()) {
            options[name.toStdString()] = c["options"][name].toString().toStdString();
        }
        const std::string json = Run(std::string(view), options);
        const std::string part = c["shows"].toString().toStdString();
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
