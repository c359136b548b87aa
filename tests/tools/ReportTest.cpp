// duzedo report: the command's answers to good and bad requests.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "duzedo/Report.h"
#include "support/HandMadeDuzedo.h"
#include "support/ReportSuite.h"

namespace {

class Report : public ReportSuite<WriteHandMadeDuzedo> {};

TEST_F(Report, PrintsTheViewsControls) {
    const std::string rankings = Run("rankings", {{"--month", "0303"}, {"--country", "Spain"}});
    EXPECT_EQ(rankings,
              "{\n  \"grdRankings\": [\n    [\"Pos\", \"Player\", \"Country\", \"Points\"],\n    "
              "[\"1\", \"Abco D\", \"Spain\", \"1330\"]\n  ],\n  \"lblNote\": \"\"\n}\n");
    const std::string csv =
        Run("rankings", {{"--month", "303"}, {"--limit", "0"}, {"--format", "csv"}});
    EXPECT_EQ(csv.substr(0, csv.find('\n', 26)), "Pos,Player,Country,Points\n1,José P,Spain,1600");
    const std::string player = Run("player", {{"--name", "Nobody X"}});
    EXPECT_NE(player.find("\"Label2_1\": \"< no player selected >\""), std::string::npos);
    EXPECT_NE(player.find("\"chbPlayerHome\": {\"enabled\": false}"), std::string::npos);

    EXPECT_THROW(Run("charts", {}), std::runtime_error);
    EXPECT_THROW(Run("rankings", {{"--name", "Vodad R"}}), std::runtime_error);
    EXPECT_THROW(Run("rankings", {{"--month", "704"}}), std::runtime_error);
    EXPECT_THROW(Run("progress", {{"--player", "Vodad R"}, {"--format", "csv"}}),
                 std::runtime_error);
}

}  // namespace
