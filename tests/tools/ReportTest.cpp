// duzedo report: the JSON and CSV writers, and the command's answers to good and bad requests.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "core/ViewTexts.h"
#include "duzedo/Report.h"
#include "support/DuzedoTool.h"
#include "support/HandMadeDuzedo.h"
#include "support/ReportSuite.h"

namespace {

namespace fs = std::filesystem;

TEST(ViewTextsWriters, EscapeTextsAndKeepTheControlsOrder) {
    ViewTexts view;
    view.set("lblNote", std::string("a \"b\"\\\n\x01 \xC3\xA9 \xFF"));
    view.set("grdX", Grid{{"#", "Name"}, {"1", "O'Neil, S"}});
    view.set("chbGo", ButtonState{false});
    view.set("lblNote", std::string("replaced"));
    EXPECT_EQ(ToJson(view),
              "{\n  \"lblNote\": \"replaced\",\n  \"grdX\": [\n    [\"#\", \"Name\"],\n    "
              "[\"1\", \"O'Neil, S\"]\n  ],\n  \"chbGo\": {\"enabled\": false}\n}\n");
    view.set("lblNote", std::string("a \"b\"\\\n\x01 \xC3\xA9 \xFF"));
    EXPECT_NE(ToJson(view).find(R"("a \"b\"\\\n\u0001 é \ufffd")"), std::string::npos);
    EXPECT_EQ(ToCsv(Grid{{"Pos", "Player"}, {"1", "O'Neil, S"}, {"2", "say \"hi\""}, {"3", " x"}}),
              "Pos,Player\n1,\"O'Neil, S\"\n2,\"say \"\"hi\"\"\"\n3,\" x\"\n");
}

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

TEST_F(Report, ToolFailsWithStatusTwo) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built beside the tests";
    const std::string db = "'" + db_ + "'";
    EXPECT_EQ(RunDuzedoTool("report games " + db + " --player 'Vodad R' --mode 2 --order 5"), 0);
    EXPECT_EQ(RunDuzedoTool("report charts " + db), 2);
    EXPECT_EQ(RunDuzedoTool("report games " + db + " --player 'Vodad R' --order 6"), 2);
    EXPECT_EQ(RunDuzedoTool("report games " + db + " --colour red"), 2);
    EXPECT_EQ(RunDuzedoTool("report rankings '" + (*dir_ / "missing.mdb").string() + "'"), 2);
}

}  // namespace
