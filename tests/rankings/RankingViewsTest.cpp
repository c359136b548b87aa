// The rankings' month list and the choice of the current ranking column from the file's date,
// against the hand-made DUZEDO (months R1202 to R0303); and the ranking progress graph: its scale,
// grid, ticks, labels, points and lines in twips.

#include <gtest/gtest.h>
#include <utime.h>

#include <algorithm>
#include <ctime>

#include "core/DisplayLocale.h"
#include "rankings/RankingColumn.h"
#include "rankings/RankingMonths.h"
#include "rankings/RankingProgress.h"
#include "rankings/Rankings.h"
#include "support/ConnectedDuzedo.h"
#include "support/HandMadeDuzedo.h"

namespace {

class Rankings : public ConnectedSuite<WriteHandMadeDuzedo> {
  protected:
    static void SetFileDate(int year, int month, int day) {
        std::tm local{};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = 12;
        local.tm_isdst = -1;
        utimbuf times{std::mktime(&local), std::mktime(&local)};  // MinGW's utime takes no const
        ASSERT_EQ(::utime(gDbPath.c_str(), &times), 0);
    }
};

TEST_F(Rankings, OnlyColumnsOfMonthOneToTwelveAreMonths) {
    EXPECT_TRUE(IsRankingColumnName("r0503"));
    EXPECT_TRUE(IsRankingColumnName("R1203"));
    EXPECT_FALSE(IsRankingColumnName("R1303"));
    EXPECT_FALSE(IsRankingColumnName("R0003"));
}

TEST_F(Rankings, CurrentColumnComesFromTheFileDateAndFallsBackToTheLatestMonth) {
    SetFileDate(2004, 1, 18);
    EXPECT_EQ(CurrentRankingColumn(), "R0104");
    // January 2004 has no column: the latest month stands in and says so.
    RankingPeriod period = CurrentRankingPeriod();
    EXPECT_EQ(period.column, "R0303");
    EXPECT_EQ(period.note, "No ranking for January 2004 yet: showing March 2003");
    EXPECT_EQ(RankingsView({}).text("lblNote"), period.note);
    EXPECT_EQ(RankingsView({}).grid("grdRankings")[1][1], "Vodad R");

    SetFileDate(2003, 2, 10);
    period = CurrentRankingPeriod();
    EXPECT_EQ(period.column, "R0203");
    EXPECT_EQ(period.note, "");

    const std::vector<std::string> months = {"R1202", "R0103"};
    EXPECT_EQ(ChooseRankingPeriod(LocalDateTime{2002, 11, 1}, months).note,
              "No ranking for November 2002: showing January 2003");
    EXPECT_EQ(ChooseRankingPeriod(std::nullopt, months).column, "R0103");
    EXPECT_EQ(ChooseRankingPeriod(LocalDateTime{2003, 1, 1}, {}).column, "");
}

TEST_F(Rankings, MonthListNamesEveryColumnAndSelectsTheMonthTheTableShowsFirst) {
    const ComboList list = RankingMonthList();
    ASSERT_EQ(list.items.size(), 4u);
    EXPECT_EQ(list.items[0].text, "December 2002");
    EXPECT_EQ(list.items[3].data, 303);
    // A month without a column: the latest stands in for it.
    SetFileDate(2004, 1, 18);
    EXPECT_EQ(RankingMonthList().selected, 3);
    SetFileDate(2003, 1, 10);
    EXPECT_EQ(list.items[static_cast<std::size_t>(RankingMonthList().selected)].text,
              "January 2003");
}

TEST(ProgressGraph, ScalePointsAndLines) {
    SetCurrentLocale(MakeFixedLocale());
    // 1180 to 1420 give the scale 1080 to 1520 in steps of 110; with this picture ys is 10 and
    // xs 1000, so y(v) = (1520 - v) * 10 + 60 and x(m) = m * 1000 + 580.
    const std::vector<RankedMonth> months = {
        {"R0503", 1180}, {"R0603", std::nullopt}, {"R0703", 1420}, {"R0803", 1300}};
    const Graph g = ProgressGraph(months, 4900, 5300);
    SetCurrentLocale(nullptr);
    EXPECT_EQ(g.scaleValue("top"), 1520);
    EXPECT_EQ(g.scaleValue("bottom"), 1080);
    EXPECT_EQ(g.scaleValue("step"), 110);

    std::vector<std::string> gridLabels;
    for (const GraphText& t : g.texts) {
        if (t.lineStep == 0) gridLabels.push_back(t.text + "@" + std::to_string(t.y));
    }
    EXPECT_EQ(gridLabels, (std::vector<std::string>{"1080@4460", "1190@3360", "1300@2260",
                                                    "1410@1160", "1520@60"}));
    EXPECT_EQ(g.boxes.size(), 5u);
    std::vector<GraphLine> red;
    for (const GraphLine& line : g.lines) {
        if (line.colour == kRed) red.push_back(line);
    }
    // No line into the first month; a thin one from the value 1000 after the gap, which lies
    // below this scale: the line starts where it crosses the horizontal axis.
    EXPECT_EQ(red, (std::vector<GraphLine>{{1123, 4500, 3580, 1060, kRed, 1},
                                           {3580, 1060, 4580, 2260, kRed, 3}}));
    // Each point is drawn where it says and tells its month; none picks anything.
    ASSERT_EQ(g.spots.size(), 3u);
    EXPECT_EQ(g.spots[0], (GraphSpot{1580, 3460, 40, "May 2003: 1180 points"}));
    EXPECT_EQ(g.spots[2], (GraphSpot{4580, 2260, 40, "August 2003: 1300 points"}));
}

TEST(ProgressGraph, MonthLabelsThatWouldRunIntoEachOtherAreLeftOut) {
    SetCurrentLocale(MakeFixedLocale());
    std::vector<RankedMonth> months;
    for (int year = 2001; year <= 2003; ++year) {
        for (int month = 1; month <= 12; ++month) {
            months.push_back({RankingColumnName(month, year), 1000 + month});
        }
    }
    const auto labelColumns = [&months](int width) {
        std::vector<int> columns;
        for (const GraphText& t : ProgressGraph(months, width, 5295).texts) {
            if (t.lineStep != 0) columns.push_back(t.x);
        }
        std::sort(columns.begin(), columns.end());
        return columns;
    };
    // Room for all: a name and a year for every month.
    EXPECT_EQ(labelColumns(40000).size(), 2 * months.size());
    // The window's first size: fewer, and none within a character (the graph's 9-pixel font)
    // of the next.
    const std::vector<int> columns = labelColumns(9135);
    EXPECT_GE(columns.size(), months.size() / 2);
    for (std::size_t i = 1; i < columns.size(); ++i) EXPECT_GE(columns[i] - columns[i - 1], 135);
    SetCurrentLocale(nullptr);
}

TEST(ProgressGraph, PointsNearTheLimitsOfTheirNumbersAreLeftOut) {
    // Such values once made the scale's step overflow and its grid loop run for ever.
    constexpr std::int64_t kHuge = 9223372036854775707;
    const std::vector<RankedMonth> months = {
        {"R0503", 1200}, {"R0603", kHuge}, {"R0703", -kHuge}, {"R0803", 1400}};
    const Graph g = ProgressGraph(months, 4900, 5300);
    EXPECT_EQ(g.scaleValue("top"), 1500);
    EXPECT_EQ(g.scaleValue("bottom"), 1100);
    EXPECT_EQ(g.circles.size(), 2u);
    EXPECT_TRUE(ProgressGraph({{"R0503", kHuge}}, 4900, 5300).empty());
}

}  // namespace
