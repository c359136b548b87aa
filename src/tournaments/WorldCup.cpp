#include "tournaments/WorldCup.h"

#include "db/Database.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentLists.h"

namespace {

const std::string& PhaseText(int phase) {
    return kWorldCupPhases.at(static_cast<std::size_t>(phase));
}

}  // namespace

std::string WorldCupPrefix(int worldCup) {
    return worldCup == 0 ? "World Cup I " : "World Cup II ";
}

Grid WorldCupTable(int worldCup, int phase) {
    const std::string prefix = WorldCupPrefix(worldCup);
    if (phase == kAllGamesPhase) {
        return TableRows("select * from tables where tournament=" + SqlQuote(prefix));
    }
    // The group tables name a group by the last seven characters of the phase: "Group A".
    const std::string& phaseText = PhaseText(phase);
    const std::string group = phaseText.substr(phaseText.size() - 7);
    return TableRows("select * from [" + prefix + "Tables] where tournament=" + SqlQuote(group));
}

Grid WorldCupGames(int worldCup, int phase) {
    const std::string prefix = WorldCupPrefix(worldCup);
    if (phase == kAllGamesPhase) {
        return GameRows("select * from scores where tournament like " + SqlQuote(prefix + "%"));
    }
    return GameRows("select * from scores where tournament = " +
                    SqlQuote(prefix + PhaseText(phase)));
}

std::string WorldCupTableCaption(int phase) {
    return PhaseText(phase) + " table";
}

ViewTexts WorldCupView(int worldCup, int phase) {
    ViewTexts view;
    view.set("grdWC_0", WorldCupTable(worldCup, phase));
    view.set("grdWC_1", WorldCupGames(worldCup, phase));
    view.set("lblWC_0", WorldCupTableCaption(phase));
    view.set("chbWC_0", ButtonState{true});
    view.set("chbWC_1", ButtonState{worldCup == 1});
    return view;
}

std::string WorldCupTreeName(int worldCup, int tree) {
    return "wc" + std::to_string(worldCup + 1) + (tree == 0 ? "ploff.bmp" : "plout.bmp");
}

std::string WorldCupTreeCaption(int worldCup) {
    return "World Cup " + std::to_string(worldCup + 1) + ": Playoff tree";
}
