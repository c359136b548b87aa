#pragma once

#include <span>

#include "widgets/Frame.h"

// A kind of frame the main window shows: how to make it and what it is.
struct FrameKind {
    Frame* (*make)(QWidget* window);
    const FrameDescription& (*describe)();
};

// The frames in navigation order: a frame's place here is its index, its navigation button and
// its Ctrl key.
std::span<const FrameKind> FrameKinds();
int FrameCount();
const FrameDescription& DescriptionOf(int frame);

// The help buttons "chbPlayerHelp_k" are numbered apart from the frames: how many there are, and
// the frame holding button k (-1 when none does).
int HelpButtonCount();
int FrameOfHelpButton(int k);
