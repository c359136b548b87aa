#include "shell/Navigation.h"

#include "core/Settings.h"

std::vector<int> SlideTops(int windowHeight) {
    std::vector<int> tops;
    for (int top = windowHeight; top >= kFrameTop; top -= kSlideStep) {
        tops.push_back(top);
    }
    return tops;
}

std::string HelpText(int k, bool tournamentFilterEnabled) {
    switch (k) {
        case 0:
            return "Select a player from the list or type his name in the text box below and hit "
                   "the '>' button to view his stats";
        case 1:
            return std::string(
                       "Select a tournament from the list to view the final table and "
                       "the results. ") +
                   (tournamentFilterEnabled ? "Use the filter to limit the tournaments displayed"
                                            : "");
        case 2:
            return "Select two players from the list to the left and click on the '>' button to "
                   "view an analysis of their head-to-head games";
        case 3:
            return "The minimum number of games for a player to be included in the individual "
                   "record calculation is " +
                   std::to_string(gOptMinGames);
        case 4:
            return std::string(gOptRankingLimit == 0
                                   ? "All VPA players are included in the rankings table"
                                   : "Only players that have participated in at least 2 VPA "
                                     "tournaments are included in the rankings table") +
                   ". To change this, use the 'Options' dialog";
        case 5:
            return "This is a just for fun option. Select a number of players to participate in "
                   "a fantasy league and click on 'start' to see their predicted results";
        default:
            return {};
    }
}
