// duzedo report misc, records and options: the same texts as the windows, as JSON.

#include <gtest/gtest.h>

#include "core/Settings.h"
#include "misc/AllPlayerRecords.h"
#include "misc/MiscStats.h"
#include "support/ConnectedDuzedo.h"
#include "support/HandMadeDuzedo.h"
#include "support/ReportSuite.h"

namespace {

class MiscReport : public ReportSuite<WriteHandMadeDuzedo> {
  protected:
    // The view's JSON as the functions give it, on the same database.
    template <typename F>
    static std::string Expected(F view) {
        EXPECT_TRUE(ConnectDb(db_));
        const std::string json = ToJson(view());
        DisconnectDb();
        return json;
    }
};

TEST_F(MiscReport, MiscRecordsAndOptionsAreTheWindowsTexts) {
    EXPECT_EQ(Run("misc", {{"--min-games", "3"}}),
              Expected([] { return MiscView(MiscPlayers(), 3); }));
    EXPECT_EQ(Run("records", {{"--stat", "6"}, {"--limit", "0"}}),
              Expected([] { return AllPlayerRecordsView(MiscPlayers(), 6, false, 20); }));
    EXPECT_THROW(Run("records", {}), std::runtime_error);
    EXPECT_NE(Run("options", {}).find("\"txtOptGames\": \"20\""), std::string::npos);
}

}  // namespace
