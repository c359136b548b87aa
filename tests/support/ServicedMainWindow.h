#pragma once

// The main window loaded on a test DUZEDO, with a program folder of its own (for the settings,
// caches and pictures) and services that record messages and can act whenever a long
// computation lets window events run, as a person would meanwhile.

#include <functional>
#include <memory>
#include <string>

#include "db/Database.h"
#include "support/FakeServices.h"
#include "support/MainWindowFixtures.h"
#include "support/TempDir.h"
#include "support/WindowControls.h"

class EventServices : public FakeServices {
  public:
    std::function<void()> onEvents;
    void processEvents() override {
        FakeServices::processEvents();
        if (onEvents) onEvents();
    }
};

class ServicedMainWindow : public LoadedMainWindow {
  protected:
    ServicedMainWindow(const std::string& label,
                       const std::function<void(const std::string&)>& write)
        : LoadedMainWindow(label, write) {
        SetAppDir(appDir.path().string());
        SetServices(services);
    }
    ~ServicedMainWindow() override {
        SetAppDir("");
        SetServices(nullptr);
    }

    TempDir appDir{"app"};
    std::shared_ptr<EventServices> services = std::make_shared<EventServices>();
};
