// The Options frame: the games value it accepts, and what Apply changes.

#include "core/DisplayLocale.h"
#include "options/Options.h"
#include "options/ui/OptionsFrame.h"
#include "rankings/RankingColumn.h"
#include "rankings/Rankings.h"
#include "support/FileBytes.h"
#include "support/MainWindowFixtures.h"

namespace {

TEST(GamesOption, PositiveNumbersToTheNearestWholeOne) {
    SetCurrentLocale(MakeFixedLocale(','));
    EXPECT_EQ(GamesOption("2.5"), 2);
    EXPECT_EQ(GamesOption("3,5"), 4);
    EXPECT_EQ(GamesOption(" +21 "), 21);
    EXPECT_EQ(GamesOption("32767"), 32767);
    for (const char* refused : {"abc", "-3", "0", "", "12x", "32768", "1e9", "inf"}) {
        EXPECT_EQ(GamesOption(refused), std::nullopt) << refused;
    }
    SetCurrentLocale(nullptr);
}

class OptionsFrameTest : public SampleMainWindow {
  protected:
    QCheckBox* Box(int i) { return &C<QCheckBox>(ArrayName("chkOpt", i)); }
    QLineEdit* Games() { return &C<QLineEdit>("txtOptGames"); }
    QPushButton* Apply() { return &C<QPushButton>("chbApplyOptions"); }
};

TEST_F(OptionsFrameTest, EnteringShowsTheOptionsAndOnlyEditsEnableApply) {
    gOptMinGames = 17;
    gOptShowCountries = 0;
    window.BarClick(6);
    ExpectShows(window, OptionsView(CurrentOptions()));
    EXPECT_FALSE(Apply()->isEnabled());
    Box(3)->click();
    EXPECT_TRUE(Apply()->isEnabled());

    // Unapplied edits are gone at the next visit.
    window.BarClick(0);
    window.BarClick(6);
    EXPECT_FALSE(Box(3)->isChecked());
    EXPECT_FALSE(Apply()->isEnabled());
    TypeText(*Games(), "5");
    EXPECT_TRUE(Apply()->isEnabled());
}

TEST_F(OptionsFrameTest, ApplySavesTheOptionsAndRefillsTheRankings) {
    window.BarClick(6);
    Box(0)->click();
    Box(2)->click();
    TypeText(*Games(), "2.5");
    Apply()->click();
    EXPECT_EQ(CurrentOptions(), (OptionValues{1, 2, 0, 1}));
    EXPECT_TRUE(ReadBytes(SettingsFilePath()).starts_with(gDbPath + "\r\n 1 \r\n 2 \r\n 0 \r\n"));
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(services->messages[0].text, "New option parameters have been applied");
    EXPECT_TRUE(Apply()->isEnabled());

    // Without the participation limit the chosen month lists every ranked player.
    window.BarClick(0);
    const auto data = C<QComboBox>("cmbRankMonth").currentData().toLongLong();
    ExpectShows(window, RankingsView({RankingColumnFromItemData(data), std::nullopt, false}));
}

TEST_F(OptionsFrameTest, ARefusedMinimumIsNamedAndTheBoxShowsTheOneInForce) {
    gOptMinGames = 20;
    window.BarClick(6);
    for (const QString& typed :
         {QString("abc"), QString("-3"), QString("   "), QString("<b>x</b>"), QString(300, '9')}) {
        TypeText(*Games(), typed);
        Box(2)->click();
        services->messages.clear();
        Apply()->click();
        // The other option still applies; the minimum is refused, and the user told so.
        EXPECT_EQ(gOptRankingLimit, Box(2)->isChecked() ? 1 : 0);
        EXPECT_EQ(Games()->text(), "20");
        ASSERT_EQ(services->messages.size(), 1u) << typed.toStdString();
        const std::string& text = services->messages[0].text;
        EXPECT_TRUE(text.starts_with(
            typed.trimmed().isEmpty() ? "No" : "\"" + typed.left(20).toStdString()))
            << text;
        EXPECT_TRUE(text.ends_with("Enter a number from 1 to 32767.")) << text;
    }
}

TEST_F(OptionsFrameTest, HoveringAnOptionDescribesIt) {
    window.BarClick(6);
    auto* info = &C<QLabel>("lblOptInfo");
    EXPECT_EQ(info->text().toStdString(), kOptionsHint);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(Box(1), &enter);
    EXPECT_TRUE(info->text().startsWith("This value defines how many games"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Box(1), &leave);
    EXPECT_EQ(info->text().toStdString(), kOptionsHint);
}

}  // namespace
