#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <string_view>

#include "core/Settings.h"
#include "db/Database.h"
#include "shell/frmMain.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

// The program as started from a folder of its own (its settings, cache and default database
// beside it), with fake services and a fixed locale; everything is put back afterwards.
class ProgramDirFixture : public testing::Test {
  protected:
    explicit ProgramDirFixture(std::string_view label) : dir_(label) {}

    void SetUp() override {
        SetAppDir(dir_.path().string());
        SetServices(services);
        SetCurrentLocale(MakeFixedLocale());
        // Closing the main window must not queue a quit for the rest of the test program.
        QApplication::setQuitOnLastWindowClosed(false);
        services->clock = 36000.2;
    }
    void TearDown() override {
        Stop();
        SetAppDir("");
        SetServices(nullptr);
        SetCurrentLocale(nullptr);
        QApplication::setQuitOnLastWindowClosed(true);
        gDbPath.clear();
        SetOptionDefaults();
    }
    void Stop() {
        window.reset();
        DisconnectDb();
    }

    const TempDir& dir() const { return dir_; }

    std::shared_ptr<FakeServices> services = std::make_shared<FakeServices>();
    std::unique_ptr<frmMain> window;

  private:
    TempDir dir_;
};
