#pragma once

// The main window on the pair DUZEDO, showing one frame, with services that record messages.

#include <QListWidget>
#include <algorithm>
#include <memory>

#include "core/PlayerNames.h"
#include "core/QtText.h"
#include "headtohead/PairDuzedo.h"
#include "support/FakeServices.h"
#include "support/MainWindowFixtures.h"
#include "support/WindowControls.h"

template <int FrameIndex, typename Services = FakeServices>
class PairDuzedoWindow : public LoadedMainWindow {
  protected:
    explicit PairDuzedoWindow(
        const std::function<void(const std::string&)>& write = WritePairDuzedo)
        : LoadedMainWindow("pair-window", write) {}
    void SetUp() override {
        LoadedMainWindow::SetUp();
        if (HasFatalFailure()) return;
        SetServices(services);
        window.show();
        window.BarClick(FrameIndex);
    }
    void TearDown() override { SetServices(nullptr); }

    // The list row of a player.
    static int Row(const std::string& name) {
        const auto it = std::find(gPlayers.begin(), gPlayers.end(), name);
        EXPECT_NE(it, gPlayers.end()) << name;
        return static_cast<int>(it - gPlayers.begin());
    }
    static Texts Items(const QListWidget& list) {
        Texts items;
        for (int row = 0; row < list.count(); ++row)
            items.push_back(ToUtf8(list.item(row)->text()));
        return items;
    }

    std::shared_ptr<Services> services = std::make_shared<Services>();
};
