// A page's table: the sort keys that give the program's order, texts fit for a page, and the
// CSV file beside it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DisplayLocale.h"
#include "site/DiagramPages.h"
#include "site/NumberForms.h"
#include "site/SiteTable.h"

namespace {

using Keys = std::vector<std::size_t>;

TEST(SiteTable, SortKeysOrderNumbersAsNumbersAndNamesAsTheDatabaseDoes) {
    const Grid numbers = {{"Points"}, {"10"}, {"9"}, {""}, {"-2.5"}, {"9"}, {"1e3"}};
    EXPECT_EQ(ColumnSortKeys(numbers, 0), (Keys{3, 2, 0, 1, 2, 4}));

    // Letter case is no difference, an accent sorts beside its letter, trailing blanks count
    // for nothing; "10" among names is a name.
    const Grid names = {{"Player"}, {"bravo"}, {"Álvaro"}, {"ALVARO"}, {"alvaro "}, {"10"}, {"Zé"}};
    EXPECT_EQ(ColumnSortKeys(names, 0), (Keys{3, 2, 1, 1, 0, 4}));

    // Months sort in time, not by their names.
    SetCurrentLocale(MakeFixedLocale());
    const Grid months = {{"Month"}, {"April 2002"}, {"August 2001"}, {"April 2001"}, {""}};
    EXPECT_EQ(ColumnSortKeys(months, 0), (Keys{3, 2, 1, 0}));
    SetCurrentLocale(nullptr);

    // A short row reads as empty cells.
    EXPECT_EQ(ColumnSortKeys({{"A", "B"}, {"x"}, {"y", "2"}}, 1), (Keys{0, 1}));
}

TEST(SiteTable, TextsFromTheDatabaseLoseWhatNoPageShouldHold) {
    EXPECT_EQ(WebText(std::string("a\0b", 3)), "a\uFFFDb");
    EXPECT_EQ(WebText("\x1B[31m\tx\n\x7F"), "\uFFFD[31m\tx\n\uFFFD");
    EXPECT_EQ(WebText("caf\xE9"), "caf\uFFFD");
    EXPECT_EQ(WebText("<b>José</b> & \"Ø\""), "<b>José</b> & \"Ø\"") << "escaping is the page's";
}

TEST(SiteTable, CsvQuotesWhereNeededAndNeverStartsAFormula) {
    const Grid grid = {{"Pos", "Player", "Country"},
                       {"1", "=HYPERLINK(\"x\")", "+34"},
                       {"-5", "@SUM(A1)", "-x"},
                       {"2", "Smith, J", "\tTab"}};
    EXPECT_EQ(TableCsv(grid),
              "\xEF\xBB\xBF"
              "Pos,Player,Country\r\n"
              "1,\"'=HYPERLINK(\"\"x\"\")\",'+34\r\n"
              "-5,'@SUM(A1),'-x\r\n"
              "2,\"Smith, J\",'\tTab\r\n");
}

// A stage without a table of its own: three points a win, one a draw, then goal difference and
// goals, whatever order the players first played in.
TEST(SiteTable, StandingsCountedFromGamesRankByPointsThenGoalDifference) {
    const Grid table = CountedStandings(
        {{1, "X", "Y", 1, 0}, {2, "Y", "Z", 3, 0}, {3, "Z", "X", 1, 0}, {4, "W", "W2", 2, 2}});
    ASSERT_EQ(table.size(), 6U);
    EXPECT_EQ(table[0].back(), "Pts");
    EXPECT_EQ(table[1], (Texts{"1", "Y", "2", "1", "0", "1", "3", "1", "3"}));
    EXPECT_EQ(table[2][1], "X");
    EXPECT_EQ(table[3][1], "Z");
    EXPECT_EQ(table[4], (Texts{"4", "W", "1", "0", "1", "0", "2", "2", "1"}));
}

TEST(SiteTable, ReaderNumbersWriteSharesAndAveragesInFullAndLeaveTheRestAlone) {
    SetCurrentLocale(MakeFixedLocale(','));
    EXPECT_EQ(ReaderNumbers("Wins: 1 (33,33%)"), "Wins: 1 (33,3%)");
    EXPECT_EQ(ReaderNumbers("2 (,5)"), "2 (0,50)");
    SetCurrentLocale(MakeFixedLocale());
    for (const auto& [window, reader] :
         std::vector<std::pair<std::string, std::string>>{{"Wins: 0 (.%)", "Wins: 0 (0%)"},
                                                          {"3 (%)", "3 (0%)"},
                                                          {"3 (75.%)", "3 (75%)"},
                                                          {"1 (99.96%)", "1 (100%)"},
                                                          {"12 (4.)", "12 (4.00)"},
                                                          {"1 (.333)", "1 (0.33)"},
                                                          {"Smith J (12)", "Smith J (12)"},
                                                          {"Cup (1.2.3)", "Cup (1.2.3)"},
                                                          {"(x.%)", "(x.%)"},
                                                          {"4.", "4."},
                                                          {"a (b) (2.5)", "a (b) (2.50)"}}) {
        EXPECT_EQ(ReaderNumbers(window), reader) << window;
    }
    SetCurrentLocale(nullptr);
}

}  // namespace
