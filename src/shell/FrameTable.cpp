#include "shell/FrameTable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

template <typename F>
constexpr FrameKind Kind() {
    return {[](int index, QWidget* window) -> Frame* { return new F(index, window); },
            &F::Description};
}

template <std::size_t... I>
constexpr auto Kinds(std::index_sequence<I...>) {
    return std::array{Kind<std::tuple_element_t<I, FrameClasses>>()...};
}

constexpr auto kFrames = Kinds(std::make_index_sequence<std::tuple_size_v<FrameClasses>>());

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
