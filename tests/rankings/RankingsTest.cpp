// The rankings table, its month list and the choice of the current ranking column, against the
// hand-made DUZEDO (months R1202 to R0303).

#include <gtest/gtest.h>
#include <utime.h>

#include <ctime>

#include "rankings/RankingColumn.h"
#include "rankings/RankingMonths.h"
#include "rankings/Rankings.h"
#include "support/ConnectedDuzedo.h"
#include "support/HandMadeDuzedo.h"

namespace {

class Rankings : public ConnectedSuite<WriteHandMadeDuzedo> {
  protected:
    // Player and points of each row, after checking the positions run 1, 2, 3...
    static std::vector<std::string> Players(const RankingsChoice& choice) {
        const Grid grid = RankingsView(choice).grid("grdRankings");
        EXPECT_EQ(grid.at(0), (std::vector<std::string>{"Pos", "Player", "Country", "Points"}));
        std::vector<std::string> players;
        for (std::size_t row = 1; row < grid.size(); ++row) {
            EXPECT_EQ(grid[row][0], std::to_string(row));
            players.push_back(grid[row][1] + " " + grid[row][3]);
        }
        return players;
    }

    static void SetFileDate(int year, int month, int day) {
        std::tm local{};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = 12;
        local.tm_isdst = -1;
        const utimbuf times{std::mktime(&local), std::mktime(&local)};
        ASSERT_EQ(::utime(gDbPath.c_str(), &times), 0);
    }
};

TEST_F(Rankings, OnlyColumnsOfMonthOneToTwelveAreMonths) {
    EXPECT_TRUE(IsRankingColumnName("r0503"));
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
    EXPECT_EQ(Players({}).front(), "Vodad R 1560");

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

TEST_F(Rankings, MonthCountryAndLimitCombine) {
    const RankingsChoice all{"R0303", std::nullopt, false};
    EXPECT_EQ(Players(all), (std::vector<std::string>{"José P 1600", "Vodad R 1560", "Vezuv L 1500",
                                                      "Müller K 1480", "Ábdo K 1420", "Abco D 1330",
                                                      "abel M 1200"}));
    // José P played one tournament; O'Neil S (-1) never shows.
    const RankingsChoice limited{"R0303", std::nullopt, true};
    EXPECT_EQ(Players(limited).size(), 6u);
    EXPECT_EQ(Players(limited).front(), "Vodad R 1560");
    // An earlier month: abel M and Ábdo K were not ranked in December 2002.
    EXPECT_EQ(
        Players({"R1202", std::nullopt, true}),
        (std::vector<std::string>{"Vodad R 1500", "Müller K 1450", "Vezuv L 1400", "Abco D 1300"}));
    // Countries compare without regard to case: Vezuv L's is stored as "velmoor".
    const Grid velmoor = RankingsView({"R0303", "Velmoor", true}).grid("grdRankings");
    ASSERT_EQ(velmoor.size(), 4u);
    EXPECT_EQ(velmoor[2], (std::vector<std::string>{"2", "Vezuv L", "velmoor", "1500"}));
    EXPECT_EQ(Players({"R0303", "O'Land", false}).size(), 0u);
}

}  // namespace
