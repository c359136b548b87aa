// The main window and the windows it opens for users of the keyboard and of screen readers: Tab,
// Enter, Esc, names completed as they are typed, and what a screen reader can say of each control.

#include <QCompleter>
#include <QTableWidget>

#include "core/PlayerNames.h"
#include "misc/ui/frmTop.h"
#include "players/ui/PlayerStatsFrame.h"
#include "players/ui/frmGames.h"
#include "players/ui/frmPositions.h"
#include "rankings/ui/frmRankGraph.h"
#include "shell/FrameTable.h"
#include "support/MainWindowFixtures.h"
#include "tournaments/ui/frmShowPic.h"
#include "widgets/Button.h"

namespace {

using Names = std::vector<std::string>;

// Text boxes, lists, grids and combo boxes that have no accessible name, by object name.
Names UnnamedControls(const QWidget& root) {
    Names unnamed;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        const bool counted =
            qobject_cast<QLineEdit*>(widget) || qobject_cast<QListWidget*>(widget) ||
            qobject_cast<QTableWidget*>(widget) || qobject_cast<QComboBox*>(widget);
        if (counted && widget->accessibleName().trimmed().isEmpty()) {
            unnamed.push_back(widget->objectName().toStdString());
        }
    }
    return unnamed;
}

class Keyboard : public ActiveSampleMainWindow {
  protected:
    // The stops after the navigation bar, where Tab goes from the first navigation button until it
    // comes back, by object name.
    Names FrameRound(int frame) {
        window.BarClick(frame);
        window.ui.chbBar[0]->setFocus();
        Names round;
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            if (focus == nullptr || focus == window.ui.chbBar[0]) break;
            round.push_back(focus->objectName().toStdString());
        }
        const Names bar{"chbBar_1", "chbBar_2", "chbBar_3", "chbBar_4",
                        "chbBar_5", "chbBar_6", "chbBar_7"};
        EXPECT_TRUE(round.size() >= bar.size() && Names(round.begin(), round.begin() + 7) == bar)
            << testing::PrintToString(round);
        return round.size() < bar.size() ? Names{} : Names(round.begin() + 7, round.end());
    }
    template <typename Dialog, typename... Args>
    std::unique_ptr<QDialog> Opened(Args... args) {
        auto dialog = std::make_unique<Dialog>(&window);
        dialog->Init(args...);
        return dialog;
    }
};

TEST_F(Keyboard, TabVisitsEachFramesControlsInTheOrderTheyAreRead) {
    // Disabled buttons are passed over; a grid is one stop, not one per cell.
    EXPECT_EQ(FrameRound(2), (Names{"chbShowTournamentWinners", "chbPlayerHelp_1", "lstTournaments",
                                    "cmbTournamentFilter", "grdTournamentTables",
                                    "grdTournamentGames", "cmbGamesFilter"}));
    // A narrow window moves the controls, not their order.
    window.resize(620, 470);
    EXPECT_EQ(FrameRound(5), (Names{"chbPlayerHelp_2", "lstPair_0", "lstPair_1", "grdPairGames",
                                    "lstPairResults_0", "lstPairResults_1"}));
}

// Each window names its controls for screen readers and Esc closes it, whichever of its controls
// has the focus; in the games window Tab leaves the grid at once rather than walking its cells.
TEST_F(Keyboard, EverySecondaryWindowNamesItsControlsAndClosesOnEsc) {
    const std::string player = gPlayers.at(3);
    // One at a time: the window finds the dialog it opened among its children.
    const std::vector<std::function<std::unique_ptr<QDialog>()>> makers = {
        [&] { return Opened<frmGames>(player, 1); }, [&] { return Opened<frmPositions>(player); },
        [&] { return Opened<frmRankGraph>(player); }, [&] { return Opened<frmTop>(1); },
        [&] { return Opened<frmShowPic>("", "Diagram"); }};
    for (const auto& make : makers) {
        const std::unique_ptr<QDialog> dialog = make();
        WhenModal(window, [](QDialog& shown) {
            EXPECT_EQ(UnnamedControls(shown), Names{}) << shown.objectName().toStdString();
            if (auto* grid = shown.findChild<QWidget*>(QStringLiteral("grdGames"))) {
                grid->setFocus();
                QTest::keyClick(grid, Qt::Key_Tab);
                EXPECT_EQ(shown.focusWidget()->objectName(), "chbClose");
            }
            for (QWidget* focus : {shown.focusWidget(), static_cast<QWidget*>(&shown)}) {
                if (focus != nullptr && shown.isVisible()) QTest::keyClick(focus, Qt::Key_Escape);
            }
            EXPECT_FALSE(shown.isVisible()) << shown.objectName().toStdString();
        });
        dialog->exec();
    }
}

// Right after start, a frame's key brings it forward with the keyboard in it: the first control
// that takes typing has the focus.
TEST_F(Keyboard, AFramesKeyPutsTheFocusOnItsFirstControl) {
    for (int frame = 7; frame >= 0; --frame) {
        QTest::keyClick(&window, static_cast<Qt::Key>(Qt::Key_1 + frame), Qt::ControlModifier);
        const QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << frame;
        EXPECT_TRUE(window.ui.fraFrame[frame]->isAncestorOf(focus))
            << frame << " " << focus->objectName().toStdString();
    }
    // Not the help button: the player list, which takes a typed name.
    QTest::keyClick(&window, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "lstPlayers");
}

TEST_F(Keyboard, APlayerNameCompletesWhateverItsCaseAndEnterShowsTheChosenPlayerOnce) {
    window.BarClick(FrameIndex<PlayerStatsFrame>());
    auto& box = C<QLineEdit>("txtPlayer");
    ASSERT_NE(box.completer(), nullptr);
    const QString typed = QString::fromStdString(gPlayers.at(5)).left(3).toLower();
    QStringList expected;
    for (const std::string& name : gPlayers) {
        const QString each = QString::fromStdString(name);
        if (each.startsWith(typed, Qt::CaseInsensitive)) expected.append(each);
    }
    ASSERT_FALSE(expected.isEmpty());

    QStringList goTexts;
    QObject::connect(&box, &QLineEdit::returnPressed, [&] { goTexts.append(box.text()); });
    box.setFocus();
    QTest::keyClicks(&box, typed);
    QAbstractItemView* popup = box.completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->model()->rowCount(), expected.size());

    QTest::keyClick(popup, Qt::Key_Down);
    // The key goes down in the list of names, which closes, and comes up in the box.
    QTest::keyPress(popup, Qt::Key_Return);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(goTexts, QStringList{expected.first()});
    EXPECT_EQ(FrameOf<PlayerStatsFrame>(window).CurrentPlayer(), expected.first().toStdString());
}

// Every box, list, grid and combo box has a name. A caption without a small letter (">", "<<",
// "CLR") or of one character ("i") says nothing of what the button does: its name must, in words.
// A label ending in a colon is a caption of a few words, the buddy of the control it names.
class Accessibility : public SampleMainWindow {};

TEST_F(Accessibility, ControlsAndSymbolButtonsAreNamedAndColonLabelsAreTheirBuddies) {
    EXPECT_EQ(UnnamedControls(window), Names{});
    int symbols = 0;
    for (const Button* button : window.findChildren<Button*>()) {
        const QString caption = button->text();
        if (caption.isEmpty() || (caption.size() > 1 && caption != caption.toUpper())) continue;
        ++symbols;
        const QString name = button->accessibleName();
        EXPECT_TRUE(name.contains(QLatin1Char(' ')) && name != caption)
            << button->objectName().toStdString() << " '" << caption.toStdString() << "'";
    }
    EXPECT_GE(symbols, 6 + 6);  // the six help buttons, ">" twice, ">>", "<<", "CLR", "ALL"

    int labels = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = label->text();
        if (!text.endsWith(QLatin1Char(':')) || text.count(QLatin1Char(' ')) > 2) continue;
        ++labels;
        const QWidget* buddy = label->buddy();
        ASSERT_NE(buddy, nullptr) << label->objectName().toStdString();
        EXPECT_EQ(buddy->parentWidget(), label->parentWidget());
        EXPECT_FALSE(buddy->accessibleName().isEmpty());
    }
    EXPECT_EQ(labels, 4);  // "Month:", "Country Filter:" and the two "Filter:"
    // The two "Filter:" combo boxes are told apart.
    EXPECT_NE(C<QComboBox>("cmbTournamentFilter").accessibleName(),
              C<QComboBox>("cmbGamesFilter").accessibleName());
}

}  // namespace
