#include "shell/FrameTable.h"

#include <algorithm>
#include <array>

#include "fantasy/ui/FantasyFrame.h"
#include "headtohead/ui/PairFrame.h"
#include "misc/ui/MiscFrame.h"
#include "options/ui/OptionsFrame.h"
#include "players/ui/PlayerStatsFrame.h"
#include "rankings/ui/RankingsFrame.h"
#include "tournaments/ui/TournamentsFrame.h"
#include "tournaments/ui/WorldCupsFrame.h"

namespace {

template <typename F>
constexpr FrameKind Kind() {
    return {[](QWidget* window) -> Frame* { return new F(window); }, &F::Description};
}

// A new frame is one more row.
constexpr std::array kFrames = {Kind<RankingsFrame>(),    Kind<PlayerStatsFrame>(),
                                Kind<TournamentsFrame>(), Kind<WorldCupsFrame>(),
                                Kind<MiscFrame>(),        Kind<PairFrame>(),
                                Kind<OptionsFrame>(),     Kind<FantasyFrame>()};

}  // namespace

std::span<const FrameKind> FrameKinds() {
    return kFrames;
}

int FrameCount() {
    return static_cast<int>(kFrames.size());
}

const FrameDescription& DescriptionOf(int frame) {
    return kFrames.at(static_cast<std::size_t>(frame)).describe();
}

int HelpButtonCount() {
    int count = 0;
    for (const FrameKind& kind : kFrames) count = std::max(count, kind.describe().helpButton + 1);
    return count;
}

int FrameOfHelpButton(int k) {
    for (int frame = 0; frame < FrameCount(); ++frame) {
        if (DescriptionOf(frame).helpButton == k) return frame;
    }
    return -1;
}
