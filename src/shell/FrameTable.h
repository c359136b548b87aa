#pragma once

#include <cstddef>
#include <span>
#include <tuple>
#include <type_traits>

#include "fantasy/ui/FantasyFrame.h"
#include "headtohead/ui/PairFrame.h"
#include "misc/ui/MiscFrame.h"
#include "options/ui/OptionsFrame.h"
#include "players/ui/PlayerStatsFrame.h"
#include "rankings/ui/RankingsFrame.h"
#include "tournaments/ui/TournamentsFrame.h"
#include "tournaments/ui/WorldCupsFrame.h"
#include "widgets/Frame.h"

// The frames of the main window in navigation order: a frame's place in this list is its index,
// its navigation button and its Ctrl key. A new frame is one more entry.
using FrameClasses = std::tuple<RankingsFrame, PlayerStatsFrame, TournamentsFrame, WorldCupsFrame,
                                MiscFrame, PairFrame, OptionsFrame, FantasyFrame>;

// The index of frame class F in the table.
template <typename F, std::size_t I = 0>
constexpr int FrameIndex() {
    static_assert(I < std::tuple_size_v<FrameClasses>, "not a frame of the main window");
    if constexpr (std::is_same_v<F, std::tuple_element_t<I, FrameClasses>>) {
        return static_cast<int>(I);
    } else {
        return FrameIndex<F, I + 1>();
    }
}

// A kind of frame the main window shows: how to make it (at its index) and what it is.
struct FrameKind {
    Frame* (*make)(int index, QWidget* window);
    const FrameDescription& (*describe)();
};

std::span<const FrameKind> FrameKinds();
int FrameCount();
const FrameDescription& DescriptionOf(int frame);

// The help buttons "chbPlayerHelp_k" are numbered apart from the frames: how many there are, and
// the frame holding button k (-1 when none does).
int HelpButtonCount();
int FrameOfHelpButton(int k);
