#include <gtest/gtest.h>

#include "players/PlayerLists.h"
#include "rankings/RankingMonths.h"
#include "rankings/Rankings.h"
#include "support/ConnectedDuzedo.h"
#include "support/ListsDuzedo.h"
#include "tournaments/TournamentLists.h"

namespace {

std::vector<std::string> ItemTexts(const std::vector<ComboItem>& items) {
    std::vector<std::string> texts;
    for (const ComboItem& item : items) texts.push_back(item.text);
    return texts;
}

class ListsDb : public testing::TestWithParam<bool> {
  protected:
    ConnectedDuzedo db{"initdata",
                       [](const std::string& path) { WriteListsDuzedo(path, GetParam()); }};
};

TEST_P(ListsDb, ListsFromTheDatabase) {
    ASSERT_TRUE(db.connected()) << db.error();
    EXPECT_EQ(ItemTexts(RankingMonthList().items),
              (std::vector<std::string>{"December 2002", "January 2003"}));
    EXPECT_EQ(RankingCountryItems().front(), "<all>");

    const PlayerLists shown = ReadPlayerLists(true);
    EXPECT_EQ(shown.items, (Texts{"Abel ()", "Tomas (Spain)", "Zora (Spain)"}));
    EXPECT_EQ(shown.names, (Texts{"Abel", "Tomas", "Zora", ""}));
    EXPECT_EQ(ReadPlayerLists(false).items, (Texts{"Abel", "Tomas", "Zora"}));

    EXPECT_EQ(ListedTournaments(), (Texts{"Spring League", "Worldwide Open", "Autumn Cup"}));
}

TEST_P(ListsDb, TournamentCountryFilterNeedsTheCountryColumn) {
    ASSERT_TRUE(db.connected()) << db.error();
    const CountryFilter filter = TournamentCountryFilter();
    if (GetParam()) {
        EXPECT_TRUE(filter.supported);
        EXPECT_EQ(filter.items, (Texts{"<all>", "Ísland", "Ostland", "Velmoor"}));
    } else {
        EXPECT_FALSE(filter.supported);
        EXPECT_EQ(filter.items, (Texts{"<not supported>"}));
    }
    // The failed query leaves the shared recordset free for the next one.
    EXPECT_FALSE(gRs->isOpen());
    EXPECT_EQ(ListedTournaments().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutHostCountries, ListsDb, testing::Bool());

}  // namespace
