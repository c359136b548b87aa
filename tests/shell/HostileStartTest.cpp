// A hang is a fault like a crash: the main window, started on each hostile DUZEDO, answers
// within 2 s of each step, its start and every frame brought forward. A step that does not
// return ends the run at once with its name, rather than holding the suite until a timeout.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "core/Settings.h"
#include "db/Database.h"
#include "shell/FrameTable.h"
#include "shell/frmMain.h"
#include "support/ConnectedDuzedo.h"
#include "support/FakeServices.h"
#include "support/HostileDuzedos.h"
#include "support/SampleDb.h"
#include "support/SqliteEdit.h"
#include "support/TempDir.h"

namespace {

// The step being timed, for the alarm to name; written before the alarm is set.
char gStep[256];

extern "C" void OnHang(int) {
    constexpr char kSaid[] = "HANG: no answer within 2 s: ";
    (void)!write(STDERR_FILENO, kSaid, sizeof kSaid - 1);
    (void)!write(STDERR_FILENO, gStep, strnlen(gStep, sizeof gStep));
    _exit(EXIT_FAILURE);
}

// Runs step under an alarm 2 s ahead: the step cannot be interrupted, so the alarm ends the run.
void Within2s(const std::string& what, const std::function<void()>& step) {
    std::snprintf(gStep, sizeof gStep, "%s\n", what.c_str());
    struct Disarm {
        ~Disarm() { alarm(0); }  // also when the step throws
    } disarmed;
    alarm(2);
    step();
}

TEST(HostileStart, EveryFrameAnswersOnEveryHostileDuzedo) {
    std::signal(SIGALRM, OnHang);  // no other alarm is set in the tests
    const TempDir appDir("hostile-start");
    SetAppDir(appDir.path().string());
    SetServices(std::make_shared<FakeServices>());
    for (const HostileEdit& edit : HostileEdits()) {
        const std::string name = edit.name;
        SetOptionDefaults();
        gOptFrameAnimation = 0;
        std::unique_ptr<ConnectedDuzedo> db;
        Within2s(name + ": connecting", [&] {
            db = std::make_unique<ConnectedDuzedo>(name, [&](const std::string& path) {
                WriteSampleDb(path);
                Exec(OpenForWriting(path).get(), edit.sql);
            });
        });
        if (!db->connected()) continue;  // start-up ends with its message: nothing more to ask
        frmMain window;
        bool loaded = false;
        Within2s(name + ": loading", [&] {
            try {
                window.Load();  // as start-up does, which ends with the reason when it throws
                window.show();
                QApplication::processEvents();
                loaded = true;
            } catch (const std::exception&) {
            }
        });
        if (!loaded) continue;
        for (int frame = 0; frame < FrameCount(); ++frame) {
            Within2s(name + ": frame " + std::to_string(frame), [&] {
                window.BarClick(frame);
                QApplication::processEvents();
            });
        }
    }
    SetOptionDefaults();
    SetServices(nullptr);
    SetAppDir("");
    std::signal(SIGALRM, SIG_DFL);
}

}  // namespace
