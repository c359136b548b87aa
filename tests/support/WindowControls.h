#pragma once

// Reaching the main window's controls and frames by name, as the widget contract names them.

#include <gtest/gtest.h>

#include <string>

#include "shell/frmMain.h"

// The control named name ("grdRankings", "lblOpt_2"), of type W; fails the test when there is
// none of that type.
template <typename W>
W* Ctl(const frmMain& window, const std::string& name) {
    const auto it = window.ui.byName.find(name);
    W* widget = it == window.ui.byName.end() ? nullptr : dynamic_cast<W*>(it->second);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// The frame of class F.
template <typename F>
F& FrameOf(const frmMain& window) {
    F* frame = window.findChild<F*>();
    EXPECT_NE(frame, nullptr);
    return *frame;
}
