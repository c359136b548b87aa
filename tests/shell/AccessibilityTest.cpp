// What a screen reader can say of the main window's controls and of the windows they open.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include "misc/ui/frmTop.h"
#include "players/ui/frmGames.h"
#include "players/ui/frmPositions.h"
#include "rankings/ui/frmRankGraph.h"
#include "support/MainWindowFixtures.h"
#include "support/WindowControls.h"
#include "tournaments/ui/frmShowPic.h"
#include "widgets/Button.h"

namespace {

class Accessibility : public SampleMainWindow {};

// Text boxes, lists, grids and combo boxes that have no accessible name, by object name.
template <typename... Kinds>
std::vector<std::string> Unnamed(const QWidget& root) {
    std::vector<std::string> unnamed;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        const bool counted = ((qobject_cast<Kinds*>(widget) != nullptr) || ...);
        if (counted && widget->accessibleName().trimmed().isEmpty()) {
            unnamed.push_back(widget->objectName().toStdString());
        }
    }
    return unnamed;
}

std::vector<std::string> UnnamedControls(const QWidget& root) {
    return Unnamed<QLineEdit, QListWidget, QTableWidget, QComboBox>(root);
}

TEST_F(Accessibility, EveryBoxListGridAndComboBoxHasAName) {
    EXPECT_EQ(UnnamedControls(window), std::vector<std::string>{});
    frmGames games(&window);
    frmTop top(&window);
    frmShowPic picture(&window);
    frmPositions positions(&window);
    frmRankGraph progress(&window);
    for (const QWidget* dialog :
         std::initializer_list<const QWidget*>{&games, &top, &picture, &positions, &progress}) {
        EXPECT_EQ(UnnamedControls(*dialog), std::vector<std::string>{})
            << dialog->objectName().toStdString();
    }
}

// A caption without a small letter (">", "<<", "CLR") or of one character ("i") says nothing
// of what the button does; its name must, in words.
TEST_F(Accessibility, ButtonsCaptionedWithASymbolAreNamedForWhatTheyDo) {
    int symbols = 0;
    for (const Button* button : window.findChildren<Button*>()) {
        const QString caption = button->text();
        const bool symbol = caption.size() == 1 || caption == caption.toUpper();
        if (!symbol || caption.isEmpty()) continue;
        ++symbols;
        const QString name = button->accessibleName();
        EXPECT_TRUE(name.contains(QLatin1Char(' ')) && name != caption)
            << button->objectName().toStdString() << " '" << caption.toStdString() << "' is '"
            << name.toStdString() << "'";
    }
    EXPECT_GE(symbols, 6 + 6);  // the six help buttons, ">" twice, ">>", "<<", "CLR", "ALL"
}

TEST_F(Accessibility, LabelsEndingInAColonAreTheBuddiesOfTheirControlsWhichTheyName) {
    int labels = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        // A caption of a few words, not a sentence that leads into the buttons below it.
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
    EXPECT_NE(Ctl<QComboBox>(window, "cmbTournamentFilter")->accessibleName(),
              Ctl<QComboBox>(window, "cmbGamesFilter")->accessibleName());
}

}  // namespace
