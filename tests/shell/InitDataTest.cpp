#include <gtest/gtest.h>

#include "players/PlayerLists.h"
#include "support/ConnectedDuzedo.h"
#include "support/ListsDuzedo.h"
#include "tournaments/TournamentLists.h"

namespace {

class ListsDb : public testing::TestWithParam<bool> {
  protected:
    ConnectedDuzedo db{"initdata",
                       [](const std::string& path) { WriteListsDuzedo(path, GetParam()); }};
};

TEST_P(ListsDb, ListsFromTheDatabase) {
    ASSERT_TRUE(db.connected()) << db.error();
    const PlayerLists shown = ReadPlayerLists(true);
    EXPECT_EQ(shown.items, (Texts{"Abel ()", "Tomas (Spain)", "Zora (Spain)"}));
    EXPECT_EQ(shown.names, (Texts{"Abel", "Tomas", "Zora"}));
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
